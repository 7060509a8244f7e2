#pragma once

#include "model/Eingabedaten.h"
#include "model/Elemente.h"
#include "model/Umgebung.h"

namespace umbrarix {

// Everything one evaluation reads and writes: the parameters, the values derived from them,
// the eight elements and the flags of the last evaluated instant.
struct TSzene {
    TEingabedaten Eingaben;

    double Wandneigung = 90;     // wall tilt in degrees, taken from anz_Fensterneigung
    double Laengenkorrektur = 0; // hours between zone clock time and local mean solar time

    TVerschattetesElement Fenster;  // window, tilt Wandneigung
    TVerschattetesElement Terrasse; // terrace, lying on the ground (tilt 180)
    TVerschattetesElement Wand;     // fixed wall surface 700 x 350, tilt Wandneigung
    TVerschattetesElement Boden;    // fixed ground surface 700 x 350, tilt 180

    TVerschattendesElement Ueberhang;   // overhang / awning, tilt Wandneigung
    TVerschattendesElement Volant;      // valance, always vertical
    TVerschattendesElement MauerLinks;  // left wall projection, tilt Wandneigung
    TVerschattendesElement MauerRechts; // right wall projection, tilt Wandneigung

    TUmgebung Umgebung; // the skyline of the site; empty: an open site

    bool IstNacht = false;              // last instant: sun below the horizon
    bool IstSonneNichtSichtbar = false; // last instant: sun behind the wall plane
    // Last instant: the sun, neither at night nor behind the wall, stands at or below the
    // skyline; window and terrace are then fully shaded.
    bool IstHinterUmgebung = false;
};

} // namespace umbrarix
