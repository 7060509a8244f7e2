#include "simulation/Diagramme.h"
#include "views/Zeichenflaeche.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TFarbe Pixel(const QImage& bild, int x, int y) {
    return FarbeAus(bild.pixel(x, y));
}

constexpr TFarbe Silber = 0xC0C0C0, Weiss = 0xFFFFFF;

TEST(Diagramme, Vorlagen) {
    const QImage tag = Vorlage_Tagesdiagramm();
    const QImage jahr = Vorlage_Jahresdiagramm();
    ASSERT_EQ(tag.size(), QSize(391, 237));
    ASSERT_EQ(jahr.size(), QSize(391, 237));
    // Axes, ticks and the white plot area.
    EXPECT_EQ(Pixel(tag, 50, 20), 0u);
    EXPECT_EQ(Pixel(tag, 50, 220), 0u);
    EXPECT_EQ(Pixel(tag, 200, 220), 0u);
    EXPECT_EQ(Pixel(tag, 47, 120), 0u); // 50 % tick
    EXPECT_EQ(Pixel(tag, 98, 224), 0u); // long tick 4:00
    EXPECT_EQ(Pixel(tag, 62, 222), 0u); // short tick 1:00
    EXPECT_EQ(Pixel(tag, 62, 224), Weiss);
    EXPECT_EQ(Pixel(tag, 200, 100), Weiss);
    EXPECT_EQ(Pixel(jahr, 25, 20), 0u);
    EXPECT_EQ(Pixel(jahr, 56, 222), 0u);
    EXPECT_EQ(Pixel(jahr, 57, 222), 0u);
    EXPECT_EQ(Pixel(jahr, 58, 222), Weiss);
    EXPECT_EQ(Pixel(jahr, 390, 222), 0u);
    EXPECT_EQ(Pixel(jahr, 200, 100), Weiss);
}

TEST(Diagramme, Tagesbalken) {
    QImage bild = Vorlage_Tagesdiagramm();
    Tagesbalken_Zeichnen(bild, 1, 1.0);  // columns 51, 52
    Tagesbalken_Zeichnen(bild, 10, 0.5); // columns 69, 70
    Tagesbalken_Zeichnen(bild, 20, 0.0); // columns 89, 90
    Tagesbalken_Zeichnen(bild, 30, -1);  // columns 109, 110
    Tagesbalken_Zeichnen(bild, 40, -2);  // columns 129, 130
    Tagesbalken_Zeichnen(bild, 0, 0.25); // 00:00 is drawn at 24:00: columns 337, 338
    const struct {
        int x, y;
        TFarbe farbe;
    } proben[] = {
        {51, 20, Silber},    {52, 219, Silber},    {51, 19, Weiss},
        {53, 100, Weiss},    {51, 60, 0xE2E2E2},   {52, 180, 0xE2E2E2}, // grid dots over the bar
        {69, 120, Silber},   {69, 119, Weiss},     {70, 219, Silber},
        {89, 219, Weiss},    {89, 100, 0xDDDDDD}, // a share of 0 paints nothing but the dots
        {109, 20, 0x494949}, {110, 219, 0x494949}, {109, 60, 0x494949 ^ 0x222222},
        {129, 30, 0x808080}, {338, 170, Silber},   {337, 169, Weiss},
    };
    for (const auto& p : proben) {
        EXPECT_EQ(Pixel(bild, p.x, p.y), p.farbe) << p.x << "," << p.y;
    }
}

TEST(Diagramme, TagesbalkenMitStundenlinie) {
    // Position 24 (4:00) ends on column 98, which carries the grid line from row 20 to 220.
    QImage bild = Vorlage_Tagesdiagramm();
    Tagesbalken_Zeichnen(bild, 24, 0.5);
    EXPECT_EQ(Pixel(bild, 98, 20), 0xDDDDDDu);
    EXPECT_EQ(Pixel(bild, 98, 150), 0xE2E2E2u);
    EXPECT_EQ(Pixel(bild, 97, 150), Silber);
    EXPECT_EQ(Pixel(bild, 98, 220), 0xDDDDDDu ^ 0xFFFFFFu) << "the black axis pixel is XORed too";
    EXPECT_EQ(Pixel(bild, 98, 60), Weiss) << "row and column dot cancel each other";
}

TEST(Diagramme, Jahresbalken) {
    QImage bild = Vorlage_Jahresdiagramm();
    Jahresbalken_Zeichnen(bild, 1, 1.0);
    Jahresbalken_Zeichnen(bild, 31, 0.5); // x = 56, last day of January
    Jahresbalken_Zeichnen(bild, 32, -1);  // x = 57, first of February
    Jahresbalken_Zeichnen(bild, 100, 0);
    Jahresbalken_Zeichnen(bild, 200, -2);
    const struct {
        int x, y;
        TFarbe farbe;
    } proben[] = {
        {26, 20, Silber},     {26, 219, Silber},   {26, 220, 0},
        {26, 60, 0xE2E2E2},   {56, 120, 0xE2E2E2}, {56, 119, 0xDDDDDD},
        {56, 30, 0xDDDDDD},   {55, 30, Weiss},     {57, 30, 0x494949 ^ 0x222222},
        {125, 100, 0xDDDDDD}, {125, 99, Weiss},    {225, 20, 0x808080},
    };
    for (const auto& p : proben) {
        EXPECT_EQ(Pixel(bild, p.x, p.y), p.farbe) << p.x << "," << p.y;
    }
}

} // namespace
} // namespace umbrarix
