#pragma once

// Reading pixels of drawn images in tests.

#include "views/Zeichenflaeche.h"

#include <map>

namespace umbrarix::testhilfen {

// The most frequent colour of the 5 x 5 block around (x, y): the colour under a hatching,
// whose lines cover only every eighth pixel.
inline TFarbe Grundfarbe(const QImage& bild, int x, int y) {
    std::map<TFarbe, int> zaehler;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            ++zaehler[FarbeAus(bild.pixel(x + dx, y + dy))];
        }
    }
    TFarbe beste = 0;
    int anzahl = -1;
    for (const auto& [farbe, n] : zaehler) {
        if (n > anzahl) {
            beste = farbe;
            anzahl = n;
        }
    }
    return beste;
}

} // namespace umbrarix::testhilfen
