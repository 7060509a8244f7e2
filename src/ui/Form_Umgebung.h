#pragma once

// "Umgebung / Horizont": the skyline of the site as a table of points (azimuth, elevation),
// imported from a file or typed, with a picture of it over the azimuth, the facade's
// direction and the sun's path of the current day. "OK" hands the skyline to the main window;
// "Abbrechen" changes nothing.

#include "model/Umgebung.h"
#include "ui/Plattform.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace umbrarix {

class TForm_Umgebung : public QDialog {
public:
    // sonnenbahn: the sun's (azimuth, elevation) over the current day, for the picture;
    // ordner: where the import and export dialogs start.
    TForm_Umgebung(QWidget* eltern, TPlattform& plattform, const TUmgebung& umgebung,
                   double fassadenAzimut, std::vector<THorizontpunkt> sonnenbahn, QString ordner);

    // The points as the table shows them, or nothing after a German message naming the first
    // row that is not a point (empty rows are skipped).
    std::optional<TUmgebung> Punkte(QString* fehler = nullptr) const;
    // The skyline taken over with OK.
    const TUmgebung& Ergebnis() const { return ergebnis_; }

    void PunktHinzufuegenClick();
    void PunktEntfernenClick();
    void SortierenClick();
    void ImportierenClick();
    void ExportierenClick();
    void KeineUmgebungClick();
    void OkClick();

    QTableWidget* Tabelle_Punkte;
    QLabel* Image_Horizont;
    QPushButton *Button_Hinzufuegen, *Button_Entfernen, *Button_Sortieren, *Button_Importieren,
        *Button_Exportieren, *Button_KeineUmgebung, *Button_OK, *Button_Abbrechen;

private:
    void TabelleFuellen(const TUmgebung& umgebung);
    void BildZeichnen();

    TPlattform& plattform_;
    double fassadenAzimut_;
    std::vector<THorizontpunkt> sonnenbahn_;
    QString ordner_;
    TUmgebung ergebnis_;
};

} // namespace umbrarix
