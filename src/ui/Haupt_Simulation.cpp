// Full day and year runs behind the diagram pages, and choosing window or terrace diagram.

#include "ui/Form_Haupt.h"

#include "shadow/Simulieren.h"
#include "simulation/Laufschritt.h"
#include "simulation/Volllauf.h"
#include "solar/Sonnenstand.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace umbrarix {

namespace {

// A button's own enabled state; a full run disables the whole window around it.
bool SelbstAktiv(const QWidget* w) {
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

} // namespace

void TForm_Haupt::VollerLauf(bool tag) {
    ++fokusSperre_;
    setEnabled(false);
    Button_SimulationAnhaltenClick();
    if (tag) {
        anz_Simulationsdatum->setText(anz_Datum->text());
    } else {
        anz_SimulationsUhrzeit->setText(anz_Uhrzeit->text());
    }
    DiagrammLaeuft = true;
    TTrackBar* bewegt = tag ? TrackBar_Uhrzeit.get() : TrackBar_Datum.get();
    TBildflaeche* fenster = tag ? anz_Tagessimulation_Fenster : anz_Jahressimulation_Fenster;
    TBildflaeche* terrasse = tag ? anz_Tagessimulation_Terrasse : anz_Jahressimulation_Terrasse;
    const int gemerkt = bewegt->Position();
    // The same run as the batch program's; the window shows each step as it goes.
    const auto schritt = [&](int position) {
        bewegt->SetzePositionStill(position);
        DatumZeitAnzeigen(nullptr);
        fenster->update();
        terrasse->update();
        plattform_.NachrichtenVerarbeiten();
    };
    AugenblickswerteLesen();
    if (tag) {
        Tageslauf(Szene, TrackBar_Datum->Position(), anz_Tagessimulation_vorlage, fenster->Bild(),
                  terrasse->Bild(), schritt);
    } else {
        Jahreslauf(Szene, TrackBar_Uhrzeit->Position(), anz_Jahressimulation_vorlage,
                   fenster->Bild(), terrasse->Bild(), schritt);
    }
    DiagrammLaeuft = false;
    bewegt->SetzePositionStill(gemerkt);
    DatumZeitAnzeigen(bewegt);
    ZeitpunktSimulieren();
    setEnabled(true);
    --fokusSperre_;
}

void TForm_Haupt::Tagessimulation_Berechnen() {
    VollerLauf(true);
}

void TForm_Haupt::Jahressimulation_Berechnen() {
    VollerLauf(false);
}

void TForm_Haupt::SpeedButton_SimulationsClick() {
    anz_Tagessimulation_Fenster->setVisible(SpeedButton_Tagessimulation_Fenster->isChecked());
    anz_Tagessimulation_Terrasse->setVisible(SpeedButton_Tagessimulation_Terrasse->isChecked());
    anz_Jahressimulation_Fenster->setVisible(SpeedButton_Jahressimulation_Fenster->isChecked());
    anz_Jahressimulation_Terrasse->setVisible(SpeedButton_Jahressimulation_Terrasse->isChecked());
}

void TForm_Haupt::Button_SimulationStartenClick(QObject* sender) {
    const bool tag = sender == Button_TagSimulationStarten;
    Simulation_Starten();
    Button_TagSimulationStarten->setEnabled(false);
    Button_JahrSimulationStarten->setEnabled(false);
    Button_TagSimulationPause->setEnabled(tag);
    Button_TagSimulationAnhalten->setEnabled(tag);
    Button_JahrSimulationPause->setEnabled(!tag);
    Button_JahrSimulationAnhalten->setEnabled(!tag);
    EigabenAktivieren(false);
    // The timer runs before the first position is set, so the first instant draws its bar.
    if (tag) {
        anz_Tagessimulation_Fenster->SetzeBild(anz_Tagessimulation_vorlage);
        anz_Tagessimulation_Terrasse->SetzeBild(anz_Tagessimulation_vorlage);
        anz_Simulationsdatum->setText(anz_Datum->text());
        TrackBar_Uhrzeit->Tag = TrackBar_Uhrzeit->Position();
        Timer_TagSimulieren->start();
        TrackBar_Uhrzeit->SetzePosition(0);
    } else {
        anz_Jahressimulation_Fenster->SetzeBild(anz_Jahressimulation_vorlage);
        anz_Jahressimulation_Terrasse->SetzeBild(anz_Jahressimulation_vorlage);
        anz_SimulationsUhrzeit->setText(anz_Uhrzeit->text());
        TrackBar_Datum->Tag = TrackBar_Datum->Position();
        Timer_JahrSimulieren->start();
        TrackBar_Datum->SetzePosition(0);
    }
}

void TForm_Haupt::Laufschritt(bool tag) {
    TTrackBar* bewegt = tag ? TrackBar_Uhrzeit.get() : TrackBar_Datum.get();
    QTimer* timer = tag ? Timer_TagSimulieren : Timer_JahrSimulieren;
    const TLaufschritt s =
        umbrarix::Laufschritt(tag ? TLaufart::Tag : TLaufart::Jahr, TrackBar_Datum->Position(),
                              TrackBar_Uhrzeit->Position(), bewegt->Tag,
                              Dezimalwert(anz_Breitengrad, Szene.Eingaben.anz_Breitengrad),
                              Szene.Laengenkorrektur, CheckBox_Sommerzeit->isChecked());
    timer->setInterval(s.Intervall);
    // At the end the saved instant is evaluated once more while the timer still runs, which
    // draws its bar again.
    bewegt->SetzePosition(s.Position);
    if (s.Ende) {
        LaufBeenden(tag);
    }
}

void TForm_Haupt::LaufBeenden(bool tag) {
    (tag ? Timer_TagSimulieren : Timer_JahrSimulieren)->stop();
    Button_TagSimulationStarten->setEnabled(true);
    Button_JahrSimulationStarten->setEnabled(true);
    for (QToolButton* b : {Button_TagSimulationPause, Button_TagSimulationAnhalten,
                           Button_JahrSimulationPause, Button_JahrSimulationAnhalten}) {
        b->setEnabled(false);
    }
    Simulation_Beenden();
    EigabenAktivieren(true);
}

void TForm_Haupt::Timer_TagSimulierenTimer() {
    Laufschritt(true);
}

void TForm_Haupt::Timer_JahrSimulierenTimer() {
    Laufschritt(false);
}

void TForm_Haupt::Button_SimulationPauseClick() {
    for (const auto& [anhalten, timer] :
         {std::pair{Button_TagSimulationAnhalten, Timer_TagSimulieren},
          std::pair{Button_JahrSimulationAnhalten, Timer_JahrSimulieren}}) {
        if (SelbstAktiv(anhalten)) {
            if (timer->isActive()) {
                timer->stop();
            } else {
                timer->start();
            }
        }
    }
}

void TForm_Haupt::Button_SimulationAnhaltenClick() {
    // Jump to the last position without a bar, then let one step find the end of the run.
    if (SelbstAktiv(Button_TagSimulationAnhalten)) {
        Timer_TagSimulieren->stop();
        TrackBar_Uhrzeit->SetzePosition(TrackBar_Uhrzeit->Maximum());
        Timer_TagSimulierenTimer();
    }
    if (SelbstAktiv(Button_JahrSimulationAnhalten)) {
        Timer_JahrSimulieren->stop();
        TrackBar_Datum->SetzePosition(TrackBar_Datum->Maximum());
        Timer_JahrSimulierenTimer();
    }
}

} // namespace umbrarix
