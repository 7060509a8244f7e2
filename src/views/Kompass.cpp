#include "views/Kompass.h"

#include "model/Runden.h"
#include "solar/Sonnenstand.h"
#include "views/Zeichenflaeche.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int M = 36; // centre of the compass image

// Filled rectangle of width w reaching the signed length l from the line through the centre,
// turned by theta; every corner is rounded before the next is built from it.
void DrehRechteck(TZeichenflaeche& z, double w, double l, double cx, double cy, double theta) {
    const double s = std::sin(theta), c = std::cos(theta);
    QPoint p[4];
    p[0] = QPoint(RundenGanz(cx - (w / 2) * c), RundenGanz(cy + (w / 2) * s));
    p[1] = QPoint(RundenGanz(p[0].x() - l * s), RundenGanz(p[0].y() - l * c));
    p[2] = QPoint(RundenGanz(p[1].x() + w * c), RundenGanz(p[1].y() - w * s));
    p[3] = QPoint(RundenGanz(p[2].x() + l * s), RundenGanz(p[2].y() + l * c));
    z.Polygon(p);
}

// Ticks where the sun rises and sets (the half-day angle standing in for the azimuth), and the
// ring darkened from north round to them.
void ZeichneKompassSonne(TZeichenflaeche& z, double breitengrad, int tag) {
    const double phi = pi * breitengrad / 180;
    const double ws = HalberTagbogen(phi, Deklination(tag));
    const int s31 = RundenGanz(31 * std::sin(ws)), c31 = RundenGanz(31 * std::cos(ws));
    const int s38 = RundenGanz(38 * std::sin(ws)), c38 = RundenGanz(38 * std::cos(ws));
    z.BewegeZu(M + s31, M + c31);
    z.LinieZu(M + s38, M + c38);
    z.BewegeZu(M - s31, M + c31);
    z.LinieZu(M - s38, M + c38);
    z.Pinsel(FarbeNacht);
    z.Fuellen(M, 1, FarbeSchwarz);
}

} // namespace

TKompass ZeichneKompass(double himmelsrichtung, double breitengrad, int tag, const TFarbset& farben,
                        const QImage& vorlage) {
    const double h = pi * himmelsrichtung / 180;
    TKompass k{QImage(vorlage.size(), QImage::Format_RGB32), {}, 0};
    TZeichenflaeche z(k.Bild);
    z.Kopieren(vorlage);
    z.Stift(FarbeSchwarz);
    z.Pinsel(farben.Markisenfarbe);
    DrehRechteck(z, 15, -13, M, M, h); // the awning, on the facing side
    z.Pinsel(FarbeSonneNichtSichtbar);
    DrehRechteck(z, 30, -8, M, M, h); // the wall, over the awning's first 8 px
    DrehRechteck(z, 30, 8, M, M, h);
    k.shape_Himmelsrichtung =
        QRect(RundenGanz(30 * std::sin(h) - 4) + 62, RundenGanz(30 * std::cos(h) - 4) + 62, 8, 8);
    ZeichneKompassSonne(z, breitengrad, tag);
    k.HimmelsrichtungGerundet = RundenGanz(himmelsrichtung);
    return k;
}

double Kompasswinkel(double dx, double dy) {
    double A;
    if (dy == 0) {
        A = dx >= 0 ? 90 : -90;
    } else if (dy > 0) {
        A = std::atan(dx / dy) * 180 / pi;
    } else {
        A = std::atan(dx / dy) * 180 / pi + 180;
    }
    if (A < 0) {
        A += 360;
    }
    return A;
}

} // namespace umbrarix
