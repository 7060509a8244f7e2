#include "model/Umgebung.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

double Normiert(double azimut) {
    double a = std::fmod(azimut, 360.0);
    if (a < 0) {
        a += 360;
    }
    // fmod of a tiny negative value plus 360 can round to 360 itself; -0 becomes 0.
    return a >= 360 || a == 0 ? 0.0 : a;
}

constexpr double Grad = 180 / std::numbers::pi;

} // namespace

TUmgebung::TUmgebung(std::vector<THorizontpunkt> punkte) : punkte_(std::move(punkte)) {
    for (THorizontpunkt& p : punkte_) {
        p.Azimut = Normiert(p.Azimut);
    }
    std::stable_sort(
        punkte_.begin(), punkte_.end(),
        [](const THorizontpunkt& a, const THorizontpunkt& b) { return a.Azimut < b.Azimut; });
}

double TUmgebung::HoeheBei(double azimut) const {
    if (punkte_.empty()) {
        return 0;
    }
    if (punkte_.size() == 1) {
        return punkte_.front().Hoehe;
    }
    const double a = Normiert(azimut);
    // The first point beyond a, and the one before it (wrapping round the circle).
    const auto nach =
        std::upper_bound(punkte_.begin(), punkte_.end(), a,
                         [](double wert, const THorizontpunkt& p) { return wert < p.Azimut; });
    const THorizontpunkt& hinten = nach == punkte_.end() ? punkte_.front() : *nach;
    const THorizontpunkt& vorn = nach == punkte_.begin() ? punkte_.back() : *(nach - 1);
    double von = vorn.Azimut, bis = hinten.Azimut, x = a;
    if (bis <= von) {
        // The segment across north-south wrap (or the only span between two equal points).
        bis += 360;
        if (x < von) {
            x += 360;
        }
    }
    if (x <= von) {
        return vorn.Hoehe;
    }
    return vorn.Hoehe + (hinten.Hoehe - vorn.Hoehe) * (x - von) / (bis - von);
}

double AzimutVon(const TPunkt& r) {
    return Normiert(std::atan2(r.y, r.x) * Grad);
}

double HoeheVon(const TPunkt& r) {
    return std::asin(std::clamp(r.z, -1.0, 1.0)) * Grad;
}

bool SonneHinterUmgebung(const TUmgebung& umgebung, const TPunkt& sonne) {
    return !umgebung.Leer() && HoeheVon(sonne) <= umgebung.HoeheBei(AzimutVon(sonne));
}

} // namespace umbrarix
