#include "auswertung/Dimensionierung.h"

#include "auswertung/Parallel.h"
#include "model/Eingabedaten.h"
#include "model/ElementeAufbauen.h"
#include "model/MasseZurueckgewinnen.h"
#include "model/Runden.h"
#include "shadow/Simulieren.h"

#include <algorithm>
#include <cmath>

namespace umbrarix {

namespace {

double ImFeld(std::string_view name, double wert) {
    const TSpinfeld* f = SpinfeldMitNamen(name);
    return std::clamp(Runden(wert), f->Min, f->Max);
}

std::vector<int> WerteOderEigener(const std::optional<TBereich>& b, double eigener) {
    return b ? BereichsWerte(*b) : std::vector<int>{static_cast<int>(eigener)};
}

} // namespace

std::vector<int> BereichsWerte(const TBereich& b) {
    std::vector<int> w;
    if (b.Schritt <= 0) {
        return w;
    }
    for (long long v = b.Von; v <= b.Bis; v += b.Schritt) {
        w.push_back(static_cast<int>(v));
    }
    return w;
}

TSzene Kandidatenszene(const TSzene& szene, int ausfall, int breite, int neigung) {
    TSzene s = szene;
    TEingabedaten& e = s.Eingaben;
    // Switching the overhang on leaves the valance as it was (off, height 0, when the
    // overhang had been off).
    e.CheckBox_Ueberhang = true;
    e.anz_Vordachlaenge = ImFeld("anz_Vordachlaenge", ausfall);
    e.anz_Vordachbreite = ImFeld("anz_Vordachbreite", breite);
    e.anz_Vordach_Neigung = ImFeld("anz_Vordach_Neigung", neigung);
    if (Daten_auslesen_Geometrie(s)) {
        Daten_auslesen_Geometrie(s); // the valance switch changed: read everything again
    }
    e.anz_Durchgangshoehe = Durchgangshoehe_berechnen(s);
    return s;
}

size_t AnzahlKandidaten(const TSzene& szene, const TDimensionierungsfrage& f) {
    const TEingabedaten& e = szene.Eingaben;
    return BereichsWerte(f.Ausfall).size() *
           WerteOderEigener(f.Breite, e.anz_Vordachbreite).size() *
           WerteOderEigener(f.Neigung, e.anz_Vordach_Neigung).size();
}

std::optional<std::string> FrageZuGross(const TSzene& szene, const TDimensionierungsfrage& f) {
    const size_t kandidaten = AnzahlKandidaten(szene, f);
    const size_t zeitpunkte =
        ZeitraumTage(f.Zeitraum).size() *
        static_cast<size_t>(std::max(0, f.Zeitraum.BisSchritt - f.Zeitraum.VonSchritt));
    if (kandidaten * zeitpunkte <= HoechstzahlAuswertungen) {
        return std::nullopt;
    }
    return "Zu viele Auswertungen: " + std::to_string(kandidaten) + " Kandidaten × " +
           std::to_string(zeitpunkte) + " Zeitpunkte (höchstens " +
           std::to_string(HoechstzahlAuswertungen) +
           "): größere Schritte oder einen kürzeren Zeitraum wählen.";
}

std::optional<TDimensionierung> Dimensionieren(const TSzene& szene, const TDimensionierungsfrage& f,
                                               const std::function<bool(int)>& fortschritt,
                                               int faeden, std::size_t werteJeAbschnitt) {
    if (AnzahlKandidaten(szene, f) > HoechstzahlKandidaten || FrageZuGross(szene, f)) {
        return std::nullopt; // callers refuse such questions
    }
    const TEingabedaten& e = szene.Eingaben;
    TDimensionierung d;
    for (const int a : BereichsWerte(f.Ausfall)) {
        for (const int b : WerteOderEigener(f.Breite, e.anz_Vordachbreite)) {
            for (const int n : WerteOderEigener(f.Neigung, e.anz_Vordach_Neigung)) {
                d.Kandidaten.push_back({a, b, n, {}, 0});
            }
        }
    }
    std::vector<TSzene> szenen;
    szenen.reserve(d.Kandidaten.size());
    for (TKandidat& c : d.Kandidaten) {
        szenen.push_back(Kandidatenszene(szene, c.Ausfall, c.Breite, c.Neigung));
        const TEingabedaten& k = szenen.back().Eingaben;
        c.Ausfall = static_cast<int>(k.anz_Vordachlaenge);
        c.Breite = static_cast<int>(k.anz_Vordachbreite);
        c.Neigung = static_cast<int>(k.anz_Vordach_Neigung);
        c.Durchgangshoehe = k.anz_Durchgangshoehe;
    }
    // One run over the period's instants, each evaluating every candidate: the candidates
    // differ in nothing but overhang and valance, so sun and wall projections are shared. The
    // shares stand by candidate, then instant.
    std::vector<TUeberhangvariante> varianten;
    varianten.reserve(szenen.size());
    for (const TSzene& k : szenen) {
        varianten.push_back({k.Ueberhang.Polygon, k.Volant.Polygon, k.Eingaben.CheckBox_Ueberhang,
                             k.Eingaben.CheckBox_Volant});
    }
    const std::vector<int> indizes = ZeitraumIndizes(f.Zeitraum);
    const size_t n = indizes.size();
    const size_t kandidaten = szenen.size();
    // The instants go in sections whose shares of all candidates fit the budget; each section is
    // added up in the period's order before the next, so the sums are those of one pass (and of
    // MittelDerBesonnten) to the bit while the memory stays bounded.
    const size_t abschnitt = std::min(
        n, std::max<size_t>(64, werteJeAbschnitt / std::max<size_t>(1, kandidaten) / 64 * 64));
    std::vector<double> fenster(abschnitt * kandidaten), terrasse(abschnitt * kandidaten);
    std::vector<TBesonntSumme> summeFenster(kandidaten), summeTerrasse(kandidaten);
    for (size_t anfang = 0; anfang < n && kandidaten > 0; anfang += abschnitt) {
        const size_t laenge = std::min(abschnitt, n - anfang);
        const auto auswerten = [&](TSzene& s, int j) {
            const auto u = static_cast<size_t>(j);
            const int i = indizes[anfang + u];
            const int tag = i / RasterSchritte + 1, position = i % RasterSchritte;
            Varianten_Anteile_Simulieren(s, varianten, tag, Zeitpunkt_Sonnenzeit(s, tag, position),
                                         fenster.data() + u, terrasse.data() + u, laenge);
        };
        TFortschritt melden;
        if (fortschritt) {
            // Counted in candidates: every instant done is that share of each one.
            melden = [&](int erledigt) {
                return fortschritt(
                    static_cast<int>((anfang + static_cast<size_t>(erledigt)) * kandidaten / n));
            };
        }
        if (!ParallelAuswerten(szenen.front(), static_cast<int>(laenge), auswerten, melden,
                               faeden)) {
            return std::nullopt;
        }
        for (size_t k = 0; k < kandidaten; ++k) {
            summeFenster[k].Hinzu({fenster.data() + k * laenge, laenge});
            summeTerrasse[k].Hinzu({terrasse.data() + k * laenge, laenge});
        }
    }
    if (n == 0 && kandidaten > 0 && fortschritt && !fortschritt(static_cast<int>(kandidaten))) {
        return std::nullopt;
    }
    for (size_t k = 0; k < kandidaten; ++k) {
        d.Kandidaten[k].Grad = {summeFenster[k].Mittel(), summeTerrasse[k].Mittel()};
    }
    VorschlagWaehlen(d, f.Terrasse, f.Mindestgrad);
    return d;
}

void VorschlagWaehlen(TDimensionierung& d, bool terrasse, double mindestgrad) {
    d.Vorschlag = -1;
    d.Erreichbar = false;
    // The candidates stand in the order of the tie rules, so the first one found wins. One
    // whose valance would reach below the ground is no awning anyone can build.
    for (size_t k = 0; k < d.Kandidaten.size(); ++k) {
        const std::optional<double> g = d.Kandidaten[k].Zielgrad(terrasse);
        if (g && *g >= mindestgrad && Baubar(d.Kandidaten[k])) {
            d.Vorschlag = static_cast<int>(k);
            d.Erreichbar = true;
            return;
        }
    }
    for (size_t k = 0; k < d.Kandidaten.size(); ++k) {
        if (!Baubar(d.Kandidaten[k])) {
            continue;
        }
        const std::optional<double> g = d.Kandidaten[k].Zielgrad(terrasse);
        const std::optional<double> bester =
            d.Vorschlag < 0 ? std::nullopt
                            : d.Kandidaten[static_cast<size_t>(d.Vorschlag)].Zielgrad(terrasse);
        if (d.Vorschlag < 0 || (g && (!bester || *g > *bester))) {
            d.Vorschlag = static_cast<int>(k);
        }
    }
}

} // namespace umbrarix
