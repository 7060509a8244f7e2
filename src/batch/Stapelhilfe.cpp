#include "batch/Stapelauftrag.h"
#include "batch/Stapeloptionen.h"

namespace umbrarix {

namespace {

bool HatOption(const TStapelbefehl& b, std::string_view name, std::string_view wert = {}) {
    for (const TStapeloption& o : Stapeloptionen()) {
        if (o.Befehl == b.Befehl && o.Name == name && (wert.empty() || o.Wert == wert)) {
            return true;
        }
    }
    return false;
}

// What the command lines alone do not say. A command's help shows the notes on its own
// options; Gilt empty: only the help of all commands.
struct THinweis {
    bool (*Gilt)(const TStapelbefehl& b);
    std::string_view Text;
};

constexpr THinweis Hinweise[] = {
    {[](const TStapelbefehl& b) { return HatOption(b, "--tag"); },
     "--tag: Tag des Jahres 1..365 oder Datum wie 21.06. (Vorgabe 172 = 21. Juni)"},
    {[](const TStapelbefehl& b) { return HatOption(b, "--uhrzeit", "HH:MM"); },
     "--uhrzeit: HH:MM, auf 10 Minuten abgerundet (Vorgabe 12:00)"},
    {[](const TStapelbefehl& b) { return HatOption(b, "--zeitraum"); },
     "--zeitraum, --uhrzeit bei sonnenstunden und dimensionieren: Tage beide eingeschlossen (über "
     "Neujahr, wenn der erste nach dem zweiten liegt), Uhrzeiten in Zehnminutenschritten bis "
     "ausschließlich; Vorgabe das ganze Jahr, 00:00-24:00"},
    {[](const TStapelbefehl& b) { return HatOption(b, "--ausfall"); },
     "--ausfall, --breite, --neigung bei dimensionieren: Kandidaten in cm bzw. Grad (Vorgabe "
     "Ausfall 0-400:10, Breite und Neigung wie im Projekt)"},
    {[](const TStapelbefehl& b) { return HatOption(b, "--format"); },
     "--format csv: Tabelle für Tabellenkalkulationen (Semikolon, Dezimalkomma, UTF-8)"},
    {[](const TStapelbefehl& b) { return b.Textdatei; },
     "-o -: schreibt eine Textdatei auf die Standardausgabe"},
    {[](const TStapelbefehl&) { return true; },
     "--option=wert gilt wie --option wert; nach -- ist jedes Argument ein Dateiname, auch wenn es "
     "mit - beginnt"},
    {nullptr, "BEFEHL --help: zeigt nur die Optionen dieses Befehls"},
    {nullptr, "--version: zeigt die Version des Programms"},
};

constexpr std::string_view Rueckgabewert =
    "Rückgabewert: 0 erfolgreich, 1 Projektdatei unlesbar oder Schreibfehler, 2 falscher "
    "Aufruf.\n";

std::string OptionMitWert(const TStapeloption& o) {
    std::string text(o.Name);
    text += ' ';
    text += o.Wert;
    return text;
}

// "tabelle PROJEKT.dat --ziel fenster|terrasse ... [--format text|csv] -o DATEI"
std::string Aufruf(const TStapelbefehl& b) {
    std::string zeile = std::string(b.Name) + " PROJEKT.dat";
    for (const TStapeloption& o : Stapeloptionen()) {
        if (o.Befehl == b.Befehl) {
            const std::string option = OptionMitWert(o);
            zeile += o.Fehlt.empty() ? " [" + option + "]" : " " + option;
        }
    }
    return zeile + " -o " + std::string(b.Ausgabe);
}

// The command's options in the table's order, the required ones (with -o last) or the others,
// one a line.
std::string Optionsliste(const TStapelbefehl& b, bool noetig) {
    std::string liste;
    for (const TStapeloption& o : Stapeloptionen()) {
        if (o.Befehl == b.Befehl && o.Fehlt.empty() != noetig) {
            liste += "  ";
            liste += OptionMitWert(o);
            liste += '\n';
        }
    }
    if (noetig) {
        liste += "  -o ";
        liste += b.Ausgabe;
        liste += '\n';
    }
    return liste;
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
    for (const THinweis& h : Hinweise) {
        hilfe += std::string(h.Text) + "\n";
    }
    return hilfe + "\n" + std::string(Rueckgabewert);
}

std::string StapelbefehlHilfe(TStapelauftrag::TBefehl befehl) {
    for (const TStapelbefehl& b : Stapelbefehle()) {
        if (b.Befehl != befehl) {
            continue;
        }
        std::string hilfe = "Aufruf: umbrarix-batch " + Aufruf(b) + "\n\nNötige Optionen:\n" +
                            Optionsliste(b, true);
        if (const std::string weitere = Optionsliste(b, false); !weitere.empty()) {
            hilfe += "Weitere Optionen:\n" + weitere;
        }
        hilfe += "\n";
        for (const THinweis& h : Hinweise) {
            if (h.Gilt != nullptr && h.Gilt(b)) {
                hilfe += std::string(h.Text) + "\n";
            }
        }
        hilfe += "\nBeispiele:\n";
        for (const std::string_view beispiel : b.Beispiele) {
            hilfe += "  umbrarix-batch " + std::string(beispiel) + "\n";
        }
        return hilfe + "\n" + std::string(Rueckgabewert);
    }
    return StapelHilfe();
}

} // namespace umbrarix
