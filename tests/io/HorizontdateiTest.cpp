// Skylines read from PVGIS and from the program's own list, and the list written back.

#include "io/Horizontdatei.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace umbrarix {

void PrintTo(const THorizontpunkt& p, std::ostream* os) {
    *os << "(" << p.Azimut << "; " << p.Hoehe << ")";
}

namespace {

using TPunkte = std::vector<THorizontpunkt>;

std::string Verbunden(const std::vector<std::string>& zeilen, const std::string& ende) {
    std::string s;
    for (const std::string& z : zeilen) {
        s += z + ende;
    }
    return s;
}

// Rows of printhorizon: A (west positive), H_hor and the two solstice suns, two tabs apart.
const std::vector<std::string> PvgisZeilen = {"-180.0\t\t4.2\t\t-180.0\t\t0.0\t\t-180.0\t\t0.0",
                                              "-172.5\t\t3.8\t\t-168.1\t\t0.0\t\t-171.9\t\t0.0",
                                              "-90.0\t\t11.5\t\t-62.3\t\t0.0\t\t-110.4\t\t21.7",
                                              "0.0\t\t0.0\t\t0.0\t\t18.6\t\t0.0\t\t64.9",
                                              "90.0\t\t6.1\t\t62.3\t\t0.0\t\t110.4\t\t21.7",
                                              "172.5\t\t2.9\t\t168.1\t\t0.0\t\t171.9\t\t0.0",
                                              "180.0\t\t4.2\t\t180.0\t\t0.0\t\t180.0\t\t0.0"};

// The same points in the program's convention (A = -90 is east, 90 here), sorted.
const TPunkte PvgisPunkte = {{0, 0},     {90, 11.5},   {172.5, 3.8}, {180, 4.2},
                             {180, 4.2}, {187.5, 2.9}, {270, 6.1}};

std::string PvgisCsv(const std::string& ende, const std::string& breite) {
    std::vector<std::string> z{breite, "Longitude (deg.): 11.575", "",
                               "A\t\tH_hor\t\tA_sun(w)\t\tH_sun(w)\t\tA_sun(s)\t\tH_sun(s)"};
    z.insert(z.end(), PvgisZeilen.begin(), PvgisZeilen.end());
    for (const char* legende :
         {"", "A: Azimuth (0 = S, 90 = W, -90 = E) (degree)", "H_hor: Horizon height (degree)",
          "A_sun(w): Sun azimuth in the winter solstice (Dec 21) (0 = S, 90 = W, -90 = E) (degree)",
          "H_sun(w): Sun height in the winter solstice (Dec 21) (degree)",
          "A_sun(s): Sun azimuth in the summer solstice (June 21) (0 = S, 90 = W, -90 = E) "
          "(degree)",
          "H_sun(s): Sun height in the summer solstice (June 21) (degree)", "",
          "PVGIS (c) European Union, 2001-2024"}) {
        z.emplace_back(legende);
    }
    return Verbunden(z, ende);
}

const std::string PvgisJson =
    R"j({"inputs":{"location":{"latitude":48.137,"longitude":11.575,"elevation":519.0},)j"
    R"j("horizon_db":"DEM-calculated"},"outputs":{"horizon_profile":[{"A":-180.0,"H_hor":4.2},)j"
    R"j({"A":-172.5,"H_hor":3.8},{"A":-90.0,"H_hor":11.5},{"A":0.0,"H_hor":0.0},)j"
    R"j({"A":90.0,"H_hor":6.1},{"A":172.5,"H_hor":2.9},{"A":180.0,"H_hor":4.2}],)j"
    R"j("winter_solstice":[{"A_sun(w)":-180.0,"H_sun(w)":0.0}],)j"
    R"j("summer_solstice":[{"A_sun(s)":-180.0,"H_sun(s)":0.0}]},)j"
    R"j("meta":{"outputs":{"horizon_profile":{"type":"series","description":"Horizon profile",)j"
    R"j("variables":{"A":{"description":"Azimuth (0 = S, 90 = W, -90 = E)","units":"degree"},)j"
    R"j("H_hor":{"description":"Horizon height","units":"degree"}}}}}})j";

TEST(Horizontdatei, PvgisAlsCsvZeilenUndJson) {
    const std::string json = "\xEF\xBB\xBF{\r\n \"outputs\" : {\"horizon_profile\": [\r\n" +
                             PvgisJson.substr(PvgisJson.find("{\"A\":-180.0")) + "\r\n";
    for (const std::string& datei :
         {PvgisCsv("\r\n", "Latitude (deg.): 48.137"), PvgisCsv("\n", "Latitude (deg.): 48.137"),
          PvgisCsv("\r\n", "Latitude (decimal degrees):\t48.137"), Verbunden(PvgisZeilen, "\r\n"),
          PvgisJson, json}) {
        const THorizontGelesen g = HorizontLesen(datei);
        EXPECT_EQ(g.Fehler, "") << datei;
        ASSERT_TRUE(g.Umgebung) << datei;
        EXPECT_EQ(g.Umgebung->Punkte(), PvgisPunkte) << datei;
    }
}

std::string Punktzeilen(int n) {
    std::string s = "Azimut;Höhe\n";
    for (int i = 0; i < n; ++i) {
        s += "1;2\n";
    }
    return s;
}

TEST(Horizontdatei, EigeneListeMitTrennernDezimalzeichenUndKodierungen) {
    const TPunkte zwei = {{12.5, 3}, {90, 7.25}};
    const struct {
        std::string datei;
        TPunkte punkte;
    } faelle[] = {
        {"Azimut;Höhe\r\n12,5;3\r\n90;7,25\r\n", zwei},
        {"12.5;3\n90;7.25", zwei},
        {"Azimut,Höhe\n12.5,3\n90,7.25\n", zwei},
        {"\xEF\xBB\xBF"
         "Azimut;Höhe\n12,5;3\n90;7,25\n",
         zwei},
        {"Azimut;H\xF6he\r\n12,5;3\r\n90;7,25\r\n", zwei}, // Windows-1252
        {"\r\n  AZIMUT ; hoehe \r\n\r\n 12,5 ;\t3 \r\n\r\n90;7,25;;\r\n\r\n", zwei},
        {"12,5;3\r90;7,25\r", zwei},
        {"12,3\n", {{12, 3}}}, // with "," between the values, "," is no decimal mark
        {"-90;0\n360;1\n-360;2\n+1e2;3,5e1\n1e-999;4\n",
         {{0, 1}, {0, 2}, {0, 4}, {100, 35}, {270, 0}}},
        {Punktzeilen(3600), TPunkte(3600, {1, 2})},
    };
    for (const auto& f : faelle) {
        const THorizontGelesen g = HorizontLesen(f.datei);
        EXPECT_EQ(g.Fehler, "") << f.datei.substr(0, 60);
        ASSERT_TRUE(g.Umgebung) << f.datei.substr(0, 60);
        EXPECT_EQ(g.Umgebung->Punkte(), f.punkte) << f.datei.substr(0, 60);
    }
}

TEST(Horizontdatei, FehlerNennenDieZeileUndLiefernNichts) {
    const std::string kopf = "Azimut;Höhe\n1;2\n3;4\n\n5;6\n7;8\n";
    const std::string pvgis = PvgisCsv("\n", "Latitude (deg.): 48.137");
    const struct {
        std::string datei, meldung;
    } faelle[] = {
        {"", "Die Horizontdatei enthält keinen Punkt."},
        {" \r\n\t\r\n", "Die Horizontdatei enthält keinen Punkt."},
        {"Azimut;Höhe\r\n", "Die Horizontdatei enthält keinen Punkt."},
        {"Hallo Welt\n1;2\n", "Unbekanntes Format der Horizontdatei."},
        {std::string("\xFF\xFE"
                     "1\0;\0"
                     "2\0",
                     8),
         "Unbekanntes Format der Horizontdatei."}, // UTF-16
        {kopf + "abc\n", "Zeile 7: kein Punkt (Azimut; Höhe): abc"},
        {kopf + "12,5,3\n", "Zeile 7: kein Punkt (Azimut; Höhe): 12,5,3"},
        {kopf + "1;2;3\n", "Zeile 7: kein Punkt (Azimut; Höhe): 1;2;3"},
        {kopf + "nan;3\n", "Zeile 7: kein Punkt (Azimut; Höhe): nan;3"},
        {kopf + "inf;3\n", "Zeile 7: kein Punkt (Azimut; Höhe): inf;3"},
        {kopf + "1;2\x01x" + std::string(50, 'y'),
         "Zeile 7: kein Punkt (Azimut; Höhe): 1;2 x" + std::string(35, 'y') + "…"},
        {kopf + "10;95\n", "Zeile 7: Höhe 95 liegt außerhalb von 0 bis 90 Grad."},
        {kopf + "10;-0,5\n", "Zeile 7: Höhe -0,5 liegt außerhalb von 0 bis 90 Grad."},
        {kopf + "360,5;1\n", "Zeile 7: Azimut 360,5 liegt außerhalb von -360 bis 360 Grad."},
        {kopf + "-1e999;1\n", "Zeile 7: Azimut -1e999 liegt außerhalb von -360 bis 360 Grad."},
        {Punktzeilen(3601), "Zeile 3602: zu viele Punkte (höchstens 3600)."},
        {pvgis.substr(0, pvgis.find("\n-90.0")) + "\n-90.0\t\tx\n",
         "Zeile 7: kein Punkt (A, H_hor): -90.0  x"},
        {pvgis.substr(0, pvgis.find("\n-90.0")) + "\n-90.0\t\t91\n",
         "Zeile 7: Höhe 91 liegt außerhalb von 0 bis 90 Grad."},
        {pvgis.substr(0, pvgis.find("\n-180.0") + 1), "Die Horizontdatei enthält keinen Punkt."},
        {pvgis.substr(0, pvgis.find("\t\t11.5") + 3),
         "Die PVGIS-Datei endet nach Zeile 7 mitten in der Tabelle; sie ist unvollständig."},
        {PvgisZeilen[0] + "\n-90.0\t\t1", "Zeile 2: kein Punkt (A, H_hor): -90.0  1"},
        {"{", "Zeile 1: ungültiges oder unvollständiges JSON."},
        {PvgisJson + " x", "Zeile 1: ungültiges oder unvollständiges JSON."},
        {"{\"outputs\":\n{\"horizon_profile\":\n[{\"A\":1,\"H_hor\":2,}]}}",
         "Zeile 3: ungültiges oder unvollständiges JSON."},
        {R"({"outputs":{"winter_solstice":[]},"meta":{"outputs":{"horizon_profile":[]}}})",
         "Die JSON-Datei enthält kein Horizontprofil (outputs.horizon_profile)."},
        {R"({"outputs":{"horizon_profile":[]}})", "Die Horizontdatei enthält keinen Punkt."},
        {"{\"outputs\":{\"horizon_profile\":[\n{\"A\":1,\"H_hor\":2},\n{\"A\":1}]}}",
         "Zeile 3: kein Punkt (A, H_hor)."},
        {R"({"outputs":{"horizon_profile":[{"A":"1","H_hor":2}]}})",
         "Zeile 1: kein Punkt (A, H_hor)."},
        {R"({"outputs":{"horizon_profile":[{"A":1,"A":2,"H_hor":2}]}})",
         "Zeile 1: kein Punkt (A, H_hor)."},
        {R"({"outputs":{"horizon_profile":[7]}})", "Zeile 1: kein Punkt (A, H_hor)."},
        {"{\"outputs\":{\"horizon_profile\":[\n\n{\"A\":-400,\"H_hor\":2}]}}",
         "Zeile 3: Azimut -400 liegt außerhalb von -360 bis 360 Grad."},
        {R"({"outputs":{"horizon_profile":[{"A":1,"H_hor":2}],"horizon_profile":[]}})",
         "Zeile 1: outputs.horizon_profile steht mehrfach in der Datei."},
        {R"({"outputs":{"horizon_profile":[{"A":01,"H_hor":2}]}})",
         "Zeile 1: ungültiges oder unvollständiges JSON."},
        {std::string(100000, '['), "Zeile 1: JSON zu tief verschachtelt (mehr als 64 Ebenen)."},
    };
    for (const auto& f : faelle) {
        const THorizontGelesen g = HorizontLesen(f.datei);
        EXPECT_EQ(g.Fehler, f.meldung) << f.datei.substr(0, 80);
        EXPECT_FALSE(g.Umgebung) << f.datei.substr(0, 80);
    }
}

TEST(Horizontdatei, ExportLiestSichBitGenauZurueck) {
    EXPECT_EQ(HorizontSchreiben(TUmgebung({{-90, 12.5}, {0, -0.0}})),
              "Azimut;H\xF6he\r\n0;0\r\n270;12,5\r\n");
    const double werte[] = {0.1,  359.99, 1e-9,   89.999999,     0,      1.0 / 3, 2.0 / 3,
                            -0.1, 90,     5e-324, 359.999999999, 1e-300, 47.11};
    std::vector<THorizontpunkt> punkte;
    for (const double azimut : werte) {
        for (const double hoehe : werte) {
            if (hoehe >= 0 && hoehe <= 90) {
                punkte.push_back({azimut, hoehe});
            }
        }
    }
    const TUmgebung u(punkte);
    const std::string datei = HorizontSchreiben(u);
    EXPECT_EQ(datei.find_first_of("eE", datei.find('\n')), std::string::npos) << "fixed notation";
    const THorizontGelesen g = HorizontLesen(datei);
    EXPECT_EQ(g.Fehler, "");
    ASSERT_TRUE(g.Umgebung);
    EXPECT_EQ(g.Umgebung->Punkte(), u.Punkte());
}

TEST(Horizontdatei, BeliebigeBytesEndenMitPunktenOderEinerMeldung) {
    const auto pruefen = [](const std::string& datei) {
        const THorizontGelesen g = HorizontLesen(datei);
        ASSERT_NE(g.Umgebung.has_value(), !g.Fehler.empty()) << datei;
        for (const THorizontpunkt& p : g.Umgebung ? g.Umgebung->Punkte() : TPunkte{}) {
            ASSERT_TRUE(p.Azimut >= 0 && p.Azimut < 360 && p.Hoehe >= 0 && p.Hoehe <= 90);
        }
    };
    // A download cut short is refused, never read as a shorter skyline.
    for (std::size_t n = 0; n < PvgisJson.size(); ++n) {
        const THorizontGelesen g = HorizontLesen(PvgisJson.substr(0, n));
        ASSERT_FALSE(g.Umgebung) << n;
        ASSERT_NE(g.Fehler, "") << n;
    }
    const std::string csv = PvgisCsv("\r\n", "Latitude (deg.): 48.137");
    for (std::size_t n = 0; n < csv.size(); ++n) {
        const THorizontGelesen g = HorizontLesen(csv.substr(0, n));
        ASSERT_NE(g.Umgebung.has_value(), !g.Fehler.empty()) << n;
        ASSERT_TRUE(!g.Umgebung || g.Umgebung->Punkte() == PvgisPunkte) << "cut after row " << n;
    }
    std::mt19937 zufall(4711);
    const std::string zeichen = "{}[]\":,;.-+eE0123456789 \t\r\nAH_hor\xC3\xB6\xF6";
    for (int fall = 0; fall < 3000; ++fall) {
        std::string datei(zufall() % 200, '\0');
        for (char& c : datei) {
            c = fall % 2 ? static_cast<char>(zufall()) : zeichen[zufall() % zeichen.size()];
        }
        if (fall % 3 == 0) {
            datei = PvgisJson.substr(0, zufall() % PvgisJson.size()) + datei;
        }
        pruefen(datei);
    }
}

} // namespace
} // namespace umbrarix
