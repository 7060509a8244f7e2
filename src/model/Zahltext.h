#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace umbrarix {

// A field text as a number: optional minus sign, digits, a point as decimal separator and an
// optional exponent, nothing else but blanks around it (no comma, no plus sign). Empty,
// malformed and non-finite texts give nothing.
std::optional<double> TextZuZahl(std::string_view text);

// Digits with an optional minus sign and nothing else (no blanks, no plus sign), within int.
std::optional<int> GanzzahlAusText(std::string_view text);

// A whole number written without decimals ("150", "-7"), with minus zero written "0".
std::string GanzzahlText(double wert);

// A number with a fixed count of decimals and a point; not finite counts as 0, and a value
// rounded to zero from below is written without its sign: 0.00, never -0.00.
std::string FestkommaText(double wert, int nachkommastellen);

} // namespace umbrarix
