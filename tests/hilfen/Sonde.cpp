// Compiled only by the tier test: io may include the layer below it.
#include "auswertung/Parallel.h"
