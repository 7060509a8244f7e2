#include "print/Sonnenbahnenseite.h"

#include "print/Seitenrahmen.h"

namespace umbrarix {

using namespace druckseite;

void Sonnenbahnen_Drucken(TSeitenflaeche& f, const TDruckdaten& d, const QImage& fenster,
                          const QImage& terrasse) {
    TSeite s(f, d);
    s.Rahmen(QStringLiteral("Sonnenbahnen, Seite 1 / 1"));
    s.Text(s.L + 800, 240, QStringLiteral("Sonnenbahnen und Verschattungsmaske"), {40, true},
           TAusrichtung::Mitte);
    constexpr int Bildbreite = 1500;
    int dd = 320;
    for (const auto& [titel, bild] :
         {std::pair{"Fenster:", &fenster}, std::pair{"Terrasse:", &terrasse}}) {
        s.Ueberschrift(dd, QString::fromUtf8(titel));
        const int hoehe = bild->isNull() ? 0 : Bildbreite * bild->height() / bild->width();
        f.Bild(s.L + 100, s.Y(dd + 50), Bildbreite, hoehe, *bild);
        dd += 50 + hoehe + 60;
    }
}

} // namespace umbrarix
