#include "auswertung/Jahresraster.h"

#include "auswertung/Parallel.h"

namespace umbrarix {

TSzene OhneSonnenschutz(TSzene szene) {
    TEingabedaten& e = szene.Eingaben;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = e.CheckBox_MauerLinks = e.CheckBox_MauerRechts =
        false;
    return szene;
}

std::optional<TJahresraster> JahresrasterBerechnen(const TSzene& szene,
                                                   const TFortschritt& fortschritt, int faeden) {
    TJahresraster r;
    r.Fenster.assign(RasterZellen, 0.0);
    r.Terrasse.assign(RasterZellen, 0.0);
    if (!szene.Umgebung.Leer()) {
        r.HinterUmgebung.assign(RasterZellen, 0);
    }
    const bool mitUmgebung = !szene.Umgebung.Leer();
    const bool fertig = ParallelAuswerten(
        szene, RasterZellen,
        [&r, mitUmgebung](TSzene& s, int i) {
            Zeitpunkt_Anteile_Simulieren(s, i / RasterSchritte + 1, i % RasterSchritte);
            const auto k = static_cast<size_t>(i);
            r.Fenster[k] = s.Fenster.Verschattungsanteil;
            r.Terrasse[k] = s.Terrasse.Verschattungsanteil;
            if (mitUmgebung) {
                r.HinterUmgebung[k] = s.IstHinterUmgebung ? 1 : 0;
            }
        },
        fortschritt, faeden);
    if (!fertig) {
        return std::nullopt;
    }
    return r;
}

} // namespace umbrarix
