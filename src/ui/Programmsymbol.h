#pragma once

#include <QIcon>

class QGuiApplication;

namespace umbrarix {

// The program's icon, drawn from the same SVG the desktop menu shows, at the sizes task bars
// and window titles ask for.
QIcon Programmsymbol();

// Ties the running program to its desktop entry: the name (also the X11 window class
// "Umbrarix", which the entry's StartupWMClass names), the entry's file name and the icon, so
// that task bars and docks show the program's own icon and group its window with the entry.
void AnwendungKennzeichnen(QGuiApplication& app);

} // namespace umbrarix
