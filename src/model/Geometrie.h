#pragma once

#include "model/Punkte.h"

#include <array>

namespace umbrarix {

using TMatrix = double[3][3];

// Component i = m[i][0]*v.x + m[i][1]*v.y + m[i][2]*v.z.
TPunkt MatrixMalVektor(const TMatrix& m, const TPunkt& v);
double Skalarprodukt(const TPunkt& a, const TPunkt& b);

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
    TIntPunkt InFassade(const TPunkt& p) const;

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
