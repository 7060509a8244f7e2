// The skyline over the azimuth: linear between points, wrapping through 360 degrees.

#include "model/Umgebung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

TEST(Umgebung, HoeheZwischenDenPunkten) {
    const TUmgebung offen;
    const TUmgebung konstant({{123, 7.5}});
    // Given unsorted and with an azimuth beyond 360 and below 0.
    const TUmgebung rampe({{270, 0}, {450, 30}});                                // east 30, west 0
    const TUmgebung haus({{100, 0}, {110, 25}, {130, 25}, {140, 0}, {-20, 10}}); // -20 = 340
    const struct {
        const TUmgebung* umgebung;
        double azimut, hoehe;
    } faelle[] = {
        {&offen, 0, 0},
        {&offen, 200, 0},
        {&konstant, 0, 7.5},
        {&konstant, -400, 7.5},
        {&rampe, 90, 30},
        {&rampe, 270, 0},
        {&rampe, 180, 15}, // through north
        {&rampe, 0, 15},
        {&rampe, 360, 15},
        {&rampe, 45, 22.5}, // through south
        {&rampe, -45, 7.5},
        {&rampe, 135, 22.5},
        {&haus, 105, 12.5},
        {&haus, 120, 25},
        {&haus, 140, 0},
        {&haus, 240, 5},
        {&haus, 340, 10},
        {&haus, 20, 10 - 10.0 / 3}, // 340 -> 100 wraps
        {&haus, 99.999999, 1e-5 / 120},
    };
    for (const auto& f : faelle) {
        EXPECT_NEAR(f.umgebung->HoeheBei(f.azimut), f.hoehe, 1e-9) << f.azimut;
    }
    EXPECT_EQ(rampe.Punkte().front(), (THorizontpunkt{90, 30}));
    EXPECT_EQ(haus.Punkte().front().Azimut, 100);
    EXPECT_EQ(haus.Punkte().back().Azimut, 340);
}

// The sun's azimuth counts from south towards east (x south, y east); it is hidden at or
// below the skyline.
TEST(Umgebung, SonneHinterDerUmgebung) {
    const double s = std::sqrt(0.5);
    const struct {
        TPunkt sonne;
        double azimut, hoehe;
    } richtungen[] = {
        {{1, 0, 0}, 0, 0},    {{0, 1, 0}, 90, 0}, {{-1, 0, 0}, 180, 0},
        {{0, -1, 0}, 270, 0}, {{s, 0, s}, 0, 45}, {{0, 0, 1}, 0, 90},
    };
    for (const auto& r : richtungen) {
        EXPECT_NEAR(AzimutVon(r.sonne), r.azimut, 1e-9);
        EXPECT_NEAR(HoeheVon(r.sonne), r.hoehe, 1e-9);
    }
    const TUmgebung osten({{90, 45}, {270, 0}});
    EXPECT_TRUE(SonneHinterUmgebung(osten, {0, s, s * 0.999}));
    const TPunkt sonne{0.3, 0.4, std::sqrt(0.75)};
    EXPECT_TRUE(SonneHinterUmgebung(TUmgebung({{0, HoeheVon(sonne)}}), sonne)) << "on it";
    EXPECT_FALSE(SonneHinterUmgebung(osten, {0, -s, s})); // west, skyline 0
    EXPECT_FALSE(SonneHinterUmgebung(TUmgebung{}, {1, 0, 0}));
    EXPECT_TRUE(SonneHinterUmgebung(TUmgebung({{0, 90}}), {0, 0, 1}));
}

} // namespace
} // namespace umbrarix
