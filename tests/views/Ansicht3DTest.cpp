#include "views/Ansicht3D.h"
#include "views/Zeichenflaeche.h"

#include "hilfen/Szenen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

using testhilfen::AusgewerteteSzene;

TFarbe Pixel(QImage& bild, int x, int y) {
    return TZeichenflaeche(bild).Pixel(x, y);
}

TEST(Ansicht3D, BlickwinkelUndZiehen) {
    T3DBlick b;
    EXPECT_EQ(b.Teta(), -15);
    EXPECT_EQ(b.Phi(), -60);
    EXPECT_TRUE(b.SetzePhi(b.Phi() - 10)); // pointer 10 px to the right
    EXPECT_EQ(b.Phi(), -70);
    EXPECT_TRUE(b.SetzePhi(-200));
    EXPECT_EQ(b.Phi(), -90);
    EXPECT_FALSE(b.SetzePhi(-95)) << "already at the stop: no change, no redraw";
    EXPECT_TRUE(b.SetzeTeta(500));
    EXPECT_EQ(b.Teta(), 90);

    T3DBlick z;
    EXPECT_EQ(z.Ziehen(10, 0), 1);
    EXPECT_EQ(z.Phi(), -70);
    EXPECT_EQ(z.Ziehen(-5, 20), 2);
    EXPECT_EQ(z.Phi(), -65);
    EXPECT_EQ(z.Teta(), -35);
    EXPECT_EQ(z.Ziehen(0, 500), 1);
    EXPECT_EQ(z.Teta(), -90);
    EXPECT_EQ(z.Ziehen(0, 1), 0) << "held at the stop";
}

TEST(Ansicht3D, Projektion) {
    T3DBlick gerade;
    gerade.SetzeTeta(0);
    gerade.SetzePhi(0);
    const struct {
        double h;
        TPunkt welt;
        QPoint pixel;
    } faelle[] = {
        {0, {0, 0, 0}, {350, 300}},     {0, {0, 100, 0}, {430, 300}},
        {0, {0, 0, 100}, {350, 220}},   {0, {0, -200, 250}, {190, 100}},
        {90, {-100, 0, 0}, {430, 300}}, // east facade: facade "right" is north, still right
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(T3DProjektion(gerade, f.h).Pixel(f.welt), f.pixel) << f.h;
    }
}

TEST(Ansicht3D, HintergrundUndFlaechen) {
    T3DBlick gerade;
    gerade.SetzeTeta(0);
    gerade.SetzePhi(0);
    const struct {
        int position;
        TFarbe hintergrund;
    } faelle[] = {{72, FarbeWeiss}, {132, 0x494949}};
    for (const auto& f : faelle) {
        const TSzene s = AusgewerteteSzene({}, 172, f.position);
        QImage bild = Ansicht3D_Zeichnen(s, TFarbset{}, T3DBlick{});
        EXPECT_EQ(Pixel(bild, 2, 2), f.hintergrund);
        QImage vorn = Ansicht3D_Zeichnen(s, TFarbset{}, gerade);
        // Seen square from outside: the window (world z 100..250) in the middle.
        const TFarbe fenster = Pixel(vorn, 350, 160);
        if (f.position == 132) {
            EXPECT_EQ(fenster, TFarbset{}.Fensterfarbe) << "no shadow at night";
        } else {
            EXPECT_EQ(fenster, 0xA0A0A0u) << "the window lies in the overhang's shadow";
        }
        EXPECT_EQ(Pixel(vorn, 620, 160), TFarbset{}.Wandfarbe);
        // Level view: the ground collapses to a line drawn last, over the wall's foot.
        EXPECT_EQ(Pixel(vorn, 620, 300), TFarbset{}.Bodenfarbe);
        EXPECT_EQ(Pixel(vorn, 620, 299), TFarbset{}.Wandfarbe);
    }
    TEingabedaten nord;
    nord.anz_Himmelsrichtung = 180;
    const QImage hinten =
        Ansicht3D_Zeichnen(AusgewerteteSzene(nord, 172, 78), TFarbset{}, T3DBlick{});
    EXPECT_EQ(FarbeAus(hinten.pixel(2, 2)), 0x808080u);
}

TEST(Ansicht3D, AusgeschalteteElementeFehlen) {
    T3DBlick gerade;
    gerade.SetzeTeta(0);
    gerade.SetzePhi(0);
    TEingabedaten e;
    e.CheckBox_MauerLinks = true;
    e.anz_ml_ausfall = 300;
    TSzene s = AusgewerteteSzene(e, 172, 132);
    // Seen square on, the fin at y -325 is an edge-on line at x = 350 - 0.8 * 325 = 90.
    QImage mit = Ansicht3D_Zeichnen(s, TFarbset{}, gerade);
    EXPECT_EQ(Pixel(mit, 90, 200), TFarbset{}.Mauerfarbe);
    s.Eingaben.CheckBox_MauerLinks = false;
    QImage ohne = Ansicht3D_Zeichnen(s, TFarbset{}, gerade);
    EXPECT_EQ(Pixel(ohne, 90, 200), TFarbset{}.Wandfarbe);
}

TEST(Ansicht3D, NordpfeilDrehtSichMitDerFassade) {
    // Looking along the facade from slightly below, the arrow on the ground is a level line.
    T3DBlick seitlich;
    seitlich.SetzeTeta(15);
    seitlich.SetzePhi(-90);
    for (const double h : {0.0, 90.0}) {
        TEingabedaten e;
        e.anz_Himmelsrichtung = h;
        const TSzene s = AusgewerteteSzene(e, 172, 132);
        // The anchor lies 300 cm in front of the facade and 300 cm to its left; the arrow runs
        // from 20 cm south of it to 20 cm north.
        const double c = std::cos(h * M_PI / 180), sn = std::sin(h * M_PI / 180);
        const TPunkt A{300 * (c + sn), 300 * (sn - c), 0};
        const T3DProjektion pr(seitlich, h);
        const QPoint schwanz = pr.Pixel({A.x + 20, A.y, 0}), spitze = pr.Pixel({A.x - 20, A.y, 0});
        QImage bild = Ansicht3D_Zeichnen(s, TFarbset{}, seitlich);
        ASSERT_TRUE(bild.rect().contains(schwanz)) << h;
        EXPECT_EQ(Pixel(bild, schwanz.x(), schwanz.y()), 0u) << h;
        const QPoint mitte = (schwanz + spitze) / 2;
        EXPECT_EQ(Pixel(bild, mitte.x(), mitte.y()), 0u) << h;
    }
}

} // namespace
} // namespace umbrarix
