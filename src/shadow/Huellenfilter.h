#pragma once

// Step 2 of the intersection on a pool in place; the public form is Huellenfilter.

#include "shadow/PolygonSchnitt.h"

namespace umbrarix::intern {

// Step 2 on the first anzahl points of pool; returns how many remain.
int HuellenfilterIn(TPunkt2D* pool, int anzahl);

} // namespace umbrarix::intern
