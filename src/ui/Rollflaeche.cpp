#include "ui/Rollflaeche.h"

namespace umbrarix {

TRollflaeche::TRollflaeche(QWidget* eltern) : QScrollArea(eltern) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize TRollflaeche::sizeHint() const {
    return widget() != nullptr ? widget()->size() : QScrollArea::sizeHint();
}

} // namespace umbrarix
