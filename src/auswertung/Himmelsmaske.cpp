#include "auswertung/Himmelsmaske.h"

#include "auswertung/Parallel.h"
#include "shadow/Richtungsvorbereitung.h"
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
                                                   const TFortschritt& fortschritt, int faeden,
                                                   TMaskenziele ziele) {
    THimmelsmaske m;
    m.Schritt = std::clamp(schritt, 1, 45);
    m.Azimute = (360 + m.Schritt - 1) / m.Schritt;
    m.Hoehen = (90 - 1) / m.Schritt;
    const int anzahl = m.Azimute * m.Hoehen;
    const bool fenster = ziele != TMaskenziele::Terrasse, terrasse = ziele != TMaskenziele::Fenster;
    if (fenster) {
        m.Fenster.assign(static_cast<size_t>(anzahl), 0.0);
    }
    if (terrasse) {
        m.Terrasse.assign(static_cast<size_t>(anzahl), 0.0);
    }
    // Rotations and planes are the scene's; every thread's copy reads the same ones.
    const TRichtungsvorbereitung vorbereitung(szene);
    const bool fertig = ParallelAuswerten(
        szene, anzahl,
        [&m, &vorbereitung, fenster, terrasse](TSzene& s, int i) {
            const int a = i / m.Hoehen, h = i % m.Hoehen;
            const TPunkt richtung = RichtungsVektor(m.Azimut(a), m.Hoehe(h));
            if (fenster && terrasse) {
                Richtung_Anteile_Simulieren(s, richtung, vorbereitung);
            } else {
                Richtung_Ziel_Anteil_Simulieren(s, richtung, terrasse, vorbereitung);
            }
            const auto k = static_cast<size_t>(i);
            // Behind the wall keeps its own mark; behind the surroundings gets the mask's.
            const bool umgebung = s.IstHinterUmgebung;
            if (fenster) {
                m.Fenster[k] = umgebung ? MaskeHinterUmgebung : s.Fenster.Verschattungsanteil;
            }
            if (terrasse) {
                m.Terrasse[k] = umgebung ? MaskeHinterUmgebung : s.Terrasse.Verschattungsanteil;
            }
        },
        fortschritt, faeden);
    if (!fertig) {
        return std::nullopt;
    }
    return m;
}

} // namespace umbrarix
