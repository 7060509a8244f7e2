#include "shadow/Ergebnistext.h"

#include "model/Zahltext.h"
#include "shadow/Simulieren.h"

namespace umbrarix {

std::string ProzentText(double anteil) {
    return FestkommaText(100 * anteil, 1);
}

std::string Ergebnistext(double anteil, bool terrasse) {
    if (anteil == AnteilNacht) {
        return "Nacht";
    }
    if (anteil == AnteilSonneNichtSichtbar) {
        return "Sonne nicht sichtbar";
    }
    return std::string(terrasse ? "Verschattung (Terrasse): " : "Verschattung (Fenster): ") +
           ProzentText(anteil) + " %";
}

} // namespace umbrarix
