#include "io/Dimensionierungsdatei.h"

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Verschattungstabelle.h"
#include "io/Zahlformat.h"
#include "model/Zahltext.h"

namespace umbrarix {

namespace {

constexpr size_t LegendenZeilen = 5; // the shading tables' legend closes their header

std::string Prozent(const std::optional<double>& g, int breite) {
    return g ? Festkomma(100 * *g, 1, breite) : Rechtsbuendig("-", breite);
}

std::string Ganz(double wert, int breite = 0) {
    return Rechtsbuendig(GanzzahlText(wert), breite);
}

// "Ausfall 250 cm, Breite 600 cm, Neigung 10 °, Beschattungsgrad Terrasse 81.2 %,
// Durchgangshöhe 203 cm"
std::string Kandidatentext(const TKandidat& k, bool terrasse) {
    const std::optional<double> g = k.Zielgrad(terrasse);
    return "Ausfall " + Ganz(k.Ausfall) + " cm, Breite " + Ganz(k.Breite) + " cm, Neigung " +
           Ganz(k.Neigung) + " °, Beschattungsgrad " + (terrasse ? "Terrasse " : "Fenster ") +
           (g ? Festkomma(100 * *g, 1) + " %" : std::string("-")) + ", Durchgangshöhe " +
           Ganz(k.Durchgangshoehe) + " cm";
}

} // namespace

std::vector<std::string> Vorschlagszeilen(const TDimensionierung& d, bool terrasse) {
    if (d.Vorschlag < 0) {
        return {d.Kandidaten.empty()
                    ? "Vorschlag: keine Kandidaten"
                    : "Vorschlag: kein baubarer Kandidat (Volant reicht unter den Boden)"};
    }
    const TKandidat& k = d.Kandidaten[static_cast<size_t>(d.Vorschlag)];
    std::vector<std::string> z{
        (d.Erreichbar ? "Vorschlag: " : "Vorschlag: nicht erreichbar; bester Kandidat: ") +
        Kandidatentext(k, terrasse)};
    if (k.Durchgangshoehe < MindestDurchgangshoehe) {
        z.emplace_back("Hinweis: Durchgangshöhe unter 200 cm");
    }
    return z;
}

std::string Dimensionierungsdatei(const TProjektdaten& projekt, const TDimensionierungsfrage& f,
                                  const TDimensionierung& d) {
    std::vector<std::string> z = Tabellenkopf(projekt);
    z.resize(z.size() - LegendenZeilen);
    z.emplace_back("Markise dimensionieren:");
    z.emplace_back(23, '-');
    z.emplace_back();
    z.emplace_back(f.Terrasse ? "Ziel: Terrasse" : "Ziel: Fenster");
    z.push_back("Zeitraum: " + ZeitraumText(f.Zeitraum));
    z.push_back("Verlangter Beschattungsgrad: " + Festkomma(100 * f.Mindestgrad, 1) + " %");
    z.emplace_back();
    z.emplace_back("Ausfall   Breite   Neigung   Fenster   Terrasse   Durchgangshöhe");
    for (const TKandidat& k : d.Kandidaten) {
        z.push_back(Ganz(k.Ausfall, 7) + Ganz(k.Breite, 9) + Ganz(k.Neigung, 10) +
                    Prozent(k.Grad.Fenster, 10) + Prozent(k.Grad.Terrasse, 11) +
                    Ganz(k.Durchgangshoehe, 17) + (Baubar(k) ? "" : "  nicht baubar"));
    }
    z.emplace_back();
    for (std::string& zeile : Vorschlagszeilen(d, f.Terrasse)) {
        z.push_back(std::move(zeile));
    }
    return NachCp1252(MitCrLf(z));
}

TProjektdaten KandidatenProjekt(TProjektdaten p, const TKandidat& k) {
    p.Ueberhang = true;
    p.Felder["anz_Vordachlaenge"] = GanzzahlText(k.Ausfall);
    p.Felder["anz_Vordachbreite"] = GanzzahlText(k.Breite);
    p.Felder["anz_Vordach_Neigung"] = GanzzahlText(k.Neigung);
    p.Felder["anz_Durchgangshoehe"] = GanzzahlText(k.Durchgangshoehe);
    return p;
}

} // namespace umbrarix
