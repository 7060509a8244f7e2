#pragma once

// The evaluation of many sun directions of one scene, with its set-up done once.

#include "model/Geometrie.h"
#include "model/Szene.h"
#include "shadow/Schattenwurf.h"

namespace umbrarix {

// What the evaluation of a sun direction takes from the scene alone: the rotations of wall and
// ground, the receiving outlines in their planes and the targets' areas. A mask asks tens of
// thousands of directions of one scene; built once, it spares each of them this set-up. Valid for
// scenes equal to the one it was built from; the results are bit for bit those without it.
struct TRichtungsvorbereitung {
    explicit TRichtungsvorbereitung(const TSzene& szene);

    TDrehung Wanddrehung;
    TDrehung Terrassendrehung; // tilt 0, in which the terrace's overlaps are clipped
    TEmpfangsebene Wand, Boden;
    double Fensterflaeche, Terrassenflaeche; // the targets' areas, which every share divides by
};
void Richtung_Anteile_Simulieren(TSzene& szene, const TPunkt& sonne,
                                 const TRichtungsvorbereitung& vorbereitung);
void Richtung_Ziel_Anteil_Simulieren(TSzene& szene, const TPunkt& sonne, bool terrasse,
                                     const TRichtungsvorbereitung& vorbereitung);

} // namespace umbrarix
