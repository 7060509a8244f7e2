#include "ui/Schrift.h"

namespace umbrarix {

QFont Programmschrift() {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(10);
    return schrift;
}

} // namespace umbrarix
