#include "model/ElementeAufbauen.h"
#include "model/Geometrie.h"
#include "shadow/PolygonSchnitt.h"
#include "shadow/Simulieren.h"

#include "hilfen/KonvexeZufallspolygone.h"
#include "referenz/HuellenfilterWoertlich.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>

namespace umbrarix {
namespace {

using P = std::vector<TPunkt2D>;

bool Gleich(const P& a, const P& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].u != b[i].u || a[i].v != b[i].v) {
            return false;
        }
    }
    return true;
}

long grossePools = 0; // pools beyond the literal filter's range: not compared

// Runs both filters on the pool of one pair; true when they keep the same points.
bool BeideFilterGleich(const P& t, const P& s) {
    P schnell = Eckenpool(t, s);
    if (schnell.size() > GrosserPool) {
        ++grossePools;
        return true;
    }
    P woertlich = schnell;
    Huellenfilter(schnell);
    testhilfen::HuellenfilterWoertlich(woertlich, HuellendreieckEntartet);
    return Gleich(schnell, woertlich);
}

P InEbene(const TPolygon& p, const TDrehung& d) {
    P e;
    for (int i = 0; i < p.Anzahl; ++i) {
        const TIntPunkt f = d.InFassade(p[i]);
        e.push_back({static_cast<double>(f.y), static_cast<double>(f.z)});
    }
    return e;
}

