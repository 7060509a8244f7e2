#include "model/Zahltext.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Zahltext, Lesen) {
    const struct {
        const char* text;
        std::optional<double> wert;
    } faelle[] = {
        {"50.5", 50.5},
        {"-7.0", -7.0},
        {"1", 1.0},
        {"-7.5", -7.5},
        {"0", 0.0},
        {"95.5", 95.5},
        {"1e2", 100.0},
        {"12.", 12.0},
        {".5", 0.5},
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1,5", std::nullopt},
        {" 0.4", 0.4},
        {"1 2", std::nullopt},
        {"  ", std::nullopt},
        {"+3", std::nullopt},
        {"12a", std::nullopt},
        {"1e999", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(TextZuZahl(f.text), f.wert) << "'" << f.text << "'";
    }
}

TEST(Zahltext, Ganzzahl) {
    EXPECT_EQ(GanzzahlText(150), "150");
    EXPECT_EQ(GanzzahlText(-300), "-300");
    EXPECT_EQ(GanzzahlText(-0.0), "0");
    EXPECT_EQ(GanzzahlText(-0.4), "0");
    EXPECT_EQ(GanzzahlText(359.6), "360");
    EXPECT_EQ(GanzzahlText(12.5), "12");
}

} // namespace
} // namespace umbrarix
