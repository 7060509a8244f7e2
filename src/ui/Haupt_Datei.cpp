// Project files ("&Neu", "&Öffnen ...", "&Speichern", "Speichern &unter ...") and the settings
// dialogs of the main window.

#include "ui/Form_Haupt.h"

#include "io/Dateizugriff.h"
#include "io/Einstellungen.h"
#include "io/Projektdatei.h"
#include "model/Eingabedaten.h"
#include "ui/Form_Dialoge.h"
#include "views/Person.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

namespace umbrarix {

namespace {

const QString ProjektFilter = QStringLiteral("Daten-Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*");

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TProjektdaten TForm_Haupt::ProjektErfassen() const {
    TProjektdaten p;
    for (const auto& [name, feld] : Spinfelder) {
        p.Felder[name.toStdString()] = feld->Text().toStdString();
    }
    p.Felder["anz_ort"] = anz_ort->text().toStdString();
    p.Felder["anz_Breitengrad"] = anz_Breitengrad->text().toStdString();
    p.Felder["anz_Laengengrad"] = anz_Laengengrad->text().toStdString();
    p.Felder["anz_Zeitzone"] = anz_Zeitzone->text().toStdString();
    p.Felder["anz_Durchgangshoehe"] = anz_Durchgangshoehe->text().toStdString();
    p.Sommerzeit = CheckBox_Sommerzeit->isChecked();
    p.Ueberhang = CheckBox_Ueberhang->isChecked();
    p.MauerLinks = CheckBox_MauerLinks->isChecked();
    p.MauerRechts = CheckBox_MauerRechts->isChecked();
    p.Beschreibung = Form_Projektbeschreibung->Memo1->Zeilen();
    p.Farben = Farben;
    p.Umgebung = Szene.Umgebung;
    return p;
}

void TForm_Haupt::ProjektAnwenden(const TProjektdaten& p) {
    projektWirdGesetzt_ = true;
    // In the order a file lists them; a field is written only when its text changes, so the
    // place name check runs exactly for the location texts that change.
    const auto setzen = [this, &p](const char* name) {
        const QString text = Q(p.Felder.at(name));
        if (TGanzzahlfeld* s = Spinfeld(QString::fromUtf8(name))) {
            if (s->Text() != text) {
                s->SetzeText(text);
            }
            return;
        }
        QLineEdit* feld = nullptr;
        for (QLineEdit* f : {anz_ort, static_cast<QLineEdit*>(anz_Breitengrad),
                             static_cast<QLineEdit*>(anz_Laengengrad),
                             static_cast<QLineEdit*>(anz_Zeitzone), anz_Durchgangshoehe}) {
            if (f->objectName() == QString::fromUtf8(name)) {
                feld = f;
            }
        }
        if (feld != nullptr && feld->text() != text) {
            feld->setText(text);
        }
    };
    for (const char* f :
         {"anz_ort", "anz_Breitengrad", "anz_Laengengrad", "anz_Zeitzone", "anz_Himmelsrichtung"}) {
        setzen(f);
    }
    for (TZahlfeld* f : {anz_Breitengrad, anz_Laengengrad, anz_Zeitzone}) {
        letzterDezimaltext_[f] = f->text();
    }
    CheckBox_Sommerzeit->setChecked(p.Sommerzeit);
    for (const char* f :
         {"anz_Fensterhoehe", "anz_Fensterbreite", "anz_Fensterabstand_Boden", "anz_Fensterneigung",
          "anz_FensterZentrierung", "anz_terrassenbreite", "anz_terrassenlaenge",
          "anz_terrassenabstand", "anz_terrassenzentrierung"}) {
        setzen(f);
    }
    CheckBox_Ueberhang->setChecked(p.Ueberhang);
    for (const char* f : {"anz_Vordachbreite", "anz_Vordachlaenge", "anz_VordachHoehe",
                          "anz_Abstand_Wand", "anz_Vordach_Neigung", "anz_VolantHoehe",
                          "anz_Durchgangshoehe", "anz_Vordachzentrierung"}) {
        setzen(f);
    }
    CheckBox_MauerLinks->setChecked(p.MauerLinks);
    for (const char* f : {"anz_ml_ausfall", "anz_ml_hoehe", "anz_ml_bodenabstand",
                          "anz_ml_wandabstand", "anz_ml_AbstandFenstermitte"}) {
        setzen(f);
    }
    CheckBox_MauerRechts->setChecked(p.MauerRechts);
    for (const char* f : {"anz_mr_Ausfall", "anz_mr_hoehe", "anz_mr_bodenabstand",
                          "anz_mr_wandabstand", "anz_mr_abstandFenstermitte"}) {
        setzen(f);
    }
    // Without the overhang the valance is off, and a valance switched off has height 0.
    if (!p.Ueberhang) {
        anz_VolantHoehe->SetzeText(QStringLiteral("0"));
    }
    Farben = p.Farben;
    Szene.Umgebung = p.Umgebung;
    Form_Projektbeschreibung->Memo1->SetzeZeilen(p.Beschreibung);
    projektWirdGesetzt_ = false;
}

void TForm_Haupt::EinstellungenLesen() {
    const std::string ordner = Einstellungsorte.Leseordner(EinstellungsdateiName);
    if (const std::optional<std::string> arbeitsordner = ArbeitsverzeichnisLesen(ordner)) {
        Opendialog1.Ordner = Q(*arbeitsordner);
        SaveDialog1.Ordner = Q(*arbeitsordner);
    } else {
        Opendialog1.Ordner = Startordner;
        SaveDialog1.Ordner = Startordner;
    }
    SaveDialog2.Ordner = Startordner;
    Form_Ansprechpartner->VorgabeOderLeer();
}

void TForm_Haupt::Neu1Click() {
    if (!AenderungenSichern()) {
        return;
    }
    ++fokusSperre_;
    ++ohneErfassen_;
    for (const auto& [name, feld] : Spinfelder) {
        feld->SetzeText(QString::number(feld->Tag()));
    }
    anz_ort->setText(QStringLiteral("Köln"));
    for (const TDezimalfeld& d : Dezimalfelder()) {
        TZahlfeld* feld = d.Name == "anz_Breitengrad"   ? anz_Breitengrad
                          : d.Name == "anz_Laengengrad" ? anz_Laengengrad
                                                        : anz_Zeitzone;
        feld->setText(QString::fromUtf8(d.Vorgabe.data(), static_cast<int>(d.Vorgabe.size())));
        letzterDezimaltext_[feld] = feld->text();
    }
    anz_ort->setText(QStringLiteral("Köln"));
    Farben = TFarbset{};
    Szene.Umgebung = {};
    // The valance height keeps its default while the switches change.
    projektWirdGesetzt_ = true;
    CheckBox_Ueberhang->setChecked(true);
    CheckBox_Volant->setChecked(true);
    CheckBox_MauerLinks->setChecked(false);
    CheckBox_MauerRechts->setChecked(false);
    projektWirdGesetzt_ = false;
    s_person->move(PersonStartLinks, s_person->y());
    TrackBar_Uhrzeit->SetzePosition(72);
    TrackBar_Datum->SetzePosition(172);
    TitelSetzen(QStringLiteral("Umbrarix"));
    Projektdatei = QStringLiteral("unbenannt.dat");
    for (TDateiDialog* d : {&SaveDialog1, &SaveDialog2, &Opendialog1}) {
        d->Dateiname.clear();
        d->Ordner = Startordner;
    }
    Form_Projektbeschreibung->Memo1->clear();
    Form_Ansprechpartner->VorgabeOderLeer();
    EndeDimensionAendern(anz_Vordachlaenge);
    --ohneErfassen_;
    --fokusSperre_;
    VerlaufBeginnen();
}

void TForm_Haupt::ffnen1Click() {
    if (!AenderungenSichern()) {
        return;
    }
    Opendialog1.Filter = ProjektFilter;
    Opendialog1.Endung.clear();
    const QString pfad = plattform_.DateiOeffnen(this, Opendialog1);
    if (pfad.isEmpty()) {
        return;
    }
    ProjektOeffnen(pfad);
}

void TForm_Haupt::ProjektOeffnen(const QString& pfad) {
    // The whole file is read before anything changes; a file that cannot be read changes
    // nothing, not even the current file name that a later save would write to.
    const TDateiinhalt inhalt = DateiLesen(pfad.toStdString());
    if (!inhalt.Gelesen) {
        plattform_.Meldung(this, Q(inhalt.Fehler), TMeldungsart::Fehler);
        return;
    }
    const TProjektLesen gelesen = ProjektdateiLesen(inhalt.Bytes, ProjektErfassen());
    if (!gelesen.Gelesen) {
        plattform_.Meldung(this, Q(gelesen.Fehler), TMeldungsart::Fehler);
        return;
    }
    ++fokusSperre_;
    ++ohneErfassen_;
    Projektdatei = pfad;
    ProjektAnwenden(gelesen.Daten);
    EndeDimensionAendern(anz_Vordachlaenge);
    const QFileInfo info(pfad);
    SaveDialog1.Dateiname = pfad;
    SaveDialog1.Ordner = info.absolutePath() + QStringLiteral("/");
    TitelSetzen(QStringLiteral("Umbrarix - ") + info.fileName());
    --ohneErfassen_;
    --fokusSperre_;
    VerlaufBeginnen();
    if (!gelesen.Hinweis.empty()) {
        plattform_.Meldung(this, Q(gelesen.Hinweis), TMeldungsart::Information);
    }
}

bool TForm_Haupt::ProjektSpeichern(const QString& pfad, bool nachAnderemFragen) {
    if (const std::optional<std::string> fehler =
            DateiSchreiben(pfad.toStdString(), ProjektdateiSchreiben(ProjektErfassen()))) {
        QString text = Q(*fehler);
        if (nachAnderemFragen) {
            // An opened file may lie where it cannot be written (the installed example).
            text = QStringLiteral("„%1“ kann nicht gespeichert werden: %2.\n\n"
                                  "Speichern Sie das Projekt mit „Speichern unter ...“ unter "
                                  "einem anderen Namen oder in einem anderen Ordner.")
                       .arg(QDir::toNativeSeparators(pfad), text);
        }
        plattform_.Meldung(this, text, TMeldungsart::Fehler);
        return false;
    }
    return true;
}

void TForm_Haupt::Speichern1Click() {
    ProjektSichern();
}

bool TForm_Haupt::ProjektSichern() {
    if (Projektdatei.isEmpty() || Projektdatei == QStringLiteral("unbenannt.dat")) {
        return ProjektSpeichernUnter();
    }
    if (!ProjektSpeichern(Projektdatei, true)) {
        return false;
    }
    AlsGespeichertMerken();
    return true;
}

void TForm_Haupt::Sperichernunter1Click() {
    ProjektSpeichernUnter();
}

bool TForm_Haupt::ProjektSpeichernUnter() {
    SaveDialog1.Filter = ProjektFilter;
    SaveDialog1.Endung = QStringLiteral("dat");
    const QString pfad = plattform_.DateiSpeichern(this, SaveDialog1);
    if (pfad.isEmpty()) {
        return false;
    }
    // The project takes the new name only once its file exists, so that the caption never
    // names a file that was not written and "&Speichern" keeps to the last good one.
    if (!ProjektSpeichern(pfad)) {
        return false;
    }
    Projektdatei = pfad;
    TitelSetzen(QStringLiteral("Umbrarix - ") + QFileInfo(pfad).fileName());
    AlsGespeichertMerken();
    return true;
}

void TForm_Haupt::Farbauswahl1Click() {
    Form_Farbauswahl->Zeigen(Farben);
    if (plattform_.ModalZeigen(*Form_Farbauswahl) == QDialog::Accepted) {
        Farben = Form_Farbauswahl->Farben();
    }
    ZeichneKompass();
    Simulation_Beenden();
    TrackBar_Datum_UhrzeitChange(nullptr);
}

void TForm_Haupt::Arbeitsverzeichnis1Click() {
    Form_Arbeitsverzeichnis->Vorbereiten();
    plattform_.ModalZeigen(*Form_Arbeitsverzeichnis);
}

void TForm_Haupt::Projektbeschreibung1Click() {
    plattform_.ModalZeigen(*Form_Projektbeschreibung);
    AenderungErfassen();
}

void TForm_Haupt::Ansprechpartner1Click() {
    plattform_.ModalZeigen(*Form_Ansprechpartner);
}

} // namespace umbrarix
