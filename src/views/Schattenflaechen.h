#pragma once

#include "model/Geometrie.h"
#include "model/Szene.h"
#include "views/Zeichenflaeche.h"

#include <QPoint>

namespace umbrarix {

// The shadows of the switched-on casters in a plan view: first all shadows on the whole plane,
// then on top all shadows clipped to the element, so that the element's shaded part stands out.
// punkt maps a corner in the frame of drehung to its pixel.
void Schattenflaechen_Zeichnen(TZeichenflaeche& z, const TSzene& s, const TDrehung& drehung,
                               TPolygon TVerschattendesElement::*ebene,
                               TPolygon TVerschattendesElement::*element,
                               QPoint (*punkt)(const TIntPunkt& f));

} // namespace umbrarix
