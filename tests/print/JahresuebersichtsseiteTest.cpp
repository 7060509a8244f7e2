#include "print/Jahresuebersichtsseite.h"

#include "hilfen/AufzeichnendeSeitenflaeche.h"
#include "views/Jahreskarte.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace umbrarix {
namespace {

using testhilfen::TAufzeichnendeSeitenflaeche;
using testhilfen::TDruckeintrag;

// One page with the common elements, both maps, the 13 rows of the monthly table with their
// values, the period and the two Beschattungsgrade, all inside the text area above the footer
// rule.
TEST(Jahresuebersichtsseite, EineSeiteImTextbereich) {
    TDruckdaten d;
    d.Projekt = Vorgabeprojekt();
    d.Heute = DatumLang(2026, 12, 8);
    TJahresuebersichtsdruck j;
    j.Fenster = j.Terrasse =
        QImage(TJahreskartenmasse::Breite, TJahreskartenmasse::Hoehe, QImage::Format_RGB32);
    j.Stunden.Monate[2] = {1.234, 11.5, 2, 3};
    j.Stunden.Jahr = {3.24, 9.84, 9.53, 9.84};
    j.Grad = {0.8123, std::nullopt};
    TAufzeichnendeSeitenflaeche f({200, 287});
    Jahresuebersicht_Drucken(f, d, j);
    EXPECT_EQ(f.Seiten, 1);
    const int T = Textbereich(200, 287).T;
    for (const char* text :
         {"Umbrarix", "(Version 2005 / 02)", "Jahresübersicht, Seite 1 / 1",
          "Dienstag, 08. Dezember 2026", "Fenster:", "Terrasse:", "März", "1.23", "11.50", "Jahr",
          "9.53", "Zeitraum: 01.06. bis 31.08., 12:00 bis 16:00 Uhr",
          "Beschattungsgrad Fenster: 81.2 %",
          "Beschattungsgrad Terrasse: keine direkte Sonne im Zeitraum"}) {
        EXPECT_NE(f.TextMit(QString::fromUtf8(text)), nullptr) << text;
    }
    int bilder = 0, linien = 0;
    for (const TDruckeintrag& e : f.Eintraege) {
        if (e.Art == TDruckeintrag::Linie) {
            ++linien;
            continue;
        }
        const int oben = -e.y1 - T;
        const int unten = e.Art == TDruckeintrag::Bild ? oben + e.y2 : oben + e.Schrift.Hoehe;
        if (e.Inhalt == QStringLiteral("Jahresübersicht, Seite 1 / 1") ||
            e.Inhalt == QStringLiteral("Dienstag, 08. Dezember 2026") ||
            e.Inhalt == QStringLiteral("Umbrarix") ||
            e.Inhalt == QStringLiteral("(Version 2005 / 02)")) {
            continue; // title above the top rule, footer below the bottom one
        }
        EXPECT_GT(oben, 200) << e.Inhalt.toStdString();
        EXPECT_LT(unten, 2430) << e.Inhalt.toStdString();
        if (e.Art == TDruckeintrag::Bild) {
            ++bilder;
            // Proportions kept to the 0.1 mm the height is truncated to.
            EXPECT_LT(
                std::abs(e.y2 * TJahreskartenmasse::Breite - e.x2 * TJahreskartenmasse::Hoehe),
                TJahreskartenmasse::Breite);
        }
    }
    EXPECT_EQ(bilder, 2);
    EXPECT_EQ(linien, 2);
}

} // namespace
} // namespace umbrarix
