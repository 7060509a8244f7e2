#include "model/Ziehen.h"

#include "model/Geometrie.h"
#include "model/Runden.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

constexpr double pi = std::numbers::pi;

using TEcken = TVierEcken;

void InWelt(TPolygon& p, const TDrehung& d, const TEcken& e) {
    p.Anzahl = 0;
    for (const TIntPunkt& k : e) {
        p.Anhaengen(d.InWelt(k));
    }
}

// Limits in the order the handle tables give them.
int Hoechstens(int v, int grenze) {
    return std::min(v, grenze);
}
int Mindestens(int v, int grenze) {
    return std::max(v, grenze);
}

// Valance hanging from the overhang's front edge with height v, as the elements are built.
void VolantNeuAufbauen(TSzene& s, int v) {
    const TDrehung senkrecht(90, s.Eingaben.anz_Himmelsrichtung);
    const TIntPunkt f0 = senkrecht.InFassade(s.Ueberhang.Polygon[0]);
    const TIntPunkt f1 = senkrecht.InFassade(s.Ueberhang.Polygon[1]);
    InWelt(s.Volant.Polygon, senkrecht,
           {TIntPunkt{f0.x, f0.y, f0.z - v}, TIntPunkt{f1.x, f1.y, f1.z - v}, f1, f0});
}

// Valance height as the z difference of its corners 3 and 0 in the vertical frame.
int Volanthoehe(const TSzene& s) {
    const TDrehung senkrecht(90, s.Eingaben.anz_Himmelsrichtung);
    return senkrecht.InFassade(s.Volant.Polygon[3]).z - senkrecht.InFassade(s.Volant.Polygon[0]).z;
}

void Frontansicht(TSzene& s, TGriff g, int dx, int dy) {
    const double a = s.Eingaben.anz_Fensterneigung;
    const TDrehung wand(a, s.Eingaben.anz_Himmelsrichtung);
    switch (g) {
    case TGriff::f_fenster_oben:
    case TGriff::f_fenster_unten:
    case TGriff::f_fenster_links:
    case TGriff::f_fenster_rechts: {
        TEcken f = VierEcken(s.Fenster.Polygon, wand);
        int unten = f[0].z, oben = f[2].z, links = f[0].y, rechts = f[2].y;
        if (g == TGriff::f_fenster_oben) {
            oben = Mindestens(Hoechstens(oben - dy, 350), unten + 15);
        } else if (g == TGriff::f_fenster_unten) {
            unten = Hoechstens(Mindestens(unten - dy, 0), oben - 15);
        } else if (g == TGriff::f_fenster_links) {
            links = Hoechstens(Mindestens(links + dx, -350), rechts - 15);
        } else {
            rechts = Mindestens(Hoechstens(rechts + dx, 350), links + 15);
        }
        f = {TIntPunkt{f[0].x, links, unten}, TIntPunkt{f[1].x, rechts, unten},
             TIntPunkt{f[2].x, rechts, oben}, TIntPunkt{f[3].x, links, oben}};
        InWelt(s.Fenster.Polygon, wand, f);
        return;
    }
    case TGriff::f_ueberh_oben:
    case TGriff::f_ueberh_unten:
    case TGriff::f_ueberh_links:
    case TGriff::f_ueberh_rechts:
    case TGriff::f_volant_links:
    case TGriff::f_volant_rechts:
    case TGriff::f_volant_unten: {
        int v = Volanthoehe(s);
        TEcken u = VierEcken(s.Ueberhang.Polygon, wand);
        int vorn = u[0].z, hinten = u[2].z, links = u[0].y, rechts = u[1].y;
        switch (g) {
        case TGriff::f_ueberh_oben:
            hinten = Mindestens(Hoechstens(hinten - dy, 350), vorn);
            break;
        case TGriff::f_ueberh_unten:
            vorn = Hoechstens(Mindestens(vorn - dy, 0), hinten);
            break;
        case TGriff::f_ueberh_links:
        case TGriff::f_volant_links:
            links = Hoechstens(Mindestens(links + dx, -350), rechts - 15);
            break;
        case TGriff::f_ueberh_rechts:
        case TGriff::f_volant_rechts:
            rechts = Mindestens(Hoechstens(rechts + dx, 350), links + 15);
            break;
        default: // f_volant_unten: the drag on the tilted view becomes a vertical height
            if (a != 0) {
                v = Hoechstens(Mindestens(v + RundenGanz(dy / std::sin(a * pi / 180)), 0), 200);
            }
            break;
        }
        u = {TIntPunkt{u[0].x, links, vorn}, TIntPunkt{u[0].x, rechts, vorn},
             TIntPunkt{u[2].x, rechts, hinten}, TIntPunkt{u[2].x, links, hinten}};
        InWelt(s.Ueberhang.Polygon, wand, u);
        VolantNeuAufbauen(s, v);
        return;
    }
    default: {
        const bool linksseitig = g == TGriff::f_mauerlinks_oben ||
                                 g == TGriff::f_mauerlinks_unten || g == TGriff::f_mauerlinks_seite;
        TPolygon& p = linksseitig ? s.MauerLinks.Polygon : s.MauerRechts.Polygon;
        TEcken m = VierEcken(p, wand);
        int oben = m[0].z, unten = m[3].z, y = m[0].y;
        if (g == TGriff::f_mauerlinks_oben || g == TGriff::f_mauerrechts_oben) {
            oben = Mindestens(Hoechstens(oben - dy, 350), unten + 15);
        } else if (g == TGriff::f_mauerlinks_unten || g == TGriff::f_mauerrechts_unten) {
            unten = Hoechstens(Mindestens(unten - dy, 0), oben - 15);
        } else if (linksseitig) {
            y = Hoechstens(Mindestens(y + dx, -350), 100);
        } else {
            y = Hoechstens(Mindestens(y + dx, -100), 350);
        }
        m = {TIntPunkt{m[0].x, y, oben}, TIntPunkt{m[1].x, y, oben}, TIntPunkt{m[1].x, y, unten},
             TIntPunkt{m[0].x, y, unten}};
        InWelt(p, wand, m);
        return;
    }
    }
}

