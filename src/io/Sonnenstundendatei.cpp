#include "io/Sonnenstundendatei.h"

#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Verschattungstabelle.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"

#include <algorithm>
#include <array>

namespace umbrarix {

namespace {

// The legend of the shading tables closes their header: five lines.
constexpr size_t LegendenZeilen = 5;

// The row's name left-aligned in five characters: "Jan  ", "Jahr ".
std::string Zeile(std::string name, const TSonnenstunden& s) {
    name.append(5 - Zeichenzahl(name), ' ');
    return name + Festkomma(s.FensterMit, 2, 14) + Festkomma(s.FensterOhne, 2, 15) +
           Festkomma(s.TerrasseMit, 2, 15) + Festkomma(s.TerrasseOhne, 2, 16);
}

// The lines of the monthly table, from "Direkte Sonne in Stunden pro Tag (Mittelwerte):" to the
// row "Jahr" (UTF-8).
std::vector<std::string> Sonnenstundentabelle(const TSonnenstundenUebersicht& u) {
    std::vector<std::string> z{
        "Direkte Sonne in Stunden pro Tag (Mittelwerte):", std::string(47, '-'), "",
        "Monat   Fenster mit   Fenster ohne   Terrasse mit   Terrasse ohne"};
    for (size_t m = 0; m < 12; ++m) {
        z.push_back(Zeile(std::string(Monatskuerzel(static_cast<int>(m) + 1)), u.Monate[m]));
    }
    z.push_back(Zeile("Jahr", u.Jahr));
    return z;
}

} // namespace

std::string SonnenstundenCsv(const TSonnenstundenUebersicht& u) {
    std::vector<std::string> z{"Monat;Fenster mit;Fenster ohne;Terrasse mit;Terrasse ohne"};
    const auto zeile = [&z](std::string name, const TSonnenstunden& s) {
        for (const double wert : {s.FensterMit, s.FensterOhne, s.TerrasseMit, s.TerrasseOhne}) {
            std::string zahl = Festkomma(wert, 2);
            std::replace(zahl.begin(), zahl.end(), '.', ',');
            name += ";" + zahl;
        }
        z.push_back(std::move(name));
    };
    for (size_t m = 0; m < 12; ++m) {
        zeile(std::string(Monatskuerzel(static_cast<int>(m) + 1)), u.Monate[m]);
    }
    zeile("Jahr", u.Jahr);
    return "\xEF\xBB\xBF" + MitCrLf(z);
}

std::string Sonnenstundendatei(const TProjektdaten& projekt, const TSonnenstundenUebersicht& u,
                               const TZeitraum& zeitraum, const TBeschattungsgrad& grad) {
    std::vector<std::string> z = Tabellenkopf(projekt);
    z.resize(z.size() - LegendenZeilen);
    for (std::string& zeile : Sonnenstundentabelle(u)) {
        z.push_back(std::move(zeile));
    }
    z.emplace_back();
    z.push_back("Zeitraum: " + ZeitraumText(zeitraum));
    z.push_back("Beschattungsgrad Fenster: " + BeschattungsgradText(grad.Fenster));
    z.push_back("Beschattungsgrad Terrasse: " + BeschattungsgradText(grad.Terrasse));
    return NachCp1252(MitCrLf(z));
}

} // namespace umbrarix
