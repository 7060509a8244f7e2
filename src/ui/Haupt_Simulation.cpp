// Full day and year runs behind the diagram pages, and choosing window or terrace diagram.

#include "ui/Form_Haupt.h"

#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace umbrarix {

void TForm_Haupt::VollerLauf(bool tag) {
    ++fokusSperre_;
    setEnabled(false);
    Button_SimulationAnhaltenClick();
    TBildflaeche* fenster = tag ? anz_Tagessimulation_Fenster : anz_Jahressimulation_Fenster;
    TBildflaeche* terrasse = tag ? anz_Tagessimulation_Terrasse : anz_Jahressimulation_Terrasse;
    const QImage& vorlage = tag ? anz_Tagessimulation_vorlage : anz_Jahressimulation_vorlage;
    fenster->SetzeBild(vorlage);
    terrasse->SetzeBild(vorlage);
    if (tag) {
        anz_Simulationsdatum->setText(anz_Datum->text());
    } else {
        anz_SimulationsUhrzeit->setText(anz_Uhrzeit->text());
    }
    DiagrammLaeuft = true;
    TTrackBar* bewegt = tag ? TrackBar_Uhrzeit.get() : TrackBar_Datum.get();
    const int gemerkt = bewegt->Position();
    const int von = tag ? 0 : 1, bis = tag ? 144 : 365;
    for (int schritt = von; schritt <= bis; ++schritt) {
        // Each step is evaluated once, here, so that each bar is drawn exactly once.
        bewegt->SetzePositionStill(schritt);
        DatumZeitAnzeigen(nullptr);
        ZeitpunktSimulieren();
        plattform_.NachrichtenVerarbeiten();
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

void TForm_Haupt::Button_SimulationAnhaltenClick() {
    // The animated runs come with their own stepping; with none active there is nothing to stop.
    if (!Button_TagSimulationAnhalten->isEnabled() && !Button_JahrSimulationAnhalten->isEnabled()) {
        return;
    }
}

} // namespace umbrarix
