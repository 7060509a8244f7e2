#pragma once

#include "io/Projektdatei.h"
#include "model/Szene.h"

#include <functional>
#include <string>

namespace umbrarix {

// The three tables of the shading data export.
enum class TTabellenart {
    Tag,    // 24 hourly values of one day
    Jahr,   // 24 hourly values of each of the 365 days
    Uhrzeit // one value per day at a fixed clock time
};

// The scene header of a table: the project file's header with values right-aligned, its own
// compass line, no colours, then the legend.
std::vector<std::string> Tabellenkopf(const TProjektdaten& projekt);

// The whole table file (Windows-1252, CR LF). The instants are evaluated on the given copy of
// the scene; tag is the day of the year and zeitposition the clock time in 10-minute steps of
// the current instant. fortschritt, if given, receives the percentage after every row.
std::string Verschattungstabelle(const TProjektdaten& projekt, TSzene szene, TTabellenart art,
                                 bool terrasse, int tag, int zeitposition,
                                 const std::function<void(int)>& fortschritt = {});

} // namespace umbrarix
