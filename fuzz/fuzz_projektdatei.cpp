// Any bytes as a project file: a complete project or a clean error, never a crash; a project
// read can be taken over and evaluated without NaN.

#include "io/Projektdatei.h"
#include "io/Projektuebernahme.h"
#include "model/Eingabedaten.h"
#include "model/Zahltext.h"
#include "shadow/Simulieren.h"

#include "Pruefen.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace umbrarix;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    const TProjektLesen r = ProjektdateiLesen(bytes, Startprojekt());
    if (!r.Gelesen) {
        Pruefen(!r.Fehler.empty());
        return 0;
    }
    // Every spin field holds a number after reading (a missing or broken one its default).
    for (const TSpinfeld& f : Spinfelder()) {
        const auto it = r.Daten.Felder.find(std::string(f.Name));
        Pruefen(it != r.Daten.Felder.end() && TextZuZahl(it->second).has_value());
    }
    TSzene s;
    const TProjektdaten texte = ProjektUebernehmen(r.Daten, s);
    Pruefen(!ProjektdateiSchreiben(texte).empty());
    const int tag = 1 + static_cast<int>(groesse % 365);
    Zeitpunkt_Simulieren(s, tag, static_cast<int>(groesse % 144));
    AnteileSauber(s);
    return 0;
}
