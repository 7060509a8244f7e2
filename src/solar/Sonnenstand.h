#pragma once

#include "model/Punkte.h"

namespace umbrarix {

// The night marker returned by Sonnenvektor: recognised by x == -1 exactly.
inline constexpr TPunkt Nachtmarke{-1, -1, -1};

// Polar limit of the sunset rule, 66.5 degrees in radians.
inline constexpr double Polargrenze = 1.160643952576229;

// Solar time in hours (12 = solar noon) of a clock time (hours in zone time) on day N (1..365).
// laengenkorrektur: hours, time zone plus longitude / 15 (longitude west positive).
// sommerzeit: one hour summer time on days 90..303, both included.
// Negative results are folded by +24; 24 or more is left as it is.
double Sonnenzeit(int N, double uhrzeit, double laengenkorrektur, bool sommerzeit);

// Whether the clock of day N runs an hour ahead: the switch on and N in 90..303.
inline bool SommerzeitGilt(int N, bool sommerzeit) {
    return sommerzeit && N >= 90 && N <= 303;
}

// Declination of day N in radians.
double Deklination(int N);

// Hour angle of sunset in radians, 0..pi, for latitude phi and declination delta (radians).
double HalberTagbogen(double phi, double delta);

// Hours from sunrise to solar noon.
double HalbeTageslaenge(double phi, double delta);

// Unit vector towards the sun in the world frame (x south, y east, z up) for day N, solar time t
// (hours) and latitude (degrees, north positive), or Nachtmarke when the hour angle reaches
// the sunset hour angle. Beyond the polar limit the vector may point below the horizon.
TPunkt Sonnenvektor(int N, double t, double breitengrad);

} // namespace umbrarix
