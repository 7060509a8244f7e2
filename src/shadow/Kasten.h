#pragma once

// The bounding box of an outline as the clipping's shortcuts read it.

#include "model/Punkte.h"

#include <span>

namespace umbrarix::intern {

struct TKasten {
    double umin, umax, vmin, vmax;
    bool ganz; // every coordinate a whole number within the bound of exact cross products
};

// Box of at least one corner.
TKasten Kasten(std::span<const TPunkt2D> p);
// The same for corners known to be whole numbers within the int range (as the planes' rounding
// to centimetres gives them): only their size decides ganz.
TKasten GanzzahlKasten(std::span<const TPunkt2D> p);

} // namespace umbrarix::intern
