#include "solar/Standortkatalog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace umbrarix {
namespace {

TEST(Standortkatalog, EintraegeUndReihenfolge) {
    const auto k = Standortkatalog();
    ASSERT_EQ(k.size(), 61u);
    EXPECT_EQ(k[0].Name, "Amsterdam");
    EXPECT_EQ(k[1].Name, "Athen"); // the pick list tells cities from orientations by this
    EXPECT_EQ(k[26].Name, "Köln");
    EXPECT_EQ(k[60].Name, "Zagreb");
    EXPECT_EQ(k[9].Laengengrad, " 0.4");
    std::set<std::tuple<std::string_view, std::string_view, std::string_view>> werte;
    for (const TStandort& s : k) {
        EXPECT_TRUE(werte.insert({s.Breitengrad, s.Laengengrad, s.Zeitzone}).second) << s.Name;
    }
}

TEST(Standortkatalog, BerichtigteZeitzonen) {
    const struct {
        std::string_view name, zone;
    } faelle[] = {{"Kopenhagen", "1"}, {"Riga", "2"},  {"Tallin", "2"}, {"Wilna", "2"},
                  {"Kiew", "2"},       {"Minsk", "3"}, {"Moskau", "3"}, {"Dublin", "0"}};
    for (const auto& f : faelle) {
        bool gefunden = false;
        for (const TStandort& s : Standortkatalog()) {
            if (s.Name == f.name) {
                EXPECT_EQ(s.Zeitzone, f.zone) << f.name;
                gefunden = true;
            }
        }
        EXPECT_TRUE(gefunden) << f.name;
    }
}

TEST(Standortkatalog, NamensabgleichNachText) {
    const struct {
        std::string_view b, l, z, name;
    } faelle[] = {
        {"50.5", "-7.0", "1", "Köln"},
        {"50.50", "-7.0", "1", "-Sonstiger Standort-"},
        {"50.5", "-7", "1", "-Sonstiger Standort-"},
        {"44.5", " 0.4", "1", "Bordaux"},
        {"44.5", "0.4", "1", "-Sonstiger Standort-"},
        {"52.4", "-4.5", "1", "Amsterdam"},
        {"90", "-7.0", "1", "-Sonstiger Standort-"},
        {"51.4", "0.0", "0", "London"},
        {"", "", "", "-Sonstiger Standort-"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Standortname(f.b, f.l, f.z), f.name) << f.b << "|" << f.l << "|" << f.z;
    }
    for (const TStandort& s : Standortkatalog()) {
        EXPECT_EQ(Standortname(s.Breitengrad, s.Laengengrad, s.Zeitzone), s.Name);
    }
}

} // namespace
} // namespace umbrarix
