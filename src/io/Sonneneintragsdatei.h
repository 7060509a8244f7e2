#pragma once

// The Sonneneintrag as a text file (Windows-1252, CR LF) in the style of the hours of direct
// sun: the shading tables' scene header, the monthly table in kWh/m², the year's energy on the
// whole target, the period and its Abminderung; and the monthly table for spreadsheets.

#include "auswertung/Sonneneintrag.h"
#include "auswertung/Zeitraum.h"
#include "io/Projektdatei.h"

#include <array>
#include <string>
#include <vector>

namespace umbrarix {

// The lines from the table's title to the note on the weather's place (UTF-8): what the window
// shows and the file holds below its header.
std::vector<std::string> Sonneneintragstabelle(const TSonneneintrag& e, const std::string& wetter,
                                               const TZeitraum& zeitraum);

// The table's seven columns: their names and a sum's values in kWh/m².
inline constexpr std::array<const char*, 7> SonneneintragsSpalten{
    "Direkt mit", "Direkt ohne", "Diffus mit", "Diffus ohne",
    "Reflex",     "Gesamt mit",  "Gesamt ohne"};
std::array<double, 7> SonneneintragsWerte(const TEintrag& e);

// The lines below the table: the energy on the whole target, the share of the sky's light,
// the period with its Abminderung and the note on the weather's place.
std::vector<std::string> SonneneintragsZusammenfassung(const TSonneneintrag& e,
                                                       const TZeitraum& zeitraum);

// "Abminderung Fenster: 63.4 %", or "... keine Sonnenenergie im Zeitraum".
std::string AbminderungText(const TSonneneintrag& e, const TZeitraum& zeitraum);

// The whole text file. wetter: the weather file's name as the person chose it.
std::string Sonneneintragsdatei(const TProjektdaten& projekt, const TSonneneintrag& e,
                                const std::string& wetter, const TZeitraum& zeitraum);

// Months and year for spreadsheets: ";" between the columns, a decimal comma, UTF-8 with a
// byte-order mark, CR LF.
std::string SonneneintragsCsv(const TSonneneintrag& e);

} // namespace umbrarix
