#pragma once

// The printed page of the sun-path diagram.

#include "print/Druckseiten.h"

#include <QImage>

namespace umbrarix {

// One A4 page "Sonnenbahnen, Seite 1 / 1" with the common page elements: the diagram of the
// window and the one of the terrace, one above the other; d gives the date footer.
void Sonnenbahnen_Drucken(TSeitenflaeche& f, const TDruckdaten& d, const QImage& fenster,
                          const QImage& terrasse);

} // namespace umbrarix
