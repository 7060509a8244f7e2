#pragma once

// What the callers of long runs pass in: a progress callback and the number of threads. Apart
// from Parallel.h so that headers declaring such runs do not pull in the thread machinery.

#include <functional>

namespace umbrarix {

// Threads a run over many instants uses: the hardware threads, at least one.
int AnzahlRechenfaeden();

// Called on the calling thread with the number of finished indices while a run is under way
// (and once with the total at the end); returning false cancels the run.
using TFortschritt = std::function<bool(int erledigt)>;

} // namespace umbrarix
