#pragma once

// The awning sizing's chart: the target's Beschattungsgrad over the projection, one curve per
// width, the required level as a dashed line and the proposal marked.

#include <QImage>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace umbrarix {

struct TDiagrammkurve {
    QString Name;                                  // "Breite 600 cm"
    std::vector<std::pair<double, double>> Punkte; // (projection cm, Beschattungsgrad 0..1)
};

struct TDimensionierungsdiagrammmasse {
    static constexpr int Breite = 600, Hoehe = 320; // room for the legend's longest text
    static constexpr int Links = 48, Rechts = 400, Oben = 16, Unten = 272; // plot area
    static constexpr double AusfallMax = 400;                              // cm, field limit
};

QImage Dimensionierungsdiagramm_Zeichnen(const std::vector<TDiagrammkurve>& kurven,
                                         double mindestgrad,
                                         std::optional<std::pair<double, double>> vorschlag);

} // namespace umbrarix
