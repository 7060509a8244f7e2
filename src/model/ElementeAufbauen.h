#pragma once

#include "model/Szene.h"

namespace umbrarix {

// The geometric part of reading the inputs: derives Wandneigung and Laengenkorrektur and
// rebuilds the eight element outlines from the parameters (corners built in the facade frame,
// rounded to whole centimetres, turned into the world). Switches the valance on when its height
// is positive and returns true when that changed the switch, so the caller can run the
// element-switch handling.
bool Daten_auslesen_Geometrie(TSzene& szene);

// A scene with the given parameters and its elements built (the valance switch follows its
// height as in Daten_auslesen_Geometrie); shares and flags are those of a scene not yet
// evaluated.
TSzene SzeneAusEingaben(const TEingabedaten& eingaben);

// Hours between zone clock time and local mean solar time: time zone plus longitude / 15.
double Laengenkorrektur_berechnen(double zeitzone, double laengengrad);

} // namespace umbrarix
