#include "auswertung/Dimensionierung.h"
#include "io/Cp1252.h"
#include "io/Dateizugriff.h"
#include "io/Dimensionierungsdatei.h"
#include "io/Projektuebernahme.h"
#include "io/Verschattungstabelle.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace umbrarix {
namespace {

// Early June, 12:00 to 16:00: 15 days x 24 steps per candidate.
constexpr TZeitraum Juni{152, 166, 72, 96};

// The proposal reaches the requirement and the next smaller projection of the same width does
// not; the shared run over all candidates gives each candidate's own Beschattungsgrad.
TEST(Dimensionierung, KleinsterAusreichenderAusfall) {
    const TSzene szene = SzeneAusEingaben(TEingabedaten{});
    TDimensionierungsfrage f;
    f.Terrasse = true;
    f.Zeitraum = Juni;
    f.Mindestgrad = 0.6;
    f.Breite = TBereich{500, 700, 200};
    EXPECT_EQ(AnzahlKandidaten(szene, f), 41u * 2);
    const std::optional<TDimensionierung> d = Dimensionieren(szene, f);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->Kandidaten.size(), 82u);
    EXPECT_EQ(d->Kandidaten[1].Breite, 700);
    EXPECT_EQ(d->Kandidaten[2].Ausfall, 10);
    ASSERT_TRUE(d->Erreichbar);
    const TKandidat& v = d->Kandidaten[static_cast<size_t>(d->Vorschlag)];
    EXPECT_GE(*v.Grad.Terrasse, f.Mindestgrad);
    ASSERT_GT(v.Ausfall, 0);
    for (const TKandidat& k : d->Kandidaten) {
        ASSERT_TRUE(k.Grad.Terrasse && k.Grad.Fenster);
        if (k.Ausfall < v.Ausfall) {
            EXPECT_LT(*k.Grad.Terrasse, f.Mindestgrad) << k.Ausfall << " " << k.Breite;
        }
        if (k.Ausfall == v.Ausfall - 10 && k.Breite == v.Breite) {
            EXPECT_LT(*k.Grad.Terrasse, f.Mindestgrad);
        }
    }
    for (const size_t k : {size_t{0}, size_t{33}, static_cast<size_t>(d->Vorschlag)}) {
        const TKandidat& c = d->Kandidaten[k];
        const std::optional<TBeschattungsgrad> allein =
            BeschattungsgradBerechnen(Kandidatenszene(szene, c.Ausfall, c.Breite, c.Neigung), Juni);
        ASSERT_TRUE(allein);
        EXPECT_EQ(allein->Fenster, c.Grad.Fenster) << k;
        EXPECT_EQ(allein->Terrasse, c.Grad.Terrasse) << k;
    }

    // 0 % takes the smallest candidate; an impossible requirement names the best one.
    TDimensionierung null = *d;
    VorschlagWaehlen(null, true, 0);
    EXPECT_EQ(null.Vorschlag, 0);
    EXPECT_TRUE(null.Erreichbar);
    TDimensionierung unmoeglich = *d;
    VorschlagWaehlen(unmoeglich, true, 1.0001);
    EXPECT_FALSE(unmoeglich.Erreichbar);
    double bester = -1;
    int erster = -1;
    for (size_t k = 0; k < d->Kandidaten.size(); ++k) {
        if (*d->Kandidaten[k].Grad.Terrasse > bester) {
            bester = *d->Kandidaten[k].Grad.Terrasse;
            erster = static_cast<int>(k);
        }
    }
    EXPECT_EQ(unmoeglich.Vorschlag, erster);
    const std::vector<std::string> z = Vorschlagszeilen(unmoeglich, true);
    ASSERT_FALSE(z.empty());
    EXPECT_EQ(z[0].rfind("Vorschlag: nicht erreichbar; bester Kandidat: Ausfall ", 0), 0u) << z[0];
}

