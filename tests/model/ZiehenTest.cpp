#include "model/Ziehen.h"
#include "model/ElementeAufbauen.h"
#include "model/Geometrie.h"
#include "model/MasseZurueckgewinnen.h"

#include <gtest/gtest.h>

#include <functional>

namespace umbrarix {
namespace {

// Drags a handle of a fresh scene and reads the dimensions back as the window shows them.
TEingabedaten Gezogen(TGriff g, int dx, int dy, std::function<void(TEingabedaten&)> vorher = {}) {
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    if (vorher) {
        vorher(e);
    }
    TSzene s = SzeneAusEingaben(e);
    GriffZiehen(s, g, dx, dy);
    Daten_anzeigen_Masse(s);
    return s.Eingaben;
}

TEST(Ziehen, GrenzenDerFrontansicht) {
    using E = TEingabedaten;
    const struct {
        TGriff griff;
        int dx, dy;
        double E::*mass;
        double wert;
    } faelle[] = {
        // window 100..250 high, -200..200 wide
        {TGriff::f_fenster_oben, 0, -30, &E::anz_Fensterhoehe, 180},
        {TGriff::f_fenster_oben, 0, -500, &E::anz_Fensterhoehe, 250}, // top at most 350
        {TGriff::f_fenster_oben, 0, 500, &E::anz_Fensterhoehe, 15},   // 15 cm minimum
        {TGriff::f_fenster_unten, 0, 500, &E::anz_Fensterabstand_Boden, 0},
        {TGriff::f_fenster_unten, 0, -500, &E::anz_Fensterhoehe, 15},
        {TGriff::f_fenster_links, -500, 0, &E::anz_Fensterbreite, 550}, // left edge at -350
        {TGriff::f_fenster_links, 500, 0, &E::anz_Fensterbreite, 15},
        {TGriff::f_fenster_rechts, 20, 0, &E::anz_FensterZentrierung, 10},
        {TGriff::f_fenster_rechts, -500, 0, &E::anz_Fensterbreite, 15},
        // overhang back edge 280, front edge 254
        {TGriff::f_ueberh_oben, 0, -500, &E::anz_VordachHoehe, 350},
        {TGriff::f_ueberh_unten, 0, -500, &E::anz_Vordach_Neigung, 0}, // front up to the back
        {TGriff::f_ueberh_unten, 0, 500, &E::anz_VolantHoehe, 20},
        {TGriff::f_ueberh_rechts, 500, 0, &E::anz_Vordachbreite, 650},
        {TGriff::f_volant_links, 1000, 0, &E::anz_Vordachbreite, 15},
        {TGriff::f_volant_unten, 0, 30, &E::anz_VolantHoehe, 50},
        {TGriff::f_volant_unten, 0, 500, &E::anz_VolantHoehe, 200},
        {TGriff::f_volant_unten, 0, -500, &E::anz_VolantHoehe, 0},
        // wall projections 0..300 high at -325 and 325
        {TGriff::f_mauerlinks_oben, 0, -100, &E::anz_ml_hoehe, 350},
        {TGriff::f_mauerlinks_oben, 0, 1000, &E::anz_ml_hoehe, 15},
        {TGriff::f_mauerlinks_unten, 0, -50, &E::anz_ml_bodenabstand, 50},
        {TGriff::f_mauerlinks_seite, 1000, 0, &E::anz_ml_AbstandFenstermitte, -100},
        {TGriff::f_mauerlinks_seite, -1000, 0, &E::anz_ml_AbstandFenstermitte, 350},
        {TGriff::f_mauerrechts_seite, -1000, 0, &E::anz_mr_abstandFenstermitte, -100},
        {TGriff::f_mauerrechts_seite, 1000, 0, &E::anz_mr_abstandFenstermitte, 350},
        {TGriff::f_mauerrechts_unten, 0, -1000, &E::anz_mr_hoehe, 15},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Gezogen(f.griff, f.dx, f.dy).*f.mass, f.wert)
            << static_cast<int>(f.griff) << " " << f.dx << "," << f.dy;
    }
}

TEST(Ziehen, GrenzenDerDraufsicht) {
    using E = TEingabedaten;
    const struct {
        TGriff griff;
        int dx, dy;
        double E::*mass;
        double wert;
    } faelle[] = {
        {TGriff::b_ueberh_rechts, 500, 0, &E::anz_Vordachbreite, 550}, // right side at 250
        {TGriff::b_ueberh_links, -500, 0, &E::anz_Vordachbreite, 550},
        // front edge 350 out (26 cm below the back edge), or back at the back edge
        {TGriff::b_ueberh_unten, 0, 500, &E::anz_Vordachlaenge, 351},
        {TGriff::b_ueberh_unten, 0, -500, &E::anz_Vordachlaenge, 26},
        {TGriff::b_ueberh_oben, 0, 30, &E::anz_Abstand_Wand, 30},
        {TGriff::b_terrasse_oben, 0, 50, &E::anz_terrassenabstand, 50},
        {TGriff::b_terrasse_oben, 0, 500, &E::anz_terrassenlaenge, 15},
        {TGriff::b_terrasse_unten, 0, 500, &E::anz_terrassenlaenge, 350},
        {TGriff::b_terrasse_links, -500, 0, &E::anz_terrassenbreite, 550},
        {TGriff::b_terrasse_rechts, -500, 0, &E::anz_terrassenbreite, 15},
        {TGriff::b_mauerlinks_oben, 0, 40, &E::anz_ml_wandabstand, 40},
        {TGriff::b_mauerlinks_oben, 0, 500, &E::anz_ml_ausfall, 15},
        {TGriff::b_mauerlinks_unten, 0, 500, &E::anz_ml_ausfall, 350},
        {TGriff::b_mauerrechts_seite, 500, 0, &E::anz_mr_abstandFenstermitte, 350},
        {TGriff::b_mauerrechts_seite, -1000, 0, &E::anz_mr_abstandFenstermitte, -100},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Gezogen(f.griff, f.dx, f.dy).*f.mass, f.wert)
            << static_cast<int>(f.griff) << " " << f.dx << "," << f.dy;
    }
}

