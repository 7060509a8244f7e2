#include "views/Dimensionierungsdiagramm.h"

#include "views/Bildschrift.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace umbrarix {

namespace {

using M = TDimensionierungsdiagrammmasse;

QSize Mindestens(QSize groesse) {
    return groesse.expandedTo(QSize(M::Breite, M::Hoehe));
}

QPointF Punkt(const QRect& f, double ausfall, double grad) {
    const double x = f.left() + (f.right() - f.left()) * ausfall / M::AusfallMax;
    const double y = f.bottom() - (f.bottom() - f.top()) * std::clamp(grad, 0.0, 1.0);
    return {x, y};
}

// Colour of curve k, from a palette that stays apart for red-green colour blindness.
QRgb Kurvenfarbe(size_t k) {
    constexpr std::array<QRgb, 7> Farben{0x0072B2, 0xE69F00, 0x009E73, 0xCC79A7,
                                         0x56B4E9, 0xD55E00, 0x000000};
    return Farben[k % Farben.size()] | 0xFF000000u;
}

} // namespace

QRect Dimensionierungsdiagrammflaeche(QSize groesse) {
    const QSize g = Mindestens(groesse);
    return QRect(QPoint(M::Links, M::Oben), QPoint(g.width() - M::Legende, g.height() - M::Fuss));
}

QFont Dimensionierungsdiagrammschrift() {
    return Bildschrift(); // the labels' size of the other evaluation pictures
}

std::vector<TLegendenzeile> Dimensionierungslegende(const std::vector<TDiagrammkurve>& kurven,
                                                    bool vorschlag, QSize groesse) {
    const QSize g = Mindestens(groesse);
    const QRect f = Dimensionierungsdiagrammflaeche(g);
    constexpr int Texthoehe = 14;
    const int x = f.right() + 42, breite = g.width() - x - 2;
    const auto zeile = [&](int i) { return f.top() + 4 + i * M::Zeile; };
    // The legend stands beside the plot area, not beside the projection values below it.
    const int zeilen = (f.bottom() + 1 - Texthoehe - zeile(0)) / M::Zeile + 1;
    const int frei = zeilen - 1 - (vorschlag ? 1 : 0);
    const size_t gezeigt = kurven.size() <= static_cast<size_t>(frei)
                               ? kurven.size()
                               : static_cast<size_t>(std::max(frei - 1, 0));
    std::vector<TLegendenzeile> legende;
    int i = 0;
    for (size_t k = 0; k < gezeigt; ++k, ++i) {
        legende.push_back(
            {TLegendenzeile::Kurve, kurven[k].Name, QRect(x, zeile(i), breite, Texthoehe), k});
    }
    if (gezeigt < kurven.size()) {
        legende.push_back({TLegendenzeile::Weitere,
                           QStringLiteral("+ %1 weitere Breiten").arg(kurven.size() - gezeigt),
                           QRect(x, zeile(i++), breite, Texthoehe)});
    }
    legende.push_back({TLegendenzeile::Verlangt, QStringLiteral("verlangt"),
                       QRect(x, zeile(i++), breite, Texthoehe)});
    if (vorschlag) {
        // The ring in the text stands for the mark on the curve.
        const int xv = f.right() + 12;
        legende.push_back({TLegendenzeile::Vorschlag, QStringLiteral("○ Vorschlag"),
                           QRect(xv, zeile(i), g.width() - xv - 2, Texthoehe)});
    }
    return legende;
}

QImage Dimensionierungsdiagramm_Zeichnen(const std::vector<TDiagrammkurve>& kurven,
                                         double mindestgrad,
                                         std::optional<std::pair<double, double>> vorschlag,
                                         QSize groesse) {
    const QSize g = Mindestens(groesse);
    const QRect f = Dimensionierungsdiagrammflaeche(g);
    QImage bild(g, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(Dimensionierungsdiagrammschrift());

    // Grid and axes: every 10 % and every 50 cm.
    p.setPen(QPen(QColor(220, 220, 220), 1));
    for (int grad = 0; grad <= 100; grad += 10) {
        p.drawLine(Punkt(f, 0, grad / 100.0), Punkt(f, M::AusfallMax, grad / 100.0));
    }
    for (int a = 0; a <= 400; a += 50) {
        p.drawLine(Punkt(f, a, 0), Punkt(f, a, 1));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(Punkt(f, 0, 1), Punkt(f, M::AusfallMax, 0)));
    for (int grad = 0; grad <= 100; grad += 20) {
        const QPointF q = Punkt(f, 0, grad / 100.0);
        p.drawText(QRectF(0, q.y() - 7, M::Links - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(grad));
    }
    for (int a = 0; a <= 400; a += 50) {
        const QPointF q = Punkt(f, a, 0);
        p.drawText(QRectF(q.x() - 25, f.bottom() + 4, 50, 14), Qt::AlignCenter, QString::number(a));
    }
    p.drawText(QRectF(f.left(), f.bottom() + 20, f.width(), 14), Qt::AlignCenter,
               QStringLiteral("Ausfall (cm)"));

    // The required level.
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawLine(Punkt(f, 0, mindestgrad), Punkt(f, M::AusfallMax, mindestgrad));

    for (size_t k = 0; k < kurven.size(); ++k) {
        p.setPen(QPen(QColor(Kurvenfarbe(k)), 2));
        QPainterPath weg;
        for (size_t i = 0; i < kurven[k].Punkte.size(); ++i) {
            const QPointF q = Punkt(f, kurven[k].Punkte[i].first, kurven[k].Punkte[i].second);
            if (i == 0) {
                weg.moveTo(q);
            } else {
                weg.lineTo(q);
            }
        }
        p.drawPath(weg);
    }

    for (const TLegendenzeile& z : Dimensionierungslegende(kurven, vorschlag.has_value(), g)) {
        const int y = z.Kasten.top() + 7;
        if (z.Art == TLegendenzeile::Kurve) {
            p.setPen(QPen(QColor(Kurvenfarbe(z.Kurvennummer)), 2));
            p.drawLine(f.right() + 12, y, f.right() + 36, y);
        } else if (z.Art == TLegendenzeile::Verlangt) {
            p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
            p.drawLine(f.right() + 12, y, f.right() + 36, y);
        }
        p.setPen(Qt::black);
        p.drawText(z.Kasten, Qt::AlignLeft | Qt::AlignVCenter, z.Text);
    }

    if (vorschlag) {
        const QPointF q = Punkt(f, vorschlag->first, vorschlag->second);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(q, 6, 6);
    }
    p.end();
    return bild;
}

} // namespace umbrarix
