#pragma once

// The text file of the hours of direct sun (Windows-1252, CR LF): the shading tables' scene
// header without their legend, the monthly means, the period and its Beschattungsgrad.

#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "io/Projektdatei.h"

#include <string>
#include <vector>

namespace umbrarix {

// The monthly table for spreadsheets, as the shading tables' CSV files are: a header row,
// ";" between the columns, a decimal comma, UTF-8 with a byte-order mark, CR LF.
std::string SonnenstundenCsv(const TSonnenstundenUebersicht& u);

// The whole file.
std::string Sonnenstundendatei(const TProjektdaten& projekt, const TSonnenstundenUebersicht& u,
                               const TZeitraum& zeitraum, const TBeschattungsgrad& grad);

} // namespace umbrarix
