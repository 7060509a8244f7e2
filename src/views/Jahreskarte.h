#pragma once

// The year overview's heat map: one column per day (365), one row per ten-minute step (144,
// 0:00 at the top), each cell coloured by its shaded share; month and hour labels, the legend
// of the scale and a mark at the current instant.

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace umbrarix {

// Where the cells lie in the picture: cell (tag 1..365, schritt 0..143) covers
// Links + (tag - 1) * ZelleBreite .. + ZelleBreite - 1 and Oben + schritt * ZelleHoehe .. .
struct TJahreskartenmasse {
    static constexpr int Links = 46;
    static constexpr int Oben = 26;
    static constexpr int ZelleBreite = 2;
    static constexpr int ZelleHoehe = 2;
    static constexpr int Breite = Links + 365 * ZelleBreite + 20;
    static constexpr int Hoehe = Oben + 144 * ZelleHoehe + 58;
};

// The cell (tag 1..365, schritt 0..143) under a point of the picture, if any.
struct TJahreskartenzelle {
    int Tag = 0, Schritt = 0;
};
std::optional<TJahreskartenzelle> JahreskartenzelleBei(int x, int y);

// Colour of a share: white (0, besonnt) through light to deep blue (1, fully shaded), a scale
// that keeps its order in grey print and for red-green colour blindness; night RGB (73, 73, 73)
// and "Sonne nicht sichtbar" RGB (128, 128, 128) as in the diagrams.
QRgb Jahreskartenfarbe(double anteil);
// A step whose sun stands behind the surroundings: earth brown, apart from the greys and the
// blues (and darker than 50 % in grey print).
inline constexpr QRgb FarbeHinterUmgebung = 0xff8c5a28;

// The picture of 365 x 144 shares (indexed (tag - 1) * 144 + schritt) with the title; the mark
// at (markeTag, markeSchritt) is left out when markeTag is 0. hinterUmgebung (same index, empty
// for an open site) marks the steps behind the surroundings, which get their own colour and a
// legend entry.
QImage Jahreskarte_Zeichnen(const std::vector<double>& anteile, const QString& titel, int markeTag,
                            int markeSchritt, const std::vector<std::uint8_t>& hinterUmgebung = {});

} // namespace umbrarix
