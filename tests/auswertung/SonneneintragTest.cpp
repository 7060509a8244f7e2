#include "auswertung/Sonneneintrag.h"

#include "auswertung/Jahresraster.h"
#include "hilfen/Testsonne.h"
#include "hilfen/Testwetter.h"
#include "model/ElementeAufbauen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

using testhilfen::Grad;
using testhilfen::KonstantesWetter;
using testhilfen::OhneElemente;

// The view factors of an open sky against (1 + cos tilt) / 2: the mask's cells are integrated
// exactly, so only the cells cut by the wall's plane differ.
constexpr double SichtfaktorToleranz = 0.002; // relative

TSonneneintrag Rechnen(const TEingabedaten& e, const TWetterjahr& w, bool terrasse,
                       double albedo = AlbedoVorgabe) {
    return *SonneneintragBerechnen(SzeneAusEingaben(e), w, terrasse, albedo);
}

TEingabedaten Geneigt(double neigung, double richtung) {
    TEingabedaten e = OhneElemente();
    e.anz_Fensterneigung = neigung;
    e.anz_Himmelsrichtung = richtung;
    return e;
}

TEST(Sonneneintrag, SichtfaktorDesOffenenHimmels) {
    struct {
        double Neigung, Richtung;
        bool Terrasse;
        double Erwartet;
    } faelle[] = {
        {90, 0, false, 0.5},   {90, 0, true, 0.5},
        {60, 0, false, 0.75},  {90, 137, false, 0.5},
        {120, 0, false, 0.25}, {30, 250, false, (1 + std::cos(30 * Grad)) / 2},
        {90, 200, true, 0.5},
    };
    for (const auto& f : faelle) {
        const TSzene s = SzeneAusEingaben(Geneigt(f.Neigung, f.Richtung));
        const THimmelsmaske m = *HimmelsmaskeBerechnen(s);
        const double F = DiffusSichtfaktor(m, f.Terrasse, Zielnormale(s, f.Terrasse));
        EXPECT_NEAR(F, f.Erwartet, SichtfaktorToleranz * f.Erwartet)
            << f.Neigung << " " << f.Richtung << " " << f.Terrasse;
    }
}

TEST(Sonneneintrag, DirektSummenEinesUnbeschattetenSuedfensters) {
    // DNI 500 in every hour: the beam of an open vertical window facing south is the sum of
    // 500 cos(theta) over the hours whose middle has the sun up and in front of the wall.
    const TEingabedaten e = OhneElemente();
    const TSonneneintrag r = Rechnen(e, KonstantesWetter(500, 100, 400), false);
    TEingabedaten ohneSommerzeit = e;
    ohneSommerzeit.CheckBox_Sommerzeit = false;
    double erwartet = 0;
    for (int k = 0; k < WetterStunden; ++k) {
        const auto sonne = testhilfen::SonneZurUhrzeit(ohneSommerzeit, k / 24 + 1, k % 24 + 0.5);
        if (sonne.z > 0 && sonne.x > 0) {
            erwartet += 500 * sonne.x; // the wall's normal points south
        }
    }
    const TEintrag jahr = EintragImJahr(r);
    EXPECT_NEAR(jahr.DirektOhne, erwartet, 1e-6 * erwartet);
    EXPECT_DOUBLE_EQ(jahr.DirektMit, jahr.DirektOhne);
    // Diffuse: 100 Wh/m² x F x 8760 hours; reflected: 400 x 0.2 x 0.5 x 8760.
    EXPECT_NEAR(jahr.DiffusOhne, 100 * 0.5 * WetterStunden, SichtfaktorToleranz * 438000);
    EXPECT_NEAR(jahr.Reflex, 400 * 0.2 * 0.5 * WetterStunden, 1e-6);
    EXPECT_DOUBLE_EQ(r.Flaeche, 4 * 1.5);
}

