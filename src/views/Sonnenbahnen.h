#pragma once

// "Sonnenbahnen": the sun-path diagram. Azimuth across (N - O - S - W - N, south in the middle),
// elevation up; the shading mask of one target as bands of its share, the region behind the
// wall in the grey of "Sonne nicht sichtbar", the skyline as a silhouette, the sun's tracks on
// the 21st of every month and the full clock hours, and the sun of the current instant.

#include "auswertung/Himmelsmaske.h"
#include "model/Szene.h"

#include <QImage>

namespace umbrarix {

struct TSonnenbahnenmasse {
    static constexpr int Breite = 780, Hoehe = 440;
    static constexpr int Links = 40, Rechts = 620, Oben = 24, Unten = 400; // plot area
};

// Where a direction lies in the picture.
double SonnenbahnenX(double azimut);
double SonnenbahnenY(double hoehe);

// The band of a mask value: 0 for 0 %, 1 up to 25 %, 2 up to 50 %, 3 up to 75 %, 4 below
// 100 %, 5 for 100 %; -1 behind the wall, -2 behind the surroundings.
int Maskenband(double wert);
QRgb Maskenbandfarbe(int band);

// tag, schritt: the main window's instant (day 1..365, ten-minute step), marked.
QImage Sonnenbahnen_Zeichnen(const TSzene& szene, const THimmelsmaske& maske, bool terrasse,
                             int tag, int schritt);

} // namespace umbrarix
