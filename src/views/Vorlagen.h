#pragma once

#include <QImage>

namespace umbrarix {

inline constexpr int AnsichtBreite = 701;
inline constexpr int AnsichtHoehe = 361;

// The empty view: white with a 10 cm grid (0xC0C0C0), a 50 cm grid (0x808080) and a 1 m scale
// bar in the lower right.
QImage Vorlage_Ansicht();

// The empty compass (75 x 75): closed black circles of radius 36 and 31 around (36, 36) with a
// white ring between them, a light yellow band with division marks inside, white in the middle.
QImage Vorlage_Kompass();

} // namespace umbrarix
