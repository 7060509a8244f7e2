#include "auswertung/Himmelsmaske.h"

#include "auswertung/Parallel.h"
#include "shadow/Simulieren.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace umbrarix {

TPunkt RichtungsVektor(double azimut, double hoehe) {
    constexpr double Grad = std::numbers::pi / 180;
    const double a = azimut * Grad, h = hoehe * Grad;
    return {std::cos(h) * std::cos(a), std::cos(h) * std::sin(a), std::sin(h)};
}

std::optional<THimmelsmaske> HimmelsmaskeBerechnen(const TSzene& szene, int schritt,
                                                   const TFortschritt& fortschritt, int faeden) {
    THimmelsmaske m;
    m.Schritt = std::clamp(schritt, 1, 45);
    m.Azimute = (360 + m.Schritt - 1) / m.Schritt;
    m.Hoehen = (90 - 1) / m.Schritt;
    const int anzahl = m.Azimute * m.Hoehen;
    m.Fenster.assign(static_cast<size_t>(anzahl), 0.0);
    m.Terrasse.assign(static_cast<size_t>(anzahl), 0.0);
    const bool fertig = ParallelAuswerten(
        szene, anzahl,
        [&m](TSzene& s, int i) {
            const int a = i / m.Hoehen, h = i % m.Hoehen;
            Richtung_Anteile_Simulieren(s, RichtungsVektor(m.Azimut(a), m.Hoehe(h)));
            const auto k = static_cast<size_t>(i);
            // Behind the wall keeps its own mark; behind the surroundings gets the mask's.
            const bool umgebung = s.IstHinterUmgebung;
            m.Fenster[k] = umgebung ? MaskeHinterUmgebung : s.Fenster.Verschattungsanteil;
            m.Terrasse[k] = umgebung ? MaskeHinterUmgebung : s.Terrasse.Verschattungsanteil;
        },
        fortschritt, faeden);
    if (!fertig) {
        return std::nullopt;
    }
    return m;
}

} // namespace umbrarix
