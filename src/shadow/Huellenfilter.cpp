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
                    if (QuotientenInnen(p, q)) {
                        stand[d] = innen;
                        noch &= ~(TMaske{1} << o);
                    }
                }
            }
        }
    }
}

// LiteralFuerOffene for a single open point d: true when the literal test takes it into a
// triangle. With only one point, the tables of sign masks cost more than the triples they
// spare; the terms and the candidate test are the same, so is every decision.
constexpr int EinzelnOffen = 4;

bool LiteralInnen(const TPunkt2D* pool, int n, double W, int d) {
    const double Jenseitsmarge = 1e-14 * W * W;
    const bool mitMarge = Jenseitsmarge <= std::numeric_limits<double>::max();
    const double du = pool[d].u, dv = pool[d].v;
    // z[a][x] = Z(a, x, d) for a < x; a pair that holds d itself gives exactly 0.
    double z[GrosserPool][GrosserPool];
    for (int a = 0; a < n; ++a) {
        const double dxa = du - pool[a].u, dya = dv - pool[a].v;
        for (int x = a + 1; x < n; ++x) {
            z[a][x] = dxa * (pool[x].v - pool[a].v) - dya * (pool[x].u - pool[a].u);
        }
    }
    for (int a = 0; a < n; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        for (int b = a + 1; b < n; ++b) {
            const double zb = z[a][b];
            if (!(zb != 0)) {
                continue; // q is 0 or NaN
            }
            const double bxax = pool[b].u - ax, byay = pool[b].v - ay;
            for (int c = b + 1; c < n; ++c) {
                const double zc = z[a][c];
                // p > 0 and q > 0 need Z(a, c, d) and Z(a, b, d) of opposite signs.
                if (!(zb > 0 ? zc < 0 : zc > 0)) {
                    continue;
                }
                const double cxax = pool[c].u - ax, cyay = pool[c].v - ay;
                const double nennerQ = cxax * byay - cyay * bxax;
                if (!(std::fabs(nennerQ) >= 1e-4) || (nennerQ < 0) != (zb < 0)) {
                    continue;
                }
                if (mitMarge) {
                    const double bx = pool[b].u, by = pool[b].v;
                    const double zbc = (du - bx) * (pool[c].v - by) - (dv - by) * (pool[c].u - bx);
                    if (nennerQ < 0 ? zbc >= Jenseitsmarge : zbc <= -Jenseitsmarge) {
                        continue;
                    }
                }
                // The numerators are the tabled terms, bit for bit.
                const double p = zc / -nennerQ;
                const double q = zb / nennerQ;
                if (QuotientenInnen(p, q)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// RandpunktBleibt's bounds on rounding hold for pools whose box side W lies within 1e-3 (which
// the pooling's 1e-3 apart ensures for two points and more) and 1e5, and whose coordinates are
// 0 or between 2^-100 and 2^100 in size, so that no product of differences underflows.
bool RandpunkteZulaessig(const TPunkt2D* pool, int n, double W) {
    if (!(W >= 1e-3 && W <= 1e5)) {
        return false;
    }
    constexpr double Klein = 0x1p-100, Gross = 0x1p100;
    bool zulaessig = true;
    for (int i = 0; i < n; ++i) {
        const double u = std::fabs(pool[i].u), v = std::fabs(pool[i].v);
        zulaessig &=
            (u == 0 || (u >= Klein && u <= Gross)) && (v == 0 || (v >= Klein && v <= Gross));
    }
    return zulaessig;
}

// The candidate test of LiteralFuerOffene for one triple a < b < c and point d, in its
// expressions: false where the literal test certainly leaves d out of the triangle.
bool Kandidat(const TPunkt2D* pool, int a, int b, int c, int d, double Jenseitsmarge) {
    const double ax = pool[a].u, ay = pool[a].v;
    const double bxax = pool[b].u - ax, byay = pool[b].v - ay;
    const double nennerQ = (pool[c].u - ax) * byay - (pool[c].v - ay) * bxax;
    if (!(std::fabs(nennerQ) >= 1e-4)) {
        return false;
    }
    const double dxa = pool[d].u - ax, dya = pool[d].v - ay;
    const double zb = dxa * byay - dya * bxax;
    const double zc = dxa * (pool[c].v - ay) - dya * (pool[c].u - ax);
    const double bx = pool[b].u, by = pool[b].v;
    const double zbc = (pool[d].u - bx) * (pool[c].v - by) - (pool[d].v - by) * (pool[c].u - bx);
    return nennerQ < 0 ? zb < 0 && zc > 0 && !(zbc >= Jenseitsmarge)
                       : zb > 0 && zc < 0 && !(zbc <= -Jenseitsmarge);
}

// Is point d, lying on a line u = const or v = const with every pooled point on one closed side
// of it, certainly not inside a triangle of three others by the literal test (a triangle being
// taken with its corners in pool order, a < b < c, and a as the apex of PunktImDreieck)?
// Then the literal test over every triple can be spared. Let L be that line; the exact d lies
// in no triangle's interior, as every triangle lies on the closed side of L.
// 1. Apex a on L (exactly): one coordinate difference of d - a is exactly 0, so both numerators
//    of p and q are a single rounded product of the other difference (d - a) with (c - a) or
//    (b - a), whose L-coordinates have one sign; the two numerators have one sign, while the
//    denominators of p and q are each other's negative bit for bit: p > 0 and q > 0 never both.
// 2. b and c on L, a not: the differences of b, c and d to a across L are one and the same
//    rounded value D, so the numerators and denominators are differences of the three rounded
//    products X, Y, Z of D with the differences along L; p > 0 and q > 0 put Z between X and Y,
//    and then p + q comes out within 4.5e-16 of 1, above 0.9999999999999.
// 3. Any other triple has no two corners on L, neither (a, b), (a, c) nor (b, c). Where each
//    of the three z(x, y, d) = (d - x)u (y - x)v - (d - x)v (y - x)u of its pairs (x < y, the
//    table's values) exceeds Nahmarge = 2e-14 W^2 in size, every one has its exact sign (its
//    rounding is below 9e-16 W^2): the numerators of p and q show the exact sides of d to the
//    lines ac and ab (the denominator's sign is exact too: at least 1e-4 in size for a triangle
//    the test uses, rounded by at most 9e-6), and d is off the line bc by more than the
//    5e-15 W^2 by which a point the test takes in can lie beyond it (see LiteralFuerOffene).
//    Taken in, d would lie on a's side of bc and inside both angles: inside the triangle.
//    The few triples with a nearer pair (corners on one line through d) get the candidate
//    test; one that passes it leaves d to the literal test.
// achse: 0 for the line u = pool[d].u, 1 for v = pool[d].v; the caller has made sure that
// every pooled point lies on one closed side of it (d lies on the pool's box).
bool RandpunktBleibt(const TPunkt2D* pool, int n, int d, double W, int achse) {
    const double Nahmarge = 2e-14 * W * W, Jenseitsmarge = 1e-14 * W * W;
    const auto lage = [achse](const TPunkt2D& p) { return achse == 0 ? p.u : p.v; };
    const double L = lage(pool[d]);
    constexpr int HoechstensNah = 4;
    int nah[HoechstensNah][2];
    int anzahlNah = 0;
    bool frei = true;
    for (int x = 0; x < n && frei; ++x) {
        if (x == d) {
            continue;
        }
        const double ax = pool[x].u, ay = pool[x].v;
        const double dxa = pool[d].u - ax, dya = pool[d].v - ay;
        const bool xAufL = lage(pool[x]) == L;
        for (int y = x + 1; y < n && frei; ++y) {
            if (y == d || (xAufL && lage(pool[y]) == L)) {
                continue;
            }
            const double z = dxa * (pool[y].v - ay) - dya * (pool[y].u - ax);
            if (!(std::fabs(z) > Nahmarge)) {
                frei = anzahlNah < HoechstensNah;
                if (frei) {
                    nah[anzahlNah][0] = x;
                    nah[anzahlNah++][1] = y;
                }
            }
        }
    }
    for (int k = 0; k < anzahlNah && frei; ++k) {
        for (int w = 0; w < n && frei; ++w) {
            if (w == d || w == nah[k][0] || w == nah[k][1]) {
                continue;
            }
            int e[3] = {nah[k][0], nah[k][1], w};
            std::sort(e, e + 3);
            const bool aufL[3] = {lage(pool[e[0]]) == L, lage(pool[e[1]]) == L,
                                  lage(pool[e[2]]) == L};
            if (aufL[0] || (aufL[1] && aufL[2])) {
                continue; // 1. and 2.
            }
            frei = !Kandidat(pool, e[0], e[1], e[2], d, Jenseitsmarge);
        }
    }
    return frei;
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
    // A point on the pool's box lies on a line u = const or v = const with the whole pool on one
    // side: RandpunktBleibt may spare it the literal test; otherwise it is left to it.
    const double W = std::max(umax - umin, vmax - vmin);
    const bool randpunkteZulaessig = RandpunkteZulaessig(pool, n, W);
    int offen[GrosserPool];
    int anzahlOffen = 0;
    for (int d = 0; d < n; ++d) {
        if (stand[d] == Ecke) {
            continue;
        }
        const bool aufU = pool[d].u == umin || pool[d].u == umax;
        const bool aufV = pool[d].v == vmin || pool[d].v == vmax;
        if (aufU || aufV) {
            const bool bleibt =
                randpunkteZulaessig && ((aufU && RandpunktBleibt(pool, n, d, W, 0)) ||
                                        (aufV && RandpunktBleibt(pool, n, d, W, 1)));
            if (!bleibt) {
                offen[anzahlOffen++] = d;
            }
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

    if (anzahlOffen > 0 && anzahlOffen <= EinzelnOffen) {
        for (int o = 0; o < anzahlOffen; ++o) {
            if (LiteralInnen(pool, n, W, offen[o])) {
                stand[offen[o]] = Innen;
            }
        }
    } else if (anzahlOffen > 0) {
        LiteralFuerOffene(pool, n, W, offen, anzahlOffen, stand, Innen);
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