// A level awning without valance on a south facade near solar noon: the window's
// Beschattungsgrad never falls as the projection grows, and it is the one the shadow edge of
// the front edge gives, at height H - P z / x on the wall, from the sun vector alone (to the
// whole centimetres the shadow corners are rounded to).
TEST(Dimensionierung, WaagerechteMarkiseWieSchattenkante) {
    TEingabedaten e;
    e.CheckBox_Volant = false;
    e.anz_VolantHoehe = 0;
    e.anz_Vordach_Neigung = 0;
    e.anz_Vordachbreite = 700;
    const TSzene szene = SzeneAusEingaben(e);
    TDimensionierungsfrage f;
    f.Zeitraum = {152, 243, 81, 82}; // 13:30, about solar noon with summer time at 7 deg east
    f.Ausfall = {0, 400, 20};
    const std::optional<TDimensionierung> d = Dimensionieren(szene, f);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->Kandidaten.size(), 21u);

    constexpr double Grad = std::numbers::pi / 180;
    const double phi = e.anz_Breitengrad * Grad;
    const double oben = e.anz_Fensterabstand_Boden + e.anz_Fensterhoehe; // 250
    double vorher = -1;
    for (const TKandidat& k : d->Kandidaten) {
        ASSERT_TRUE(k.Grad.Fenster);
        EXPECT_GE(*k.Grad.Fenster, vorher - 1e-12) << k.Ausfall;
        vorher = *k.Grad.Fenster;
        double summe = 0;
        int n = 0;
        for (int tag = 152; tag <= 243; ++tag) {
            const double b = 2 * std::numbers::pi * (tag - 81) / 364;
            const double zg = 9.87 * std::sin(2 * b) - 7.53 * std::cos(b) - 1.5 * std::sin(b);
            const double t =
                81 / 6.0 + (-(15 * e.anz_Zeitzone + e.anz_Laengengrad) * 4 + zg) / 60 - 1;
            const double dek = 23.45 * Grad * std::sin(2 * std::numbers::pi / 365 * (tag + 284));
            const double w = (12 - t) * 15 * Grad;
            const double x =
                std::sin(phi) * std::cos(dek) * std::cos(w) - std::cos(phi) * std::sin(dek);
            const double z =
                std::cos(phi) * std::cos(dek) * std::cos(w) + std::sin(phi) * std::sin(dek);
            ASSERT_GT(x, 0);
            const double kante = e.anz_VordachHoehe - k.Ausfall * z / x;
            summe += std::clamp(oben - std::max(kante, e.anz_Fensterabstand_Boden), 0.0,
                                e.anz_Fensterhoehe) /
                     e.anz_Fensterhoehe;
            ++n;
        }
        // Shadow corners are rounded to whole centimetres: the edge moves by at most half a
        // centimetre of the window's height.
        const double HalberZentimeter = 0.5 / e.anz_Fensterhoehe;
        EXPECT_NEAR(*k.Grad.Fenster, summe / n, HalberZentimeter) << k.Ausfall;
    }
    EXPECT_EQ(*d->Kandidaten[0].Grad.Fenster, 0);
    EXPECT_GT(vorher, 0.5);
}

