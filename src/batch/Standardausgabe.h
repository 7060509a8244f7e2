#pragma once

#include "io/Dateizugriff.h"

#include <string>

namespace umbrarix {

// Writes text to standard output and closes it: output lost to a full disk or a closed pipe
// is then a failure with its German reason, not a success. Nothing may be written to
// standard output afterwards.
TSchreibfehler StandardausgabeAbschliessen(const std::string& text);

} // namespace umbrarix
