#include "Befehlszeile.h"

namespace umbrarix {

TBefehlszeile BefehlszeileLesen(const std::vector<std::string>& argumente) {
    TBefehlszeile b;
    bool nurDateien = false;
    for (const std::string& a : argumente) {
        if (!nurDateien && (a == "--help" || a == "-h")) {
            b.Ausgabe = "Aufruf: umbrarix [PROJEKT.dat]\n"
                        "Verschattung eines Fensters und einer Terrasse durch Markise, Volant und "
                        "Mauervorsprünge.\n"
                        "PROJEKT.dat wird geöffnet wie mit \"Öffnen ...\"; ohne Datei beginnt das "
                        "Programm mit den Vorgaben.\n"
                        "  --help     diese Hilfe\n"
                        "  --version  die Version\n"
                        "Tabellen, Ausdrucke und Bilder ohne Fenster: umbrarix-batch --help\n";
            return b;
        }
        if (!nurDateien && a == "--version") {
            // As umbrarix-batch --version: the licence is the one the package declares.
            b.Ausgabe = std::string("umbrarix ") + UMBRARIX_VERSION +
                        "\nCopyright (C) 2026 Umbrarix\nLizenz: proprietär\n";
            return b;
        }
        if (!nurDateien && a == "--") {
            nurDateien = true;
        } else if (!nurDateien && a.size() > 1 && a.front() == '-') {
            b.Ausgabe = "umbrarix: Unbekannte Option: " + a + "\nAufruf: umbrarix --help\n";
            b.Status = 2;
            return b;
        } else if (!b.Projekt.empty()) {
            b.Ausgabe = "umbrarix: Mehr als eine Projektdatei: " + a + "\n";
            b.Status = 2;
            return b;
        } else {
            b.Projekt = a;
        }
    }
    return b;
}

} // namespace umbrarix
