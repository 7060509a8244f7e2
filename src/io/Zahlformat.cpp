#include "io/Zahlformat.h"

#include "io/Abschnitte.h"

#include <charconv>
#include <cmath>

namespace umbrarix {

std::string Rechtsbuendig(const std::string& text, int breite) {
    const std::size_t zeichen = Zeichenzahl(text);
    const auto b = static_cast<std::size_t>(breite < 0 ? 0 : breite);
    return zeichen >= b ? text : std::string(b - zeichen, ' ') + text;
}

std::string Festkomma(double wert, int nachkommastellen, int breite) {
    if (!std::isfinite(wert)) {
        wert = 0;
    }
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::fixed, nachkommastellen);
    std::string text = fehler == std::errc{} ? std::string(puffer, ende) : std::string("0");
    // Rounded to zero from below still reads as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return Rechtsbuendig(text, breite);
}

} // namespace umbrarix
