#include "shadow/Simulieren.h"

#include "model/Geometrie.h"
#include "shadow/Richtungsvorbereitung.h"
#include "shadow/Schattenwurf.h"
#include "solar/Sonnenstand.h"

#include <algorithm>
#include <optional>

namespace umbrarix {

namespace {

// The overlap of the two wall projections' shadows on one target. Variants of the overhang
// leave both shadows unchanged, so they share it.
struct TMauerschnitt {
    bool Bekannt = false;
    TPolygon LR;
};

// The shaded share of the window (tilt Wandneigung) or the terrace (tilt 0), counting
// overlapping shadows once.
void Verschattungsanteil_berechnen(TSzene& s, TVerschattetesElement& E, double a,
                                   const TDrehung* drehung, TMauerschnitt* mauern,
                                   const double* flaeche = nullptr);

// The sun of an instant and the wall normal it is judged against; sets the night and
// sun-behind-wall flags.
struct TSonnenlage {
    TPunkt Sonne;
    TPunkt Normale;
};

TSonnenlage SonneBestimmen(TSzene& s, const TDrehung& wanddrehung, const TPunkt& sonne) {
    // Written as "not above" so that a vector without a valid height also counts as night.
    s.IstNacht = sonne.x == -1 || !(sonne.z > 0);
    const TPunkt n = wanddrehung.InWelt(TPunkt{1, 0, 0});
    s.IstSonneNichtSichtbar = Skalarprodukt(n, sonne) <= 0;
    s.IstHinterUmgebung =
        !s.IstNacht && !s.IstSonneNichtSichtbar && SonneHinterUmgebung(s.Umgebung, sonne);
    return {sonne, n};
}

// The wall with the window and the ground with the terrace turned into their planes.
TEmpfangsebene Wandebene(const TSzene& s, const TDrehung& wanddrehung) {
    return {wanddrehung, s.Wand.Polygon, s.Fenster.Polygon};
}
TEmpfangsebene Bodenebene(const TSzene& s) {
    return {TDrehung(180, s.Eingaben.anz_Himmelsrichtung), s.Boden.Polygon, s.Terrasse.Polygon};
}

// Both planes, once per instant.
struct TEmpfaenger {
    TEmpfaenger(const TSzene& s, const TDrehung& wanddrehung)
        : Wand(Wandebene(s, wanddrehung)), Boden(Bodenebene(s)) {}
    TEmpfangsebene Wand, Boden;
};

// flaechen: also the shadows on the whole wall and ground surfaces, which only the views read.
void Werfen(TVerschattendesElement& w, const TSonnenlage& lage, const TEmpfangsebene& wand,
            const TEmpfangsebene& boden, bool flaechen) {
    using W = TVerschattendesElement;
    SchattenWerfen(w, lage.Sonne, lage.Normale, wand, &W::SchattenWandebene,
                   flaechen ? &W::SchattenWand : nullptr, &W::SchattenFenster);
    SchattenWerfen(w, lage.Sonne, TPunkt{0, 0, 1}, boden, &W::SchattenBodenebene,
                   flaechen ? &W::SchattenBoden : nullptr, &W::SchattenTerrasse);
}

// Only casters that the shares or the views read are thrown: the valance is read under the
// overhang's switch and under its own. The others keep their shadows of an earlier instant,
// which nothing reads while they are off; switching one on goes through an evaluation before
// anything is drawn.
bool UeberhangWirft(const TEingabedaten& e) {
    return e.CheckBox_Ueberhang;
}
bool VolantWirft(const TEingabedaten& e) {
    return e.CheckBox_Ueberhang || e.CheckBox_Volant;
}

// vorbereitung: the scene's rotations and planes when the caller holds them, else nullptr.
TPunkt Auswerten(TSzene& s, const TPunkt& sonne, bool flaechen,
                 const TRichtungsvorbereitung* vorbereitung) {
    const TEingabedaten& e = s.Eingaben;
    // One rotation of the wall serves its normal, its clips and the window's overlaps.
    std::optional<TDrehung> eigeneDrehung;
    const TDrehung& wanddrehung = vorbereitung != nullptr
                                      ? vorbereitung->Wanddrehung
                                      : eigeneDrehung.emplace(s.Wandneigung, e.anz_Himmelsrichtung);
    const TSonnenlage lage = SonneBestimmen(s, wanddrehung, sonne);
    if (!s.IstNacht && !s.IstSonneNichtSichtbar) {
        std::optional<TEmpfaenger> eigeneEbenen;
        if (vorbereitung == nullptr) {
            eigeneEbenen.emplace(s, wanddrehung);
        }
        const TEmpfangsebene& wand =
            vorbereitung != nullptr ? vorbereitung->Wand : eigeneEbenen->Wand;
        const TEmpfangsebene& boden =
            vorbereitung != nullptr ? vorbereitung->Boden : eigeneEbenen->Boden;
        TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks, &s.MauerRechts};
        const bool an[] = {UeberhangWirft(e), VolantWirft(e), e.CheckBox_MauerLinks,
                           e.CheckBox_MauerRechts};
        for (int i = 0; i < 4; ++i) {
            if (an[i]) {
                Werfen(*werfer[i], lage, wand, boden, flaechen);
            }
        }
    }
    const bool v = vorbereitung != nullptr;
    Verschattungsanteil_berechnen(s, s.Fenster, s.Wandneigung, &wanddrehung, nullptr,
                                  v ? &vorbereitung->Fensterflaeche : nullptr);
    Verschattungsanteil_berechnen(s, s.Terrasse, 0, v ? &vorbereitung->Terrassendrehung : nullptr,
                                  nullptr, v ? &vorbereitung->Terrassenflaeche : nullptr);
    return lage.Sonne;
}

// The evaluation of one target: only the casters' shadows on its plane and its share.
TPunkt ZielAuswerten(TSzene& s, const TPunkt& sonne, bool terrasse,
                     const TRichtungsvorbereitung* vorbereitung) {
    using W = TVerschattendesElement;
    const TEingabedaten& e = s.Eingaben;
    std::optional<TDrehung> eigeneDrehung;
    const TDrehung& wanddrehung = vorbereitung != nullptr
                                      ? vorbereitung->Wanddrehung
                                      : eigeneDrehung.emplace(s.Wandneigung, e.anz_Himmelsrichtung);
    const TSonnenlage lage = SonneBestimmen(s, wanddrehung, sonne);
    // Behind the surroundings the share is 1 whatever the shadows: none is thrown.
    if (!s.IstNacht && !s.IstSonneNichtSichtbar && !s.IstHinterUmgebung) {
        std::optional<TEmpfangsebene> eigeneEbene;
        if (vorbereitung == nullptr) {
            eigeneEbene.emplace(terrasse ? Bodenebene(s) : Wandebene(s, wanddrehung));
        }
        const TEmpfangsebene& ebene = vorbereitung == nullptr
                                          ? *eigeneEbene
                                          : (terrasse ? vorbereitung->Boden : vorbereitung->Wand);
        TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks, &s.MauerRechts};
        const bool an[] = {UeberhangWirft(e), VolantWirft(e), e.CheckBox_MauerLinks,
                           e.CheckBox_MauerRechts};
        for (int i = 0; i < 4; ++i) {
            if (!an[i]) {
                continue;
            }
            if (terrasse) {
                SchattenWerfen(*werfer[i], lage.Sonne, TPunkt{0, 0, 1}, ebene,
                               &W::SchattenBodenebene, nullptr, &W::SchattenTerrasse);
            } else {
                SchattenWerfen(*werfer[i], lage.Sonne, lage.Normale, ebene, &W::SchattenWandebene,
                               nullptr, &W::SchattenFenster);
            }
        }
    }
    const bool v = vorbereitung != nullptr;
    if (terrasse) {
        Verschattungsanteil_berechnen(s, s.Terrasse, 0,
                                      v ? &vorbereitung->Terrassendrehung : nullptr, nullptr,
                                      v ? &vorbereitung->Terrassenflaeche : nullptr);
    } else {
        Verschattungsanteil_berechnen(s, s.Fenster, s.Wandneigung, &wanddrehung, nullptr,
                                      v ? &vorbereitung->Fensterflaeche : nullptr);
    }
    return lage.Sonne;
}

} // namespace

