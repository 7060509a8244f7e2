#pragma once

// Independent check of a shaded share: sample the receiving outline on a fine grid and cast a
// ray from every sample towards the sun; a sample is shaded when the ray meets a switched-on
// casting element. Nothing of the projection or clipping code is used.

#include "model/Szene.h"

#include <cmath>

namespace umbrarix::testhilfen {

inline TPunkt Diff(const TPunkt& a, const TPunkt& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline TPunkt Kreuz3(const TPunkt& a, const TPunkt& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Punkt3(const TPunkt& a, const TPunkt& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Does the ray p + t * d, t > 0, meet the flat convex quadrilateral q?
inline bool StrahlTrifftViereck(const TPunkt& p, const TPunkt& d, const TPolygon& q) {
    const TPunkt n = Kreuz3(Diff(q[1], q[0]), Diff(q[2], q[0]));
    const double nd = Punkt3(n, d);
    if (std::fabs(nd) < 1e-12 || Punkt3(n, n) < 1e-9) {
        return false; // ray parallel to the quad, or a quad without area
    }
    const double t = Punkt3(n, Diff(q[0], p)) / nd;
    if (t <= 1e-9) {
        return false;
    }
    const TPunkt x{p.x + t * d.x, p.y + t * d.y, p.z + t * d.z};
    int plus = 0, minus = 0;
    for (int i = 0; i < 4; ++i) {
        const double s = Punkt3(n, Kreuz3(Diff(q[(i + 1) % 4], q[i]), Diff(x, q[i])));
        plus += s > 0;
        minus += s < 0;
    }
    return plus == 0 || minus == 0;
}

// Shaded fraction of the rectangle ziel (corners 0, 1, 3 span it) for the sun direction.
inline double GestrahlterAnteil(const TSzene& s, const TPolygon& ziel, const TPunkt& sonne,
                                int schritte = 240) {
    const TPunkt a = ziel[0], ab = Diff(ziel[1], ziel[0]), ad = Diff(ziel[3], ziel[0]);
    const TEingabedaten& e = s.Eingaben;
    int schatten = 0;
    for (int i = 0; i < schritte; ++i) {
        for (int j = 0; j < schritte; ++j) {
            const double fu = (i + 0.5) / schritte, fv = (j + 0.5) / schritte;
            const TPunkt p{a.x + fu * ab.x + fv * ad.x, a.y + fu * ab.y + fv * ad.y,
                           a.z + fu * ab.z + fv * ad.z};
            const bool getroffen =
                (e.CheckBox_Ueberhang && StrahlTrifftViereck(p, sonne, s.Ueberhang.Polygon)) ||
                (e.CheckBox_Ueberhang && StrahlTrifftViereck(p, sonne, s.Volant.Polygon)) ||
                (e.CheckBox_MauerLinks && StrahlTrifftViereck(p, sonne, s.MauerLinks.Polygon)) ||
                (e.CheckBox_MauerRechts && StrahlTrifftViereck(p, sonne, s.MauerRechts.Polygon));
            schatten += getroffen;
        }
    }
    return static_cast<double>(schatten) / (schritte * schritte);
}

} // namespace umbrarix::testhilfen
