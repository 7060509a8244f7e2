#include "auswertung/Jahresraster.h"
#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "model/ElementeAufbauen.h"

#include "hilfen/Testsonne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace umbrarix {
namespace {

using testhilfen::Grad;
using testhilfen::OhneElemente;
using testhilfen::SonneImSchritt;
using testhilfen::TTestsonne;

// An unshaded vertical south window gets, day by day, the ten-minute steps in which the sun
// stands above the horizon and in front of the wall (x > 0), and the terrace the same; both
// also lie within two steps of the continuous span from the hour-angle formulas.
TEST(Sonnenstunden, UnbeschattetesSuedfensterWieSonnenbahn) {
    const TEingabedaten e = OhneElemente();
    const std::optional<TJahresraster> r = JahresrasterBerechnen(SzeneAusEingaben(e));
    ASSERT_TRUE(r);
    constexpr double ZweiSchritte = 2.0 / 6;
    double langsterTag = 0;
    for (int n = 1; n <= RasterTage; ++n) {
        int schritte = 0;
        for (int k = 0; k < RasterSchritte; ++k) {
            const TTestsonne s = SonneImSchritt(e, n, k);
            schritte += s.z > 0 && s.x > 0;
        }
        const TSonnenstunden h = DirekteSonneAmTag(*r, n);
        ASSERT_NEAR(h.FensterOhne, schritte / 6.0, 1e-9) << "day " << n;
        ASSERT_NEAR(h.FensterMit, h.FensterOhne, 1e-9) << "day " << n;
        ASSERT_NEAR(h.TerrasseMit, h.FensterOhne, 1e-9) << "day " << n;

        // Continuous: above the horizon cos w > -tan f tan d, in front of the south wall
        // cos w > tan d / tan f; the tighter bound gives the half span.
        const double f = e.anz_Breitengrad * Grad;
        const double d = 23.45 * Grad * std::sin(2 * std::numbers::pi / 365 * (n + 284));
        const double grenze = std::max(-std::tan(f) * std::tan(d), std::tan(d) / std::tan(f));
        const double stunden = 2 * std::acos(std::clamp(grenze, -1.0, 1.0)) / Grad / 15;
        ASSERT_NEAR(h.FensterOhne, stunden, ZweiSchritte) << "day " << n;
        langsterTag = std::max(langsterTag, h.FensterOhne);
    }
    // Around the equinoxes the south wall sees the sun for 12 hours, in June for less (the
    // sun rises and sets behind the facade).
    EXPECT_NEAR(DirekteSonneAmTag(*r, 80).FensterOhne, 12, ZweiSchritte);
    EXPECT_LT(DirekteSonneAmTag(*r, 172).FensterOhne, 12);
    EXPECT_LE(langsterTag, 12 + ZweiSchritte);

    // The monthly means are the means of those days.
    const TSonnenstundenUebersicht u = SonnenstundenBerechnen(*r);
    double februar = 0, jahr = 0;
    for (int n = 1; n <= RasterTage; ++n) {
        const double h = DirekteSonneAmTag(*r, n).FensterOhne;
        februar += (n >= 32 && n <= 59) ? h : 0;
        jahr += h;
    }
    EXPECT_NEAR(u.Monate[1].FensterOhne, februar / 28, 1e-9);
    EXPECT_NEAR(u.Jahr.FensterOhne, jahr / 365, 1e-9);
    EXPECT_NEAR(u.Jahr.TerrasseMit, u.Jahr.FensterOhne, 1e-9);
}

// Latitude 80 degrees: polar night in December (no lit step at all, so no Beschattungsgrad
// either), midnight sun in June.
TEST(Sonnenstunden, PolarnachtOhneSonne) {
    TEingabedaten e;
    e.anz_Breitengrad = 80;
    const std::optional<TJahresraster> r = JahresrasterBerechnen(SzeneAusEingaben(e));
    ASSERT_TRUE(r);
    const TSonnenstundenUebersicht u = SonnenstundenBerechnen(*r);
    EXPECT_EQ(u.Monate[11].FensterMit, 0);
    EXPECT_EQ(u.Monate[11].FensterOhne, 0);
    EXPECT_EQ(u.Monate[11].TerrasseMit, 0);
    EXPECT_EQ(u.Monate[11].TerrasseOhne, 0);
    const TBeschattungsgrad g = BeschattungsgradAusRaster(*r, {335, 365, 0, 144});
    EXPECT_FALSE(g.Fenster);
    EXPECT_FALSE(g.Terrasse);
    EXPECT_GT(u.Monate[5].FensterOhne, 0);
}

// A vertical awning lying on the wall over the whole window shades it at every lit step: no
// direct sun with it, the full sun without it, a Beschattungsgrad of exactly 100 %.
TEST(Sonnenstunden, VollVerdecktesFenster) {
    TEingabedaten e = OhneElemente();
    e.CheckBox_Ueberhang = true;
    e.anz_Vordach_Neigung = 90;
    e.anz_Vordachbreite = 700;
    e.anz_VordachHoehe = 300;
    e.anz_Vordachlaenge = 250;
    e.anz_VolantHoehe = 0;
    e.anz_Fensterhoehe = 100;
    e.anz_Fensterbreite = 200;
    const std::optional<TJahresraster> r = JahresrasterBerechnen(SzeneAusEingaben(e));
    ASSERT_TRUE(r);
    const TSonnenstundenUebersicht u = SonnenstundenBerechnen(*r);
    EXPECT_NEAR(u.Jahr.FensterMit, 0, 1e-9);
    EXPECT_GT(u.Jahr.FensterOhne, 5);
    const TBeschattungsgrad g = BeschattungsgradAusRaster(*r, GanzesJahr);
    ASSERT_TRUE(g.Fenster);
    EXPECT_NEAR(*g.Fenster, 1, 1e-9);
    EXPECT_NEAR(100 * *g.Fenster, 100, 1e-9);
}

// With the default awning and both wall projections: "ohne" is never below "mit", the "ohne"
// grid of the scene with every switch off has the same lit steps and share 0 on each, and a
// period evaluated on its own gives the grid's Beschattungsgrad to the last bit.
TEST(Sonnenstunden, OhneNieKleinerAlsMit) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_Himmelsrichtung = 30;
    const TSzene szene = SzeneAusEingaben(e);
    const std::optional<TJahresraster> mit = JahresrasterBerechnen(szene);
    const std::optional<TJahresraster> ohne = JahresrasterBerechnen(OhneSonnenschutz(szene));
    ASSERT_TRUE(mit && ohne);
    int abweichend = 0;
    for (int i = 0; i < RasterZellen; ++i) {
        const auto k = static_cast<size_t>(i);
        for (const bool terrasse : {false, true}) {
            const double a = mit->Anteile(terrasse)[k], o = ohne->Anteile(terrasse)[k];
            abweichend += IstBesonnt(a) != IstBesonnt(o) || (IstBesonnt(o) && o != 0);
        }
    }
    EXPECT_EQ(abweichend, 0);
    // The grid reads shares only; every seventh cell evaluated as the window does it gives the
    // same bits.
    TSzene fenster = szene;
    for (int i = 0; i < RasterZellen; i += 7) {
        Zeitpunkt_Simulieren(fenster, i / RasterSchritte + 1, i % RasterSchritte);
        ASSERT_EQ(fenster.Fenster.Verschattungsanteil, mit->Fenster[static_cast<size_t>(i)]) << i;
        ASSERT_EQ(fenster.Terrasse.Verschattungsanteil, mit->Terrasse[static_cast<size_t>(i)]) << i;
    }
    double schatten = 0;
    for (int n = 1; n <= RasterTage; ++n) {
        const TSonnenstunden h = DirekteSonneAmTag(*mit, n);
        ASSERT_LE(h.FensterMit, h.FensterOhne + 1e-12) << n;
        ASSERT_LE(h.TerrasseMit, h.TerrasseOhne + 1e-12) << n;
        ASSERT_GE(h.FensterMit, 0) << n;
        const TSonnenstunden o = DirekteSonneAmTag(*ohne, n);
        ASSERT_EQ(o.FensterMit, h.FensterOhne) << n;
        ASSERT_EQ(o.TerrasseMit, h.TerrasseOhne) << n;
        schatten += h.FensterOhne - h.FensterMit;
    }
    EXPECT_GT(schatten, 100);

