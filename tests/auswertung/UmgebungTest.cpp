// The year with a skyline, checked against the sun written out from its formulas: a step is
// behind the surroundings exactly when the sun stands at or below the skyline, which then
// takes the direct sun with and without the shading.

#include "auswertung/Jahresraster.h"
#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "model/ElementeAufbauen.h"

#include "hilfen/Testsonne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace umbrarix {
namespace {

using testhilfen::Grad;
using testhilfen::OhneElemente;
using testhilfen::SonneImSchritt;
using testhilfen::TTestsonne;

// An unshaded south window: every day, the hours of direct sun are the steps whose sun stands
// in front of the wall and above the skyline, for constant skylines and one that rises from
// west (0) to east (30 degrees) both ways round.
TEST(Umgebung, DirekteSonneNurUeberDerSkyline) {
    const TEingabedaten e = OhneElemente();
    const struct {
        const char* name;
        TUmgebung umgebung;
        std::function<double(double)> skyline; // degrees over the azimuth 0..360
    } faelle[] = {
        {"konstant 5", TUmgebung({{0, 5}}), [](double) { return 5.0; }},
        {"konstant 20", TUmgebung({{200, 20}}), [](double) { return 20.0; }},
        {"Rampe", TUmgebung({{90, 30}, {270, 0}}),
         [](double a) {
             return a <= 90 ? 15 + a / 6 : a <= 270 ? 30 - (a - 90) / 6 : (a - 270) / 6;
         }},
    };
    for (const auto& f : faelle) {
        TSzene szene = SzeneAusEingaben(e);
        szene.Umgebung = f.umgebung;
        const std::optional<TJahresraster> r = JahresrasterBerechnen(szene);
        ASSERT_TRUE(r);
        ASSERT_EQ(r->HinterUmgebung.size(), static_cast<size_t>(RasterZellen));
        int verdeckt = 0;
        for (int n = 1; n <= RasterTage; ++n) {
            int sonne = 0;
            for (int k = 0; k < RasterSchritte; ++k) {
                const TTestsonne s = SonneImSchritt(e, n, k);
                const double hoehe = std::asin(s.z) / Grad;
                double azimut = std::atan2(s.y, s.x) / Grad;
                azimut += azimut < 0 ? 360 : 0;
                const bool vorn = s.z > 0 && s.x > 0;
                const bool hinter = vorn && hoehe <= f.skyline(azimut);
                sonne += vorn && !hinter;
                verdeckt += hinter;
                const auto i = static_cast<size_t>(RasterIndex(n, k));
                ASSERT_EQ(r->IstHinterUmgebung(i), hinter) << f.name << " day " << n << " " << k;
                if (hinter) {
                    ASSERT_EQ(r->Fenster[i], 1) << f.name;
                    ASSERT_EQ(r->Terrasse[i], 1) << f.name;
                }
            }
            const TSonnenstunden h = DirekteSonneAmTag(*r, n);
            ASSERT_NEAR(h.FensterOhne, sonne / 6.0, 1e-9) << f.name << " day " << n;
            ASSERT_NEAR(h.FensterMit, h.FensterOhne, 1e-9) << f.name << " day " << n;
            ASSERT_NEAR(h.TerrasseOhne, h.FensterOhne, 1e-9) << f.name << " day " << n;
        }
        EXPECT_GT(verdeckt, 365) << f.name << ": the skyline hides the sun every day";
    }
}

// A skyline of 90 degrees all round hides every lit step: no direct sun at all, and the
// Beschattungsgrad of any period is 100 %, with or without the shading.
TEST(Umgebung, NeunzigGradVerdecktJedenBesonntenSchritt) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = true;
    TSzene szene = SzeneAusEingaben(e);
    szene.Umgebung = TUmgebung({{0, 90}});
    for (const TSzene& s : {szene, OhneSonnenschutz(szene)}) {
        const std::optional<TJahresraster> r = JahresrasterBerechnen(s);
        ASSERT_TRUE(r);
        const TSonnenstundenUebersicht u = SonnenstundenBerechnen(*r);
        EXPECT_EQ(u.Jahr.FensterMit, 0);
        EXPECT_EQ(u.Jahr.FensterOhne, 0);
        EXPECT_EQ(u.Jahr.TerrasseMit, 0);
        EXPECT_EQ(u.Jahr.TerrasseOhne, 0);
        int besonnt = 0;
        for (int i = 0; i < RasterZellen; ++i) {
            const auto k = static_cast<size_t>(i);
            besonnt += IstBesonnt(r->Fenster[k]);
            ASSERT_EQ(r->IstHinterUmgebung(k), IstBesonnt(r->Fenster[k])) << i;
        }
        EXPECT_GT(besonnt, 20000);
        for (const TZeitraum& z : {GanzesJahr, TZeitraum{152, 243, 60, 100}}) {
            const TBeschattungsgrad g = BeschattungsgradAusRaster(*r, z);
            ASSERT_TRUE(g.Fenster && g.Terrasse);
            EXPECT_EQ(*g.Fenster, 1);
            EXPECT_EQ(*g.Terrasse, 1);
        }
    }
    // Night and the sun behind the wall keep their marks.
    TSzene nacht = szene;
    Zeitpunkt_Simulieren(nacht, 172, 0);
    EXPECT_EQ(nacht.Fenster.Verschattungsanteil, AnteilNacht);
    EXPECT_FALSE(nacht.IstHinterUmgebung);
    TSzene mittag = szene;
    Zeitpunkt_Simulieren(mittag, 172, 78);
    EXPECT_TRUE(mittag.IstHinterUmgebung);
    EXPECT_EQ(mittag.Fenster.Verschattungsanteil, 1);
    EXPECT_EQ(mittag.Terrasse.Verschattungsanteil, 1);
}

// An open site writes no flags, so that a grid without surroundings stays as it was.
TEST(Umgebung, OffenerStandortOhneMarken) {
    const std::optional<TJahresraster> r = JahresrasterBerechnen(SzeneAusEingaben(TEingabedaten{}));
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->HinterUmgebung.empty());
    EXPECT_FALSE(r->IstHinterUmgebung(100));
}

} // namespace
} // namespace umbrarix
