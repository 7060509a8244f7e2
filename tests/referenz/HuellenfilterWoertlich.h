#pragma once

// The hull filter written exactly as its description reads (every triple, every fourth point,
// PunktImDreieck each time), kept as the reference the fast filter must match bit for bit.

#include "shadow/PolygonSchnitt.h"

#include <vector>

namespace umbrarix::testhilfen {

inline void HuellenfilterWoertlich(std::vector<TPunkt2D>& pool) {
    const std::size_t n = pool.size();
    std::vector<char> innen(n, 0);
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            for (std::size_t c = b + 1; c < n; ++c) {
                if (HuellendreieckEntartet(pool[a], pool[b], pool[c])) {
                    continue;
                }
                for (std::size_t d = 0; d < n; ++d) {
                    if (d != a && d != b && d != c &&
                        PunktImDreieck(pool[a], pool[b], pool[c], pool[d])) {
                        innen[d] = 1;
                    }
                }
            }
        }
    }
    std::vector<TPunkt2D> rest;
    for (std::size_t i = 0; i < n; ++i) {
        if (!innen[i]) {
            rest.push_back(pool[i]);
        }
    }
    pool = rest;
}

} // namespace umbrarix::testhilfen
