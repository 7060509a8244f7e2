#include "auswertung/Sonneneintrag.h"

#include "auswertung/Jahresraster.h"
#include "auswertung/Parallel.h"
#include "model/Geometrie.h"
#include "model/Kalender.h"
#include "model/Zahltext.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

constexpr double Grad = std::numbers::pi / 180;

// The middle of hour k of the file in the scene's zone time (the file's standard time moved
// by the difference of the zones): day 1..365 and hours 0..24.
struct TStundenmitte {
    int Tag;
    double Uhrzeit;
};
TStundenmitte Stundenmitte(const TSzene& s, const TWetterjahr& w, int k) {
    int tag = k / 24 + 1;
    double uhrzeit = k % 24 + 0.5 + (s.Eingaben.anz_Zeitzone - w.Zeitzone);
    while (uhrzeit < 0) {
        uhrzeit += 24;
        tag = tag == 1 ? 365 : tag - 1;
    }
    while (uhrzeit >= 24) {
        uhrzeit -= 24;
        tag = tag == 365 ? 1 : tag + 1;
    }
    return {tag, uhrzeit};
}

// The same on the scene's clock, summer time included.
TStundenmitte Uhr(const TSzene& s, TStundenmitte m) {
    if (SommerzeitGilt(m.Tag, s.Eingaben.CheckBox_Sommerzeit)) {
        m.Uhrzeit += 1;
        if (m.Uhrzeit >= 24) {
            m.Uhrzeit -= 24;
            m.Tag = m.Tag == 365 ? 1 : m.Tag + 1;
        }
    }
    return m;
}

// A cell of the mask: azimuths a1..a2 and elevations h1..h2 in radians. The integral of the
// direction vector times dOmega (= cos h dh da) over it, exact: cos(theta) of a plane with the
// unit normal n integrates to n times this vector.
TPunkt Zellenintegral(double a1, double a2, double h1, double h2) {
    const double cos2 = (h2 - h1) / 2 + (std::sin(2 * h2) - std::sin(2 * h1)) / 4;
    const double sincos = (std::sin(h2) * std::sin(h2) - std::sin(h1) * std::sin(h1)) / 2;
    return {cos2 * (std::sin(a2) - std::sin(a1)), cos2 * (std::cos(a1) - std::cos(a2)),
            sincos * (a2 - a1)};
}

std::string OrtText(double breite, double laengeOst) {
    return FestkommaText(std::abs(breite), 1) + (breite < 0 ? "° S, " : "° N, ") +
           FestkommaText(std::abs(laengeOst), 1) + (laengeOst < 0 ? "° W" : "° O");
}

} // namespace

TEintrag& TEintrag::operator+=(const TEintrag& e) {
    DirektMit += e.DirektMit;
    DirektOhne += e.DirektOhne;
    DiffusMit += e.DiffusMit;
    DiffusOhne += e.DiffusOhne;
    Reflex += e.Reflex;
    return *this;
}

TAbminderung AbminderungVon(const TEintrag& e) {
    const auto anteil = [](double mit, double ohne) -> std::optional<double> {
        if (!(ohne > 0)) {
            return std::nullopt;
        }
        return 1 - mit / ohne;
    };
    return {anteil(e.GesamtMit(), e.GesamtOhne()), anteil(e.DirektMit, e.DirektOhne),
            anteil(e.DiffusMit, e.DiffusOhne)};
}

TEintrag EintragImZeitraum(const TSonneneintrag& e, const TZeitraum& z) {
    std::vector<bool> tage(RasterTage + 1, false);
    for (const int n : ZeitraumTage(z)) {
        tage[static_cast<size_t>(n)] = true;
    }
    const double von = z.VonSchritt * 10.0, bis = z.BisSchritt * 10.0;
    TEintrag summe;
    for (size_t k = 0; k < e.Stunden.size(); ++k) {
        if (tage[static_cast<size_t>(e.Tag[k])] && e.Minuten[k] >= von && e.Minuten[k] < bis) {
            summe += e.Stunden[k];
        }
    }
    return summe;
}

std::array<TEintrag, 12> EintragJeMonat(const TSonneneintrag& e) {
    // Months of the file's own days, so that every hour counts once.
    std::array<TEintrag, 12> monate{};
    for (size_t k = 0; k < e.Stunden.size(); ++k) {
        const int monat = TagImJahrZuDatum(static_cast<int>(k / 24) + 1).Monat;
        monate[static_cast<size_t>(monat - 1)] += e.Stunden[k];
    }
    return monate;
}

TEintrag EintragImJahr(const TSonneneintrag& e) {
    TEintrag summe;
    for (const TEintrag& monat : EintragJeMonat(e)) {
        summe += monat;
    }
    return summe;
}

TPunkt Zielnormale(const TSzene& s, bool terrasse) {
    if (terrasse) {
        return {0, 0, 1};
    }
    return TDrehung(s.Wandneigung, s.Eingaben.anz_Himmelsrichtung).InWelt(TPunkt{1, 0, 0});
}

double DiffusSichtfaktor(const THimmelsmaske& m, bool terrasse, const TPunkt& n) {
    const std::vector<double>& werte = m.Werte(terrasse);
    const double halb = m.Schritt * Grad / 2;
    double summe = 0;
    for (int a = 0; a < m.Azimute; ++a) {
        const double mitte = m.Azimut(a) * Grad;
        for (int h = 0; h < m.Hoehen; ++h) {
            const double wert = werte[static_cast<size_t>(m.Index(a, h))];
            if (wert < 0) {
                continue; // behind the wall or the surroundings: no sky there
            }
            const double h1 = h == 0 ? 0 : m.Hoehe(h) * Grad - halb;
            const double h2 = h == m.Hoehen - 1 ? std::numbers::pi / 2 : m.Hoehe(h) * Grad + halb;
            const double cosTheta =
                Skalarprodukt(n, Zellenintegral(mitte - halb, mitte + halb, h1, h2));
            summe += (1 - wert) * std::max(0.0, cosTheta);
        }
    }
    return summe / std::numbers::pi;
}

