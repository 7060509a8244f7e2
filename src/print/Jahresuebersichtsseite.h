#pragma once

// The printed page of the year overview: both heat maps, the monthly hours of direct sun with
// and without the shading, the period and its Beschattungsgrad.

#include "auswertung/Jahresraster.h"
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

// The heat map of the window or the terrace, the instant (tag, schritt) marked.
QImage Jahreskarte(const TJahresraster& raster, bool terrasse, int tag, int schritt);

// What the page shows of an evaluated grid: both heat maps, the monthly hours and the
// period's Beschattungsgrad. The dialog and the batch program print from this one record.
TJahresuebersichtsdruck Jahresuebersichtsdruck(const TJahresraster& raster, int tag, int schritt,
                                               const TZeitraum& zeitraum);

// One A4 page "Jahresübersicht, Seite 1 / 1" with the common page elements; d gives the date
// footer.
void Jahresuebersicht_Drucken(TSeitenflaeche& f, const TDruckdaten& d,
                              const TJahresuebersichtsdruck& j);

} // namespace umbrarix
