#pragma once

// The exact shortcuts for outlines whose corners are whole numbers (centimetres), used by the
// intersection in place of steps that provably give the same result.

#include "shadow/PolygonSchnitt.h"

#include <span>

namespace umbrarix::intern {

// Inputs that are whole numbers this small have exact cross products in StreckenSchnitt and
// PunktImDreieck (differences below 2^21, products below 2^43), so their tests decide as exact
// arithmetic would.
constexpr double ExakteGrenze = 1 << 20;

struct TKasten {
    double umin, umax, vmin, vmax;
    bool ganz; // every coordinate a whole number within ExakteGrenze
};

TKasten Kasten(std::span<const TPunkt2D> p);
bool Getrennt(const TKasten& a, const TKasten& b);
TKasten Dreieckskasten(const TPunkt2D& p0, const TPunkt2D& p1, const TPunkt2D& p2);
TDreieckSchnitt DreieckSchnittGanz(TPunkt2D A0, TPunkt2D A1, TPunkt2D A2, TPunkt2D B0, TPunkt2D B1,
                                   TPunkt2D B2);
bool DurchKanteGetrennt(std::span<const TPunkt2D> T, std::span<const TPunkt2D> S);
bool Klein(const TKasten& k);

} // namespace umbrarix::intern
