#pragma once

// The text file of the hours of direct sun (Windows-1252, CR LF): the shading tables' scene
// header without their legend, the monthly means, the period and its Beschattungsgrad.

#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "io/Projektdatei.h"

#include <string>
#include <vector>

namespace umbrarix {

// The lines of the monthly table, from "Direkte Sonne in Stunden pro Tag (Mittelwerte):" to the
// row "Jahr" (UTF-8).
std::vector<std::string> Sonnenstundentabelle(const TSonnenstundenUebersicht& u);

// The monthly table for spreadsheets, as the shading tables' CSV files are: a header row,
// ";" between the columns, a decimal comma, UTF-8 with a byte-order mark, CR LF.
std::string SonnenstundenCsv(const TSonnenstundenUebersicht& u);

// The whole file.
std::string Sonnenstundendatei(const TProjektdaten& projekt, const TSonnenstundenUebersicht& u,
                               const TZeitraum& zeitraum, const TBeschattungsgrad& grad);

} // namespace umbrarix