TEST(Ziehen, DraufsichtLaesstHoehenStehen) {
    TEingabedaten e;
    e.CheckBox_MauerRechts = true;
    e.anz_mr_bodenabstand = 40;
    TSzene s = SzeneAusEingaben(e);
    const TPolygon vorher = s.MauerRechts.Polygon;
    for (const TGriff g :
         {TGriff::b_mauerrechts_oben, TGriff::b_mauerrechts_unten, TGriff::b_mauerrechts_seite}) {
        GriffZiehen(s, g, 37, 23);
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(s.MauerRechts.Polygon[k].z, vorher[k].z) << k;
    }
    // The overhang keeps its heights too; the valance follows its front edge.
    const TPolygon ueberhang = s.Ueberhang.Polygon;
    GriffZiehen(s, TGriff::b_ueberh_unten, 0, 40);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(s.Ueberhang.Polygon[k].z, ueberhang[k].z, 1e-9) << k;
    }
    EXPECT_EQ(s.Volant.Polygon[3].x, s.Ueberhang.Polygon[0].x);
    EXPECT_NEAR(s.Volant.Polygon[0].x, s.Ueberhang.Polygon[0].x, 1e-9);
    EXPECT_NEAR(s.Volant.Polygon[0].z, 234, 1e-9);
}

TEST(Ziehen, SeitenansichtDesUeberhangs) {
    using E = TEingabedaten;
    // Front edge above the back edge: a level overhang at the back edge's height.
    const E waagerecht = Gezogen(TGriff::s_ueberh_aussen, 0, -500);
    EXPECT_EQ(waagerecht.anz_Vordach_Neigung, 0);
    EXPECT_EQ(waagerecht.anz_VordachHoehe, 280);
    // The back edge dragged into the room stays at the wall.
    const E anDerWand =
        Gezogen(TGriff::s_ueberh_innen, 50, 0, [](E& e) { e.anz_Abstand_Wand = 30; });
    EXPECT_EQ(anDerWand.anz_Abstand_Wand, 0);
    // Neither edge passes 350 cm, measured along and across the wall.
    EXPECT_EQ(Gezogen(TGriff::s_ueberh_innen, 0, -500).anz_VordachHoehe, 350);
    const E weit = Gezogen(TGriff::s_ueberh_aussen, -1000, 0);
    EXPECT_EQ(weit.anz_Vordachlaenge, 351); // front edge 350 out, 26 cm below the back edge
    EXPECT_EQ(Gezogen(TGriff::s_ueberh_volant, 0, 25).anz_VolantHoehe, 45);
    EXPECT_EQ(Gezogen(TGriff::s_ueberh_volant, 0, 500).anz_VolantHoehe, 200);
    EXPECT_EQ(Gezogen(TGriff::s_ueberh_volant, 0, -500).anz_VolantHoehe, 0);
}

TEST(Ziehen, SeitenansichtBeiGeneigterWand) {
    // Wall leaning back by 30 degrees: the back edge cannot leave the wall's outside.
    TEingabedaten e;
    e.anz_Fensterneigung = 60;
    TSzene s = SzeneAusEingaben(e);
    GriffZiehen(s, TGriff::s_ueberh_innen, 400, 0);
    const TIntPunkt k = TDrehung(60, 0).InFassade(s.Ueberhang.Polygon[3]);
    EXPECT_EQ(k.x, 0) << "on the tilted wall";
}

TEST(Ziehen, VolantBeiNeigungNullUnveraendert) {
    TEingabedaten e;
    e.anz_Fensterneigung = 0;
    TSzene s = SzeneAusEingaben(e);
    const TPolygon vorher = s.Volant.Polygon;
    GriffZiehen(s, TGriff::f_volant_unten, 0, 40);
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(s.Volant.Polygon[k].z, vorher[k].z) << k;
    }
}

TEST(Ziehen, Wandneigungsgriff) {
    const struct {
        int dx, dy;
        double winkel;
    } faelle[] = {{0, 100, 90},
                  {100, 100, 45},
                  {-100, 100, 120},
                  {-100, 10, 120},
                  {-100, 300, 108.43494882292201},
                  {100, -1, 0},
                  {-100, -1, 0},
                  {0, -5, 0},
                  {0, 0, 90}};
    for (const auto& f : faelle) {
        EXPECT_NEAR(Wandneigungswinkel(f.dx, f.dy), f.winkel, 1e-9) << f.dx << "," << f.dy;
    }
}

TEST(Ziehen, GriffnamenSindEindeutig) {
    EXPECT_EQ(GriffMitNamen("f_fenster_oben"), TGriff::f_fenster_oben);
    EXPECT_EQ(GriffMitNamen("b_mauerrechts_seite"), TGriff::b_mauerrechts_seite);
    EXPECT_EQ(GriffMitNamen("s_ueberh_volant"), TGriff::s_ueberh_volant);
    EXPECT_EQ(GriffMitNamen("s_person"), std::nullopt);
}

} // namespace
} // namespace umbrarix
