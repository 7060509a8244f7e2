#pragma once

#include "auswertung/Fortschritt.h"
#include "io/Projektdatei.h"
#include "io/Tabellenart.h"
#include "model/Szene.h"

#include <functional>
#include <string>
#include <vector>

namespace umbrarix {

// The scene header of a table: the project file's header with values right-aligned, its own
// compass line, no colours, then the legend.
std::vector<std::string> Tabellenkopf(const TProjektdaten& projekt);

// The whole table file (Windows-1252, CR LF). The instants are evaluated on copies of the
// given scene, on `faeden` threads; tag is the day of the year and zeitposition the clock time
// in 10-minute steps of the current instant. fortschritt, if given, is called on the calling
// thread with the percentage of the gauge: whenever it rises while the instants are computed,
// then after every row written; it never falls and ends on the last row's percentage.
std::string Verschattungstabelle(const TProjektdaten& projekt, TSzene szene, TTabellenart art,
                                 bool terrasse, int tag, int zeitposition,
                                 const std::function<void(int)>& fortschritt = {},
                                 int faeden = AnzahlRechenfaeden());

} // namespace umbrarix
