#include "shadow/GanzzahligeAbkuerzungen.h"

#include "shadow/Schnittbausteine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace umbrarix::intern {

namespace {

// Whole numbers this small have exact cross products (see AbkuerzungWaehlen).
constexpr double ExakteGrenze = 1 << 20;

// Whole-number outlines this small cannot be pooled into a corner farther than 3e-11 from where
// exact arithmetic puts it (see AbkuerzungWaehlen).
constexpr double TrennGrenze = 1 << 15;

bool Klein(const TKasten& k) {
    return std::max({-k.umin, k.umax, -k.vmin, k.vmax}) <= TrennGrenze;
}

bool Getrennt(const TKasten& a, const TKasten& b) {
    return a.umax < b.umin || b.umax < a.umin || a.vmax < b.vmin || b.vmax < a.vmin;
}

TKasten Dreieckskasten(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return {std::min({p0.u, p1.u, p2.u}), std::max({p0.u, p1.u, p2.u}),
            std::min({p0.v, p1.v, p2.v}), std::max({p0.v, p1.v, p2.v}), true};
}

// Where StreckenSchnitt puts the crossing of P1P2 with P3P4, in its own expressions.
TPunkt2D Schnittpunkt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3,
                      const TPunkt2D& P4) {
    const double x1 = P1.u, y1 = P1.v, x2 = P2.u, y2 = P2.v;
    const double x3 = P3.u, y3 = P3.v, x4 = P4.u, y4 = P4.v;
    const double den = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    const double t = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / den;
    return {x3 + t * (x4 - x3), y3 + t * (y4 - y3)};
}

