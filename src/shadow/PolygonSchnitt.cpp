#include "shadow/PolygonSchnitt.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <numbers>
#include <utility>

namespace umbrarix {

namespace {

constexpr double pi = std::numbers::pi;

// Angle of (du, dv) with exact comparisons against zero.
double Winkel(double du, double dv) {
    if (du > 0) {
        return std::atan(dv / du);
    }
    if (du < 0) {
        return dv >= 0 ? std::atan(dv / du) + pi : std::atan(dv / du) - pi;
    }
    return dv >= 0 ? pi / 2 : -pi / 2;
}

// A stand-in for the angle that needs no arctangent: strictly increasing in the angle over
// (-pi, pi] with a slope between 1/2 and 1, so two stand-ins more than Winkelabstand apart
// belong to angles whose computed arctangents (within 1e-15) compare the same way. NaN where
// the sum overflows or the vector is zero: those pairs are decided by the arctangents.
double Pseudowinkel(double du, double dv) {
    const double betrag = std::fabs(du) + std::fabs(dv);
    if (!(betrag > 0 && betrag <= std::numeric_limits<double>::max())) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double r = du / betrag;
    return dv >= 0 ? 1 - r : r - 1;
}

constexpr double Winkelabstand = 1e-12;

// Orders the points by descending angle around their centroid (exchange sort, equal angles
// keep their order). The arctangent of a point is taken only when its stand-in lies too near
// another's to decide, so the comparisons come out as those of the arctangents.
void NachWinkelOrdnen(TPunkt2D* p, double* winkel, int n) {
    if (n == 0) {
        return;
    }
    double su = 0, sv = 0;
    for (int i = 0; i < n; ++i) {
        su += p[i].u;
        sv += p[i].v;
    }
    const double gu = su / n, gv = sv / n;
    constexpr int Lokal = 64;
    double lokal[2 * Lokal];
    std::vector<double> gross;
    double* pseudo = lokal;
    if (n > Lokal) {
        gross.resize(2 * static_cast<std::size_t>(n));
        pseudo = gross.data();
    }
    double* const du = pseudo + n;
    for (int i = 0; i < n; ++i) {
        pseudo[i] = Pseudowinkel(p[i].u - gu, p[i].v - gv);
        winkel[i] = std::numeric_limits<double>::quiet_NaN();
        du[i] = 0; // 1 once winkel[i] holds the arctangent
    }
    const auto echterWinkel = [&](int i) {
        if (du[i] == 0) {
            winkel[i] = Winkel(p[i].u - gu, p[i].v - gv);
            du[i] = 1;
        }
        return winkel[i];
    };
    for (int a = 0; a < n - 1; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const double abstand = pseudo[a] - pseudo[b];
            const bool kleiner = std::fabs(abstand) > Winkelabstand
                                     ? abstand < 0
                                     : echterWinkel(a) < echterWinkel(b);
            if (kleiner) {
                std::swap(p[a], p[b]);
                std::swap(pseudo[a], pseudo[b]);
                std::swap(winkel[a], winkel[b]);
                std::swap(du[a], du[b]);
            }
        }
    }
}

double Kreuz(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return (p1.u - p0.u) * (p2.v - p0.v) - (p1.v - p0.v) * (p2.u - p0.u);
}

// Twice the area of a triangle, as the degeneracy test of DreieckSchnitt writes it.
double DoppelteFlaeche(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return std::fabs((p2.v - p0.v) * (p0.u - p1.u) - (p2.u - p0.u) * (p0.v - p1.v));
}

// Turns the corners cyclically so that the inside ones come first in their cyclic order.
int InnereNachVorn(TPunkt2D (&d)[3], const bool (&innen)[3]) {
    int start = 0;
    for (int i = 0; i < 3; ++i) {
        if (innen[i] && !innen[(i + 2) % 3]) {
            start = i;
            break;
        }
    }
    const TPunkt2D alt[3] = {d[0], d[1], d[2]};
    for (int i = 0; i < 3; ++i) {
        d[i] = alt[(start + i) % 3];
    }
    return start;
}

} // namespace

