#pragma once

#include "model/Farbset.h"
#include "model/Szene.h"

#include <QImage>
#include <QRect>

namespace umbrarix {

// Handles and panel shapes the side view places, in panel coordinates.
struct TSeitenMarker {
    QRect s_ueberh_innen, s_ueberh_aussen, s_ueberh_volant, s_wandneigung; // 5 x 5 each
    int Shape_Fussboden_Breite = 701;                                      // black floor bar
    int s_terrasse_Links = 0, s_terrasse_Breite = 0;                       // terrace bar
};

struct TSeitenansicht {
    QImage Bild; // "seitenansicht", 701 x 361
    TSeitenMarker Marker;
};

// Ray offset of the side view in pixels: Sz from the sun's height, Sx from its horizontal
// component along the facade's outward normal, so the drawn shade matches the computed
// shadows for every orientation. About 10000 px along the light, beyond any image edge.
QPoint Strahlversatz(const TPunkt& sonne, double himmelsrichtung);

// Vertical section square to the facade (1 px = 1 cm, outside on the left): wall with its
// tilt, window, ceiling, overhang and valance, the sun's shade, person, floor and terrace.
// sonne: unit vector towards the sun (world frame); personLinks: left edge of the person
// handle.
TSeitenansicht Seitenansicht_Zeichnen(const TSzene& szene, const TFarbset& farben,
                                      const QImage& vorlage, const TPunkt& sonne, int personLinks);

} // namespace umbrarix
