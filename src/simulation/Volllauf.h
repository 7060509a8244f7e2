#pragma once

#include "model/Szene.h"

#include <QImage>

#include <functional>

namespace umbrarix {

// The full day run behind the diagram page: time positions 0 to 144 (the last one stays 143,
// so 23:50 is evaluated twice) on day tag, one bar per step into both images, which start as
// copies of the template. nachSchritt, if given, runs after each step with the position.
void Tageslauf(TSzene& szene, int tag, const QImage& vorlage, QImage& fenster, QImage& terrasse,
               const std::function<void(int)>& nachSchritt = {});

// The full year run: days 1 to 365 at the fixed time position.
void Jahreslauf(TSzene& szene, int zeitposition, const QImage& vorlage, QImage& fenster,
                QImage& terrasse, const std::function<void(int)>& nachSchritt = {});

} // namespace umbrarix