namespace {

// The two tests in the open, so that DreieckSchnitt, which calls them fifteen times, can take
// them in line.
inline bool StreckenSchnittIntern(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3,
                                  const TPunkt2D& P4, TPunkt2D& punkt) {
    const double x1 = P1.u, y1 = P1.v, x2 = P2.u, y2 = P2.v;
    const double x3 = P3.u, y3 = P3.v, x4 = P4.u, y4 = P4.v;
    const double den = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    if (den == 0) {
        punkt = P3;
        return false;
    }
    const double s = ((x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3)) / den;
    const double t = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / den;
    punkt = {x3 + t * (x4 - x3), y3 + t * (y4 - y3)};
    return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

inline bool PunktImDreieckIntern(const TPunkt2D& A, const TPunkt2D& B, const TPunkt2D& C,
                                 const TPunkt2D& P) {
    const double ax = A.u, ay = A.v, bx = B.u, by = B.v, cx = C.u, cy = C.v;
    if ((bx - ax) * (cy - ay) == (by - ay) * (cx - ax)) {
        return false;
    }
    const double px = P.u, py = P.v;
    const double p = ((px - ax) * (cy - ay) - (py - ay) * (cx - ax)) /
                     ((bx - ax) * (cy - ay) - (by - ay) * (cx - ax));
    const double q = ((px - ax) * (by - ay) - (py - ay) * (bx - ax)) /
                     ((cx - ax) * (by - ay) - (cy - ay) * (bx - ax));
    return p > 0 && q > 0 && p < 1 && q < 1 && p + q < 0.9999999999999;
}

} // namespace

namespace {

// Steps 5 to 7 of DreieckSchnitt on the edge crossings found and the inside corners: later
// crossings within 1e-4 of an earlier one dropped, inside corners added, angle order.
TDreieckSchnitt TrefferOrdnen(TPunkt2D* treffer, int n, const TPunkt2D (&A)[3], int kA,
                              const TPunkt2D (&B)[3], int kB) {
    TDreieckSchnitt e;
    for (int i = 0; i < n; ++i) {
        int k = i + 1;
        for (int j = i + 1; j < n; ++j) {
            if (!(std::fabs(treffer[j].u - treffer[i].u) < 1e-4 &&
                  std::fabs(treffer[j].v - treffer[i].v) < 1e-4)) {
                treffer[k++] = treffer[j];
            }
        }
        n = k;
    }
    for (int i = 0; i < n; ++i) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = treffer[i];
    }
    for (int i = 0; i < kA && i < 3; ++i) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = A[i];
    }
    if (kB == 1) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = B[0];
    }
    double winkel[16];
    NachWinkelOrdnen(e.Ecken.data(), winkel, e.Anzahl);
    return e;
}

} // namespace

bool StreckenSchnitt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3, const TPunkt2D& P4,
                     TPunkt2D& punkt) {
    return StreckenSchnittIntern(P1, P2, P3, P4, punkt);
}

bool PunktImDreieck(const TPunkt2D& A, const TPunkt2D& B, const TPunkt2D& C, const TPunkt2D& P) {
    return PunktImDreieckIntern(A, B, C, P);
}

TDreieckSchnitt DreieckSchnitt(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                               TPunkt2D B2) {
    TPunkt2D A[3] = {A0, A1, A2};
    TPunkt2D B[3] = {B0, B1, B2};
    // 1. Both counter-clockwise.
    if (Kreuz(A[0], A[1], A[2]) < 0) {
        std::swap(A[1], A[2]);
    }
    if (Kreuz(B[0], B[1], B[2]) < 0) {
        std::swap(B[1], B[2]);
    }
    // 2. Corners of each triangle inside the other, moved to the front.
    bool innenB[3], innenA[3];
    int kB = 0, kA = 0;
    for (int i = 0; i < 3; ++i) {
        innenB[i] = PunktImDreieckIntern(A[0], A[1], A[2], B[i]);
        kB += innenB[i] ? 1 : 0;
        innenA[i] = PunktImDreieckIntern(B[0], B[1], B[2], A[i]);
        kA += innenA[i] ? 1 : 0;
    }
    InnereNachVorn(A, innenA);
    InnereNachVorn(B, innenB);
    // 3. The triangle with more inside corners becomes A.
    if (kB > kA) {
        std::swap(A, B);
        std::swap(kA, kB);
    }

    // 8. (decided up front, it does not depend on the corners found) Degenerate triangles
    // contribute nothing.
    if (DoppelteFlaeche(A[0], A[1], A[2]) < 1e-4 || DoppelteFlaeche(B[0], B[1], B[2]) < 1e-4) {
        return {};
    }
    // 4. Edge crossings.
    TPunkt2D treffer[9];
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            TPunkt2D p;
            if (StreckenSchnittIntern(A[i], A[(i + 1) % 3], B[j], B[(j + 1) % 3], p)) {
                treffer[n++] = p;
            }
        }
    }
    // 5.-7.
    return TrefferOrdnen(treffer, n, A, kA, B, kB);
}

