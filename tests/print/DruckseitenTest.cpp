#include "print/Druckseiten.h"

#include "hilfen/AufzeichnendeSeitenflaeche.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::TAufzeichnendeSeitenflaeche;
using testhilfen::TDruckeintrag;

TDruckdaten Daten(bool ueberhang, bool links, bool rechts) {
    TDruckdaten d;
    d.Projekt = Vorgabeprojekt();
    d.Projekt.Felder["anz_Durchgangshoehe"] = "234";
    d.Projekt.Ueberhang = ueberhang;
    d.Projekt.MauerLinks = links;
    d.Projekt.MauerRechts = rechts;
    d.Heute = DatumLang(2026, 12, 8);
    d.Ansicht3D = d.Seitenansicht = d.Frontansicht = d.Horizontalschnitt =
        QImage(701, 361, QImage::Format_RGB32);
    d.Horizontalschnitt = QImage(701, 351, QImage::Format_RGB32);
    d.TagFenster = d.TagTerrasse = d.JahrFenster = d.JahrTerrasse =
        QImage(391, 237, QImage::Format_RGB32);
    d.Datum = QStringLiteral("Datum: 21. Juni");
    return d;
}

// d of a text printed with the default text area (T = 0 on a 297 mm high printable area).
int D(const TDruckeintrag* e, int T) {
    return -e->y1 - T;
}

TEST(Druckseiten, TextbereichUndDatum) {
    EXPECT_EQ(Textbereich(200, 287).L, 200);
    EXPECT_EQ(Textbereich(210, 297).L, 250);
    EXPECT_EQ(Textbereich(261, 297).L, 0);
    EXPECT_EQ(Textbereich(230, 297).L, 150);
    EXPECT_EQ(Textbereich(300, 297).L, 0);
    EXPECT_EQ(Textbereich(210, 297).T, 250);
    EXPECT_EQ(Textbereich(200, 287).T, 200);
    // Landscape: the top edge is floored at the top of the printable area, as the left one.
    const struct {
        double breite, hoehe;
        int T;
    } hochUndQuer[] = {{287, 200, 0}, {297, 210, 0}, {200, 247, 0}, {200, 248, 5}, {200, 300, 265}};
    for (const auto& f : hochUndQuer) {
        EXPECT_EQ(Textbereich(f.breite, f.hoehe).T, f.T) << f.breite << " x " << f.hoehe;
    }
    EXPECT_EQ(DatumLang(2026, 12, 8), QStringLiteral("Dienstag, 08. Dezember 2026"));
    EXPECT_EQ(DatumLang(2027, 3, 1), QStringLiteral("Montag, 01. März 2027"));
}

TEST(Druckseiten, QuerformatBleibtAufDemBlatt) {
    // A4 landscape: title, version line and top rule start at the top of the printable area.
    TAufzeichnendeSeitenflaeche f({287, 200});
    Datenblatt_Drucken(f, Daten(false, false, false));
    const TDruckeintrag* titel = f.TextMit(QStringLiteral("Umbrarix"));
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(titel->y1, 0);
    for (const TDruckeintrag& e : f.Eintraege) {
        EXPECT_LE(e.y1, 0) << e.Inhalt.toStdString() << " above the page";
    }
}

