#pragma once

#include "model/Punkte.h"
#include "model/Runden.h"

#include <array>

namespace umbrarix {

using TMatrix = double[3][3];

// Component i = m[i][0]*v.x + m[i][1]*v.y + m[i][2]*v.z. In line: every clip turns each corner.
inline TPunkt MatrixMalVektor(const TMatrix& m, const TPunkt& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}
// In line: every shadow corner of every instant takes three.
inline double Skalarprodukt(const TPunkt& a, const TPunkt& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The rotation between the facade frame of tilt a and the world frame for facade azimuth h.
// Built once, it turns any number of points with exactly the arithmetic of the free functions
// below, so hot loops can hoist the sines and cosines without changing a single bit.
class TDrehung {
public:
    // a: tilt in degrees (90 = vertical, 180 = lying on the ground in front of the facade);
    // h: azimuth of the facade's outward normal in degrees, 0 = south, 90 = east.
    TDrehung(double a, double h);

    TPunkt InWelt(const TPunkt& p) const { return MatrixMalVektor(m, p); }
    TPunkt InWelt(const TIntPunkt& p) const;
    // World to facade frame, each component rounded to whole centimetres.
    TIntPunkt InFassade(const TPunkt& p) const {
        const TPunkt f = MatrixMalVektor(mt, p);
        return {RundenGanz(f.x), RundenGanz(f.y), RundenGanz(f.z)};
    }
    // (y, z) of InFassade: a corner in the plane x = 0, without turning its x.
    TPunkt2D InEbene(const TPunkt& p) const {
        const double y = mt[1][0] * p.x + mt[1][1] * p.y + mt[1][2] * p.z;
        const double z = mt[2][0] * p.x + mt[2][1] * p.y + mt[2][2] * p.z;
        return {static_cast<double>(RundenGanz(y)), static_cast<double>(RundenGanz(z))};
    }

private:
    double m[3][3];  // facade -> world
    double mt[3][3]; // world -> facade (transpose)
};

// The first four corners of an outline in the facade frame of d (zero where it has fewer):
// every element outline is a quadrilateral there.
using TVierEcken = std::array<TIntPunkt, 4>;
TVierEcken VierEcken(const TPolygon& p, const TDrehung& d);

// Facade point to world point for tilt a and azimuth h (degrees).
TPunkt InWeltDrehen(const TIntPunkt& p, double a, double h);
TPunkt InWeltDrehen(const TPunkt& p, double a, double h);
// World point to facade point, rounded to whole centimetres (halves to even).
TIntPunkt InFassadeDrehen(const TPunkt& p, double a, double h);

} // namespace umbrarix
