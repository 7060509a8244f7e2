#include "views/Jahreskarte.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using M = TJahreskartenmasse;

QRgb Zelle(const QImage& bild, int tag, int schritt) {
    return bild.pixel(M::Links + (tag - 1) * M::ZelleBreite, M::Oben + schritt * M::ZelleHoehe);
}

double Helligkeit(QRgb c) {
    return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c);
}

// The scale: white at 0 %, deep blue at 100 %, lightness falling all the way (so it reads in
// grey print), never on one of the two greys; the greys of night and the hidden sun.
TEST(Jahreskarte, Farbskala) {
    EXPECT_EQ(Jahreskartenfarbe(0), qRgb(255, 255, 255));
    EXPECT_EQ(Jahreskartenfarbe(1), qRgb(8, 48, 107));
    EXPECT_EQ(Jahreskartenfarbe(0.5), qRgb(107, 174, 214));
    EXPECT_EQ(Jahreskartenfarbe(-1), qRgb(73, 73, 73));
    EXPECT_EQ(Jahreskartenfarbe(-2), qRgb(128, 128, 128));
    EXPECT_EQ(Jahreskartenfarbe(1.2), Jahreskartenfarbe(1));
    EXPECT_EQ(Jahreskartenfarbe(-0.0), Jahreskartenfarbe(0));
    double vorher = 256;
    for (int i = 0; i <= 100; ++i) {
        const QRgb c = Jahreskartenfarbe(i / 100.0);
        EXPECT_LT(Helligkeit(c), vorher) << i;
        vorher = Helligkeit(c);
        EXPECT_GT(qBlue(c), qRed(c) + (i > 0 ? 0 : -1)) << i; // blue, never a grey
    }
}

// Each cell shows its share; the mark stands round the current instant's cell.
TEST(Jahreskarte, ZellenUndMarke) {
    std::vector<double> anteile(365 * 144, -1);
    for (int k = 40; k < 110; ++k) {
        for (int n = 1; n <= 365; ++n) {
            anteile[static_cast<size_t>((n - 1) * 144 + k)] = k < 50 ? -2 : (n - 1) / 364.0;
        }
    }
    const QImage bild = Jahreskarte_Zeichnen(anteile, QStringLiteral("Fenster"), 172, 72);
    EXPECT_EQ(bild.size(), QSize(M::Breite, M::Hoehe));
    EXPECT_EQ(Zelle(bild, 1, 0), qRgb(73, 73, 73));
    EXPECT_EQ(Zelle(bild, 365, 143), qRgb(73, 73, 73));
    EXPECT_EQ(Zelle(bild, 100, 45), qRgb(128, 128, 128));
    EXPECT_EQ(Zelle(bild, 1, 60), qRgb(255, 255, 255));
    EXPECT_EQ(Zelle(bild, 365, 60), qRgb(8, 48, 107));
    EXPECT_EQ(Zelle(bild, 183, 100), Jahreskartenfarbe(0.5));
    // Mark: black square 4 px round the cell, white ring inside, the cell itself untouched.
    const int x = M::Links + 171 * M::ZelleBreite, y = M::Oben + 72 * M::ZelleHoehe;
    EXPECT_EQ(bild.pixel(x - 4, y), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(x - 3, y), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(x, y), Jahreskartenfarbe(171 / 364.0));
    // Without a mark the same cells have their own colours.
    const QImage ohne = Jahreskarte_Zeichnen(anteile, QStringLiteral("Fenster"), 0, 0);
    EXPECT_EQ(ohne.pixel(x - 4, y), Zelle(ohne, 170, 72));
}

} // namespace
} // namespace umbrarix

#include "views/Horizontbild.h"

namespace umbrarix {
namespace {

// Steps behind the surroundings get their own colour and a legend row; without the flags the
// picture is the one of an open site, pixel for pixel.
TEST(Jahreskarte, HinterDerUmgebung) {
    std::vector<double> anteile(365 * 144, 0.25);
    std::vector<std::uint8_t> hinter(anteile.size(), 0);
    const int tag = 100, schritt = 50;
    anteile[static_cast<size_t>((tag - 1) * 144 + schritt)] = 1;
    hinter[static_cast<size_t>((tag - 1) * 144 + schritt)] = 1;
    const QImage offen = Jahreskarte_Zeichnen(anteile, QStringLiteral("Fenster"), 0, 0);
    EXPECT_EQ(Jahreskarte_Zeichnen(anteile, QStringLiteral("Fenster"), 0, 0, {}), offen);
    const QImage mit = Jahreskarte_Zeichnen(anteile, QStringLiteral("Fenster"), 0, 0, hinter);
    const QPoint zelle(M::Links + (tag - 1) * M::ZelleBreite, M::Oben + schritt * M::ZelleHoehe);
    EXPECT_EQ(mit.pixel(zelle), FarbeHinterUmgebung);
    EXPECT_EQ(offen.pixel(zelle), Jahreskartenfarbe(1));
    EXPECT_NE(FarbeHinterUmgebung, Jahreskartenfarbe(-1));
    EXPECT_NE(FarbeHinterUmgebung, Jahreskartenfarbe(-2));
    // Everything but that cell and the legend's second row stays.
    int anders = 0, unterDerLegende = 0;
    for (int y = 0; y < offen.height(); ++y) {
        for (int x = 0; x < offen.width(); ++x) {
            if (offen.pixel(x, y) != mit.pixel(x, y)) {
                ++anders;
                unterDerLegende += y >= M::Oben + 144 * M::ZelleHoehe + 24 + 16;
            }
        }
    }
    EXPECT_EQ(anders - unterDerLegende, M::ZelleBreite * M::ZelleHoehe);
    EXPECT_GT(unterDerLegende, 300) << "swatch and text";
}

// The skyline picture: N at both edges, S in the middle; the silhouette fills up to the
// skyline's elevation.
TEST(Horizontbild, SilhouetteUeberDemAzimut) {
    const struct {
        double azimut, anteil;
    } lagen[] = {{180, 0}, {90, 0.25}, {0, 0.5}, {270, 0.75}, {-90, 0.75}, {179.999, 1e-3 / 360}};
    for (const auto& l : lagen) {
        EXPECT_NEAR(HorizontbildAnteil(l.azimut), l.anteil, 1e-9) << l.azimut;
    }
    const TUmgebung umgebung({{90, 60}, {270, 0}}); // the east hides more
    const QImage bild = Horizontbild_Zeichnen(umgebung, 0, {}, 480, 200);
    ASSERT_EQ(bild.size(), QSize(480, 200));
    // Inner frame: x 30..472, elevation 90..0 over y 8..180.
    const auto punkt = [](double anteil, double grad) {
        return QPoint(static_cast<int>(30 + anteil * 442),
                      static_cast<int>(8 + (90 - grad) / 90 * 172));
    };
    EXPECT_EQ(bild.pixel(punkt(0.25, 30)), FarbeHinterUmgebung); // east, below 60
    EXPECT_NE(bild.pixel(punkt(0.25, 75)), FarbeHinterUmgebung);
    EXPECT_NE(bild.pixel(punkt(0.75, 10)), FarbeHinterUmgebung); // west, open
    EXPECT_EQ(bild.pixel(punkt(0.6, 5)), FarbeHinterUmgebung);   // SW: 60 * 0.3 = 18 there
}

} // namespace
} // namespace umbrarix
