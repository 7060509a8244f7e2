#include "views/Vorlagen.h"

#include "model/Runden.h"
#include "views/Zeichenflaeche.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

constexpr TFarbe FeinesRaster = 0xC0C0C0;
constexpr TFarbe GrobesRaster = 0x808080;
constexpr TFarbe KompassGelb = 0xC0FFFF;

// Midpoint circle: an 8-connected closed ring, which a 4-connected fill cannot cross.
void Kreis(TZeichenflaeche& z, int mx, int my, int r, TFarbe farbe) {
    int x = r, y = 0, fehler = 1 - r;
    while (x >= y) {
        const int punkte[8][2] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                  {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : punkte) {
            z.SetzePixel(mx + p[0], my + p[1], farbe);
        }
        ++y;
        if (fehler < 0) {
            fehler += 2 * y + 1;
        } else {
            --x;
            fehler += 2 * (y - x) + 1;
        }
    }
}

} // namespace

QImage Vorlage_Ansicht() {
    QImage bild(AnsichtBreite, AnsichtHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TZeichenflaeche z(bild);
    const auto istMassstabsfeld = [](int x, int y) {
        return x > 600 && x < 700 && y >= 321 && y <= 349;
    };
    // The scale field keeps only the coarse lines; its fine lines are left out.
    for (int x = 0; x < AnsichtBreite; ++x) {
        for (int y = 0; y < AnsichtHoehe; ++y) {
            if ((x % 10 == 0 || y % 10 == 0) && !istMassstabsfeld(x, y)) {
                z.SetzePixel(x, y, FeinesRaster);
            }
        }
    }
    // Scale bar: 100 px = 1 m on the line y = 340 with an arrow head at each end.
    z.Stift(FeinesRaster);
    z.BewegeZu(600, 340);
    z.LinieZu(701, 340);
    for (const int richtung : {1, -1}) {
        const int spitze = richtung > 0 ? 600 : 700;
        z.BewegeZu(spitze, 340);
        z.LinieZu(spitze + 5 * richtung, 335);
        z.BewegeZu(spitze, 340);
        z.LinieZu(spitze + 5 * richtung, 345);
    }
    z.Pinsel(FarbeWeiss, TPinselstil::Leer);
    const QString text = QStringLiteral("1 m");
    const QSize g = z.Textausdehnung(text);
    z.Text(650 - g.width() / 2, 338 - g.height(), text);
    // The coarse lines come last: they replace whatever fine line or scale pixel they cross,
    // the bar's tips on x = 600 and x = 700 among them.
    for (int x = 0; x < AnsichtBreite; ++x) {
        for (int y = 0; y < AnsichtHoehe; ++y) {
            if (x % 50 == 0 || y % 50 == 0) {
                z.SetzePixel(x, y, GrobesRaster);
            }
        }
    }
    return bild;
}

QImage Vorlage_Kompass() {
    QImage bild(75, 75, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TZeichenflaeche z(bild);
    constexpr int M = 36;
    // Light yellow band between the circles of radius 26 and 31.
    for (int x = 0; x < 75; ++x) {
        for (int y = 0; y < 75; ++y) {
            const double r = std::hypot(x - M, y - M);
            if (r > 26.5 && r < 30.5) {
                z.SetzePixel(x, y, KompassGelb);
            }
        }
    }
    // Division marks every 30 degrees across the band.
    z.Stift(FarbeSchwarz);
    for (int i = 0; i < 12; ++i) {
        const double w = i * std::numbers::pi / 6;
        z.BewegeZu(M + RundenGanz(26 * std::sin(w)), M + RundenGanz(26 * std::cos(w)));
        z.LinieZu(M + RundenGanz(31 * std::sin(w)), M + RundenGanz(31 * std::cos(w)));
    }
    Kreis(z, M, M, 36, FarbeSchwarz);
    Kreis(z, M, M, 31, FarbeSchwarz);
    Kreis(z, M, M, 26, FarbeSchwarz);
    return bild;
}

} // namespace umbrarix
