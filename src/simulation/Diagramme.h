#pragma once

#include <QImage>

namespace umbrarix {

inline constexpr int DiagrammBreite = 391;
inline constexpr int DiagrammHoehe = 237;

// Empty diagrams with axes: 0 % on row 220, 100 % on row 20 (2 px per percent). The day
// diagram's value axis is column 50 with one tick per hour up to 24:00 at column 338; the year
// diagram's is column 25 with the month boundaries up to column 390.
QImage Vorlage_Tagesdiagramm();
QImage Vorlage_Jahresdiagramm();

// The bar of time position p (0..143, 10-minute steps; 0 is drawn as 24:00) in columns
// 2p + 49 and 2p + 50. anteil: shaded share 0..1, -1 night, -2 sun behind the wall.
void Tagesbalken_Zeichnen(QImage& bild, int zeitposition, double anteil);

// The bar of day d (1..365) in column d + 25.
void Jahresbalken_Zeichnen(QImage& bild, int datumsposition, double anteil);

} // namespace umbrarix