// DreieckSchnitt for corners that are whole numbers within ExakteGrenze: nine cross products
// per triangle decide all tests without a division (see AbkuerzungWaehlen), and only the
// crossings found are computed.
// Writes the corners to ecken (room for 16) and returns their number.
int DreieckSchnittGanz(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1, TPunkt2D B2,
                       TPunkt2D* ecken) {
    TPunkt2D A[3] = {A0, A1, A2};
    TPunkt2D B[3] = {B0, B1, B2};
    const double kreuzA = Kreuz(A[0], A[1], A[2]), kreuzB = Kreuz(B[0], B[1], B[2]);
    if (kreuzA == 0 || kreuzB == 0) {
        return 0; // doubled area 0, below the 1e-4 of the degeneracy test
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
    // An edge line with the whole other triangle strictly outside: no corner lies inside the
    // other triangle and, the signs being exact, no edges cross, so nothing is pooled.
    for (int k = 0; k < 3; ++k) {
        if ((seiteB[k][0] < 0 && seiteB[k][1] < 0 && seiteB[k][2] < 0) ||
            (seiteA[k][0] < 0 && seiteA[k][1] < 0 && seiteA[k][2] < 0)) {
            return 0;
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
    // The sides are whole numbers below 2^43, so their product keeps its sign (without a branch
    // per test: these are the most frequent decisions of the pooling).
    const auto gegenueber = [](double x, double y) { return (x != y) & (x * y <= 0); };
    bool kreuzt[3][3];
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
            kreuzt[a][b] = gegenueber(seiteA[b][a], seiteA[b][(a + 1) % 3]) &
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
    // The crossings in the turned corners' order, bit 3 i + j for edge i of A and j of B;
    // most pairs have none or two, so only those are visited.
    constexpr int Folge[5] = {0, 1, 2, 0, 1};
    unsigned welche = 0;
    for (int i = 0; i < 3; ++i) {
        const int erste = Folge[startErster + i];
        for (int j = 0; j < 3; ++j) {
            const int zweite = Folge[startZweiter + j];
            welche |= unsigned{getauscht ? kreuzt[zweite][erste] : kreuzt[erste][zweite]}
                      << (3 * i + j);
        }
    }
    TEckenfeld<9> treffer;
    int n = 0;
    for (; welche != 0; welche &= welche - 1) {
        const int k = std::countr_zero(welche);
        const int i = k / 3, j = k % 3;
        treffer[n++] = Schnittpunkt(A[i], A[Folge[i + 1]], B[j], B[Folge[j + 1]]);
    }
    return TrefferOrdnen(treffer.data(), n, A, kA, B, kB, ecken);
}

// Is there an edge of A whose line has every corner of A on one closed side and every corner of
// B on the other? vorzeichen: the orientation of A (+1 or -1).
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

} // namespace

// The one place that decides where the intersection of T and S may leave the literal steps;
// each shortcut gives exactly what the literal steps give.
// - ganz: every corner of both is a whole number within ExakteGrenze. Then every cross product
//   in StreckenSchnitt and PunktImDreieck is exact (differences below 2^21, products below
//   2^43), so PunktImDreieck is the strict test "left of all three edges" and StreckenSchnitt's
//   s and t lie in [0, 1] exactly when the end points of each segment are not on the same side
//   of the other's line: DreieckSchnittGanz decides both by signs and finds DreieckSchnitt's
//   corners. Two fan triangles whose boxes are apart have no edge crossing and no corner inside
//   the other, so they add nothing to the pool and EckenpoolGanzIn passes them over.
// - leer, as ganz and the boxes of T and S apart: as for the triangles, no pair adds a corner.
// - leer, as ganz, both within TrennGrenze and an edge of one with every corner of its outline
//   on one closed side of its line and every corner of the other on the other side: each
//   fan-triangle pair meets at most on that line, no corner is strictly inside the other
//   triangle and the exact crossings lie on the line. Within TrennGrenze each pooled crossing
//   lies within 3e-11 of it, so every three of them span a doubled area far below the 1e-4 at
//   which the last step drops a corner: the result is empty, as the full computation would find.
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

TKasten GanzzahlKasten(std::span<const TPunkt2D> p) {
    TKasten k{p[0].u, p[0].u, p[0].v, p[0].v, true};
    double groesste = 0;
    for (const TPunkt2D& q : p) {
        k.umin = std::min(k.umin, q.u);
        k.umax = std::max(k.umax, q.u);
        k.vmin = std::min(k.vmin, q.v);
        k.vmax = std::max(k.vmax, q.v);
        groesste = std::max({groesste, std::fabs(q.u), std::fabs(q.v)});
    }
    k.ganz = groesste <= ExakteGrenze;
    return k;
}

TAbkuerzung AbkuerzungWaehlen(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    if (T.size() < 3 || S.size() < 3) {
        return {}; // nothing to pool
    }
    return AbkuerzungWaehlen(T, Kasten(T), S, Kasten(S));
}

TAbkuerzung AbkuerzungWaehlen(std::span<const TPunkt2D> T, const TKasten& t,
                              std::span<const TPunkt2D> S, const TKasten& s) {
    if (T.size() < 3 || S.size() < 3) {
        return {}; // nothing to pool
    }
    TAbkuerzung a;
    a.ganz = t.ganz && s.ganz;
    a.leer = a.ganz && (Getrennt(t, s) || (Klein(t) && Klein(s) && DurchKanteGetrennt(T, S)));
    return a;
}

// Step 1 as EckenpoolIn, with the exact triangle intersection and triangle pairs whose boxes are
// apart passed over.
int EckenpoolGanzIn(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S, TPunkt2D* pool) {
    const int nT = static_cast<int>(T.size()), nS = static_cast<int>(S.size());
    if (nT < 3 || nS < 3) {
        return 0;
    }
    TKasten sKasten[TPolygon::Kapazitaet];
    for (int j = 1; j <= nS - 2 && j < TPolygon::Kapazitaet; ++j) {
        sKasten[j] = Dreieckskasten(S[0], S[j], S[j + 1]);
    }
    int n = 0;
    for (int i = 1; i <= nT - 2; ++i) {
        const TKasten tKasten = Dreieckskasten(T[0], T[i], T[i + 1]);
        for (int j = 1; j <= nS - 2; ++j) {
            if (j < TPolygon::Kapazitaet && Getrennt(tKasten, sKasten[j])) {
                continue;
            }
            TEckenfeld<16> ecken;
            const int k =
                DreieckSchnittGanz(T[0], T[i], T[i + 1], S[0], S[j], S[j + 1], ecken.data());
            n = EckenAufnehmen(pool, n, ecken.data(), k);
        }
    }
    return n;
}

} // namespace umbrarix::intern
