#include "io/Verschattungstabelle.h"

#include "auswertung/Anteilsreihe.h"
#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "model/Runden.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <algorithm>

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
                                 const std::function<void(int)>& fortschritt, int faeden) {
    std::vector<std::string> z = Tabellenkopf(projekt);
    const std::string element = terrasse ? "Terrasse" : "Fenster";
    const int spalte = terrasse ? 24 : 23; // the share ends under the heading's last letter

    // Row i: its instant and the percentage the gauge shows after it.
    const int zeilen = art == TTabellenart::Tag ? 24 : (art == TTabellenart::Jahr ? 365 * 24 : 365);
    const auto zeitpunkt = [&](int i) -> TReihenzeitpunkt {
        const int n = art == TTabellenart::Tag    ? tag
                      : art == TTabellenart::Jahr ? 1 + i / 24
                                                  : 1 + i;
        const double stunden = art == TTabellenart::Tag    ? i
                               : art == TTabellenart::Jahr ? i % 24
                                                           : UhrzeitAusPosition(zeitposition);
        return {n,
                Sonnenzeit(n, stunden, szene.Laengenkorrektur, szene.Eingaben.CheckBox_Sommerzeit)};
    };
    const auto prozent = [&](int i) {
        return RundenGanz(art == TTabellenart::Tag    ? i * 100.0 / 24
                          : art == TTabellenart::Jahr ? (1 + i / 24) * 100.0 / 365
                                                      : (1 + i) * 100.0 / 365);
    };
    // The gauge follows the instants while they are computed, then every row as it is
    // written; it never goes back and ends on the last row's value.
    int gemeldet = 0;
    const auto melden = [&](int i) {
        gemeldet = std::max(gemeldet, prozent(i));
        if (fortschritt) {
            fortschritt(gemeldet);
        }
    };
    const std::vector<TAnteilspaar> anteile = AnteileBerechnen(
        szene, zeilen, zeitpunkt,
        [&](int erledigt) {
            if (erledigt > 0 && erledigt < zeilen && prozent(erledigt - 1) > gemeldet) {
                melden(erledigt - 1);
            }
        },
        faeden);
    const auto anteil = [&](int i) {
        const TAnteilspaar& a = anteile[static_cast<std::size_t>(i)];
        return Festkomma(terrasse ? a.Terrasse : a.Fenster, 2, spalte);
    };

    switch (art) {
    case TTabellenart::Tag: {
        z.push_back("Simulierter Tag: " + Rechtsbuendig(std::to_string(tag), 3) + " (" +
                    DatumText(tag).substr(7) + ")");
        z.emplace_back();
        z.emplace_back();
        z.push_back("Stunde   Verschattung " + element);
        break;
    }
    case TTabellenart::Jahr:
        z.emplace_back();
        z.push_back("Tag   Monat   Stunde   Verschattung " + element);
        break;
    case TTabellenart::Uhrzeit:
        z.push_back("Uhrzeit der Simulationen: " + UhrzeitText(zeitposition).substr(9));
        z.emplace_back();
        z.emplace_back();
        z.push_back("Tag   Monat   Verschattung " + element);
        break;
    }
    for (int i = 0; i < zeilen; ++i) {
        if (art == TTabellenart::Tag) {
            z.push_back(Rechtsbuendig(std::to_string(i), 6) + anteil(i));
        } else {
            const TDatum d = TagImJahrZuDatum(zeitpunkt(i).Tag);
            std::string zeile =
                Rechtsbuendig(std::to_string(d.Tag), 3) + Rechtsbuendig(std::to_string(d.Monat), 8);
            if (art == TTabellenart::Jahr) {
                zeile += Rechtsbuendig(std::to_string(i % 24), 9);
            }
            z.push_back(zeile + anteil(i));
        }
        melden(i);
    }
    return NachCp1252(MitCrLf(z));
}

} // namespace umbrarix
