#pragma once

// "Sonnenbahnen": the sun-path diagram of window or terrace with the shading mask, saved as a
// picture, the mask saved as CSV, and printed on one page.

#include "auswertung/Himmelsmaske.h"
#include "model/Szene.h"
#include "print/Druckseiten.h"
#include "ui/Plattform.h"

#include <QDialog>
#include <QImage>

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
    const THimmelsmaske& Maske() const { return maske_; }

    void BildSpeichernClick();
    void MaskeSpeichernClick();
    void DruckenClick();

    QComboBox* anz_Ziel;
    QLabel* Image_Sonnenbahnen;
    QPushButton *Button_Bild, *Button_Maske, *Button_Drucken, *Button_Schliessen;

private:
    void Zeichnen();
    void Speichern(const QString& pfad, const std::string& bytes);

    TPlattform& plattform_;
    TSzene szene_;
    TDruckdaten druck_;
    int tag_, schritt_;
    QString ordner_;
    THimmelsmaske maske_;
    QImage bild_;
};

} // namespace umbrarix
