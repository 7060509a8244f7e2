#include "model/MasseZurueckgewinnen.h"

#include "model/Geometrie.h"
#include "model/Runden.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

// A centre offset can be half a centimetre after a drag; the fields hold whole numbers.
double Mitte(std::int32_t a, std::int32_t b) {
    return Runden((static_cast<double>(a) + static_cast<double>(b)) / 2);
}

double D(std::int32_t v) {
    return static_cast<double>(v);
}

// Slope of the overhang below the horizontal from its front (0) and back (3) corner, degrees.
double Ueberhangneigung(const TIntPunkt& p0, const TIntPunkt& p3) {
    if (p0.z == p3.z) {
        return 0;
    }
    const double w = 90 - std::fabs(std::atan((D(p0.x) - D(p3.x)) / (D(p0.z) - D(p3.z)))) * 180 /
                              std::numbers::pi;
    return Runden(p0.z < p3.z ? w : -w);
}

} // namespace

double Durchgangshoehe_berechnen(const TSzene& s) {
    return TDrehung(90, s.Eingaben.anz_Himmelsrichtung).InFassade(s.Volant.Polygon[0]).z;
}

void Daten_anzeigen_Masse(TSzene& s) {
    TEingabedaten& e = s.Eingaben;
    s.Wandneigung = e.anz_Fensterneigung;
    const double h = e.anz_Himmelsrichtung;
    const TDrehung wand(s.Wandneigung, h);
    const TDrehung senkrecht(90, h);
    const TDrehung liegend(180, h);

    {
        const TIntPunkt p0 = wand.InFassade(s.Fenster.Polygon[0]);
        const TIntPunkt p2 = wand.InFassade(s.Fenster.Polygon[2]);
        e.anz_Fensterabstand_Boden = p0.z;
        e.anz_Fensterhoehe = D(p2.z) - D(p0.z);
        e.anz_Fensterbreite = D(p2.y) - D(p0.y);
        e.anz_FensterZentrierung = Mitte(p0.y, p2.y);
    }
    {
        const TIntPunkt p0 = liegend.InFassade(s.Terrasse.Polygon[0]);
        const TIntPunkt p2 = liegend.InFassade(s.Terrasse.Polygon[2]);
        e.anz_terrassenabstand = p0.z;
        e.anz_terrassenlaenge = D(p2.z) - D(p0.z);
        e.anz_terrassenbreite = D(p2.y) - D(p0.y);
        e.anz_terrassenzentrierung = Mitte(p0.y, p2.y);
    }
    {
        const TIntPunkt p0 = wand.InFassade(s.Ueberhang.Polygon[0]);
        const TIntPunkt p2 = wand.InFassade(s.Ueberhang.Polygon[2]);
        const TIntPunkt p3 = wand.InFassade(s.Ueberhang.Polygon[3]);
        e.anz_VordachHoehe = p2.z;
        // The back edge's distance from the facade: dragging it out must not be forgotten
        // at the next rebuild from the fields.
        e.anz_Abstand_Wand = p3.x;
        e.anz_Vordachbreite = D(p2.y) - D(p3.y);
        e.anz_Vordachzentrierung = Mitte(p2.y, p3.y);
        const double dx = D(p3.x) - D(p0.x), dz = D(p3.z) - D(p0.z);
        e.anz_Vordachlaenge = Runden(std::sqrt(dx * dx + dz * dz));
        e.anz_Vordach_Neigung = Ueberhangneigung(p0, p3);
    }
    {
        const TIntPunkt p0 = senkrecht.InFassade(s.Volant.Polygon[0]);
        const TIntPunkt p3 = senkrecht.InFassade(s.Volant.Polygon[3]);
        e.anz_VolantHoehe = D(p3.z) - D(p0.z);
        e.anz_Durchgangshoehe = p0.z;
    }
    {
        const TIntPunkt p0 = wand.InFassade(s.MauerLinks.Polygon[0]);
        const TIntPunkt p1 = wand.InFassade(s.MauerLinks.Polygon[1]);
        const TIntPunkt p3 = wand.InFassade(s.MauerLinks.Polygon[3]);
        e.anz_ml_bodenabstand = p3.z;
        e.anz_ml_hoehe = D(p0.z) - D(p3.z);
        e.anz_ml_AbstandFenstermitte = -D(p0.y);
        e.anz_ml_wandabstand = p0.x;
        e.anz_ml_ausfall = D(p1.x) - D(p0.x);
    }
    {
        const TIntPunkt p0 = wand.InFassade(s.MauerRechts.Polygon[0]);
        const TIntPunkt p1 = wand.InFassade(s.MauerRechts.Polygon[1]);
        const TIntPunkt p3 = wand.InFassade(s.MauerRechts.Polygon[3]);
        e.anz_mr_bodenabstand = p3.z;
        e.anz_mr_hoehe = D(p0.z) - D(p3.z);
        e.anz_mr_abstandFenstermitte = p0.y;
        e.anz_mr_wandabstand = p0.x;
        e.anz_mr_Ausfall = D(p1.x) - D(p0.x);
    }
}

} // namespace umbrarix
