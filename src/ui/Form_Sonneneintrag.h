#pragma once

// "Sonneneintrag": the solar energy on window or terrace over a weather year, with and without
// the shading, as a monthly chart and table, a period with its Abminderung, saved and printed.
// The window stays open beside the main window and follows every change of the scene.

#include "auswertung/Sonneneintrag.h"
#include "auswertung/Wetterjahr.h"
#include "io/Einstellungen.h"
#include "model/Szene.h"
#include "print/Druckseiten.h"
#include "ui/Nachfuehrung.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace umbrarix {

class TZeitraumfelder;

class TForm_Sonneneintrag : public QDialog {
public:
    // szene: the window's scene (copied); orte: where the weather file chosen last is
    // remembered; ordner: where the save dialogs start. The weather file chosen last is read
    // at once and the year computed on a worker.
    TForm_Sonneneintrag(QWidget* eltern, TPlattform& plattform, const TSzene& szene,
                        TDruckdaten druck, const TEinstellungsorte& orte, QString ordner);

    // The scene changed: computed anew on the worker (only the newest state is shown).
    void Nachfuehren(const TSzene& szene);
    // True when what the window shows belongs to the newest scene, file, target and albedo.
    bool Aktuell() const;
    std::function<TDruckdaten()> Druckdatenquelle;

    // Reads the weather file; a German message and nothing changed when it cannot be read.
    bool WetterdateiLaden(const QString& pfad);

    void WetterdateiClick();
    void BildSpeichernClick();
    void TabelleSpeichernClick();
    void DruckenClick();

    // The result shown, if any.
    const std::optional<TSonneneintrag>& Eintrag() const { return eintrag_; }
    const QImage& Bild() const { return bild_; }

    QLabel *Label_Wetterdatei, *Label_Zustand, *Image_Diagramm;
    QPushButton* Button_Wetterdatei;
    QComboBox* anz_Ziel;
    QDoubleSpinBox* anz_Albedo;
    QTableWidget* Tabelle_Sonneneintrag;
    TZeitraumfelder* Zeitraumfelder;
    QLabel *anz_Abminderung, *anz_AbminderungTeile, *anz_Ortshinweis;
    QPushButton *Button_Bild, *Button_Tabelle, *Button_Drucken, *Button_Schliessen;

private:
    // What the worker computes, taken under the lock when a computation starts.
    struct TFrage {
        std::shared_ptr<const TWetterjahr> Wetter;
        QString Wettername;
        bool Terrasse = false;
        double Albedo = AlbedoVorgabe;
    };
    struct TNeu {
        TSonneneintrag Eintrag;
        QString Wettername;
    };
    // The weather year the window computes with from now on, and the file it came from.
    void WetterSetzen(TWetterjahr wetter, const QString& pfad);
    void FrageGeaendert();
    void Anzeigen(TNeu neu);
    void ZeitraumGeaendert();
    void KnoepfeSetzen();

    TPlattform& plattform_;
    TSzene szene_;
    TDruckdaten druck_;
    const TEinstellungsorte& orte_;
    QString ordner_;
    mutable std::mutex frageSperre_;
    TFrage frage_;
    std::optional<TSonneneintrag> eintrag_;
    QString wettername_; // of the result shown
    QImage bild_;
    // Last: it stops its worker before anything the worker's results are shown in goes.
    std::unique_ptr<TNachfuehrung<TNeu>> nachfuehrung_;
};

} // namespace umbrarix
