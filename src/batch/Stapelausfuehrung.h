#pragma once

#include "batch/Stapelauftrag.h"

#include <ostream>

namespace umbrarix {

// Runs one call with the same code the window uses. Messages go to fehler (German); text
// output for "-o -" to aus. Returns the exit status: 0 done, 1 unreadable project file or a
// failed write. Needs a running QGuiApplication (views and printing draw text).
int StapelAusfuehren(const TStapelauftrag& auftrag, std::ostream& aus, std::ostream& fehler);

} // namespace umbrarix
