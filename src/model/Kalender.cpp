#include "model/Kalender.h"

#include <array>

namespace umbrarix {

namespace {

// Day of the year on which each month ends.
constexpr std::array<int, 12> Monatsende{31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

constexpr std::array<std::string_view, 12> Monatsnamen{
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

} // namespace

TDatum TagImJahrZuDatum(int n) {
    int vorher = 0;
    for (int m = 0; m < 12; ++m) {
        if (n <= Monatsende[static_cast<std::size_t>(m)]) {
            return {n - vorher, m + 1};
        }
        vorher = Monatsende[static_cast<std::size_t>(m)];
    }
    return {n - 334, 12};
}

std::string_view Monatsname(int monat) {
    if (monat < 1 || monat > 12) {
        return {};
    }
    return Monatsnamen[static_cast<std::size_t>(monat - 1)];
}

std::string_view Monatskuerzel(int monat) {
    // The first three characters; the "ä" of "März" takes two bytes.
    const std::string_view name = Monatsname(monat);
    std::size_t bytes = 0;
    for (int zeichen = 0; zeichen < 3 && bytes < name.size(); ++zeichen) {
        bytes += (static_cast<unsigned char>(name[bytes]) & 0x80) != 0 ? 2 : 1;
    }
    return name.substr(0, bytes);
}

std::string DatumText(int tagImJahr) {
    const TDatum d = TagImJahrZuDatum(tagImJahr);
    return "Datum: " + std::to_string(d.Tag) + ". " + std::string(Monatsname(d.Monat));
}

std::string UhrzeitText(int zeitposition) {
    std::string stunden = std::to_string(zeitposition / 6);
    if (stunden.size() == 1) {
        stunden = "0" + stunden;
    }
    return "Uhrzeit: " + stunden + ":" + std::to_string(zeitposition % 6) + "0 Uhr";
}

} // namespace umbrarix