// The fast hull filter against the literal one: random convex pairs of several sizes and the
// pairs that evaluating random scenes over a year actually clips, over a million in all.
TEST(Huellenfilter, GleichWieWoertlichUeberEineMillionFaelle) {
    long faelle = 0;
    std::mt19937 zufall(4711);
    for (int i = 0; faelle < 500000; ++i) {
        const int bereich = i % 3 == 0 ? 5 : (i % 3 == 1 ? 60 : 600);
        const P t = testhilfen::ZufallsKonvex(zufall, bereich, 8);
        const P s = testhilfen::ZufallsKonvex(zufall, bereich, 8);
        const long vorher = grossePools;
        ASSERT_TRUE(BeideFilterGleich(t, s)) << "random pair " << i;
        faelle += grossePools == vorher;
    }
    const auto w = [&zufall](int a, int b) {
        return static_cast<double>(std::uniform_int_distribution<int>(a, b)(zufall));
    };
    while (faelle < 1000000) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = w(0, 359);
        e.anz_Fensterneigung = w(60, 120);
        e.anz_Vordachbreite = w(15, 700);
        e.anz_Vordachlaenge = w(0, 400);
        e.anz_Vordach_Neigung = w(0, 90);
        e.anz_VolantHoehe = w(0, 200);
        e.anz_Fensterbreite = w(15, 700);
        e.anz_Fensterhoehe = w(15, 350);
        e.anz_FensterZentrierung = w(-300, 300);
        e.anz_terrassenbreite = w(15, 700);
        e.anz_terrassenzentrierung = w(-300, 300);
        e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
        e.anz_ml_AbstandFenstermitte = w(-100, 350);
        e.anz_mr_abstandFenstermitte = w(-100, 350);
        e.anz_ml_ausfall = w(15, 350);
        e.anz_mr_wandabstand = w(0, 300);
        TSzene s = SzeneAusEingaben(e);
        const TDrehung wand(s.Wandneigung, e.anz_Himmelsrichtung);
        const TDrehung boden(180, e.anz_Himmelsrichtung);
        const TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks,
                                                  &s.MauerRechts};
        for (int tag = 1; tag <= 365 && faelle < 1000000; tag += 11) {
            for (int pos = 30; pos <= 114; pos += 4) {
                Zeitpunkt_Simulieren(s, tag, pos);
                if (s.IstNacht || s.IstSonneNichtSichtbar) {
                    continue;
                }
                for (const TVerschattendesElement* x : werfer) {
                    const P wandSchatten = InEbene(x->SchattenWandebene, wand);
                    const P bodenSchatten = InEbene(x->SchattenBodenebene, boden);
                    ASSERT_TRUE(BeideFilterGleich(InEbene(s.Fenster.Polygon, wand), wandSchatten));
                    ASSERT_TRUE(BeideFilterGleich(InEbene(s.Wand.Polygon, wand), wandSchatten));
                    ASSERT_TRUE(
                        BeideFilterGleich(InEbene(s.Terrasse.Polygon, boden), bodenSchatten));
                    ASSERT_TRUE(BeideFilterGleich(InEbene(s.Boden.Polygon, boden), bodenSchatten));
                    faelle += 4;
                    for (const TVerschattendesElement* y : werfer) {
                        if (x < y) {
                            ASSERT_TRUE(BeideFilterGleich(InEbene(x->SchattenFenster, wand),
                                                          InEbene(y->SchattenFenster, wand)));
                            ASSERT_TRUE(BeideFilterGleich(InEbene(x->SchattenTerrasse, boden),
                                                          InEbene(y->SchattenTerrasse, boden)));
                            faelle += 2;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GE(faelle, 1000000);
    EXPECT_LT(grossePools, faelle / 1000) << "large pools are rare even among random octagons";
}

// The points of a pool lie 1e-3 apart in u or v: later ones nearer to an earlier one dropped.
P Auseinander(const P& pool) {
    P getrennt;
    for (const TPunkt2D& q : pool) {
        bool nah = false;
        for (const TPunkt2D& r : getrennt) {
            nah = nah || (std::fabs(q.u - r.u) < 1e-3 && std::fabs(q.v - r.v) < 1e-3);
        }
        if (!nah) {
            getrennt.push_back(q);
        }
    }
    return getrennt;
}

// Points on a line u = const or v = const with the whole pool on one side (crossings with an
// axis-parallel edge of window or terrace) are let through without the literal test when no
// rounding can put them inside a triangle. Pools built to tempt it: points on the line, points a
// rounding or a hair inside it, slivers along it and lines through a point on it, on either side
// of either axis, compared with the literal filter.
TEST(Huellenfilter, RandpunkteAufAchsenparallelerLinieWieWoertlich) {
    std::mt19937_64 zufall(1012);
    const double abstaende[] = {0, 0, 0, 2.8e-14, 1e-12, 1e-9, 1e-6, 1e-3, 0.01, 0.5, 3, 40};
    const auto zahl = [&zufall](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    long entfernt = 0;
    for (int i = 0; i < 300000; ++i) {
        const double U = std::round(zahl(-300, 300)), breite = zahl(0.01, 400);
        const int n = 5 + static_cast<int>(zufall() % 8);
        P pool;
        for (int k = 0; k < n; ++k) {
            const double abstand = abstaende[zufall() % std::size(abstaende)];
            double v = zahl(0, breite);
            if (zufall() % 3 == 0) {
                v = std::round(v); // whole numbers as the outlines' corners
            }
            if (k > 1 && zufall() % 4 == 0) { // on the line through two earlier points
                const TPunkt2D a = pool[zufall() % pool.size()], b = pool[zufall() % pool.size()];
                const double t = zahl(-1.5, 2.5);
                pool.push_back({a.u + t * (b.u - a.u), a.v + t * (b.v - a.v)});
                if (!(pool.back().u <= U)) {
                    pool.pop_back();
                }
                continue;
            }
            pool.push_back({U - abstand, v});
        }
        P getrennt = Auseinander(pool);
        // Either side of the line, either axis.
        for (TPunkt2D& q : getrennt) {
            if (i % 2 == 1) {
                q.u = -q.u;
            }
            if (i % 4 >= 2) {
                std::swap(q.u, q.v);
            }
        }
        P schnell = getrennt, woertlich = getrennt;
        Huellenfilter(schnell);
        testhilfen::HuellenfilterWoertlich(woertlich, HuellendreieckEntartet);
        ASSERT_TRUE(Gleich(schnell, woertlich)) << "pool " << i;
        entfernt += static_cast<long>(getrennt.size() - woertlich.size());
    }
    EXPECT_GT(entfernt, 1000) << "the pools must give the filter something to remove";
}

// Points on a slanted hull edge (the crossings of a target's fan diagonal with a shadow's edge)
// get the literal test; a few of them one at a time, more in one sweep. Pools with one to eight
// such points, on the edge as rounding puts them, a rounding or a hair to either side, and lines
// through them, compared with the literal filter.
TEST(Huellenfilter, PunkteAufSchraegerKanteWieWoertlich) {
    std::mt19937_64 zufall(1210);
    const double versatz[] = {0, 0, 0, 1e-13, -1e-13, 1e-10, -1e-10, 1e-6, -1e-6, 0.02};
    const auto zahl = [&zufall](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    long entfernt = 0, geblieben = 0;
    for (int i = 0; i < 100000; ++i) {
        // The edge from A to B with the pool on its left.
        const TPunkt2D A{std::round(zahl(-300, 300)), std::round(zahl(-300, 300))};
        const TPunkt2D B{std::round(A.u + zahl(-400, 400)), std::round(A.v + zahl(-400, 400))};
        const double du = B.u - A.u, dv = B.v - A.v, laenge = std::hypot(du, dv);
        if (laenge < 1) {
            continue;
        }
        const double nu = -dv / laenge, nv = du / laenge; // inward unit normal
        P pool{A, B};
        const int aufKante = 1 + i % 8;
        for (int k = 0; k < aufKante; ++k) {
            const double t = zahl(0.01, 0.99), h = versatz[zufall() % std::size(versatz)];
            pool.push_back({A.u + t * du + h * nu, A.v + t * dv + h * nv});
        }
        const int innen = 1 + static_cast<int>(zufall() % 5);
        for (int k = 0; k < innen; ++k) {
            const double t = zahl(-0.2, 1.2), h = zahl(0.5, 0.6 * laenge);
            pool.push_back({std::round(A.u + t * du + h * nu), std::round(A.v + t * dv + h * nv)});
        }
        if (zufall() % 3 == 0) { // on the line through two pooled points
            const TPunkt2D a = pool[zufall() % pool.size()], b = pool[zufall() % pool.size()];
            const double t = zahl(-0.5, 1.5);
            pool.push_back({a.u + t * (b.u - a.u), a.v + t * (b.v - a.v)});
        }
        std::shuffle(pool.begin(), pool.end(), zufall);
        P getrennt = Auseinander(pool);
        P schnell = getrennt, woertlich = getrennt;
        Huellenfilter(schnell);
        testhilfen::HuellenfilterWoertlich(woertlich, HuellendreieckEntartet);
        ASSERT_TRUE(Gleich(schnell, woertlich)) << "pool " << i;
        entfernt += static_cast<long>(getrennt.size() - woertlich.size());
        geblieben += static_cast<long>(woertlich.size());
    }
    EXPECT_GT(entfernt, 10000) << "the pools must give the filter something to remove";
    EXPECT_GT(geblieben, 10000);
}

// Several pooled corners on one boundary line once made slivers that "contained" a true corner
// of the intersection and dropped it, losing up to a third of the area.
TEST(Huellenfilter, DuenneDreieckeWerfenKeineEckenHinaus) {
    const struct {
        P t, s;
    } faelle[] = {
        {{{39, 8}, {12, 28}, {2, 30}, {-36, 19}, {-18, -10}},
         {{9, 17}, {35, -19}, {-7, -35}, {-17, -10}, {-23, 15}}},
        {{{-35, 33}, {-34, -39}, {-12, -39}, {44, 35}, {17, 44}, {-2, 40}},
         {{-30, 0}, {7, -39}, {16, 9}, {-7, 36}, {-26, 50}, {-33, 49}}},
    };
    for (const auto& f : faelle) {
        const double referenz = testhilfen::Flaeche2D(
            testhilfen::SutherlandHodgman(f.s, testhilfen::KonvexeHuelle(f.t)));
        EXPECT_NEAR(testhilfen::Flaeche2D(PolygonSchnitt(f.t, f.s)), referenz, 0.01);
    }
}

} // namespace
} // namespace umbrarix
