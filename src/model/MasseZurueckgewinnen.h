#pragma once

#include "model/Szene.h"

namespace umbrarix {

// The inverse of Daten_auslesen_Geometrie: recovers the dimensions from the element outlines
// (after a drag moved corners) and writes them, as whole numbers, into the parameters.
// Outlines are left as they are.
void Daten_anzeigen_Masse(TSzene& szene);

// Height of the valance's lower edge above the ground (the clearance under the valance).
double Durchgangshoehe_berechnen(const TSzene& szene);

} // namespace umbrarix
