#pragma once

#include "model/Farbset.h"

#include <QImage>
#include <QRect>

namespace umbrarix {

struct TKompass {
    QImage Bild;                     // "Image_Kompass", 75 x 75
    QRect shape_Himmelsrichtung;     // 8 x 8 marker, in the 125 x 125 compass panel
    int HimmelsrichtungGerundet = 0; // the orientation written back to its field
};

// The compass, north up: the facade (wall and awning) turned to its azimuth, the marker in the
// facing direction, and the ring darkened over the part of the horizon the sun does not reach
// on that day. himmelsrichtung: facade azimuth in degrees (0 = south, 90 = east);
// breitengrad: degrees north; tag: day of the year.
TKompass ZeichneKompass(double himmelsrichtung, double breitengrad, int tag, const TFarbset& farben,
                        const QImage& vorlage);

// Facade azimuth (degrees, 0..360) pointed at by the offset (dx, dy) of the dragged marker's
// centre from the panel centre: 0 below (south), 90 right (east), 180 above, 270 left.
double Kompasswinkel(double dx, double dy);

} // namespace umbrarix
