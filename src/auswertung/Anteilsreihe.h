#pragma once

// The shaded shares of window and terrace over a series of instants (a table, a full day or
// year run, a grid), computed on all hardware threads.

#include "auswertung/Fortschritt.h"
#include "model/Szene.h"

#include <functional>
#include <vector>

namespace umbrarix {

// One instant of a series: day of the year 1..365 and solar time in hours.
struct TReihenzeitpunkt {
    int Tag = 1;
    double Sonnenzeit = 0;
};

// Shares of one instant, as Simulieren writes them (0..1, -1 night, -2 sun behind the wall).
struct TAnteilspaar {
    double Fenster = 0;
    double Terrasse = 0;
};

// Evaluates the instants zeitpunkt(0) .. zeitpunkt(anzahl - 1) on up to `faeden` threads and
// returns their shares in that order, each exactly as one evaluation after the other on one
// scene gives it. Afterwards `szene` is left as that one scene would be: flags and shares of
// the last instant, and the shadows of the last instant with sun on the facade.
// fortschritt, if given, receives the number of finished instants on the calling thread while
// the run is under way (it cannot cancel this run).
std::vector<TAnteilspaar> AnteileBerechnen(TSzene& szene, int anzahl,
                                           const std::function<TReihenzeitpunkt(int)>& zeitpunkt,
                                           const std::function<void(int)>& fortschritt = {},
                                           int faeden = AnzahlRechenfaeden());

} // namespace umbrarix
