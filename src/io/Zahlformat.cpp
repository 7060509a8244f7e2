#include "io/Zahlformat.h"

#include "io/Abschnitte.h"
#include "model/Zahltext.h"

namespace umbrarix {

std::string Rechtsbuendig(const std::string& text, int breite) {
    const std::size_t zeichen = Zeichenzahl(text);
    const auto b = static_cast<std::size_t>(breite < 0 ? 0 : breite);
    return zeichen >= b ? text : std::string(b - zeichen, ' ') + text;
}

std::string Festkomma(double wert, int nachkommastellen, int breite) {
    return Rechtsbuendig(FestkommaText(wert, nachkommastellen), breite);
}

} // namespace umbrarix