THimmelsmaske OhneSonnenschutzMaske(THimmelsmaske m) {
    for (std::vector<double>* werte : {&m.Fenster, &m.Terrasse}) {
        for (double& w : *werte) {
            w = w < 0 ? w : 0;
        }
    }
    return m;
}

std::string Ortshinweis(const TSzene& s, const TWetterjahr& w) {
    if (!w.Ort) {
        return {};
    }
    const double breite = s.Eingaben.anz_Breitengrad, laengeOst = -s.Eingaben.anz_Laengengrad;
    if (std::abs(w.Ort->Breite - breite) <= 1 && std::abs(w.Ort->Laenge - laengeOst) <= 1) {
        return {};
    }
    return "Wetterdaten von " + OrtText(w.Ort->Breite, w.Ort->Laenge) + ", Projekt " +
           OrtText(breite, laengeOst);
}

std::optional<TSonneneintrag> SonneneintragBerechnen(const TSzene& szene, const TWetterjahr& w,
                                                     bool terrasse, double albedo,
                                                     const TFortschritt& fortschritt, int faeden) {
    TSonneneintrag e;
    e.Terrasse = terrasse;
    e.Albedo = std::clamp(albedo, 0.0, 1.0);
    const TEingabedaten& ein = szene.Eingaben;
    e.Flaeche = terrasse ? ein.anz_terrassenbreite * ein.anz_terrassenlaenge / 1e4
                         : ein.anz_Fensterbreite * ein.anz_Fensterhoehe / 1e4;
    e.Ortshinweis = Ortshinweis(szene, w);
    const TPunkt n = Zielnormale(szene, terrasse);

    // The target's mask and the hours' beams share the progress: the mask first.
    const std::optional<THimmelsmaske> maske = HimmelsmaskeBerechnen(
        szene, 1, fortschritt, faeden, terrasse ? TMaskenziele::Terrasse : TMaskenziele::Fenster);
    if (!maske) {
        return std::nullopt;
    }
    const int zellen = maske->Azimute * maske->Hoehen;
    e.SichtfaktorMit = DiffusSichtfaktor(*maske, terrasse, n);
    e.SichtfaktorOhne = DiffusSichtfaktor(OhneSonnenschutzMaske(*maske), terrasse, n);
    const double reflexfaktor = e.Albedo * (1 - n.z) / 2;

    const size_t anzahl = w.Stunden.size();
    e.Stunden.resize(anzahl);
    e.Tag.resize(anzahl);
    e.Minuten.resize(anzahl);
    // The hours with a beam and the middle of each in the scene's zone time.
    std::vector<int> mitDirekt;
    std::vector<TStundenmitte> mitten;
    for (size_t k = 0; k < anzahl; ++k) {
        const TWetterstunde& st = w.Stunden[k];
        const TStundenmitte mitte = Stundenmitte(szene, w, static_cast<int>(k));
        // Periods read the clock: with summer time the last hour of a day is the next day's
        // first.
        const TStundenmitte uhr = Uhr(szene, mitte);
        e.Tag[k] = uhr.Tag;
        e.Minuten[k] = uhr.Uhrzeit * 60;
        TEintrag& h = e.Stunden[k];
        h.DiffusMit = st.Diffus * e.SichtfaktorMit;
        h.DiffusOhne = st.Diffus * e.SichtfaktorOhne;
        h.Reflex = st.Global * reflexfaktor;
        if (st.Direkt > 0) {
            mitDirekt.push_back(static_cast<int>(k));
            mitten.push_back(mitte);
        }
    }
    const bool horizontal = w.DirektHorizontal;
    const double mindestSinus = std::sin(MindesthoeheHorizontalDirekt * Grad);
    const bool fertig = ParallelAuswerten(
        szene, static_cast<int>(mitDirekt.size()),
        [&](TSzene& s, int j) {
            const auto k = static_cast<size_t>(mitDirekt[static_cast<size_t>(j)]);
            const TStundenmitte& mitte = mitten[static_cast<size_t>(j)];
            const double t =
                Sonnenzeit(mitte.Tag, mitte.Uhrzeit, s.Laengenkorrektur, /*sommerzeit=*/false);
            const TPunkt sonne = Ziel_Anteil_Simulieren(s, mitte.Tag, t, terrasse);
            if (s.IstNacht || s.IstSonneNichtSichtbar) {
                return;
            }
            double normal = w.Stunden[k].Direkt;
            if (horizontal) {
                normal = sonne.z < mindestSinus ? 0 : normal / sonne.z;
            }
            const double strahl = normal * std::max(0.0, Skalarprodukt(n, sonne));
            const double anteil = (terrasse ? s.Terrasse : s.Fenster).Verschattungsanteil;
            TEintrag& h = e.Stunden[k];
            h.DirektMit = strahl * (1 - anteil);
            h.DirektOhne = s.IstHinterUmgebung ? 0 : strahl;
        },
        fortschritt ? TFortschritt([&](int erledigt) { return fortschritt(zellen + erledigt); })
                    : TFortschritt{},
        faeden);
    if (!fertig) {
        return std::nullopt;
    }
    return e;
}

} // namespace umbrarix
