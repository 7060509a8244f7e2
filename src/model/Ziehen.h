#pragma once

#include "model/Szene.h"

#include <optional>
#include <string_view>

namespace umbrarix {

// The drag handles of the front (f_), side (s_) and top (b_) views that move element corners.
enum class TGriff {
    f_fenster_oben,
    f_fenster_unten,
    f_fenster_links,
    f_fenster_rechts,
    f_ueberh_oben,
    f_ueberh_unten,
    f_ueberh_links,
    f_ueberh_rechts,
    f_volant_unten,
    f_volant_links,
    f_volant_rechts,
    f_mauerlinks_oben,
    f_mauerlinks_unten,
    f_mauerlinks_seite,
    f_mauerrechts_oben,
    f_mauerrechts_unten,
    f_mauerrechts_seite,
    s_ueberh_aussen,
    s_ueberh_innen,
    s_ueberh_volant,
    b_ueberh_oben,
    b_ueberh_unten,
    b_ueberh_links,
    b_ueberh_rechts,
    b_terrasse_oben,
    b_terrasse_unten,
    b_terrasse_links,
    b_terrasse_rechts,
    b_mauerlinks_oben,
    b_mauerlinks_unten,
    b_mauerlinks_seite,
    b_mauerrechts_oben,
    b_mauerrechts_unten,
    b_mauerrechts_seite,
};

// The handle of that component name, or nothing.
std::optional<TGriff> GriffMitNamen(std::string_view name);

// Moves what the handle stands for by the mouse offset (dx to the right, dy downwards, one
// pixel per centimetre), holds it within the handle's limits in their order, rebuilds the
// corners in the handle's frame (wall frame of tilt anz_Fensterneigung, vertical frame or
// ground frame) and turns them back into the world. The parameters are not touched; the
// caller shows the new dimensions (Daten_anzeigen).
void GriffZiehen(TSzene& szene, TGriff griff, int dx, int dy);

// Wall tilt pointed at by the tilt handle, offset (dx, dy) from the foot of the wall with dy
// upwards: the angle above the outside horizontal, held in 0..120 degrees (not rounded).
double Wandneigungswinkel(int dx, int dy);

} // namespace umbrarix
