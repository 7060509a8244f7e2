#pragma once

// Scenes the drawing tests share: built from the parameters and evaluated at one instant.

#include "model/ElementeAufbauen.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

namespace umbrarix::testhilfen {

inline TSzene AusgewerteteSzene(TEingabedaten e, int tag, int uhrzeitPosition) {
    e.TrackBar_Datum = tag;
    e.TrackBar_Uhrzeit = uhrzeitPosition;
    TSzene s = SzeneAusEingaben(e);
    Zeitpunkt_Simulieren(s, tag, uhrzeitPosition);
    return s;
}

inline TPunkt SonneVon(const TSzene& s) {
    const TEingabedaten& e = s.Eingaben;
    return Sonnenvektor(e.TrackBar_Datum,
                        Sonnenzeit(e.TrackBar_Datum, UhrzeitAusPosition(e.TrackBar_Uhrzeit),
                                   s.Laengenkorrektur, e.CheckBox_Sommerzeit),
                        e.anz_Breitengrad);
}

} // namespace umbrarix::testhilfen
