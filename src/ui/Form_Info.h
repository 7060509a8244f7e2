#pragma once

#include <QDialog>

namespace umbrarix {

// The about box: title, version text; closed by its button or by a click anywhere in it.
class TForm_Info : public QDialog {
public:
    explicit TForm_Info(QWidget* eltern);

protected:
    void mousePressEvent(QMouseEvent*) override;
};

} // namespace umbrarix
