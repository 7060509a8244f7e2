#pragma once

#include "model/Farbset.h"
#include "model/Szene.h"

#include <QImage>
#include <QRect>

namespace umbrarix {

// Where the top view's drag handles lie, in panel coordinates (the image sits 9 px down).
struct THorizontalMarker {
    QRect b_terrasse_oben, b_terrasse_unten, b_terrasse_links, b_terrasse_rechts;
    QRect b_ueberh_oben, b_ueberh_unten, b_ueberh_links, b_ueberh_rechts;
    QRect b_mauerlinks_seite, b_mauerlinks_oben, b_mauerlinks_unten;
    QRect b_mauerrechts_seite, b_mauerrechts_oben, b_mauerrechts_unten;
};

struct THorizontalschnitt {
    QImage Bild; // "Horizontalschnitt", 701 x 351
    THorizontalMarker Marker;
};

inline constexpr int HorizontalschnittHoehe = 351;
inline constexpr int HorizontalschnittOben = 9; // image top within its panel

// The ground in front of the facade seen from above (1 px = 1 cm, facade along the top):
// terrace, shadows on ground plane and terrace, the overhang hatched, and a north arrow.
THorizontalschnitt Horizontalschnitt_Zeichnen(const TSzene& szene, const TFarbset& farben,
                                              const QImage& vorlage);

} // namespace umbrarix
