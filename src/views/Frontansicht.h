#pragma once

#include "model/Farbset.h"
#include "model/Szene.h"

#include <QImage>
#include <QRect>

#include <optional>

namespace umbrarix {

// Where the front view's drag handles lie, in the coordinates of its panel.
struct TFrontMarker {
    QRect f_fenster_oben, f_fenster_unten, f_fenster_links, f_fenster_rechts;
    QRect f_ueberh_oben, f_ueberh_unten, f_ueberh_links, f_ueberh_rechts;
    QRect f_volant_unten, f_volant_links, f_volant_rechts;
    QRect f_mauerlinks_seite, f_mauerlinks_oben, f_mauerlinks_unten;
    QRect f_mauerrechts_seite, f_mauerrechts_oben, f_mauerrechts_unten;
    // Set when the view decides the valance's bottom handle's visibility (overhang switched on).
    std::optional<bool> f_volant_unten_sichtbar;
};

struct TFrontansicht {
    QImage Bild; // "frontansicht", 701 x 361
    TFrontMarker Marker;
};

// The facade seen square onto the wall (1 px = 1 cm, facade foot at the middle at (350, 350)):
// window, shadows on wall plane and window, overhang and valance hatched.
TFrontansicht Frontansicht_Zeichnen(const TSzene& szene, const TFarbset& farben,
                                    const QImage& vorlage);

} // namespace umbrarix
