#include "referenz/SimulierenBisher.h"

#include "referenz/HuellenfilterWoertlich.h"

#include "model/Geometrie.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

// The code below is the evaluation as it was, copied without change apart from the names, so
// that it keeps giving the results the fast path is measured against.

namespace umbrarix::bisher {

namespace {

struct TDreieckSchnitt {
    int Anzahl = 0;
    std::array<TPunkt2D, 16> Ecken{};
};
constexpr std::size_t GrosserPool = 40;

namespace {

constexpr double pi = std::numbers::pi;

// Angle of (du, dv) with exact comparisons against zero.
double Winkel(double du, double dv) {
    if (du > 0) {
        return std::atan(dv / du);
    }
    if (du < 0) {
        return dv >= 0 ? std::atan(dv / du) + pi : std::atan(dv / du) - pi;
    }
    return dv >= 0 ? pi / 2 : -pi / 2;
}

// Orders the points by descending angle around their centroid (exchange sort, equal angles
// keep their order).
void NachWinkelOrdnen(TPunkt2D* p, double* winkel, int n) {
    if (n == 0) {
        return;
    }
    double su = 0, sv = 0;
    for (int i = 0; i < n; ++i) {
        su += p[i].u;
        sv += p[i].v;
    }
    const double gu = su / n, gv = sv / n;
    for (int i = 0; i < n; ++i) {
        winkel[i] = Winkel(p[i].u - gu, p[i].v - gv);
    }
    for (int a = 0; a < n - 1; ++a) {
        for (int b = a + 1; b < n; ++b) {
            if (winkel[a] < winkel[b]) {
                std::swap(p[a], p[b]);
                std::swap(winkel[a], winkel[b]);
            }
        }
    }
}

double Kreuz(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return (p1.u - p0.u) * (p2.v - p0.v) - (p1.v - p0.v) * (p2.u - p0.u);
}

// Twice the area of a triangle, as the degeneracy test of DreieckSchnitt writes it.
double DoppelteFlaeche(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2) {
    return std::fabs((p2.v - p0.v) * (p0.u - p1.u) - (p2.u - p0.u) * (p0.v - p1.v));
}

// Turns the corners cyclically so that the inside ones come first in their cyclic order.
void InnereNachVorn(TPunkt2D (&d)[3], const bool (&innen)[3]) {
    int start = 0;
    for (int i = 0; i < 3; ++i) {
        if (innen[i] && !innen[(i + 2) % 3]) {
            start = i;
            break;
        }
    }
    const TPunkt2D alt[3] = {d[0], d[1], d[2]};
    for (int i = 0; i < 3; ++i) {
        d[i] = alt[(start + i) % 3];
    }
}

} // namespace

bool StreckenSchnitt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3, const TPunkt2D& P4,
                     TPunkt2D& punkt) {
    const double x1 = P1.u, y1 = P1.v, x2 = P2.u, y2 = P2.v;
    const double x3 = P3.u, y3 = P3.v, x4 = P4.u, y4 = P4.v;
    const double den = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    if (den == 0) {
        punkt = P3;
        return false;
    }
    const double s = ((x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3)) / den;
    const double t = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / den;
    punkt = {x3 + t * (x4 - x3), y3 + t * (y4 - y3)};
    return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

bool PunktImDreieck(const TPunkt2D& A, const TPunkt2D& B, const TPunkt2D& C, const TPunkt2D& P) {
    const double ax = A.u, ay = A.v, bx = B.u, by = B.v, cx = C.u, cy = C.v;
    if ((bx - ax) * (cy - ay) == (by - ay) * (cx - ax)) {
        return false;
    }
    const double px = P.u, py = P.v;
    const double p = ((px - ax) * (cy - ay) - (py - ay) * (cx - ax)) /
                     ((bx - ax) * (cy - ay) - (by - ay) * (cx - ax));
    const double q = ((px - ax) * (by - ay) - (py - ay) * (bx - ax)) /
                     ((cx - ax) * (by - ay) - (cy - ay) * (bx - ax));
    return p > 0 && q > 0 && p < 1 && q < 1 && p + q < 0.9999999999999;
}

TDreieckSchnitt DreieckSchnitt(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                               TPunkt2D B2) {
    TPunkt2D A[3] = {A0, A1, A2};
    TPunkt2D B[3] = {B0, B1, B2};
    // 1. Both counter-clockwise.
    if (Kreuz(A[0], A[1], A[2]) < 0) {
        std::swap(A[1], A[2]);
    }
    if (Kreuz(B[0], B[1], B[2]) < 0) {
        std::swap(B[1], B[2]);
    }
    // 2. Corners of each triangle inside the other, moved to the front.
    bool innenB[3], innenA[3];
    int kB = 0, kA = 0;
    for (int i = 0; i < 3; ++i) {
        innenB[i] = PunktImDreieck(A[0], A[1], A[2], B[i]);
        kB += innenB[i] ? 1 : 0;
        innenA[i] = PunktImDreieck(B[0], B[1], B[2], A[i]);
        kA += innenA[i] ? 1 : 0;
    }
    InnereNachVorn(A, innenA);
    InnereNachVorn(B, innenB);
    // 3. The triangle with more inside corners becomes A.
    if (kB > kA) {
        std::swap(A, B);
        std::swap(kA, kB);
    }

    TDreieckSchnitt e;
    // 8. (decided up front, it does not depend on the corners found) Degenerate triangles
    // contribute nothing.
    if (DoppelteFlaeche(A[0], A[1], A[2]) < 1e-4 || DoppelteFlaeche(B[0], B[1], B[2]) < 1e-4) {
        return e;
    }
    // 4. Edge crossings.
    TPunkt2D treffer[9];
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            TPunkt2D p;
            if (StreckenSchnitt(A[i], A[(i + 1) % 3], B[j], B[(j + 1) % 3], p)) {
                treffer[n++] = p;
            }
        }
    }
    // 5. Later points within 1e-4 of an earlier one are dropped.
    for (int i = 0; i < n; ++i) {
        int k = i + 1;
        for (int j = i + 1; j < n; ++j) {
            if (!(std::fabs(treffer[j].u - treffer[i].u) < 1e-4 &&
                  std::fabs(treffer[j].v - treffer[i].v) < 1e-4)) {
                treffer[k++] = treffer[j];
            }
        }
        n = k;
    }
    for (int i = 0; i < n; ++i) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = treffer[i];
    }
    // 6. Inside corners.
    for (int i = 0; i < kA && i < 3; ++i) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = A[i];
    }
    if (kB == 1) {
        e.Ecken[static_cast<std::size_t>(e.Anzahl++)] = B[0];
    }
    // 7. Angle order.
    double winkel[16];
    NachWinkelOrdnen(e.Ecken.data(), winkel, e.Anzahl);
    return e;
}

