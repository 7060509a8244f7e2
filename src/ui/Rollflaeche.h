#pragma once

#include <QScrollArea>

namespace umbrarix {

// The frame around the window's fixed working surface: exactly as large as the surface where
// the screen has room for it (no scroll bars), with scroll bars where a smaller window shows
// only part of it.
class TRollflaeche : public QScrollArea {
public:
    explicit TRollflaeche(QWidget* eltern);
    // The whole surface, not the scroll area's usual capped guess.
    QSize sizeHint() const override;
};

} // namespace umbrarix
