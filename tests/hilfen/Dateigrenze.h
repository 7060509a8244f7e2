#pragma once

// Fault injection for writes: the process may write files only up to a size, so every larger
// write fails midway as on a full device, for every user, root included.

#include <csignal>
#include <sys/resource.h>

namespace umbrarix::testhilfen {

template <class F> void MitDateigrenze(rlim_t bytes, F&& f) {
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &grenze);
    f();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
}

} // namespace umbrarix::testhilfen
