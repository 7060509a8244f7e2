#include "shadow/Huellenfilter.h"

#include "shadow/Schnittbausteine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace umbrarix {

bool HuellendreieckEntartet(const TPunkt2D& a, const TPunkt2D& b, const TPunkt2D& c) {
    return intern::DoppelteFlaeche(a, b, c) < 1e-4;
}

namespace intern {

namespace {

// Corners of the convex hull of the first n points of pool, counter-clockwise, by the monotone
// chain over indices (index has room for n, kette for 2 n); returns how many stand first in
// kette. Points on a hull edge and repeated points are not corners.
int MonotoneKette(const TPunkt2D* pool, int n, int* index, int* kette) {
    for (int i = 0; i < n; ++i) {
        index[i] = i;
    }
    const auto vor = [pool](int a, int b) {
        return pool[a].u < pool[b].u || (pool[a].u == pool[b].u && pool[a].v < pool[b].v);
    };
    if (n <= 16) {
        // Insertion for the usual pools of a dozen points, where sort's set-up dominates.
        for (int i = 1; i < n; ++i) {
            const int x = index[i];
            int j = i;
            for (; j > 0 && vor(x, index[j - 1]); --j) {
                index[j] = index[j - 1];
            }
            index[j] = x;
        }
    } else {
        std::sort(index, index + n, vor);
    }
    int k = 0;
    for (int j = 0; j < n; ++j) {
        while (k >= 2 && Kreuz(pool[kette[k - 2]], pool[kette[k - 1]], pool[index[j]]) <= 0) {
            --k;
        }
        kette[k++] = index[j];
    }
    for (int j = n - 1, t = k + 1; j > 0; --j) {
        while (k >= t && Kreuz(pool[kette[k - 2]], pool[kette[k - 1]], pool[index[j - 1]]) <= 0) {
            --k;
        }
        kette[k++] = index[j - 1];
    }
    return k > 0 ? k - 1 : 0; // the chain ends where it began
}

// Convex hull corners of a large pool, kept in pool order. The literal filter is of fourth
// order; element outlines never pool more than a few dozen corners, but polygons from damaged
// input could pool thousands and would not finish.
int GrosseHuelle(TPunkt2D* pool, int anzahl) {
    const std::size_t n = static_cast<std::size_t>(anzahl);
    std::vector<int> index(n), kette(2 * n);
    const int m = MonotoneKette(pool, anzahl, index.data(), kette.data());
    std::vector<char> ecke(n, 0);
    for (int i = 0; i < m; ++i) {
        ecke[static_cast<std::size_t>(kette[static_cast<std::size_t>(i)])] = 1;
    }
    int z = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (ecke[i]) {
            pool[z++] = pool[i];
        }
    }
    return z;
}

// The literal test of the hull filter for one triple in pool order and a fourth point.
bool InnenWoertlich(const TPunkt2D* pool, int a, int b, int c, int d) {
    return !HuellendreieckEntartet(pool[a], pool[b], pool[c]) &&
           PunktImDreieckIntern(pool[a], pool[b], pool[c], pool[d]);
}

bool InnenInSortiertem(const TPunkt2D* pool, int x, int y, int z, int d) {
    if (x > y) {
        std::swap(x, y);
    }
    if (y > z) {
        std::swap(y, z);
    }
    if (x > y) {
        std::swap(x, y);
    }
    return InnenWoertlich(pool, x, y, z, d);
}

// The literal test for the open points. PunktImDreieck's numerators for apex a and point d
// are Z(a, c, d) for p and Z(a, b, d) for q, with Z(a, x, d) = (d - a)u (x - a)v - (d - a)v (x -
// a)u, and its denominators are N = (b - a)u (c - a)v - (b - a)v (c - a)u for p and -N for q (bit
// for bit); the doubled area of the degeneracy test is |N|. So p > 0 and q > 0 need Z(a, c, d)
// to have the sign of N and Z(a, b, d) the other one: the signs are tabled once per pair.
//
// p + q < 1 needs more: exactly, 1 - p - q = -Z(b, c, d) / N, so d must not lie beyond the line
// bc. With every term of the table and of N off by at most 9e-16 W^2 (W the larger side of the
// pool's box) and p, q rounded by 1.1e-16 each, a point that passes the literal test has
// sign(N) Z(b, c, d) below 5e-15 W^2; points at least Jenseitsmarge beyond are tabled too and
// passed over. Only what is left is divided out, exactly as PunktImDreieck does.
void LiteralFuerOffene(const TPunkt2D* pool, int n, double W, const int* offen, int anzahlOffen,
                       char* stand, char innen) {
    using TMaske = std::uint64_t;
    TMaske positiv[GrosserPool][GrosserPool], negativ[GrosserPool][GrosserPool];
    TMaske jenseitsPositiv[GrosserPool][GrosserPool], jenseitsNegativ[GrosserPool][GrosserPool];
    const double Jenseitsmarge = 1e-14 * W * W;
    const bool mitMarge = Jenseitsmarge <= std::numeric_limits<double>::max();
    // spaeterPositiv[a][b]: the points d with z(a, c, d) > 0 for some c > b (and so on): a pair
    // (a, b) can only take d as a candidate if some later third corner lies on d's other side.
    TMaske spaeterPositiv[GrosserPool][GrosserPool], spaeterNegativ[GrosserPool][GrosserPool];
    for (int a = 0; a < n; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        double dxa[GrosserPool], dya[GrosserPool];
        for (int o = 0; o < anzahlOffen; ++o) {
            dxa[o] = pool[offen[o]].u - ax;
            dya[o] = pool[offen[o]].v - ay;
        }
        for (int x = a + 1; x < n; ++x) {
            const double xxax = pool[x].u - ax, xyay = pool[x].v - ay;
            TMaske pos = 0, neg = 0, weitPos = 0, weitNeg = 0;
            for (int o = 0; o < anzahlOffen; ++o) {
                const double z = dxa[o] * xyay - dya[o] * xxax;
                pos |= TMaske{z > 0} << o;
                neg |= TMaske{z < 0} << o;
                weitPos |= TMaske{mitMarge && z >= Jenseitsmarge} << o;
                weitNeg |= TMaske{mitMarge && z <= -Jenseitsmarge} << o;
            }
            positiv[a][x] = pos;
            negativ[a][x] = neg;
            jenseitsPositiv[a][x] = weitPos;
            jenseitsNegativ[a][x] = weitNeg;
        }
        TMaske pos = 0, neg = 0;
        for (int b = n - 1; b > a; --b) {
            spaeterPositiv[a][b] = pos;
            spaeterNegativ[a][b] = neg;
            pos |= positiv[a][b];
            neg |= negativ[a][b];
        }
    }
    TMaske noch = anzahlOffen == 64 ? ~TMaske{0} : (TMaske{1} << anzahlOffen) - 1;
    for (int a = 0; a < n && noch != 0; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        for (int b = a + 1; b < n && noch != 0; ++b) {
            const TMaske bPos = positiv[a][b] & noch & spaeterNegativ[a][b];
            const TMaske bNeg = negativ[a][b] & noch & spaeterPositiv[a][b];
            if ((bPos | bNeg) == 0) {
                continue;
            }
            const double bxax = pool[b].u - ax, byay = pool[b].v - ay;
            // The candidates of every third corner, without a branch: nearly all come out empty.
            TMaske kandidatenVon[GrosserPool];
            TMaske irgendeiner = 0;
            for (int c = b + 1; c < n; ++c) {
                const double nennerQ = (pool[c].u - ax) * byay - (pool[c].v - ay) * bxax;
                const TMaske fallsPNegativ = bPos & negativ[a][c] & ~jenseitsNegativ[b][c];
                const TMaske fallsPPositiv = bNeg & positiv[a][c] & ~jenseitsPositiv[b][c];
                const TMaske k = nennerQ < 0 ? fallsPPositiv : fallsPNegativ;
                kandidatenVon[c] = std::fabs(nennerQ) >= 1e-4 ? k : 0;
                irgendeiner |= kandidatenVon[c];
            }
            for (int c = b + 1; c < n && irgendeiner != 0; ++c) {
                TMaske kandidaten = kandidatenVon[c];
                if (kandidaten == 0) {
                    continue;
                }
                const double cxax = pool[c].u - ax, cyay = pool[c].v - ay;
                const double nennerQ = cxax * byay - cyay * bxax;
                const double nennerP = -nennerQ;
                for (; kandidaten != 0; kandidaten &= kandidaten - 1) {
                    const int o = std::countr_zero(kandidaten);
                    const int d = offen[o];
                    if ((noch >> o & 1) == 0) {
                        continue;
                    }
                    const double pxax = pool[d].u - ax, pyay = pool[d].v - ay;
                    const double p = (pxax * cyay - pyay * cxax) / nennerP;
                    const double q = (pxax * byay - pyay * bxax) / nennerQ;
                    if (p > 0 && q > 0 && p < 1 && q < 1 && p + q < 0.9999999999999) {
                        stand[d] = innen;
                        noch &= ~(TMaske{1} << o);
                    }
                }
            }
        }
    }
}

} // namespace

