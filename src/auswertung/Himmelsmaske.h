#pragma once

// The shading mask of the sky: for every direction of a grid (azimuth as anz_Himmelsrichtung
// counts it, S = 0, O = 90, N = 180, W = 270; elevation above the horizon) the shaded share of
// window and terrace when the sun stands there, evaluated as any instant is.

#include "auswertung/Fortschritt.h"
#include "model/Szene.h"

#include <optional>
#include <vector>

namespace umbrarix {

// The mask's mark of a direction at or below the skyline (a code of the mask alone; the
// shares of an instant are 1 there). Behind the wall (-2) takes precedence.
inline constexpr double MaskeHinterUmgebung = -3;

// The unit vector of the world frame (x south, y east, z up) of a direction in degrees.
TPunkt RichtungsVektor(double azimut, double hoehe);

// Directions every `Schritt` degrees: azimuth 0, Schritt, ... below 360; elevation Schritt,
// 2 Schritt, ... below 90 (the horizon and the zenith left out).
struct THimmelsmaske {
    int Schritt = 1;
    int Azimute = 0, Hoehen = 0;
    std::vector<double> Fenster, Terrasse; // share 0..1, -2 or -3; index Index(a, h)

    int Index(int azimutNummer, int hoehenNummer) const {
        return azimutNummer * Hoehen + hoehenNummer;
    }
    double Azimut(int azimutNummer) const { return azimutNummer * Schritt; }
    double Hoehe(int hoehenNummer) const { return (hoehenNummer + 1) * Schritt; }
    const std::vector<double>& Werte(bool terrasse) const { return terrasse ? Terrasse : Fenster; }
};

// Which targets a mask is computed for; the values of the other stay empty.
enum class TMaskenziele { Beide, Fenster, Terrasse };

// The mask of the scene over the threads, on copies of it; nothing when cancelled.
// schritt: 1 to 45 degrees.
std::optional<THimmelsmaske> HimmelsmaskeBerechnen(const TSzene& szene, int schritt = 1,
                                                   const TFortschritt& fortschritt = {},
                                                   int faeden = AnzahlRechenfaeden(),
                                                   TMaskenziele ziele = TMaskenziele::Beide);

} // namespace umbrarix