TEST(Sonneneintrag, HorizontaleDirektstrahlungWirdZurNormalen) {
    // A test reference year gives the beam on the horizontal: B / sin(elevation), none below 2°.
    const TEingabedaten e = OhneElemente();
    const TSonneneintrag epw = Rechnen(e, KonstantesWetter(300, 0, 0), true);
    const TSonneneintrag try_ = Rechnen(e, KonstantesWetter(300, 0, 0, true), true);
    for (int k = 0; k < WetterStunden; ++k) {
        const double hoehe = epw.Stunden[k].DirektOhne / 300; // sin(elevation) on the terrace
        const double erwartet = std::asin(hoehe) < 2 * Grad ? 0 : 300;
        ASSERT_NEAR(try_.Stunden[k].DirektOhne, erwartet, 1e-9) << k;
    }
}

TEST(Sonneneintrag, VerdeckterHimmelUndVolleAbdeckung) {
    // A skyline of 90° all round: neither beam nor sky light, with or without shading.
    TSzene s = SzeneAusEingaben(TEingabedaten{});
    s.Umgebung = TUmgebung({{0, 90}});
    const TSonneneintrag r =
        *SonneneintragBerechnen(s, KonstantesWetter(500, 100, 400), false, 0.3);
    const TEintrag jahr = EintragImJahr(r);
    EXPECT_EQ(jahr.DirektMit, 0);
    EXPECT_EQ(jahr.DirektOhne, 0);
    EXPECT_EQ(jahr.DiffusMit, 0);
    EXPECT_EQ(jahr.DiffusOhne, 0);
    EXPECT_NEAR(jahr.Reflex, 400 * 0.3 * 0.5 * WetterStunden, 1e-6);

    // An awning let down flat against the wall over the whole window: its shadow is itself,
    // so the window is covered whenever the sun shines on it.
    TEingabedaten v;
    v.anz_VordachHoehe = 350;
    v.anz_Abstand_Wand = 0;
    v.anz_Vordach_Neigung = 90;
    v.anz_Vordachlaenge = 400;
    v.anz_Vordachbreite = 700;
    v.CheckBox_Volant = false;
    const TSonneneintrag zu = Rechnen(v, KonstantesWetter(500, 100, 400), false);
    const TEintrag z = EintragImJahr(zu);
    EXPECT_EQ(z.DirektMit, 0);
    EXPECT_GT(z.DirektOhne, 100000);
    const TAbminderung a = AbminderungVon(z);
    EXPECT_DOUBLE_EQ(*a.Direkt, 1);
    EXPECT_GT(*a.Gesamt, 0.5);
}

TEST(Sonneneintrag, OhneNieUnterMitUndReflexUnabhaengigVonElementen) {
    TEingabedaten alle;
    alle.CheckBox_MauerLinks = alle.CheckBox_MauerRechts = true;
    alle.anz_Himmelsrichtung = 35;
    TEingabedaten keine = alle;
    keine.CheckBox_Ueberhang = keine.CheckBox_Volant = keine.CheckBox_MauerLinks =
        keine.CheckBox_MauerRechts = false;
    TSzene s = SzeneAusEingaben(alle);
    s.Umgebung = TUmgebung({{0, 10}, {90, 25}, {200, 5}});
    TSzene o = SzeneAusEingaben(keine);
    o.Umgebung = s.Umgebung;
    const TWetterjahr w = KonstantesWetter(600, 150, 500);
    for (const bool terrasse : {false, true}) {
        const TSonneneintrag mit = *SonneneintragBerechnen(s, w, terrasse, 0.25);
        const TSonneneintrag ohne = *SonneneintragBerechnen(o, w, terrasse, 0.25);
        // Without elements the mask of the scene is what the "ohne" derivation gives.
        EXPECT_DOUBLE_EQ(ohne.SichtfaktorMit, mit.SichtfaktorOhne);
        EXPECT_LT(mit.SichtfaktorMit, mit.SichtfaktorOhne);
        for (int k = 0; k < WetterStunden; ++k) {
            const TEintrag& h = mit.Stunden[k];
            ASSERT_LE(h.DirektMit, h.DirektOhne) << k;
            ASSERT_LE(h.DiffusMit, h.DiffusOhne) << k;
            ASSERT_EQ(h.Reflex, ohne.Stunden[k].Reflex) << k;
            ASSERT_EQ(h.DirektOhne, ohne.Stunden[k].DirektMit) << k;
        }
        // Threads do not change a bit.
        const TSonneneintrag einer = *SonneneintragBerechnen(s, w, terrasse, 0.25, {}, 1);
        for (int k = 0; k < WetterStunden; ++k) {
            ASSERT_EQ(einer.Stunden[k].DirektMit, mit.Stunden[k].DirektMit) << k;
        }
    }
}

