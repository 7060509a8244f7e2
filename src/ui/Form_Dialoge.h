#pragma once

// The settings dialogs: colours, working folder, project description and contact person.

#include "io/Einstellungen.h"
#include "model/Farbset.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QPlainTextEdit>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace umbrarix {

// A multi-line text field that stops typing at more than 10 lines (with a beep); pasting and
// loading are not limited. Its lines are counted as the text shows them: a last empty line
// after a line end does not count.
class TZeilenfeld : public QPlainTextEdit {
public:
    TZeilenfeld(QWidget* eltern, const QString& name, TPlattform& plattform);
    std::vector<std::string> Zeilen() const;
    void SetzeZeilen(const std::vector<std::string>& zeilen);
    // Grey while it shows the stored default, black once it is changed.
    void Grau(bool grau);
    bool IstGrau() const { return grau_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    TPlattform& plattform_;
    bool grau_ = false;
};

// "Farbauswahl": seven swatches; OK takes all seven over at once, Cancel none.
class TForm_Farbauswahl : public QDialog {
public:
    TForm_Farbauswahl(QWidget* eltern, TPlattform& plattform);
    // Shows the current colours on the swatches.
    void Zeigen(const TFarbset& farben);
    // The colours of the swatches (what OK takes over).
    TFarbset Farben() const;
    // A click on a swatch: the platform's colour chooser, preset to it.
    void PanelClick(int index);

    std::array<QWidget*, 7> Panels{};
    QPushButton *BitBtn1, *BitBtn2;

private:
    TPlattform& plattform_;
    std::array<TFarbe, 7> farben_{};
};

// "Arebitsverzeichnis": the working folder for customer files, stored in "schatten.ini".
class TForm_Arbeitsverzeichnis : public QDialog {
public:
    // orte: where "schatten.ini" is read and written; startordner: the dialogs' folder
    // without a working folder. The two folders are the initial folders of the open and save
    // dialogs of project files, set by OK.
    TForm_Arbeitsverzeichnis(QWidget* eltern, TPlattform& plattform, const TEinstellungsorte& orte,
                             QString startordner, QString& oeffnenOrdner, QString& speichernOrdner);
    void Vorbereiten();  // on showing: the save dialog's folder
    void BitBtn1Click(); // OK
    void BitBtn3Click(); // browse

    QLineEdit* anz_Arbeitsverzeichnis;
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3;

private:
    TPlattform& plattform_;
    const TEinstellungsorte& orte_;
    QString startordner_;
    QString& oeffnenOrdner_;
    QString& speichernOrdner_;
};

// "Projektbeschreibung": up to 10 lines of free text in Memo1.
class TForm_Projektbeschreibung : public QDialog {
public:
    TForm_Projektbeschreibung(QWidget* eltern, TPlattform& plattform);
    TZeilenfeld* Memo1;
};

// "Ansprechpartner": the contact-person lines in Memo2 with their default "schatten.usr".
class TForm_Ansprechpartner : public QDialog {
public:
    TForm_Ansprechpartner(QWidget* eltern, TPlattform& plattform, const TEinstellungsorte& orte);
    void Button1Click(); // "Als Vorgabe speichern"
    void Button2Click(); // "Löschen"
    void Button3Click(); // "Vorgabe laden"
    // The stored default in grey, or an empty field when there is none.
    void VorgabeOderLeer();

    TZeilenfeld* Memo2;
    QPushButton *Button1, *Button2, *Button3;

private:
    TPlattform& plattform_;
    const TEinstellungsorte& orte_;
};

} // namespace umbrarix
