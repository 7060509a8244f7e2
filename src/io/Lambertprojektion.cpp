#include "io/Lambertprojektion.h"

#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

constexpr double Grad = std::numbers::pi / 180;
constexpr double A = 6378137.0; // GRS80 semi-major axis, m
constexpr double Abplattung = 1 / 298.257222101;
constexpr double Parallel1 = 35 * Grad, Parallel2 = 65 * Grad;
constexpr double Breite0 = 52 * Grad, Laenge0 = 10 * Grad;
constexpr double Ostwert0 = 4000000, Nordwert0 = 2800000;

struct TKegel {
    double E, N, F, Rho0;
};

double Exzentrizitaet() {
    return std::sqrt(Abplattung * (2 - Abplattung));
}
double M(double phi, double e) {
    return std::cos(phi) / std::sqrt(1 - e * e * std::sin(phi) * std::sin(phi));
}
double T(double phi, double e) {
    const double es = e * std::sin(phi);
    return std::tan(std::numbers::pi / 4 - phi / 2) / std::pow((1 - es) / (1 + es), e / 2);
}

TKegel Kegel() {
    const double e = Exzentrizitaet();
    const double m1 = M(Parallel1, e), m2 = M(Parallel2, e);
    const double t1 = T(Parallel1, e), t2 = T(Parallel2, e);
    const double n = (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2));
    const double f = m1 / (n * std::pow(t1, n));
    return {e, n, f, A * f * std::pow(T(Breite0, e), n)};
}

} // namespace

TGitterpunkt LambertAusErdort(const TErdort& ort) {
    const TKegel k = Kegel();
    const double rho = A * k.F * std::pow(T(ort.Breite * Grad, k.E), k.N);
    const double theta = k.N * (ort.Laenge * Grad - Laenge0);
    return {Ostwert0 + rho * std::sin(theta), Nordwert0 + k.Rho0 - rho * std::cos(theta)};
}

TErdort ErdortAusLambert(const TGitterpunkt& p) {
    const TKegel k = Kegel();
    const double x = p.Rechtswert - Ostwert0, y = k.Rho0 - (p.Hochwert - Nordwert0);
    const double rho = std::hypot(x, y);
    const double t = std::pow(rho / (A * k.F), 1 / k.N);
    // The latitude by fixed-point iteration; it settles to the last bit within a few rounds.
    double phi = std::numbers::pi / 2 - 2 * std::atan(t);
    for (int i = 0; i < 20; ++i) {
        const double es = k.E * std::sin(phi);
        phi = std::numbers::pi / 2 - 2 * std::atan(t * std::pow((1 - es) / (1 + es), k.E / 2));
    }
    return {phi / Grad, (std::atan2(x, y) / k.N + Laenge0) / Grad};
}

} // namespace umbrarix
