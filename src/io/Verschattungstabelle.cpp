#include "io/Verschattungstabelle.h"

#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "model/Runden.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

namespace umbrarix {

namespace {

std::string Feld(const TProjektdaten& p, std::string_view name) {
    const auto it = p.Felder.find(std::string(name));
    return Rechtsbuendig(it == p.Felder.end() ? std::string() : it->second, 4);
}

} // namespace

std::vector<std::string> Tabellenkopf(const TProjektdaten& p) {
    std::vector<std::string> z = Dateikopf(p);
    const auto ort = p.Felder.find("anz_ort");
    z.emplace_back("Standort:");
    z.emplace_back("---------");
    z.push_back(Labelzeile("Ort:", ort == p.Felder.end() ? std::string() : ort->second));
    z.push_back(
        Labelzeile("Breitengrad:", Feld(p, "anz_Breitengrad"), " ° (Nordhalbkugel positiv)"));
    z.push_back(
        Labelzeile("Längengrad:", Feld(p, "anz_Laengengrad"), " ° (Westlich von 0° positiv)"));
    z.push_back(Labelzeile("Zeitzone:", Feld(p, "anz_Zeitzone")));
    z.push_back(Labelzeile("Himmelsrichtung:", Feld(p, "anz_Himmelsrichtung"),
                           " ° (S = 0°; N = 180°; O = 90°; W = 270°)"));
    z.push_back(Labelzeile("Sommerzeit:", p.Sommerzeit ? "31. März bis 30. Oktober" : "Nein"));
    z.emplace_back();
    Elementabschnitte(z, p, [](const std::string& t) { return Rechtsbuendig(t, 4); });
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