void Seitenansicht(TSzene& s, TGriff g, int dx, int dy) {
    const double a = s.Eingaben.anz_Fensterneigung;
    const double theta = (90 - a) * pi / 180;
    const double ct = std::cos(theta), st = std::sin(theta);
    const TDrehung senkrecht(90, s.Eingaben.anz_Himmelsrichtung);
    TEcken u = VierEcken(s.Ueberhang.Polygon, senkrecht);
    TIntPunkt F = u[0], K = u[3];
    int v = F.z - senkrecht.InFassade(s.Volant.Polygon[0]).z;
    // Wall-aligned coordinates: p out of the tilted wall, q up along it.
    const auto p = [&](const TIntPunkt& P) { return P.x * ct + P.z * st; };
    const auto q = [&](const TIntPunkt& P) { return -P.x * st + P.z * ct; };
    const auto zurueck = [&](TIntPunkt& P, double pp, double qq) {
        P.x = RundenGanz(pp * ct - qq * st);
        P.z = RundenGanz(pp * st + qq * ct);
    };
    if (g == TGriff::s_ueberh_aussen) {
        F.x -= dx;
        F.z -= dy;
        double pF = p(F), qF = q(F);
        const double pK = p(K), qK = q(K);
        qF = std::min(qF, qK);
        qF = std::max(qF, 0.0);
        pF = std::max(pF, pK);
        pF = std::min(pF, 350.0);
        zurueck(F, pF, qF);
    } else if (g == TGriff::s_ueberh_innen) {
        K.x -= dx;
        K.z -= dy;
        double pK = p(K), qK = q(K);
        const double pF = p(F), qF = q(F);
        qK = std::max(qK, qF);
        qK = std::min(qK, 350.0);
        pK = std::min(pK, pF);
        pK = std::max(pK, 0.0);
        zurueck(K, pK, qK);
    } else {
        v = Hoechstens(Mindestens(v + dy, 0), 200);
    }
    u = {TIntPunkt{F.x, u[0].y, F.z}, TIntPunkt{F.x, u[1].y, F.z}, TIntPunkt{K.x, u[2].y, K.z},
         TIntPunkt{K.x, u[3].y, K.z}};
    InWelt(s.Ueberhang.Polygon, senkrecht, u);
    VolantNeuAufbauen(s, v);
}

