#include "views/Sonnenbahnen.h"

#include "model/Kalender.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"
#include "views/Bildschrift.h"
#include "views/Horizontbild.h"
#include "views/Jahreskarte.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

namespace umbrarix {

namespace {

using M = TSonnenbahnenmasse;
constexpr double Breite = M::Rechts - M::Links;

// The sun of a day and clock step as a point of the picture, or nothing below the horizon.
std::optional<QPointF> Sonnenpunkt(const TSzene& s, int tag, int schritt) {
    const TPunkt sonne =
        Sonnenvektor(tag, Zeitpunkt_Sonnenzeit(s, tag, schritt), s.Eingaben.anz_Breitengrad);
    if (sonne.x == -1 || !(sonne.z > 0)) {
        return std::nullopt;
    }
    return QPointF(SonnenbahnenX(AzimutVon(sonne)), SonnenbahnenY(HoeheVon(sonne)));
}

// A line through the points, broken where the sun sets or the line wraps through north.
void Linienzug(QPainter& p, const std::vector<std::optional<QPointF>>& punkte, double sprung) {
    QPainterPath weg;
    bool offen = false;
    std::optional<QPointF> vorher;
    for (const std::optional<QPointF>& q : punkte) {
        if (!q || (vorher && std::abs(q->x() - vorher->x()) > sprung)) {
            offen = false;
        }
        if (q) {
            if (offen) {
                weg.lineTo(*q);
            } else {
                weg.moveTo(*q);
                offen = true;
            }
        }
        vorher = q;
    }
    p.drawPath(weg);
}

} // namespace

double SonnenbahnenX(double azimut) {
    return M::Links + HorizontbildAnteil(azimut) * Breite;
}

double SonnenbahnenY(double hoehe) {
    return M::Unten - hoehe / 90 * (M::Unten - M::Oben);
}

int Maskenband(double wert) {
    if (wert == AnteilSonneNichtSichtbar) {
        return -1;
    }
    if (wert == MaskeHinterUmgebung) {
        return -2;
    }
    return wert <= 0 ? 0 : wert <= 0.25 ? 1 : wert <= 0.5 ? 2 : wert <= 0.75 ? 3 : wert < 1 ? 4 : 5;
}

QRgb Maskenbandfarbe(int band) {
    // The year overview's scale, one shade per band; lightness falls with the share, so the
    // order reads in grey print and for red-green colour blindness.
    constexpr std::array<double, 6> Anteile{0, 0.25, 0.5, 0.75, 0.9, 1};
    if (band == -1) {
        return Jahreskartenfarbe(AnteilSonneNichtSichtbar);
    }
    if (band == -2) {
        return FarbeHinterUmgebung;
    }
    return Jahreskartenfarbe(Anteile[static_cast<size_t>(std::clamp(band, 0, 5))]);
}

QImage Sonnenbahnen_Zeichnen(const TSzene& s, const THimmelsmaske& maske, bool terrasse, int tag,
                             int schritt) {
    QImage bild(M::Breite, M::Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    const QRectF flaeche(M::Links, M::Oben, Breite, M::Unten - M::Oben);

    // The mask, cell by cell; a cell across north is drawn at both edges.
    p.setClipRect(flaeche);
    const std::vector<double>& werte = maske.Werte(terrasse);
    const double zelle = maske.Schritt / 360.0 * Breite;
    for (int a = 0; a < maske.Azimute; ++a) {
        const double x = SonnenbahnenX(maske.Azimut(a));
        for (int h = 0; h < maske.Hoehen; ++h) {
            const double hoehe = maske.Hoehe(h);
            const double oben = h + 1 == maske.Hoehen ? 90 : hoehe + maske.Schritt / 2.0;
            const double unten = h == 0 ? 0 : hoehe - maske.Schritt / 2.0;
            const QColor farbe(
                Maskenbandfarbe(Maskenband(werte[static_cast<size_t>(maske.Index(a, h))])));
            for (const double versatz : {-Breite, 0.0, Breite}) {
                const QRectF r(x + versatz - zelle / 2, SonnenbahnenY(oben), zelle,
                               SonnenbahnenY(unten) - SonnenbahnenY(oben));
                if (r.intersects(flaeche)) {
                    p.fillRect(r, farbe);
                }
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing);

    // The skyline's outline over the mask.
    if (!s.Umgebung.Leer()) {
        QPainterPath linie;
        for (int i = 0; i <= 720; ++i) {
            const double anteil = i / 720.0;
            const QPointF q(M::Links + anteil * Breite,
                            SonnenbahnenY(s.Umgebung.HoeheBei(180 - anteil * 360)));
            i == 0 ? linie.moveTo(q) : linie.lineTo(q);
        }
        p.setPen(QPen(QColor(70, 45, 20), 1.5));
        p.drawPath(linie);
    }

    // The grid every 10 degrees.
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    for (int g = 10; g < 90; g += 10) {
        p.drawLine(QPointF(M::Links, SonnenbahnenY(g)), QPointF(M::Rechts, SonnenbahnenY(g)));
    }
    for (int a = 0; a < 360; a += 10) {
        const double x = SonnenbahnenX(a);
        p.drawLine(QPointF(x, M::Oben), QPointF(x, M::Unten));
    }
    p.setClipping(false);

    // Hour lines: each full clock hour over the year (broken where summer time jumps).
    p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
    p.setFont(Bildschrift());
    for (int stunde = 0; stunde < 24; ++stunde) {
        std::vector<std::optional<QPointF>> punkte;
        std::optional<QPointF> hoechster;
        for (int n = 1; n <= 365; n += 2) {
            punkte.push_back(Sonnenpunkt(s, n, stunde * 6));
            if (punkte.back() && (!hoechster || punkte.back()->y() < hoechster->y())) {
                hoechster = punkte.back();
            }
        }
        Linienzug(p, punkte, 12);
        if (hoechster) {
            p.save();
            p.setPen(Qt::black);
            p.drawText(QRectF(hoechster->x() - 15, hoechster->y() - 16, 30, 14), Qt::AlignCenter,
                       QString::number(stunde));
            p.restore();
        }
    }

    // The tracks on the 21st of every month; months of about the same declination share one
    // label.
    constexpr std::array<int, 12> Einundzwanzigster{21,  52,  80,  111, 141, 172,
                                                    202, 233, 264, 294, 325, 355};
    const char* paare[12] = {"Jan / Nov", "Feb / Okt", "Mär / Sep", "Apr / Aug",
                             "Mai / Jul", "Jun",       nullptr,     nullptr,
                             nullptr,     nullptr,     nullptr,     "Dez"};
    p.setPen(QPen(QColor(200, 90, 0), 1.5));
    for (int m = 0; m < 12; ++m) {
        std::vector<std::optional<QPointF>> punkte;
        std::optional<QPointF> hoechster;
        for (int k = 0; k <= 143; ++k) {
            punkte.push_back(Sonnenpunkt(s, Einundzwanzigster[static_cast<size_t>(m)], k));
            if (punkte.back() && (!hoechster || punkte.back()->y() < hoechster->y())) {
                hoechster = punkte.back();
            }
        }
        Linienzug(p, punkte, Breite / 2);
        if (hoechster && paare[m] != nullptr) {
            p.save();
            p.setPen(QColor(140, 60, 0));
            p.drawText(QRectF(hoechster->x() + 4, hoechster->y() - 13, 70, 12),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(paare[m]));
            p.restore();
        }
    }

    // The sun of the current instant.
    if (const std::optional<QPointF> jetzt = Sonnenpunkt(s, tag, schritt)) {
        p.setBrush(QColor(255, 210, 0));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawEllipse(*jetzt, 6, 6);
    }

    // Frame, axes and labels.
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawRect(flaeche);
    p.setFont(Bildschrift());
    for (int g = 0; g <= 90; g += 10) {
        p.drawText(QRectF(0, SonnenbahnenY(g) - 7, M::Links - 4, 14),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(g));
    }
    const std::pair<double, const char*> richtungen[] = {{180, "N"}, {135, "NO"}, {90, "O"},
                                                         {45, "SO"}, {0, "S"},    {315, "SW"},
                                                         {270, "W"}, {225, "NW"}};
    for (const auto& [azimut, name] : richtungen) {
        p.drawText(QRectF(SonnenbahnenX(azimut) - 15, M::Unten + 4, 30, 14), Qt::AlignCenter,
                   QString::fromUtf8(name));
    }
    p.drawText(QRectF(M::Rechts - 15, M::Unten + 4, 30, 14), Qt::AlignCenter, QStringLiteral("N"));
    p.setFont(Bildschrift(13, true));
    p.drawText(QRectF(M::Links, 2, Breite, M::Oben - 4), Qt::AlignLeft | Qt::AlignVCenter,
               terrasse ? QStringLiteral("Sonnenbahnen - Verschattung der Terrasse")
                        : QStringLiteral("Sonnenbahnen - Verschattung des Fensters"));

    // The legend.
    p.setFont(Bildschrift());
    const std::pair<int, const char*> legende[] = {{0, "0 %"},
                                                   {1, "bis 25 %"},
                                                   {2, "bis 50 %"},
                                                   {3, "bis 75 %"},
                                                   {4, "unter 100 %"},
                                                   {5, "100 % verschattet"},
                                                   {-1, "Sonne nicht sichtbar"},
                                                   {-2, "Sonne hinter der Umgebung"}};
    int y = M::Oben + 4;
    for (const auto& [band, text] : legende) {
        if (band == -2 && s.Umgebung.Leer()) {
            continue;
        }
        p.fillRect(QRectF(M::Rechts + 14, y, 22, 13), QColor(Maskenbandfarbe(band)));
        p.drawRect(QRectF(M::Rechts + 14, y, 22, 13));
        p.drawText(QRectF(M::Rechts + 42, y - 1, M::Breite - M::Rechts - 44, 15),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(text));
        y += 20;
    }
    y += 6;
    p.setPen(QPen(QColor(200, 90, 0), 1.5));
    p.drawLine(QPointF(M::Rechts + 14, y + 7), QPointF(M::Rechts + 36, y + 7));
    p.setPen(Qt::black);
    p.drawText(QRectF(M::Rechts + 42, y, M::Breite - M::Rechts - 44, 15),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sonnenbahn am 21."));
    y += 20;
    p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DashLine));
    p.drawLine(QPointF(M::Rechts + 14, y + 7), QPointF(M::Rechts + 36, y + 7));
    p.setPen(Qt::black);
    p.drawText(QRectF(M::Rechts + 42, y, M::Breite - M::Rechts - 44, 15),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("volle Stunde (Uhrzeit)"));
    y += 20;
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(M::Rechts + 25, y + 7), 5, 5);
    p.drawText(QRectF(M::Rechts + 42, y, M::Breite - M::Rechts - 44, 15),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sonne jetzt"));
    p.end();
    return bild;
}

} // namespace umbrarix
