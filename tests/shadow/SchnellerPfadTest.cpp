// The fast evaluation against the one it replaced, kept beside it: the same shares to the last
// bit and the same stored shadows to the last bit of every corner, over random scenes within and
// far beyond the field limits, every switch combination and every latitude band.

#include "model/ElementeAufbauen.h"
#include "referenz/SimulierenBisher.h"
#include "shadow/PolygonSchnitt.h"
#include "shadow/Schattenwurf.h"
#include "shadow/Simulieren.h"

#include "hilfen/KonvexeZufallspolygone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace umbrarix {
namespace {

// The sanitizer build runs everything several times slower; it checks the same code on a
// smaller share of the cases so that the suite stays within its time.
#ifdef UMBRARIX_SANITIZER_BUILD
constexpr long Zeitpunkte = 150'000;
constexpr long Polygonpaare = 20'000;
#else
constexpr long Zeitpunkte = 1'000'000;
constexpr long Polygonpaare = 150'000;
#endif

bool Bitgleich(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool Bitgleich(const TPunkt& a, const TPunkt& b) {
    return Bitgleich(a.x, b.x) && Bitgleich(a.y, b.y) && Bitgleich(a.z, b.z);
}

bool Bitgleich(const TPolygon& a, const TPolygon& b) {
    if (a.Anzahl != b.Anzahl) {
        return false;
    }
    for (int i = 0; i < a.GueltigeAnzahl(); ++i) {
        if (!Bitgleich(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

bool Bitgleich(const TVerschattendesElement& a, const TVerschattendesElement& b) {
    return Bitgleich(a.SchattenWandebene, b.SchattenWandebene) &&
           Bitgleich(a.SchattenBodenebene, b.SchattenBodenebene) &&
           Bitgleich(a.SchattenWand, b.SchattenWand) &&
           Bitgleich(a.SchattenBoden, b.SchattenBoden) &&
           Bitgleich(a.SchattenFenster, b.SchattenFenster) &&
           Bitgleich(a.SchattenTerrasse, b.SchattenTerrasse);
}

struct TZufallsszenen {
    std::mt19937_64 zufall{20261209};

    double Gleich(double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    }
    int Ganz(int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); }
    bool Wurf(double p) { return std::bernoulli_distribution(p)(zufall); }

    // Whole numbers within the field's limits mostly, sometimes far beyond them as a damaged
    // project file can carry.
    TEingabedaten Eingaben(int schalter) {
        TEingabedaten e;
        for (const TSpinfeld& f : Spinfelder()) {
            const double breite = f.Max - f.Min;
            e.*f.Wert = Wurf(0.85) ? Ganz(static_cast<int>(f.Min), static_cast<int>(f.Max))
                                   : Ganz(static_cast<int>(f.Min - 3 * breite),
                                          static_cast<int>(f.Max + 3 * breite));
        }
        if (Wurf(0.1)) {
            e.anz_Fensterneigung = Ganz(0, 180);
        }
        // A third of the scenes in the polar bands, where the sun can stand below the horizon
        // without the night marker.
        e.anz_Breitengrad = Wurf(0.33) ? (Wurf(0.5) ? 1 : -1) * Gleich(60, 90) : Gleich(-90, 90);
        e.anz_Laengengrad = Gleich(-30, 40);
        e.anz_Zeitzone = Ganz(-2, 3);
        e.CheckBox_Sommerzeit = Wurf(0.5);
        e.CheckBox_Ueberhang = schalter & 1;
        e.CheckBox_Volant = schalter & 2;
        e.CheckBox_MauerLinks = schalter & 4;
        e.CheckBox_MauerRechts = schalter & 8;
        return e;
    }
};

// What the shares and the views read of a caster: the valance under the overhang's switch
// (views and shares) and under its own (shares).
bool WirdGelesen(const TSzene& s, int werfer) {
    const TEingabedaten& e = s.Eingaben;
    switch (werfer) {
    case 0:
        return e.CheckBox_Ueberhang;
    case 1:
        return e.CheckBox_Ueberhang || e.CheckBox_Volant;
    case 2:
        return e.CheckBox_MauerLinks;
    default:
        return e.CheckBox_MauerRechts;
    }
}

TEST(SchnellerPfad, GleichWieBisherUeberEineMillionZeitpunkte) {
    TZufallsszenen z;
    long zeitpunkte = 0, sonnig = 0, beschattet = 0;
    for (int szene = 0; zeitpunkte < Zeitpunkte; ++szene) {
        const int schalter = szene % 16;
        TEingabedaten e = z.Eingaben(schalter);
        TSzene neu = SzeneAusEingaben(e);
        // SzeneAusEingaben switches the valance on with its height; keep every combination.
        neu.Eingaben.CheckBox_Volant = schalter & 2;
        TSzene alt = neu;
        for (int k = 0; k < 50; ++k, ++zeitpunkte) {
            if (z.Wurf(0.05)) {
                // A switch flipped between two instants, as a click does: the newly read
                // caster must be thrown before it counts.
                bool TEingabedaten::*schalterfeld[] = {
                    &TEingabedaten::CheckBox_Ueberhang, &TEingabedaten::CheckBox_Volant,
                    &TEingabedaten::CheckBox_MauerLinks, &TEingabedaten::CheckBox_MauerRechts};
                bool TEingabedaten::*f = schalterfeld[z.Ganz(0, 3)];
                neu.Eingaben.*f = alt.Eingaben.*f = !(neu.Eingaben.*f);
            }
            const int tag = z.Ganz(1, 365);
            const int position = z.Ganz(0, 143);
            const TPunkt sonneNeu = Zeitpunkt_Simulieren(neu, tag, position);
            const TPunkt sonneAlt = bisher::Zeitpunkt_Simulieren_Bisher(alt, tag, position);
            const auto fall = [&] {
                return testing::Message() << "scene " << szene << " instant " << k << " day " << tag
                                          << " position " << position;
            };
            ASSERT_TRUE(Bitgleich(sonneNeu, sonneAlt)) << fall();
            ASSERT_EQ(neu.IstNacht, alt.IstNacht) << fall();
            ASSERT_EQ(neu.IstSonneNichtSichtbar, alt.IstSonneNichtSichtbar) << fall();
            ASSERT_TRUE(Bitgleich(neu.Fenster.Verschattungsanteil, alt.Fenster.Verschattungsanteil))
                << fall() << ": " << neu.Fenster.Verschattungsanteil << " "
                << alt.Fenster.Verschattungsanteil;
            ASSERT_TRUE(
                Bitgleich(neu.Terrasse.Verschattungsanteil, alt.Terrasse.Verschattungsanteil))
                << fall() << ": " << neu.Terrasse.Verschattungsanteil << " "
                << alt.Terrasse.Verschattungsanteil;
            if (neu.IstNacht || neu.IstSonneNichtSichtbar) {
                continue;
            }
            ++sonnig;
            beschattet +=
                neu.Fenster.Verschattungsanteil > 0 && neu.Fenster.Verschattungsanteil < 1;
            const TVerschattendesElement* n[] = {&neu.Ueberhang, &neu.Volant, &neu.MauerLinks,
                                                 &neu.MauerRechts};
            const TVerschattendesElement* a[] = {&alt.Ueberhang, &alt.Volant, &alt.MauerLinks,
                                                 &alt.MauerRechts};
            for (int w = 0; w < 4; ++w) {
                if (WirdGelesen(neu, w)) {
                    ASSERT_TRUE(Bitgleich(*n[w], *a[w])) << fall() << " caster " << w;
                }
            }
        }
    }
    // The sample really reaches sunny and partly shaded instants.
    EXPECT_GT(sonnig, zeitpunkte / 5);
    EXPECT_GT(beschattet, zeitpunkte / 50);
}

// The overhang variants of one facade evaluated together give every variant the shares of
// its own scene stepping through the same instants, also where the walls' shadows overlap and
// when a variant switches the overhang or the valance off.
TEST(SchnellerPfad, UeberhangvariantenWieEinzeln) {
    TZufallsszenen z;
    constexpr int Varianten = 5;
    long zeitpunkte = 0, sonnig = 0, mauernUeberlappen = 0;
    for (int szene = 0; zeitpunkte < Zeitpunkte / 20; ++szene) {
        const int schalter = szene % 16;
        const TEingabedaten e = z.Eingaben(schalter | (szene % 3 == 0 ? 12 : 0));
        std::vector<TSzene> einzeln;
        std::vector<TUeberhangvariante> varianten;
        for (int k = 0; k < Varianten; ++k) {
            TEingabedaten v = e;
            v.anz_Vordachlaenge = z.Ganz(0, 400);
            v.anz_Vordachbreite = z.Ganz(100, 1000);
            v.anz_Vordach_Neigung = z.Ganz(0, 45);
            v.CheckBox_Ueberhang = k == 0 ? e.CheckBox_Ueberhang : z.Wurf(0.8);
            einzeln.push_back(SzeneAusEingaben(v));
            einzeln.back().Eingaben.CheckBox_Volant = z.Wurf(0.5);
            const TSzene& s = einzeln.back();
            varianten.push_back({s.Ueberhang.Polygon, s.Volant.Polygon,
                                 s.Eingaben.CheckBox_Ueberhang, s.Eingaben.CheckBox_Volant});
        }
        TSzene gemeinsam = einzeln.front();
        for (int i = 0; i < 20; ++i, ++zeitpunkte) {
            const int tag = z.Ganz(1, 365);
            const double t = z.Gleich(0, 24);
            double fenster[2 * Varianten], terrasse[2 * Varianten];
            Varianten_Anteile_Simulieren(gemeinsam, varianten, tag, t, fenster, terrasse, 2);
            for (int k = 0; k < Varianten; ++k) {
                TSzene& s = einzeln[static_cast<std::size_t>(k)];
                Anteile_Simulieren(s, tag, t);
                ASSERT_TRUE(Bitgleich(fenster[2 * k], s.Fenster.Verschattungsanteil))
                    << szene << " " << i << " " << k;
                ASSERT_TRUE(Bitgleich(terrasse[2 * k], s.Terrasse.Verschattungsanteil))
                    << szene << " " << i << " " << k;
            }
            const TSzene& s = einzeln.front();
            if (!s.IstNacht && !s.IstSonneNichtSichtbar) {
                ++sonnig;
                const TDrehung boden(0, s.Eingaben.anz_Himmelsrichtung);
                mauernUeberlappen += s.Eingaben.CheckBox_MauerLinks &&
                                     s.Eingaben.CheckBox_MauerRechts &&
                                     SchattenZuschneiden(s.MauerLinks.SchattenTerrasse,
                                                         s.MauerRechts.SchattenTerrasse, boden)
                                             .Anzahl > 0;
            }
        }
    }
    EXPECT_GT(sonnig, zeitpunkte / 5);
    EXPECT_GT(mauernUeberlappen, 20);
}

bool Gleich(const std::vector<TPunkt2D>& a, const std::vector<TPunkt2D>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!Bitgleich(a[i].u, b[i].u) || !Bitgleich(a[i].v, b[i].v)) {
            return false;
        }
    }
    return true;
}

// The intersection itself, also on inputs the scenes never pass: tiny and huge polygons,
// fractional corners, pairs far apart and just touching.
TEST(SchnellerPfad, PolygonSchnittWieBisher) {
    std::mt19937 zufall(1209);
    const double massstaebe[] = {1, 1, 1, 0.37, 1000, 3e6};
    for (long i = 0; i < Polygonpaare; ++i) {
        const int bereich = i % 4 == 0 ? 5 : (i % 4 == 1 ? 60 : 600);
        std::vector<TPunkt2D> t = testhilfen::ZufallsKonvex(zufall, bereich, 8);
        std::vector<TPunkt2D> s = testhilfen::ZufallsKonvex(zufall, bereich, 8);
        const double m = massstaebe[i % 6];
        const double versatz = (i / 6) % 3 == 0 ? 0 : std::round(bereich * 1.5 * ((i / 18) % 3));
        for (TPunkt2D& p : s) {
            p.u = p.u * m + versatz;
            p.v *= m;
        }
        for (TPunkt2D& p : t) {
            p.u *= m;
            p.v *= m;
        }
        ASSERT_TRUE(Gleich(PolygonSchnitt(t, s), bisher::PolygonSchnitt_Bisher(t, s))) << i;
    }
}

// Outlines that meet only along a line (an edge of one on the other's edge, a corner on an
// edge, a gap behind an edge) have an empty intersection; the fast path decides them without
// pooling, so they are compared in every size up to beyond the bound where it stops doing so.
TEST(SchnellerPfad, BeruehrendeUmrisseWieBisher) {
    std::mt19937 zufall(912);
    const int bereiche[] = {3, 40, 500, 16000, 40000};
    for (long i = 0; i < Polygonpaare / 4; ++i) {
        const int bereich = bereiche[i % 5];
        const std::vector<TPunkt2D> t = testhilfen::ZufallsKonvex(zufall, bereich, 6);
        const std::size_t k = static_cast<std::size_t>(zufall() % t.size());
        const TPunkt2D a = t[k], b = t[(k + 1) % t.size()];
        // Outward side of the edge ab: away from the other corners.
        double mu = 0, mv = 0;
        for (const TPunkt2D& p : t) {
            mu += p.u / static_cast<double>(t.size());
            mv += p.v / static_cast<double>(t.size());
        }
        double nu = b.v - a.v, nv = a.u - b.u;
        if (nu * (mu - a.u) + nv * (mv - a.v) > 0) {
            nu = -nu;
            nv = -nv;
        }
        const double abstand = (i / 5) % 3 == 2 ? 1 : 0; // a gap of one step behind the line
        const double tiefe = 1 + static_cast<double>(zufall() % 3);
        const double w = static_cast<double>(zufall() % 5) / 4;
        std::vector<TPunkt2D> s;
        switch ((i / 15) % 3) {
        case 0: // the same edge, a triangle outside
            s = {{a.u + abstand * nu, a.v + abstand * nv},
                 {b.u + abstand * nu, b.v + abstand * nv},
                 {a.u + tiefe * nu, a.v + tiefe * nv}};
            break;
        case 1: // a parallelogram on part of the edge's line
            s = {{a.u + abstand * nu, a.v + abstand * nv},
                 {a.u + (b.u - a.u) * 2 + abstand * nu, a.v + (b.v - a.v) * 2 + abstand * nv},
                 {b.u + (b.u - a.u) + tiefe * nu, b.v + (b.v - a.v) + tiefe * nv},
                 {a.u + tiefe * nu, a.v + tiefe * nv}};
            break;
        default: // one corner on the edge
            s = {{std::round(a.u + w * (b.u - a.u)) + abstand * nu,
                  std::round(a.v + w * (b.v - a.v)) + abstand * nv},
                 {b.u + tiefe * nu + (b.u - a.u), b.v + tiefe * nv + (b.v - a.v)},
                 {a.u + tiefe * nu, a.v + tiefe * nv}};
            break;
        }
        if (zufall() % 2) {
            std::reverse(s.begin(), s.end());
        }
        ASSERT_TRUE(Gleich(PolygonSchnitt(t, s), bisher::PolygonSchnitt_Bisher(t, s))) << i;
        ASSERT_TRUE(Gleich(PolygonSchnitt(s, t), bisher::PolygonSchnitt_Bisher(s, t))) << i;
        // A repeated corner gives an edge without a line, which must not count as separating.
        std::vector<TPunkt2D> doppelt = t;
        doppelt.insert(doppelt.begin() + static_cast<long>(k), t[k]);
        for (TPunkt2D& p : doppelt) {
            p.u += 1;
        }
        ASSERT_TRUE(Gleich(PolygonSchnitt(t, doppelt), bisher::PolygonSchnitt_Bisher(t, doppelt)))
            << i;
    }
}

} // namespace
} // namespace umbrarix
