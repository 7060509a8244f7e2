#include "model/ElementeAufbauen.h"

#include "model/Geometrie.h"
#include "model/Runden.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

TIntPunkt Ecke(double x, double y, double z) {
    return {RundenGanz(x), RundenGanz(y), RundenGanz(z)};
}

void Setzen(TPolygon& p, const TDrehung& d, const TIntPunkt (&ecken)[4]) {
    p.Anzahl = 0;
    for (const TIntPunkt& e : ecken) {
        p.Anhaengen(d.InWelt(e));
    }
}

// Wall fin in the plane y = ym: upper inner, upper outer, lower outer, lower inner.
void MauerSetzen(TPolygon& p, const TDrehung& d, double w, double aus, double ym, double hoehe,
                 double unten) {
    Setzen(p, d,
           {Ecke(w, ym, hoehe + unten), Ecke(w + aus, ym, hoehe + unten), Ecke(w + aus, ym, unten),
            Ecke(w, ym, unten)});
}

// Rectangle in the facade plane: lower left, lower right, upper right, upper left.
void RechteckSetzen(TPolygon& p, const TDrehung& d, double breite, double mitte, double unten,
                    double hoehe) {
    Setzen(p, d,
           {Ecke(0, mitte - breite / 2, unten), Ecke(0, mitte + breite / 2, unten),
            Ecke(0, mitte + breite / 2, unten + hoehe),
            Ecke(0, mitte - breite / 2, unten + hoehe)});
}

} // namespace

double Laengenkorrektur_berechnen(double zeitzone, double laengengrad) {
    return (zeitzone * 15 + laengengrad) * 24 / 360;
}

TSzene SzeneAusEingaben(const TEingabedaten& eingaben) {
    TSzene s;
    s.Eingaben = eingaben;
    Daten_auslesen_Geometrie(s);
    return s;
}

bool Daten_auslesen_Geometrie(TSzene& s) {
    TEingabedaten& e = s.Eingaben;
    s.Wandneigung = e.anz_Fensterneigung;
    const double h = e.anz_Himmelsrichtung;
    const TDrehung wand(s.Wandneigung, h);
    const TDrehung senkrecht(90, h);
    const TDrehung liegend(180, h);

    // Overhang: front left, front right, back right, back left.
    {
        const double B = e.anz_Vordachbreite, C = e.anz_Vordachzentrierung;
        const double A = e.anz_Abstand_Wand, L = e.anz_Vordachlaenge, H = e.anz_VordachHoehe;
        const double alpha = e.anz_Vordach_Neigung * std::numbers::pi / 180.0;
        const double xv = A + L * std::cos(alpha), zv = H - L * std::sin(alpha);
        Setzen(s.Ueberhang.Polygon, wand,
               {Ecke(xv, C - B / 2, zv), Ecke(xv, C + B / 2, zv), Ecke(A, C + B / 2, H),
                Ecke(A, C - B / 2, H)});
    }

    // Valance: hangs vertically from the overhang's front edge.
    const double V = e.anz_VolantHoehe;
    bool volantEingeschaltet = false;
    if (V > 0 && !e.CheckBox_Volant) {
        e.CheckBox_Volant = true;
        volantEingeschaltet = true;
    }
    {
        const TIntPunkt f0 = senkrecht.InFassade(s.Ueberhang.Polygon[0]);
        const TIntPunkt f1 = senkrecht.InFassade(s.Ueberhang.Polygon[1]);
        Setzen(s.Volant.Polygon, senkrecht,
               {Ecke(f0.x, f0.y, f0.z - V), Ecke(f1.x, f1.y, f1.z - V), f1, f0});
    }

    RechteckSetzen(s.Fenster.Polygon, wand, e.anz_Fensterbreite, e.anz_FensterZentrierung,
                   e.anz_Fensterabstand_Boden, e.anz_Fensterhoehe);
    RechteckSetzen(s.Wand.Polygon, wand, 700, 0, 0, 350);
    RechteckSetzen(s.Terrasse.Polygon, liegend, e.anz_terrassenbreite, e.anz_terrassenzentrierung,
                   e.anz_terrassenabstand, e.anz_terrassenlaenge);
    RechteckSetzen(s.Boden.Polygon, liegend, 700, 0, 0, 350);

    MauerSetzen(s.MauerLinks.Polygon, wand, e.anz_ml_wandabstand, e.anz_ml_ausfall,
                -e.anz_ml_AbstandFenstermitte, e.anz_ml_hoehe, e.anz_ml_bodenabstand);
    MauerSetzen(s.MauerRechts.Polygon, wand, e.anz_mr_wandabstand, e.anz_mr_Ausfall,
                e.anz_mr_abstandFenstermitte, e.anz_mr_hoehe, e.anz_mr_bodenabstand);

    s.Laengenkorrektur = Laengenkorrektur_berechnen(e.anz_Zeitzone, e.anz_Laengengrad);
    return volantEingeschaltet;
}

} // namespace umbrarix
