#pragma once

#include "io/Projektdatei.h"
#include "model/Szene.h"

namespace umbrarix {

// The field texts read into the parameters, as taking the inputs over does: a spin text that
// is no number counts as the field's minimum; a location text that is none keeps the value
// the parameters had.
void EingabenLesen(const TProjektdaten& texte, TEingabedaten& eingaben);

// A project as the program shows it right after start-up: every default, the clearance 234.
TProjektdaten Startprojekt();

// A project just read, taken over the way opening it in the window does, from the state the
// program starts in: the valance goes off with the overhang, the end-of-edit step holds the
// overhang's projection and the location texts in their ranges, the scene is built, and the
// clearance shows what the rebuilt valance has. Returns the texts as the fields then show
// them; the scene gets the parameters and elements.
TProjektdaten ProjektUebernehmen(const TProjektdaten& gelesen, TSzene& szene);

} // namespace umbrarix
