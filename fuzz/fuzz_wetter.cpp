// Any bytes as a weather file: a weather year or a clean message, never a crash; a year read
// has every hour, radiation within its bounds and a place on the earth.

#include "io/Wetterdatei.h"

#include "Pruefen.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const TWetterLesen r = WetterdateiLesen(bytes);
    if (!r.Jahr) {
        Pruefen(!r.Fehler.empty());
        return 0;
    }
    const TWetterjahr& w = *r.Jahr;
    Pruefen(w.Stunden.size() == WetterStunden);
    for (const TWetterstunde& s : w.Stunden) {
        for (const double v : {s.Global, s.Direkt, s.Diffus}) {
            Pruefen(v >= 0 && v <= 2 * WetterStrahlungMax);
        }
    }
    Pruefen(std::isfinite(w.Zeitzone));
    if (w.Ort) {
        Pruefen(std::isfinite(w.Ort->Breite) && std::isfinite(w.Ort->Laenge));
    }
    return 0;
}
