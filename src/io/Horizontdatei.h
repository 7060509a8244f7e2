#pragma once

// Files of the skyline around the site. Read: the horizon profile of PVGIS (the EU's solar
// data service, tool "printhorizon", as CSV, its rows alone, or JSON) and the program's own
// list of points. Written: the program's own list.

#include "model/Umgebung.h"

#include <cstddef>
#include <optional>
#include <string>

namespace umbrarix {

// More points than any survey or terrain model gives (a tenth of a degree apart).
inline constexpr std::size_t HorizontPunkteMax = 3600;

// The skyline of a file, or the German message why there is none (then nothing is read).
struct THorizontGelesen {
    std::optional<TUmgebung> Umgebung;
    std::string Fehler;
};

// Any bytes; the format is recognised from the content:
// - PVGIS CSV: a column header line "A  H_hor  A_sun(w) ..." (blanks or tabs), the rows
//   below it up to the first empty line or the legend; PVGIS counts the azimuth from south
//   with west positive, so the program's azimuth is -A.
// - PVGIS rows alone (outputformat=basic): six numbers a line, the same columns.
// - PVGIS JSON: outputs.horizon_profile, a list of {"A": .., "H_hor": ..}.
// - The program's list: an optional header "Azimut;Höhe", then "azimuth;elevation" a line
//   in the program's convention (S = 0, O = 90, N = 180, W = 270).
// UTF-8 (with or without byte-order mark) or Windows-1252; CR LF, LF or CR.
THorizontGelesen HorizontLesen(const std::string& bytes);

// The program's list: "Azimut;Höhe", then one "azimuth;elevation" a line with a decimal comma,
// Windows-1252, CR LF. Every number is the shortest text that reads back as the same double,
// so an export read in again gives the same skyline bit for bit.
std::string HorizontSchreiben(const TUmgebung& umgebung);

} // namespace umbrarix
