#include "model/ElementeAufbauen.h"
#include "model/Geometrie.h"
#include "model/MasseZurueckgewinnen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

constexpr double Rechengenauigkeit = 1e-9;

void ErwartePunkt(const TPunkt& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, Rechengenauigkeit);
    EXPECT_NEAR(p.y, y, Rechengenauigkeit);
    EXPECT_NEAR(p.z, z, Rechengenauigkeit);
}

TEST(Elemente, FensterDerVorgabeszeneInDerWelt) {
    const TSzene s = SzeneAusEingaben({});
    ASSERT_EQ(s.Fenster.Polygon.Anzahl, 4);
    ErwartePunkt(s.Fenster.Polygon[0], 0, -200, 100);
    ErwartePunkt(s.Fenster.Polygon[1], 0, 200, 100);
    ErwartePunkt(s.Fenster.Polygon[2], 0, 200, 250);
    ErwartePunkt(s.Fenster.Polygon[3], 0, -200, 250);
    EXPECT_EQ(s.Wandneigung, 90);
}

TEST(Elemente, UeberhangUndVolantDerVorgabeszene) {
    const TSzene s = SzeneAusEingaben({});
    // Front edge: 150 cos 10 deg = 147.72 -> 148, 280 - 150 sin 10 deg = 253.95 -> 254.
    ErwartePunkt(s.Ueberhang.Polygon[0], 148, -300, 254);
    ErwartePunkt(s.Ueberhang.Polygon[1], 148, 300, 254);
    ErwartePunkt(s.Ueberhang.Polygon[2], 0, 300, 280);
    ErwartePunkt(s.Ueberhang.Polygon[3], 0, -300, 280);
    // The valance hangs 20 cm from the front edge.
    ErwartePunkt(s.Volant.Polygon[0], 148, -300, 234);
    ErwartePunkt(s.Volant.Polygon[1], 148, 300, 234);
    ErwartePunkt(s.Volant.Polygon[2], 148, 300, 254);
    ErwartePunkt(s.Volant.Polygon[3], 148, -300, 254);
}

TEST(Elemente, FesteFlaechenTerrasseUndMauern) {
    TEingabedaten e;
    e.anz_terrassenabstand = 50;
    e.anz_ml_wandabstand = 10;
    e.anz_mr_bodenabstand = 20;
    const TSzene s = SzeneAusEingaben(e);
    ErwartePunkt(s.Wand.Polygon[0], 0, -350, 0);
    ErwartePunkt(s.Wand.Polygon[2], 0, 350, 350);
    // Lying flat: facade height becomes the distance out from the facade (world x for h = 0).
    ErwartePunkt(s.Boden.Polygon[0], 0, -350, 0);
    ErwartePunkt(s.Boden.Polygon[2], 350, 350, 0);
    ErwartePunkt(s.Terrasse.Polygon[0], 50, -200, 0);
    ErwartePunkt(s.Terrasse.Polygon[2], 250, 200, 0);
    // Fins: upper inner, upper outer, lower outer, lower inner.
    ErwartePunkt(s.MauerLinks.Polygon[0], 10, -325, 300);
    ErwartePunkt(s.MauerLinks.Polygon[1], 110, -325, 300);
    ErwartePunkt(s.MauerLinks.Polygon[2], 110, -325, 0);
    ErwartePunkt(s.MauerRechts.Polygon[0], 0, 325, 320);
    ErwartePunkt(s.MauerRechts.Polygon[3], 0, 325, 20);
}

TEST(Elemente, OstfassadeDrehtDasFenster) {
    TEingabedaten e;
    e.anz_Himmelsrichtung = 90;
    const TSzene s = SzeneAusEingaben(e);
    ErwartePunkt(s.Fenster.Polygon[0], 200, 0, 100);
    ErwartePunkt(s.Fenster.Polygon[1], -200, 0, 100);
    ErwartePunkt(s.Fenster.Polygon[2], -200, 0, 250);
}

TEST(Elemente, UngeradeBreiteWirdAnBeidenKantenGerundet) {
    TEingabedaten e;
    e.anz_Fensterbreite = 15;
    const TSzene s = SzeneAusEingaben(e);
    EXPECT_EQ(s.Fenster.Polygon[0].y, -8);
    EXPECT_EQ(s.Fenster.Polygon[1].y, 8);
}

TEST(Elemente, GeneigteWandKipptDasFensterNachHinten) {
    TEingabedaten e;
    e.anz_Fensterneigung = 60;
    const TSzene s = SzeneAusEingaben(e);
    EXPECT_EQ(s.Wandneigung, 60);
    ErwartePunkt(s.Fenster.Polygon[2], -125, 200, 250 * std::sin(M_PI / 3));
    ErwartePunkt(s.Fenster.Polygon[3], -125, -200, 216.50635094610965);
}

TEST(Elemente, VolantschalterFolgtDerHoehe) {
    TSzene s;
    s.Eingaben.CheckBox_Volant = false;
    s.Eingaben.anz_VolantHoehe = 0;
    EXPECT_FALSE(Daten_auslesen_Geometrie(s));
    EXPECT_FALSE(s.Eingaben.CheckBox_Volant);
    // A valance of height 0 collapses onto the front edge.
    ErwartePunkt(s.Volant.Polygon[0], 148, -300, 254);
    ErwartePunkt(s.Volant.Polygon[3], 148, -300, 254);

    s.Eingaben.anz_VolantHoehe = 5;
    EXPECT_TRUE(Daten_auslesen_Geometrie(s));
    EXPECT_TRUE(s.Eingaben.CheckBox_Volant);
    EXPECT_FALSE(Daten_auslesen_Geometrie(s)) << "already on: no change to report";
}

