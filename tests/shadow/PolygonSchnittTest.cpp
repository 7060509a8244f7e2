#include "shadow/PolygonSchnitt.h"

#include "hilfen/KonvexeZufallspolygone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace umbrarix {
namespace {

using testhilfen::Flaeche2D;
using P = std::vector<TPunkt2D>;

P Quadrat(double u, double v, double seite) {
    return {{u, v}, {u + seite, v}, {u + seite, v + seite}, {u, v + seite}};
}

TEST(PolygonSchnitt, Quadratfaelle) {
    const struct {
        const char* fall;
        P t, s;
        int ecken;
        double flaeche;
    } faelle[] = {
        {"identisch", Quadrat(0, 0, 10), Quadrat(0, 0, 10), 4, 100},
        {"innen", Quadrat(0, 0, 10), Quadrat(2, 3, 4), 4, 16},
        {"aussen", Quadrat(0, 0, 10), Quadrat(20, 20, 4), 0, 0},
        {"gemeinsame Kante", Quadrat(0, 0, 10), Quadrat(10, 0, 10), 0, 0},
        {"gemeinsame Ecke", Quadrat(0, 0, 10), Quadrat(10, 10, 10), 0, 0},
        {"deckt ganz", Quadrat(0, 0, 10), Quadrat(-5, -5, 30), 4, 100},
        {"versetzt", Quadrat(0, 0, 10), Quadrat(5, 5, 10), 4, 25},
        {"Dreieck im Quadrat", Quadrat(0, 0, 10), {{1, 1}, {9, 1}, {5, 8}}, 3, 28},
        {"Achteck", Quadrat(0, 0, 10), {{5, -2}, {12, 5}, {5, 12}, {-2, 5}}, 8, 100 - 4 * 4.5},
    };
    for (const auto& f : faelle) {
        const P r = PolygonSchnitt(f.t, f.s);
        EXPECT_EQ(static_cast<int>(r.size()), f.ecken) << f.fall;
        EXPECT_NEAR(Flaeche2D(r), f.flaeche, 1e-9) << f.fall;
    }
}

TEST(PolygonSchnitt, ReihenfolgeNachAbsteigendemWinkel) {
    // Angles 135, 45, -45, -135 degrees around (7.5, 7.5).
    const P r = PolygonSchnitt(Quadrat(0, 0, 10), Quadrat(5, 5, 10));
    const P erwartet = {{5, 10}, {10, 10}, {10, 5}, {5, 5}};
    ASSERT_EQ(r.size(), erwartet.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r[i].u, erwartet[i].u) << i;
        EXPECT_EQ(r[i].v, erwartet[i].v) << i;
    }
}

// The order by the arctangent around the centroid, exchange-sorted: what the angle order must
// give also where angles tie, lie a rounding apart or sit on either side of the cut at -u.
P NachArcustangens(P p) {
    double su = 0, sv = 0;
    for (const TPunkt2D& q : p) {
        su += q.u;
        sv += q.v;
    }
    const double gu = su / static_cast<double>(p.size()), gv = sv / static_cast<double>(p.size());
    std::vector<double> w;
    for (const TPunkt2D& q : p) {
        const double du = q.u - gu, dv = q.v - gv;
        w.push_back(du > 0   ? std::atan(dv / du)
                    : du < 0 ? std::atan(dv / du) + (dv >= 0 ? M_PI : -M_PI)
                             : (dv >= 0 ? M_PI / 2 : -M_PI / 2));
    }
    for (std::size_t a = 0; a + 1 < p.size(); ++a) {
        for (std::size_t b = a + 1; b < p.size(); ++b) {
            if (w[a] < w[b]) {
                std::swap(p[a], p[b]);
                std::swap(w[a], w[b]);
            }
        }
    }
    return p;
}

