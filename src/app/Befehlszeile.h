#pragma once

#include <optional>
#include <string>
#include <vector>

namespace umbrarix {

// What the window program's command line asks for: a project file to open, or a text to print
// (help, version, a wrong call) and an exit status, without any window.
struct TBefehlszeile {
    std::string Projekt;                // empty: the defaults, as "&Neu" gives them
    std::optional<std::string> Ausgabe; // printed instead of opening the window
    int Status = 0;                     // with Ausgabe
};

TBefehlszeile BefehlszeileLesen(const std::vector<std::string>& argumente);

} // namespace umbrarix