// The scan evaluates all candidates at each instant together; every candidate still gets the
// Beschattungsgrad of its own scene, bit for bit, on a tilted wall with both wall projections,
// on one thread and on two. The progress counts candidates up to all of them; cancelling
// gives nothing.
TEST(Dimensionierung, JederKandidatWieSeineSzene) {
    TEingabedaten e;
    e.anz_Fensterneigung = 80;
    e.anz_Himmelsrichtung = -35;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    e.anz_ml_ausfall = e.anz_mr_Ausfall = 300;
    e.anz_ml_AbstandFenstermitte = e.anz_mr_abstandFenstermitte = 150;
    const TSzene szene = SzeneAusEingaben(e);
    TDimensionierungsfrage f;
    f.Zeitraum = {100, 115, 42, 108};
    f.Ausfall = {0, 400, 100};
    f.Breite = TBereich{300, 700, 400};
    f.Neigung = TBereich{0, 30, 15};
    // Also in sections of 64 instants (1,056 in the period), as a long period with many
    // candidates is summed, so that the memory stays bounded: the same bits.
    for (const auto& [faeden, abschnitt] : {std::pair<int, std::size_t>{1, WerteJeAbschnitt},
                                            {2, WerteJeAbschnitt},
                                            {1, 1},
                                            {2, 1}}) {
        std::vector<int> stand;
        const std::optional<TDimensionierung> d = Dimensionieren(
            szene, f,
            [&](int erledigt) {
                stand.push_back(erledigt);
                return true;
            },
            faeden, abschnitt);
        ASSERT_TRUE(d);
        ASSERT_EQ(d->Kandidaten.size(), 5u * 2 * 3);
        for (const TKandidat& c : d->Kandidaten) {
            const std::optional<TBeschattungsgrad> allein = BeschattungsgradBerechnen(
                Kandidatenszene(szene, c.Ausfall, c.Breite, c.Neigung), f.Zeitraum);
            ASSERT_TRUE(allein && c.Grad.Fenster && c.Grad.Terrasse);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(*allein->Fenster),
                      std::bit_cast<std::uint64_t>(*c.Grad.Fenster))
                << c.Ausfall << " " << c.Breite << " " << c.Neigung;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(*allein->Terrasse),
                      std::bit_cast<std::uint64_t>(*c.Grad.Terrasse))
                << c.Ausfall << " " << c.Breite << " " << c.Neigung;
        }
        ASSERT_FALSE(stand.empty());
        EXPECT_TRUE(std::is_sorted(stand.begin(), stand.end()));
        EXPECT_EQ(stand.back(), 30);
        EXPECT_FALSE(Dimensionieren(
            szene, f, [](int) { return false; }, faeden));
    }
    // A period without a single step (12:00 to 12:00): every candidate without a
    // Beschattungsgrad, the progress at once at all of them.
    TDimensionierungsfrage leer = f;
    leer.Zeitraum = {100, 115, 72, 72};
    std::vector<int> stand;
    const std::optional<TDimensionierung> d = Dimensionieren(szene, leer, [&](int erledigt) {
        stand.push_back(erledigt);
        return true;
    });
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->Kandidaten.front().Grad.Terrasse);
    EXPECT_EQ(stand, std::vector<int>{30});
}

// A candidate is the scene with its values held in the fields' limits, the overhang switched
// on (a valance that was off stays off) and the clearance recomputed.
TEST(Dimensionierung, KandidatWieEineEingabe) {
    TEingabedaten e;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = false;
    e.anz_VolantHoehe = 0;
    const TSzene aus = SzeneAusEingaben(e);
    const TSzene k = Kandidatenszene(aus, 250, 800, 10);
    EXPECT_TRUE(k.Eingaben.CheckBox_Ueberhang);
    EXPECT_FALSE(k.Eingaben.CheckBox_Volant);
    EXPECT_EQ(k.Eingaben.anz_Vordachlaenge, 250);
    EXPECT_EQ(k.Eingaben.anz_Vordachbreite, 700);
    // Back edge 280, 250 along a slope of 10 degrees: front edge 280 - 250 sin 10 = 236.6.
    EXPECT_NEAR(k.Eingaben.anz_Durchgangshoehe, 280 - 250 * std::sin(10 * std::numbers::pi / 180),
                0.5);
    const TSzene mit = Kandidatenszene(SzeneAusEingaben(TEingabedaten{}), 250, 600, 10);
    EXPECT_NEAR(mit.Eingaben.anz_Durchgangshoehe,
                280 - 250 * std::sin(10 * std::numbers::pi / 180) - 20, 0.5);
    EXPECT_EQ(BereichsWerte({0, 25, 10}), (std::vector<int>{0, 10, 20}));
    EXPECT_TRUE(BereichsWerte({10, 0, 10}).empty());
    TDimensionierungsfrage zuViele;
    zuViele.Ausfall = {0, 400, 1};
    zuViele.Breite = TBereich{15, 700, 1};
    EXPECT_GT(AnzahlKandidaten(aus, zuViele), HoechstzahlKandidaten);
    EXPECT_FALSE(Dimensionieren(aus, zuViele));
}

