#pragma once

// The period fields of the evaluation dialogs: Von / Bis date and Uhrzeit von / bis. Only
// dates of the 365-day year can be chosen, and the end time always lies after the start time.

#include "auswertung/Zeitraum.h"

#include <QGroupBox>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;

namespace umbrarix {

class TZeitraumfelder : public QGroupBox {
public:
    explicit TZeitraumfelder(QWidget* eltern);

    TZeitraum Zeitraum() const;
    void SetzeZeitraum(const TZeitraum& z);

    // A label for a result of the period (its object name given) in a row of its own below
    // the fields.
    QLabel* Ergebniszeile(const char* name);

    // Runs after every change of the period, also one the program makes.
    std::function<void()> BeiAenderung;

    QDateEdit *anz_VonDatum, *anz_BisDatum;
    QComboBox *anz_VonUhrzeit, *anz_BisUhrzeit;

private:
    void Geaendert(QObject* sender);
    bool setzen_ = false; // the fields are being set by the program
};

} // namespace umbrarix
