#include "auswertung/Himmelsmaske.h"

#include "auswertung/Parallel.h"
#include "shadow/Richtungsvorbereitung.h"
#include "shadow/Simulieren.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace umbrarix {

namespace {

struct TKosinusSinus {
    double Kosinus, Sinus;
};

TKosinusSinus KosinusSinus(double grad) {
    const double b = grad * (std::numbers::pi / 180);
    return {std::cos(b), std::sin(b)};
}

TPunkt Richtung(const TKosinusSinus& azimut, const TKosinusSinus& hoehe) {
    return {hoehe.Kosinus * azimut.Kosinus, hoehe.Kosinus * azimut.Sinus, hoehe.Sinus};
}

} // namespace

TPunkt RichtungsVektor(double azimut, double hoehe) {
    return Richtung(KosinusSinus(azimut), KosinusSinus(hoehe));
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
    // Rotations and planes are the scene's; every thread's copy reads the same ones. The grid's
    // angles are taken once each instead of once per direction.
    const TRichtungsvorbereitung vorbereitung(szene);
    std::vector<TKosinusSinus> azimute, hoehen;
    for (int a = 0; a < m.Azimute; ++a) {
        azimute.push_back(KosinusSinus(m.Azimut(a)));
    }
    for (int h = 0; h < m.Hoehen; ++h) {
        hoehen.push_back(KosinusSinus(m.Hoehe(h)));
    }
    const bool fertig = ParallelAuswerten(
        szene, anzahl,
        [&m, &vorbereitung, &azimute, &hoehen, fenster, terrasse](TSzene& s, int i) {
            const auto a = static_cast<size_t>(i / m.Hoehen), h = static_cast<size_t>(i % m.Hoehen);
            const TPunkt richtung = Richtung(azimute[a], hoehen[h]);
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
