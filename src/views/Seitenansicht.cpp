#include "views/Seitenansicht.h"

#include "model/Geometrie.h"
#include "model/Runden.h"
#include "views/Person.h"
#include "views/Pixelpunkt.h"
#include "views/Zeichenflaeche.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace umbrarix {

namespace {

using L = long long;

void Vieleck(TZeichenflaeche& z, std::initializer_list<QPoint> punkte) {
    const std::vector<QPoint> p(punkte);
    z.Polygon(p);
}

// Pixel point of a facade point (x out of the facade, z up): (350 - x, 350 - z).
QPoint P(const TIntPunkt& f) {
    return Pixelpunkt(350 - L{f.x}, 350 - L{f.z});
}

QPoint Plus(const QPoint& a, const QPoint& b) {
    return Pixelpunkt(L{a.x()} + b.x(), L{a.y()} + b.y());
}

QRect Punktmarker(const TIntPunkt& f) {
    return QRect(Pixelpunkt(348 - L{f.x}, 348 - L{f.z}), QSize(5, 5));
}

} // namespace

QPoint Strahlversatz(const TPunkt& sonne, double himmelsrichtung) {
    const double h = himmelsrichtung * std::numbers::pi / 180;
    const double waagerecht = sonne.x * std::cos(h) + sonne.y * std::sin(h);
    return QPoint(RundenGanz(10000 * waagerecht), RundenGanz(10000 * sonne.z));
}

