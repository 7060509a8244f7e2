#include "auswertung/Parallel.h"

namespace umbrarix {

int AnzahlRechenfaeden() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

} // namespace umbrarix
