#pragma once

// What the dialogs of the evaluation menu build alike.

#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace umbrarix {

// A named button that Enter in a field does not press.
QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text);

// Puts the dialog's content into a scroll area filling the dialog and sizes the dialog to the
// content, at most to the screen: on a small screen the content scrolls instead of running off.
void InhaltRollbarSetzen(QDialog& dialog, QWidget* inhalt);

} // namespace umbrarix