// Step 2 on the first n points of pool; returns how many remain.
//
// A point is removed when PunktImDreieck finds it strictly inside a non-degenerate triangle of
// three other pooled points (taken in pool order). Trying every triple for every point is of
// fourth order, so the clear cases are decided first:
// - a corner of the pool's hull that stands out from the line through its two hull neighbours
//   by more than Huellenmarge: every triangle of other points lies beyond that line, and the
//   rounding of PunktImDreieck (at most about 1e-10 D^3 for a pool of diameter D, as the
//   triangles have a doubled area of at least 1e-4) cannot bring it inside one; it stays;
// - a point that the literal test finds inside a fan triangle of hull corners: it goes, exactly
//   as the literal filter would remove it.
// Points left open (on a hull edge or nearly so, where the tolerances decide) get the literal
// test against every triple, with the triangle's terms computed once per triple with exactly
// PunktImDreieck's expressions and the sign of each quotient read before it is divided out.
int HuellenfilterIn(TPunkt2D* pool, int anzahl) {
    if (static_cast<std::size_t>(anzahl) > GrosserPool) {
        return GrosseHuelle(pool, anzahl);
    }
    const int n = anzahl;
    if (n < 4) {
        return n; // no point has three others
    }
    enum : char { Offen, Innen, Ecke };
    char stand[GrosserPool] = {};

    double umin = pool[0].u, umax = umin, vmin = pool[0].v, vmax = vmin;
    for (int i = 1; i < n; ++i) {
        umin = std::min(umin, pool[i].u);
        umax = std::max(umax, pool[i].u);
        vmin = std::min(vmin, pool[i].v);
        vmax = std::max(vmax, pool[i].v);
    }
    const double D = std::sqrt((umax - umin) * (umax - umin) + (vmax - vmin) * (vmax - vmin));
    // Twenty times the rounding bound; beyond 1e5 cm the bound is not worth trusting at all.
    const double Huellenmarge = D < 1e5 ? 1e-8 * D * D * D + 1e-10 * D + 1e-12 : INFINITY;

    // The hull is only a guide: what it finds is confirmed below with margins or with the
    // literal test.
    int index[GrosserPool], h[2 * GrosserPool];
    const int m = MonotoneKette(pool, n, index, h);
    for (int k = 0; m >= 3 && k < m; ++k) {
        const TPunkt2D& vor = pool[h[(k + m - 1) % m]];
        const TPunkt2D& d = pool[h[k]];
        const TPunkt2D& nach = pool[h[(k + 1) % m]];
        // Outward normal of the chord from the previous to the next hull corner.
        const double wu = nach.v - vor.v, wv = vor.u - nach.u;
        const double laenge = std::sqrt(wu * wu + wv * wv);
        if (!(laenge > 0)) {
            continue;
        }
        // Every other point at least Huellenmarge behind the parallel to the chord through d.
        const double schwelle = Huellenmarge * laenge;
        bool abgesetzt = true;
        for (int x = 0; x < n && abgesetzt; ++x) {
            abgesetzt = x == h[k] || wu * (d.u - pool[x].u) + wv * (d.v - pool[x].v) > schwelle;
        }
        if (abgesetzt) {
            stand[h[k]] = Ecke;
        }
    }

    // Points on a hull edge (the crossings with the target's edges) cannot lie inside a fan
    // triangle of hull corners; they go straight to the literal test, which decides every
    // point the same way whichever way it reaches it.
    double kanteU[2 * GrosserPool], kanteV[2 * GrosserPool], naehe[2 * GrosserPool];
    for (int k = 0; m >= 3 && k < m; ++k) {
        const TPunkt2D& p = pool[h[k]];
        const TPunkt2D& q = pool[h[(k + 1) % m]];
        kanteU[k] = q.u - p.u;
        kanteV[k] = q.v - p.v;
        naehe[k] = 1e-6 * (std::fabs(kanteU[k]) + std::fabs(kanteV[k]));
    }
    int offen[GrosserPool];
    int anzahlOffen = 0;
    for (int d = 0; d < n; ++d) {
        if (stand[d] == Ecke) {
            continue;
        }
        bool aufKante = false;
        for (int k = 0; m >= 3 && k < m && !aufKante; ++k) {
            const TPunkt2D& p = pool[h[k]];
            aufKante = std::fabs(kanteU[k] * (pool[d].v - p.v) - kanteV[k] * (pool[d].u - p.u)) <=
                       naehe[k];
        }
        for (int f = 0; f < 2 && f < m && !aufKante && stand[d] == Offen; ++f) {
            for (int k = 1; k + 1 < m; ++k) {
                const int x = h[f], y = h[(f + k) % m], z = h[(f + k + 1) % m];
                if (x != d && y != d && z != d && InnenInSortiertem(pool, x, y, z, d)) {
                    stand[d] = Innen;
                    break;
                }
            }
        }
        if (stand[d] == Offen) {
            offen[anzahlOffen++] = d;
        }
    }

    if (anzahlOffen > 0) {
        LiteralFuerOffene(pool, n, std::max(umax - umin, vmax - vmin), offen, anzahlOffen, stand,
                          Innen);
    }
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (stand[i] != Innen) {
            pool[k++] = pool[i];
        }
    }
    return k;
}

} // namespace intern

void Huellenfilter(std::vector<TPunkt2D>& pool) {
    pool.resize(static_cast<std::size_t>(
        intern::HuellenfilterIn(pool.data(), static_cast<int>(pool.size()))));
}

} // namespace umbrarix