TEST(PolygonSchnitt, WinkelordnungWieDerArcustangens) {
    const struct {
        const char* fall;
        P punkte;
    } faelle[] = {
        {"gleiche Richtung", {{1, 1}, {2, 2}, {3, 3}, {-6, -6}, {4, 4}}},
        {"Schwerpunkt selbst", {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        {"beiderseits von -u", {{-5, 1e-300}, {-5, -1e-300}, {-5, 0}, {15, 0}, {-5, -0.0}}},
        {"Winkel eine Rundung auseinander",
         {{1e8, 1}, {1e8 + 1, 1}, {1e8, 1.0000000000000002}, {-3e8, -2}}},
        {"nahe 45 Grad", {{7, 7}, {7, 7.000000000001}, {7.000000000001, 7}, {-21, -21}}},
        {"riesige Werte", {{1e308, 1e308}, {-1e308, 1e308}, {-1e308, -1e308}, {1e308, -1e308}}},
        {"winzige Werte", {{4e-320, 0}, {0, 4e-320}, {-4e-320, 0}, {0, -4e-320}}},
        {"lauter gleiche", {{2, 3}, {2, 3}, {2, 3}}},
    };
    for (const auto& f : faelle) {
        P r = f.punkte;
        NachWinkelOrdnen(r);
        const P erwartet = NachArcustangens(f.punkte);
        ASSERT_EQ(r.size(), erwartet.size()) << f.fall;
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(std::signbit(r[i].u), std::signbit(erwartet[i].u)) << f.fall << " " << i;
            EXPECT_EQ(r[i].u, erwartet[i].u) << f.fall << " " << i;
            EXPECT_EQ(r[i].v, erwartet[i].v) << f.fall << " " << i;
        }
    }
    // Random clusters whose angles lie within a few roundings of each other.
    std::mt19937 zufall(912);
    std::uniform_int_distribution<int> ulp(-3, 3);
    for (int i = 0; i < 20000; ++i) {
        P p;
        const double u = 1 + zufall() % 1000, v = -500.0 + zufall() % 1000;
        double su = 0, sv = 0;
        for (int k = 0; k < 6; ++k) {
            const double f = 1 + k, du = u * f + ulp(zufall) * 1e-13 * u * f;
            p.push_back({du, v * f});
            su += du;
            sv += v * f;
        }
        p.push_back({-su, -sv}); // centroid at the origin, the six on one ray from it
        P r = p;
        NachWinkelOrdnen(r);
        const P erwartet = NachArcustangens(p);
        for (std::size_t k = 0; k < r.size(); ++k) {
            ASSERT_EQ(r[k].u, erwartet[k].u) << i << " " << k;
            ASSERT_EQ(r[k].v, erwartet[k].v) << i << " " << k;
        }
    }
}

TEST(PolygonSchnitt, NahePunkteWerdenZumZuerstGefundenen) {
    // The shadow's corners lie a hair off the target's: merged into the first found.
    const P t = Quadrat(0, 0, 10);
    const P s = {{0.0004, 0.0004}, {10.0004, 0.0004}, {10.0004, 10.0004}, {0.0004, 10.0004}};
    const P r = PolygonSchnitt(t, s);
    EXPECT_EQ(r.size(), 4u);
    EXPECT_NEAR(Flaeche2D(r), 100, 0.01);
}

TEST(PolygonSchnitt, EntarteteEingaben) {
    EXPECT_TRUE(PolygonSchnitt(Quadrat(0, 0, 10), P{{0, 0}, {5, 5}}).empty());
    EXPECT_TRUE(PolygonSchnitt(P{}, Quadrat(0, 0, 10)).empty());
    // A polygon of zero area (all corners on a line).
    EXPECT_TRUE(PolygonSchnitt(Quadrat(0, 0, 10), P{{1, 1}, {5, 5}, {8, 8}, {2, 2}}).empty());
}

TEST(PolygonSchnitt, Bausteine) {
    TPunkt2D p;
    EXPECT_TRUE(StreckenSchnitt({0, 0}, {10, 10}, {0, 10}, {10, 0}, p));
    EXPECT_EQ(p.u, 5);
    EXPECT_EQ(p.v, 5);
    EXPECT_TRUE(StreckenSchnitt({0, 0}, {10, 0}, {10, 0}, {10, 5}, p)) << "end points count";
    EXPECT_FALSE(StreckenSchnitt({0, 0}, {10, 0}, {0, 0}, {5, 0}, p)) << "collinear never meets";
    EXPECT_EQ(p.u, 0);
    EXPECT_FALSE(StreckenSchnitt({0, 0}, {1, 1}, {3, 0}, {3, 5}, p));
    EXPECT_EQ(p.u, 3); // the point on P3P4 is written anyway
    EXPECT_EQ(p.v, 3);

    EXPECT_TRUE(PunktImDreieck({0, 0}, {10, 0}, {0, 10}, {2, 2}));
    EXPECT_FALSE(PunktImDreieck({0, 0}, {10, 0}, {0, 10}, {5, 5})) << "on the edge";
    EXPECT_FALSE(PunktImDreieck({0, 0}, {10, 0}, {0, 10}, {0, 0})) << "a corner";
    EXPECT_FALSE(PunktImDreieck({0, 0}, {5, 5}, {10, 10}, {5, 5})) << "degenerate";
    EXPECT_TRUE(PunktImDreieck({0, 0}, {0, 10}, {10, 0}, {2, 2})) << "either orientation";

    // Triangle pairs: identical, disjoint, one inside the other, star of David.
    EXPECT_EQ(DreieckSchnitt({0, 0}, {10, 0}, {0, 10}, {0, 0}, {10, 0}, {0, 10}).Anzahl, 3);
    EXPECT_EQ(DreieckSchnitt({0, 0}, {1, 0}, {0, 1}, {5, 5}, {6, 5}, {5, 6}).Anzahl, 0);
    EXPECT_EQ(DreieckSchnitt({0, 0}, {10, 0}, {0, 10}, {1, 1}, {3, 1}, {1, 3}).Anzahl, 3);
    EXPECT_EQ(DreieckSchnitt({0, 0}, {12, 0}, {6, 10}, {0, 7}, {12, 7}, {6, -3}).Anzahl, 6);
}

TEST(PolygonSchnitt, VieleEckenBleibenSchnell) {
    // Two 32-gons pool hundreds of corners; the result still matches the independent clipper.
    P t, s;
    for (int i = 0; i < 32; ++i) {
        const double w = 2 * M_PI * i / 32;
        t.push_back({std::round(1000 * std::cos(w)), std::round(1000 * std::sin(w))});
        s.push_back({std::round(300 + 900 * std::cos(w)), std::round(100 + 900 * std::sin(w))});
    }
    ASSERT_GT(Eckenpool(t, s).size(), GrosserPool);
    const P r = PolygonSchnitt(t, s);
    const P q = testhilfen::SutherlandHodgman(s, testhilfen::KonvexeHuelle(t));
    EXPECT_NEAR(Flaeche2D(r), Flaeche2D(q), 1e-3 * testhilfen::Umfang(q));
}

// Against an independent clipper on many random convex pairs of the centimetre grid.
TEST(PolygonSchnitt, FlaecheWieEinUnabhaengigerClipper) {
    std::mt19937 zufall(20261208);
    int ueberlappend = 0;
    for (int i = 0; i < 100000; ++i) {
        const P t = testhilfen::ZufallsKonvex(zufall, i % 2 ? 50 : 400, 8);
        const P s = testhilfen::ZufallsKonvex(zufall, i % 2 ? 50 : 400, 8);
        const P r = PolygonSchnitt(t, s);
        const P q = testhilfen::SutherlandHodgman(s, testhilfen::KonvexeHuelle(t));
        // The pool merges corners closer than 1e-3, so a corner may sit up to 1e-3 off: the
        // area can move by that much times the outline's length, no more.
        const double toleranz = 1e-3 * testhilfen::Umfang(q) + 1e-9;
        ASSERT_NEAR(Flaeche2D(r), Flaeche2D(q), toleranz) << "case " << i;
        const double referenz = Flaeche2D(q);
        ASSERT_TRUE(r.empty() || r.size() >= 3);
        ueberlappend += referenz > 0 ? 1 : 0;
    }
    EXPECT_GT(ueberlappend, 5000); // the sample really exercises overlaps
}

} // namespace
} // namespace umbrarix
