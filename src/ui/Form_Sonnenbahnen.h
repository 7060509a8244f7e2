#pragma once

// "Sonnenbahnen": the sun-path diagram of window or terrace with the shading mask, saved as a
// picture, the mask saved as CSV, and printed on one page.

#include "auswertung/Himmelsmaske.h"
#include "model/Szene.h"
#include "print/Druckseiten.h"
#include "ui/Nachfuehrung.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QImage>

#include <atomic>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace umbrarix {

class TForm_Sonnenbahnen : public QDialog {
public:
    // szene: the window's scene (copied); tag, schritt: its instant; ordner: where the save
    // dialogs start.
    TForm_Sonnenbahnen(QWidget* eltern, TPlattform& plattform, const TSzene& szene,
                       TDruckdaten druck, int tag, int schritt, QString ordner);

    // The diagram of the target shown.
    const QImage& Bild() const { return bild_; }
    // The mask of both targets (the one not shown is computed when asked for).
    const THimmelsmaske& Maske();

    // The window follows the main window's scene: the mask is computed anew on a worker and
    // drawn when done (only the newest state); the main window never waits.
    void Nachfuehren(const TSzene& szene, int tag, int schritt);
    // Where printing takes the main window's current texts from (else those of the start).
    std::function<TDruckdaten()> Druckdatenquelle;
    bool Aktuell() const;
    // Only the instant changed: the sun's mark moves, the mask stays.
    void AugenblickSetzen(int tag, int schritt);

    void BildSpeichernClick();
    void MaskeSpeichernClick();
    void DruckenClick();

    QComboBox* anz_Ziel;
    QLabel* Image_Sonnenbahnen;
    QPushButton *Button_Bild, *Button_Maske, *Button_Drucken, *Button_Schliessen;

private:
    void Zeichnen();
    // Computes the target's values when the mask lacks them: while following the scene only the
    // target shown is computed, which halves the work of every drag step.
    void ZielErgaenzen(bool terrasse);

    TPlattform& plattform_;
    TSzene szene_;
    TDruckdaten druck_;
    int tag_, schritt_;
    QString ordner_;
    THimmelsmaske maske_;
    QImage bild_;
    struct TNeu {
        TSzene Szene;
        THimmelsmaske Maske;
    };
    int neuerTag_ = 0, neuerSchritt_ = 0;
    std::atomic<bool> terrasseGezeigt_{false}; // read by the worker

    // Last: it stops its worker before anything the worker's results are shown in goes.
    std::unique_ptr<TNachfuehrung<TNeu>> nachfuehrung_;
};

} // namespace umbrarix