std::vector<TPunkt2D> Eckenpool(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S) {
    std::vector<TPunkt2D> pool;
    const int nT = static_cast<int>(T.size()), nS = static_cast<int>(S.size());
    if (nT < 3 || nS < 3) {
        return pool;
    }
    pool.reserve(static_cast<std::size_t>(6 * (nT - 2) * (nS - 2)));
    for (int i = 1; i <= nT - 2; ++i) {
        for (int j = 1; j <= nS - 2; ++j) {
            const TDreieckSchnitt d = DreieckSchnitt(T[0], T[i], T[i + 1], S[0], S[j], S[j + 1]);
            for (int k = 0; k < d.Anzahl; ++k) {
                const TPunkt2D& p = d.Ecken[static_cast<std::size_t>(k)];
                bool schonDa = false;
                for (const TPunkt2D& q : pool) {
                    if (std::fabs(q.u - p.u) < 1e-3 && std::fabs(q.v - p.v) < 1e-3) {
                        schonDa = true;
                        break;
                    }
                }
                if (!schonDa) {
                    pool.push_back(p);
                }
            }
        }
    }
    return pool;
}

bool HuellendreieckEntartet(const TPunkt2D& a, const TPunkt2D& b, const TPunkt2D& c) {
    return DoppelteFlaeche(a, b, c) < 1e-4;
}

