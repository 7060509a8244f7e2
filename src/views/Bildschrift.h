#pragma once

#include <QFont>

namespace umbrarix {

// The program's typeface, "Arial" (on Linux the metric-compatible Liberation Sans), sized in
// pixels so that texts keep the room the layout gives them at any screen DPI setting.
// Grundschriftgroesse is the size of the window's and the dialogs' texts and of the labels in
// the evaluation pictures; a picture's title is larger and bold.
inline constexpr int Grundschriftgroesse = 10;

inline QFont Bildschrift(int pixel = Grundschriftgroesse, bool fett = false) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

} // namespace umbrarix