TPunkt Ziel_Anteil_Simulieren(TSzene& s, int N, double t, bool terrasse) {
    return ZielAuswerten(s, Sonnenvektor(N, t, s.Eingaben.anz_Breitengrad), terrasse, nullptr);
}

void Richtung_Ziel_Anteil_Simulieren(TSzene& s, const TPunkt& sonne, bool terrasse) {
    ZielAuswerten(s, sonne, terrasse, nullptr);
}

void Richtung_Ziel_Anteil_Simulieren(TSzene& s, const TPunkt& sonne, bool terrasse,
                                     const TRichtungsvorbereitung& vorbereitung) {
    ZielAuswerten(s, sonne, terrasse, &vorbereitung);
}

TRichtungsvorbereitung::TRichtungsvorbereitung(const TSzene& s)
    : Wanddrehung(s.Wandneigung, s.Eingaben.anz_Himmelsrichtung),
      Terrassendrehung(0, s.Eingaben.anz_Himmelsrichtung), Wand(Wandebene(s, Wanddrehung)),
      Boden(Bodenebene(s)), Fensterflaeche(Flaeche(s.Fenster.Polygon)),
      Terrassenflaeche(Flaeche(s.Terrasse.Polygon)) {}

void Varianten_Anteile_Simulieren(TSzene& s, std::span<const TUeberhangvariante> varianten, int N,
                                  double t, double* fenster, double* terrasse,
                                  std::size_t abstand) {
    TEingabedaten& e = s.Eingaben;
    const TDrehung wanddrehung(s.Wandneigung, e.anz_Himmelsrichtung);
    const TSonnenlage lage =
        SonneBestimmen(s, wanddrehung, Sonnenvektor(N, t, s.Eingaben.anz_Breitengrad));
    const bool besonnt = !s.IstNacht && !s.IstSonneNichtSichtbar;
    std::optional<TEmpfaenger> ebenen;
    if (besonnt) {
        ebenen.emplace(s, wanddrehung);
        if (e.CheckBox_MauerLinks) {
            Werfen(s.MauerLinks, lage, ebenen->Wand, ebenen->Boden, false);
        }
        if (e.CheckBox_MauerRechts) {
            Werfen(s.MauerRechts, lage, ebenen->Wand, ebenen->Boden, false);
        }
    }
    TMauerschnitt mauernFenster, mauernTerrasse;
    // The terrace's overlaps are clipped in the frame of tilt 0; built once for all variants.
    const TDrehung terrassendrehung(0, e.anz_Himmelsrichtung);
    for (std::size_t k = 0; k < varianten.size(); ++k) {
        const TUeberhangvariante& v = varianten[k];
        s.Ueberhang.Polygon = v.Ueberhang;
        s.Volant.Polygon = v.Volant;
        e.CheckBox_Ueberhang = v.CheckBox_Ueberhang;
        e.CheckBox_Volant = v.CheckBox_Volant;
        if (besonnt && UeberhangWirft(e)) {
            Werfen(s.Ueberhang, lage, ebenen->Wand, ebenen->Boden, false);
        }
        if (besonnt && VolantWirft(e)) {
            Werfen(s.Volant, lage, ebenen->Wand, ebenen->Boden, false);
        }
        Verschattungsanteil_berechnen(s, s.Fenster, s.Wandneigung, &wanddrehung, &mauernFenster);
        Verschattungsanteil_berechnen(s, s.Terrasse, 0, &terrassendrehung, &mauernTerrasse);
        fenster[k * abstand] = s.Fenster.Verschattungsanteil;
        terrasse[k * abstand] = s.Terrasse.Verschattungsanteil;
    }
}

