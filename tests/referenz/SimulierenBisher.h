#pragma once

// The evaluation of one instant as it stood before the fast path: every caster projected and
// clipped with the target outlines converted again for each clip, and the polygon intersection
// with its full hull filter on every pool. Kept unchanged so that tests can compare the fast
// path with it bit for bit and the benchmarks can measure both in one run; the program itself
// never calls it.

#include "model/Szene.h"

#include <span>
#include <vector>

namespace umbrarix::bisher {

TPunkt Simulieren_Bisher(TSzene& szene, int N, double t);
TPunkt Zeitpunkt_Simulieren_Bisher(TSzene& szene, int tag, int uhrzeitPosition);

// The intersection of two convex polygons with the pool, hull filter, angle order and
// straight-corner removal of before.
std::vector<TPunkt2D> PolygonSchnitt_Bisher(std::span<const TPunkt2D> T,
                                            std::span<const TPunkt2D> S);

} // namespace umbrarix::bisher
