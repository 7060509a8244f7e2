#pragma once

#include "model/Geometrie.h"
#include "model/Szene.h"
#include "shadow/PolygonSchnitt.h"

namespace umbrarix {

// Point where the line through L0 with direction d meets the plane through P0 with normal n.
// The caller ensures Skalarprodukt(d, n) != 0.
TPunkt GeradeEbeneSchnitt(const TPunkt& L0, const TPunkt& d, const TPunkt& P0, const TPunkt& n);

// Area in square centimetres of a convex polygon in space (either orientation); 0 below
// three corners.
double Flaeche(const TPolygon& p);

// The part of schatten inside ziel. Both lie in the plane x = 0 of the facade frame given by
// the rotation; the clipping works on their corners rounded to whole centimetres in that plane
// and the result lies exactly in the plane.
TPolygon SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten, const TDrehung& ebene);
// The same into ergebnis, refilled in place (it must be neither ziel nor schatten).
void SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten, const TDrehung& ebene,
                         TPolygon& ergebnis);
// The same for tilt a and facade azimuth h (degrees).
TPolygon SchattenZuschneiden(const TPolygon& ziel, const TPolygon& schatten, double a, double h);

// A receiving plane for one evaluation: its rotation and the two receiving outlines in it
// (wall surface and window, or ground surface and terrace) already turned into the plane's
// whole-centimetre coordinates, so that every caster's clip reuses them.
struct TEmpfangsebene {
    TEmpfangsebene(const TDrehung& drehung, const TPolygon& flaeche, const TPolygon& element);

    TDrehung Drehung;
    TEckenfeld<TPolygon::Kapazitaet> Flaeche;
    int FlaecheAnzahl;
    TEckenfeld<TPolygon::Kapazitaet> Element;
    int ElementAnzahl;
    // Their boxes, which every clip to them reads (only with three corners or more).
    intern::TKasten FlaecheKasten{}, ElementKasten{};
};

// Throws the element's outline along the sun direction onto the plane (normal n through the
// origin) and clips it to both receiving outlines: the same polygons as the two functions
// below give. Without aufFlaeche (nullptr) the clip to the whole surface is left out.
void SchattenWerfen(TVerschattendesElement& element, const TPunkt& sonne, const TPunkt& n,
                    const TEmpfangsebene& ebene, TPolygon TVerschattendesElement::*projiziert,
                    TPolygon TVerschattendesElement::*aufFlaeche,
                    TPolygon TVerschattendesElement::*aufElement);

// Throws the element's outline along the sun direction onto the wall plane (normal n through
// P0) and clips it to the wall surface and the window of the scene.
void ProjiziereAufWandebene(TVerschattendesElement& element, const TPunkt& sonne, const TPunkt& n,
                            const TPunkt& P0, const TSzene& szene);
// The same onto the ground plane, clipped to the ground surface and the terrace.
void ProjiziereAufBodenebene(TVerschattendesElement& element, const TPunkt& sonne, const TPunkt& n,
                             const TPunkt& P0, const TSzene& szene);

} // namespace umbrarix