void Draufsicht(TSzene& s, TGriff g, int dx, int dy) {
    const TDrehung boden(180, s.Eingaben.anz_Himmelsrichtung);
    switch (g) {
    case TGriff::b_ueberh_oben:
    case TGriff::b_ueberh_unten:
    case TGriff::b_ueberh_links:
    case TGriff::b_ueberh_rechts: {
        TEcken u = VierEcken(s.Ueberhang.Polygon, boden);
        int vorn = u[0].z, hinten = u[2].z, links = u[0].y, rechts = u[1].y;
        if (g == TGriff::b_ueberh_oben) {
            hinten = Hoechstens(Mindestens(hinten + dy, 0), vorn);
        } else if (g == TGriff::b_ueberh_unten) {
            vorn = Mindestens(Hoechstens(vorn + dy, 350), hinten);
        } else if (g == TGriff::b_ueberh_links) {
            links = Hoechstens(Mindestens(links + dx, -250), rechts - 15);
        } else {
            rechts = Mindestens(Hoechstens(rechts + dx, 250), links + 15);
        }
        // Heights (x of this frame) stay with their corners.
        u = {TIntPunkt{u[0].x, links, vorn}, TIntPunkt{u[1].x, rechts, vorn},
             TIntPunkt{u[2].x, rechts, hinten}, TIntPunkt{u[3].x, links, hinten}};
        InWelt(s.Ueberhang.Polygon, boden, u);
        TEcken v = VierEcken(s.Volant.Polygon, boden);
        v[0] = TIntPunkt{v[0].x, links, vorn};
        v[1] = TIntPunkt{v[1].x, rechts, vorn};
        InWelt(s.Volant.Polygon, boden, v);
        s.Volant.Polygon[2] = s.Ueberhang.Polygon[1];
        s.Volant.Polygon[3] = s.Ueberhang.Polygon[0];
        return;
    }
    case TGriff::b_terrasse_oben:
    case TGriff::b_terrasse_unten:
    case TGriff::b_terrasse_links:
    case TGriff::b_terrasse_rechts: {
        TEcken t = VierEcken(s.Terrasse.Polygon, boden);
        int nah = t[0].z, fern = t[2].z, links = t[0].y, rechts = t[1].y;
        if (g == TGriff::b_terrasse_oben) {
            nah = Hoechstens(Mindestens(nah + dy, 0), fern - 15);
        } else if (g == TGriff::b_terrasse_unten) {
            fern = Mindestens(Hoechstens(fern + dy, 350), nah + 15);
        } else if (g == TGriff::b_terrasse_links) {
            links = Hoechstens(Mindestens(links + dx, -350), rechts - 15);
        } else {
            rechts = Mindestens(Hoechstens(rechts + dx, 350), links + 15);
        }
        t = {TIntPunkt{t[0].x, links, nah}, TIntPunkt{t[1].x, rechts, nah},
             TIntPunkt{t[2].x, rechts, fern}, TIntPunkt{t[3].x, links, fern}};
        InWelt(s.Terrasse.Polygon, boden, t);
        return;
    }
    default: {
        const bool linksseitig = g == TGriff::b_mauerlinks_oben ||
                                 g == TGriff::b_mauerlinks_unten || g == TGriff::b_mauerlinks_seite;
        TPolygon& p = linksseitig ? s.MauerLinks.Polygon : s.MauerRechts.Polygon;
        TEcken m = VierEcken(p, boden);
        int innen = m[0].z, aussen = m[1].z, y = m[0].y;
        if (g == TGriff::b_mauerlinks_oben || g == TGriff::b_mauerrechts_oben) {
            innen = Hoechstens(Mindestens(innen + dy, 0), aussen - 15);
        } else if (g == TGriff::b_mauerlinks_unten || g == TGriff::b_mauerrechts_unten) {
            aussen = Mindestens(Hoechstens(aussen + dy, 350), innen + 15);
        } else if (linksseitig) {
            y = Hoechstens(Mindestens(y + dx, -350), 100);
        } else {
            y = Hoechstens(Mindestens(y + dx, -100), 350);
        }
        // Inner end: corners 0 and 3; outer end: corners 1 and 2; each keeps its height.
        m = {TIntPunkt{m[0].x, y, innen}, TIntPunkt{m[1].x, y, aussen},
             TIntPunkt{m[2].x, y, aussen}, TIntPunkt{m[3].x, y, innen}};
        InWelt(p, boden, m);
        return;
    }
    }
}

constexpr std::array<std::string_view, 34> Griffnamen{
    "f_fenster_oben",      "f_fenster_unten",    "f_fenster_links",    "f_fenster_rechts",
    "f_ueberh_oben",       "f_ueberh_unten",     "f_ueberh_links",     "f_ueberh_rechts",
    "f_volant_unten",      "f_volant_links",     "f_volant_rechts",    "f_mauerlinks_oben",
    "f_mauerlinks_unten",  "f_mauerlinks_seite", "f_mauerrechts_oben", "f_mauerrechts_unten",
    "f_mauerrechts_seite", "s_ueberh_aussen",    "s_ueberh_innen",     "s_ueberh_volant",
    "b_ueberh_oben",       "b_ueberh_unten",     "b_ueberh_links",     "b_ueberh_rechts",
    "b_terrasse_oben",     "b_terrasse_unten",   "b_terrasse_links",   "b_terrasse_rechts",
    "b_mauerlinks_oben",   "b_mauerlinks_unten", "b_mauerlinks_seite", "b_mauerrechts_oben",
    "b_mauerrechts_unten", "b_mauerrechts_seite"};

} // namespace

std::optional<TGriff> GriffMitNamen(std::string_view name) {
    for (std::size_t i = 0; i < Griffnamen.size(); ++i) {
        if (Griffnamen[i] == name) {
            return static_cast<TGriff>(i);
        }
    }
    return std::nullopt;
}

void GriffZiehen(TSzene& s, TGriff g, int dx, int dy) {
    if (g <= TGriff::f_mauerrechts_seite) {
        Frontansicht(s, g, dx, dy);
    } else if (g <= TGriff::s_ueberh_volant) {
        Seitenansicht(s, g, dx, dy);
    } else {
        Draufsicht(s, g, dx, dy);
    }
}

double Wandneigungswinkel(int dx, int dy) {
    double w;
    if (dx >= 1) {
        w = std::atan(static_cast<double>(dy) / dx) * 180 / pi;
    } else if (dx == 0) {
        w = dy >= 0 ? 90 : -90;
    } else {
        w = std::atan(static_cast<double>(dy) / dx) * 180 / pi + (dy >= 0 ? 180 : -180);
    }
    return std::clamp(w, 0.0, 120.0);
}

} // namespace umbrarix
