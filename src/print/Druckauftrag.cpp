#include "print/Druckauftrag.h"

namespace umbrarix {

void Druckauftrag_Drucken(TSeitenflaeche& f, bool mitDatenblatt, bool mitGrafiken,
                          const std::function<TDruckdaten()>& datenblatt,
                          const std::function<TDruckdaten()>& grafiken) {
    if (mitDatenblatt) {
        Datenblatt_Drucken(f, datenblatt());
        if (mitGrafiken) {
            f.NeueSeite();
        }
    }
    if (mitGrafiken) {
        Grafikseiten_Drucken(f, grafiken());
    }
}

} // namespace umbrarix