// The file: header without the legend, the question, one row per candidate under its
// heading's letters, "-" for an undefined Beschattungsgrad, the proposal and the clearance
// note.
TEST(Dimensionierungsdatei, AufbauUndSpalten) {
    TDimensionierungsfrage f;
    f.Terrasse = true;
    f.Zeitraum = TZeitraum{};
    f.Mindestgrad = 0.8;
    TDimensionierung d;
    d.Kandidaten = {{240, 600, 10, {0.91, 0.7999}, 207},
                    {250, 600, 10, {0.95, 0.812}, 199},
                    {260, 600, 10, {std::nullopt, std::nullopt}, 198}};
    d.Vorschlag = 1;
    d.Erreichbar = true;
    const TProjektdaten p = Startprojekt();
    const std::vector<std::string> z = Zeilen(AusCp1252(Dimensionierungsdatei(p, f, d)));
    std::vector<std::string> kopf = Tabellenkopf(p);
    kopf.resize(kopf.size() - 5);
    ASSERT_GT(z.size(), kopf.size());
    EXPECT_TRUE(std::equal(kopf.begin(), kopf.end(), z.begin()));
    const std::vector<std::string> rest(z.begin() + static_cast<long>(kopf.size()), z.end());
    const std::vector<std::string> erwartet{
        "Markise dimensionieren:",
        "-----------------------",
        "",
        "Ziel: Terrasse",
        "Zeitraum: 01.06. bis 31.08., 12:00 bis 16:00 Uhr",
        "Verlangter Beschattungsgrad: 80.0 %",
        "",
        "Ausfall   Breite   Neigung   Fenster   Terrasse   Durchgangshöhe",
        "    240      600        10      91.0       80.0              207",
        "    250      600        10      95.0       81.2              199",
        "    260      600        10         -          -              198",
        "",
        "Vorschlag: Ausfall 250 cm, Breite 600 cm, Neigung 10 °, Beschattungsgrad Terrasse 81.2 %, "
        "Durchgangshöhe 199 cm",
        "Hinweis: Durchgangshöhe unter 200 cm",
    };
    EXPECT_EQ(rest, erwartet);
    TDimensionierung nicht = d;
    nicht.Erreichbar = false;
    nicht.Vorschlag = 0;
    EXPECT_EQ(
        Vorschlagszeilen(nicht, false),
        std::vector<std::string>{"Vorschlag: nicht erreichbar; bester Kandidat: Ausfall 240 cm, "
                                 "Breite 600 cm, Neigung 10 °, Beschattungsgrad Fenster 91.0 %, "
                                 "Durchgangshöhe 207 cm"});
    const TProjektdaten neu = KandidatenProjekt(p, d.Kandidaten[1]);
    EXPECT_EQ(neu.Felder.at("anz_Vordachlaenge"), "250");
    EXPECT_EQ(neu.Felder.at("anz_Durchgangshoehe"), "199");
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// A candidate whose valance reaches below the ground is never proposed, neither as reaching
// the requirement nor as the best one; with none buildable there is no proposal.
TEST(Dimensionierung, NurBaubareKandidatenVorgeschlagen) {
    const auto kandidat = [](int ausfall, double grad, double durchgang) {
        TKandidat k;
        k.Ausfall = ausfall;
        k.Grad.Terrasse = grad;
        k.Durchgangshoehe = durchgang;
        return k;
    };
    const struct {
        std::vector<TKandidat> kandidaten;
        int vorschlag;
        bool erreichbar;
        const char* zeile;
    } faelle[] = {
        {{kandidat(100, 0.9, -40), kandidat(150, 0.85, 10)}, 1, true, "Vorschlag: Ausfall 150"},
        {{kandidat(100, 0.7, -1), kandidat(150, 0.6, 0)},
         1,
         false,
         "Vorschlag: nicht erreichbar; bester Kandidat: Ausfall 150"},
        {{kandidat(100, 0.9, -40), kandidat(150, 0.95, -80)},
         -1,
         false,
         "Vorschlag: kein baubarer Kandidat (Volant reicht unter den Boden)"},
    };
    for (const auto& f : faelle) {
        TDimensionierung d;
        d.Kandidaten = f.kandidaten;
        VorschlagWaehlen(d, true, 0.8);
        EXPECT_EQ(d.Vorschlag, f.vorschlag) << f.zeile;
        EXPECT_EQ(d.Erreichbar, f.erreichbar) << f.zeile;
        EXPECT_EQ(Vorschlagszeilen(d, true).front().rfind(f.zeile, 0), 0u)
            << Vorschlagszeilen(d, true).front();
    }
}

} // namespace
} // namespace umbrarix
