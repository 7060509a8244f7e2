#pragma once

#include <cmath>
#include <cstdint>

namespace umbrarix {

// Rounds to the nearest integer, halves to the even neighbour (7.5 -> 8, -7.5 -> -8,
// 6.5 -> 6). Every rounding to whole centimetres or pixels goes through here.
// Adding and taking away 2^52 leaves no fraction below it and rounds as nearbyint does in the
// default rounding mode, bit for bit (the sign kept, -0.3 -> -0), without nearbyint's call,
// which saves and restores the floating-point environment: every shadow corner of every
// instant is rounded twice. Beyond 2^52 every double is whole; NaN stays NaN.
inline double Runden(double x) {
    constexpr double Ganzgrenze = 4503599627370496.0; // 2^52
    const double betrag = std::fabs(x);
    return betrag < Ganzgrenze ? std::copysign((betrag + Ganzgrenze) - Ganzgrenze, x) : x;
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
