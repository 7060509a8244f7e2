// The instant evaluation over scene parameters far outside the input limits, as project files
// can carry them (negative sizes, 99999 cm, tilts 0 to 180, latitudes to +-90): no crash, no
// hang, no NaN in any share or label.

#include "model/Eingabedaten.h"
#include "model/ElementeAufbauen.h"
#include "model/MasseZurueckgewinnen.h"
#include "shadow/Simulieren.h"

#include "Pruefen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct TLeser {
    const std::uint8_t* d;
    std::size_t n, pos = 0;
    std::int32_t Ganz(std::int32_t min, std::int32_t max) {
        std::uint32_t roh = 0;
        if (pos + 4 <= n) {
            std::memcpy(&roh, d + pos, 4);
        }
        pos += 4;
        return min + static_cast<std::int32_t>(roh % static_cast<std::uint32_t>(max - min + 1));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    TLeser l{daten, groesse};
    TEingabedaten e;
    for (const TSpinfeld& f : Spinfelder()) {
        e.*f.Wert = l.Ganz(-99999, 99999);
    }
    e.anz_Fensterneigung = l.Ganz(0, 180);
    e.anz_Vordach_Neigung = l.Ganz(-180, 180);
    e.anz_Breitengrad = l.Ganz(-900, 900) / 10.0;
    e.anz_Laengengrad = l.Ganz(-1800, 1800) / 10.0;
    e.anz_Zeitzone = l.Ganz(-24, 24);
    const std::int32_t schalter = l.Ganz(0, 31);
    e.CheckBox_Ueberhang = schalter & 1;
    e.CheckBox_Volant = schalter & 2;
    e.CheckBox_MauerLinks = schalter & 4;
    e.CheckBox_MauerRechts = schalter & 8;
    e.CheckBox_Sommerzeit = schalter & 16;
    TSzene s = SzeneAusEingaben(e);
    const int tag = l.Ganz(1, 365), zeit = l.Ganz(0, 143);
    Zeitpunkt_Simulieren(s, tag, zeit);
    AnteileSauber(s);
    Daten_anzeigen_Masse(s);
    return 0;
}
