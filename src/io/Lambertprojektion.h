#pragma once

// The Lambert conformal conic projection on the GRS80 ellipsoid with the parameters of the
// German weather service's 1 km grid (ETRS89-LCC, EPSG:3034): standard parallels 35° N and
// 65° N, origin 52° N 10° E, false easting 4,000,000 m, false northing 2,800,000 m. The test
// reference years give their place as "Rechtswert"/"Hochwert" in it.

namespace umbrarix {

struct TGitterpunkt {
    double Rechtswert = 0, Hochwert = 0; // metres
};
struct TErdort {
    double Breite = 0, Laenge = 0; // degrees, north and east positive
};

TGitterpunkt LambertAusErdort(const TErdort& ort);
TErdort ErdortAusLambert(const TGitterpunkt& punkt);

} // namespace umbrarix
