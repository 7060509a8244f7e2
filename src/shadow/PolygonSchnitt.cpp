#include "shadow/PolygonSchnitt.h"

#include "shadow/GanzzahligeAbkuerzungen.h"
#include "shadow/Huellenfilter.h"
#include "shadow/Schnittbausteine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <numbers>
#include <utility>

namespace umbrarix {

using namespace intern;

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

// The order of the exchange sort below when every two stand-ins lie more than Winkelabstand
// apart: then each of its comparisons is decided by the stand-ins, and the order it leaves,
// descending without ties, is the one any sort finds. Insertion sorts the few points of a
// triangle pair with fewer moves. Returns false, leaving p as it was, when two lie nearer or a
// stand-in is NaN.
bool GetrenntOrdnen(TPunkt2D* p, int n, double gu, double gv) {
    double schluessel[16];
    TEckenfeld<16> punkte;
    for (int i = 0; i < n; ++i) {
        const double w = Pseudowinkel(p[i].u - gu, p[i].v - gv);
        if (std::isnan(w)) {
            return false;
        }
        int j = i;
        for (; j > 0 && schluessel[j - 1] < w; --j) {
            schluessel[j] = schluessel[j - 1];
            punkte[j] = punkte[j - 1];
        }
        schluessel[j] = w;
        punkte[j] = p[i];
    }
    for (int i = 1; i < n; ++i) {
        if (!(schluessel[i - 1] - schluessel[i] > Winkelabstand)) {
            return false;
        }
    }
    for (int i = 0; i < n; ++i) { // a loop: std::copy would call memmove for a few corners
        p[i] = punkte[i];
    }
    return true;
}

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
    if (n <= 16 && GetrenntOrdnen(p, n, gu, gv)) {
        return;
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

// StreckenSchnitt in the open, so that DreieckSchnitt, which calls it nine times, can take it
// in line.
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

int DreieckSchnittIn(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1, TPunkt2D B2,
                     TPunkt2D* ecken);

// Step 1 into pool, which has room for Poolgrenze points; returns the pool's size.
int EckenpoolIn(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S, TPunkt2D* pool) {
    const int nT = static_cast<int>(T.size()), nS = static_cast<int>(S.size());
    if (nT < 3 || nS < 3) {
        return 0;
    }
    int n = 0;
    for (int i = 1; i <= nT - 2; ++i) {
        for (int j = 1; j <= nS - 2; ++j) {
            TEckenfeld<16> ecken;
            const int k =
                DreieckSchnittIn(T[0], T[i], T[i + 1], S[0], S[j], S[j + 1], ecken.data());
            n = EckenAufnehmen(pool, n, ecken.data(), k);
        }
    }
    return n;
}

std::size_t Poolgrenze(std::size_t nT, std::size_t nS) {
    return nT < 3 || nS < 3 ? 0 : 6 * (nT - 2) * (nS - 2);
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
            for (int i = k; i + 1 < n; ++i) { // forward, as the copy onto itself needs
                h[i] = h[i + 1];
            }
            --n;
        } else {
            ++k;
        }
    }
    return n;
}

} // namespace

namespace intern {

// Steps 5 to 7 of DreieckSchnitt on the edge crossings found and the inside corners: later
// crossings within 1e-4 of an earlier one dropped, inside corners added, angle order.
int TrefferOrdnen(TPunkt2D* treffer, int n, const TPunkt2D (&A)[3], int kA, const TPunkt2D (&B)[3],
                  int kB, TPunkt2D* ecken) {
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
    int anzahl = 0;
    for (int i = 0; i < n; ++i) {
        ecken[anzahl++] = treffer[i];
    }
    for (int i = 0; i < kA && i < 3; ++i) {
        ecken[anzahl++] = A[i];
    }
    if (kB == 1) {
        ecken[anzahl++] = B[0];
    }
    double winkel[16];
    NachWinkelOrdnen(ecken, winkel, anzahl);
    return anzahl;
}

} // namespace intern

bool StreckenSchnitt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3, const TPunkt2D& P4,
                     TPunkt2D& punkt) {
    return StreckenSchnittIntern(P1, P2, P3, P4, punkt);
}

bool PunktImDreieck(const TPunkt2D& A, const TPunkt2D& B, const TPunkt2D& C, const TPunkt2D& P) {
    return PunktImDreieckIntern(A, B, C, P);
}

namespace {

// DreieckSchnitt into ecken (room for 16); returns the number of corners.
int DreieckSchnittIn(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1, TPunkt2D B2,
                     TPunkt2D* ecken) {
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
        return 0;
    }
    // 4. Edge crossings.
    TEckenfeld<9> treffer;
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
    return TrefferOrdnen(treffer.data(), n, A, kA, B, kB, ecken);
}

} // namespace

TDreieckSchnitt DreieckSchnitt(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                               TPunkt2D B2) {
    TDreieckSchnitt e;
    e.Anzahl = DreieckSchnittIn(A0, A1, A2, B0, B1, B2, e.Ecken.data());
    return e;
}

std::vector<TPunkt2D> Eckenpool(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    std::vector<TPunkt2D> pool(Poolgrenze(T.size(), S.size()));
    // Only the choice of the exact pool applies here: an empty result still has its pool.
    const int n = AbkuerzungWaehlen(T, S).ganz ? EckenpoolGanzIn(T, S, pool.data())
                                               : EckenpoolIn(T, S, pool.data());
    pool.resize(static_cast<std::size_t>(n));
    return pool;
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
        ecken_ = lokaleEcken_.data();
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

namespace {

// The literal steps, with a shortcut wherever AbkuerzungWaehlen proved it gives the same.
int PolygonSchnittNachWahl(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S,
                           const TAbkuerzung& abkuerzung, TPolygonSchnittPuffer& puffer) {
    if (abkuerzung.leer) {
        return 0;
    }
    TPunkt2D* p = puffer.Bereitstellen(Poolgrenze(T.size(), S.size()));
    int n = abkuerzung.ganz ? EckenpoolGanzIn(T, S, p) : EckenpoolIn(T, S, p);
    n = HuellenfilterIn(p, n);
    NachWinkelOrdnen(p, puffer.Winkel(), n);
    return GeradeEckenEntfernenIn(p, n);
}

} // namespace

int PolygonSchnitt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S,
                   TPolygonSchnittPuffer& puffer) {
    if (Poolgrenze(T.size(), S.size()) == 0) {
        return 0;
    }
    return PolygonSchnittNachWahl(T, S, AbkuerzungWaehlen(T, S), puffer);
}

int PolygonSchnitt(std::span<const TPunkt2D> T, const TKasten& tKasten, std::span<const TPunkt2D> S,
                   TPolygonSchnittPuffer& puffer) {
    if (Poolgrenze(T.size(), S.size()) == 0) {
        return 0;
    }
    return PolygonSchnittNachWahl(T, S, AbkuerzungWaehlen(T, tKasten, S, GanzzahlKasten(S)),
                                  puffer);
}

} // namespace umbrarix