namespace {

// Where StreckenSchnitt puts the crossing of P1P2 with P3P4, in its own expressions.
TPunkt2D Schnittpunkt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3,
                      const TPunkt2D& P4) {
    const double x1 = P1.u, y1 = P1.v, x2 = P2.u, y2 = P2.v;
    const double x3 = P3.u, y3 = P3.v, x4 = P4.u, y4 = P4.v;
    const double den = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    const double t = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / den;
    return {x3 + t * (x4 - x3), y3 + t * (y4 - y3)};
}

// DreieckSchnitt for corners that are whole numbers within ExakteGrenze (see below). There
// every cross product is exact, so PunktImDreieck is the strict test "left of all three edges"
// and StreckenSchnitt's s and t lie in [0, 1] exactly when the end points of each segment are
// not on the same side of the other's line: nine cross products per triangle decide all tests
// without a division, and only the crossings found are computed.
TDreieckSchnitt DreieckSchnittGanz(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                                   TPunkt2D B2) {
    TPunkt2D A[3] = {A0, A1, A2};
    TPunkt2D B[3] = {B0, B1, B2};
    const double kreuzA = Kreuz(A[0], A[1], A[2]), kreuzB = Kreuz(B[0], B[1], B[2]);
    if (kreuzA == 0 || kreuzB == 0) {
        return {}; // doubled area 0, below the 1e-4 of the degeneracy test
    }
    if (kreuzA < 0) {
        std::swap(A[1], A[2]);
    }
    if (kreuzB < 0) {
        std::swap(B[1], B[2]);
    }
    // seiteB[k][i]: where B[i] lies to the line of A's edge k; seiteA the other way round.
    double seiteB[3][3], seiteA[3][3];
    bool innenB[3], innenA[3];
    int kB = 0, kA = 0;
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 3; ++i) {
            seiteB[k][i] = Kreuz(A[k], A[(k + 1) % 3], B[i]);
            seiteA[k][i] = Kreuz(B[k], B[(k + 1) % 3], A[i]);
        }
    }
    for (int i = 0; i < 3; ++i) {
        innenB[i] = seiteB[0][i] > 0 && seiteB[1][i] > 0 && seiteB[2][i] > 0;
        innenA[i] = seiteA[0][i] > 0 && seiteA[1][i] > 0 && seiteA[2][i] > 0;
        kB += innenB[i] ? 1 : 0;
        kA += innenA[i] ? 1 : 0;
    }
    // kreuzt[a][b]: edge a of A meets edge b of B; the lines are not parallel when the end
    // points of one edge lie differently to the other's line.
    const auto gegenueber = [](double x, double y) {
        return x != y && ((x <= 0 && y >= 0) || (x >= 0 && y <= 0));
    };
    bool kreuzt[3][3];
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
            kreuzt[a][b] = gegenueber(seiteA[b][a], seiteA[b][(a + 1) % 3]) &&
                           gegenueber(seiteB[a][b], seiteB[a][(b + 1) % 3]);
        }
    }
    const int startA = InnereNachVorn(A, innenA);
    const int startB = InnereNachVorn(B, innenB);
    const bool getauscht = kB > kA;
    if (getauscht) {
        std::swap(A, B);
        std::swap(kA, kB);
    }
    const int startErster = getauscht ? startB : startA;
    const int startZweiter = getauscht ? startA : startB;
    TPunkt2D treffer[9];
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        const int erste = (startErster + i) % 3;
        for (int j = 0; j < 3; ++j) {
            const int zweite = (startZweiter + j) % 3;
            if (getauscht ? kreuzt[zweite][erste] : kreuzt[erste][zweite]) {
                treffer[n++] = Schnittpunkt(A[i], A[(i + 1) % 3], B[j], B[(j + 1) % 3]);
            }
        }
    }
    return TrefferOrdnen(treffer, n, A, kA, B, kB);
}

} // namespace

