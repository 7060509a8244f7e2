#pragma once

// The printed page of the Sonneneintrag.

#include "auswertung/Sonneneintrag.h"
#include "auswertung/Zeitraum.h"
#include "print/Druckseiten.h"

#include <QImage>
#include <QString>

namespace umbrarix {

// One A4 page "Sonneneintrag, Seite 1 / 1" with the common page elements: the monthly chart,
// the monthly table in kWh/m², the energy on the whole target, the period with its
// Abminderung; wetter names the weather file.
void Sonneneintrag_Drucken(TSeitenflaeche& f, const TDruckdaten& d, const TSonneneintrag& e,
                           const QString& wetter, const TZeitraum& zeitraum);

} // namespace umbrarix
