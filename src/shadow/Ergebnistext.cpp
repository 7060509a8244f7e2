#include "shadow/Ergebnistext.h"

#include "shadow/Simulieren.h"

#include <charconv>
#include <cmath>

namespace umbrarix {

std::string ProzentText(double anteil) {
    char puffer[64];
    const double prozent = 100 * anteil;
    if (!std::isfinite(prozent)) {
        return "0.0";
    }
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, prozent, std::chars_format::fixed, 1);
    std::string text(puffer, fehler == std::errc{} ? ende : puffer);
    // A share a hair below zero must not read as "-0.0".
    if (text == "-0.0") {
        text = "0.0";
    }
    return text;
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
