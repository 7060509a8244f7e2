#pragma once

// The surroundings of the site as a skyline: hills, trees and neighbouring buildings that hide
// the sun although it stands above the horizon and in front of the wall. They are taken as
// distant, so they shade window and terrace completely.

#include "model/Punkte.h"

#include <vector>

namespace umbrarix {

// One point of the skyline: azimuth in degrees as anz_Himmelsrichtung counts it (S = 0,
// O = 90, N = 180, W = 270), elevation 0..90 degrees.
struct THorizontpunkt {
    double Azimut = 0;
    double Hoehe = 0;
    bool operator==(const THorizontpunkt&) const = default;
};

inline constexpr double HorizontHoeheMax = 90;

// The skyline over the azimuth. Between points the elevation runs linearly in azimuth,
// wrapping through 360 degrees; one point is a constant skyline; none is an open site.
class TUmgebung {
public:
    TUmgebung() = default;
    // The points in the order given; they are kept sorted by azimuth (0 <= azimuth < 360)
    // for the interpolation, equal azimuths in their given order.
    explicit TUmgebung(std::vector<THorizontpunkt> punkte);

    bool Leer() const { return punkte_.empty(); }
    const std::vector<THorizontpunkt>& Punkte() const { return punkte_; }
    // The skyline's elevation at an azimuth (any value, taken modulo 360); 0 without points.
    double HoeheBei(double azimut) const;
    bool operator==(const TUmgebung&) const = default;

private:
    std::vector<THorizontpunkt> punkte_;
};

// Azimut (0 <= a < 360) and elevation in degrees of a world direction (x south, y east, z up).
double AzimutVon(const TPunkt& richtung);
double HoeheVon(const TPunkt& richtung);

// True when the sun of this vector stands at or below the skyline; false for an open site.
bool SonneHinterUmgebung(const TUmgebung& umgebung, const TPunkt& sonne);

} // namespace umbrarix
