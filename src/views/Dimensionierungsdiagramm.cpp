#include "views/Dimensionierungsdiagramm.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace umbrarix {

namespace {

using M = TDimensionierungsdiagrammmasse;

QPointF Punkt(double ausfall, double grad) {
    const double x = M::Links + (M::Rechts - M::Links) * ausfall / M::AusfallMax;
    const double y = M::Unten - (M::Unten - M::Oben) * std::clamp(grad, 0.0, 1.0);
    return {x, y};
}

QFont Schrift() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    return f;
}

// Colour of curve k, from a palette that stays apart for red-green colour blindness.
QRgb Kurvenfarbe(size_t k) {
    constexpr std::array<QRgb, 7> Farben{0x0072B2, 0xE69F00, 0x009E73, 0xCC79A7,
                                         0x56B4E9, 0xD55E00, 0x000000};
    return Farben[k % Farben.size()] | 0xFF000000u;
}

} // namespace

QImage Dimensionierungsdiagramm_Zeichnen(const std::vector<TDiagrammkurve>& kurven,
                                         double mindestgrad,
                                         std::optional<std::pair<double, double>> vorschlag) {
    QImage bild(M::Breite, M::Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(Schrift());

    // Grid and axes: every 10 % and every 50 cm.
    p.setPen(QPen(QColor(220, 220, 220), 1));
    for (int g = 0; g <= 100; g += 10) {
        p.drawLine(Punkt(0, g / 100.0), Punkt(M::AusfallMax, g / 100.0));
    }
    for (int a = 0; a <= 400; a += 50) {
        p.drawLine(Punkt(a, 0), Punkt(a, 1));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(Punkt(0, 1), Punkt(M::AusfallMax, 0)));
    for (int g = 0; g <= 100; g += 20) {
        const QPointF q = Punkt(0, g / 100.0);
        p.drawText(QRectF(0, q.y() - 7, M::Links - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(g));
    }
    for (int a = 0; a <= 400; a += 50) {
        const QPointF q = Punkt(a, 0);
        p.drawText(QRectF(q.x() - 25, M::Unten + 4, 50, 14), Qt::AlignCenter, QString::number(a));
    }
    p.drawText(QRectF(M::Links, M::Unten + 20, M::Rechts - M::Links, 14), Qt::AlignCenter,
               QStringLiteral("Ausfall (cm)"));

    // The required level.
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawLine(Punkt(0, mindestgrad), Punkt(M::AusfallMax, mindestgrad));

    for (size_t k = 0; k < kurven.size(); ++k) {
        const QColor farbe(Kurvenfarbe(k));
        p.setPen(QPen(farbe, 2));
        QPainterPath weg;
        for (size_t i = 0; i < kurven[k].Punkte.size(); ++i) {
            const QPointF q = Punkt(kurven[k].Punkte[i].first, kurven[k].Punkte[i].second);
            if (i == 0) {
                weg.moveTo(q);
            } else {
                weg.lineTo(q);
            }
        }
        p.drawPath(weg);
        const int y = M::Oben + 4 + static_cast<int>(k) * 18;
        p.drawLine(M::Rechts + 12, y + 7, M::Rechts + 36, y + 7);
        p.setPen(Qt::black);
        p.drawText(QRect(M::Rechts + 42, y, M::Breite - M::Rechts - 44, 14),
                   Qt::AlignLeft | Qt::AlignVCenter, kurven[k].Name);
    }
    const int yl = M::Oben + 4 + static_cast<int>(kurven.size()) * 18;
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawLine(M::Rechts + 12, yl + 7, M::Rechts + 36, yl + 7);
    p.setPen(Qt::black);
    p.drawText(QRect(M::Rechts + 42, yl, M::Breite - M::Rechts - 44, 14),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("verlangt"));

    if (vorschlag) {
        const QPointF q = Punkt(vorschlag->first, vorschlag->second);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(q, 6, 6);
        p.drawText(QRect(M::Rechts + 12, yl + 20, M::Breite - M::Rechts - 14, 14),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("○ Vorschlag"));
    }
    p.end();
    return bild;
}

} // namespace umbrarix
