#pragma once

#include <cmath>
#include <cstdint>

namespace umbrarix {

// Rounds to the nearest integer, halves to the even neighbour (7.5 -> 8, -7.5 -> -8,
// 6.5 -> 6). Every rounding to whole centimetres or pixels goes through here.
inline double Runden(double x) {
    return std::nearbyint(x);
}

// Runden into a 32-bit integer. Values a project file can carry far outside any input
// limit saturate instead of overflowing; NaN becomes 0.
inline std::int32_t RundenGanz(double x) {
    const double r = Runden(x);
    if (!(r == r)) {
        return 0;
    }
    if (r >= 2147483647.0) {
        return INT32_MAX;
    }
    if (r <= -2147483648.0) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(r);
}

// A colour channel 0..255 mixed from two levels: halves go up, as the heat maps were always
// coloured (a length or a pixel position goes through Runden instead).
inline int FarbkanalRunden(double x) {
    return static_cast<int>(std::lround(x));
}

} // namespace umbrarix