namespace {

// Inputs that are whole numbers this small have exact cross products in StreckenSchnitt and
// PunktImDreieck (differences below 2^21, products below 2^43), so their tests decide as exact
// arithmetic would.
constexpr double ExakteGrenze = 1 << 20;

struct TKasten {
    double umin, umax, vmin, vmax;
    bool ganz; // every coordinate a whole number within ExakteGrenze
};

TKasten Kasten(std::span<const TPunkt2D> p) {
    TKasten k{p[0].u, p[0].u, p[0].v, p[0].v, true};
    for (const TPunkt2D& q : p) {
        k.umin = std::min(k.umin, q.u);
        k.umax = std::max(k.umax, q.u);
        k.vmin = std::min(k.vmin, q.v);
        k.vmax = std::max(k.vmax, q.v);
        // Within the bound the truncation to int is defined and gives the value back exactly
        // when it is whole (a NaN fails the bound).
        const bool imBereich = std::fabs(q.u) <= ExakteGrenze && std::fabs(q.v) <= ExakteGrenze;
        k.ganz = k.ganz && imBereich && q.u == static_cast<double>(static_cast<int>(q.u)) &&
                 q.v == static_cast<double>(static_cast<int>(q.v));
    }
    return k;
}

// Boxes apart: with exact tests, two figures in them have no edge crossing and no corner
// inside the other, so their triangle pairs add nothing to the pool.
bool Getrennt(const TKasten& a, const TKasten& b) {
    return a.umax < b.umin || b.umax < a.umin || a.vmax < b.vmin || b.vmax < a.vmin;
}

TKasten Dreieckskasten(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return {std::min({p0.u, p1.u, p2.u}), std::max({p0.u, p1.u, p2.u}),
            std::min({p0.v, p1.v, p2.v}), std::max({p0.v, p1.v, p2.v}), true};
}

// Step 1 into p, which has room for the bound 6 (nT - 2) (nS - 2); returns the pool's size.
// exakt: both inputs are whole numbers within ExakteGrenze, so triangle pairs whose boxes are
// apart can be passed over.
int EckenpoolIn(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S, TPunkt2D* pool,
                bool exakt) {
    const int nT = static_cast<int>(T.size()), nS = static_cast<int>(S.size());
    if (nT < 3 || nS < 3) {
        return 0;
    }
    TKasten sKasten[TPolygon::Kapazitaet];
    if (exakt) {
        for (int j = 1; j <= nS - 2 && j < TPolygon::Kapazitaet; ++j) {
            sKasten[j] = Dreieckskasten(S[0], S[j], S[j + 1]);
        }
    }
    int n = 0;
    for (int i = 1; i <= nT - 2; ++i) {
        const TKasten tKasten = exakt ? Dreieckskasten(T[0], T[i], T[i + 1]) : TKasten{};
        for (int j = 1; j <= nS - 2; ++j) {
            if (exakt && j < TPolygon::Kapazitaet && Getrennt(tKasten, sKasten[j])) {
                continue;
            }
            const TDreieckSchnitt d =
                exakt ? DreieckSchnittGanz(T[0], T[i], T[i + 1], S[0], S[j], S[j + 1])
                      : DreieckSchnitt(T[0], T[i], T[i + 1], S[0], S[j], S[j + 1]);
            for (int k = 0; k < d.Anzahl; ++k) {
                const TPunkt2D& p = d.Ecken[static_cast<std::size_t>(k)];
                bool schonDa = false;
                for (int m = 0; m < n; ++m) {
                    if (std::fabs(pool[m].u - p.u) < 1e-3 && std::fabs(pool[m].v - p.v) < 1e-3) {
                        schonDa = true;
                        break;
                    }
                }
                if (!schonDa) {
                    pool[n++] = p;
                }
            }
        }
    }
    return n;
}

// Whole-number outlines this small cannot be pooled into a corner farther than 3e-11 from where
// exact arithmetic puts it (see DurchKanteGetrennt).
constexpr double TrennGrenze = 1 << 15;

// Is there an edge of A whose line has every corner of A on one closed side and every corner of
// B on the other? Then each fan-triangle pair meets at most on that line: no corner is strictly
// inside the other triangle, and the exact crossings lie on the line. With whole-number corners
// within TrennGrenze each pooled crossing lies within 3e-11 of it, so every three of them span
// a doubled area far below the 1e-4 at which the last step drops a corner: the result is empty,
// as the full computation would find. vorzeichen: the orientation of A (+1 or -1).
bool KanteTrennt(std::span<const TPunkt2D> A, std::span<const TPunkt2D> B, double vorzeichen) {
    const std::size_t n = A.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TPunkt2D& a = A[i];
        const TPunkt2D& b = A[i + 1 < n ? i + 1 : 0];
        if (a.u == b.u && a.v == b.v) {
            continue; // no line
        }
        bool getrennt = true;
        for (std::size_t k = 0; k < B.size() && getrennt; ++k) {
            getrennt = vorzeichen * Kreuz(a, b, B[k]) <= 0;
        }
        for (std::size_t k = 0; k < n && getrennt; ++k) {
            getrennt = vorzeichen * Kreuz(a, b, A[k]) >= 0;
        }
        if (getrennt) {
            return true;
        }
    }
    return false;
}

