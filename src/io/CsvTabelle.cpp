#include "io/CsvTabelle.h"

#include "io/Dateizugriff.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace umbrarix {

namespace {

// Rows at the end of each table; everything before them is the scene header and the legend.
std::size_t Zeilenzahl(TTabellenart art) {
    switch (art) {
    case TTabellenart::Tag:
        return 24;
    case TTabellenart::Jahr:
        return 365 * 24;
    case TTabellenart::Uhrzeit:
        return 365;
    }
    return 0;
}

std::string Kopfzeile(TTabellenart art, bool terrasse) {
    const std::string spalte = terrasse ? "Verschattung Terrasse" : "Verschattung Fenster";
    switch (art) {
    case TTabellenart::Tag:
        return "Stunde;" + spalte;
    case TTabellenart::Jahr:
        return "Tag;Monat;Stunde;" + spalte;
    case TTabellenart::Uhrzeit:
        return "Tag;Monat;" + spalte;
    }
    return spalte;
}

// "   1       1        0                  -1.00" -> "1;1;0;-1,00"
std::string CsvZeile(const std::string& zeile) {
    std::istringstream felder(zeile);
    std::string feld, aus;
    while (felder >> feld) {
        std::replace(feld.begin(), feld.end(), '.', ',');
        aus += aus.empty() ? feld : ";" + feld;
    }
    return aus;
}

} // namespace

std::string CsvTabelle(const std::string& tabelle, TTabellenart art, bool terrasse) {
    const std::vector<std::string> z = Zeilen(tabelle);
    const std::size_t n = std::min(Zeilenzahl(art), z.size());
    std::vector<std::string> aus;
    aus.reserve(n + 1);
    aus.push_back(Kopfzeile(art, terrasse));
    for (std::size_t i = z.size() - n; i < z.size(); ++i) {
        aus.push_back(CsvZeile(z[i]));
    }
    return "\xEF\xBB\xBF" + MitCrLf(aus);
}

bool IstCsvName(const std::string& pfad) {
    if (pfad.size() < 4) {
        return false;
    }
    std::string endung = pfad.substr(pfad.size() - 4);
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return endung == ".csv";
}

} // namespace umbrarix
