#include "simulation/Volllauf.h"

#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"

#include <algorithm>

namespace umbrarix {

void Tageslauf(TSzene& s, int tag, const QImage& vorlage, QImage& fenster, QImage& terrasse,
               const std::function<void(int)>& nachSchritt) {
    fenster = vorlage;
    terrasse = vorlage;
    for (int schritt = 0; schritt <= 144; ++schritt) {
        const int p = std::min(schritt, 143);
        Zeitpunkt_Simulieren(s, tag, p);
        Tagesbalken_Zeichnen(fenster, p, s.Fenster.Verschattungsanteil);
        Tagesbalken_Zeichnen(terrasse, p, s.Terrasse.Verschattungsanteil);
        if (nachSchritt) {
            nachSchritt(p);
        }
    }
}

void Jahreslauf(TSzene& s, int zeitposition, const QImage& vorlage, QImage& fenster,
                QImage& terrasse, const std::function<void(int)>& nachSchritt) {
    fenster = vorlage;
    terrasse = vorlage;
    for (int tag = 1; tag <= 365; ++tag) {
        Zeitpunkt_Simulieren(s, tag, zeitposition);
        Jahresbalken_Zeichnen(fenster, tag, s.Fenster.Verschattungsanteil);
        Jahresbalken_Zeichnen(terrasse, tag, s.Terrasse.Verschattungsanteil);
        if (nachSchritt) {
            nachSchritt(tag);
        }
    }
}

} // namespace umbrarix
