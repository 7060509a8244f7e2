#include "model/Geometrie.h"
#include "model/Punkte.h"
#include "model/Runden.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace umbrarix {
namespace {

constexpr double Rechengenauigkeit = 1e-9; // sin/cos of right angles are not exactly 0

TEST(Runden, HalbeGehenZurGeradenNachbarzahl) {
    const struct {
        double ein, aus;
    } faelle[] = {{0.5, 0}, {1.5, 2},      {2.5, 2},      {-0.5, 0},  {-7.5, -8},
                  {7.5, 8}, {147.72, 148}, {253.95, 254}, {-2.5, -2}, {3.4999, 3}};
    for (const auto& f : faelle) {
        EXPECT_EQ(Runden(f.ein), f.aus) << f.ein;
    }
    EXPECT_EQ(RundenGanz(1e300), INT32_MAX);
    EXPECT_EQ(RundenGanz(-1e300), INT32_MIN);
    EXPECT_EQ(RundenGanz(std::nan("")), 0);
}

// Runden is the library's nearbyint (default rounding mode) without its call: bit for bit, the
// sign of zero included, at the edges of its shortcut and on any bit pattern.
TEST(Runden, BitgleichMitNearbyint) {
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    std::vector<double> werte = {0.0,
                                 -0.0,
                                 0.49999999999999994,
                                 -0.49999999999999994,
                                 -0.3,
                                 2.5,
                                 4503599627370495.5,
                                 -4503599627370495.5,
                                 0x1p52,
                                 -0x1p52,
                                 0x1p53 + 2,
                                 2147483647.5,
                                 -2147483648.5,
                                 5e-324,
                                 -5e-324,
                                 1e300,
                                 -INFINITY,
                                 INFINITY};
    std::mt19937_64 zufall(1210);
    for (int i = 0; i < 2000000; ++i) {
        werte.push_back(std::bit_cast<double>(zufall()));
        werte.push_back(std::floor(static_cast<double>(zufall() % 2000001) - 1e6) + 0.5);
    }
    for (const double x : werte) {
        if (std::isnan(x)) { // a NaN's payload is nobody's business
            ASSERT_TRUE(std::isnan(Runden(x)));
            continue;
        }
        ASSERT_EQ(bits(Runden(x)), bits(std::nearbyint(x))) << x;
    }
}

TEST(Geometrie, MatrixUndSkalarprodukt) {
    const TMatrix m = {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}};
    const TPunkt r = MatrixMalVektor(m, {1, -1, 2});
    EXPECT_EQ(r.x, 5);
    EXPECT_EQ(r.y, 11);
    EXPECT_EQ(r.z, 19);
    EXPECT_EQ(Skalarprodukt({1, 2, 3}, {-4, 5, 0.5}), 7.5);
}

TEST(Geometrie, DrehungenNachTabelle) {
    // (tilt, azimuth, facade point) -> expected world point.
    const struct {
        double a, h;
        TPunkt fassade, welt;
    } faelle[] = {
        {90, 0, {1, 0, 0}, {1, 0, 0}},
        {90, 0, {0, 1, 0}, {0, 1, 0}},
        {90, 90, {1, 0, 0}, {0, 1, 0}},  // normal of an east facade points east
        {90, 90, {0, 1, 0}, {-1, 0, 0}}, // "to the right" is north
        {90, 180, {1, 0, 0}, {-1, 0, 0}},
        {180, 0, {0, 0, 1}, {1, 0, 0}}, // height becomes distance out from the facade
        {180, 90, {0, 0, 1}, {0, 1, 0}},
        {0, 0, {0, 0, 1}, {-1, 0, 0}},
        {60, 0, {0, 0, 250}, {-125, 0, 216.50635094610965}},
    };
    for (const auto& f : faelle) {
        const TPunkt w = InWeltDrehen(f.fassade, f.a, f.h);
        EXPECT_NEAR(w.x, f.welt.x, Rechengenauigkeit) << f.a << " " << f.h;
        EXPECT_NEAR(w.y, f.welt.y, Rechengenauigkeit) << f.a << " " << f.h;
        EXPECT_NEAR(w.z, f.welt.z, Rechengenauigkeit) << f.a << " " << f.h;
    }
}

TEST(Geometrie, RundreiseGibtGanzzahligeEckeZurueck) {
    std::mt19937 zufall(42);
    std::uniform_int_distribution<int> koord(-1000, 1000), winkel(0, 360), neigung(0, 180);
    for (int i = 0; i < 20000; ++i) {
        const TIntPunkt p{koord(zufall), koord(zufall), koord(zufall)};
        const double a = neigung(zufall), h = winkel(zufall);
        const TIntPunkt q = InFassadeDrehen(InWeltDrehen(p, a, h), a, h);
        ASSERT_EQ(q.x, p.x);
        ASSERT_EQ(q.y, p.y);
        ASSERT_EQ(q.z, p.z);
    }
}

TEST(Geometrie, DrehungsobjektRechnetBitgleichMitDenFreienFunktionen) {
    const TDrehung d(73, 211);
    const TPunkt p{12.25, -300.5, 99.75};
    const TPunkt a = d.InWelt(p), b = InWeltDrehen(p, 73, 211);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
}

TEST(Polygon, WirdNieUeberSeineKapazitaetHinausBeschrieben) {
    TPolygon p;
    for (int i = 0; i < 40; ++i) {
        p.Anhaengen({static_cast<double>(i), 0, 0});
    }
    EXPECT_EQ(p.Anzahl, TPolygon::Kapazitaet);
    EXPECT_EQ(p[31].x, 31);
    p.Anzahl = 1000;
    EXPECT_EQ(p.GueltigeAnzahl(), 32);
    p.Anzahl = -3;
    EXPECT_EQ(p.GueltigeAnzahl(), 0);
}

// The shadows are refilled in place at every instant: a refilled polygon must equal a fresh one
// corner for corner, also beyond its count, and a damaged count must not send it past its room.
TEST(Polygon, GeleertUndNeuGefuelltWieFrisch) {
    // Corners filled before, and the count as it stands (1000: damaged, read as 32).
    const int faelle[][2] = {{0, 0}, {3, 3}, {7, 7}, {32, 32}, {32, 1000}};
    for (const auto& [gefuellt, anzahl] : faelle) {
        TPolygon p;
        for (int i = 0; i < gefuellt; ++i) {
            p.Anhaengen({i + 0.5, -i - 0.25, 2.0 * i});
        }
        p.Anzahl = anzahl;
        p.Leeren();
        TPolygon frisch;
        for (TPolygon* q : {&p, &frisch}) {
            q->Anhaengen({1, 2, 3});
            q->Anhaengen({4, 5, 6});
        }
        EXPECT_EQ(p.Anzahl, 2) << anzahl;
        for (int i = 0; i < TPolygon::Kapazitaet; ++i) {
            EXPECT_EQ(p[i].x, frisch[i].x) << anzahl << " " << i;
            EXPECT_EQ(p[i].y, frisch[i].y) << anzahl << " " << i;
            EXPECT_EQ(p[i].z, frisch[i].z) << anzahl << " " << i;
        }
    }
}

} // namespace
} // namespace umbrarix
