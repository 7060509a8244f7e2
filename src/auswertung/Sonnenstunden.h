#pragma once

// Hours of direct sun: a lit step gives (1 - share) x 10 minutes, a dark one nothing; without
// the shading ("ohne Sonnenschutz") every lit step gives its full 10 minutes, except one whose
// sun stands behind the surroundings.

#include "auswertung/Jahresraster.h"

#include <array>

namespace umbrarix {

// Hours of direct sun per day, with and without the shading, for window and terrace.
struct TSonnenstunden {
    double FensterMit = 0;
    double FensterOhne = 0;
    double TerrasseMit = 0;
    double TerrasseOhne = 0;
};

// The hours of one day (1..365) of the grid.
TSonnenstunden DirekteSonneAmTag(const TJahresraster& raster, int tag);

// Means of the daily hours: per month over its days (February 28), for the year over 365.
struct TSonnenstundenUebersicht {
    std::array<TSonnenstunden, 12> Monate{}; // January first
    TSonnenstunden Jahr;
};
TSonnenstundenUebersicht SonnenstundenBerechnen(const TJahresraster& raster);

} // namespace umbrarix
