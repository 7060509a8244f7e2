#include "views/Jahreskarte.h"

#include "model/Kalender.h"
#include "model/Runden.h"
#include "views/Bildschrift.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace umbrarix {

namespace {

using M = TJahreskartenmasse;

// Stops of the scale at 0, 25, 50, 75 and 100 % shade; their lightness falls steadily, so
// the order stays readable without colour.
constexpr std::array<std::array<int, 3>, 5> Stufen{{
    {255, 255, 255},
    {198, 219, 239},
    {107, 174, 214},
    {33, 113, 181},
    {8, 48, 107},
}};

constexpr std::array<int, 13> Monatsanfang{1,   32,  60,  91,  121, 152, 182,
                                           213, 244, 274, 305, 335, 366};

} // namespace

std::optional<TJahreskartenzelle> JahreskartenzelleBei(int x, int y) {
    const int spalte = x - M::Links, zeile = y - M::Oben;
    if (spalte < 0 || zeile < 0 || spalte >= 365 * M::ZelleBreite || zeile >= 144 * M::ZelleHoehe) {
        return std::nullopt;
    }
    return TJahreskartenzelle{spalte / M::ZelleBreite + 1, zeile / M::ZelleHoehe};
}

QRgb Jahreskartenfarbe(double anteil) {
    if (anteil == -1) {
        return qRgb(73, 73, 73);
    }
    if (anteil == -2) {
        return qRgb(128, 128, 128);
    }
    const double a = std::isfinite(anteil) ? std::clamp(anteil, 0.0, 1.0) * 4 : 0;
    const int i = std::min(3, static_cast<int>(a));
    const double t = a - i;
    const auto mischen = [&](int k) {
        const double v = Stufen[static_cast<size_t>(i)][static_cast<size_t>(k)] * (1 - t) +
                         Stufen[static_cast<size_t>(i + 1)][static_cast<size_t>(k)] * t;
        return FarbkanalRunden(v);
    };
    return qRgb(mischen(0), mischen(1), mischen(2));
}

QImage Jahreskarte_Zeichnen(const std::vector<double>& anteile, const QString& titel, int markeTag,
                            int markeSchritt, const std::vector<std::uint8_t>& hinterUmgebung) {
    QImage bild(M::Breite, M::Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const int kartenBreite = 365 * M::ZelleBreite, kartenHoehe = 144 * M::ZelleHoehe;
    for (int n = 1; n <= 365; ++n) {
        for (int k = 0; k < 144; ++k) {
            const size_t i = static_cast<size_t>((n - 1) * 144 + k);
            const QRgb farbe = i < anteile.size() ? (i < hinterUmgebung.size() && hinterUmgebung[i]
                                                         ? FarbeHinterUmgebung
                                                         : Jahreskartenfarbe(anteile[i]))
                                                  : qRgb(255, 0, 0);
            for (int dx = 0; dx < M::ZelleBreite; ++dx) {
                for (int dy = 0; dy < M::ZelleHoehe; ++dy) {
                    bild.setPixel(M::Links + (n - 1) * M::ZelleBreite + dx,
                                  M::Oben + k * M::ZelleHoehe + dy, farbe);
                }
            }
        }
    }

    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true); // a picture meant to be looked at
    p.setPen(Qt::black);
    p.setFont(Bildschrift(13, true));
    p.drawText(QRect(M::Links, 2, kartenBreite, M::Oben - 6), Qt::AlignLeft | Qt::AlignVCenter,
               titel);
    p.drawRect(M::Links - 1, M::Oben - 1, kartenBreite + 1, kartenHoehe + 1);

    // Months along the bottom, hours down the left side, in the font of the dialog around.
    p.setFont(Bildschrift());
    const int unten = M::Oben + kartenHoehe;
    for (size_t m = 0; m < 12; ++m) {
        const int x0 = M::Links + (Monatsanfang[m] - 1) * M::ZelleBreite;
        const int x1 = M::Links + (Monatsanfang[m + 1] - 1) * M::ZelleBreite;
        p.drawLine(x0, unten, x0, unten + 4);
        p.drawText(QRect(x0, unten + 4, x1 - x0, 14), Qt::AlignCenter,
                   QString::fromUtf8(Monatskuerzel(static_cast<int>(m) + 1)));
    }
    p.drawLine(M::Links + kartenBreite, unten, M::Links + kartenBreite, unten + 4);
    for (int h = 0; h <= 24; h += 3) {
        const int y = M::Oben + h * 6 * M::ZelleHoehe;
        p.drawLine(M::Links - 5, y, M::Links - 1, y);
        p.drawText(QRect(0, y - 7, M::Links - 7, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1:00").arg(h, 2, 10, QLatin1Char('0')));
    }

    // The legend: the scale from besonnt to fully shaded, then the two grey codes.
    const int yl = unten + 24, xl = M::Links;
    constexpr int Skalenbreite = 160;
    p.drawText(QRect(xl, yl, 70, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("besonnt 0 %"));
    const int xs = xl + 72;
    for (int x = 0; x < Skalenbreite; ++x) {
        p.setPen(QColor(Jahreskartenfarbe(static_cast<double>(x) / (Skalenbreite - 1))));
        p.drawLine(xs + x, yl + 1, xs + x, yl + 12);
    }
    p.setPen(Qt::black);
    p.drawRect(xs - 1, yl, Skalenbreite + 1, 13);
    p.drawText(QRect(xs + Skalenbreite + 8, yl, 126, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("100 % verschattet"));
    const struct {
        double anteil;
        const char* text;
    } grau[] = {{-1, "Nacht"}, {-2, "Sonne nicht sichtbar"}};
    int xg = xs + Skalenbreite + 130;
    for (const auto& g : grau) {
        p.fillRect(xg, yl + 1, 24, 12, QColor(Jahreskartenfarbe(g.anteil)));
        p.drawRect(xg - 1, yl, 25, 13);
        p.drawText(QRect(xg + 30, yl, 140, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(g.text));
        xg += 30 + 140;
    }
    if (!hinterUmgebung.empty()) {
        // A second row under the greys, so that an open site's picture stays as it was.
        const int x = xs + Skalenbreite + 130, y = yl + 17;
        p.fillRect(x, y + 1, 24, 12, QColor(FarbeHinterUmgebung));
        p.drawRect(x - 1, y, 25, 13);
        p.drawText(QRect(x + 30, y, 200, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Sonne hinter der Umgebung"));
    }

    // The current instant: ticks on both axes and an open square round its cell, black with a
    // white inner ring so that it shows on white and on deep blue alike.
    if (markeTag >= 1 && markeTag <= 365 && markeSchritt >= 0 && markeSchritt < 144) {
        const int x = M::Links + (markeTag - 1) * M::ZelleBreite;
        const int y = M::Oben + markeSchritt * M::ZelleHoehe;
        p.drawLine(x, M::Oben - 6, x, M::Oben - 2);
        p.drawLine(M::Links + kartenBreite + 1, y, M::Links + kartenBreite + 6, y);
        p.setBrush(Qt::NoBrush);
        p.drawRect(x - 4, y - 4, M::ZelleBreite + 7, M::ZelleHoehe + 7);
        p.setPen(Qt::white);
        p.drawRect(x - 3, y - 3, M::ZelleBreite + 5, M::ZelleHoehe + 5);
    }
    p.end();
    return bild;
}

} // namespace umbrarix
