#pragma once

// The awning sizing's chart: the target's Beschattungsgrad over the projection, one curve per
// width, the required level as a dashed line and the proposal marked. The picture takes any
// size from Breite x Hoehe up: the plot area grows, the legend keeps its column on the right.

#include <QFont>
#include <QImage>
#include <QRect>
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
    static constexpr int Breite = 600, Hoehe = 320; // the smallest picture
    static constexpr int Links = 48, Oben = 16;     // plot area's left and top edge
    static constexpr int Legende = 200;             // room right of the plot area
    static constexpr int Fuss = 48;                 // room below it: values and axis title
    static constexpr int Zeile = 18;                // legend rows, pixels apart
    static constexpr double AusfallMax = 400;       // cm, field limit
};

// The plot area of a picture of the given size (smaller sizes count as the smallest): x runs
// over 0..AusfallMax cm from its left to its right edge, the share 0..1 from bottom to top.
QRect Dimensionierungsdiagrammflaeche(QSize groesse);

// The font of every text in the chart.
QFont Dimensionierungsdiagrammschrift();

// One row of the legend: its text and the box the text is drawn in. A curve's row and the
// required level's have a line sample before the box; Kurve is the curve's index.
struct TLegendenzeile {
    enum TArt { Kurve, Weitere, Verlangt, Vorschlag } Art;
    QString Text;
    QRect Kasten;
    size_t Kurvennummer = 0;
};

// The legend of a picture of the given size: a row per curve, "verlangt" and, with a proposal,
// "○ Vorschlag". When the curves need more rows than the picture has, the last row that
// remains for them counts the rest ("+ 12 weitere Breiten"), so that the required level and
// the proposal always keep their rows.
std::vector<TLegendenzeile> Dimensionierungslegende(const std::vector<TDiagrammkurve>& kurven,
                                                    bool vorschlag, QSize groesse);

QImage Dimensionierungsdiagramm_Zeichnen(const std::vector<TDiagrammkurve>& kurven,
                                         double mindestgrad,
                                         std::optional<std::pair<double, double>> vorschlag,
                                         QSize groesse = {TDimensionierungsdiagrammmasse::Breite,
                                                          TDimensionierungsdiagrammmasse::Hoehe});

} // namespace umbrarix
