// The sky mask against the instant evaluation and against the profile angle of an overhang.

#include "auswertung/Himmelsmaske.h"
#include "auswertung/Jahresraster.h"
#include "model/ElementeAufbauen.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace umbrarix {
namespace {

constexpr double Grad = 180 / std::numbers::pi;

TEingabedaten AlleElemente() {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_Himmelsrichtung = 20;
    e.anz_Fensterneigung = 80;
    return e;
}

// The evaluation for a sun vector is the instant's evaluation, bit for bit; the mask at a grid
// direction is that evaluation of the direction, whatever the number of threads.
TEST(Himmelsmaske, WieDieAuswertungEinesAugenblicks) {
    TSzene szene = SzeneAusEingaben(AlleElemente());
    szene.Umgebung = TUmgebung({{90, 12}, {270, 3}});
    for (int i = 0; i < RasterZellen; i += 331) {
        const int tag = i / RasterSchritte + 1, schritt = i % RasterSchritte;
        TSzene a = szene, b = szene;
        Zeitpunkt_Anteile_Simulieren(a, tag, schritt);
        const TPunkt sonne = Sonnenvektor(tag, Zeitpunkt_Sonnenzeit(szene, tag, schritt),
                                          szene.Eingaben.anz_Breitengrad);
        Richtung_Anteile_Simulieren(b, sonne);
        ASSERT_EQ(a.Fenster.Verschattungsanteil, b.Fenster.Verschattungsanteil) << i;
        ASSERT_EQ(a.Terrasse.Verschattungsanteil, b.Terrasse.Verschattungsanteil) << i;
        ASSERT_EQ(a.IstHinterUmgebung, b.IstHinterUmgebung) << i;
        // One target alone gives its share of the evaluation of both.
        for (const bool terrasse : {false, true}) {
            TSzene c = szene;
            Ziel_Anteil_Simulieren(c, tag, Zeitpunkt_Sonnenzeit(szene, tag, schritt), terrasse);
            ASSERT_EQ((terrasse ? c.Terrasse : c.Fenster).Verschattungsanteil,
                      (terrasse ? a.Terrasse : a.Fenster).Verschattungsanteil)
                << i << " " << terrasse;
        }
    }
    const std::optional<THimmelsmaske> zwei = HimmelsmaskeBerechnen(szene, 1, {}, 2);
    const std::optional<THimmelsmaske> eins = HimmelsmaskeBerechnen(szene, 1, {}, 1);
    ASSERT_TRUE(zwei && eins);
    EXPECT_EQ(zwei->Azimute, 360);
    EXPECT_EQ(zwei->Hoehen, 89);
    EXPECT_EQ(zwei->Fenster, eins->Fenster);
    EXPECT_EQ(zwei->Terrasse, eins->Terrasse);
    const auto fenster = HimmelsmaskeBerechnen(szene, 1, {}, 2, TMaskenziele::Fenster);
    const auto terrasse = HimmelsmaskeBerechnen(szene, 1, {}, 2, TMaskenziele::Terrasse);
    EXPECT_EQ(fenster->Fenster, zwei->Fenster);
    EXPECT_TRUE(fenster->Terrasse.empty());
    EXPECT_EQ(terrasse->Terrasse, zwei->Terrasse);
    EXPECT_TRUE(terrasse->Fenster.empty());
    int hinter = 0;
    for (int a = 0; a < zwei->Azimute; a += 7) {
        for (int h = 0; h < zwei->Hoehen; h += 5) {
            TSzene s = szene;
            Richtung_Anteile_Simulieren(s, RichtungsVektor(zwei->Azimut(a), zwei->Hoehe(h)));
            const auto k = static_cast<size_t>(zwei->Index(a, h));
            const double erwartet =
                s.IstHinterUmgebung ? MaskeHinterUmgebung : s.Fenster.Verschattungsanteil;
            ASSERT_EQ(zwei->Fenster[k], erwartet) << a << " " << h;
            hinter += zwei->Fenster[k] == MaskeHinterUmgebung;
        }
    }
    EXPECT_GT(hinter, 0);
}

// No element: nothing shaded in front of the wall, -2 behind it. A level overhang without
// valance, far wider than the window, L deep and d above the window's top: facing south, the
// window is fully shaded above the profile angle arctan((d + h) / L) and not at all below
// arctan(d / L).
TEST(Himmelsmaske, ProfilwinkelEinesVordachs) {
    TEingabedaten leer;
    leer.CheckBox_Ueberhang = leer.CheckBox_Volant = false;
    const std::optional<THimmelsmaske> m = HimmelsmaskeBerechnen(SzeneAusEingaben(leer), 5);
    ASSERT_TRUE(m);
    for (int a = 0; a < m->Azimute; ++a) {
        const bool vorn = std::cos(m->Azimut(a) / Grad) > 1e-9;
        for (int h = 0; h < m->Hoehen; ++h) {
            const double w = m->Fenster[static_cast<size_t>(m->Index(a, h))];
            if (std::abs(std::cos(m->Azimut(a) / Grad)) > 1e-9) {
                ASSERT_EQ(w, vorn ? 0.0 : AnteilSonneNichtSichtbar) << m->Azimut(a);
            }
        }
    }

    TEingabedaten e = leer;
    e.CheckBox_Ueberhang = true;
    e.anz_Vordach_Neigung = 0;
    e.anz_VolantHoehe = 0;
    e.anz_Vordachbreite = 700;
    e.anz_Fensterbreite = 100;
    const struct { double laenge, hoehe; } vordaecher[] = {{100, 280}, {200, 300}, {60, 260}};
    for (const auto& v : vordaecher) {
        e.anz_Vordachlaenge = v.laenge;
        e.anz_VordachHoehe = v.hoehe;
        const double d = v.hoehe - (e.anz_Fensterabstand_Boden + e.anz_Fensterhoehe);
        const double voll = std::atan((d + e.anz_Fensterhoehe) / v.laenge) * Grad;
        const double frei = std::atan(d / v.laenge) * Grad;
        const std::optional<THimmelsmaske> p = HimmelsmaskeBerechnen(SzeneAusEingaben(e));
        ASSERT_TRUE(p);
        int geprueft = 0;
        for (int h = 0; h < p->Hoehen; ++h) {
            const double w = p->Fenster[static_cast<size_t>(p->Index(0, h))];
            if (p->Hoehe(h) > voll + 0.5) {
                ASSERT_EQ(w, 1.0) << v.laenge << " at " << p->Hoehe(h);
                ++geprueft;
            } else if (p->Hoehe(h) < frei - 0.5) {
                ASSERT_EQ(w, 0.0) << v.laenge << " at " << p->Hoehe(h);
                ++geprueft;
            } else if (p->Hoehe(h) > frei + 0.5 && p->Hoehe(h) < voll - 0.5) {
                ASSERT_GT(w, 0.0);
                ASSERT_LT(w, 1.0);
            }
        }
        EXPECT_GT(geprueft, 25) << v.laenge;
    }
}

} // namespace
} // namespace umbrarix
