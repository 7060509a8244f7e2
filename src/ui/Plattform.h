#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace umbrarix {

// A file dialog's settings: caption, filter ("Daten-Dateien (*.dat);;Alle Dateien (*.*)"),
// default suffix without the dot ("" for none), initial folder and file name.
// Filters are written "Beschreibung|Muster|Beschreibung|Muster".
struct TDateiDialog {
    QString Titel;
    QString Filter;
    QString Endung;
    QString Ordner;
    QString Dateiname;
};

// The default suffix that belongs to a Qt name filter with one pattern ("CSV-Dateien (*.csv)"
// gives "csv"), or nothing for "(*.*)" and filters of several patterns.
QString EndungDesFilters(const QString& filter);

// The kind of a message box, which gives its title ("Fehler", "Information").
enum class TMeldungsart { Fehler, Information };

// Everything that waits for the person at the screen, behind one seam: the program uses the
// Qt implementation, the tests a scripted one that records what was shown and answers from a
// queue, so that no test ever blocks on a dialog.
class TPlattform {
public:
    virtual ~TPlattform() = default;

    // A message box with the text and one OK button.
    virtual void Meldung(QWidget* eltern, const QString& text, TMeldungsart art) = 0;
    // A question with the buttons given (the first the default, the last the one Escape
    // presses); returns the index of the button pressed.
    virtual int Frage(QWidget* eltern, const QString& text, const QStringList& knoepfe) = 0;
    // Shows a dialog modally; returns its result code.
    virtual int ModalZeigen(QDialog& dialog) = 0;
    // Shows a window that stays open beside the main window.
    virtual void Zeigen(QDialog& dialog) = 0;
    // Lets the toolkit handle pending window messages (paints during long loops).
    virtual void NachrichtenVerarbeiten() = 0;
    virtual void Signalton() = 0;
    // The chosen path, or an empty text when the person cancelled.
    virtual QString DateiOeffnen(QWidget* eltern, const TDateiDialog& dialog) = 0;
    virtual QString DateiSpeichern(QWidget* eltern, const TDateiDialog& dialog) = 0;
    virtual QString OrdnerWaehlen(QWidget* eltern, const QString& titel, const QString& start) = 0;
    virtual std::optional<QColor> FarbeWaehlen(QWidget* eltern, const QColor& start) = 0;
    // The print dialog: printer and its settings (or a PDF file); false when cancelled.
    virtual bool Druckdialog(QWidget* eltern, QPrinter& drucker) = 0;
};

// The real dialogs of the toolkit.
class TQtPlattform : public TPlattform {
public:
    void Meldung(QWidget* eltern, const QString& text, TMeldungsart art) override;
    int Frage(QWidget* eltern, const QString& text, const QStringList& knoepfe) override;
    int ModalZeigen(QDialog& dialog) override;
    void Zeigen(QDialog& dialog) override;
    void NachrichtenVerarbeiten() override;
    void Signalton() override;
    QString DateiOeffnen(QWidget* eltern, const TDateiDialog& dialog) override;
    QString DateiSpeichern(QWidget* eltern, const TDateiDialog& dialog) override;
    QString OrdnerWaehlen(QWidget* eltern, const QString& titel, const QString& start) override;
    std::optional<QColor> FarbeWaehlen(QWidget* eltern, const QColor& start) override;
    bool Druckdialog(QWidget* eltern, QPrinter& drucker) override;
};

} // namespace umbrarix
