#include "io/Wetterdatei.h"

#include "hilfen/Wetterdateien.h"
#include "io/Lambertprojektion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

using namespace testhilfen;

// Radiation that tells every hour apart: day of the month, month and hour in the digits.
TTestwetter Kennung(int m, int d, int h) {
    return {static_cast<double>(m * 100 + h), static_cast<double>(d * 10 + (h % 10)),
            static_cast<double>(h)};
}

size_t Index(int tagImJahr, int stunde) {
    return static_cast<size_t>((tagImJahr - 1) * 24 + stunde - 1);
}

TEST(Wetterdatei, EpwJahrMitOrtUndZeitzone) {
    for (const char* ende : {"\r\n", "\n"}) {
        const TWetterLesen r = WetterdateiLesen(EpwDatei(Kennung, false,
                                                         "LOCATION,Muenchen,BY,DEU,Test,108660,"
                                                         "48.14,11.58,1.0,520.0",
                                                         ende));
        ASSERT_TRUE(r.Jahr) << r.Fehler;
        const TWetterjahr& w = *r.Jahr;
        EXPECT_EQ(w.Stunden.size(), 8760u);
        EXPECT_FALSE(w.DirektHorizontal);
        EXPECT_EQ(w.Zeitzone, 1);
        EXPECT_EQ(w.Ort->Breite, 48.14);
        EXPECT_EQ(w.Ort->Laenge, 11.58);
        // 21 June (day 172) hour 13: global 613, direct normal 213, diffuse 13.
        const TWetterstunde& s = w.Stunden[Index(172, 13)];
        EXPECT_EQ(s.Global, 613);
        EXPECT_EQ(s.Direkt, 213);
        EXPECT_EQ(s.Diffus, 13);
        EXPECT_EQ(w.Stunden[Index(365, 24)].Global, 1224);
    }
    // Southern and western places keep their signs; a time zone behind Greenwich.
    const TWetterLesen sued =
        WetterdateiLesen(EpwDatei(Kennung, false, "LOCATION,Lima,,PER,Test,0,-12.0,-77.1,-5,13"));
    ASSERT_TRUE(sued.Jahr) << sued.Fehler;
    EXPECT_EQ(sued.Jahr->Ort->Breite, -12.0);
    EXPECT_EQ(sued.Jahr->Ort->Laenge, -77.1);
    EXPECT_EQ(sued.Jahr->Zeitzone, -5);
}

TEST(Wetterdatei, SchaltjahrVerliertDen29Februar) {
    for (const auto& datei :
         {EpwDatei(Kennung, true), EpwDatei(Kennung, true, "LOCATION,X,,,,0,50,7,1,0", "\n")}) {
        const TWetterLesen r = WetterdateiLesen(datei);
        ASSERT_TRUE(r.Jahr) << r.Fehler;
        EXPECT_EQ(r.Jahr->Stunden[Index(59, 5)].Direkt, 285); // 28 February
        EXPECT_EQ(r.Jahr->Stunden[Index(60, 5)].Direkt, 15);  // 1 March
        EXPECT_EQ(r.Jahr->Stunden[Index(60, 5)].Global, 305);
    }
}

TEST(Wetterdatei, TestreferenzjahreBeiderAusgaben) {
    const TWetterLesen neu = WetterdateiLesen(Try2017Datei(Kennung));
    ASSERT_TRUE(neu.Jahr) << neu.Fehler;
    const TWetterLesen alt = WetterdateiLesen(Try2011Datei(Kennung));
    ASSERT_TRUE(alt.Jahr) << alt.Fehler;
    for (const TWetterjahr* w : {&*neu.Jahr, &*alt.Jahr}) {
        EXPECT_TRUE(w->DirektHorizontal);
        EXPECT_EQ(w->Zeitzone, 1);
        const TWetterstunde& s = w->Stunden[Index(172, 13)];
        EXPECT_EQ(s.Direkt, 213); // B
        EXPECT_EQ(s.Diffus, 13);  // D
        EXPECT_EQ(s.Global, 226); // B + D
    }
    // "Lage: 54°11'N ... 12°05'O" in Latin-1 bytes.
    EXPECT_NEAR(alt.Jahr->Ort->Breite, 54 + 11 / 60.0, 1e-12);
    EXPECT_NEAR(alt.Jahr->Ort->Laenge, 12 + 5 / 60.0, 1e-12);
    // The grid point of the 2017 edition back on the earth, and forward again.
    const TGitterpunkt p = LambertAusErdort({neu.Jahr->Ort->Breite, neu.Jahr->Ort->Laenge});
    EXPECT_NEAR(p.Rechtswert, 4012500, 1e-3);
    EXPECT_NEAR(p.Hochwert, 3010500, 1e-3);
}