TEST(Elemente, Laengenkorrektur) {
    const TSzene s = SzeneAusEingaben({});
    // (1 * 15 + (-7.0)) * 24 / 360
    EXPECT_NEAR(s.Laengenkorrektur, 0.53333333333, 1e-10);
    EXPECT_EQ(Laengenkorrektur_berechnen(0, 0), 0);
    EXPECT_EQ(Laengenkorrektur_berechnen(2, -30), 0);
}

// Every dimension a drag can change, for comparing a round trip.
void ErwarteGleicheMasse(const TEingabedaten& a, const TEingabedaten& b) {
    for (double TEingabedaten::*m : {&TEingabedaten::anz_Vordachbreite,
                                     &TEingabedaten::anz_Vordachlaenge,
                                     &TEingabedaten::anz_VordachHoehe,
                                     &TEingabedaten::anz_Vordach_Neigung,
                                     &TEingabedaten::anz_VolantHoehe,
                                     &TEingabedaten::anz_Vordachzentrierung,
                                     &TEingabedaten::anz_Fensterhoehe,
                                     &TEingabedaten::anz_Fensterbreite,
                                     &TEingabedaten::anz_Fensterabstand_Boden,
                                     &TEingabedaten::anz_FensterZentrierung,
                                     &TEingabedaten::anz_terrassenbreite,
                                     &TEingabedaten::anz_terrassenlaenge,
                                     &TEingabedaten::anz_terrassenabstand,
                                     &TEingabedaten::anz_terrassenzentrierung,
                                     &TEingabedaten::anz_ml_ausfall,
                                     &TEingabedaten::anz_ml_hoehe,
                                     &TEingabedaten::anz_ml_bodenabstand,
                                     &TEingabedaten::anz_ml_wandabstand,
                                     &TEingabedaten::anz_ml_AbstandFenstermitte,
                                     &TEingabedaten::anz_mr_Ausfall,
                                     &TEingabedaten::anz_mr_hoehe,
                                     &TEingabedaten::anz_mr_bodenabstand,
                                     &TEingabedaten::anz_mr_wandabstand,
                                     &TEingabedaten::anz_mr_abstandFenstermitte}) {
        EXPECT_EQ(a.*m, b.*m);
    }
}

TEST(Elemente, AuslesenUndAnzeigenGebenDieMasseZurueck) {
    const auto abwandeln = [](auto f) {
        TEingabedaten e;
        f(e);
        return e;
    };
    const TEingabedaten faelle[] = {
        {},
        abwandeln([](TEingabedaten& e) {
            e.anz_FensterZentrierung = 40;
            e.anz_terrassenabstand = 50;
        }),
        abwandeln([](TEingabedaten& e) {
            e.anz_Himmelsrichtung = 37;
            e.anz_Fensterneigung = 60;
            e.anz_Vordachzentrierung = -120;
            e.anz_Vordachbreite = 330;
            e.anz_Abstand_Wand = 25;
            e.anz_ml_AbstandFenstermitte = -80;
            e.anz_mr_wandabstand = 44;
        }),
        abwandeln([](TEingabedaten& e) {
            e.anz_Himmelsrichtung = 270;
            e.anz_Fensterneigung = 120;
            e.anz_Vordach_Neigung = 0;
            e.anz_terrassenzentrierung = -300;
            e.anz_VolantHoehe = 200;
        }),
        abwandeln([](TEingabedaten& e) {
            e.anz_Vordach_Neigung = 45;
            e.anz_Vordachlaenge = 400;
            e.anz_VordachHoehe = 350;
        }),
    };
    for (const TEingabedaten& e : faelle) {
        TSzene s = SzeneAusEingaben(e);
        Daten_anzeigen_Masse(s);
        ErwarteGleicheMasse(s.Eingaben, e);
    }
}

TEST(Elemente, AnzeigenBeiAusfallNullUndDurchgangshoehe) {
    TEingabedaten e;
    e.anz_Vordachlaenge = 0;
    TSzene s = SzeneAusEingaben(e);
    Daten_anzeigen_Masse(s);
    EXPECT_EQ(s.Eingaben.anz_Vordachlaenge, 0);
    EXPECT_EQ(s.Eingaben.anz_Vordach_Neigung, 0);

    s = SzeneAusEingaben({});
    Daten_anzeigen_Masse(s);
    EXPECT_EQ(s.Eingaben.anz_Durchgangshoehe, 234); // valance lower edge above ground
}

TEST(Elemente, AnzeigenNachVerschobenenEcken) {
    TSzene s = SzeneAusEingaben({});
    // Front edge dragged above the back edge: the slope turns negative.
    const TDrehung wand(90, 0);
    s.Ueberhang.Polygon[0] = wand.InWelt(TIntPunkt{100, -300, 380});
    s.Ueberhang.Polygon[1] = wand.InWelt(TIntPunkt{100, 300, 380});
    // A window edge moved by an odd amount gives a half-centimetre centre.
    s.Fenster.Polygon[2] = wand.InWelt(TIntPunkt{0, 201, 250});
    Daten_anzeigen_Masse(s);
    EXPECT_EQ(s.Eingaben.anz_Vordach_Neigung, -45);
    EXPECT_EQ(s.Eingaben.anz_Vordachlaenge, 141); // sqrt(100^2 + 100^2)
    EXPECT_EQ(s.Eingaben.anz_Fensterbreite, 401);
    EXPECT_EQ(s.Eingaben.anz_FensterZentrierung, 0); // 0.5 goes to the even neighbour
}

} // namespace
} // namespace umbrarix
