#pragma once

// The exact shortcuts for outlines whose corners are whole numbers (centimetres, as the
// clipping receives them), taken by the intersection where they provably give what the literal
// steps give.

#include "shadow/Kasten.h"
#include "shadow/PolygonSchnitt.h"

#include <span>

namespace umbrarix::intern {

struct TAbkuerzung {
    bool ganz = false; // step 1 may be EckenpoolGanzIn
    bool leer = false; // the intersection is empty; no step needs to run
};

TAbkuerzung AbkuerzungWaehlen(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S);
// The same with the boxes of T and S already at hand (t == Kasten(T), s == Kasten(S)).
TAbkuerzung AbkuerzungWaehlen(std::span<const TPunkt2D> T, const TKasten& t,
                              std::span<const TPunkt2D> S, const TKasten& s);

// Step 1 into pool (room for 6 (nT - 2) (nS - 2) points) when AbkuerzungWaehlen allows it;
// returns the pool's size.
int EckenpoolGanzIn(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S, TPunkt2D* pool);

} // namespace umbrarix::intern
