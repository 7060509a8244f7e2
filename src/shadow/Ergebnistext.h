#pragma once

#include <string>

namespace umbrarix {

// Result label of a shaded share: "Nacht", "Sonne nicht sichtbar", or
// "Verschattung (Fenster): 45.3 %" (terrace: "Verschattung (Terrasse): ...").
std::string Ergebnistext(double anteil, bool terrasse);

// 100 * share with one decimal and a point, never "-0.0".
std::string ProzentText(double anteil);

} // namespace umbrarix
