#include "solar/Sonnenstand.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace umbrarix {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double FuenfDezimalen = 0.5e-5;
constexpr double Koeln = 50.5;
const double KoelnKorrektur = Laengenkorrektur_berechnen(1, -7.0); // 0.5333 h

double Grad(double rad) {
    return rad * 180 / pi;
}

TEST(Sonnenstand, SonnenzeitHandgerechnet) {
    // 21 June, 12:00: B = pi/2, E = -1.5 min, t = 12 + (-32 - 1.5) / 60 - 1.
    EXPECT_NEAR(Sonnenzeit(172, 12.0, KoelnKorrektur, true), 12 + (-32 - 1.5) / 60 - 1, 1e-12);
    EXPECT_NEAR(Sonnenzeit(172, 12.0, KoelnKorrektur, true), 10.4417, 1e-4);
    EXPECT_NEAR(Sonnenzeit(355, 12.0, KoelnKorrektur, true), 11.4838, 1e-4);
    // 1 January, 0:00: E = -3.607 min, t = -0.5934 h, folded to 23.4066 h.
    EXPECT_NEAR(Sonnenzeit(1, 0.0, KoelnKorrektur, true), 23.4066, 1e-4);
    // 24 h and more is not folded back.
    EXPECT_GT(Sonnenzeit(172, 23 + 5.0 / 6, -1, false), 24);
}

TEST(Sonnenstand, SommerzeitNurVonTag90Bis303) {
    const struct {
        int tag;
        bool sommer;
    } faelle[] = {{89, false}, {90, true}, {200, true}, {303, true}, {304, false}};
    for (const auto& f : faelle) {
        const double ohne = Sonnenzeit(f.tag, 12.0, KoelnKorrektur, false);
        const double mit = Sonnenzeit(f.tag, 12.0, KoelnKorrektur, true);
        EXPECT_EQ(ohne - mit, f.sommer ? 1.0 : 0.0) << f.tag;
    }
}

TEST(Sonnenstand, Deklination) {
    EXPECT_NEAR(Grad(Deklination(172)), 23.4498, 1e-4);
    EXPECT_NEAR(Grad(Deklination(100)), 7.534, 1e-3);
    EXPECT_LT(Deklination(355), 0);
    // 2 pi / 365 as the written-out factor.
    EXPECT_EQ(2 * pi / 365, 0.01721420632103996);
}

TEST(Sonnenstand, SonnenvektorenAufFuenfDezimalen) {
    const struct {
        int tag;
        double breite, t;
        double x, y, z;
    } faelle[] = {
        {172, Koeln, Sonnenzeit(172, 12.0, KoelnKorrektur, true), 0.39667, 0.36398, 0.84272},
        {355, Koeln, Sonnenzeit(355, 12.0, KoelnKorrektur, true), 0.95457, 0.12360, 0.27116},
        {172, 70, 12.0, 0.72598, 0, 0.68772},
    };
    for (const auto& f : faelle) {
        const TPunkt s = Sonnenvektor(f.tag, f.t, f.breite);
        EXPECT_NEAR(s.x, f.x, FuenfDezimalen) << f.tag;
        EXPECT_NEAR(s.y, f.y, FuenfDezimalen) << f.tag;
        EXPECT_NEAR(s.z, f.z, FuenfDezimalen) << f.tag;
        EXPECT_NEAR(s.x * s.x + s.y * s.y + s.z * s.z, 1, 1e-12);
    }
    const TPunkt mittag = Sonnenvektor(172, Sonnenzeit(172, 12.0, KoelnKorrektur, true), Koeln);
    EXPECT_NEAR(Grad(std::asin(mittag.z)), 57.43, 0.005); // altitude
    EXPECT_EQ(Sonnenvektor(80, 12.0, Koeln).y, 0);        // solar noon: no east component
}

TEST(Sonnenstand, NachtUndPolargebiete) {
    // Mid-latitudes: midnight is night, the marker is recognised by x == -1.
    EXPECT_EQ(Sonnenvektor(172, 0.5, Koeln).x, -1);
    // 70 deg north in December: polar night, even at solar noon.
    EXPECT_EQ(HalberTagbogen(70 * pi / 180, Deklination(355)), 0);
    EXPECT_EQ(Sonnenvektor(355, 12.0, 70).x, -1);
    // 70 deg north in June: midnight sun; only |omega| >= 180 deg is night.
    EXPECT_EQ(HalberTagbogen(70 * pi / 180, Deklination(172)), pi);
    EXPECT_NE(Sonnenvektor(172, 0.01, 70).x, -1);
    EXPECT_EQ(Sonnenvektor(172, 0.0, 70).x, -1);
    EXPECT_EQ(Sonnenvektor(172, 24.0, 70).x, -1);
    // The south mirrors it with the sign of the declination.
    EXPECT_EQ(HalberTagbogen(-70 * pi / 180, Deklination(355)), pi);
    EXPECT_EQ(HalberTagbogen(-70 * pi / 180, Deklination(172)), 0);
    EXPECT_EQ(Sonnenvektor(172, 12.0, -70).x, -1);
    EXPECT_NE(Sonnenvektor(355, 12.0, -70).x, -1);
    // Declination exactly 0 beyond the limit: H stays 0.
    EXPECT_EQ(HalberTagbogen(80 * pi / 180, 0.0), 0);
    // 67 deg, day 100: no night, although the sun is below the horizon at t = 1.
    const TPunkt s = Sonnenvektor(100, 1.0, 67);
    EXPECT_NE(s.x, -1);
    EXPECT_NEAR(s.z, -0.2535, 1e-4);
}

TEST(Sonnenstand, HalbeTageslaenge) {
    EXPECT_NEAR(HalbeTageslaenge(0, 0), 6, 1e-12);
    EXPECT_NEAR(HalbeTageslaenge(Koeln * pi / 180, Deklination(172)), 8.2, 0.1);
    EXPECT_EQ(HalbeTageslaenge(70 * pi / 180, Deklination(172)), 12);
}

} // namespace
} // namespace umbrarix