// Twice the signed area; exact for whole numbers within TrennGrenze.
double DoppelteUmlaufflaeche(std::span<const TPunkt2D> p) {
    double summe = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const TPunkt2D& a = p[i];
        const TPunkt2D& b = p[i + 1 < p.size() ? i + 1 : 0];
        summe += a.u * b.v - b.u * a.v;
    }
    return summe;
}

bool DurchKanteGetrennt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    const double t = DoppelteUmlaufflaeche(T), s = DoppelteUmlaufflaeche(S);
    return (t != 0 && KanteTrennt(T, S, t > 0 ? 1 : -1)) ||
           (s != 0 && KanteTrennt(S, T, s > 0 ? 1 : -1));
}

bool Klein(const TKasten& k) {
    return std::max({-k.umin, k.umax, -k.vmin, k.vmax}) <= TrennGrenze;
}

std::size_t Poolgrenze(std::size_t nT, std::size_t nS) {
    return nT < 3 || nS < 3 ? 0 : 6 * (nT - 2) * (nS - 2);
}

} // namespace

std::vector<TPunkt2D> Eckenpool(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    std::vector<TPunkt2D> pool(Poolgrenze(T.size(), S.size()));
    const bool exakt = pool.size() > 0 && Kasten(T).ganz && Kasten(S).ganz;
    pool.resize(static_cast<std::size_t>(EckenpoolIn(T, S, pool.data(), exakt)));
    return pool;
}

bool HuellendreieckEntartet(const TPunkt2D& a, const TPunkt2D& b, const TPunkt2D& c) {
    return DoppelteFlaeche(a, b, c) < 1e-4;
}

