#include "shadow/Schattenwurf.h"

#include <cmath>

namespace umbrarix {

namespace {

TPunkt Minus(const TPunkt& a, const TPunkt& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// GeradeEbeneSchnitt with its divisor Skalarprodukt(d, n) given.
TPunkt Durchstosspunkt(const TPunkt& L0, const TPunkt& d, const TPunkt& P0, const TPunkt& n,
                       double nenner) {
    const double t = Skalarprodukt(Minus(P0, L0), n) / nenner;
    return {L0.x + t * d.x, L0.y + t * d.y, L0.z + t * d.z};
}

// Corners of a polygon as (y, z) of the plane's facade frame, rounded to whole centimetres.
int InEbene(const TPolygon& p, const TDrehung& ebene, TPunkt2D* ziel) {
    const int n = p.GueltigeAnzahl();
    for (int i = 0; i < n; ++i) {
        ziel[i] = ebene.InEbene(p[i]);
    }
    return n;
}

// Into p, refilled in place: the evaluation throws a dozen shadows per instant.
void Projizieren(const TPolygon& umriss, const TPunkt& sonne, const TPunkt& n, const TPunkt& P0,
                 TPolygon& p) {
    p.Leeren();
    // GeradeEbeneSchnitt's divisor, the same for every corner, taken once.
    const double nenner = Skalarprodukt(sonne, n);
    for (int k = 0; k < umriss.GueltigeAnzahl(); ++k) {
        const TPunkt& v = umriss[k];
        // A corner on the plane (which passes through the origin) stays where it is.
        p.Anhaengen(Skalarprodukt(v, n) == 0 ? v : Durchstosspunkt(v, sonne, P0, n, nenner));
    }
}

// The part of schatten inside the target given by its corners in the plane, into ergebnis
// (which must not be schatten).
// zielKasten: the target's box when the caller keeps it, else nullptr.
void Zuschneiden(const TPunkt2D* ziel, int zielAnzahl, const intern::TKasten* zielKasten,
                 const TPolygon& schatten, const TDrehung& ebene, TPolygon& ergebnis) {
    TEckenfeld<TPolygon::Kapazitaet> s;
    const int ns = InEbene(schatten, ebene, s.data());
    TPolygonSchnittPuffer puffer;
    const std::span<const TPunkt2D> T{ziel, static_cast<std::size_t>(zielAnzahl)};
    const std::span<const TPunkt2D> S{s.data(), static_cast<std::size_t>(ns)};
    // Both outlines are whole centimetres in the plane.
    const int n = zielAnzahl < 3          ? 0
                  : zielKasten != nullptr ? PolygonSchnitt(T, *zielKasten, S, puffer)
                                          : PolygonSchnitt(T, intern::GanzzahlKasten(T), S, puffer);
    ergebnis.Leeren();
    for (int i = 0; i < n; ++i) {
        const TPunkt2D& e = puffer.Ecken()[i];
        ergebnis.Anhaengen(ebene.InWelt(TPunkt{0, e.u, e.v}));
    }
}

} // namespace

TEmpfangsebene::TEmpfangsebene(const TDrehung& drehung, const TPolygon& flaeche,
                               const TPolygon& element)
    : Drehung(drehung), FlaecheAnzahl(InEbene(flaeche, Drehung, Flaeche.data())),
      ElementAnzahl(InEbene(element, Drehung, Element.data())) {
    if (FlaecheAnzahl >= 3) {
        FlaecheKasten =
            intern::GanzzahlKasten({Flaeche.data(), static_cast<std::size_t>(FlaecheAnzahl)});
    }
    if (ElementAnzahl >= 3) {
        ElementKasten =
            intern::GanzzahlKasten({Element.data(), static_cast<std::size_t>(ElementAnzahl)});
    }
}

void SchattenWerfen(TVerschattendesElement& e, const TPunkt& sonne, const TPunkt& n,
                    const TEmpfangsebene& ebene, TPolygon TVerschattendesElement::*projiziert,
                    TPolygon TVerschattendesElement::*aufFlaeche,
                    TPolygon TVerschattendesElement::*aufElement) {
    const TPunkt P0{0, 0, 0};
    Projizieren(e.Polygon, sonne, n, P0, e.*projiziert);
    if (aufFlaeche != nullptr) {
        Zuschneiden(ebene.Flaeche.data(), ebene.FlaecheAnzahl, &ebene.FlaecheKasten, e.*projiziert,
                    ebene.Drehung, e.*aufFlaeche);
    }
    Zuschneiden(ebene.Element.data(), ebene.ElementAnzahl, &ebene.ElementKasten, e.*projiziert,
                ebene.Drehung, e.*aufElement);
}

TPunkt GeradeEbeneSchnitt(const TPunkt& L0, const TPunkt& d, const TPunkt& P0, const TPunkt& n) {
    return Durchstosspunkt(L0, d, P0, n, Skalarprodukt(d, n));
}

double Flaeche(const TPolygon& p) {
    const int n = p.GueltigeAnzahl();
    if (n < 3) {
        return 0;
    }
    double summe = 0;
    const TPunkt& p0 = p[0];
    for (int i = 1; i <= n - 2; ++i) {
        const TPunkt a = Minus(p0, p[i]);
        const TPunkt b = Minus(p0, p[i + 1]);
        const double cx = a.y * b.z - a.z * b.y;
        const double cy = a.z * b.x - a.x * b.z;
        const double cz = a.x * b.y - a.y * b.x;
        summe += std::sqrt(cx * cx + cy * cy + cz * cz) / 2;
    }
    return summe;
}

void SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten, const TDrehung& ebene,
                         TPolygon& ergebnis) {
    TEckenfeld<TPolygon::Kapazitaet> t;
    const int nt = InEbene(ziel, ebene, t.data());
    Zuschneiden(t.data(), nt, nullptr, schatten, ebene, ergebnis);
}

TPolygon SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten,
                             const TDrehung& ebene) {
    TPolygon ergebnis;
    SchattenZuschneiden(ziel, schatten, ebene, ergebnis);
    return ergebnis;
}

TPolygon SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten, double a, double h) {
    return SchattenZuschneiden(ziel, schatten, TDrehung(a, h));
}

void ProjiziereAufWandebene(TVerschattendesElement& e, const TPunkt& sonne, const TPunkt& n,
                            const TPunkt& P0, const TSzene& szene) {
    const TDrehung wand(szene.Wandneigung, szene.Eingaben.anz_Himmelsrichtung);
    Projizieren(e.Polygon, sonne, n, P0, e.SchattenWandebene);
    e.SchattenWand = SchattenZuschneiden(szene.Wand.Polygon, e.SchattenWandebene, wand);
    e.SchattenFenster = SchattenZuschneiden(szene.Fenster.Polygon, e.SchattenWandebene, wand);
}

void ProjiziereAufBodenebene(TVerschattendesElement& e, const TPunkt& sonne, const TPunkt& n,
                             const TPunkt& P0, const TSzene& szene) {
    const TDrehung boden(180, szene.Eingaben.anz_Himmelsrichtung);
    Projizieren(e.Polygon, sonne, n, P0, e.SchattenBodenebene);
    e.SchattenBoden = SchattenZuschneiden(szene.Boden.Polygon, e.SchattenBodenebene, boden);
    e.SchattenTerrasse = SchattenZuschneiden(szene.Terrasse.Polygon, e.SchattenBodenebene, boden);
}

} // namespace umbrarix
