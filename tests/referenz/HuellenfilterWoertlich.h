#pragma once

// The hull filter in its literal form: every pooled point that PunktImDreieck finds
// strictly inside a triangle of three other pooled points whose doubled area is not below 1e-4
// is removed, every triple tried against every fourth point. It is the reference the fast filter
// must match bit for bit and the filter of the older evaluation for pools within GrosserPool.
// Being of fourth order in the pool size, it computes the triangle's terms once per triple with
// exactly PunktImDreieck's expressions, does not try points already marked again, and reads the
// sign of each quotient before dividing it out. None of this changes which points get marked.
// entartet(a, b, c) is the degeneracy test, passed in so that the older evaluation uses its own.

#include "model/Punkte.h"

#include <vector>

namespace umbrarix::testhilfen {

template <class FEntartet>
void HuellenfilterWoertlich(std::vector<TPunkt2D>& pool, FEntartet entartet) {
    const std::size_t n = pool.size();
    std::vector<char> innen(n, 0);
    for (std::size_t a = 0; a < n; ++a) {
        const double ax = pool[a].u, ay = pool[a].v;
        for (std::size_t b = a + 1; b < n; ++b) {
            const double bxax = pool[b].u - ax, byay = pool[b].v - ay;
            for (std::size_t c = b + 1; c < n; ++c) {
                const double cxax = pool[c].u - ax, cyay = pool[c].v - ay;
                if (bxax * cyay == byay * cxax || entartet(pool[a], pool[b], pool[c])) {
                    continue;
                }
                const double nennerP = bxax * cyay - byay * cxax;
                const double nennerQ = cxax * byay - cyay * bxax;
                for (std::size_t d = 0; d < n; ++d) {
                    if (innen[d] || d == a || d == b || d == c) {
                        continue;
                    }
                    const double pxax = pool[d].u - ax, pyay = pool[d].v - ay;
                    const double zaehlerP = pxax * cyay - pyay * cxax;
                    if (zaehlerP == 0 || (zaehlerP < 0) != (nennerP < 0)) {
                        continue; // p <= 0
                    }
                    const double p = zaehlerP / nennerP;
                    if (!(p > 0 && p < 1)) {
                        continue;
                    }
                    const double zaehlerQ = pxax * byay - pyay * bxax;
                    if (zaehlerQ == 0 || (zaehlerQ < 0) != (nennerQ < 0)) {
                        continue; // q <= 0
                    }
                    const double q = zaehlerQ / nennerQ;
                    if (q > 0 && q < 1 && p + q < 0.9999999999999) {
                        innen[d] = 1;
                    }
                }
            }
        }
    }
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!innen[i]) {
            pool[k++] = pool[i];
        }
    }
    pool.resize(k);
}

} // namespace umbrarix::testhilfen
