// Shading tables and the VELUMORA data file.

#include "ui/Form_Haupt.h"

#include "io/CsvTabelle.h"
#include "io/Dateizugriff.h"
#include "io/Projektdatei.h"
#include "io/Velumora.h"
#include "io/Verschattungstabelle.h"

#include <QProgressBar>

namespace umbrarix {

void TForm_Haupt::VerschattungsdatenSpeichernClick(QObject* sender) {
    const struct {
        QAction* eintrag;
        TTabellenart art;
        bool terrasse;
    } varianten[] = {
        {Fenster1, TTabellenart::Tag, false},     {Terrasse1, TTabellenart::Tag, true},
        {Fenster2, TTabellenart::Jahr, false},    {Terrasse2, TTabellenart::Jahr, true},
        {Fenster3, TTabellenart::Uhrzeit, false}, {Terrasse3, TTabellenart::Uhrzeit, true}};
    SaveDialog2.Filter = QStringLiteral(
        "Daten-Dateien (*.dat)|*.dat|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*");
    SaveDialog2.Endung = QStringLiteral("dat");
    for (const auto& v : varianten) {
        if (v.eintrag != sender) {
            continue;
        }
        const QString pfad = plattform_.DateiSpeichern(this, SaveDialog2);
        if (!pfad.isEmpty()) {
            SaveDialog2.Dateiname = pfad;
            Gauge_Speichervortschritt->setValue(0);
            Panel_SpeichernLaeuft->show();
            Panel_SpeichernLaeuft->raise();
            plattform_.NachrichtenVerarbeiten();
            // The table is computed on a copy of the scene: whatever the window does while
            // it processes messages cannot mix into the values.
            AugenblickswerteLesen();
            const std::string tabelle = Verschattungstabelle(
                ProjektErfassen(), Szene, v.art, v.terrasse, TrackBar_Datum->Position(),
                TrackBar_Uhrzeit->Position(), [this](int prozent) {
                    if (Gauge_Speichervortschritt->value() != prozent) {
                        Gauge_Speichervortschritt->setValue(prozent);
                    }
                    plattform_.NachrichtenVerarbeiten();
                });
            // A name ending in ".csv" (typed, or completed by the CSV filter) asks for the
            // spreadsheet form of the same rows.
            const std::string bytes =
                IstCsvName(pfad.toStdString()) ? CsvTabelle(tabelle, v.art, v.terrasse) : tabelle;
            const std::optional<std::string> fehler = DateiSchreiben(pfad.toStdString(), bytes);
            Panel_SpeichernLaeuft->hide();
            if (fehler) {
                plattform_.Meldung(this, QString::fromStdString(*fehler), TMeldungsart::Fehler);
            }
        }
        break;
    }
    // Back to the instant the person had chosen, also after a cancel or a failure.
    ZeitpunktSimulieren();
}

void TForm_Haupt::VelumoraExportClick(QObject* sender) {
    SaveDialog_Velumora.Dateiname.clear();
    SaveDialog_Velumora.Ordner = Startordner;
    SaveDialog_Velumora.Filter = QStringLiteral("VELUMORA-Datendatei (*.dat)|*.dat");
    SaveDialog_Velumora.Endung = QStringLiteral("dat");
    const QString pfad = plattform_.DateiSpeichern(this, SaveDialog_Velumora);
    if (pfad.isEmpty()) {
        return;
    }
    const bool terrasse = sender == TerrassealsTarget1;
    if (const std::optional<std::string> fehler =
            DateiSchreiben(pfad.toStdString(), VelumoraDatei(Szene, terrasse))) {
        plattform_.Meldung(this, QString::fromStdString(*fehler), TMeldungsart::Fehler);
    }
}

} // namespace umbrarix