namespace {

// Convex hull corners of a large pool by the monotone chain, kept in pool order. The literal
// filter is of fourth order; element outlines never pool more than a few dozen corners, but
// polygons from damaged input could pool thousands and would not finish.
int GrosseHuelle(TPunkt2D* pool, int anzahl) {
    const std::size_t n = static_cast<std::size_t>(anzahl);
    std::vector<std::size_t> index(n);
    for (std::size_t i = 0; i < n; ++i) {
        index[i] = i;
    }
    std::sort(index.begin(), index.end(), [pool](std::size_t a, std::size_t b) {
        return pool[a].u < pool[b].u || (pool[a].u == pool[b].u && pool[a].v < pool[b].v);
    });
    const auto kreuz = [pool](std::size_t o, std::size_t a, std::size_t b) {
        return Kreuz(pool[o], pool[a], pool[b]);
    };
    std::vector<std::size_t> h(2 * n);
    std::size_t k = 0;
    for (const std::size_t i : index) {
        while (k >= 2 && kreuz(h[k - 2], h[k - 1], i) <= 0) {
            --k;
        }
        h[k++] = i;
    }
    for (std::size_t j = n - 1, t = k + 1; j > 0; --j) {
        while (k >= t && kreuz(h[k - 2], h[k - 1], index[j - 1]) <= 0) {
            --k;
        }
        h[k++] = index[j - 1];
    }
    std::vector<char> ecke(n, 0);
    for (std::size_t i = 0; i + 1 < k; ++i) {
        ecke[h[i]] = 1;
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
           PunktImDreieck(pool[a], pool[b], pool[c], pool[d]);
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

// Corners of the pool's convex hull, counter-clockwise, by the monotone chain over indices.
// Only a guide: what it finds is confirmed below with margins or with the literal test.
int HuellenEcken(const TPunkt2D* pool, int n, int* h) {
    int index[GrosserPool];
    for (int i = 0; i < n; ++i) {
        index[i] = i;
    }
    std::sort(index, index + n, [pool](int a, int b) {
        return pool[a].u < pool[b].u || (pool[a].u == pool[b].u && pool[a].v < pool[b].v);
    });
    int k = 0;
    for (int j = 0; j < n; ++j) {
        while (k >= 2 && Kreuz(pool[h[k - 2]], pool[h[k - 1]], pool[index[j]]) <= 0) {
            --k;
        }
        h[k++] = index[j];
    }
    for (int j = n - 1, t = k + 1; j > 0; --j) {
        while (k >= t && Kreuz(pool[h[k - 2]], pool[h[k - 1]], pool[index[j - 1]]) <= 0) {
            --k;
        }
        h[k++] = index[j - 1];
    }
    return k - 1;
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
    for (int a = 0; a < n; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        for (int x = a + 1; x < n; ++x) {
            const double xxax = pool[x].u - ax, xyay = pool[x].v - ay;
            TMaske pos = 0, neg = 0, weitPos = 0, weitNeg = 0;
            for (int o = 0; o < anzahlOffen; ++o) {
                const TPunkt2D& d = pool[offen[o]];
                const double z = (d.u - ax) * xyay - (d.v - ay) * xxax;
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
    }
    TMaske noch = anzahlOffen == 64 ? ~TMaske{0} : (TMaske{1} << anzahlOffen) - 1;
    for (int a = 0; a < n && noch != 0; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        for (int b = a + 1; b < n && noch != 0; ++b) {
            const TMaske bPos = positiv[a][b] & noch, bNeg = negativ[a][b] & noch;
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

    int h[2 * GrosserPool];
    const int m = HuellenEcken(pool, n, h);
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

    int offen[GrosserPool];
    int anzahlOffen = 0;
    for (int d = 0; d < n; ++d) {
        if (stand[d] == Ecke) {
            continue;
        }
        for (int f = 0; f < 2 && f < m && stand[d] == Offen; ++f) {
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

// Step 6 on the first n points; returns how many remain.
int GeradeEckenEntfernenIn(TPunkt2D* h, int n) {
    int k = 0;
    while (k < n) {
        const TPunkt2D& prev = h[(k + n - 1) % n];
        const TPunkt2D& cur = h[k];
        const TPunkt2D& next = h[(k + 1) % n];
        if (std::fabs((next.v - prev.v) * (prev.u - cur.u) - (next.u - prev.u) * (prev.v - cur.v)) <
            1e-4) {
            std::copy(h + k + 1, h + n, h + k);
            --n;
        } else {
            ++k;
        }
    }
    return n;
}

} // namespace

void Huellenfilter(std::vector<TPunkt2D>& pool) {
    pool.resize(
        static_cast<std::size_t>(HuellenfilterIn(pool.data(), static_cast<int>(pool.size()))));
}

void NachWinkelOrdnen(std::vector<TPunkt2D>& punkte) {
    std::vector<double> winkel(punkte.size());
    NachWinkelOrdnen(punkte.data(), winkel.data(), static_cast<int>(punkte.size()));
}

void GeradeEckenEntfernen(std::vector<TPunkt2D>& h) {
    h.resize(
        static_cast<std::size_t>(GeradeEckenEntfernenIn(h.data(), static_cast<int>(h.size()))));
}

TPunkt2D* TPolygonSchnittPuffer::Bereitstellen(std::size_t n) {
    if (n <= Lokal) {
        ecken_ = std::launder(reinterpret_cast<TPunkt2D*>(lokaleEcken_));
        winkel_ = lokaleWinkel_;
    } else {
        grosseEcken_.resize(n);
        grosseWinkel_.resize(n);
        ecken_ = grosseEcken_.data();
        winkel_ = grosseWinkel_.data();
    }
    return ecken_;
}

std::vector<TPunkt2D> PolygonSchnitt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    std::vector<TPunkt2D> ergebnis;
    TPolygonSchnittPuffer puffer;
    const int n = PolygonSchnitt(T, S, puffer);
    ergebnis.assign(puffer.Ecken(), puffer.Ecken() + n);
    return ergebnis;
}

int PolygonSchnitt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S,
                   TPolygonSchnittPuffer& puffer) {
    const std::size_t grenze = Poolgrenze(T.size(), S.size());
    if (grenze == 0) {
        return 0;
    }
    const TKasten t = Kasten(T), s = Kasten(S);
    const bool exakt = t.ganz && s.ganz;
    if (exakt && Getrennt(t, s)) {
        return 0; // no triangle pair can add a corner
    }
    if (exakt && Klein(t) && Klein(s) && DurchKanteGetrennt(T, S)) {
        return 0;
    }
    TPunkt2D* p = puffer.Bereitstellen(grenze);
    int n = EckenpoolIn(T, S, p, exakt);
    n = HuellenfilterIn(p, n);
    NachWinkelOrdnen(p, puffer.Winkel(), n);
    return GeradeEckenEntfernenIn(p, n);
}

} // namespace umbrarix
