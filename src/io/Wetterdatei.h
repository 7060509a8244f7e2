#pragma once

// Weather files with the hourly solar radiation of a year, read into one weather year:
// - EPW: the LOCATION line (latitude, longitude east positive, time zone) and per data line
//   global horizontal (field 14), direct normal (15) and diffuse horizontal (16) radiation,
//   Wh/m² over the hour ending at the line's hour 1..24, local standard time.
// - Test reference years of the German weather service (TRY 2011 and 2017 editions): direct
//   (B) and diffuse (D) irradiance on the horizontal plane, W/m² as the mean of the hour ending
//   at HH 1..24 in MEZ; the columns found by the header line above "***".
// A file of 8,784 hours (a leap year) loses 29 February.

#include "auswertung/Wetterjahr.h"

#include <optional>
#include <string>

namespace umbrarix {

inline constexpr double WetterStrahlungMax = 1500; // W/m²; more is no radiation on earth

struct TWetterLesen {
    std::optional<TWetterjahr> Jahr;
    std::string Fehler; // German, naming the line, when Jahr is empty
};

// The file's bytes (any line ends, a UTF-8 byte-order mark allowed).
TWetterLesen WetterdateiLesen(const std::string& bytes);

// The file at pfad: also the German message when it cannot be read.
TWetterLesen WetterdateiLaden(const std::string& pfad);

} // namespace umbrarix