TPunkt Simulieren(TSzene& s, int N, double t) {
    return Auswerten(s, Sonnenvektor(N, t, s.Eingaben.anz_Breitengrad), true, nullptr);
}

TPunkt Anteile_Simulieren(TSzene& s, int N, double t) {
    return Auswerten(s, Sonnenvektor(N, t, s.Eingaben.anz_Breitengrad), false, nullptr);
}

void Richtung_Simulieren(TSzene& s, const TPunkt& sonne) {
    Auswerten(s, sonne, true, nullptr);
}

void Richtung_Anteile_Simulieren(TSzene& s, const TPunkt& sonne) {
    Auswerten(s, sonne, false, nullptr);
}

void Richtung_Anteile_Simulieren(TSzene& s, const TPunkt& sonne,
                                 const TRichtungsvorbereitung& vorbereitung) {
    Auswerten(s, sonne, false, &vorbereitung);
}

namespace {

// drehung: the rotation of tilt a when the caller has one; else it is built on first use, as
// many instants need no overlap at all.
// mauern: where the overlap of the wall projections' shadows is kept for further variants.
// flaeche: the element's area when the caller keeps it, else nullptr.
void Verschattungsanteil_berechnen(TSzene& s, TVerschattetesElement& E, double a,
                                   const TDrehung* drehung, TMauerschnitt* mauern,
                                   const double* flaeche) {
    double anteil = 0;
    if (s.IstNacht) {
        E.Verschattungsanteil = AnteilNacht;
        return;
    }
    if (s.IstSonneNichtSichtbar) {
        E.Verschattungsanteil = AnteilSonneNichtSichtbar;
        return;
    }
    if (s.IstHinterUmgebung) {
        // The shadows are still thrown, as the views draw the scene as at any instant.
        E.Verschattungsanteil = 1;
        return;
    }
    const double A = flaeche != nullptr ? *flaeche : Flaeche(E.Polygon);
    const bool fenster = &E == &s.Fenster;
    const auto schatten = [fenster](const TVerschattendesElement& w) -> const TPolygon& {
        return fenster ? w.SchattenFenster : w.SchattenTerrasse;
    };
    const TPolygon& O = schatten(s.Ueberhang);
    const TPolygon& V = schatten(s.Volant);
    const TPolygon& L = schatten(s.MauerLinks);
    const TPolygon& R = schatten(s.MauerRechts);
    const TEingabedaten& e = s.Eingaben;
    const bool u = e.CheckBox_Ueberhang, v = e.CheckBox_Volant;
    const bool l = e.CheckBox_MauerLinks, r = e.CheckBox_MauerRechts;
    // An element without area has nothing to shade (and must not divide by zero).
    const auto F = [A](const TPolygon& X) { return A > 0 ? Flaeche(X) / A : 0.0; };
    std::optional<TDrehung> eigene;
    // Each overlap is clipped into its own polygon, refilled in place.
    const auto schnitt = [&](const TPolygon& x, const TPolygon& y, TPolygon& ergebnis) {
        if (drehung == nullptr) {
            drehung = &eigene.emplace(a, e.anz_Himmelsrichtung);
        }
        SchattenZuschneiden(x, y, *drehung, ergebnis);
        return F(ergebnis);
    };

    if (u) {
        // The valance counts with the overhang's switch: switched off, its height is 0.
        anteil += F(O) + F(V);
    }
    if (l) {
        anteil += F(L);
    }
    if (r) {
        anteil += F(R);
    }
    TPolygon OL, VL, LR, X;
    if (u && l && O.Anzahl > 0 && L.Anzahl > 0) {
        anteil -= schnitt(O, L, OL);
    }
    if (v && l && V.Anzahl > 0 && L.Anzahl > 0) {
        anteil -= schnitt(V, L, VL);
    }
    if (u && r && O.Anzahl > 0 && R.Anzahl > 0) {
        anteil -= schnitt(O, R, X);
    }
    if (v && r && V.Anzahl > 0 && R.Anzahl > 0) {
        anteil -= schnitt(V, R, X);
    }
    if (l && r && L.Anzahl > 0 && R.Anzahl > 0) {
        if (mauern == nullptr) {
            schnitt(L, R, LR);
        } else {
            if (!mauern->Bekannt) {
                schnitt(L, R, mauern->LR);
                mauern->Bekannt = true;
            }
            LR = mauern->LR;
        }
        anteil -= F(LR);
    }
    if (u && l && r && OL.Anzahl > 0 && LR.Anzahl > 0) {
        anteil += schnitt(OL, LR, X);
    }
    if (v && l && r && VL.Anzahl > 0 && LR.Anzahl > 0) {
        anteil += schnitt(VL, LR, X);
    }
    // On a tilted wall the shadows of overhang and valance can overlap with area; on a vertical
    // one they only touch and OV has no corners, so these terms leave such results unchanged.
    // Each intersection re-rounds to whole centimetres: keep this grouping.
    if (u && v && O.Anzahl > 0 && V.Anzahl > 0) {
        TPolygon OV;
        anteil -= schnitt(O, V, OV);
        if (OV.Anzahl > 0) {
            TPolygon OVL, OVR;
            if (l && L.Anzahl > 0) {
                anteil += schnitt(OV, L, OVL);
            }
            if (r && R.Anzahl > 0) {
                anteil += schnitt(OV, R, OVR);
            }
            if (OVL.Anzahl > 0 && OVR.Anzahl > 0) {
                anteil -= schnitt(OVL, OVR, X);
            }
        }
    }
    // The overlaps are clipped again on the centimetre grid, so the sum can pass the bounds
    // by a sliver; a share outside 0..1 would read as more than the whole element.
    E.Verschattungsanteil = std::clamp(anteil, 0.0, 1.0);
}

} // namespace

double Zeitpunkt_Sonnenzeit(const TSzene& s, int tag, int uhrzeitPosition) {
    return Sonnenzeit(tag, UhrzeitAusPosition(uhrzeitPosition), s.Laengenkorrektur,
                      s.Eingaben.CheckBox_Sommerzeit);
}

TPunkt Zeitpunkt_Simulieren(TSzene& s, int tag, int uhrzeitPosition) {
    return Simulieren(s, tag, Zeitpunkt_Sonnenzeit(s, tag, uhrzeitPosition));
}

TPunkt Zeitpunkt_Anteile_Simulieren(TSzene& s, int tag, int uhrzeitPosition) {
    return Anteile_Simulieren(s, tag, Zeitpunkt_Sonnenzeit(s, tag, uhrzeitPosition));
}

} // namespace umbrarix
