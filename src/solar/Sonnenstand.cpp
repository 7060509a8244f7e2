#include "solar/Sonnenstand.h"

#include "model/Geometrie.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {
constexpr double pi = std::numbers::pi;
} // namespace

double Sonnenzeit(int N, double uhrzeit, double laengenkorrektur, bool sommerzeit) {
    // The equation of time runs over 364 days, not 365.
    const double B = 2 * pi * (N - 81) / 364;
    const double E = 9.87 * std::sin(2 * B) - 7.53 * std::cos(B) - 1.5 * std::sin(B);
    // Four minutes per degree between the zone meridian and the local longitude.
    const double C = -laengenkorrektur * 15 * 4 + E;
    double t = uhrzeit + C / 60;
    if (SommerzeitGilt(N, sommerzeit)) {
        t = t - 1;
    }
    if (t < 0) {
        t = t + 24;
    }
    return t;
}

double Deklination(int N) {
    return 23.45 * std::sin(0.01721420632103996 * (N + 284)) * pi / 180;
}

double HalberTagbogen(double phi, double delta) {
    if (std::fabs(phi) < Polargrenze) {
        return std::acos(-std::tan(phi) * std::tan(delta));
    }
    double H = 0;
    if (phi >= Polargrenze && delta > 0) {
        H = pi; // midnight sun
    } else if (phi >= Polargrenze && delta < 0) {
        H = 0; // polar night
    } else if (phi <= -Polargrenze && delta < 0) {
        H = pi;
    } else if (phi <= -Polargrenze && delta > 0) {
        H = 0;
    }
    return H;
}

double HalbeTageslaenge(double phi, double delta) {
    return HalberTagbogen(phi, delta) * 12 / pi;
}

TPunkt Sonnenvektor(int N, double t, double breitengrad) {
    const double phi = pi * breitengrad / 180;
    const double delta = Deklination(N);
    const double omega = (12 - t) * 15 * pi / 180; // positive before solar noon
    const TPunkt s{std::cos(delta) * std::cos(omega), std::cos(delta) * std::sin(omega),
                   std::sin(delta)};
    const double sp = std::sin(phi), cp = std::cos(phi);
    const TMatrix horizont = {{sp, 0, -cp}, {0, 1, 0}, {cp, 0, sp}};
    const TPunkt v = MatrixMalVektor(horizont, s);
    if (std::fabs(omega) >= HalberTagbogen(phi, delta)) {
        return Nachtmarke;
    }
    return v;
}

} // namespace umbrarix