TEST(Druckseiten, EinseitigesDatenblattMitAnsprechpartner) {
    TAufzeichnendeSeitenflaeche f({200, 287}); // L = 200, T = 200
    TDruckdaten d = Daten(false, false, false);
    d.Ansprechpartner = {"Hans Müller", "Sonnenschutz GmbH", "Tel. 0221 1234"};
    EXPECT_EQ(Datenblatt_Drucken(f, d), 1);
    EXPECT_EQ(f.Seiten, 1);
    ASSERT_NE(f.TextMit(QStringLiteral("Datenblatt, Seite 1 / 1")), nullptr);
    const TDruckeintrag* titel = f.TextMit(QStringLiteral("Umbrarix"));
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(titel->x1, 200 + 800);
    EXPECT_EQ(D(titel, 200), 0);
    EXPECT_TRUE(titel->Schrift.Fett && titel->Schrift.Kursiv);
    EXPECT_EQ(titel->Schrift.Hoehe, 80);
    EXPECT_EQ(titel->Ausrichtung, TAusrichtung::Mitte);
    const TDruckeintrag* datum = f.TextMit(QStringLiteral("Dienstag, 08. Dezember 2026"));
    ASSERT_NE(datum, nullptr);
    EXPECT_EQ(D(datum, 200), 2440);
    EXPECT_TRUE(datum->Schrift.Kursiv);
    // The contact block stands against the bottom: heading at 2190, lines at 2270 .. 2350.
    const TDruckeintrag* kopf = f.TextMit(QStringLiteral("Ihr Ansprechpartner:"));
    ASSERT_NE(kopf, nullptr);
    EXPECT_EQ(D(kopf, 200), 2190);
    EXPECT_TRUE(kopf->Schrift.Fett && kopf->Schrift.Unterstrichen);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Hans Müller")), 200), 2270);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Sonnenschutz GmbH")), 200), 2310);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Tel. 0221 1234")), 200), 2350);
    EXPECT_EQ(f.TextMit(QStringLiteral("Tel. 0221 1234"))->x1, 300);
    // Sections: one line, heading, an empty line, the rows.
    const TDruckeintrag* standort = f.TextMit(QStringLiteral("Standort:"));
    ASSERT_NE(standort, nullptr);
    EXPECT_EQ(D(standort, 200), 280);
    const TDruckeintrag* ort = f.TextMit(QStringLiteral("Köln"));
    ASSERT_NE(ort, nullptr);
    EXPECT_EQ(D(ort, 200), 360);
    EXPECT_EQ(ort->x1, 1000);
    EXPECT_NE(f.TextMit(QStringLiteral("50.5 ° (Nordhalbkugel positiv)")), nullptr);
    EXPECT_NE(f.TextMit(QStringLiteral("0 ° (S = 0°; N = 180°; O = 90°; W = 270°)")), nullptr);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("31. März bis 30. Oktober")), 200), 560);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Fenster:")), 200), 640);
    EXPECT_NE(f.TextMit(QStringLiteral("150 cm")), nullptr);
    EXPECT_NE(f.TextMit(QStringLiteral("90 °")), nullptr);
    EXPECT_EQ(f.TextMit(QStringLiteral("Überhang / Markise:")), nullptr);
    // The two rules.
    int linien = 0;
    for (const TDruckeintrag& e : f.Eintraege) {
        if (e.Art == TDruckeintrag::Linie) {
            ++linien;
            EXPECT_EQ(e.x1, 200);
            EXPECT_EQ(e.x2, 1800);
            EXPECT_TRUE(-e.y1 - 200 == 200 || -e.y1 - 200 == 2430);
        }
    }
    EXPECT_EQ(linien, 2);
}

TEST(Druckseiten, ZweiseitigesDatenblatt) {
    TAufzeichnendeSeitenflaeche f;
    TDruckdaten d = Daten(false, true, false);
    d.Projekt.Sommerzeit = false;
    d.Projekt.Beschreibung = {"Haus am See"};
    EXPECT_EQ(Datenblatt_Drucken(f, d), 2);
    EXPECT_EQ(f.Seiten, 2);
    EXPECT_EQ(f.TextMit(QStringLiteral("Datenblatt, Seite 1 / 2"))->Seite, 1);
    EXPECT_EQ(f.TextMit(QStringLiteral("Datenblatt, Seite 2 / 2"))->Seite, 2);
    const TDruckeintrag* links = f.TextMit(QStringLiteral("Mauervorsprung links:"));
    ASSERT_NE(links, nullptr);
    EXPECT_EQ(links->Seite, 2);
    EXPECT_EQ(D(links, 200), 280);
    EXPECT_EQ(f.TextMit(QStringLiteral("Überhang / Markise:")), nullptr);
    EXPECT_NE(f.TextMit(QStringLiteral("- wird nicht berücksichtigt -")), nullptr);
    // The description opens page 1.
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Projektbeschreibung:")), 200), 280);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Haus am See")), 200), 360);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Standort:")), 200), 440);
}

