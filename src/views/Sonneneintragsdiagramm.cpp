#include "views/Sonneneintragsdiagramm.h"

#include "model/Kalender.h"
#include "model/Runden.h"
#include "views/Bildschrift.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace umbrarix {

namespace {

using M = TSonneneintragsdiagrammmasse;

// A palette that stays apart for red-green colour blindness and in grey print.
constexpr std::array<QRgb, 3> Farben{0xFFD55E00, 0xFF56B4E9, 0xFF999999}; // beam, sky, ground

QColor Hell(QRgb farbe) {
    const QColor c(farbe);
    return QColor((c.red() + 255 * 2) / 3, (c.green() + 255 * 2) / 3, (c.blue() + 255 * 2) / 3);
}

// Step of the axis for a scale: 1, 2 or 5 times a power of ten, four to ten steps.
double Teilung(double skala) {
    const double zehner = std::pow(10.0, std::floor(std::log10(skala / 4)));
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        if (skala / (f * zehner) <= 10) {
            return f * zehner;
        }
    }
    return 10 * zehner;
}

} // namespace

double SonneneintragsSkala(const TSonneneintrag& e) {
    double groesste = 0;
    for (const TEintrag& m : EintragJeMonat(e)) {
        groesste = std::max({groesste, m.GesamtOhne(), m.GesamtMit()});
    }
    const double kwh = groesste / 1000;
    if (!(kwh > 0)) {
        return 10;
    }
    const double schritt = Teilung(kwh * 1.05);
    return std::ceil(kwh * 1.05 / schritt) * schritt;
}

QImage Sonneneintragsdiagramm_Zeichnen(const TSonneneintrag& e) {
    QImage bild(M::Breite, M::Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false); // bars on whole pixels
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(Bildschrift());

    const double skala = SonneneintragsSkala(e);
    const double schritt = Teilung(skala);
    const auto y = [skala](double kwh) {
        return M::Unten - RundenGanz((M::Unten - M::Oben) * kwh / skala);
    };
    p.setPen(QColor(220, 220, 220));
    for (double w = 0; w <= skala + 1e-9; w += schritt) {
        p.drawLine(M::Links, y(w), M::Rechts, y(w));
    }
    p.setPen(Qt::black);
    for (double w = 0; w <= skala + 1e-9; w += schritt) {
        p.drawText(QRect(0, y(w) - 7, M::Links - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(w, 'g', 6));
    }
    p.setFont(Bildschrift(13, true));
    p.drawText(QRect(4, 4, M::Breite - 8, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Sonneneintrag %1 in kWh/m² je Monat")
                   .arg(e.Terrasse ? QStringLiteral("Terrasse") : QStringLiteral("Fenster")));
    p.setFont(Bildschrift());

    const std::array<TEintrag, 12> monate = EintragJeMonat(e);
    for (int m = 0; m < 12; ++m) {
        const TEintrag& t = monate[static_cast<size_t>(m)];
        const int x0 =
            M::Links + m * M::Monatsbreite + (M::Monatsbreite - 2 * M::Saeulenbreite) / 2;
        const std::array<std::array<double, 3>, 2> saeulen{
            std::array<double, 3>{t.DirektMit, t.DiffusMit, t.Reflex},
            std::array<double, 3>{t.DirektOhne, t.DiffusOhne, t.Reflex}};
        for (int s = 0; s < 2; ++s) {
            const int x = x0 + s * M::Saeulenbreite;
            double summe = 0;
            for (size_t k = 0; k < 3; ++k) {
                const int unten = y(summe / 1000);
                summe += saeulen[static_cast<size_t>(s)][k];
                const int oben = y(summe / 1000);
                if (oben < unten) {
                    p.fillRect(x, oben, M::Saeulenbreite - 1, unten - oben,
                               s == 0 ? QColor(Farben[k]) : Hell(Farben[k]));
                }
            }
            p.setPen(QColor(80, 80, 80));
            p.drawRect(x, y(summe / 1000), M::Saeulenbreite - 2, M::Unten - y(summe / 1000) - 1);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(M::Links + m * M::Monatsbreite, M::Unten + 3, M::Monatsbreite, 14),
                   Qt::AlignCenter,
                   QString::fromUtf8(Monatskuerzel(m + 1).data(),
                                     static_cast<int>(Monatskuerzel(m + 1).size())));
    }
    p.setPen(Qt::black);
    p.drawLine(M::Links, M::Unten, M::Rechts, M::Unten);
    p.drawLine(M::Links, M::Oben, M::Links, M::Unten);

    // Legend: the three parts, then which bar is which.
    const char* namen[] = {"direkt", "diffus", "reflektiert"};
    int x = M::Links;
    const int yl = M::Unten + 24;
    for (size_t k = 0; k < 3; ++k) {
        p.fillRect(x, yl + 2, 12, 10, QColor(Farben[k]));
        p.drawText(QRect(x + 16, yl, 90, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(namen[k]));
        x += 100;
    }
    p.drawText(QRect(M::Links, yl + 18, M::Breite - M::Links - 4, 14),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("linke Säule: mit Sonnenschutz, rechte Säule (hell): ohne "
                              "Sonnenschutz"));
    p.end();
    return bild;
}

} // namespace umbrarix
