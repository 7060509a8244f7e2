#pragma once

#include <string>
#include <string_view>

namespace umbrarix {

// A message about a file as a line on standard error: "umbrarix-batch: Datei nicht gefunden:
// kunde.dat". The message keeps the words the window shows; only its closing "." or "!" gives
// way to the colon before the name, so that no line reads "werden.: kunde.dat".
std::string Dateimeldung(std::string_view meldung, std::string_view pfad);

} // namespace umbrarix
