// Printing: data sheet and graphics pages, and the picture of the screen.

#include "ui/Form_Haupt.h"

#include "io/Projektdatei.h"
#include "print/Druckauftrag.h"
#include "print/Seitenflaeche_Qt.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"
#include "ui/Form_Dialoge.h"
#include "ui/Rollflaeche.h"

#include <QDate>
#include <QLabel>
#include <QPrinter>

namespace umbrarix {

TDruckdaten TForm_Haupt::Druckdaten() const {
    TDruckdaten d;
    d.Projekt = ProjektErfassen();
    d.Ansprechpartner = Form_Ansprechpartner->Memo2->Zeilen();
    d.Datum = anz_Datum->text();
    d.Uhrzeit = anz_Uhrzeit->text();
    d.AnteilFenster = anz_Verschattungsanteil_f->text();
    d.AnteilTerrasse = anz_Verschattungsanteil_t->text();
    d.Simulationsdatum = anz_Simulationsdatum->text();
    d.SimulationsUhrzeit = anz_SimulationsUhrzeit->text();
    d.Ansicht3D = Image_3d->Bild();
    d.Seitenansicht = seitenansicht->Bild();
    d.Frontansicht = frontansicht->Bild();
    d.Horizontalschnitt = Horizontalschnitt->Bild();
    d.TagFenster = anz_Tagessimulation_Fenster->Bild();
    d.TagTerrasse = anz_Tagessimulation_Terrasse->Bild();
    d.JahrFenster = anz_Jahressimulation_Fenster->Bild();
    d.JahrTerrasse = anz_Jahressimulation_Terrasse->Bild();
    const QDate heute = QDate::currentDate();
    d.Heute = DatumLang(heute.year(), heute.month(), heute.day());
    return d;
}

void TForm_Haupt::AlleAnsichtenZeichnen() {
    AugenblickswerteLesen();
    const int tag = TrackBar_Datum->Position();
    const TPunkt sonne =
        Sonnenvektor(tag, Zeitpunkt_Sonnenzeit(Szene, tag, TrackBar_Uhrzeit->Position()),
                     Szene.Eingaben.anz_Breitengrad);
    for (int ansicht = 0; ansicht < 4; ++ansicht) {
        AnsichtZeichnen(sonne, ansicht);
    }
}

void TForm_Haupt::DruckenClick(QObject* sender) {
    repaint();
    plattform_.NachrichtenVerarbeiten();
    if (sender == DatenblattAusgabe1) {
        DruckenNeu(true, true);
    } else if (sender == Datenblatt1) {
        DruckenNeu(true, false);
    } else if (sender == Grafiken1) {
        DruckenNeu(false, true);
    } else if (sender == AktuellerSchirm1) {
        AktuellDruckenClick(sender);
    }
}

void TForm_Haupt::DruckenNeu(bool mitDatenblatt, bool mitGrafiken) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Umbrarix"));
    if (!plattform_.Druckdialog(this, drucker)) {
        return;
    }
    Panel_DruckvorgangLaeuft->show();
    Panel_DruckvorgangLaeuft->raise();
    plattform_.NachrichtenVerarbeiten();
    TQtSeitenflaeche seite(drucker);
    if (seite.Aktiv()) {
        Druckauftrag_Drucken(
            seite, mitDatenblatt, mitGrafiken, [this] { return Druckdaten(); },
            [this] {
                AlleAnsichtenZeichnen();
                Tagessimulation_Berechnen();
                Jahressimulation_Berechnen();
                return Druckdaten();
            });
        seite.Beenden();
    }
    // A job that failed still ends with the panel hidden and the window as it was.
    Panel_DruckvorgangLaeuft->hide();
    if (!seite.Fehler().isEmpty()) {
        plattform_.Meldung(this, seite.Fehler(), TMeldungsart::Fehler);
    }
}

void TForm_Haupt::AktuellDruckenClick(QObject*) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(titelBasis_); // the caption without the mark of unsaved changes
    if (!plattform_.Druckdialog(this, drucker)) {
        return;
    }
    repaint();
    // In 256 colours.
    const QPixmap fenster = grab();
    const QImage bild =
        fenster.copy(Schirmbereich()).toImage().convertToFormat(QImage::Format_Indexed8);
    TQtSeitenflaeche seite(drucker);
    if (seite.Aktiv()) {
        seite.Schirmbild(bild);
        seite.Beenden();
    }
    if (!seite.Fehler().isEmpty()) {
        plattform_.Meldung(this, seite.Fehler(), TMeldungsart::Fehler);
    }
}

QRect TForm_Haupt::Schirmbereich() const {
    return ScrollBox_Client->geometry().adjusted(0, -1, 0, 0);
}

} // namespace umbrarix
