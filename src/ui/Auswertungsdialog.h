#pragma once

// What the dialogs of the evaluation menu build alike.

#include <QString>

#include <functional>
#include <initializer_list>
#include <string>

class QBoxLayout;
class QDialog;
class QLayout;
class QPushButton;
class QWidget;

namespace umbrarix {

class TPlattform;
struct TDateiDialog;
class TSeitenflaeche;

// A named button that Enter in a field does not press.
QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text);

// The buttons in a grid of `zeilen` rows, filled column by column, then room to spare: the
// buttons' part of the row below an evaluation window's content.
void KnoepfeAnordnen(QBoxLayout* unten, std::initializer_list<QPushButton*> knoepfe, int zeilen);

// Prints one job from an evaluation window: the print dialog (the job named "Umbrarix"), the
// page drawn by seiteZeichnen, a German message when the printer or the file fails.
void SeitenDrucken(QWidget* fenster, TPlattform& plattform,
                   const std::function<void(TSeitenflaeche&)>& seiteZeichnen);

// The save dialogs of the evaluation windows' pictures (PNG) and tables (text, or CSV for a
// name ending in ".csv"), starting in ordner.
TDateiDialog BildDialog(const QString& titel, const QString& ordner);
TDateiDialog TabellenDialog(const QString& ordner);

// Asks for the file (the dialog's settings d) and writes into it what inhalt gives for its
// path; a German message when writing fails, nothing when the person cancels.
void InDateiSpeichern(QWidget* fenster, TPlattform& plattform, const TDateiDialog& d,
                      const std::function<std::string(const QString& pfad)>& inhalt);

// The widget to build the dialog's content in, for DialogAufbauen. The dialog takes the
// program's font first: a table's horizontal header keeps the font it was made with and does
// not follow a font set on the table or its parents later.
QWidget* DialogInhalt(QDialog& dialog);

// Lays the dialog out: the content in a scroll area that grows with the dialog, beside it
// (seite, may be null) and below it (unten, may be null) what must always stay in sight, such
// as the period and the buttons. The dialog opens at the content's size, at most the screen's:
// on a small screen the content scrolls, the buttons do not.
void DialogAufbauen(QDialog& dialog, QWidget* inhalt, QLayout* seite, QLayout* unten);

} // namespace umbrarix
