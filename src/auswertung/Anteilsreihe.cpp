#include "auswertung/Anteilsreihe.h"

#include "auswertung/Parallel.h"
#include "shadow/Simulieren.h"

namespace umbrarix {

std::vector<TAnteilspaar> AnteileBerechnen(TSzene& szene, int anzahl,
                                           const std::function<TReihenzeitpunkt(int)>& zeitpunkt,
                                           const std::function<void(int)>& fortschritt,
                                           int faeden) {
    std::vector<TAnteilspaar> anteile(static_cast<std::size_t>(std::max(anzahl, 0)));
    if (anzahl <= 0) {
        return anteile;
    }
    // Each share depends on its own instant only (the shadows are thrown anew whenever the sun
    // shines on the facade), so it does not matter which thread evaluated what before.
    ParallelAuswerten(
        szene, anzahl,
        [&](TSzene& s, int i) {
            const TReihenzeitpunkt z = zeitpunkt(i);
            Anteile_Simulieren(s, z.Tag, z.Sonnenzeit);
            anteile[static_cast<std::size_t>(i)] = {s.Fenster.Verschattungsanteil,
                                                    s.Terrasse.Verschattungsanteil};
        },
        fortschritt ? TFortschritt([&fortschritt](int erledigt) {
            fortschritt(erledigt);
            return true;
        })
                    : TFortschritt{},
        faeden);

    // The stored shadows are another matter: after night or a sun behind the wall they are
    // those of the last sunny instant. Evaluate that one and then the last on the caller's
    // scene, so that what a view draws next is what one scene stepping through would show.
    int letzteSonnige = -1;
    for (int i = anzahl - 1; i >= 0; --i) {
        const double a = anteile[static_cast<std::size_t>(i)].Fenster;
        if (a != AnteilNacht && a != AnteilSonneNichtSichtbar) {
            letzteSonnige = i;
            break;
        }
    }
    if (letzteSonnige >= 0 && letzteSonnige != anzahl - 1) {
        const TReihenzeitpunkt z = zeitpunkt(letzteSonnige);
        Simulieren(szene, z.Tag, z.Sonnenzeit);
    }
    const TReihenzeitpunkt z = zeitpunkt(anzahl - 1);
    Simulieren(szene, z.Tag, z.Sonnenzeit);
    return anteile;
}

} // namespace umbrarix
