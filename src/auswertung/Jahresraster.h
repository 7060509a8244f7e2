#pragma once

// The year at a glance: every day 1..365 and every ten-minute clock step 0..143 evaluated as
// the window evaluates any instant, for window and terrace.

#include "auswertung/Fortschritt.h"
#include "model/Szene.h"
#include "shadow/Simulieren.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace umbrarix {

inline constexpr int RasterTage = 365;     // days of the year, 1..365
inline constexpr int RasterSchritte = 144; // ten-minute clock steps of a day, 0..143
inline constexpr int RasterZellen = RasterTage * RasterSchritte;

// Position of (day 1..365, step 0..143) in a grid's values: day by day, 0:00 first.
inline int RasterIndex(int tag, int schritt) {
    return (tag - 1) * RasterSchritte + schritt;
}

// A step is lit when the sun shines on the facade: its share is neither night (-1) nor
// "Sonne nicht sichtbar" (-2).
inline bool IstBesonnt(double anteil) {
    return anteil != AnteilNacht && anteil != AnteilSonneNichtSichtbar;
}

// Shaded shares (0..1, or -1 / -2) of every step of the year, indexed by RasterIndex.
struct TJahresraster {
    std::vector<double> Fenster;
    std::vector<double> Terrasse;
    // Per step: the sun stands behind the surroundings (shares 1). Empty for an open site.
    std::vector<std::uint8_t> HinterUmgebung;

    bool IstHinterUmgebung(std::size_t i) const {
        return i < HinterUmgebung.size() && HinterUmgebung[i] != 0;
    }

    const std::vector<double>& Anteile(bool terrasse) const {
        return terrasse ? Terrasse : Fenster;
    }
};

// The scene with all four shading switches off ("ohne Sonnenschutz"): lit steps have share 0,
// except behind the surroundings, which stay.
TSzene OhneSonnenschutz(TSzene szene);

// Evaluates the whole grid on copies of the scene (clock time to solar time with the scene's
// summer time, then the instant evaluation). fortschritt receives the number of finished
// cells (of RasterZellen); nothing when it cancelled the run.
std::optional<TJahresraster> JahresrasterBerechnen(const TSzene& szene,
                                                   const TFortschritt& fortschritt = {},
                                                   int faeden = AnzahlRechenfaeden());

} // namespace umbrarix
