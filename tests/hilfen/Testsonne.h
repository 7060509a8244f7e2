#pragma once

// The sun of a clock step written out from the formulas on their own, for tests that check the
// program's evaluation against independently known numbers.

#include "model/Eingabedaten.h"

#include <cmath>
#include <numbers>

namespace umbrarix::testhilfen {

inline constexpr double Grad = std::numbers::pi / 180;

// The default inputs with every shading element switched off.
inline TEingabedaten OhneElemente() {
    TEingabedaten e;
    e.CheckBox_Ueberhang = e.CheckBox_Volant = e.CheckBox_MauerLinks = e.CheckBox_MauerRechts =
        false;
    return e;
}

// Equation of time over a 364-day period, four minutes per degree of longitude, summer time
// 31 March to 30 October, declination 23.45 sin(360/365 (N + 284)), then the rotation into
// the horizon frame.
struct TTestsonne {
    double x, y, z; // south, east, up
};
// uhrzeit: hours in the zone's clock time; summer time as the inputs switch it.
inline TTestsonne SonneZurUhrzeit(const TEingabedaten& e, int n, double uhrzeit) {
    const double b = 2 * std::numbers::pi * (n - 81) / 364;
    const double zeitgleichung = 9.87 * std::sin(2 * b) - 7.53 * std::cos(b) - 1.5 * std::sin(b);
    const double meridian = 15 * e.anz_Zeitzone + e.anz_Laengengrad; // degrees east of local
    double t = uhrzeit + (-meridian * 4 + zeitgleichung) / 60;
    if (e.CheckBox_Sommerzeit && n >= 90 && n <= 303) {
        t -= 1;
    }
    if (t < 0) {
        t += 24;
    }
    const double d = 23.45 * Grad * std::sin(2 * std::numbers::pi / 365 * (n + 284));
    const double w = (12 - t) * 15 * Grad;
    const double f = e.anz_Breitengrad * Grad;
    return {std::sin(f) * std::cos(d) * std::cos(w) - std::cos(f) * std::sin(d),
            std::cos(d) * std::sin(w),
            std::cos(f) * std::cos(d) * std::cos(w) + std::sin(f) * std::sin(d)};
}
inline TTestsonne SonneImSchritt(const TEingabedaten& e, int n, int schritt) {
    return SonneZurUhrzeit(e, n, schritt / 6.0);
}

} // namespace umbrarix::testhilfen
