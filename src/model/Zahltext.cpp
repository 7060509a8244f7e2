#include "model/Zahltext.h"

#include "model/Runden.h"

#include <charconv>
#include <cmath>

namespace umbrarix {

std::optional<double> TextZuZahl(std::string_view text) {
    // Blanks around the number are accepted: the catalogue writes one longitude " 0.4".
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.front() == '+') {
        return std::nullopt;
    }
    double wert = 0;
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, wert, std::chars_format::general);
    if (fehler != std::errc{} || p != ende || !std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

std::optional<int> GanzzahlAusText(std::string_view t) {
    int wert = 0;
    const auto [p, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (t.empty() || fehler != std::errc{} || p != t.data() + t.size()) {
        return std::nullopt;
    }
    return wert;
}

std::string GanzzahlText(double wert) {
    const double r = Runden(wert);
    if (r == 0) {
        return "0";
    }
    char puffer[64];
    const auto [p, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, r, std::chars_format::fixed, 0);
    return fehler == std::errc{} ? std::string(puffer, p) : std::string("0");
}

std::string FestkommaText(double wert, int nachkommastellen) {
    if (!std::isfinite(wert)) {
        wert = 0;
    }
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::fixed, nachkommastellen);
    std::string text = fehler == std::errc{} ? std::string(puffer, ende) : std::string("0");
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

} // namespace umbrarix
