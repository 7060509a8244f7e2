#include "views/Schattenflaechen.h"

#include <vector>

namespace umbrarix {

void Schattenflaechen_Zeichnen(TZeichenflaeche& z, const TSzene& s, const TDrehung& drehung,
                               TPolygon TVerschattendesElement::*ebene,
                               TPolygon TVerschattendesElement::*element,
                               QPoint (*punkt)(const TIntPunkt& f)) {
    const TEingabedaten& e = s.Eingaben;
    const TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks,
                                              &s.MauerRechts};
    const bool an[] = {e.CheckBox_Ueberhang, e.CheckBox_Ueberhang, e.CheckBox_MauerLinks,
                       e.CheckBox_MauerRechts};
    std::vector<QPoint> punkte;
    const auto zeichnen = [&](TPolygon TVerschattendesElement::*schatten) {
        for (int i = 0; i < 4; ++i) {
            if (!an[i]) {
                continue;
            }
            const TPolygon& p = werfer[i]->*schatten;
            punkte.clear();
            for (int k = 0; k < p.GueltigeAnzahl(); ++k) {
                punkte.push_back(punkt(drehung.InFassade(p[k])));
            }
            z.Polygon(punkte);
        }
    };
    z.Farbe(FarbeSchattenEbene);
    zeichnen(ebene);
    z.Farbe(FarbeSchattenElement);
    zeichnen(element);
}

} // namespace umbrarix
