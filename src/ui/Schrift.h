#pragma once

#include <QFont>

namespace umbrarix {

// The font of the main window and its dialogs: sans serif (Arial, on Linux the
// metric-compatible Liberation Sans), 10 pixels. The layout is fixed in pixels, so the font is
// too: in points it would grow with the screen's DPI setting, and at 8 points (10.7 px at
// 96 dpi) the hint text and the diagram captions need more room than their boxes give.
QFont Programmschrift();

} // namespace umbrarix
