#pragma once

// Weather years for the tests: the same radiation in every hour.

#include "auswertung/Wetterjahr.h"

namespace umbrarix::testhilfen {

inline TWetterjahr KonstantesWetter(double direkt, double diffus, double global,
                                    bool direktHorizontal = false, double zeitzone = 1) {
    TWetterjahr w;
    w.Stunden.assign(WetterStunden, TWetterstunde{global, direkt, diffus});
    w.DirektHorizontal = direktHorizontal;
    w.Zeitzone = zeitzone;
    return w;
}

} // namespace umbrarix::testhilfen