namespace {

// Convex hull corners of a large pool by the monotone chain, kept in pool order. The literal
// filter is of fourth order; element outlines never pool more than a few dozen corners, but
// polygons from damaged input could pool thousands and would not finish.
void GrosseHuelle(std::vector<TPunkt2D>& pool) {
    std::vector<std::size_t> index(pool.size());
    for (std::size_t i = 0; i < index.size(); ++i) {
        index[i] = i;
    }
    std::sort(index.begin(), index.end(), [&pool](std::size_t a, std::size_t b) {
        return pool[a].u < pool[b].u || (pool[a].u == pool[b].u && pool[a].v < pool[b].v);
    });
    const auto kreuz = [&pool](std::size_t o, std::size_t a, std::size_t b) {
        return Kreuz(pool[o], pool[a], pool[b]);
    };
    std::vector<std::size_t> h(2 * index.size());
    std::size_t k = 0;
    for (const std::size_t i : index) {
        while (k >= 2 && kreuz(h[k - 2], h[k - 1], i) <= 0) {
            --k;
        }
        h[k++] = i;
    }
    for (std::size_t j = index.size() - 1, t = k + 1; j > 0; --j) {
        while (k >= t && kreuz(h[k - 2], h[k - 1], index[j - 1]) <= 0) {
            --k;
        }
        h[k++] = index[j - 1];
    }
    std::vector<char> ecke(pool.size(), 0);
    for (std::size_t i = 0; i + 1 < k; ++i) {
        ecke[h[i]] = 1;
    }
    std::size_t z = 0;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        if (ecke[i]) {
            pool[z++] = pool[i];
        }
    }
    pool.resize(z);
}

} // namespace

void Huellenfilter(std::vector<TPunkt2D>& pool) {
    const std::size_t n = pool.size();
    if (n > GrosserPool) {
        GrosseHuelle(pool);
        return;
    }
    testhilfen::HuellenfilterWoertlich(pool, HuellendreieckEntartet);
}

void NachWinkelOrdnen(std::vector<TPunkt2D>& punkte) {
    std::vector<double> winkel(punkte.size());
    NachWinkelOrdnen(punkte.data(), winkel.data(), static_cast<int>(punkte.size()));
}

void GeradeEckenEntfernen(std::vector<TPunkt2D>& h) {
    std::size_t k = 0;
    while (k < h.size()) {
        const std::size_t m = h.size();
        const TPunkt2D& prev = h[(k + m - 1) % m];
        const TPunkt2D& cur = h[k];
        const TPunkt2D& next = h[(k + 1) % m];
        if (std::fabs((next.v - prev.v) * (prev.u - cur.u) - (next.u - prev.u) * (prev.v - cur.v)) <
            1e-4) {
            h.erase(h.begin() + static_cast<std::ptrdiff_t>(k));
        } else {
            ++k;
        }
    }
}

} // namespace

std::vector<TPunkt2D> PolygonSchnitt_Bisher(std::span<const TPunkt2D> T,
                                            std::span<const TPunkt2D> S) {
    std::vector<TPunkt2D> punkte = Eckenpool(T, S);
    Huellenfilter(punkte);
    NachWinkelOrdnen(punkte);
    GeradeEckenEntfernen(punkte);
    return punkte;
}

