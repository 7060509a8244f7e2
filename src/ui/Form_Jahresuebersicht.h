#pragma once

// "Jahresübersicht": the two heat maps of the year, the monthly hours of direct sun with and
// without the shading, a period with its Beschattungsgrad, and saving and printing them.

#include "auswertung/Jahresraster.h"
#include "auswertung/Sonnenstunden.h"
#include "auswertung/Zeitraum.h"
#include "print/Druckseiten.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QImage>

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
    void Speichern(const QString& pfad, const std::string& bytes);

    TPlattform& plattform_;
    TJahresraster raster_;
    TSonnenstundenUebersicht stunden_;
    TDruckdaten druck_;
    int tag_, schritt_; // the instant the heat maps mark
    QString ordner_;
};

} // namespace umbrarix
