#pragma once

#include <QPoint>

#include <array>
#include <span>

namespace umbrarix {

// The closed outline of the standing person of the side view: 168 vertices, x 0..73,
// y 0..179, feet on y = 179; the last vertex repeats the first.
std::span<const QPoint> Personenumriss();

// Start position of the person handle's left edge in the side view panel.
inline constexpr int PersonStartLinks = 222;

} // namespace umbrarix
