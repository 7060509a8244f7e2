#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Vorlagen, AnsichtsrasterUndMassstab) {
    QImage bild = Vorlage_Ansicht();
    ASSERT_EQ(bild.size(), QSize(701, 361));
    TZeichenflaeche z(bild);
    const struct {
        int x, y;
        TFarbe farbe;
    } proben[] = {
        {5, 5, FarbeWeiss},
        {10, 5, 0xC0C0C0},
        {5, 20, 0xC0C0C0},
        {50, 5, 0x808080},
        {5, 100, 0x808080},
        {0, 0, 0x808080},
        {700, 360, 0x808080},
        {350, 350, 0x808080},
        {610, 325, FarbeWeiss},
        {620, 330, FarbeWeiss}, // fine grid left out beside the scale
        {610, 340, 0xC0C0C0},
        {690, 340, 0xC0C0C0}, // the scale bar itself
        {610, 320, 0xC0C0C0},
        {615, 351, FarbeWeiss},
        {610, 351, 0xC0C0C0},
        // The bar's ends and its middle lie on coarse lines, which keep their colour.
        {600, 340, 0x808080},
        {700, 340, 0x808080},
        {650, 340, 0x808080},
        {601, 340, 0xC0C0C0},
        {699, 340, 0xC0C0C0},
        {601, 339, 0xC0C0C0}, // arrow heads
        {699, 341, 0xC0C0C0},
        {600, 330, 0x808080},
        {700, 321, 0x808080},
    };
    for (const auto& p : proben) {
        EXPECT_EQ(z.Pixel(p.x, p.y), p.farbe) << p.x << "," << p.y;
    }
    // "1 m" stands above the bar in the grid colour.
    int beschriftung = 0;
    for (int x = 630; x < 670; ++x) {
        for (int y = 322; y < 339; ++y) {
            beschriftung += z.Pixel(x, y) == 0xC0C0C0u && x % 10 != 0;
        }
    }
    EXPECT_GT(beschriftung, 5);
}

TEST(Vorlagen, KompassringIstGeschlossen) {
    QImage bild = Vorlage_Kompass();
    ASSERT_EQ(bild.size(), QSize(75, 75));
    TZeichenflaeche z(bild);
    EXPECT_EQ(z.Pixel(36, 36), FarbeWeiss);
    EXPECT_EQ(z.Pixel(36, 0), 0u); // radius 36
    EXPECT_EQ(z.Pixel(36, 5), 0u); // radius 31
    EXPECT_EQ(z.Pixel(36, 2), FarbeWeiss);
    EXPECT_EQ(z.Pixel(43, 63), 0xC0FFFFu); // light yellow band, radius 28
    // A fill of the white ring stays inside it and reaches all of it.
    z.Pinsel(0x494949);
    z.Fuellen(36, 1, 0);
    EXPECT_EQ(z.Pixel(36, 70), 0x494949u);
    EXPECT_EQ(z.Pixel(2, 36), 0x494949u);
    EXPECT_EQ(z.Pixel(36, 36), FarbeWeiss);
    EXPECT_EQ(z.Pixel(0, 0), FarbeWeiss);
    EXPECT_EQ(z.Pixel(43, 63), 0xC0FFFFu);
}

} // namespace
} // namespace umbrarix
