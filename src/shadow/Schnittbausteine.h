#pragma once

// Pieces of the literal intersection that the whole-number shortcuts and the hull filter use
// as well; inline, since they run once per triangle pair or per pooled point.

#include "shadow/PolygonSchnitt.h"

#include <cmath>

namespace umbrarix::intern {

inline double Kreuz(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return (p1.u - p0.u) * (p2.v - p0.v) - (p1.v - p0.v) * (p2.u - p0.u);
}

// Twice the area of a triangle, as the degeneracy test of DreieckSchnitt writes it.
inline double DoppelteFlaeche(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return std::fabs((p2.v - p0.v) * (p0.u - p1.u) - (p2.u - p0.u) * (p0.v - p1.v));
}

// Turns the corners cyclically so that the inside ones come first in their cyclic order.
inline int InnereNachVorn(TPunkt2D (&d)[3], const bool (&innen)[3]) {
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

// PunktImDreieck's decision on the quotients p and q of a point: strictly inside, and off the
// third side by more than a rounding. The literal hull tests decide with it too.
inline bool QuotientenInnen(double p, double q) {
    return p > 0 && q > 0 && p < 1 && q < 1 && p + q < 0.9999999999999;
}

// PunktImDreieck in the open, so that DreieckSchnitt, which calls it six times, and the hull
// filter, which calls it per point and triangle, can take it in line.
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
    return QuotientenInnen(p, q);
}

// Steps 5 to 7 of DreieckSchnitt on the edge crossings found and the inside corners: later
// crossings within 1e-4 of an earlier one dropped, inside corners added, angle order. Writes
// the corners to ecken (room for 16) and returns their number.
int TrefferOrdnen(TPunkt2D* treffer, int n, const TPunkt2D (&A)[3], int kA, const TPunkt2D (&B)[3],
                  int kB, TPunkt2D* ecken);

// Step 1 for one triangle pair: adds its anzahl corners to the first n points of pool, each
// unless one within 1e-3 (in u and in v) is there already; returns the new count.
inline int EckenAufnehmen(TPunkt2D* pool, int n, const TPunkt2D* ecken, int anzahl) {
    for (int k = 0; k < anzahl; ++k) {
        const TPunkt2D& p = ecken[k];
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
    return n;
}

} // namespace umbrarix::intern
