#pragma once

// The Sonneneintrag's monthly bar chart: for every month the energy on the target with the
// shading (left bar) and without it (right bar, lighter), each stacked from the beam, the
// diffuse sky light and the light reflected by the ground.

#include "auswertung/Sonneneintrag.h"

#include <QImage>

namespace umbrarix {

struct TSonneneintragsdiagrammmasse {
    static constexpr int Breite = 640, Hoehe = 330;
    static constexpr int Links = 56, Rechts = 630, Oben = 30, Unten = 262; // plot area
    static constexpr int Monatsbreite = (Rechts - Links) / 12;             // 47 px a month
    static constexpr int Saeulenbreite = 17;
};

// The chart's scale: kWh/m² at the top of the plot area, a round number above the largest
// month without shading.
double SonneneintragsSkala(const TSonneneintrag& e);

QImage Sonneneintragsdiagramm_Zeichnen(const TSonneneintrag& e);

} // namespace umbrarix
