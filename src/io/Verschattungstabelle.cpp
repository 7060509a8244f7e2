#include "io/Verschattungstabelle.h"

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "model/Runden.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

namespace umbrarix {

namespace {

constexpr std::size_t Labelbreite = 32;

std::string Zeile(std::string_view label, const std::string& wert, std::string_view suffix = {}) {
    std::string z(label);
    std::size_t zeichen = 0;
    for (const char c : z) {
        zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    z.append(Labelbreite > zeichen ? Labelbreite - zeichen : 0, ' ');
    return z + wert + std::string(suffix);
}

std::string Feld(const TProjektdaten& p, const char* name) {
    const auto it = p.Felder.find(name);
    return Rechtsbuendig(it == p.Felder.end() ? std::string() : it->second, 4);
}

struct TKopfzeile {
    const char* label;
    const char* feld;
    const char* suffix;
};

void Abschnitt(std::vector<std::string>& z, const TProjektdaten& p, const char* ueberschrift,
               const char* strich, std::initializer_list<TKopfzeile> zeilen) {
    z.emplace_back(ueberschrift);
    z.emplace_back(strich);
    for (const TKopfzeile& k : zeilen) {
        z.push_back(Zeile(k.label, Feld(p, k.feld), k.suffix));
    }
    z.emplace_back();
}

} // namespace

std::vector<std::string> Tabellenkopf(const TProjektdaten& p) {
    std::vector<std::string> z{
        "Verschattungssimulation:", "========================", "(Version 2005 / 02)", ""};
    if (!p.Beschreibung.empty()) {
        z.emplace_back("Projektbeschreibung:");
        z.emplace_back("--------------------");
        z.insert(z.end(), p.Beschreibung.begin(), p.Beschreibung.end());
        z.emplace_back();
    }
    const auto ort = p.Felder.find("anz_ort");
    z.emplace_back("Standort:");
    z.emplace_back("---------");
    z.push_back(Zeile("Ort:", ort == p.Felder.end() ? std::string() : ort->second));
    z.push_back(Zeile("Breitengrad:", Feld(p, "anz_Breitengrad"), " ° (Nordhalbkugel positiv)"));
    z.push_back(Zeile("Längengrad:", Feld(p, "anz_Laengengrad"), " ° (Westlich von 0° positiv)"));
    z.push_back(Zeile("Zeitzone:", Feld(p, "anz_Zeitzone")));
    z.push_back(Zeile("Himmelsrichtung:", Feld(p, "anz_Himmelsrichtung"),
                      " ° (S = 0°; N = 180°; O = 90°; W = 270°)"));
    z.push_back(Zeile("Sommerzeit:", p.Sommerzeit ? "31. März bis 30. Oktober" : "Nein"));
    z.emplace_back();
    Abschnitt(z, p, "Fenster:", "--------",
              {{"Höhe:", "anz_Fensterhoehe", " cm"},
               {"Breite:", "anz_Fensterbreite", " cm"},
               {"Brüstung:", "anz_Fensterabstand_Boden", " cm"},
               {"Neigung:", "anz_Fensterneigung", " °"},
               {"Abweichung von der Mitte:", "anz_FensterZentrierung", " cm"}});
    Abschnitt(z, p, "Terrasse:", "---------",
              {{"Breite:", "anz_terrassenbreite", " cm"},
               {"Länge:", "anz_terrassenlaenge", " cm"},
               {"Abstand von Hauswand:", "anz_terrassenabstand", " cm"},
               {"Abweichung von der Mitte:", "anz_terrassenzentrierung", " cm"}});
    if (p.Ueberhang) {
        Abschnitt(z, p, "Überhang / Markise:", "-------------------",
                  {{"Breite:", "anz_Vordachbreite", " cm"},
                   {"Ausfall:", "anz_Vordachlaenge", " cm"},
                   {"Abstand vom Boden:", "anz_VordachHoehe", " cm"},
                   {"Abstand von der Fassade:", "anz_Abstand_Wand", " cm"},
                   {"Neigung:", "anz_Vordach_Neigung", " cm"},
                   {"Höhe des Volants:", "anz_VolantHoehe", " cm"},
                   {"Durchgangshöhe unter Volant:", "anz_Durchgangshoehe", " cm"},
                   {"Abweichung von der Mitte:", "anz_Vordachzentrierung", " cm"}});
    }
    if (p.MauerLinks) {
        Abschnitt(z, p, "Mauervorsprung links:", "---------------------",
                  {{"Ausfall:", "anz_ml_ausfall", " cm"},
                   {"Höhe:", "anz_ml_hoehe", " cm"},
                   {"Abstand vom Boden:", "anz_ml_bodenabstand", " cm"},
                   {"Abstand von der Fassade:", "anz_ml_wandabstand", " cm"},
                   {"Abstand von der Mitte:", "anz_ml_AbstandFenstermitte", " cm"}});
    }
    if (p.MauerRechts) {
        Abschnitt(z, p, "Mauervorsprung rechts:", "----------------------",
                  {{"Ausfall:", "anz_mr_Ausfall", " cm"},
                   {"Höhe:", "anz_mr_hoehe", " cm"},
                   {"Abstand vom Boden:", "anz_mr_bodenabstand", " cm"},
                   {"Abstand von der Fassade:", "anz_mr_wandabstand", " cm"},
                   {"Abstand von der Mitte:", "anz_mr_abstandFenstermitte", " cm"}});
    }
    z.emplace_back();
    for (const char* legende : {"Verschattungswerte:", "-------------------", "-1.00 = Nacht",
                                "-2.00 = Sonne nicht sichtbar", ""}) {
        z.emplace_back(legende);
    }
    return z;
}

std::string Verschattungstabelle(const TProjektdaten& projekt, TSzene szene, TTabellenart art,
                                 bool terrasse, int tag, int zeitposition,
                                 const std::function<void(int)>& fortschritt) {
    std::vector<std::string> z = Tabellenkopf(projekt);
    const std::string element = terrasse ? "Terrasse" : "Fenster";
    const int spalte = terrasse ? 24 : 23; // the share ends under the heading's last letter
    const auto anteil = [&](int n, double stunden) {
        Simulieren(
            szene, n,
            Sonnenzeit(n, stunden, szene.Laengenkorrektur, szene.Eingaben.CheckBox_Sommerzeit));
        const double a =
            terrasse ? szene.Terrasse.Verschattungsanteil : szene.Fenster.Verschattungsanteil;
        return Festkomma(a, 2, spalte);
    };
    const auto melden = [&](double prozent) {
        if (fortschritt) {
            fortschritt(RundenGanz(prozent));
        }
    };
    switch (art) {
    case TTabellenart::Tag: {
        z.push_back("Simulierter Tag: " + Rechtsbuendig(std::to_string(tag), 3) + " (" +
                    DatumText(tag).substr(7) + ")");
        z.emplace_back();
        z.emplace_back();
        z.push_back("Stunde   Verschattung " + element);
        for (int h = 0; h < 24; ++h) {
            z.push_back(Rechtsbuendig(std::to_string(h), 6) + anteil(tag, h));
            melden(h * 100.0 / 24);
        }
        break;
    }
    case TTabellenart::Jahr: {
        z.emplace_back();
        z.push_back("Tag   Monat   Stunde   Verschattung " + element);
        for (int n = 1; n <= 365; ++n) {
            const TDatum d = TagImJahrZuDatum(n);
            for (int h = 0; h < 24; ++h) {
                z.push_back(Rechtsbuendig(std::to_string(d.Tag), 3) +
                            Rechtsbuendig(std::to_string(d.Monat), 8) +
                            Rechtsbuendig(std::to_string(h), 9) + anteil(n, h));
                melden(n * 100.0 / 365);
            }
        }
        break;
    }
    case TTabellenart::Uhrzeit: {
        z.push_back("Uhrzeit der Simulationen: " + UhrzeitText(zeitposition).substr(9));
        z.emplace_back();
        z.emplace_back();
        z.push_back("Tag   Monat   Verschattung " + element);
        for (int n = 1; n <= 365; ++n) {
            const TDatum d = TagImJahrZuDatum(n);
            z.push_back(Rechtsbuendig(std::to_string(d.Tag), 3) +
                        Rechtsbuendig(std::to_string(d.Monat), 8) +
                        anteil(n, UhrzeitAusPosition(zeitposition)));
            melden(n * 100.0 / 365);
        }
        break;
    }
    }
    return NachCp1252(MitCrLf(z));
}

} // namespace umbrarix
