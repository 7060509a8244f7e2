#pragma once

#include "model/Szene.h"

#include <cstddef>
#include <span>

namespace umbrarix {

// Shares written for an instant without direct sun.
inline constexpr double AnteilNacht = -1;              // sun below the horizon
inline constexpr double AnteilSonneNichtSichtbar = -2; // sun behind the wall plane

// Evaluates day N (1..365) at solar time t (hours): sun vector, the night and sun-behind-wall
// flags, the shadows of the four casting elements on wall and ground, and the shaded shares
// of window and terrace. An instant whose sun does not stand above the horizon counts as night
// (beyond the polar limit the sun vector can point downwards without being the night marker).
// A sun at or below the scene's skyline leaves window and terrace fully shaded (share 1).
// Returns the sun vector of the instant (the night marker at night).
TPunkt Simulieren(TSzene& szene, int N, double t);

// The same for runs that read nothing but the shares and the flags: the shadows on the whole
// wall and ground surfaces (SchattenWand, SchattenBoden), which only the views draw, keep those
// of an earlier instant. Shares, flags and every other shadow are those of Simulieren.
TPunkt Anteile_Simulieren(TSzene& szene, int N, double t);

// The same evaluation for a sun standing in the given direction (a unit vector of the world
// frame) instead of the sun of a day and time: what the sky mask asks of every direction.
void Richtung_Simulieren(TSzene& szene, const TPunkt& sonne);
void Richtung_Anteile_Simulieren(TSzene& szene, const TPunkt& sonne);

// Anteile_Simulieren and Richtung_Anteile_Simulieren for one target (the terrace, or the
// window): its share bit for bit the one of the evaluation of both, at about half the work.
// The other target's share and shadows keep what an earlier evaluation wrote; behind the
// surroundings no shadow is thrown at all.
TPunkt Ziel_Anteil_Simulieren(TSzene& szene, int N, double t, bool terrasse);
void Richtung_Ziel_Anteil_Simulieren(TSzene& szene, const TPunkt& sonne, bool terrasse);

// The outlines and switches in which scenes of one facade differ when only their overhang
// changes (its projection, width or slope, and with them the valance).
struct TUeberhangvariante {
    TPolygon Ueberhang, Volant;
    bool CheckBox_Ueberhang = false, CheckBox_Volant = false;
};

// Anteile_Simulieren for every variant of the scene's overhang at one instant: the shares of
// variant k go to fenster[k * abstand] and terrasse[k * abstand], bit for bit those of the scene
// with the variant's outlines and switches. The sun and the wall projections' shadows and their
// overlap are the same for all and computed once. The scene is left with the last variant.
void Varianten_Anteile_Simulieren(TSzene& szene, std::span<const TUeberhangvariante> varianten,
                                  int N, double t, double* fenster, double* terrasse,
                                  std::size_t abstand);

// Clock time in hours of a time track-bar position (10-minute steps).
inline double UhrzeitAusPosition(int position) {
    return position / 6.0;
}

// Solar time in hours of the two track-bar positions, with the scene's longitude correction
// and summer-time switch.
double Zeitpunkt_Sonnenzeit(const TSzene& szene, int tag, int uhrzeitPosition);

// Evaluates the instant of the two track-bar positions: day 1..365, time position 0..143.
TPunkt Zeitpunkt_Simulieren(TSzene& szene, int tag, int uhrzeitPosition);
TPunkt Zeitpunkt_Anteile_Simulieren(TSzene& szene, int tag, int uhrzeitPosition);

} // namespace umbrarix
