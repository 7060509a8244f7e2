#include "views/Horizontbild.h"

#include "views/Jahreskarte.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace umbrarix {

namespace {

constexpr int Links = 30, Rechts = 8, Oben = 8, Unten = 20;

QFont Schrift() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(10);
    return f;
}

} // namespace

double HorizontbildAnteil(double azimut) {
    double a = std::fmod(180 - azimut, 360.0);
    return a < 0 ? (a + 360) / 360 : a / 360;
}

QImage Horizontbild_Zeichnen(const TUmgebung& umgebung, double fassadenAzimut,
                             const std::vector<THorizontpunkt>& sonnenbahn, int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const double b = breite - Links - Rechts, h = hoehe - Oben - Unten;
    const auto x = [&](double anteil) { return Links + anteil * b; };
    const auto y = [&](double grad) { return Oben + (90 - grad) / 90 * h; };
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Schrift());

    // Grid every 30 degrees of elevation and at the four directions.
    p.setPen(QColor(220, 220, 220));
    for (int g = 0; g <= 90; g += 30) {
        p.drawLine(QPointF(x(0), y(g)), QPointF(x(1), y(g)));
    }
    const struct {
        double azimut;
        const char* name;
    } richtungen[] = {{180, "N"}, {90, "O"}, {0, "S"}, {270, "W"}};
    for (const auto& r : richtungen) {
        const double xr = x(HorizontbildAnteil(r.azimut));
        p.setPen(QColor(220, 220, 220));
        p.drawLine(QPointF(xr, y(90)), QPointF(xr, y(0)));
        p.setPen(Qt::black);
        p.drawText(QRectF(xr - 10, y(0) + 3, 20, 14), Qt::AlignCenter, QString::fromUtf8(r.name));
    }
    p.drawText(QRectF(x(1) - 10, y(0) + 3, 20, 14), Qt::AlignCenter, QStringLiteral("N"));
    for (int g = 0; g <= 90; g += 30) {
        p.drawText(QRectF(0, y(g) - 7, Links - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1°").arg(g));
    }

    // The silhouette, sampled every half degree so that the wrap through north needs no care.
    if (!umgebung.Leer()) {
        QPainterPath pfad(QPointF(x(0), y(0)));
        for (int i = 0; i <= 720; ++i) {
            const double anteil = i / 720.0;
            pfad.lineTo(x(anteil), y(umgebung.HoeheBei(180 - anteil * 360)));
        }
        pfad.lineTo(x(1), y(0));
        pfad.closeSubpath();
        p.setPen(QPen(QColor(90, 60, 25), 1));
        p.setBrush(QColor(FarbeHinterUmgebung)); // as in the year overview
        p.drawPath(pfad);
    }

    // The sun's path, broken where it passes north or goes below the horizon.
    p.setPen(QPen(QColor(230, 140, 0), 2));
    for (std::size_t i = 1; i < sonnenbahn.size(); ++i) {
        const THorizontpunkt& a = sonnenbahn[i - 1];
        const THorizontpunkt& c = sonnenbahn[i];
        const double xa = HorizontbildAnteil(a.Azimut), xc = HorizontbildAnteil(c.Azimut);
        if (a.Hoehe <= 0 || c.Hoehe <= 0 || std::abs(xa - xc) > 0.5) {
            continue;
        }
        p.drawLine(QPointF(x(xa), y(a.Hoehe)), QPointF(x(xc), y(c.Hoehe)));
    }

    // The direction the facade faces.
    const double xf = x(HorizontbildAnteil(fassadenAzimut));
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(xf, y(90)), QPointF(xf, y(0)));
    p.setPen(Qt::black);
    p.drawText(QRectF(xf + 3, y(90), 60, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Fassade"));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x(0), y(90), b, h));
    return bild;
}

} // namespace umbrarix
