#include "batch/Stapelauftrag.h"
#include "batch/Stapeloptionen.h"

namespace umbrarix {

namespace {

// What the command lines alone do not say.
constexpr std::string_view Hinweise[] = {
    "--tag: Tag des Jahres 1..365 oder Datum wie 21.06. (Vorgabe 172 = 21. Juni)",
    "--uhrzeit: HH:MM, auf 10 Minuten abgerundet (Vorgabe 12:00)",
    "--zeitraum, --uhrzeit bei sonnenstunden: Tage beide eingeschlossen (über Neujahr, wenn der "
    "erste nach dem zweiten liegt), Uhrzeiten in Zehnminutenschritten bis ausschließlich; "
    "Vorgabe das ganze Jahr, 00:00-24:00",
    "--ausfall, --breite, --neigung bei dimensionieren: Kandidaten in cm bzw. Grad (Vorgabe "
    "Ausfall 0-400:10, Breite und Neigung wie im Projekt)",
    "--format csv: Tabelle für Tabellenkalkulationen (Semikolon, Dezimalkomma, UTF-8)",
    "-o -: schreibt eine Textdatei auf die Standardausgabe",
    "--version: zeigt die Version des Programms",
};

// "tabelle PROJEKT.dat --ziel fenster|terrasse ... [--format text|csv] -o DATEI"
std::string Aufruf(const TStapelbefehl& b) {
    std::string zeile = std::string(b.Name) + " PROJEKT.dat";
    for (const TStapeloption& o : Stapeloptionen()) {
        if (o.Befehl != b.Befehl) {
            continue;
        }
        const std::string option = std::string(o.Name) + " " + std::string(o.Wert);
        zeile += o.Fehlt.empty() ? " [" + option + "]" : " " + option;
    }
    return zeile + " -o " + std::string(b.Ausgabe);
}

} // namespace

std::string StapelHilfe() {
    std::string hilfe = "umbrarix-batch: Verschattungstabellen, VELUMORA-Dateien, Ausdrucke und "
                        "Ansichten eines Projekts ohne Fenster.\n\nBefehle:\n";
    for (const TStapelbefehl& b : Stapelbefehle()) {
        hilfe += "  " + Aufruf(b) + "\n";
        for (const std::string_view beispiel : b.Beispiele) {
            hilfe += "      umbrarix-batch " + std::string(beispiel) + "\n";
        }
    }
    hilfe += "\n";
    for (const std::string_view hinweis : Hinweise) {
        hilfe += std::string(hinweis) + "\n";
    }
    return hilfe + "\nRückgabewert: 0 erfolgreich, 1 Projektdatei unlesbar oder Schreibfehler, 2 "
                   "falscher Aufruf.\n";
}

} // namespace umbrarix
