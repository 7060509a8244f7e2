#pragma once

// The text file of the awning sizing (Windows-1252, CR LF): the shading tables' scene header
// without their legend, the question, one row per candidate and the proposal.

#include "auswertung/Dimensionierung.h"
#include "io/Projektdatei.h"

#include <string>
#include <vector>

namespace umbrarix {

// The proposal line and, when the clearance is below 200 cm, the line that says so (UTF-8).
std::vector<std::string> Vorschlagszeilen(const TDimensionierung& d, bool terrasse);

std::string Dimensionierungsdatei(const TProjektdaten& projekt, const TDimensionierungsfrage& f,
                                  const TDimensionierung& d);

// The project file texts of a candidate: its three values and the clearance in their fields,
// the overhang switched on.
TProjektdaten KandidatenProjekt(TProjektdaten projekt, const TKandidat& k);

} // namespace umbrarix
