#pragma once

#include "print/Druckseiten.h"

#include <functional>

namespace umbrarix {

// One printed job of "Drucken": the data sheet, the graphics pages or both, in this order with
// a page break between them. Each record is asked for only when its pages are due, because the
// window redraws its views and runs the day and the year before the graphics pages.
void Druckauftrag_Drucken(TSeitenflaeche& f, bool mitDatenblatt, bool mitGrafiken,
                          const std::function<TDruckdaten()>& datenblatt,
                          const std::function<TDruckdaten()>& grafiken);

} // namespace umbrarix
