#pragma once

// "Markise dimensionieren": the question (target, period, required Beschattungsgrad, the
// candidate ranges), the scan over the candidates with a chart and a table, the proposal.
// "Übernehmen" closes with the proposal for the main window to take over; "Abbrechen" changes
// nothing.

#include "auswertung/Dimensionierung.h"
#include "ui/Plattform.h"
#include "views/Dimensionierungsdiagramm.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace umbrarix {

class TZeitraumfelder;

class TForm_Dimensionierung : public QDialog {
public:
    // szene: the window's scene as an evaluation would read it (it is only copied).
    TForm_Dimensionierung(QWidget* eltern, TPlattform& plattform, const TSzene& szene);

    // The question as the fields show it.
    TDimensionierungsfrage Frage() const;
    // Runs the scan (with a progress bar and a cancel button when it takes longer than a
    // blink) and shows its result; a cancelled scan leaves the last result standing.
    void BerechnenClick();
    // The candidate to take over: the proposal, or the best one when none reaches the
    // requirement; nothing before a scan.
    std::optional<TKandidat> Vorschlag() const;

    QComboBox* anz_Ziel;
    TZeitraumfelder* Zeitraumfelder;
    QDoubleSpinBox* anz_Mindestgrad;
    QSpinBox *anz_AusfallVon, *anz_AusfallBis, *anz_AusfallSchritt;
    QCheckBox *CheckBox_Breite, *CheckBox_Neigung;
    QSpinBox *anz_BreiteVon, *anz_BreiteBis, *anz_BreiteSchritt;
    QSpinBox *anz_NeigungVon, *anz_NeigungBis, *anz_NeigungSchritt;
    QLabel *anz_Kandidatenzahl, *Image_Diagramm, *anz_Vorschlag;
    QTableWidget* Tabelle_Kandidaten;
    QProgressBar* Gauge_Fortschritt;
    QPushButton *Button_Berechnen, *Button_Rechenabbruch, *Button_Uebernehmen, *Button_Abbrechen;
    QImage Diagramm;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FrageGeaendert();
    void ErgebnisZeigen();
    void DiagrammZeichnen(); // at the size of its place
    void SpaltenVerteilen(); // the table's columns fill its width

    TPlattform& plattform_;
    TSzene szene_;
    std::optional<TDimensionierung> ergebnis_;
    bool abgebrochen_ = false;         // the last scan was cancelled
    TDimensionierungsfrage gerechnet_; // the question of ergebnis_
    bool abbrechen_ = false;
    std::vector<TDiagrammkurve> kurven_; // of the answer shown
    std::optional<std::pair<double, double>> markiert_;
};

} // namespace umbrarix