TSeitenansicht Seitenansicht_Zeichnen(const TSzene& s, const TFarbset& farben,
                                      const QImage& vorlage, const TPunkt& sonne, int personLinks) {
    const TEingabedaten& e = s.Eingaben;
    const TDrehung senkrecht(90, e.anz_Himmelsrichtung);
    const TDrehung liegend(180, e.anz_Himmelsrichtung);
    TSeitenansicht ergebnis{QImage(vorlage.size(), QImage::Format_RGB32), {}};
    TSeitenMarker& m = ergebnis.Marker;
    TZeichenflaeche z(ergebnis.Bild);
    z.Kopieren(vorlage);

    const QPoint S = Strahlversatz(sonne, e.anz_Himmelsrichtung);
    const TIntPunkt f0 = senkrecht.InFassade(s.Ueberhang.Polygon[0]);
    const TIntPunkt f3 = senkrecht.InFassade(s.Ueberhang.Polygon[3]);
    const TIntPunkt v0 = senkrecht.InFassade(s.Volant.Polygon[0]);
    const QPoint F = P(f0), B = P(f3), V = P(v0);
    const QPoint W0 = P(senkrecht.InFassade(s.Fenster.Polygon[0]));
    const QPoint W3 = P(senkrecht.InFassade(s.Fenster.Polygon[3]));
    const L d0 = liegend.InFassade(s.Terrasse.Polygon[0]).z;
    const L d3 = liegend.InFassade(s.Terrasse.Polygon[3]).z;

    // Wall tilt: 90 vertical, below 90 leaning back over the room, above 90 leaning out.
    const double W = e.anz_Fensterneigung;
    const double alpha = std::numbers::pi * W / 180;
    const int a = RundenGanz(15 * std::sin(alpha)), b = RundenGanz(15 * std::cos(alpha));
    const QPoint ab(a, b);
    const QPoint R1 = Pixelpunkt(350 + L{RundenGanz(372 * std::cos(alpha))},
                                 350 - L{RundenGanz(372 * std::sin(alpha))});
    // Leaning out, both ends of the wall are cut horizontally.
    const bool steil = W <= 90;
    const QPoint R2 =
        steil
            ? Plus(R1, ab)
            : Pixelpunkt(350 + L{RundenGanz(372 * std::cos(alpha) + 15 / std::sin(alpha))}, R1.y());
    const QPoint Q3 = steil ? Pixelpunkt(350 + L{a}, 350 + L{b})
                            : Pixelpunkt(350 + L{RundenGanz(15 / std::sin(alpha))}, 350);

    if (s.IstNacht || s.IstSonneNichtSichtbar) {
        z.Farbe(s.IstNacht ? FarbeNacht : FarbeSonneNichtSichtbar);
        z.Rechteck(-1, -1, 703, 363);
    } else {
        z.Farbe(FarbeSchattenEbene);
        if (e.CheckBox_Ueberhang) {
            Vieleck(z, {B, F, Plus(F, S), Plus(B, S)});
            Vieleck(z, {F, V, Plus(V, S), Plus(F, S)});
        }
        // Shade of wall and ceiling; the outer face below the window only for a wall that
        // does not lean out.
        if (steil) {
            Vieleck(z, {QPoint(350, 370), W0, Plus(W0, S), Plus(QPoint(350, 370), S)});
        }
        const QPoint innenUnten(350 + a, 370);
        Vieleck(z, {innenUnten, Plus(W0, ab), Plus(Plus(W0, ab), S), Plus(innenUnten, S)});
        Vieleck(z, {W3, R1, Plus(R1, S), Plus(W3, S)});
        Vieleck(z, {R2, Plus(W3, ab), Plus(Plus(W3, ab), S), Plus(R2, S)});
        const QPoint decke(1000, R1.y());
        Vieleck(z, {R1, decke, Plus(decke, S), Plus(R1, S)});
    }

    // Wall section below and above the window, and the ceiling slab 15 px thick.
    z.Farbe(FarbeSchwarz);
    Vieleck(z, {QPoint(350, 350), W0, Plus(W0, ab), Q3});
    Vieleck(z, {W3, R1, R2, Plus(W3, ab)});
    const QPoint C =
        steil ? Pixelpunkt(R1.x(), L{R1.y()} + 15)
              : Pixelpunkt(350 + L{RundenGanz(372 * std::cos(alpha) + a)}, L{R1.y()} + 15);
    Vieleck(z, {R1, QPoint(1000, R1.y()), Pixelpunkt(1000, L{R1.y()} + 15), C});

    // Window: a band half the wall thick on the outer side of the opening.
    z.Stift(FarbeSchwarz);
    z.Pinsel(farben.Fensterfarbe);
    const QPoint halb(a / 2, b / 2);
    Vieleck(z, {W0, W3, Plus(W3, halb), Plus(W0, halb)});

    if (e.CheckBox_Ueberhang) {
        z.Stift(farben.Markisenfarbe);
        z.BewegeZu(B.x(), B.y());
        z.LinieZu(F.x(), F.y());
        z.LinieZu(V.x(), V.y());
    }

    m.s_ueberh_innen = Punktmarker(f3);
    m.s_ueberh_aussen = Punktmarker(f0);
    m.s_ueberh_volant = Punktmarker(v0);
    m.s_wandneigung = QRect(RundenGanz(340 * std::cos(alpha)) + 348,
                            348 - RundenGanz(340 * std::sin(alpha)), 5, 5);

    std::vector<QPoint> person;
    for (const QPoint& p : Personenumriss()) {
        person.push_back(Pixelpunkt(L{personLinks} - 31 + p.x(), 170 + p.y()));
    }
    z.Farbe(FarbeSchwarz);
    z.Polygon(person);

    // With a wall leaning back 45 degrees or more the floor stops at the wall foot.
    m.Shape_Fussboden_Breite = W > 45 ? 701 : 366;
    z.Rechteck(0, 350, m.Shape_Fussboden_Breite, 361);

    m.s_terrasse_Links = Pixelwert(350 - d3);
    m.s_terrasse_Breite = Pixelwert(d3 - d0);
    z.Farbe(farben.Terrassenfarbe);
    z.Rechteck(Pixelwert(350 - d3), 350, Pixelwert(350 - d0), 357);
    return ergebnis;
}

} // namespace umbrarix
