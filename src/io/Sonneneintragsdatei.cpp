#include "io/Sonneneintragsdatei.h"

#include "io/Abschnitte.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Verschattungstabelle.h"
#include "io/Zahlformat.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"

#include <algorithm>
#include <array>

namespace umbrarix {

namespace {

// The legend of the shading tables closes their header: five lines.
constexpr size_t LegendenZeilen = 5;

// kWh from Wh.
constexpr double Kilo = 1000;

std::string Zeile(std::string name, const TEintrag& e) {
    name.append(6 - Zeichenzahl(name), ' ');
    const std::array<double, 7> w = SonneneintragsWerte(e);
    for (size_t i = 0; i < w.size(); ++i) {
        name +=
            Festkomma(w[i], 1, static_cast<int>(std::string(SonneneintragsSpalten[i]).size()) + 2);
    }
    return name;
}

std::string Ziel(const TSonneneintrag& e) {
    return e.Terrasse ? "Terrasse" : "Fenster";
}

std::string Prozent(const std::optional<double>& anteil) {
    return anteil ? FestkommaText(100 * *anteil, 1) + " %" : "-";
}

} // namespace

std::string AbminderungText(const TSonneneintrag& e, const TZeitraum& zeitraum) {
    const std::optional<double> a = AbminderungVon(EintragImZeitraum(e, zeitraum)).Gesamt;
    return "Abminderung " + Ziel(e) + ": " +
           (a ? FestkommaText(100 * *a, 1) + " %" : "keine Sonnenenergie im Zeitraum");
}

std::array<double, 7> SonneneintragsWerte(const TEintrag& e) {
    return {e.DirektMit / Kilo, e.DirektOhne / Kilo,  e.DiffusMit / Kilo,   e.DiffusOhne / Kilo,
            e.Reflex / Kilo,    e.GesamtMit() / Kilo, e.GesamtOhne() / Kilo};
}

std::vector<std::string> SonneneintragsZusammenfassung(const TSonneneintrag& e,
                                                       const TZeitraum& zeitraum) {
    const TEintrag jahr = EintragImJahr(e);
    std::vector<std::string> z;
    z.push_back("Fläche " + Ziel(e) + ": " + FestkommaText(e.Flaeche, 2) + " m², im Jahr " +
                FestkommaText(jahr.GesamtMit() * e.Flaeche / Kilo, 1) + " kWh mit, " +
                FestkommaText(jahr.GesamtOhne() * e.Flaeche / Kilo, 1) + " kWh ohne Sonnenschutz");
    z.push_back("Diffuses Himmelslicht auf " + Ziel(e) + ": " +
                FestkommaText(100 * e.SichtfaktorMit, 1) + " % mit, " +
                FestkommaText(100 * e.SichtfaktorOhne, 1) + " % ohne Sonnenschutz");
    z.emplace_back();
    const TAbminderung a = AbminderungVon(EintragImZeitraum(e, zeitraum));
    z.push_back("Zeitraum: " + ZeitraumText(zeitraum));
    z.push_back(AbminderungText(e, zeitraum));
    z.push_back("davon direkt: " + Prozent(a.Direkt) + ", diffus: " + Prozent(a.Diffus));
    if (!e.Ortshinweis.empty()) {
        z.push_back(e.Ortshinweis);
    }
    return z;
}

std::vector<std::string> Sonneneintragstabelle(const TSonneneintrag& e, const std::string& wetter,
                                               const TZeitraum& zeitraum) {
    const std::string titel = "Sonneneintrag " + Ziel(e) + " in kWh/m² (Wetterdaten: " + wetter +
                              ", Albedo " + FestkommaText(e.Albedo, 2) + "):";
    std::string kopf = "Monat ";
    for (const char* s : SonneneintragsSpalten) {
        kopf.append("  ").append(s);
    }
    std::vector<std::string> z{titel, std::string(Zeichenzahl(titel), '-'), "", kopf};
    const std::array<TEintrag, 12> monate = EintragJeMonat(e);
    for (size_t m = 0; m < 12; ++m) {
        z.push_back(Zeile(std::string(Monatskuerzel(static_cast<int>(m) + 1)), monate[m]));
    }
    const TEintrag jahr = EintragImJahr(e);
    z.push_back(Zeile("Jahr", jahr));
    z.emplace_back();
    for (std::string& zeile : SonneneintragsZusammenfassung(e, zeitraum)) {
        z.push_back(std::move(zeile));
    }
    return z;
}

std::string Sonneneintragsdatei(const TProjektdaten& projekt, const TSonneneintrag& e,
                                const std::string& wetter, const TZeitraum& zeitraum) {
    std::vector<std::string> z = Tabellenkopf(projekt);
    z.resize(z.size() - LegendenZeilen);
    for (std::string& zeile : Sonneneintragstabelle(e, wetter, zeitraum)) {
        z.push_back(std::move(zeile));
    }
    return NachCp1252(MitCrLf(z));
}

std::string SonneneintragsCsv(const TSonneneintrag& e) {
    std::string kopf = "Monat";
    for (const char* s : SonneneintragsSpalten) {
        kopf.append(";").append(s);
    }
    std::vector<std::string> z{kopf};
    const auto zeile = [&z](std::string name, const TEintrag& e) {
        for (const double wert : SonneneintragsWerte(e)) {
            std::string zahl = Festkomma(wert, 1);
            std::replace(zahl.begin(), zahl.end(), '.', ',');
            name += ";" + zahl;
        }
        z.push_back(std::move(name));
    };
    const std::array<TEintrag, 12> monate = EintragJeMonat(e);
    for (size_t m = 0; m < 12; ++m) {
        zeile(std::string(Monatskuerzel(static_cast<int>(m) + 1)), monate[m]);
    }
    zeile("Jahr", EintragImJahr(e));
    return "\xEF\xBB\xBF" + MitCrLf(z);
}

} // namespace umbrarix
