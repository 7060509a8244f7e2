#include "model/Kalender.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Kalender, TagImJahrZuDatum) {
    const struct {
        int n, tag, monat;
    } faelle[] = {{1, 1, 1},     {31, 31, 1},   {32, 1, 2},    {59, 28, 2},  {60, 1, 3},
                  {90, 31, 3},   {91, 1, 4},    {172, 21, 6},  {181, 30, 6}, {182, 1, 7},
                  {303, 30, 10}, {304, 31, 10}, {334, 30, 11}, {335, 1, 12}, {365, 31, 12}};
    for (const auto& f : faelle) {
        const TDatum d = TagImJahrZuDatum(f.n);
        EXPECT_EQ(d.Tag, f.tag) << f.n;
        EXPECT_EQ(d.Monat, f.monat) << f.n;
    }
}

TEST(Kalender, Beschriftungen) {
    EXPECT_EQ(DatumText(172), "Datum: 21. Juni");
    EXPECT_EQ(DatumText(59), "Datum: 28. Februar");
    EXPECT_EQ(DatumText(60), "Datum: 1. März");
    EXPECT_EQ(DatumText(365), "Datum: 31. Dezember");
    EXPECT_EQ(UhrzeitText(0), "Uhrzeit: 00:00 Uhr");
    EXPECT_EQ(UhrzeitText(75), "Uhrzeit: 12:30 Uhr");
    EXPECT_EQ(UhrzeitText(143), "Uhrzeit: 23:50 Uhr");
    EXPECT_EQ(UhrzeitText(61), "Uhrzeit: 10:10 Uhr");
    EXPECT_EQ(Monatsname(3), "März");
}

} // namespace
} // namespace umbrarix
