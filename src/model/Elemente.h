#pragma once

#include "model/Punkte.h"

namespace umbrarix {

// Receiving element (window, terrace, wall surface, ground surface).
class TVerschattetesElement {
public:
    TPolygon Polygon;               // outline, world frame
    double Verschattungsanteil = 0; // shaded share 0..1, -1 = night, -2 = sun behind the wall
};

// Casting element (overhang, valance, wall projections) with its shadows, all world frame.
class TVerschattendesElement {
public:
    TPolygon Polygon;            // outline
    TPolygon SchattenWandebene;  // outline thrown onto the wall plane, unclipped
    TPolygon SchattenBodenebene; // outline thrown onto the ground plane z = 0, unclipped
    TPolygon SchattenWand;       // wall-plane shadow clipped to the wall surface
    TPolygon SchattenBoden;      // ground-plane shadow clipped to the ground surface
    TPolygon SchattenFenster;    // wall-plane shadow clipped to the window
    TPolygon SchattenTerrasse;   // ground-plane shadow clipped to the terrace
};

} // namespace umbrarix
