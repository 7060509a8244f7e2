#include "simulation/Laufschritt.h"

#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <numbers>

namespace umbrarix {

TLaufschritt Laufschritt(TLaufart art, int datum, int zeitposition, int gemerkt, double breitengrad,
                         double laengenkorrektur, bool sommerzeit) {
    const double phi = breitengrad * std::numbers::pi / 180;
    const double H = HalbeTageslaenge(phi, Deklination(datum));
    const double t =
        Sonnenzeit(datum, UhrzeitAusPosition(zeitposition), laengenkorrektur, sommerzeit);
    TLaufschritt s;
    const bool hell = 12 - H <= t && t <= 12 + H;
    s.Intervall = hell ? (art == TLaufart::Tag ? 200 : 100) : 10;
    const int position = art == TLaufart::Tag ? zeitposition : datum;
    const int maximum = art == TLaufart::Tag ? 143 : 365;
    if (position < maximum) {
        s.Position = position + 1;
    } else {
        s.Ende = true;
        s.Position = gemerkt;
    }
    return s;
}

} // namespace umbrarix
