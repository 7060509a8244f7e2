#include "views/Ansicht3D.h"

#include "model/Runden.h"
#include "views/Pixelpunkt.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace umbrarix {

namespace {

constexpr double Massstab = 0.8; // px per cm

void nEckZeichnen(TZeichenflaeche& z, const T3DProjektion& pr, const TPolygon& p, TFarbe farbe) {
    std::vector<QPoint> punkte;
    for (int k = 0; k < p.GueltigeAnzahl(); ++k) {
        punkte.push_back(pr.Pixel(p[k]));
    }
    z.Farbe(farbe);
    z.Polygon(punkte);
}

} // namespace

bool T3DBlick::SetzeTeta(int wert) {
    const int neu = std::clamp(wert, Minimum, Maximum);
    const bool geaendert = neu != teta_;
    teta_ = neu;
    return geaendert;
}

bool T3DBlick::SetzePhi(int wert) {
    const int neu = std::clamp(wert, Minimum, Maximum);
    const bool geaendert = neu != phi_;
    phi_ = neu;
    return geaendert;
}

int T3DBlick::Ziehen(int dx, int dy) {
    const bool phi = SetzePhi(phi_ - dx);
    const bool teta = SetzeTeta(teta_ - dy);
    return (phi ? 1 : 0) + (teta ? 1 : 0);
}

// Turning the facade (h) turns the view with it: the facade keeps its place on screen.
T3DProjektion::T3DProjektion(const T3DBlick& blick, double h) {
    const double pi = std::numbers::pi;
    const double theta = pi * blick.Teta() / 180;
    const double phi = pi * (-blick.Phi() - h) / 180;
    const double zeilen[3][3] = {
        {std::cos(theta) * std::cos(phi), -std::cos(theta) * std::sin(phi), -std::sin(theta)},
        {std::sin(phi), std::cos(phi), 0},
        {std::sin(theta) * std::cos(phi), -std::sin(theta) * std::sin(phi), std::cos(theta)}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m_[i][j] = zeilen[i][j];
        }
    }
}

QPoint T3DProjektion::Pixel(const TPunkt& p) const {
    const TPunkt q = MatrixMalVektor(m_, p);
    const double q1 = Runden(q.y), q2 = Runden(q.z);
    return QPoint(RundenGanz(350 + Massstab * q1), RundenGanz(300 - Massstab * q2));
}

QImage Ansicht3D_Zeichnen(const TSzene& s, const TFarbset& f, const T3DBlick& blick) {
    const TEingabedaten& e = s.Eingaben;
    const double h = e.anz_Himmelsrichtung;
    const T3DProjektion pr(blick, h);
    QImage bild(AnsichtBreite, AnsichtHoehe, QImage::Format_RGB32);
    TZeichenflaeche z(bild);

    TFarbe hintergrund = FarbeWeiss;
    if (s.IstSonneNichtSichtbar) {
        hintergrund = FarbeSonneNichtSichtbar;
    }
    if (s.IstNacht) {
        hintergrund = FarbeNacht;
    }
    z.Farbe(hintergrund);
    z.Rechteck(-1, -1, z.Breite() + 2, z.Hoehe() + 2);

    const bool schatten = !s.IstNacht && !s.IstSonneNichtSichtbar;
    const TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks,
                                              &s.MauerRechts};
    const bool an[] = {e.CheckBox_Ueberhang, e.CheckBox_Ueberhang, e.CheckBox_MauerLinks,
                       e.CheckBox_MauerRechts};
    const auto schattenZeichnen = [&](TPolygon TVerschattendesElement::*feld, TFarbe farbe) {
        for (int i = 0; i < 4 && schatten; ++i) {
            if (an[i]) {
                nEckZeichnen(z, pr, werfer[i]->*feld, farbe);
            }
        }
    };
    const auto bodenschicht = [&] {
        nEckZeichnen(z, pr, s.Boden.Polygon, f.Bodenfarbe);
        nEckZeichnen(z, pr, s.Terrasse.Polygon, f.Terrassenfarbe);
        schattenZeichnen(&TVerschattendesElement::SchattenBoden, FarbeSchattenEbene);
        schattenZeichnen(&TVerschattendesElement::SchattenTerrasse, FarbeSchattenElement);
    };
    const auto wandschicht = [&] {
        nEckZeichnen(z, pr, s.Wand.Polygon, f.Wandfarbe);
        nEckZeichnen(z, pr, s.Fenster.Polygon, f.Fensterfarbe);
        schattenZeichnen(&TVerschattendesElement::SchattenWand, FarbeSchattenEbene);
        schattenZeichnen(&TVerschattendesElement::SchattenFenster, FarbeSchattenElement);
    };
    const auto elementschicht = [&] {
        const auto element = [&](const TVerschattendesElement& el, bool sichtbar, TFarbe farbe) {
            if (sichtbar) {
                nEckZeichnen(z, pr, el.Polygon, farbe);
            }
        };
        // The projection nearer to the viewer is drawn last.
        if (blick.Phi() <= 0) {
            element(s.MauerRechts, e.CheckBox_MauerRechts, f.Mauerfarbe);
            element(s.Ueberhang, e.CheckBox_Ueberhang, f.Markisenfarbe);
            element(s.Volant, e.CheckBox_Ueberhang, f.Markisenfarbe);
            element(s.MauerLinks, e.CheckBox_MauerLinks, f.Mauerfarbe);
        } else {
            element(s.MauerLinks, e.CheckBox_MauerLinks, f.Mauerfarbe);
            element(s.Ueberhang, e.CheckBox_Ueberhang, f.Markisenfarbe);
            element(s.Volant, e.CheckBox_Ueberhang, f.Markisenfarbe);
            element(s.MauerRechts, e.CheckBox_MauerRechts, f.Mauerfarbe);
        }
    };
    // Seen from above the ground lies behind everything; level or from below, in front.
    if (blick.Teta() < 0) {
        bodenschicht();
        wandschicht();
        elementschicht();
    } else {
        wandschicht();
        elementschicht();
        bodenschicht();
    }

    // North arrow on the ground, 300 cm in front of the facade and 300 cm to its left.
    const double pi = std::numbers::pi;
    const double c = std::cos(pi * h / 180), sn = std::sin(pi * h / 180);
    const TPunkt A{300 * (c + sn), 300 * (sn - c), 0};
    const auto ecke = [&](double dx, double dy) { return pr.Pixel(TPunkt{A.x + dx, A.y + dy, 0}); };
    z.Stift(FarbeSchwarz);
    const QPoint schwanz = ecke(20, 0), spitze = ecke(-20, 0);
    const QPoint links = ecke(-10, 10), rechts = ecke(-10, -10);
    z.BewegeZu(schwanz.x(), schwanz.y());
    z.LinieZu(spitze.x(), spitze.y());
    z.LinieZu(links.x(), links.y());
    z.BewegeZu(spitze.x(), spitze.y());
    z.LinieZu(rechts.x(), rechts.y());
    return bild;
}

} // namespace umbrarix