    // The Beschattungsgrad is 1 - (sun with) / (sun without) over the period.
    for (const TZeitraum z : {TZeitraum{}, GanzesJahr, TZeitraum{335, 31, 60, 90}}) {
        const TBeschattungsgrad g = BeschattungsgradAusRaster(*mit, z);
        double sonneMit = 0, sonneOhne = 0;
        for (const int i : ZeitraumIndizes(z)) {
            const double a = mit->Fenster[static_cast<size_t>(i)];
            if (IstBesonnt(a)) {
                sonneMit += 1 - a;
                sonneOhne += 1;
            }
        }
        ASSERT_TRUE(g.Fenster && g.Terrasse);
        EXPECT_NEAR(*g.Fenster, 1 - sonneMit / sonneOhne, 1e-12);
        if (z == GanzesJahr) {
            continue; // a second whole grid would only repeat the work
        }
        const std::optional<TBeschattungsgrad> direkt = BeschattungsgradBerechnen(szene, z);
        ASSERT_TRUE(direkt);
        EXPECT_EQ(direkt->Fenster, g.Fenster);
        EXPECT_EQ(direkt->Terrasse, g.Terrasse);
    }
}

// Periods: the days from start to end over the new year, clock steps from start (included) to
// end (excluded), the texts of the batch output, and wrong periods refused.
TEST(Zeitraum, TageUhrzeitenUndTexte) {
    EXPECT_EQ(ZeitraumTage(TZeitraum{}).size(), 92u);
    EXPECT_EQ(ZeitraumIndizes(TZeitraum{}).size(), 92u * 24);
    const std::vector<int> winter = ZeitraumTage({360, 3, 0, 144});
    EXPECT_EQ(winter, (std::vector<int>{360, 361, 362, 363, 364, 365, 1, 2, 3}));
    EXPECT_EQ(ZeitraumTage(GanzesJahr).size(), 365u);
    EXPECT_EQ(ZeitraumTage({100, 100, 0, 144}), std::vector<int>{100});
    EXPECT_EQ(ZeitraumIndizes({1, 1, 72, 73}), std::vector<int>{72});

    EXPECT_EQ(ZeitraumText(TZeitraum{}), "01.06. bis 31.08., 12:00 bis 16:00 Uhr");
    EXPECT_EQ(ZeitraumText(GanzesJahr), "01.01. bis 31.12., 00:00 bis 24:00 Uhr");
    EXPECT_EQ(BeschattungsgradText(0.8123), "81.2 %");
    EXPECT_EQ(BeschattungsgradText(1.0), "100.0 %");
    EXPECT_EQ(BeschattungsgradText(0.0), "0.0 %");
    EXPECT_EQ(BeschattungsgradText(std::nullopt), "keine direkte Sonne im Zeitraum");

    struct TFall {
        std::string Tage, Uhrzeiten;
        bool Gueltig;
        TZeitraum Erwartet;
    };
    const TFall Faelle[] = {
        {"01.06.-31.08.", "12:00-16:00", true, {152, 243, 72, 96}},
        {"1.12.-28.2.", "00:00-24:00", true, {335, 59, 0, 144}},
        {"31.12.-01.01.", "23:50-24:00", true, {365, 1, 143, 144}},
        {"31.02.-01.03.", "12:00-16:00", false, {}},
        {"01.13.-01.01.", "12:00-16:00", false, {}},
        {"01.06.", "12:00-16:00", false, {}},
        {"01.06.-31.08.", "25:00-26:00", false, {}},
        {"01.06.-31.08.", "16:00-12:00", false, {}},
        {"01.06.-31.08.", "12:00-12:00", false, {}},
        {"01.06.-31.08.", "12:05-16:00", false, {}},
        {"01.06.-31.08.", "24:00-24:00", false, {}},
        {"01.06.-31.08.", "12:00", false, {}},
        {"x-y", "12:00-16:00", false, {}},
    };
    for (const TFall& f : Faelle) {
        TZeitraum z;
        const bool gueltig = !TageLesen(f.Tage, z) && !UhrzeitenLesen(f.Uhrzeiten, z);
        EXPECT_EQ(gueltig, f.Gueltig) << f.Tage << " " << f.Uhrzeiten;
        if (f.Gueltig) {
            EXPECT_EQ(z, f.Erwartet) << f.Tage << " " << f.Uhrzeiten;
        }
    }
}

// Cancelling the grid gives no result.
TEST(Jahresraster, AbbrechenGibtNichts) {
    int aufrufe = 0;
    const auto r = JahresrasterBerechnen(SzeneAusEingaben(TEingabedaten{}), [&](int) {
        ++aufrufe;
        return false;
    });
    EXPECT_FALSE(r);
    EXPECT_GE(aufrufe, 1);
}

} // namespace
} // namespace umbrarix