namespace {

TPunkt Minus(const TPunkt& a, const TPunkt& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// Corners of a polygon as (y, z) of the plane's facade frame, rounded to whole centimetres.
int InEbene(const TPolygon& p, const TDrehung& ebene, TPunkt2D* ziel) {
    const int n = p.GueltigeAnzahl();
    for (int i = 0; i < n; ++i) {
        const TIntPunkt f = ebene.InFassade(p[i]);
        ziel[i] = {static_cast<double>(f.y), static_cast<double>(f.z)};
    }
    return n;
}

TPunkt GeradeEbeneSchnitt(const TPunkt& L0, const TPunkt& d, const TPunkt& P0, const TPunkt& n) {
    const double t = Skalarprodukt(Minus(P0, L0), n) / Skalarprodukt(d, n);
    return {L0.x + t * d.x, L0.y + t * d.y, L0.z + t * d.z};
}

TPolygon Projizieren(const TPolygon& umriss, const TPunkt& sonne, const TPunkt& n,
                     const TPunkt& P0) {
    TPolygon p;
    for (int k = 0; k < umriss.GueltigeAnzahl(); ++k) {
        const TPunkt& v = umriss[k];
        // A corner on the plane (which passes through the origin) stays where it is.
        p.Anhaengen(Skalarprodukt(v, n) == 0 ? v : GeradeEbeneSchnitt(v, sonne, P0, n));
    }
    return p;
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

TPolygon SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten,
                             const TDrehung& ebene) {
    TPunkt2D t[TPolygon::Kapazitaet], s[TPolygon::Kapazitaet];
    const int nt = InEbene(ziel, ebene, t);
    const int ns = InEbene(schatten, ebene, s);
    TPolygon ergebnis;
    for (const TPunkt2D& e : PolygonSchnitt_Bisher({t, static_cast<std::size_t>(nt)},
                                                   {s, static_cast<std::size_t>(ns)})) {
        ergebnis.Anhaengen(ebene.InWelt(TPunkt{0, e.u, e.v}));
    }
    return ergebnis;
}

void ProjiziereAufWandebene(TVerschattendesElement& e, const TPunkt& sonne, const TPunkt& n,
                            const TPunkt& P0, const TSzene& szene) {
    const TDrehung wand(szene.Wandneigung, szene.Eingaben.anz_Himmelsrichtung);
    e.SchattenWandebene = Projizieren(e.Polygon, sonne, n, P0);
    e.SchattenWand = SchattenZuschneiden(szene.Wand.Polygon, e.SchattenWandebene, wand);
    e.SchattenFenster = SchattenZuschneiden(szene.Fenster.Polygon, e.SchattenWandebene, wand);
}

void ProjiziereAufBodenebene(TVerschattendesElement& e, const TPunkt& sonne, const TPunkt& n,
                             const TPunkt& P0, const TSzene& szene) {
    const TDrehung boden(180, szene.Eingaben.anz_Himmelsrichtung);
    e.SchattenBodenebene = Projizieren(e.Polygon, sonne, n, P0);
    e.SchattenBoden = SchattenZuschneiden(szene.Boden.Polygon, e.SchattenBodenebene, boden);
    e.SchattenTerrasse = SchattenZuschneiden(szene.Terrasse.Polygon, e.SchattenBodenebene, boden);
}

} // namespace

void Verschattungsanteil_berechnen_Bisher(TSzene& s, TVerschattetesElement& E, double a);

TPunkt Simulieren_Bisher(TSzene& s, int N, double t) {
    const TEingabedaten& e = s.Eingaben;
    const TPunkt sonne = Sonnenvektor(N, t, e.anz_Breitengrad);
    // Written as "not above" so that a vector without a valid height also counts as night.
    s.IstNacht = sonne.x == -1 || !(sonne.z > 0);
    const TPunkt n = InWeltDrehen(TPunkt{1, 0, 0}, s.Wandneigung, e.anz_Himmelsrichtung);
    s.IstSonneNichtSichtbar = Skalarprodukt(n, sonne) <= 0;

    if (!s.IstNacht && !s.IstSonneNichtSichtbar) {
        const TPunkt ursprung{0, 0, 0};
        TVerschattendesElement* werfer[] = {&s.Ueberhang, &s.Volant, &s.MauerLinks, &s.MauerRechts};
        for (TVerschattendesElement* w : werfer) {
            ProjiziereAufWandebene(*w, sonne, n, ursprung, s);
        }
        for (TVerschattendesElement* w : werfer) {
            ProjiziereAufBodenebene(*w, sonne, TPunkt{0, 0, 1}, ursprung, s);
        }
    }
    Verschattungsanteil_berechnen_Bisher(s, s.Fenster, s.Wandneigung);
    Verschattungsanteil_berechnen_Bisher(s, s.Terrasse, 0);
    return sonne;
}

void Verschattungsanteil_berechnen_Bisher(TSzene& s, TVerschattetesElement& E, double a) {
    double anteil = 0;
    const double A = Flaeche(E.Polygon);
    if (s.IstNacht) {
        E.Verschattungsanteil = AnteilNacht;
        return;
    }
    if (s.IstSonneNichtSichtbar) {
        E.Verschattungsanteil = AnteilSonneNichtSichtbar;
        return;
    }
    const bool fenster = &E == &s.Fenster;
    const auto schatten = [fenster](const TVerschattendesElement& w) -> const TPolygon& {
        return fenster ? w.SchattenFenster : w.SchattenTerrasse;
    };
    const TPolygon& O = schatten(s.Ueberhang);
    const TPolygon& V = schatten(s.Volant);
    const TPolygon& L = schatten(s.MauerLinks);
    const TPolygon& R = schatten(s.MauerRechts);
    const TEingabedaten& e = s.Eingaben;
    const bool u = e.CheckBox_Ueberhang, v = e.CheckBox_Volant;
    const bool l = e.CheckBox_MauerLinks, r = e.CheckBox_MauerRechts;
    // An element without area has nothing to shade (and must not divide by zero).
    const auto F = [A](const TPolygon& X) { return A > 0 ? Flaeche(X) / A : 0.0; };
    const TDrehung ebene(a, e.anz_Himmelsrichtung);
    const auto schnitt = [&ebene](const TPolygon& x, const TPolygon& y) {
        return SchattenZuschneiden(x, y, ebene);
    };

    if (u) {
        // The valance counts with the overhang's switch: switched off, its height is 0.
        anteil += F(O) + F(V);
    }
    if (l) {
        anteil += F(L);
    }
    if (r) {
        anteil += F(R);
    }
    TPolygon OL, VL, LR;
    if (u && l && O.Anzahl > 0 && L.Anzahl > 0) {
        OL = schnitt(O, L);
        anteil -= F(OL);
    }
    if (v && l && V.Anzahl > 0 && L.Anzahl > 0) {
        VL = schnitt(V, L);
        anteil -= F(VL);
    }
    if (u && r && O.Anzahl > 0 && R.Anzahl > 0) {
        anteil -= F(schnitt(O, R));
    }
    if (v && r && V.Anzahl > 0 && R.Anzahl > 0) {
        anteil -= F(schnitt(V, R));
    }
    if (l && r && L.Anzahl > 0 && R.Anzahl > 0) {
        LR = schnitt(L, R);
        anteil -= F(LR);
    }
    if (u && l && r && OL.Anzahl > 0 && LR.Anzahl > 0) {
        anteil += F(schnitt(OL, LR));
    }
    if (v && l && r && VL.Anzahl > 0 && LR.Anzahl > 0) {
        anteil += F(schnitt(VL, LR));
    }
    // On a tilted wall the shadows of overhang and valance can overlap with area; on a vertical
    // one they only touch and OV has no corners, so these terms leave such results unchanged.
    // Each intersection re-rounds to whole centimetres: keep this grouping.
    if (u && v && O.Anzahl > 0 && V.Anzahl > 0) {
        const TPolygon OV = schnitt(O, V);
        anteil -= F(OV);
        if (OV.Anzahl > 0) {
            TPolygon OVL, OVR;
            if (l && L.Anzahl > 0) {
                OVL = schnitt(OV, L);
                anteil += F(OVL);
            }
            if (r && R.Anzahl > 0) {
                OVR = schnitt(OV, R);
                anteil += F(OVR);
            }
            if (OVL.Anzahl > 0 && OVR.Anzahl > 0) {
                anteil -= F(schnitt(OVL, OVR));
            }
        }
    }
    // The overlaps are clipped again on the centimetre grid, so the sum can pass the bounds
    // by a sliver; a share outside 0..1 would read as more than the whole element.
    E.Verschattungsanteil = std::clamp(anteil, 0.0, 1.0);
}

TPunkt Zeitpunkt_Simulieren_Bisher(TSzene& s, int tag, int uhrzeitPosition) {
    return Simulieren_Bisher(s, tag, Zeitpunkt_Sonnenzeit(s, tag, uhrzeitPosition));
}

} // namespace umbrarix::bisher
