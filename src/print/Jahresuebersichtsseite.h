#pragma once

// The printed page of the year overview: both heat maps, the monthly hours of direct sun with
// and without the shading, the period and its Beschattungsgrad.

#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "print/Druckseiten.h"

#include <QImage>

namespace umbrarix {

struct TJahresuebersichtsdruck {
    QImage Fenster, Terrasse; // the two heat maps
    TSonnenstundenUebersicht Stunden;
    TZeitraum Zeitraum;
    TBeschattungsgrad Grad;
};

// One A4 page "Jahresübersicht, Seite 1 / 1" with the common page elements; d gives the date
// footer.
void Jahresuebersicht_Drucken(TSeitenflaeche& f, const TDruckdaten& d,
                              const TJahresuebersichtsdruck& j);

} // namespace umbrarix
