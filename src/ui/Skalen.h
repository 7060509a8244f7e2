#pragma once

#include <QRect>
#include <QSize>

namespace umbrarix {

// Left edge of the date or time marker for a track-bar position on a scale of anzahl steps:
// round(position * scale width / anzahl + scale left - marker width div 2) + 1.
int SkalenmarkerLinks(int position, int skalaLinks, int skalaBreite, int anzahl, int markerBreite);

// The position a dragged marker stands for: its candidate left edge is first held on the
// scale, then turned back into a position (0..anzahl; the track bar clamps further).
int SkalenpositionAusMarker(int kandidatLinks, int skalaLinks, int skalaBreite, int anzahl,
                            int markerBreite);

// Where the main window goes once the program runs: at the top, centred; on a screen smaller
// than the window, across the whole width, 40 px less than the height, and resizable.
struct TFensterplatz {
    QRect Rahmen;
    bool Veraenderbar = false;
};
TFensterplatz Fensterplatz(QSize bildschirm, QSize fenster);

} // namespace umbrarix
