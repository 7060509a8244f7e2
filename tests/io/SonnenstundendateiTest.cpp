#include "io/Sonnenstundendatei.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Projektuebernahme.h"
#include "io/Verschattungstabelle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace umbrarix {
namespace {

// The file: the tables' scene header without the legend, the monthly table with every value's
// last digit under its heading's last letter, then the period and the two Beschattungsgrade.
TEST(Sonnenstundendatei, AufbauUndSpalten) {
    TSonnenstundenUebersicht u;
    for (size_t m = 0; m < 12; ++m) {
        u.Monate[m] = {0.25 * static_cast<double>(m), 10.5, 1.0 / 3, 12};
    }
    u.Jahr = {3.456, 9.999, 0, 11.125};
    const TProjektdaten p = Startprojekt();
    const std::string bytes =
        Sonnenstundendatei(p, u, TZeitraum{}, TBeschattungsgrad{0.81234, std::nullopt});
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_NE(bytes.find("M\xE4r  "), std::string::npos) << "Windows-1252, one byte for ä";

    const std::vector<std::string> z = Zeilen(AusCp1252(bytes));
    std::vector<std::string> kopf = Tabellenkopf(p);
    kopf.resize(kopf.size() - 5);
    ASSERT_GT(z.size(), kopf.size());
    EXPECT_TRUE(std::equal(kopf.begin(), kopf.end(), z.begin()));
    EXPECT_EQ(kopf.back(), "");
    EXPECT_EQ(kopf[kopf.size() - 2], "") << "two empty lines close the header";

    const std::vector<std::string> rest(z.begin() + static_cast<long>(kopf.size()), z.end());
    const std::vector<std::string> erwartet{
        "Direkte Sonne in Stunden pro Tag (Mittelwerte):",
        "-----------------------------------------------",
        "",
        "Monat   Fenster mit   Fenster ohne   Terrasse mit   Terrasse ohne",
        "Jan            0.00          10.50           0.33           12.00",
        "Feb            0.25          10.50           0.33           12.00",
        "Mär            0.50          10.50           0.33           12.00",
        "Apr            0.75          10.50           0.33           12.00",
        "Mai            1.00          10.50           0.33           12.00",
        "Jun            1.25          10.50           0.33           12.00",
        "Jul            1.50          10.50           0.33           12.00",
        "Aug            1.75          10.50           0.33           12.00",
        "Sep            2.00          10.50           0.33           12.00",
        "Okt            2.25          10.50           0.33           12.00",
        "Nov            2.50          10.50           0.33           12.00",
        "Dez            2.75          10.50           0.33           12.00",
        "Jahr           3.46          10.00           0.00           11.12",
        "",
        "Zeitraum: 01.06. bis 31.08., 12:00 bis 16:00 Uhr",
        "Beschattungsgrad Fenster: 81.2 %",
        "Beschattungsgrad Terrasse: keine direkte Sonne im Zeitraum",
    };
    EXPECT_EQ(rest, erwartet);

    const std::string csv = SonnenstundenCsv(u);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> c = Zeilen(csv.substr(3));
    ASSERT_EQ(c.size(), 14u);
    EXPECT_EQ(c[0], "Monat;Fenster mit;Fenster ohne;Terrasse mit;Terrasse ohne");
    EXPECT_EQ(c[3], "Mär;0,50;10,50;0,33;12,00");
    EXPECT_EQ(c[13], "Jahr;3,46;10,00;0,00;11,12");
    EXPECT_NE(csv.find("12,00\r\n"), std::string::npos);
}

} // namespace
} // namespace umbrarix
