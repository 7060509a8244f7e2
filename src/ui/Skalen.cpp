#include "ui/Skalen.h"

#include "model/Runden.h"

#include <algorithm>

namespace umbrarix {

int SkalenmarkerLinks(int position, int skalaLinks, int skalaBreite, int anzahl, int markerBreite) {
    const double x =
        static_cast<double>(position * skalaBreite) / anzahl + skalaLinks - markerBreite / 2;
    return RundenGanz(x) + 1;
}

int SkalenpositionAusMarker(int kandidatLinks, int skalaLinks, int skalaBreite, int anzahl,
                            int markerBreite) {
    const int links = std::clamp(kandidatLinks, skalaLinks - markerBreite / 2,
                                 skalaLinks + skalaBreite - markerBreite / 2);
    return RundenGanz(static_cast<double>(links - skalaLinks + markerBreite / 2) * anzahl /
                      skalaBreite);
}

TFensterplatz Fensterplatz(QSize bildschirm, QSize fenster) {
    TFensterplatz p;
    p.Rahmen = QRect(std::max(0, (bildschirm.width() - fenster.width()) / 2), 0, fenster.width(),
                     fenster.height());
    if (bildschirm.height() < fenster.height() || bildschirm.width() < fenster.width()) {
        p.Rahmen = QRect(0, 0, bildschirm.width(), bildschirm.height() - 40);
        p.Veraenderbar = true;
    }
    return p;
}

} // namespace umbrarix
