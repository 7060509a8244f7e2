#include "model/Geometrie.h"

#include "model/Runden.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

TDrehung::TDrehung(double a, double h) {
    const double ar = a * std::numbers::pi / 180.0;
    const double hr = h * std::numbers::pi / 180.0;
    const double sa = std::sin(ar), ca = std::cos(ar);
    const double sh = std::sin(hr), ch = std::cos(hr);
    const double z[3][3] = {{sa * ch, -sh, -ca * ch}, {sa * sh, ch, -ca * sh}, {ca, 0.0, sa}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m[i][j] = z[i][j];
            mt[j][i] = z[i][j];
        }
    }
}

TPunkt TDrehung::InWelt(const TIntPunkt& p) const {
    return MatrixMalVektor(
        m, TPunkt{static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)});
}

TPunkt InWeltDrehen(const TIntPunkt& p, double a, double h) {
    return TDrehung(a, h).InWelt(p);
}
TPunkt InWeltDrehen(const TPunkt& p, double a, double h) {
    return TDrehung(a, h).InWelt(p);
}
TVierEcken VierEcken(const TPolygon& p, const TDrehung& d) {
    TVierEcken e{};
    for (int k = 0; k < 4 && k < p.GueltigeAnzahl(); ++k) {
        e[static_cast<std::size_t>(k)] = d.InFassade(p[k]);
    }
    return e;
}

TIntPunkt InFassadeDrehen(const TPunkt& p, double a, double h) {
    return TDrehung(a, h).InFassade(p);
}

} // namespace umbrarix
