#include "shadow/Ergebnistext.h"

#include "model/Zahltext.h"
#include "shadow/Simulieren.h"

namespace umbrarix {

std::string ProzentText(double anteil) {
    return FestkommaText(100 * anteil, 1);
}

std::string Ergebnistext(double anteil, bool terrasse, bool hinterUmgebung) {
    if (anteil == AnteilNacht) {
        return "Nacht";
    }
    if (anteil == AnteilSonneNichtSichtbar) {
        return "Sonne nicht sichtbar";
    }
    if (hinterUmgebung) {
        // Short enough for the results panel with the note.
        return std::string(terrasse ? "Terrasse: " : "Fenster: ") + ProzentText(anteil) +
               " % - Sonne hinter der Umgebung";
    }
    return std::string(terrasse ? "Verschattung (Terrasse): " : "Verschattung (Fenster): ") +
           ProzentText(anteil) + " %";
}

} // namespace umbrarix
