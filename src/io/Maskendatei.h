#pragma once

// The sky mask as a spreadsheet file: the style of the shading tables' CSV (";" between the
// columns, decimal comma, UTF-8 with byte-order mark, CR LF).

#include "auswertung/Himmelsmaske.h"

#include <string>

namespace umbrarix {

// "Azimut;Höhe;Verschattung Fenster;Verschattung Terrasse", then one row per direction,
// azimuth outer and elevation inner, the shares with four decimals: -2,0000 behind the wall,
// -3,0000 behind the surroundings.
std::string MaskenCsv(const THimmelsmaske& maske);

} // namespace umbrarix
