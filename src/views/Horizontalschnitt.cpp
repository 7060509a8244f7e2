#include "views/Horizontalschnitt.h"

#include "model/Geometrie.h"
#include "model/Runden.h"
#include "views/Pixelpunkt.h"
#include "views/Schattenflaechen.h"
#include "views/Zeichenflaeche.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace umbrarix {

namespace {

using L = long long;
constexpr L O = HorizontalschnittOben;

struct TEcken {
    L y[4], d[4]; // along the facade, distance in front of it
};

TEcken Ecken(const TPolygon& p, const TDrehung& liegend) {
    const TVierEcken v = VierEcken(p, liegend);
    TEcken e{};
    for (std::size_t k = 0; k < 4; ++k) {
        e.y[k] = v[k].y;
        e.d[k] = v[k].z;
    }
    return e;
}

QRect Marker(L links, L oben, L breite, L hoehe) {
    return QRect(Pixelpunkt(links, oben), Pixelgroesse(breite, hoehe));
}

void MauerMarker(const TEcken& w, QRect& seite, QRect& oben, QRect& unten) {
    seite = Marker(w.y[3] + 350, O + w.d[3], 2, w.d[2] - w.d[3] + 1);
    oben = Marker(w.y[3] + 348, O + w.d[3] - 2, 6, 6);  // inner end
    unten = Marker(w.y[3] + 348, O + w.d[2] - 2, 6, 6); // outer end
}

int R(double v) {
    return RundenGanz(v);
}

// North arrow centred near (40, 310); the tip is kept unrounded, every drawn point is rounded.
void Nordpfeil(TZeichenflaeche& z, double himmelsrichtung) {
    const double pi = std::numbers::pi;
    const double h = pi * himmelsrichtung / 180;
    const double tx = 40 + 15 * std::sin(h), ty = 310 - 15 * std::cos(h);
    z.Stift(FarbeSchwarz);
    z.BewegeZu(R(tx), R(ty));
    z.LinieZu(R(40 - 25 * std::sin(h)), R(310 + 25 * std::cos(h)));
    z.BewegeZu(R(tx), R(ty));
    z.LinieZu(R(tx - 10 * std::sin(h + pi / 4)), R(ty + 10 * std::cos(h + pi / 4)));
    z.BewegeZu(R(tx), R(ty));
    z.LinieZu(R(tx + 10 * std::sin(pi / 4 - h)), R(ty + 10 * std::cos(pi / 4 - h)));
    z.Pinselstil(TPinselstil::Leer);
    const QString n = QStringLiteral("N");
    const QSize g = z.Textausdehnung(n);
    z.Text(R(tx + 10 * std::sin(h) - g.width() / 2.0), R(ty - 10 * std::cos(h) - g.height() / 2.0),
           n);
    z.Pinselstil(TPinselstil::Voll);
}

} // namespace

THorizontalschnitt Horizontalschnitt_Zeichnen(const TSzene& s, const TFarbset& farben,
                                              const QImage& vorlage) {
    const TEingabedaten& e = s.Eingaben;
    const TDrehung liegend(180, e.anz_Himmelsrichtung);
    THorizontalschnitt ergebnis{
        QImage(vorlage.width(), HorizontalschnittHoehe, QImage::Format_RGB32), {}};
    THorizontalMarker& m = ergebnis.Marker;
    TZeichenflaeche z(ergebnis.Bild);
    z.Kopieren(vorlage);

    const TEcken t = Ecken(s.Terrasse.Polygon, liegend);
    m.b_terrasse_oben = Marker(t.y[0] + 350, O + t.d[0], t.y[1] - t.y[0] + 1, 2);
    m.b_terrasse_unten = Marker(t.y[3] + 350, O + t.d[3] - 1, t.y[2] - t.y[3] + 1, 2);
    m.b_terrasse_links = Marker(t.y[3] + 350, O + t.d[0], 2, t.d[3] - t.d[0] + 1);
    m.b_terrasse_rechts = Marker(t.y[2] + 349, O + t.d[1], 2, t.d[2] - t.d[1] + 1);

    // The overhang's back edge 3-2 lies near the facade, its front edge 0-1 further out.
    const TEcken u = Ecken(s.Ueberhang.Polygon, liegend);
    m.b_ueberh_oben = Marker(u.y[3] + 350, O + u.d[3], u.y[2] - u.y[3] + 1, 2);
    m.b_ueberh_unten = Marker(u.y[0] + 350, O + u.d[0] - 1, u.y[1] - u.y[0] + 1, 2);
    m.b_ueberh_links = Marker(u.y[3] + 350, O + u.d[3], 2, u.d[0] - u.d[3] + 1);
    m.b_ueberh_rechts = Marker(u.y[2] + 349, O + u.d[2], 2, u.d[1] - u.d[2] + 1);

    MauerMarker(Ecken(s.MauerLinks.Polygon, liegend), m.b_mauerlinks_seite, m.b_mauerlinks_oben,
                m.b_mauerlinks_unten);
    MauerMarker(Ecken(s.MauerRechts.Polygon, liegend), m.b_mauerrechts_seite, m.b_mauerrechts_oben,
                m.b_mauerrechts_unten);

    z.Farbe(farben.Terrassenfarbe);
    z.Rechteck(Pixelwert(t.y[0] + 350), Pixelwert(t.d[0]), Pixelwert(t.y[2] + 349),
               Pixelwert(t.d[3] - 1));

    if (s.IstNacht || s.IstSonneNichtSichtbar) {
        z.Farbe(s.IstNacht ? FarbeNacht : FarbeSonneNichtSichtbar);
        z.Rechteck(-1, -1, 703, 353);
    } else {
        Schattenflaechen_Zeichnen(z, s, liegend, &TVerschattendesElement::SchattenBodenebene,
                                  &TVerschattendesElement::SchattenTerrasse,
                                  [](const TIntPunkt& f) { return Pixelpunkt(L{f.y} + 350, f.z); });
    }

    if (e.CheckBox_Ueberhang) {
        z.Stift(farben.Markisenfarbe, TStiftstil::Unsichtbar);
        z.Pinsel(farben.Markisenfarbe, TPinselstil::RueckDiagonal);
        z.Rechteck(Pixelwert(u.y[3] + 350), Pixelwert(u.d[3]), Pixelwert(u.y[2] + 349),
                   Pixelwert(u.d[0] - 1));
        z.Stiftstil(TStiftstil::Durchgezogen);
        z.Pinselstil(TPinselstil::Voll);
    }
    Nordpfeil(z, e.anz_Himmelsrichtung);
    return ergebnis;
}

} // namespace umbrarix