TEST(Druckseiten, GrafikseitenImFuenfseitigenAuftrag) {
    TAufzeichnendeSeitenflaeche f;
    const TDruckdaten d = Daten(true, false, false);
    Datenblatt_Drucken(f, d);
    f.NeueSeite();
    Grafikseiten_Drucken(f, d);
    EXPECT_EQ(f.Seiten, 5);
    EXPECT_EQ(f.TextMit(QStringLiteral("Ausgabe, Seite 1 / 3"))->Seite, 3);
    EXPECT_EQ(f.TextMit(QStringLiteral("Ausgabe, Seite 2 / 3"))->Seite, 4);
    EXPECT_EQ(f.TextMit(QStringLiteral("Ausgabe, Seite 3 / 3"))->Seite, 5);
    // View pages: images 1400 x 720 at d = 660, the second heading 80 below.
    QList<TDruckeintrag> bilder;
    for (const TDruckeintrag& e : f.Eintraege) {
        if (e.Art == TDruckeintrag::Bild) {
            bilder.push_back(e);
        }
    }
    ASSERT_EQ(bilder.size(), 8);
    EXPECT_EQ(bilder[0].x1, 300);
    EXPECT_EQ(-bilder[0].y1 - 200, 660);
    EXPECT_EQ(bilder[0].x2, 1400);
    EXPECT_EQ(bilder[0].y2, 720);
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Seitenansicht:")), 200), 1460);
    EXPECT_EQ(-bilder[1].y1 - 200, 1540);
    EXPECT_EQ(bilder[3].y2, 1400 * 351 / 701) << "the top view is 351 high";
    // Diagram page: blocks from d = 240, 760, 1280, 1800; images 659 x 400 at t = d + 80.
    const int bloecke[] = {240, 760, 1280, 1800};
    for (int i = 0; i < 4; ++i) {
        const TDruckeintrag& b = bilder[4 + i];
        EXPECT_EQ(b.Seite, 5);
        EXPECT_EQ(-b.y1 - 200, bloecke[i] + 80);
        EXPECT_EQ(b.x2, 659);
        EXPECT_EQ(b.y2, 400);
    }
    EXPECT_EQ(-bilder[7].y1 - 200 + 400, 2280) << "the last image ends at 2280";
    EXPECT_EQ(D(f.TextMit(QStringLiteral("Datum: 21. Juni"), 3), 200), 280);
    // Legend boxes with their captions, white on the dark ones.
    const TDruckeintrag* nacht = f.TextMit(QStringLiteral("Nacht"), 5);
    ASSERT_NE(nacht, nullptr);
    EXPECT_EQ(nacht->Schrift.Hoehe, 23);
    EXPECT_EQ(nacht->Schrift.Farbe, 0xFFFFFFu);
    EXPECT_EQ(nacht->x1, 200 + 1025);
    EXPECT_EQ(D(nacht, 200), 240 + 80 + 270 + 3);
    int kaesten = 0;
    for (const TDruckeintrag& e : f.Eintraege) {
        kaesten += e.Art == TDruckeintrag::Kasten;
    }
    EXPECT_EQ(kaesten, 16);
}

TEST(Druckseiten, Schirmbild) {
    EXPECT_EQ(Schirmbildrechteck(QSize(4000, 6000), QSize(1016, 695)), QRect(0, 0, 4000, 2736));
    EXPECT_EQ(Schirmbildrechteck(QSize(6000, 4000), QSize(1016, 695)), QRect(0, 0, 5847, 4000));
}

} // namespace
} // namespace umbrarix
