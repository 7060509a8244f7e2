#pragma once

// Test helpers: random convex polygons on the centimetre grid and an independent clipper
// (Sutherland-Hodgman against each edge of a convex window) to check PolygonSchnitt against.

#include "model/Punkte.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace umbrarix::testhilfen {

inline double Kreuz(const TPunkt2D& o, const TPunkt2D& a, const TPunkt2D& b) {
    return (a.u - o.u) * (b.v - o.v) - (a.v - o.v) * (b.u - o.u);
}

// Convex hull (counter-clockwise, no collinear corners) by the monotone chain.
inline std::vector<TPunkt2D> KonvexeHuelle(std::vector<TPunkt2D> p) {
    std::sort(p.begin(), p.end(), [](const TPunkt2D& a, const TPunkt2D& b) {
        return a.u < b.u || (a.u == b.u && a.v < b.v);
    });
    p.erase(
        std::unique(p.begin(), p.end(),
                    [](const TPunkt2D& a, const TPunkt2D& b) { return a.u == b.u && a.v == b.v; }),
        p.end());
    if (p.size() < 3) {
        return {};
    }
    std::vector<TPunkt2D> h(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && Kreuz(h[k - 2], h[k - 1], p[i]) <= 0) {
            --k;
        }
        h[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && Kreuz(h[k - 2], h[k - 1], p[i - 1]) <= 0) {
            --k;
        }
        h[k++] = p[i - 1];
    }
    h.resize(k - 1);
    return h;
}

inline double Flaeche2D(const std::vector<TPunkt2D>& p) {
    double s = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const TPunkt2D& a = p[i];
        const TPunkt2D& b = p[(i + 1) % p.size()];
        s += a.u * b.v - b.u * a.v;
    }
    return std::fabs(s) / 2;
}

inline double Umfang(const std::vector<TPunkt2D>& p) {
    double s = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const TPunkt2D& a = p[i];
        const TPunkt2D& b = p[(i + 1) % p.size()];
        s += std::hypot(b.u - a.u, b.v - a.v);
    }
    return s;
}

// Subject clipped by a counter-clockwise convex window.
inline std::vector<TPunkt2D> SutherlandHodgman(std::vector<TPunkt2D> subjekt,
                                               const std::vector<TPunkt2D>& fenster) {
    for (std::size_t i = 0; i < fenster.size() && !subjekt.empty(); ++i) {
        const TPunkt2D& a = fenster[i];
        const TPunkt2D& b = fenster[(i + 1) % fenster.size()];
        std::vector<TPunkt2D> aus;
        for (std::size_t j = 0; j < subjekt.size(); ++j) {
            const TPunkt2D& p = subjekt[j];
            const TPunkt2D& q = subjekt[(j + 1) % subjekt.size()];
            const double sp = Kreuz(a, b, p), sq = Kreuz(a, b, q);
            if (sp >= 0) {
                aus.push_back(p);
            }
            if ((sp >= 0) != (sq >= 0)) {
                const double t = sp / (sp - sq);
                aus.push_back({p.u + t * (q.u - p.u), p.v + t * (q.v - p.v)});
            }
        }
        subjekt = aus;
    }
    return subjekt;
}

// A random convex polygon with integer corners in [-bereich, bereich]^2, in random
// orientation and with a random first corner.
inline std::vector<TPunkt2D> ZufallsKonvex(std::mt19937& z, int bereich, int maxPunkte) {
    std::uniform_int_distribution<int> k(-bereich, bereich), anzahl(3, maxPunkte);
    for (;;) {
        std::vector<TPunkt2D> p(static_cast<std::size_t>(anzahl(z)));
        for (TPunkt2D& q : p) {
            q = {static_cast<double>(k(z)), static_cast<double>(k(z))};
        }
        std::vector<TPunkt2D> h = KonvexeHuelle(p);
        if (h.size() < 3) {
            continue;
        }
        std::rotate(h.begin(), h.begin() + static_cast<long>(z() % h.size()), h.end());
        if (z() % 2) {
            std::reverse(h.begin(), h.end());
        }
        return h;
    }
}

} // namespace umbrarix::testhilfen
