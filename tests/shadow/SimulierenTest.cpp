#include "shadow/Simulieren.h"
#include "model/ElementeAufbauen.h"
#include "shadow/Ergebnistext.h"
#include "shadow/Schattenwurf.h"
#include "solar/Sonnenstand.h"

#include "hilfen/Strahlentest.h"

#include <gtest/gtest.h>

#include <random>

namespace umbrarix {
namespace {

// Corners are rounded to whole centimetres and the samples sit on a grid: about a percent.
constexpr double StrahlToleranz = 0.03;

TPunkt SonneZu(const TSzene& s, int tag, int position) {
    return Sonnenvektor(tag,
                        Sonnenzeit(tag, UhrzeitAusPosition(position), s.Laengenkorrektur,
                                   s.Eingaben.CheckBox_Sommerzeit),
                        s.Eingaben.anz_Breitengrad);
}

void ErwarteWieStrahlen(TSzene& s, int tag, int position, const char* fall) {
    Zeitpunkt_Simulieren(s, tag, position);
    ASSERT_FALSE(s.IstNacht || s.IstSonneNichtSichtbar) << fall;
    const TPunkt sonne = SonneZu(s, tag, position);
    EXPECT_NEAR(s.Fenster.Verschattungsanteil,
                testhilfen::GestrahlterAnteil(s, s.Fenster.Polygon, sonne), StrahlToleranz)
        << fall << " window";
    EXPECT_NEAR(s.Terrasse.Verschattungsanteil,
                testhilfen::GestrahlterAnteil(s, s.Terrasse.Polygon, sonne), StrahlToleranz)
        << fall << " terrace";
}

TEST(Simulieren, VorgabeszeneAm21JuniMittags) {
    TSzene s = SzeneAusEingaben({});
    const TPunkt sonne = SonneZu(s, 172, 72);
    EXPECT_NEAR(sonne.x, 0.39667, 0.5e-5);
    EXPECT_NEAR(sonne.y, 0.36398, 0.5e-5);
    EXPECT_NEAR(sonne.z, 0.84272, 0.5e-5);
    ErwarteWieStrahlen(s, 172, 72, "default");
    // The overhang's shadow reaches below the ground and covers the whole window.
    EXPECT_NEAR(s.Fenster.Verschattungsanteil, 1, 1e-9);
    EXPECT_EQ(Ergebnistext(s.Fenster.Verschattungsanteil, false),
              "Verschattung (Fenster): 100.0 %");
    EXPECT_GT(s.Terrasse.Verschattungsanteil, 0.1);
}

TEST(Simulieren, NachtUndSonneHinterDerWand) {
    TSzene s = SzeneAusEingaben({});
    Zeitpunkt_Simulieren(s, 172, 72);
    const TPolygon mittagsschatten = s.Ueberhang.SchattenFenster;

    Zeitpunkt_Simulieren(s, 172, 0); // 0:00
    EXPECT_TRUE(s.IstNacht);
    EXPECT_EQ(s.Fenster.Verschattungsanteil, -1);
    EXPECT_EQ(s.Terrasse.Verschattungsanteil, -1);
    EXPECT_EQ(Ergebnistext(s.Terrasse.Verschattungsanteil, true), "Nacht");
    // Without sun the shadows of the last sunny instant stay.
    ASSERT_EQ(s.Ueberhang.SchattenFenster.Anzahl, mittagsschatten.Anzahl);
    for (int i = 0; i < mittagsschatten.Anzahl; ++i) {
        EXPECT_EQ(s.Ueberhang.SchattenFenster[i].y, mittagsschatten[i].y);
    }

    s.Eingaben.anz_Himmelsrichtung = 180; // facing north
    Daten_auslesen_Geometrie(s);
    Zeitpunkt_Simulieren(s, 172, 78);
    EXPECT_FALSE(s.IstNacht);
    EXPECT_TRUE(s.IstSonneNichtSichtbar);
    EXPECT_EQ(s.Fenster.Verschattungsanteil, -2);
    EXPECT_EQ(s.Terrasse.Verschattungsanteil, -2);
    EXPECT_EQ(Ergebnistext(s.Fenster.Verschattungsanteil, false), "Sonne nicht sichtbar");
}

TEST(Simulieren, SonneUnterDemHorizontJenseitsDerPolargrenzeIstNacht) {
    TEingabedaten e;
    e.anz_Breitengrad = 67;
    TSzene s = SzeneAusEingaben(e);
    // Day 100 at 67 deg: the sun vector at solar time 1.0 points downwards but is no marker.
    ASSERT_NE(Sonnenvektor(100, 1.0, 67).x, -1);
    Simulieren(s, 100, 1.0);
    EXPECT_TRUE(s.IstNacht);
    EXPECT_EQ(s.Fenster.Verschattungsanteil, -1);
    EXPECT_EQ(s.Terrasse.Verschattungsanteil, -1);
    Simulieren(s, 100, 12.0);
    EXPECT_FALSE(s.IstNacht);
}

TEST(Simulieren, OhneSchalterKeinSchatten) {
    TEingabedaten e;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = false;
    TSzene s = SzeneAusEingaben(e);
    s.Eingaben.CheckBox_Volant = false;
    Zeitpunkt_Simulieren(s, 172, 72);
    EXPECT_EQ(s.Fenster.Verschattungsanteil, 0);
    EXPECT_EQ(s.Terrasse.Verschattungsanteil, 0);
    EXPECT_EQ(Ergebnistext(s.Fenster.Verschattungsanteil, false), "Verschattung (Fenster): 0.0 %");
}

TEST(Simulieren, UeberhangDecktDasGanzeFenster) {
    TEingabedaten e;
    e.anz_Vordachbreite = 700;
    e.anz_Vordachlaenge = 400;
    e.anz_VordachHoehe = 350;
    e.anz_Vordach_Neigung = 0;
    e.anz_VolantHoehe = 0;
    e.CheckBox_Volant = false;
    e.anz_Fensterbreite = 100;
    TSzene s = SzeneAusEingaben(e);
    Zeitpunkt_Simulieren(s, 172, 81); // 13:30, about solar noon
    EXPECT_NEAR(s.Fenster.Verschattungsanteil, 1, 1e-12);
    EXPECT_EQ(Ergebnistext(s.Fenster.Verschattungsanteil, false),
              "Verschattung (Fenster): 100.0 %");
}

TEST(Simulieren, UeberlappendeSchattenZaehlenEinmal) {
    TEingabedaten e;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = false;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    // Both fins in the plane y = 0: their shadows coincide.
    e.anz_ml_AbstandFenstermitte = 0;
    e.anz_mr_abstandFenstermitte = 0;
    e.anz_ml_ausfall = e.anz_mr_Ausfall = 200;
    TSzene s = SzeneAusEingaben(e);
    s.Eingaben.CheckBox_Volant = false;
    Zeitpunkt_Simulieren(s, 172, 60); // 10:00, sun from the east-south-east
    const double beide = s.Fenster.Verschattungsanteil;
    const double einzeln = Flaeche(s.MauerLinks.SchattenFenster) / Flaeche(s.Fenster.Polygon);
    EXPECT_GT(einzeln, 0.05);
    // The overlap is clipped again on the centimetre grid, hence not to the last digit.
    EXPECT_NEAR(beide, einzeln, 1e-3);
    ErwarteWieStrahlen(s, 172, 60, "coinciding fins");
}

// A tilted wall lets the shadows of overhang and valance overlap with area; counted twice, the
// terrace of this scene read 114.1 % while the shadows cover 86.5 % of it.
TEST(Simulieren, UeberhangUndVolantAufGeneigterWandZaehlenEinmal) {
    TEingabedaten e;
    e.anz_Vordachbreite = 544;
    e.anz_Vordachlaenge = 185;
    e.anz_VordachHoehe = 336;
    e.anz_Abstand_Wand = 101;
    e.anz_Vordach_Neigung = 39;
    e.anz_VolantHoehe = 175;
    e.anz_Vordachzentrierung = 238;
    e.anz_Fensterhoehe = 153;
    e.anz_Fensterbreite = 44;
    e.anz_Fensterabstand_Boden = 111;
    e.anz_Fensterneigung = 71;
    e.anz_FensterZentrierung = 289;
    e.anz_terrassenbreite = 322;
    e.anz_terrassenlaenge = 168;
    e.anz_terrassenabstand = 101;
    e.anz_terrassenzentrierung = 196;
    e.anz_Himmelsrichtung = 358;
    e.anz_Breitengrad = -4.0;
    e.anz_Laengengrad = 152.0;
    e.anz_Zeitzone = 11.5;
    e.CheckBox_Sommerzeit = false;
    e.CheckBox_MauerRechts = true;
    e.anz_mr_Ausfall = 194;
    e.anz_mr_hoehe = 300;
    e.anz_mr_bodenabstand = 89;
    e.anz_mr_wandabstand = 129;
    e.anz_mr_abstandFenstermitte = 290;
    TSzene s = SzeneAusEingaben(e);
    Zeitpunkt_Simulieren(s, 112, 55); // 09:10
    ASSERT_FALSE(s.IstNacht || s.IstSonneNichtSichtbar);
    EXPECT_NEAR(s.Terrasse.Verschattungsanteil, 0.865, 0.005);
    EXPECT_EQ(Ergebnistext(s.Terrasse.Verschattungsanteil, true).substr(0, 25),
              "Verschattung (Terrasse): ");
    ErwarteWieStrahlen(s, 112, 55, "tilted wall, overhang and valance overlapping");
}

// New project, right fin close to the window: the overlap terms, clipped again on the grid,
// summed to 100.1 %.
TEST(Simulieren, AnteilBleibtInNullBisEins) {
    TEingabedaten e;
    e.CheckBox_MauerRechts = true;
    e.anz_mr_abstandFenstermitte = -40;
    e.anz_mr_wandabstand = 23;
    e.anz_mr_Ausfall = 120;
    TSzene s = SzeneAusEingaben(e);
    Zeitpunkt_Simulieren(s, 172, 72);
    EXPECT_EQ(s.Fenster.Verschattungsanteil, 1.0);
    EXPECT_EQ(Ergebnistext(s.Fenster.Verschattungsanteil, false),
              "Verschattung (Fenster): 100.0 %");
}

// On a vertical wall the shadows of overhang and valance only touch: their intersection has no
// corners, so the terms added for tilted walls change nothing there.
TEST(Simulieren, SenkrechteWandUeberhangUndVolantBeruehrenSichNur) {
    std::mt19937 z(11);
    const auto w = [&z](int a, int b) {
        return static_cast<double>(std::uniform_int_distribution<int>(a, b)(z));
    };
    int gepruefte = 0;
    for (int fall = 0; fall < 300; ++fall) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = w(0, 359);
        e.anz_Vordachbreite = w(15, 700);
        e.anz_Vordachlaenge = w(0, 400);
        e.anz_VordachHoehe = w(0, 350);
        e.anz_Abstand_Wand = w(0, 200);
        e.anz_Vordach_Neigung = w(0, 90);
        e.anz_VolantHoehe = w(0, 200);
        e.anz_Vordachzentrierung = w(-300, 300);
        e.anz_Breitengrad = w(-70, 70);
        TSzene s = SzeneAusEingaben(e);
        const int tag = static_cast<int>(w(1, 365));
        for (int position = 30; position <= 120; position += 10) {
            Zeitpunkt_Simulieren(s, tag, position);
            if (s.IstNacht || s.IstSonneNichtSichtbar) {
                continue;
            }
            const TDrehung wand(s.Wandneigung, e.anz_Himmelsrichtung);
            const TDrehung boden(0, e.anz_Himmelsrichtung);
            const TPolygon& O = s.Ueberhang.SchattenFenster;
            const TPolygon& V = s.Volant.SchattenFenster;
            if (O.Anzahl > 0 && V.Anzahl > 0) {
                ++gepruefte;
                EXPECT_EQ(SchattenZuschneiden(O, V, wand).Anzahl, 0) << fall << " " << position;
            }
            const TPolygon& Ot = s.Ueberhang.SchattenTerrasse;
            const TPolygon& Vt = s.Volant.SchattenTerrasse;
            if (Ot.Anzahl > 0 && Vt.Anzahl > 0) {
                ++gepruefte;
                EXPECT_EQ(SchattenZuschneiden(Ot, Vt, boden).Anzahl, 0) << fall << " " << position;
            }
        }
    }
    EXPECT_GT(gepruefte, 200);
}

TEST(Simulieren, ZufaelligeSzenenWieStrahlen) {
    std::mt19937 z(7);
    const auto w = [&z](int a, int b) {
        return static_cast<double>(std::uniform_int_distribution<int>(a, b)(z));
    };
    for (int fall = 0; fall < 40; ++fall) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = w(0, 359);
        e.anz_Fensterneigung = fall % 4 == 0 ? w(75, 90) : 90;
        e.anz_Vordachbreite = w(100, 700);
        e.anz_Vordachlaenge = w(0, 300);
        e.anz_VordachHoehe = w(260, 350);
        e.anz_Abstand_Wand = w(0, 50);
        e.anz_Vordach_Neigung = w(0, 40);
        e.anz_VolantHoehe = w(0, 60);
        e.anz_Vordachzentrierung = w(-100, 100);
        e.anz_Fensterbreite = w(50, 500);
        e.anz_Fensterhoehe = w(50, 150);
        e.anz_FensterZentrierung = w(-100, 100);
        e.anz_terrassenbreite = w(100, 600);
        e.anz_terrassenlaenge = w(50, 300);
        e.anz_terrassenabstand = w(0, 50);
        e.CheckBox_MauerLinks = fall % 2 == 0;
        e.CheckBox_MauerRechts = fall % 3 != 0;
        e.anz_ml_AbstandFenstermitte = w(-50, 340);
        e.anz_mr_abstandFenstermitte = w(-50, 340);
        e.anz_ml_ausfall = w(30, 300);
        e.anz_mr_Ausfall = w(30, 300);
        e.anz_ml_hoehe = w(100, 350);
        e.anz_mr_bodenabstand = w(0, 100);
        e.anz_Breitengrad = w(35, 60);
        TSzene s = SzeneAusEingaben(e);
        const int tag = static_cast<int>(w(1, 365));
        for (int position = 36; position <= 120; position += 6) {
            Zeitpunkt_Simulieren(s, tag, position);
            if (s.IstNacht || s.IstSonneNichtSichtbar) {
                continue;
            }
            for (const double a : {s.Fenster.Verschattungsanteil, s.Terrasse.Verschattungsanteil}) {
                EXPECT_GE(a, 0.0);
                EXPECT_LE(a, 1.0);
            }
            const TPunkt sonne = SonneZu(s, tag, position);
            // Very flat sun: a centimetre of corner rounding is stretched over a long shadow.
            if (sonne.z < 0.1) {
                continue;
            }
            ASSERT_NEAR(s.Fenster.Verschattungsanteil,
                        testhilfen::GestrahlterAnteil(s, s.Fenster.Polygon, sonne, 120),
                        StrahlToleranz)
                << "scene " << fall << " day " << tag << " pos " << position;
            ASSERT_NEAR(s.Terrasse.Verschattungsanteil,
                        testhilfen::GestrahlterAnteil(s, s.Terrasse.Polygon, sonne, 120),
                        StrahlToleranz)
                << "scene " << fall << " day " << tag << " pos " << position;
        }
    }
}

