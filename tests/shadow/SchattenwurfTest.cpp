#include "shadow/Schattenwurf.h"
#include "model/ElementeAufbauen.h"
#include "solar/Sonnenstand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace umbrarix {
namespace {

TPolygon Polygon(std::initializer_list<TPunkt> ecken) {
    TPolygon p;
    for (const TPunkt& e : ecken) {
        p.Anhaengen(e);
    }
    return p;
}

TEST(Schattenwurf, Flaeche) {
    const TSzene s = SzeneAusEingaben({});
    EXPECT_DOUBLE_EQ(Flaeche(s.Fenster.Polygon), 60000); // 400 x 150
    EXPECT_DOUBLE_EQ(Flaeche(s.Wand.Polygon), 700 * 350);
    EXPECT_EQ(Flaeche(Polygon({{0, 0, 0}, {3, 4, 5}})), 0);
    // A tilted triangle in space, either orientation.
    EXPECT_DOUBLE_EQ(Flaeche(Polygon({{0, 0, 0}, {0, 4, 0}, {0, 0, 3}})), 6);
    EXPECT_DOUBLE_EQ(Flaeche(Polygon({{0, 0, 3}, {0, 4, 0}, {0, 0, 0}})), 6);
    EXPECT_DOUBLE_EQ(Flaeche(Polygon({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}})), std::sqrt(3.0) / 2);
}

TEST(Schattenwurf, GeradeEbeneSchnitt) {
    const TPunkt p = GeradeEbeneSchnitt({148, 300, 254}, {1, 0, 0}, {0, 0, 0}, {1, 0, 0});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 300);
    EXPECT_EQ(p.z, 254);
    const TPunkt q = GeradeEbeneSchnitt({0, 0, 100}, {1, 1, 1}, {0, 0, 0}, {0, 0, 1});
    EXPECT_EQ(q.x, -100);
    EXPECT_EQ(q.y, -100);
    EXPECT_EQ(q.z, 0);
}

TEST(Schattenwurf, SonneSenkrechtAufDieWand) {
    TSzene s = SzeneAusEingaben({});
    const TPunkt normale{1, 0, 0}, ursprung{0, 0, 0};
    ProjiziereAufWandebene(s.Ueberhang, normale, normale, ursprung, s);
    // Every corner falls to its foot point: the band 600 wide between heights 254 and 280.
    ASSERT_EQ(s.Ueberhang.SchattenWandebene.Anzahl, 4);
    EXPECT_DOUBLE_EQ(Flaeche(s.Ueberhang.SchattenWandebene), 600 * 26);
    EXPECT_EQ(s.Ueberhang.SchattenWandebene[0].x, 0);
    EXPECT_EQ(s.Ueberhang.SchattenWandebene[0].z, 254);
    // The back edge lies in the wall plane and is copied unchanged.
    EXPECT_EQ(s.Ueberhang.SchattenWandebene[2].y, 300);
    EXPECT_EQ(s.Ueberhang.SchattenWandebene[2].z, 280);
    EXPECT_DOUBLE_EQ(Flaeche(s.Ueberhang.SchattenWand), 600 * 26);
    EXPECT_EQ(s.Ueberhang.SchattenFenster.Anzahl, 0) << "the band lies above the window";

    TEingabedaten eben;
    eben.anz_Vordach_Neigung = 0;
    s = SzeneAusEingaben(eben);
    ProjiziereAufWandebene(s.Ueberhang, normale, normale, ursprung, s);
    EXPECT_NEAR(Flaeche(s.Ueberhang.SchattenWandebene), 0, 1e-9);
    EXPECT_EQ(s.Ueberhang.SchattenWand.Anzahl, 0);
}

TEST(Schattenwurf, VorgabeszeneAm21JuniMittags) {
    TSzene s = SzeneAusEingaben({});
    const TPunkt sonne = Sonnenvektor(172, Sonnenzeit(172, 12.0, s.Laengenkorrektur, true), 50.5);
    const TPunkt n{1, 0, 0}, ursprung{0, 0, 0};
    ProjiziereAufWandebene(s.Ueberhang, sonne, n, ursprung, s);
    // The front edge at (148, +-300, 254) lands at 254 - 148 * 0.84272 / 0.39667 = -60.4 cm.
    EXPECT_NEAR(s.Ueberhang.SchattenWandebene[0].z, -60.4, 0.05);
    EXPECT_NEAR(s.Ueberhang.SchattenWandebene[0].x, 0, 1e-9);
    // So the shadow covers the window's full height where it lies across it.
    const TPolygon& f = s.Ueberhang.SchattenFenster;
    ASSERT_GE(f.Anzahl, 4);
    double zmin = 1e9, zmax = -1e9;
    for (int i = 0; i < f.Anzahl; ++i) {
        zmin = std::min(zmin, f[i].z);
        zmax = std::max(zmax, f[i].z);
    }
    EXPECT_NEAR(zmin, 100, 1e-9);
    EXPECT_NEAR(zmax, 250, 1e-9);

    ProjiziereAufBodenebene(s.Ueberhang, sonne, {0, 0, 1}, ursprung, s);
    for (int i = 0; i < s.Ueberhang.SchattenBodenebene.Anzahl; ++i) {
        EXPECT_NEAR(s.Ueberhang.SchattenBodenebene[i].z, 0, 1e-9);
    }
    EXPECT_EQ(s.Ueberhang.SchattenBodenebene.Anzahl, 4);
}

TEST(Schattenwurf, ZuschneidenAufGanzeZentimeter) {
    const TSzene s = SzeneAusEingaben({});
    // A shadow covering the whole window gives the window's four corners.
    const TPolygon gross = Polygon({{0, -500, -50}, {0, 500, -50}, {0, 500, 340}, {0, -500, 340}});
    const TPolygon r = SchattenZuschneiden(s.Fenster.Polygon, gross, 90, 0);
    ASSERT_EQ(r.Anzahl, 4);
    EXPECT_DOUBLE_EQ(Flaeche(r), 60000);
    // A shadow missing the window.
    const TPolygon daneben = Polygon({{0, 250, 0}, {0, 300, 0}, {0, 300, 50}, {0, 250, 50}});
    EXPECT_EQ(SchattenZuschneiden(s.Fenster.Polygon, daneben, 90, 0).Anzahl, 0);
    // Tilt 0 and tilt 180 both fold the facade plane onto the ground: the same polygon.
    const TPolygon boden0 = SchattenZuschneiden(s.Terrasse.Polygon, s.Boden.Polygon, 0, 0);
    const TPolygon boden180 = SchattenZuschneiden(s.Terrasse.Polygon, s.Boden.Polygon, 180, 0);
    EXPECT_DOUBLE_EQ(Flaeche(boden0), 400 * 200);
    EXPECT_DOUBLE_EQ(Flaeche(boden180), 400 * 200);
    for (int i = 0; i < boden0.Anzahl; ++i) {
        EXPECT_NEAR(boden0[i].z, 0, 1e-9);
    }
}

} // namespace
} // namespace umbrarix
