#include "views/Kompass.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TFarbe Pixel(QImage& bild, int x, int y) {
    return TZeichenflaeche(bild).Pixel(x, y);
}

TEST(Kompass, MarkerUndFassade) {
    const struct {
        double h;
        QRect marker;
        QPoint markise; // a pixel of the awning, on the facing side
        QPoint wand;    // a pixel of the wall, on the other side of the centre line
    } faelle[] = {
        {0, QRect(58, 88, 8, 8), QPoint(36, 47), QPoint(36, 32)},   // south: below the centre
        {90, QRect(88, 58, 8, 8), QPoint(47, 36), QPoint(32, 36)},  // east: to the right
        {180, QRect(58, 28, 8, 8), QPoint(36, 25), QPoint(36, 40)}, // north: above
    };
    for (const auto& f : faelle) {
        TKompass k = ZeichneKompass(f.h, 50.5, 172, TFarbset{}, Vorlage_Kompass());
        EXPECT_EQ(k.shape_Himmelsrichtung, f.marker) << f.h;
        EXPECT_EQ(Pixel(k.Bild, f.markise.x(), f.markise.y()), TFarbset{}.Markisenfarbe) << f.h;
        EXPECT_EQ(Pixel(k.Bild, f.wand.x(), f.wand.y()), 0x808080u) << f.h;
    }
    EXPECT_EQ(
        ZeichneKompass(359.6, 50.5, 172, TFarbset{}, Vorlage_Kompass()).HimmelsrichtungGerundet,
        360);
}

TEST(Kompass, SonnenbogenNachBreiteUndTag) {
    // Equinox: sunrise and sunset due east and west, the northern half of the ring dark.
    TKompass gleich = ZeichneKompass(0, 50.5, 80, TFarbset{}, Vorlage_Kompass());
    EXPECT_EQ(Pixel(gleich.Bild, 36, 2), 0x494949u);
    EXPECT_EQ(Pixel(gleich.Bild, 36, 70), FarbeWeiss);
    EXPECT_EQ(Pixel(gleich.Bild, 3, 30), 0x494949u);
    EXPECT_EQ(Pixel(gleich.Bild, 3, 42), FarbeWeiss);

    // Polar night: both ticks due south, the whole ring dark up to them.
    TKompass nacht = ZeichneKompass(0, 70, 355, TFarbset{}, Vorlage_Kompass());
    EXPECT_EQ(Pixel(nacht.Bild, 36, 69), 0u);
    EXPECT_EQ(Pixel(nacht.Bild, 34, 69), 0x494949u);
    EXPECT_EQ(Pixel(nacht.Bild, 38, 69), 0x494949u);

    // Polar day: the ticks run through the fill's start point, nothing is filled.
    TKompass tag = ZeichneKompass(0, 70, 172, TFarbset{}, Vorlage_Kompass());
    EXPECT_EQ(Pixel(tag.Bild, 36, 1), 0u);
    EXPECT_EQ(Pixel(tag.Bild, 30, 3), FarbeWeiss);
    EXPECT_EQ(Pixel(tag.Bild, 36, 70), FarbeWeiss);

    // Midsummer in Cologne: the sun rises well north of east.
    TKompass sommer = ZeichneKompass(0, 50.5, 172, TFarbset{}, Vorlage_Kompass());
    EXPECT_EQ(Pixel(sommer.Bild, 3, 30), FarbeWeiss);
    EXPECT_EQ(Pixel(sommer.Bild, 36, 2), 0x494949u);
}

TEST(Kompass, WinkelBeimZiehen) {
    const struct {
        double dx, dy, winkel;
    } faelle[] = {{0, 10, 0}, {10, 0, 90},  {0, -10, 180},  {-10, 0, 270},
                  {0, 0, 90}, {10, 10, 45}, {-10, 10, 315}, {10, -10, 135}};
    for (const auto& f : faelle) {
        EXPECT_NEAR(Kompasswinkel(f.dx, f.dy), f.winkel, 1e-12) << f.dx << "," << f.dy;
    }
}

} // namespace
} // namespace umbrarix
