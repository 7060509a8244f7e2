// Creating the main window, the start-up sequence and the one-time placement with the about box.

#include "ui/Form_Haupt.h"

#include "io/Wiederherstellung.h"
#include "ui/Form_Info.h"
#include "ui/Skalen.h"
#include "views/Zeichenflaeche.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>

namespace umbrarix {

namespace {

// A scale: white, a frame over the top 5 rows and black division lines from row 7 down.
void SkalaZeichnen(TBildflaeche* skala, std::initializer_list<int> linien) {
    QImage& bild = skala->Bild();
    TZeichenflaeche z(bild);
    z.Farbe(FarbeWeiss);
    z.Rechteck(0, 0, bild.width(), bild.height());
    z.Stift(FarbeSchwarz);
    z.Pinsel(FarbeWeiss);
    z.Rechteck(0, 0, bild.width(), 5);
    for (const int x : linien) {
        z.BewegeZu(x, 7);
        z.LinieZu(x, bild.height());
    }
    skala->update();
}

} // namespace

TForm_Haupt::TForm_Haupt(TPlattform& plattform, QString programmordner, QString benutzerordner,
                         QString wiederherstellungsordner)
    : Programmordner(std::move(programmordner)), plattform_(plattform) {
    if (benutzerordner.isEmpty()) {
        benutzerordner = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/umbrarix/");
    }
    const std::string programm = Programmordner.toStdString();
    Einstellungsorte = {programm, benutzerordner.toStdString(), !ProgrammInstalliert(programm)};
    Startordner = Einstellungsorte.Tragbar && OrdnerBeschreibbar(programm)
                      ? Programmordner
                      : QDir::homePath() + QStringLiteral("/");
    Aufbauen();
    AenderungenEinrichten(wiederherstellungsordner);
    fokusVerbindung_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget* alt, QWidget* neu) { FokusWechsel(alt, neu); });
    Timer_Info->start();
}

TForm_Haupt::~TForm_Haupt() {
    // Destroying the children moves the focus; by then this window is no longer one.
    disconnect(fokusVerbindung_);
    abbau_ = true;
    // The history is cleared as it goes; the menu entries it labels may be gone already.
    disconnect(Verlauf, nullptr, this, nullptr);
}

void TForm_Haupt::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!gezeigt_) {
        gezeigt_ = true;
        FormShow();
    }
}

void TForm_Haupt::FormShow() {
    ++fokusSperre_;
    ++ohneErfassen_; // the start-up state is the clean one, not an edit
    SkalaZeichnen(Image_Datum, {0, 62, 118, 180, 240, 302, 362, 426, 488, 546, 610, 670, 729});
    SkalaZeichnen(Image_Zeit, {0,   31,  61,  91,  122, 152, 183, 213, 243, 274, 304, 334, 365,
                               395, 425, 456, 486, 517, 547, 577, 608, 638, 668, 699, 729});
    Farben = TFarbset{};
    Shape_Datum->Pinselfarbe(Farben.Interaktivfarbe);
    Shape_Zeit->Pinselfarbe(Farben.Interaktivfarbe);
    for (TFormShape* m : {shape_Himmelsrichtung, s_person, s_ueberh_innen, s_ueberh_aussen,
                          s_ueberh_volant, s_wandneigung, f_mauerlinks_oben, f_mauerlinks_unten,
                          f_mauerrechts_oben, f_mauerrechts_unten, b_mauerlinks_oben,
                          b_mauerlinks_unten, b_mauerrechts_oben, b_mauerrechts_unten}) {
        m->Stiftfarbe(Farben.Interaktivfarbe);
        m->Pinselfarbe(Farben.Interaktivfarbe);
    }
    Blick3D = T3DBlick{};
    Daten_auslesen();
    Daten_anzeigen();
    Simulation_Beenden();
    DiagrammLaeuft = false;
    CheckBox_UeberhangClick();
    Seitenknoepfe[0]->setChecked(true);
    Seiten->setCurrentIndex(0);
    TrackBar_Datum_UhrzeitChange(nullptr);
    Projektdatei = QStringLiteral("unbenannt.dat");
    EinstellungenLesen();
    --fokusSperre_;
    --ohneErfassen_;
    VerlaufBeginnen();
}

void TForm_Haupt::Timer_InfoTimer() {
    const QScreen* bildschirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (bildschirm != nullptr) {
        Fenster_Platzieren(bildschirm->geometry().size());
    }
    Timer_Info->stop();
    plattform_.NachrichtenVerarbeiten();
    plattform_.ModalZeigen(*Form_Info);
}

void TForm_Haupt::Fenster_Platzieren(QSize bildschirm) {
    const TFensterplatz platz = Fensterplatz(bildschirm, frameGeometry().size());
    if (platz.Veraenderbar) {
        // The place is the outer frame; title bar and borders come off the inner size.
        const QSize rand = frameGeometry().size() - size();
        setMinimumSize(200, 150);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(platz.Rahmen.size() - rand);
    }
    move(platz.Rahmen.topLeft());
}

} // namespace umbrarix
