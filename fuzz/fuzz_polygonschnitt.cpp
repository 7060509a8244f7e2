// Any polygons on the centimetre grid (32-bit coordinates, as the clipping receives them) and
// any finite world coordinates for SchattenZuschneiden: no crash, no hang, at most 32 corners
// stored, every corner of a result inside the bounding boxes of both inputs.

#include "model/Geometrie.h"
#include "shadow/PolygonSchnitt.h"
#include "shadow/Schattenwurf.h"

#include "Pruefen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using umbrarix::TPunkt2D;

struct TLeser {
    const std::uint8_t* d;
    std::size_t n, pos = 0;
    template <class T> T Lesen() {
        T wert{};
        if (pos + sizeof(T) <= n) {
            std::memcpy(&wert, d + pos, sizeof(T));
        }
        pos += sizeof(T);
        return wert;
    }
};

bool Innerhalb(const TPunkt2D& p, const std::vector<TPunkt2D>& poly) {
    double umin = 1e300, umax = -1e300, vmin = 1e300, vmax = -1e300;
    for (const TPunkt2D& q : poly) {
        umin = std::min(umin, q.u);
        umax = std::max(umax, q.u);
        vmin = std::min(vmin, q.v);
        vmax = std::max(vmax, q.v);
    }
    const double toleranz =
        1e-6 * (1 + std::max({std::fabs(umin), std::fabs(umax), std::fabs(vmin), std::fabs(vmax)}));
    return p.u >= umin - toleranz && p.u <= umax + toleranz && p.v >= vmin - toleranz &&
           p.v <= vmax + toleranz;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    TLeser l{daten, groesse};
    const int nT = 3 + l.Lesen<std::uint8_t>() % 10;
    const int nS = 3 + l.Lesen<std::uint8_t>() % 10;
    std::vector<TPunkt2D> T, S;
    for (int i = 0; i < nT; ++i) {
        T.push_back({static_cast<double>(l.Lesen<std::int32_t>()),
                     static_cast<double>(l.Lesen<std::int32_t>())});
    }
    for (int i = 0; i < nS; ++i) {
        S.push_back({static_cast<double>(l.Lesen<std::int32_t>()),
                     static_cast<double>(l.Lesen<std::int32_t>())});
    }
    for (const TPunkt2D& p : PolygonSchnitt(T, S)) {
        Pruefen(Innerhalb(p, T) && Innerhalb(p, S));
    }
    // World polygons of any finite coordinates, clipped in a tilted plane.
    TPolygon ziel, schatten;
    for (int i = 0; i < 4; ++i) {
        const double x = l.Lesen<double>(), y = l.Lesen<double>(), z = l.Lesen<double>();
        if (std::isfinite(x) && std::isfinite(y) && std::isfinite(z)) {
            (i % 2 ? ziel : schatten).Anhaengen({x, y, z});
            (i % 2 ? schatten : ziel).Anhaengen({z, x, y});
        }
    }
    const double a = static_cast<double>(l.Lesen<std::int16_t>() % 360);
    const double h = static_cast<double>(l.Lesen<std::int16_t>() % 720);
    const TPolygon r = SchattenZuschneiden(ziel, schatten, a, h);
    Pruefen(r.Anzahl >= 0 && r.Anzahl <= TPolygon::Kapazitaet);
    (void)Flaeche(r);
    return 0;
}
