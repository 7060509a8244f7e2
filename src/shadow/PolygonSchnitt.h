#pragma once

#include "model/Punkte.h"
#include "shadow/Kasten.h"

#include <array>
#include <new>
#include <span>
#include <vector>

namespace umbrarix {

// Room for N corners, left uninitialised: TPunkt2D's members have defaults, and zeroing the
// scratch arrays of every triangle pair and clip was a measurable share of an evaluation.
template <int N> class TEckenfeld {
public:
    TEckenfeld() {}
    TPunkt2D* data() { return std::launder(reinterpret_cast<TPunkt2D*>(roh_)); }
    const TPunkt2D* data() const { return std::launder(reinterpret_cast<const TPunkt2D*>(roh_)); }
    TPunkt2D& operator[](int i) { return data()[i]; }
    const TPunkt2D& operator[](int i) const { return data()[i]; }

private:
    alignas(TPunkt2D) unsigned char roh_[N * sizeof(TPunkt2D)];
};

// Corners of the intersection of two triangles. Two triangles meet in at most 6 corners; the
// extra room only guards against degenerate floating-point cases with coinciding corners.
struct TDreieckSchnitt {
    int Anzahl = 0;
    std::array<TPunkt2D, 16> Ecken{};
};

// Does segment P1P2 meet segment P3P4 (end points included)? The point P3 + t (P4 - P3) is
// written to punkt also when they do not meet; parallel segments give P3.
bool StreckenSchnitt(const TPunkt2D& P1, const TPunkt2D& P2, const TPunkt2D& P3, const TPunkt2D& P4,
                     TPunkt2D& punkt);

// Is P strictly inside triangle ABC? Points on an edge or a corner are not.
bool PunktImDreieck(const TPunkt2D& A, const TPunkt2D& B, const TPunkt2D& C, const TPunkt2D& P);

// Intersection of triangle A with triangle B, corners ordered by descending angle.
TDreieckSchnitt DreieckSchnitt(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                               TPunkt2D B2);

// Intersection of two convex polygons (either orientation, not closed): every fan triangle of
// T is intersected with every fan triangle of S, the corners are pooled, points inside the
// pool's hull dropped, the rest ordered by descending angle around their centroid and corners
// on straight runs removed. Empty when they do not overlap with positive area.
std::vector<TPunkt2D> PolygonSchnitt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S);

// Room for the corner pool of one intersection: on the stack for pools up to two octagons'
// bound, on the heap beyond. Left uninitialised, since a scene clips a dozen times per instant.
class TPolygonSchnittPuffer {
public:
    TPolygonSchnittPuffer() {}
    TPunkt2D* Bereitstellen(std::size_t n);
    const TPunkt2D* Ecken() const { return ecken_; }
    double* Winkel() { return winkel_; }

private:
    static constexpr std::size_t Lokal = 216; // 6 (8 - 2) (8 - 2)
    TEckenfeld<Lokal> lokaleEcken_;
    double lokaleWinkel_[Lokal];
    std::vector<TPunkt2D> grosseEcken_;
    std::vector<double> grosseWinkel_;
    TPunkt2D* ecken_ = nullptr;
    double* winkel_ = nullptr;
};

// The same into the buffer, without allocating for ordinary outlines; returns the number of
// result corners, which stand first in puffer.Ecken().
int PolygonSchnitt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S,
                   TPolygonSchnittPuffer& puffer);
// The same for outlines rounded to whole centimetres in their plane (every corner of T and S a
// whole number within the int range), the target's box taken once for many shadows (tKasten ==
// intern::GanzzahlKasten(T), T with at least three corners).
int PolygonSchnitt(std::span<const TPunkt2D> T, const intern::TKasten& tKasten,
                   std::span<const TPunkt2D> S, TPolygonSchnittPuffer& puffer);

// The steps of PolygonSchnitt, in their order.

// 1. Corners of every fan-triangle intersection; a corner within 1e-3 (in u and in v) of one
//    already pooled is left out.
std::vector<TPunkt2D> Eckenpool(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S);
// 2. Removes every point strictly inside a triangle of three other points, keeping the order.
//    Triangles whose doubled area is below 1e-4 are not used: their three points lie on one
//    line up to rounding, and the inside test of such a sliver would throw out true corners.
//    Pools of more than GrosserPool points (never met by element outlines, which pool at most
//    a few dozen) take their convex hull corners instead, so that no input can stall it.
void Huellenfilter(std::vector<TPunkt2D>& pool);
inline constexpr std::size_t GrosserPool = 40;
bool HuellendreieckEntartet(const TPunkt2D& a, const TPunkt2D& b, const TPunkt2D& c);
// 3.-5. Descending angle around the centroid (exchange sort; equal angles keep their order).
void NachWinkelOrdnen(std::vector<TPunkt2D>& punkte);
// 6. Removes corners whose neighbours are in line with them (within 1e-4); fewer than three
//    points, or points on one line, are removed entirely.
void GeradeEckenEntfernen(std::vector<TPunkt2D>& punkte);

} // namespace umbrarix
