#pragma once

#include "model/Punkte.h"

#include <QPoint>
#include <QSize>

#include <cstdint>

namespace umbrarix {

// A pixel point from 64-bit sums, held within +-10^7 so that scenes read from damaged files
// cannot overflow the drawing coordinates; every sensible scene stays far inside.
inline int Pixelwert(std::int64_t v) {
    constexpr std::int64_t Grenze = 10000000;
    return static_cast<int>(v < -Grenze ? -Grenze : (v > Grenze ? Grenze : v));
}
inline QPoint Pixelpunkt(std::int64_t x, std::int64_t y) {
    return QPoint(Pixelwert(x), Pixelwert(y));
}
inline QSize Pixelgroesse(std::int64_t b, std::int64_t h) {
    return QSize(Pixelwert(b), Pixelwert(h));
}

} // namespace umbrarix
