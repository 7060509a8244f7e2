#pragma once

#include "model/Szene.h"

#include <string>

namespace umbrarix {

// The scene's geometry as a VELUMORA data file (Windows-1252, CR LF): the target (window or
// terrace) with its own corners and orientation, a background surface, and every shading
// element switched on, each with its world corners in the export frame X east, Y north, Z up.
std::string VelumoraDatei(const TSzene& szene, bool terrasseAlsZiel);

} // namespace umbrarix
