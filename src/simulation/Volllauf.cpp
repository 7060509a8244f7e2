#include "simulation/Volllauf.h"

#include "auswertung/Anteilsreihe.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"

#include <algorithm>

namespace umbrarix {

// Both runs compute their shares first, over all hardware threads, and then draw the bars one
// after the other in the order of the steps, so the pictures are those of one step after the
// other (the diagram grid is drawn with XOR, the order of the bars matters).

void Tageslauf(TSzene& s, int tag, const QImage& vorlage, QImage& fenster, QImage& terrasse,
               const std::function<void(int)>& nachSchritt) {
    fenster = vorlage;
    terrasse = vorlage;
    const auto position = [](int schritt) { return std::min(schritt, 143); };
    const std::vector<TAnteilspaar> anteile = AnteileBerechnen(s, 145, [&](int schritt) {
        return TReihenzeitpunkt{tag, Zeitpunkt_Sonnenzeit(s, tag, position(schritt))};
    });
    for (int schritt = 0; schritt <= 144; ++schritt) {
        const int p = position(schritt);
        const TAnteilspaar& a = anteile[static_cast<std::size_t>(schritt)];
        Tagesbalken_Zeichnen(fenster, p, a.Fenster);
        Tagesbalken_Zeichnen(terrasse, p, a.Terrasse);
        if (nachSchritt) {
            nachSchritt(p);
        }
    }
}

void Jahreslauf(TSzene& s, int zeitposition, const QImage& vorlage, QImage& fenster,
                QImage& terrasse, const std::function<void(int)>& nachSchritt) {
    fenster = vorlage;
    terrasse = vorlage;
    const std::vector<TAnteilspaar> anteile = AnteileBerechnen(s, 365, [&](int i) {
        return TReihenzeitpunkt{i + 1, Zeitpunkt_Sonnenzeit(s, i + 1, zeitposition)};
    });
    for (int tag = 1; tag <= 365; ++tag) {
        const TAnteilspaar& a = anteile[static_cast<std::size_t>(tag - 1)];
        Jahresbalken_Zeichnen(fenster, tag, a.Fenster);
        Jahresbalken_Zeichnen(terrasse, tag, a.Terrasse);
        if (nachSchritt) {
            nachSchritt(tag);
        }
    }
}

} // namespace umbrarix
