#include "views/Frontansicht.h"

#include "model/Geometrie.h"
#include "views/Pixelpunkt.h"
#include "views/Schattenflaechen.h"
#include "views/Zeichenflaeche.h"

#include <vector>

namespace umbrarix {

namespace {

using L = long long;

// Edge handles along the top (3-2), bottom (0-1), left (3-0) and right (2-1) edges.
QRect Oben(const TVierEcken& v) {
    return QRect(Pixelpunkt(L{v[3].y} + 350, 350 - L{v[3].z}),
                 Pixelgroesse(L{v[2].y} - v[3].y + 1, 2));
}
QRect Unten(const TVierEcken& v) {
    return QRect(Pixelpunkt(L{v[0].y} + 350, 349 - L{v[0].z}),
                 Pixelgroesse(L{v[1].y} - v[0].y + 1, 2));
}
QRect Links(const TVierEcken& v) {
    return QRect(Pixelpunkt(L{v[3].y} + 350, 350 - L{v[3].z}),
                 Pixelgroesse(2, L{v[3].z} - v[0].z + 1));
}
QRect Rechts(const TVierEcken& v) {
    return QRect(Pixelpunkt(L{v[2].y} + 349, 350 - L{v[2].z}),
                 Pixelgroesse(2, L{v[2].z} - v[1].z + 1));
}

// A wall projection is seen edge-on: a vertical line and a point at each end.
void MauerMarker(const TVierEcken& v, QRect& seite, QRect& oben, QRect& unten) {
    seite = QRect(Pixelpunkt(L{v[0].y} + 350, 350 - L{v[0].z}),
                  Pixelgroesse(2, L{v[0].z} - v[3].z + 1));
    oben = QRect(Pixelpunkt(L{v[0].y} + 348, 348 - L{v[0].z}), QSize(6, 6));
    unten = QRect(Pixelpunkt(L{v[0].y} + 348, 348 - L{v[3].z}), QSize(6, 6));
}

} // namespace

TFrontansicht Frontansicht_Zeichnen(const TSzene& s, const TFarbset& farben,
                                    const QImage& vorlage) {
    const TEingabedaten& e = s.Eingaben;
    const TDrehung d(e.anz_Fensterneigung, e.anz_Himmelsrichtung);
    TFrontansicht ergebnis{QImage(vorlage.size(), QImage::Format_RGB32), {}};
    TFrontMarker& m = ergebnis.Marker;
    TZeichenflaeche z(ergebnis.Bild);
    z.Kopieren(vorlage);

    const TVierEcken fenster = VierEcken(s.Fenster.Polygon, d);
    const TVierEcken ueberhang = VierEcken(s.Ueberhang.Polygon, d);
    const TVierEcken volant = VierEcken(s.Volant.Polygon, d);
    m.f_fenster_oben = Oben(fenster);
    m.f_fenster_unten = Unten(fenster);
    m.f_fenster_links = Links(fenster);
    m.f_fenster_rechts = Rechts(fenster);
    m.f_ueberh_oben = Oben(ueberhang);
    m.f_ueberh_unten = Unten(ueberhang);
    m.f_ueberh_links = Links(ueberhang);
    m.f_ueberh_rechts = Rechts(ueberhang);
    m.f_volant_unten = Unten(volant);
    m.f_volant_links = Links(volant);
    m.f_volant_rechts = Rechts(volant);
    MauerMarker(VierEcken(s.MauerLinks.Polygon, d), m.f_mauerlinks_seite, m.f_mauerlinks_oben,
                m.f_mauerlinks_unten);
    MauerMarker(VierEcken(s.MauerRechts.Polygon, d), m.f_mauerrechts_seite, m.f_mauerrechts_oben,
                m.f_mauerrechts_unten);

    z.Farbe(farben.Fensterfarbe);
    z.Rechteck(m.f_fenster_oben.left(), m.f_fenster_oben.top(), m.f_fenster_rechts.left(),
               m.f_fenster_unten.top());

    if (s.IstNacht || s.IstSonneNichtSichtbar) {
        z.Farbe(s.IstNacht ? FarbeNacht : FarbeSonneNichtSichtbar);
        z.Rechteck(-1, -1, z.Breite() + 2, z.Hoehe() + 2);
    } else {
        Schattenflaechen_Zeichnen(z, s, d, &TVerschattendesElement::SchattenWandebene,
                                  &TVerschattendesElement::SchattenFenster, [](const TIntPunkt& f) {
                                      return Pixelpunkt(L{f.y} + 350, 350 - L{f.z});
                                  });
    }

    if (e.CheckBox_Ueberhang) {
        m.f_volant_unten_sichtbar = e.anz_Fensterneigung != 0 && e.CheckBox_Volant;
        z.Stift(farben.Markisenfarbe, TStiftstil::Unsichtbar);
        z.Pinsel(farben.Markisenfarbe, TPinselstil::RueckDiagonal);
        z.Rechteck(m.f_ueberh_links.left(), m.f_ueberh_oben.top(), m.f_ueberh_rechts.left(),
                   m.f_ueberh_unten.top());
        z.Pinselstil(TPinselstil::Senkrecht);
        z.Rechteck(m.f_volant_links.left(), m.f_ueberh_unten.top(), m.f_volant_rechts.left(),
                   m.f_volant_unten.top());
        z.Stiftstil(TStiftstil::Durchgezogen);
        z.Pinselstil(TPinselstil::Voll);
    }
    return ergebnis;
}

} // namespace umbrarix