TEST(Sonneneintrag, ZeitraeumeMonateUndOrt) {
    TEingabedaten e;
    e.anz_Breitengrad = 50.9;
    e.anz_Laengengrad = -6.9;
    TSzene s = SzeneAusEingaben(e);
    TWetterjahr w = KonstantesWetter(400, 100, 300);
    w.Ort = TWetterort{48.14, 11.58};
    const TSonneneintrag r = *SonneneintragBerechnen(s, w, false, 0.2);
    EXPECT_EQ(r.Ortshinweis, "Wetterdaten von 48.1° N, 11.6° O, Projekt 50.9° N, 6.9° O");
    w.Ort = TWetterort{50.0, 7.8};
    EXPECT_EQ(Ortshinweis(s, w), "");
    w.Ort = TWetterort{-33.9, -18.4};
    EXPECT_EQ(Ortshinweis(s, w), "Wetterdaten von 33.9° S, 18.4° W, Projekt 50.9° N, 6.9° O");

    // The months add up to the year, and so does the whole year as a period.
    const TEintrag jahr = EintragImJahr(r), ganz = EintragImZeitraum(r, GanzesJahr);
    EXPECT_NEAR(ganz.GesamtMit(), jahr.GesamtMit(), 1e-6 * jahr.GesamtMit());
    // June, 12:00 to 16:00 clock time (summer time): the hours 10:30, 11:30, 12:30, 13:30 of
    // the file's standard time, 30 days of four hours.
    const TEintrag juni = EintragImZeitraum(r, TZeitraum{152, 181, 72, 96});
    TEintrag erwartet;
    for (int tag = 152; tag <= 181; ++tag) {
        for (int stunde = 12; stunde <= 15; ++stunde) {
            erwartet += r.Stunden[static_cast<size_t>((tag - 1) * 24 + stunde - 1)];
        }
    }
    EXPECT_DOUBLE_EQ(juni.DirektMit, erwartet.DirektMit);
    EXPECT_DOUBLE_EQ(juni.DiffusMit, erwartet.DiffusMit);
    // A period over the new year.
    const TEintrag winter = EintragImZeitraum(r, TZeitraum{335, 59, 0, 144});
    const auto monate = EintragJeMonat(r);
    EXPECT_NEAR(winter.DirektMit, monate[11].DirektMit + monate[0].DirektMit + monate[1].DirektMit,
                1e-6 * winter.DirektMit);
}

TEST(Sonneneintrag, ZeitzoneDerDatei) {
    // A file in Greenwich time gives the same energy one hour later on the scene's clock.
    const TEingabedaten e = OhneElemente();
    const TSonneneintrag mez = Rechnen(e, KonstantesWetter(500, 0, 0, false, 1), false);
    const TSonneneintrag utc = Rechnen(e, KonstantesWetter(500, 0, 0, false, 0), false);
    for (int k = 0; k + 1 < WetterStunden; ++k) {
        ASSERT_DOUBLE_EQ(utc.Stunden[static_cast<size_t>(k)].DirektOhne,
                         mez.Stunden[static_cast<size_t>(k + 1)].DirektOhne)
            << k;
    }
}

} // namespace
} // namespace umbrarix
