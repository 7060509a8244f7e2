#include "auswertung/Zeitraum.h"
#include "batch/Stapelauftrag.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

// The batch's --tag / --uhrzeit and the period reader share one date and one time parser but
// keep their own rules: --tag also takes day numbers and any number of digits, --uhrzeit any
// instant before 24:00 rounded down; the period reader wants the short form on the ten-minute
// grid, 24:00 as an end only. No result of the period reader changed with the shared parsers
// (none became accepted); an end time with a negative hour ("00:00--1:00") is now refused as
// not a time instead of as lying before the start.
TEST(Kalender, DatumUndUhrzeitJeLeser) {
    const std::optional<int> nein;
    const struct {
        const char* text;
        std::optional<int> tag, zeitraumTag;      // --tag, a period's first day
        std::optional<int> uhrzeit, beginn, ende; // --uhrzeit, a period's start and end step
    } faelle[] = {
        {"021.06.", 172, nein, nein, nein, nein}, {"172", 172, nein, nein, nein, nein},
        {"1.1", 1, 1, nein, nein, nein},          {"1.1.", 1, 1, nein, nein, nein},
        {"31.02.", nein, nein, nein, nein, nein}, {"24:00", nein, nein, nein, nein, 144},
        {"23:59", nein, nein, 143, nein, nein},   {"23:50", nein, nein, 143, 143, 143},
        {"12:5", nein, nein, 72, nein, nein},     {"12:0", nein, nein, 72, nein, nein},
        {"7:05", nein, nein, 42, nein, nein},     {"7:00", nein, nein, 42, 42, 42},
        {"-1:00", nein, nein, nein, nein, nein},  {"", nein, nein, nein, nein, nein},
    };
    for (const auto& f : faelle) {
        const std::string t = f.text;
        EXPECT_EQ(TagAusText(t), f.tag) << t;
        EXPECT_EQ(ZeitpositionAusText(t), f.uhrzeit) << t;
        TZeitraum z;
        EXPECT_EQ(TageLesen(t + "-31.12.", z) ? nein : z.VonTag, f.zeitraumTag) << t;
        EXPECT_EQ(UhrzeitenLesen(t + "-24:00", z) ? nein : z.VonSchritt, f.beginn) << t;
        EXPECT_EQ(UhrzeitenLesen("00:00-" + t, z) ? nein : z.BisSchritt, f.ende) << t;
    }
}

} // namespace
} // namespace umbrarix
