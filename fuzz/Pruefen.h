#pragma once

#include "model/Szene.h"
#include "shadow/Ergebnistext.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace umbrarix {

// A broken property ends the run with a crash, which libFuzzer reports with the input.
inline void Pruefen(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

// Both shares of an evaluated instant are numbers, and so are their labels.
inline void AnteileSauber(const TSzene& s) {
    for (const double a : {s.Fenster.Verschattungsanteil, s.Terrasse.Verschattungsanteil}) {
        Pruefen(std::isfinite(a));
        const std::string t = Ergebnistext(a, false);
        Pruefen(t.find("nan") == std::string::npos && t.find("inf") == std::string::npos);
    }
}

} // namespace umbrarix
