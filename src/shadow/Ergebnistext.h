#pragma once

#include <string>

namespace umbrarix {

// Result label of a shaded share: "Nacht", "Sonne nicht sichtbar", or
// "Verschattung (Fenster): 45.3 %" (terrace: "Verschattung (Terrasse): ..."). Behind the
// surroundings: "Fenster: 100.0 % - Sonne hinter der Umgebung".
std::string Ergebnistext(double anteil, bool terrasse, bool hinterUmgebung = false);

// 100 * share with one decimal and a point, never "-0.0".
std::string ProzentText(double anteil);

} // namespace umbrarix