TEST(Wetterdatei, LambertGitterDesWetterdienstes) {
    // A public test reference year of Aachen names both its place (50.76923° N, 6.09836° O)
    // and its grid cell (centre 3734500 / 2674500 of 1 km): the place lies in that cell.
    const TGitterpunkt p = LambertAusErdort({50.76922839713459, 6.0983619036603});
    EXPECT_NEAR(p.Rechtswert, 3734500, 500);
    EXPECT_NEAR(p.Hochwert, 2674500, 500);
    // The projection's origin maps to the false easting and northing.
    const TGitterpunkt null = LambertAusErdort({52, 10});
    EXPECT_NEAR(null.Rechtswert, 4000000, 1e-6);
    EXPECT_NEAR(null.Hochwert, 2800000, 1e-6);
    for (const TErdort o : {TErdort{47.3, 5.9}, TErdort{55.05, 15.0}, TErdort{50.94, 6.96}}) {
        const TErdort zurueck = ErdortAusLambert(LambertAusErdort(o));
        EXPECT_NEAR(zurueck.Breite, o.Breite, 1e-9);
        EXPECT_NEAR(zurueck.Laenge, o.Laenge, 1e-9);
    }
}

TEST(Wetterdatei, FehlerNennenDieZeile) {
    const auto mit = [](int zm, int zd, int zh, double direkt) {
        return [=](int m, int d, int h) {
            TTestwetter w = Kennung(m, d, h);
            if (m == zm && d == zd && h == zh) {
                w.Direkt = direkt;
            }
            return w;
        };
    };
    std::string ohneSpalten = EpwDatei(Kennung);
    const size_t zeile = ohneSpalten.find("2005,1,1,3,");
    ohneSpalten.replace(zeile, ohneSpalten.find("\r\n", zeile) - zeile, "2005,1,1,3,60,x,1,2");
    std::string vertauscht = Try2017Datei(Kennung);
    vertauscht.replace(vertauscht.find(" 1 1 2 "), 7, " 1 1 3 ");
    std::string kurz = EpwDatei(Kennung);
    kurz.erase(kurz.find("2005,12,31,"));
    struct {
        std::string Datei;
        std::string Meldung;
    } faelle[] = {
        {EpwDatei(mit(1, 1, 12, -3)),
         "Wetterdatei, Zeile 20: die Direktnormalstrahlung ist negativ: -3"},
        {EpwDatei(mit(3, 2, 1, 9999)),
         "Wetterdatei, Zeile 1449: die Direktnormalstrahlung liegt über 1500 W/m²: 9999"},
        {Try2017Datei(mit(1, 1, 1, 1500.5)),
         "Wetterdatei, Zeile 18: die Direktstrahlung B liegt über 1500 W/m²: 1500.5"},
        {ohneSpalten, "Wetterdatei, Zeile 11: es fehlen Spalten (8 statt 35)."},
        {vertauscht, "Wetterdatei, Zeile 19: erwartet ist der 01.01. Stunde 2, die Zeile nennt "
                     "01.01. Stunde 3."},
        {kurz, "Die Wetterdatei enthält 8736 Stunden; ein Wetterjahr hat 8760 Stunden (8784 in "
               "einem Schaltjahr)."},
        {"LOCATION,Nirgendwo\r\n", "Die EPW-Datei enthält keine Stunden."},
        {EpwDatei(Kennung).replace(EpwDatei(Kennung).find("2005,1,1,1,"), 11, "2005,1,1,1e300,"),
         "Wetterdatei, Zeile 9: die Stunde ist keine ganze Zahl: 1e300"},
        {EpwDatei(Kennung, false, "LOCATION,X,,,,0,Nord,7,1,0"),
         "Wetterdatei, Zeile 1: die Zeile LOCATION nennt keine Breite, Länge und Zeitzone."},
        {"Datum;Wert\n1;2\n", "Die Datei ist weder eine EPW-Wetterdatei noch ein "
                              "Testreferenzjahr des Deutschen Wetterdienstes."},
        {"", "Die Datei ist weder eine EPW-Wetterdatei noch ein Testreferenzjahr des Deutschen "
             "Wetterdienstes."},
    };
    for (const auto& f : faelle) {
        const TWetterLesen r = WetterdateiLesen(f.Datei);
        EXPECT_FALSE(r.Jahr);
        EXPECT_EQ(r.Fehler, f.Meldung);
    }
    const TWetterLesen fehlt = WetterdateiLaden("/gibt/es/nicht.epw");
    EXPECT_FALSE(fehlt.Jahr);
    EXPECT_FALSE(fehlt.Fehler.empty());
}

} // namespace
} // namespace umbrarix
