#pragma once

#include "auswertung/Dimensionierung.h"
#include "auswertung/Zeitraum.h"
#include "io/Tabellenart.h"

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// One call of umbrarix-batch, read from its arguments.
struct TStapelauftrag {
    enum TBefehl {
        Tabelle,
        Velumora,
        Drucken,
        Ansicht,
        Hilfe,
        Jahresuebersicht,
        Sonnenstunden,
        Dimensionieren,
        Sonnenbahnen,
        Maske,
        Sonneneintrag,
        Version
    } Befehl = Hilfe;
    TBefehl Hilfethema = Hilfe; // with Befehl Hilfe: "BEFEHL --help" names BEFEHL, else all
    std::string Projekt;        // the project file
    std::string Ausgabe;        // -o; "-" is standard output (text files only)
    bool Terrasse = false;      // --ziel terrasse
    TTabellenart Art = TTabellenart::Tag;
    bool Csv = false;          // --format csv: the table for spreadsheets
    int Tag = 172;             // day of the year
    int Zeitposition = 72;     // clock time in 10-minute steps
    bool MitDatenblatt = true; // --inhalt
    bool MitGrafiken = true;
    std::string Ansprechpartnerdatei; // contact-person lines for the data sheet
    std::string Beschreibungsdatei;   // description lines instead of the project's
    std::string Ansichtsname;         // 3d, seite, fenster, terrasse, kompass, tagesdiagramm, ...
    bool MitJahresuebersicht = false; // drucken --inhalt jahresuebersicht
    TZeitraum Zeitraum = GanzesJahr;  // sonnenstunden --zeitraum / --uhrzeit
    TDimensionierungsfrage Frage;     // dimensionieren (its period is Zeitraum)
    std::string NeuesProjekt;         // dimensionieren --projekt: the proposal's project file
    // --horizont: a skyline file replacing the project's, "keine" for an open site; empty:
    // the project's own.
    std::string Horizont;
    int Maskenschritt = 1; // maske --schritt: degrees between two directions
    std::string Wetter;    // sonneneintrag --wetter: the weather file
    double Albedo = 0.2;   // sonneneintrag --albedo: ground reflectance 0..1

    // Equal when every field is: two spellings of one call read to equal calls.
    bool operator==(const TStapelauftrag&) const = default;
};

// The arguments read, or the German reason why they are not a valid call.
struct TStapelLesen {
    std::optional<TStapelauftrag> Auftrag;
    std::string Fehler;
};
TStapelLesen StapelauftragLesen(const std::vector<std::string>& argumente);

// "172" or a date "21.06." as a day of the year (365-day year), or nothing.
std::optional<int> TagAusText(const std::string& text);
// "HH:MM" as a time position, rounded down to the 10-minute grid, or nothing.
std::optional<int> ZeitpositionAusText(const std::string& text);

// "VON-BIS:SCHRITT" of whole numbers within min..max, VON <= BIS, SCHRITT > 0, or nothing.
std::optional<TBereich> BereichAusText(const std::string& text, double min, double max);

// The help text: every command with one example.
std::string StapelHilfe();
// What "BEFEHL --help" prints: the call, the options of that command and its examples.
std::string StapelbefehlHilfe(TStapelauftrag::TBefehl befehl);
// What --version prints: "umbrarix-batch 1.0", the copyright and the licence, one line each.
std::string StapelVersion();

} // namespace umbrarix
