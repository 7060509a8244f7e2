#pragma once

// The skyline of the surroundings over the azimuth, as the dialog of the surroundings shows
// it: north at both edges, east, south and west between (N - O - S - W - N), the elevation
// 0..90 degrees upwards, the skyline as a filled silhouette, the direction the facade faces
// and the sun's path of one day.

#include "model/Umgebung.h"

#include <QImage>

#include <vector>

namespace umbrarix {

// Where an azimuth (S = 0, O = 90, N = 180, W = 270) lies across the picture: 0 at the left
// edge (north), 0.5 in the middle (south), 1 at the right edge (north again).
double HorizontbildAnteil(double azimut);

// sonnenbahn: the sun's (azimuth, elevation) in degrees over the day, in time order; only the
// parts above the horizon are drawn.
QImage Horizontbild_Zeichnen(const TUmgebung& umgebung, double fassadenAzimut,
                             const std::vector<THorizontpunkt>& sonnenbahn, int breite, int hoehe);

} // namespace umbrarix
