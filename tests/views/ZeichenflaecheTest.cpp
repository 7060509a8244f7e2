#include "views/Zeichenflaeche.h"

#include <gtest/gtest.h>

#include <vector>

namespace umbrarix {
namespace {

QImage Weiss(int b = 40, int h = 40) {
    QImage bild(b, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

TEST(Zeichenflaeche, RechteckOhneRechteUndUntereKante) {
    QImage bild = Weiss();
    {
        TZeichenflaeche z(bild);
        z.Farbe(0x0000FF);
        z.Rechteck(5, 6, 10, 8);
        // A visible pen in another colour outlines the same block.
        z.Stift(0x000000);
        z.Pinsel(0x00FF00);
        z.Rechteck(20, 20, 25, 26);
    }
    TZeichenflaeche z(bild);
    const struct {
        int x, y;
        TFarbe farbe;
    } proben[] = {{5, 6, 0x0000FF},   {9, 7, 0x0000FF},  {10, 7, FarbeWeiss}, {9, 8, FarbeWeiss},
                  {4, 6, FarbeWeiss}, {20, 20, 0},       {24, 25, 0},         {25, 25, FarbeWeiss},
                  {22, 22, 0x00FF00}, {21, 24, 0x00FF00}};
    for (const auto& p : proben) {
        EXPECT_EQ(z.Pixel(p.x, p.y), p.farbe) << p.x << "," << p.y;
    }
}

TEST(Zeichenflaeche, PolygonDecktSeineEcken) {
    QImage bild = Weiss();
    TZeichenflaeche z(bild);
    z.Farbe(0x123456);
    const std::vector<QPoint> p{{10, 10}, {20, 10}, {20, 15}, {10, 15}};
    z.Polygon(p);
    for (const QPoint& e : p) {
        EXPECT_EQ(z.Pixel(e.x(), e.y()), 0x123456u) << e.x() << "," << e.y();
    }
    EXPECT_EQ(z.Pixel(15, 12), 0x123456u);
    EXPECT_EQ(z.Pixel(21, 12), FarbeWeiss);
    EXPECT_EQ(z.Pixel(15, 16), FarbeWeiss);
    // Pen and brush differ: black outline, coloured inside.
    z.Stift(0);
    z.Pinsel(0x00FF00);
    const std::vector<QPoint> d{{5, 20}, {15, 20}, {5, 30}};
    z.Polygon(d);
    EXPECT_EQ(z.Pixel(5, 25), 0u);
    EXPECT_EQ(z.Pixel(7, 23), 0x00FF00u);
}

TEST(Zeichenflaeche, LinieOhneEndpunktUndFernePunkte) {
    QImage bild = Weiss();
    TZeichenflaeche z(bild);
    z.Stift(0);
    z.BewegeZu(2, 2);
    z.LinieZu(2, 10);
    EXPECT_EQ(z.Pixel(2, 2), 0u);
    EXPECT_EQ(z.Pixel(2, 9), 0u);
    EXPECT_EQ(z.Pixel(2, 10), FarbeWeiss);
    z.LinieZu(2, 10); // zero length draws nothing
    EXPECT_EQ(z.Pixel(2, 10), FarbeWeiss);
    // A segment reaching absurdly far still draws its part inside the image, at once.
    z.BewegeZu(30, 0);
    z.LinieZu(30, 2000000000);
    EXPECT_EQ(z.Pixel(30, 39), 0u);
}

// Lines write their pixels straight into the 32-bit formats; each pixel must hold what
// setPixel with the colour's QColor would have written, in those formats and in others.
TEST(Zeichenflaeche, LinienpixelWieSetPixel) {
    for (TFarbe f = 0; f <= 0xFFFFFFu; f += 0x010307u) {
        ASSERT_EQ(RgbWert(f), QFarbe(f).rgb()) << f;
    }
    const QImage::Format formate[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888};
    for (const QImage::Format format : formate) {
        QImage bild(40, 40, format);
        bild.fill(Qt::white);
        QImage erwartet = bild;
        TZeichenflaeche z(bild);
        const TFarbe farbe = FarbeAusRgb(200, 30, 90);
        z.Stift(farbe);
        z.BewegeZu(0, 3);
        z.LinieZu(45, 20); // leaves the image
        for (int x = 0; x < 40; ++x) {
            for (int y = 0; y < 40; ++y) {
                if (z.Pixel(x, y) != FarbeWeiss) {
                    erwartet.setPixel(x, y, QFarbe(farbe).rgb());
                }
            }
        }
        EXPECT_EQ(bild, erwartet) << format;
        EXPECT_EQ(z.Pixel(0, 3), farbe) << format;
    }
}

TEST(Zeichenflaeche, FuellenBisZurRandfarbe) {
    QImage bild = Weiss();
    TZeichenflaeche z(bild);
    z.Farbe(0);
    z.Rechteck(10, 10, 21, 11); // a closed black square outline 10..20
    z.Rechteck(10, 20, 21, 21);
    z.Rechteck(10, 10, 11, 21);
    z.Rechteck(20, 10, 21, 21);
    z.Pinsel(0x494949);
    z.Fuellen(15, 15, 0);
    EXPECT_EQ(z.Pixel(15, 15), 0x494949u);
    EXPECT_EQ(z.Pixel(11, 19), 0x494949u);
    EXPECT_EQ(z.Pixel(5, 5), FarbeWeiss) << "outside the border stays";
    z.Pinsel(0x00FF00);
    z.Fuellen(10, 10, 0); // starting on the border fills nothing
    EXPECT_EQ(z.Pixel(10, 10), 0u);
    EXPECT_EQ(z.Pixel(5, 5), FarbeWeiss);
}

TEST(Zeichenflaeche, XorSchraffurUndText) {
    QImage bild = Weiss();
    TZeichenflaeche z(bild);
    z.XorPixel(1, 1, 0x222222);
    EXPECT_EQ(z.Pixel(1, 1), 0xDDDDDDu);
    z.SetzePixel(2, 2, 0xC0C0C0);
    z.XorPixel(2, 2, 0x222222);
    EXPECT_EQ(z.Pixel(2, 2), 0xE2E2E2u);

    // A hatch paints lines only: some pixels change, others keep what was there.
    z.Stift(0x800000, TStiftstil::Unsichtbar);
    z.Pinsel(0x800000, TPinselstil::RueckDiagonal);
    z.Rechteck(0, 20, 16, 36);
    int gemalt = 0;
    for (int x = 0; x < 16; ++x) {
        for (int y = 20; y < 36; ++y) {
            gemalt += z.Pixel(x, y) == 0x800000u;
        }
    }
    EXPECT_GT(gemalt, 16);
    EXPECT_LT(gemalt, 16 * 16 / 2);
    EXPECT_EQ(z.Pixel(16, 20), FarbeWeiss);

    const QSize g = z.Textausdehnung(QStringLiteral("N"));
    EXPECT_GT(g.width(), 3);
    EXPECT_GT(g.height(), 5);
}

} // namespace
} // namespace umbrarix
