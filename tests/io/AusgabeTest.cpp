#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Velumora.h"
#include "io/Verschattungstabelle.h"
#include "io/Zahlformat.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

#include <cmath>

#include <set>

namespace umbrarix {
namespace {

TProjektdaten Startprojekt() {
    TProjektdaten p = Vorgabeprojekt();
    p.Felder["anz_Durchgangshoehe"] = "234";
    return p;
}

std::vector<std::string> TabellenZeilen(const std::string& bytes) {
    return Zeilen(AusCp1252(bytes));
}

std::string B(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(Zahlformat, FestkommaOhneMinusNull) {
    const struct {
        double wert;
        int stellen, breite;
        const char* text;
    } faelle[] = {{0, 2, 4, "0.00"},
                  {-0.0, 2, 4, "0.00"},
                  {-0.001, 2, 0, "0.00"},
                  {-200, 2, 4, "-200.00"},
                  {1, 2, 23, "                   1.00"},
                  {-1, 2, 6, " -1.00"},
                  {7.5, 2, 4, "7.50"},
                  {0.125, 2, 0, "0.12"},
                  {0.135, 2, 0, "0.14"},
                  {std::nan(""), 2, 4, "0.00"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(Festkomma(f.wert, f.stellen, f.breite), f.text) << f.wert;
    }
    // The largest values are written in full, not cut off.
    const std::string gross = Festkomma(1e300, 2);
    EXPECT_EQ(gross.size(), 304u);
    EXPECT_EQ(gross.substr(0, 1), "1");
    EXPECT_EQ(gross.substr(gross.size() - 3), ".00");
    EXPECT_EQ(Rechtsbuendig("1", 4), "   1");
    EXPECT_EQ(Rechtsbuendig("-300", 4), "-300");
    EXPECT_EQ(Rechtsbuendig("ä", 3), "  ä");
}

TEST(Verschattungstabelle, KopfUndStundenwerteEinesTages) {
    TProjektdaten p = Startprojekt();
    p.Beschreibung = {"Haus Sonnenweg", "Südfassade", "Angebot 7"};
    const TSzene s = SzeneAusEingaben({});
    const std::vector<std::string> z =
        TabellenZeilen(Verschattungstabelle(p, s, TTabellenart::Tag, false, 172, 72));
    const std::vector<std::string> kopf = {
        "Verschattungssimulation:",
        "========================",
        "(Version 2005 / 02)",
        "",
        "Projektbeschreibung:",
        "--------------------",
        "Haus Sonnenweg",
        "Südfassade",
        "Angebot 7",
        "",
        "Standort:",
        "---------",
        "Ort:" + B(28) + "Köln",
        "Breitengrad:" + B(20) + "50.5 ° (Nordhalbkugel positiv)",
        "Längengrad:" + B(21) + "-7.0 ° (Westlich von 0° positiv)",
        "Zeitzone:" + B(23) + "   1",
        "Himmelsrichtung:" + B(16) + "   0 ° (S = 0°; N = 180°; O = 90°; W = 270°)",
        "Sommerzeit:" + B(21) + "31. März bis 30. Oktober",
        "",
        "Fenster:",
        "--------",
        "Höhe:" + B(27) + " 150 cm",
        "Breite:" + B(25) + " 400 cm",
        "Brüstung:" + B(23) + " 100 cm",
        "Neigung:" + B(24) + "  90 °",
        "Abweichung von der Mitte:" + B(7) + "   0 cm",
        ""};
    ASSERT_GT(z.size(), kopf.size());
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        EXPECT_EQ(z[i], kopf[i]) << i;
    }
    // After the last section (the overhang's) one more empty line, the legend, the table.
    const auto legende = std::find(z.begin(), z.end(), "Verschattungswerte:");
    ASSERT_NE(legende, z.end());
    EXPECT_EQ(*(legende - 1), "");
    EXPECT_EQ(*(legende - 2), "");
    EXPECT_EQ(*(legende - 3), "Abweichung von der Mitte:" + B(7) + "   0 cm");
    const std::vector<std::string> rest(legende, z.end());
    ASSERT_EQ(rest.size(), 5u + 4 + 24);
    EXPECT_EQ(rest[1], "-------------------");
    EXPECT_EQ(rest[2], "-1.00 = Nacht");
    EXPECT_EQ(rest[3], "-2.00 = Sonne nicht sichtbar");
    EXPECT_EQ(rest[4], "");
    EXPECT_EQ(rest[5], "Simulierter Tag: 172 (21. Juni)");
    EXPECT_EQ(rest[6], "");
    EXPECT_EQ(rest[7], "");
    EXPECT_EQ(rest[8], "Stunde   Verschattung Fenster");
    EXPECT_EQ(rest[9], "     0                  -1.00"); // night, 29 characters
    EXPECT_EQ(rest[9 + 12], "    12                   1.00") << "noon: fully shaded";
    for (std::size_t i = 9; i < rest.size(); ++i) {
        EXPECT_EQ(rest[i].size(), 29u) << i;
    }
    EXPECT_EQ(z.back(), rest.back());
    const std::string bytes = Verschattungstabelle(p, s, TTabellenart::Tag, false, 172, 72);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("farbe"), std::string::npos) << "no colour lines";
}

// The instants are computed on several threads; the file is the one a single thread writes.
TEST(Verschattungstabelle, GleicheBytesAufEinemUndAufMehrerenFaeden) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_ml_AbstandFenstermitte = e.anz_mr_abstandFenstermitte = 220;
    e.anz_Fensterneigung = 80;
    e.anz_Himmelsrichtung = 60;
    const TSzene s = SzeneAusEingaben(e);
    TProjektdaten p = Startprojekt();
    p.MauerLinks = p.MauerRechts = true;
    for (const TTabellenart art : {TTabellenart::Tag, TTabellenart::Jahr, TTabellenart::Uhrzeit}) {
        for (const bool terrasse : {false, true}) {
            const std::string eins = Verschattungstabelle(p, s, art, terrasse, 100, 57, {}, 1);
            for (const int faeden : {2, 3}) {
                EXPECT_EQ(Verschattungstabelle(p, s, art, terrasse, 100, 57, {}, faeden), eins)
                    << static_cast<int>(art) << " " << terrasse << " " << faeden;
            }
        }
    }
}

TEST(Verschattungstabelle, JahrStuendlichUndFesteUhrzeit) {
    TEingabedaten e;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = false;
    e.anz_VolantHoehe = 0;
    TProjektdaten p = Startprojekt();
    p.Ueberhang = false;
    const TSzene s = SzeneAusEingaben(e);
    int meldungen = 0, letzte = -1;
    const std::vector<std::string> z = TabellenZeilen(
        Verschattungstabelle(p, s, TTabellenart::Jahr, true, 172, 72, [&](int prozent) {
            ++meldungen;
            EXPECT_GE(prozent, letzte);
            letzte = prozent;
        }));
    // After every row, and a few times more while the instants are computed.
    EXPECT_GE(meldungen, 8760);
    EXPECT_EQ(letzte, 100);
    const auto kopf = std::find(z.begin(), z.end(), "Tag   Monat   Stunde   Verschattung Terrasse");
    ASSERT_NE(kopf, z.end());
    EXPECT_EQ(*(kopf - 1), "");
    const std::vector<std::string> zeilen(kopf + 1, z.end());
    ASSERT_EQ(zeilen.size(), 8760u);
    EXPECT_EQ(zeilen.front().substr(0, 20), "  1       1        0");
    EXPECT_EQ(zeilen.back().substr(0, 20), " 31      12       23");
    EXPECT_EQ(zeilen[59 * 24].substr(0, 20), "  1       3        0") << "day 60 is 1 March";
    std::set<std::string> werte;
    for (const std::string& r : zeilen) {
        ASSERT_EQ(r.size(), 44u);
        werte.insert(r.substr(r.size() - 5));
    }
    // Nothing switched on: only no shade, night, or the sun behind the facade.
    EXPECT_EQ(werte, (std::set<std::string>{" 0.00", "-1.00", "-2.00"}));
    EXPECT_EQ(std::find(z.begin(), z.end(), "Überhang / Markise:"), z.end());

    const std::vector<std::string> fest =
        TabellenZeilen(Verschattungstabelle(p, s, TTabellenart::Uhrzeit, false, 172, 75));
    const auto uhr = std::find(fest.begin(), fest.end(), "Uhrzeit der Simulationen: 12:30 Uhr");
    ASSERT_NE(uhr, fest.end());
    EXPECT_EQ(*(uhr + 3), "Tag   Monat   Verschattung Fenster");
    const std::vector<std::string> tage(uhr + 4, fest.end());
    ASSERT_EQ(tage.size(), 365u);
    EXPECT_EQ(tage[59], "  1       3                   0.00");
    for (const std::string& r : tage) {
        EXPECT_EQ(r.size(), 34u);
    }
}

TEST(Velumora, VorgabeszeneFensterAlsZiel) {
    const std::vector<std::string> z =
        Zeilen(AusCp1252(VelumoraDatei(SzeneAusEingaben({}), false)));
    const std::vector<std::string> anfang = {"*VELUMORA-Datendatei",
                                             "*-------------------",
                                             "*Erstellt mit:",
                                             "*Umbrarix",
                                             "4",
                                             "Fenster",
                                             "Target",
                                             "4",
                                             "# -200.00 0.0 100.00",
                                             "# 200.00 0.0 100.00",
                                             "# 200.00 0.0 250.00",
                                             "# -200.00 0.0 250.00",
                                             "# 180 0 0 0 0",
                                             "-200.00 0.00 100.00",
                                             "200.00 0.00 100.00",
                                             "200.00 0.00 250.00",
                                             "-200.00 0.00 250.00",
                                             "Boden",
                                             "4",
                                             "# 0.0 0.0 0.0",
                                             "# 0.0 0.0 0.0",
                                             "# 0.0 0.0 0.0",
                                             "# 0.0 0.0 0.0",
                                             "# 0.0 0.0 0.0 0.0 0.0",
                                             "-350.00 0.00 0.00",
                                             "350.00 0.00 0.00",
                                             "350.00 -350.00 0.00",
                                             "-350.00 -350.00 0.00",
                                             "Ueberhang / Markise",
                                             "4"};
    ASSERT_GE(z.size(), anfang.size());
    for (std::size_t i = 0; i < anfang.size(); ++i) {
        EXPECT_EQ(z[i], anfang[i]) << i;
    }
    // Overhang front left at (148, -300, 254): X = -300, Y = -148.
    EXPECT_EQ(z[anfang.size() + 5], "-300.00 -148.00 254.00");
    EXPECT_NE(std::find(z.begin(), z.end(), "Volant"), z.end());
    EXPECT_EQ(z.size(), 5u + 12 + 11 + 11 + 11);
}

TEST(Velumora, AusrichtungBreiteUndTerrasse) {
    const struct {
        double h;
        const char* zeile;
    } richtungen[] = {{0, "# 180 0 0 0 0"},
                      {90, "# 90 0 0 0 0"},
                      {180, "# 0 0 0 0 0"},
                      {270, "# 270 0 0 0 0"},
                      {360, "# 180 0 0 0 0"}};
    for (const auto& r : richtungen) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = r.h;
        EXPECT_EQ(Zeilen(AusCp1252(VelumoraDatei(SzeneAusEingaben(e), false)))[12], r.zeile) << r.h;
    }
    TEingabedaten schmal;
    schmal.anz_Fensterbreite = 15;
    schmal.anz_Fensterneigung = 80;
    schmal.CheckBox_Ueberhang = schmal.CheckBox_Volant = false;
    schmal.anz_VolantHoehe = 0;
    TSzene s = SzeneAusEingaben(schmal);
    s.Eingaben.CheckBox_Volant = false;
    const std::vector<std::string> z = Zeilen(AusCp1252(VelumoraDatei(s, false)));
    EXPECT_EQ(z[4], "2");
    EXPECT_EQ(z[8], "# -7.50 0.0 100.00");
    EXPECT_EQ(z[9], "# 7.50 0.0 100.00");
    EXPECT_EQ(z[12], "# 180 10 0 0 0");
    EXPECT_EQ(z[13].substr(0, 6), "-8.00 ") << "the outline keeps its rounded corners";
    EXPECT_EQ(z.size(), 5u + 12 + 11);

    const std::vector<std::string> t = Zeilen(AusCp1252(VelumoraDatei(SzeneAusEingaben({}), true)));
    EXPECT_EQ(t[5], "Terrasse");
    for (int i = 8; i <= 11; ++i) {
        EXPECT_EQ(t[static_cast<std::size_t>(i)], "# 0.0 0.0 0.0");
    }
    EXPECT_EQ(t[12], "# 0.0 0.0 0.0 0.0 0.0");
    EXPECT_EQ(t[13], "-200.00 0.00 0.00"); // near left, on the ground
    EXPECT_EQ(t[15], "200.00 -200.00 0.00");
    EXPECT_EQ(t[17], "Wand");
}

} // namespace
} // namespace umbrarix
