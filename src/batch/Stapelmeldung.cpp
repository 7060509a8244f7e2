#include "batch/Stapelmeldung.h"

namespace umbrarix {

std::string Dateimeldung(std::string_view meldung, std::string_view pfad) {
    const std::size_t ende = meldung.find_last_not_of(".!? ");
    meldung = ende == std::string_view::npos ? std::string_view() : meldung.substr(0, ende + 1);
    std::string zeile = "umbrarix-batch: ";
    if (!meldung.empty()) {
        zeile += std::string(meldung) + ": ";
    }
    return zeile + std::string(pfad) + "\n";
}

} // namespace umbrarix