// Tilted walls with every element switched on, against rays cast from the window and the
// terrace: the sum of the overlaps must come to the union of the shadows. Walls leaning back
// only: leaning forward, a fin's lower corners can reach below the ground, whose projection the
// rays rightly never meet.
TEST(Simulieren, GeneigteWaendeMitAllenElementenWieStrahlen) {
    std::mt19937 z(23);
    const auto w = [&z](int a, int b) {
        return static_cast<double>(std::uniform_int_distribution<int>(a, b)(z));
    };
    int gepruefte = 0;
    for (int fall = 0; fall < 60; ++fall) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = w(0, 359);
        e.anz_Fensterneigung = w(60, 89);
        e.anz_Vordachbreite = w(100, 700);
        e.anz_Vordachlaenge = w(50, 300);
        e.anz_VordachHoehe = w(250, 350);
        e.anz_Abstand_Wand = w(0, 120);
        e.anz_Vordach_Neigung = w(0, 45);
        e.anz_VolantHoehe = w(20, 180);
        e.anz_Vordachzentrierung = w(-150, 150);
        e.anz_Fensterbreite = w(40, 400);
        e.anz_Fensterhoehe = w(50, 150);
        e.anz_FensterZentrierung = w(-150, 150);
        e.anz_terrassenbreite = w(100, 500);
        e.anz_terrassenlaenge = w(50, 250);
        e.anz_terrassenabstand = w(0, 120);
        e.anz_terrassenzentrierung = w(-100, 100);
        e.CheckBox_MauerLinks = fall % 3 != 1;
        e.CheckBox_MauerRechts = fall % 3 != 2;
        e.anz_ml_AbstandFenstermitte = w(-50, 340);
        e.anz_mr_abstandFenstermitte = w(-50, 340);
        e.anz_ml_ausfall = w(30, 250);
        e.anz_mr_Ausfall = w(30, 250);
        e.anz_ml_wandabstand = w(0, 150);
        e.anz_mr_wandabstand = w(0, 150);
        e.anz_mr_bodenabstand = w(0, 100);
        e.anz_Breitengrad = w(-50, 60);
        TSzene s = SzeneAusEingaben(e);
        const int tag = static_cast<int>(w(1, 365));
        for (int position = 42; position <= 114; position += 8) {
            Zeitpunkt_Simulieren(s, tag, position);
            if (s.IstNacht || s.IstSonneNichtSichtbar) {
                continue;
            }
            const TPunkt sonne = SonneZu(s, tag, position);
            if (sonne.z < 0.15) {
                continue; // see above: rounding stretched over a long flat shadow
            }
            ++gepruefte;
            for (const double a : {s.Fenster.Verschattungsanteil, s.Terrasse.Verschattungsanteil}) {
                EXPECT_GE(a, 0.0);
                EXPECT_LE(a, 1.0);
            }
            ASSERT_NEAR(s.Fenster.Verschattungsanteil,
                        testhilfen::GestrahlterAnteil(s, s.Fenster.Polygon, sonne, 120),
                        StrahlToleranz)
                << "scene " << fall << " day " << tag << " pos " << position;
            ASSERT_NEAR(s.Terrasse.Verschattungsanteil,
                        testhilfen::GestrahlterAnteil(s, s.Terrasse.Polygon, sonne, 120),
                        StrahlToleranz)
                << "scene " << fall << " day " << tag << " pos " << position;
        }
    }
    EXPECT_GT(gepruefte, 100);
}

} // namespace
} // namespace umbrarix
