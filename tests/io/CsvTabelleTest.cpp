// The shading tables as spreadsheet files.

#include "io/CsvTabelle.h"

#include "io/Dateizugriff.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace umbrarix {
namespace {

constexpr const char* Bom = "\xEF\xBB\xBF";

// The file without its byte-order mark, split at CR LF (every line must end with one).
std::vector<std::string> CsvZeilen(const std::string& bytes) {
    EXPECT_EQ(bytes.substr(0, 3), Bom);
    std::vector<std::string> z;
    std::size_t anfang = 3;
    for (std::size_t ende; (ende = bytes.find("\r\n", anfang)) != std::string::npos;
         anfang = ende + 2) {
        z.push_back(bytes.substr(anfang, ende - anfang));
    }
    EXPECT_EQ(anfang, bytes.size()) << "last line ends with CR LF";
    return z;
}

TProjektdaten Projekt() {
    TProjektdaten p = Vorgabeprojekt();
    // A description line that looks like a table row must not slip into the rows.
    p.Beschreibung = {"Stunde   Verschattung Fenster", "     1   0.50"};
    return p;
}

TEST(CsvTabelle, StundenwerteEinesTages) {
    const TSzene s = SzeneAusEingaben({});
    const std::string text = Verschattungstabelle(Projekt(), s, TTabellenart::Tag, false, 172, 72);
    const std::vector<std::string> z = CsvZeilen(CsvTabelle(text, TTabellenart::Tag, false));
    ASSERT_EQ(z.size(), 25u);
    EXPECT_EQ(z[0], "Stunde;Verschattung Fenster");
    EXPECT_EQ(z[1], "0;-1,00");  // night
    EXPECT_EQ(z[13], "12;1,00"); // noon on 21 June: fully shaded by the default awning
    EXPECT_EQ(z[24].substr(0, 3), "23;");
    for (std::size_t i = 1; i < z.size(); ++i) {
        EXPECT_EQ(z[i].find('.'), std::string::npos) << z[i];
        EXPECT_EQ(std::count(z[i].begin(), z[i].end(), ';'), 1) << z[i];
    }
}

TEST(CsvTabelle, JahrUndFesteUhrzeitWieDieTextzeilen) {
    const TSzene s = SzeneAusEingaben({});
    const struct {
        TTabellenart art;
        bool terrasse;
        std::size_t zeilen;
        const char* kopf;
        std::size_t tag60; // index of the first row of 1 March
        const char* tag60anfang;
    } faelle[] = {
        {TTabellenart::Jahr, true, 8760, "Tag;Monat;Stunde;Verschattung Terrasse", 59 * 24 + 1,
         "1;3;0;-1,00"},
        {TTabellenart::Uhrzeit, false, 365, "Tag;Monat;Verschattung Fenster", 60, "1;3;"},
    };
    for (const auto& f : faelle) {
        const std::string text = Verschattungstabelle(Projekt(), s, f.art, f.terrasse, 172, 75);
        const std::vector<std::string> z = CsvZeilen(CsvTabelle(text, f.art, f.terrasse));
        ASSERT_EQ(z.size(), f.zeilen + 1);
        EXPECT_EQ(z[0], f.kopf);
        EXPECT_EQ(z[f.tag60].rfind(f.tag60anfang, 0), 0u) << z[f.tag60];
        // Every value is the text table's value with a decimal comma.
        const std::vector<std::string> t = Zeilen(text);
        for (std::size_t i = 1; i < z.size(); ++i) {
            const std::string& textzeile = t[t.size() - f.zeilen + i - 1];
            std::string wert = textzeile.substr(textzeile.find_last_of(' ') + 1);
            wert[wert.find('.')] = ',';
            ASSERT_EQ(z[i].substr(z[i].rfind(';') + 1), wert) << i;
        }
    }
}

TEST(CsvTabelle, DateinameMitCsvEndung) {
    const struct {
        const char* name;
        bool csv;
    } faelle[] = {
        {"jahr.csv", true}, {"/tmp/JAHR.CSV", true}, {"jahr.Csv", true},      {"jahr.dat", false},
        {"csv", false},     {".csv", true},          {"jahr.csv.dat", false}, {"", false}};
    for (const auto& f : faelle) {
        EXPECT_EQ(IstCsvName(f.name), f.csv) << f.name;
    }
}

} // namespace
} // namespace umbrarix
