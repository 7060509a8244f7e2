#include "io/Abschnitte.h"

#include "io/Projektdatei.h"

#include <array>

namespace umbrarix {

namespace {

constexpr std::array<TFeldzeile, 5> Fenster{{
    {"Höhe:", "anz_Fensterhoehe", " cm"},
    {"Breite:", "anz_Fensterbreite", " cm"},
    {"Brüstung:", "anz_Fensterabstand_Boden", " cm"},
    {"Neigung:", "anz_Fensterneigung", " °"},
    {"Abweichung von der Mitte:", "anz_FensterZentrierung", " cm"},
}};
constexpr std::array<TFeldzeile, 4> Terrasse{{
    {"Breite:", "anz_terrassenbreite", " cm"},
    {"Länge:", "anz_terrassenlaenge", " cm"},
    {"Abstand von Hauswand:", "anz_terrassenabstand", " cm"},
    {"Abweichung von der Mitte:", "anz_terrassenzentrierung", " cm"},
}};
// The slope is listed with " cm" although it is in degrees; stored files rely on it.
constexpr std::array<TFeldzeile, 8> Ueberhang{{
    {"Breite:", "anz_Vordachbreite", " cm"},
    {"Ausfall:", "anz_Vordachlaenge", " cm"},
    {"Abstand vom Boden:", "anz_VordachHoehe", " cm"},
    {"Abstand von der Fassade:", "anz_Abstand_Wand", " cm"},
    {"Neigung:", "anz_Vordach_Neigung", " cm"},
    {"Höhe des Volants:", "anz_VolantHoehe", " cm"},
    {"Durchgangshöhe unter Volant:", "anz_Durchgangshoehe", " cm"},
    {"Abweichung von der Mitte:", "anz_Vordachzentrierung", " cm"},
}};
constexpr std::array<TFeldzeile, 5> MauerLinks{{
    {"Ausfall:", "anz_ml_ausfall", " cm"},
    {"Höhe:", "anz_ml_hoehe", " cm"},
    {"Abstand vom Boden:", "anz_ml_bodenabstand", " cm"},
    {"Abstand von der Fassade:", "anz_ml_wandabstand", " cm"},
    {"Abstand von der Mitte:", "anz_ml_AbstandFenstermitte", " cm"},
}};
constexpr std::array<TFeldzeile, 5> MauerRechts{{
    {"Ausfall:", "anz_mr_Ausfall", " cm"},
    {"Höhe:", "anz_mr_hoehe", " cm"},
    {"Abstand vom Boden:", "anz_mr_bodenabstand", " cm"},
    {"Abstand von der Fassade:", "anz_mr_wandabstand", " cm"},
    {"Abstand von der Mitte:", "anz_mr_abstandFenstermitte", " cm"},
}};

} // namespace

const TAbschnitt AbschnittFenster{"Fenster:", "--------", Fenster};
const TAbschnitt AbschnittTerrasse{"Terrasse:", "---------", Terrasse};
const TAbschnitt AbschnittUeberhang{"Überhang / Markise:", "-------------------", Ueberhang};
const TAbschnitt AbschnittMauerLinks{"Mauervorsprung links:", "---------------------", MauerLinks};
const TAbschnitt AbschnittMauerRechts{"Mauervorsprung rechts:", "----------------------",
                                      MauerRechts};

std::vector<std::string> Dateikopf(const TProjektdaten& p) {
    std::vector<std::string> z{
        "Verschattungssimulation:", "========================", "(Version 2005 / 02)", ""};
    if (!p.Beschreibung.empty()) {
        z.emplace_back("Projektbeschreibung:");
        z.emplace_back("--------------------");
        z.insert(z.end(), p.Beschreibung.begin(), p.Beschreibung.end());
        z.emplace_back();
    }
    return z;
}

void Elementabschnitte(std::vector<std::string>& z, const TProjektdaten& p,
                       std::string (*wert)(const std::string& text)) {
    const auto abschnitt = [&](const TAbschnitt& a) {
        z.emplace_back(a.Ueberschrift);
        z.emplace_back(a.Strich);
        for (const TFeldzeile& f : a.Zeilen) {
            const auto it = p.Felder.find(std::string(f.Feld));
            z.push_back(Labelzeile(f.Label, wert(it == p.Felder.end() ? std::string() : it->second),
                                   f.Einheit));
        }
        z.emplace_back();
    };
    abschnitt(AbschnittFenster);
    abschnitt(AbschnittTerrasse);
    if (p.Ueberhang) {
        abschnitt(AbschnittUeberhang);
    }
    if (p.MauerLinks) {
        abschnitt(AbschnittMauerLinks);
    }
    if (p.MauerRechts) {
        abschnitt(AbschnittMauerRechts);
    }
}

std::size_t Zeichenzahl(std::string_view text) {
    std::size_t zeichen = 0;
    for (const char c : text) {
        zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return zeichen;
}

std::size_t BytesDerZeichen(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < text.size(); ++k) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    return i;
}

std::string Labelzeile(std::string_view label, std::string_view wert, std::string_view einheit) {
    constexpr std::size_t Labelbreite = 32;
    std::string z(label);
    const std::size_t zeichen = Zeichenzahl(label);
    z.append(Labelbreite > zeichen ? Labelbreite - zeichen : 0, ' ');
    z += wert;
    z += einheit;
    return z;
}

} // namespace umbrarix
