#pragma once

// "Jahresübersicht": the two heat maps of the year, the monthly hours of direct sun with and
// without the shading, a period with its Beschattungsgrad, and saving and printing them.

#include "auswertung/Jahresraster.h"
#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "print/Druckseiten.h"
#include "ui/Nachfuehrung.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace umbrarix {
class TZeitraumfelder;
}

namespace umbrarix {

class TForm_Jahresuebersicht : public QDialog {
public:
    // raster: the evaluated grid; druck: project texts and date footer of the window; the mark
    // stands at (tag, schritt); ordner: where the save dialogs start.
    TForm_Jahresuebersicht(QWidget* eltern, TPlattform& plattform, TJahresraster raster,
                           TDruckdaten druck, int tag, int schritt, QString ordner);

    // The period as the fields show it.
    TZeitraum Zeitraum() const;
    void SetzeZeitraum(const TZeitraum& z);

    // The window follows the main window's scene: the grid is computed anew on a worker and
    // shown when done (only the newest state); the main window never waits.
    void Nachfuehren(const TSzene& szene, int tag, int schritt);
    // Where printing takes the main window's current texts from (else those of the start).
    std::function<TDruckdaten()> Druckdatenquelle;
    // True when the newest scene handed over is the one shown.
    bool Aktuell() const;
    void RasterSetzen(TJahresraster raster, int tag, int schritt);
    // Only the instant changed: the marks move, the grid stays.
    void AugenblickSetzen(int tag, int schritt);

    // The tooltip of a heat map at a point of its picture: date, time and share, or empty.
    QString Kartenhinweis(bool terrasse, QPoint punkt) const;

    // The buttons' actions.
    void BildSpeichernClick(bool terrasse);
    void TabelleSpeichernClick();
    void DruckenClick();

    QImage BildFenster, BildTerrasse;
    QLabel *Image_Fenster, *Image_Terrasse;
    QTableWidget* Tabelle_Sonnenstunden;
    TZeitraumfelder* Zeitraumfelder;
    QDateEdit *anz_VonDatum, *anz_BisDatum; // the fields of Zeitraumfelder
    QComboBox *anz_VonUhrzeit, *anz_BisUhrzeit;
    QLabel *anz_Beschattungsgrad_f, *anz_Beschattungsgrad_t;
    QPushButton *Button_BildFenster, *Button_BildTerrasse, *Button_Tabelle, *Button_Drucken,
        *Button_Schliessen;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Called on every change of the period: shows the Beschattungsgrad at once.
    void ZeitraumGeaendert();
    void TabelleFuellen();

    TPlattform& plattform_;
    TJahresraster raster_;
    TSonnenstundenUebersicht stunden_;
    TDruckdaten druck_;
    int tag_, schritt_; // the instant the heat maps mark
    QString ordner_;
    int neuerTag_ = 0, neuerSchritt_ = 0; // the instant of the newest scene handed over
    // Last: it stops its worker before anything the worker's results are shown in goes.
    std::unique_ptr<TNachfuehrung<TJahresraster>> nachfuehrung_;
};

} // namespace umbrarix
