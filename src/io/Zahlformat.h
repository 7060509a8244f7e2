#pragma once

#include <string>

namespace umbrarix {

// A number with a fixed count of decimals and a point, right-aligned to at least breite
// characters. Minus zero is written without its sign: 0.00, never -0.00.
std::string Festkomma(double wert, int nachkommastellen, int breite = 0);

// Text right-aligned (blanks on the left) to at least breite characters.
std::string Rechtsbuendig(const std::string& text, int breite);

} // namespace umbrarix
