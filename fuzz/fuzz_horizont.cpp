// Any bytes as a skyline file: a skyline or a clean message, never a crash; a skyline read is
// within its bounds, writes and reads back the same, and gives a height in 0..90 everywhere.

#include "io/Horizontdatei.h"

#include "Pruefen.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const THorizontGelesen r = HorizontLesen(bytes);
    if (!r.Umgebung) {
        Pruefen(!r.Fehler.empty());
        return 0;
    }
    const TUmgebung& u = *r.Umgebung;
    Pruefen(!u.Leer() && u.Punkte().size() <= HorizontPunkteMax);
    for (const THorizontpunkt& p : u.Punkte()) {
        Pruefen(p.Azimut >= 0 && p.Azimut < 360 && p.Hoehe >= 0 && p.Hoehe <= HorizontHoeheMax);
    }
    const THorizontGelesen zurueck = HorizontLesen(HorizontSchreiben(u));
    Pruefen(zurueck.Umgebung && *zurueck.Umgebung == u);
    for (int a = -10; a <= 370; a += 7) {
        const double h = u.HoeheBei(a + groesse % 7 * 0.1);
        Pruefen(h >= 0 && h <= HorizontHoeheMax);
    }
    return 0;
}
