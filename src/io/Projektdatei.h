#pragma once

#include "model/Farbset.h"
#include "model/Umgebung.h"

#include <map>
#include <string>
#include <vector>

namespace umbrarix {

// A project as the window holds it: the text of every input field by component name (all spin
// fields, "anz_ort", "anz_Breitengrad", "anz_Laengengrad", "anz_Zeitzone",
// "anz_Durchgangshoehe"), the switches that a file stores, the description lines and the
// colours. Texts are UTF-8.
struct TProjektdaten {
    std::map<std::string, std::string> Felder;
    bool Sommerzeit = true;
    bool Ueberhang = true;
    bool MauerLinks = false;
    bool MauerRechts = false;
    std::vector<std::string> Beschreibung;
    TFarbset Farben;
    TUmgebung Umgebung; // the skyline; stored after the colours, only when it has points

    bool operator==(const TProjektdaten&) const = default;
};

// The fields of a new project: every default of the input fields.
TProjektdaten Vorgabeprojekt();

// The project file's bytes: Windows-1252, CR LF after every line, labels of 32 characters.
std::string ProjektdateiSchreiben(const TProjektdaten& projekt);

// Reading a project file: the whole file is read before anything is applied.
struct TProjektLesen {
    bool Gelesen = false;
    TProjektdaten Daten; // complete when Gelesen
    std::string Fehler;  // the German message otherwise
    std::string Hinweis; // a German note on how the file was read (mixed encodings), or empty
};

// Reads a project file on top of the current project: sections that the file lacks leave
// their fields as they are, except the surroundings: a file without them is an open site. The place
// name follows the location check when one of the three location texts changes. A value that is
// missing or not a number takes its field's default.
TProjektLesen ProjektdateiLesen(const std::string& bytes, const TProjektdaten& aktuell);

inline constexpr const char* FalschesFormat =
    "Falsches / unbekanntes Datenformat! Datei kann nicht eingelesen werden.";

} // namespace umbrarix
