#include "batch/Standardausgabe.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace umbrarix {

TSchreibfehler StandardausgabeAbschliessen(const std::string& text) {
    errno = 0;
    std::cout << text;
    // The stream shares the C buffer of stdout: the flush writes it and keeps the reason.
    std::cout.flush();
    if (!std::cout) {
        return Dateifehlertext(errno);
    }
    // Some file systems report a failed write only when the file is closed.
    if (std::fclose(stdout) != 0) {
        return Dateifehlertext(errno);
    }
    return std::nullopt;
}

} // namespace umbrarix
