// Protecting the user's work: whether the project differs from its file, the question before
// it would be thrown away, undo and redo of every edit, and the recovery copy that a crash
// leaves for the next start.

#include "ui/Form_Haupt.h"

#include "io/Abschnitte.h"
#include "io/Projektdatei.h"
#include "io/Wiederherstellung.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>

#include <ctime>
#include <utility>

namespace umbrarix {

namespace {

// One edit: the project before and after it, as the project file holds it.
class TSchritt : public QUndoCommand {
public:
    TSchritt(TForm_Haupt& fenster, TProjektdaten vorher, TProjektdaten nachher, const QString& text)
        : QUndoCommand(text), fenster_(fenster), vorher_(std::move(vorher)),
          nachher_(std::move(nachher)) {}
    void undo() override { fenster_.StandSetzen(vorher_); }
    void redo() override {
        // Pushed after the edit happened: the first redo has nothing to do.
        if (erstesMal_) {
            erstesMal_ = false;
            return;
        }
        fenster_.StandSetzen(nachher_);
    }

private:
    TForm_Haupt& fenster_;
    TProjektdaten vorher_, nachher_;
    bool erstesMal_ = true;
};

QString OhneDoppelpunkt(std::string_view t) {
    QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    return s.endsWith(u':') ? s.chopped(1) : s;
}

// "Ausfall", or "Ausfall (Mauervorsprung links)" for a field outside the overhang.
QString Feldname(const std::string& feld) {
    if (feld == "anz_Himmelsrichtung") {
        return QStringLiteral("Himmelsrichtung");
    }
    for (const TAbschnitt* a : {&AbschnittUeberhang, &AbschnittFenster, &AbschnittTerrasse,
                                &AbschnittMauerLinks, &AbschnittMauerRechts}) {
        for (const TFeldzeile& z : a->Zeilen) {
            if (z.Feld == feld) {
                return a == &AbschnittUeberhang
                           ? OhneDoppelpunkt(z.Label)
                           : OhneDoppelpunkt(z.Label) + QStringLiteral(" (") +
                                 OhneDoppelpunkt(a->Ueberschrift) + QStringLiteral(")");
            }
        }
    }
    return QStringLiteral("Maße");
}

// What an edit did, for "Rückgängig: ..." and "Wiederholen: ...".
QString Schrittname(const TProjektdaten& a, const TProjektdaten& b) {
    const auto schalter = [](const char* name, bool an) {
        return QString::fromUtf8(name) +
               (an ? QStringLiteral(" einschalten") : QStringLiteral(" ausschalten"));
    };
    if (a.Ueberhang != b.Ueberhang) {
        return schalter("Überhang / Markise", b.Ueberhang);
    }
    if (a.MauerLinks != b.MauerLinks) {
        return schalter("Mauervorsprung links", b.MauerLinks);
    }
    if (a.MauerRechts != b.MauerRechts) {
        return schalter("Mauervorsprung rechts", b.MauerRechts);
    }
    if (a.Sommerzeit != b.Sommerzeit) {
        return schalter("Sommerzeit", b.Sommerzeit);
    }
    std::vector<std::string> felder;
    bool ort = false;
    for (const auto& [name, text] : b.Felder) {
        const auto it = a.Felder.find(name);
        if (name == "anz_Durchgangshoehe" || (it != a.Felder.end() && it->second == text)) {
            continue; // the clearance follows the valance
        }
        const bool standort = name == "anz_ort" || name == "anz_Breitengrad" ||
                              name == "anz_Laengengrad" || name == "anz_Zeitzone";
        ort = ort || standort;
        if (!standort) {
            felder.push_back(name);
        }
    }
    if (felder.size() == 1 && !ort) {
        return Feldname(felder.front()) + QStringLiteral(" ändern");
    }
    if (ort && felder.empty()) {
        return QStringLiteral("Standort ändern");
    }
    if (!felder.empty() || ort) {
        return QStringLiteral("Maße ändern");
    }
    if (!(a.Farben == b.Farben)) {
        return QStringLiteral("Farben ändern");
    }
    if (a.Beschreibung != b.Beschreibung) {
        return QStringLiteral("Projektbeschreibung ändern");
    }
    if (!(a.Umgebung == b.Umgebung)) {
        return QStringLiteral("Umgebung ändern");
    }
    return QStringLiteral("Ändern");
}

constexpr int Sicherungsabstand = 30000; // ms between two recovery copies at most

} // namespace

void TForm_Haupt::AenderungenEinrichten(const QString& wiederherstellungsordner) {
    Verlauf = new QUndoStack(this);
    Verlauf->setUndoLimit(1000);
    const auto beschriften = [this] {
        const bool laeuft = SimulationLaeuft || DiagrammLaeuft;
        Rueckgaengig1->setEnabled(Verlauf->canUndo() && !laeuft);
        Wiederholen1->setEnabled(Verlauf->canRedo() && !laeuft);
        Rueckgaengig1->setText(Verlauf->canUndo()
                                   ? QStringLiteral("&Rückgängig: ") + Verlauf->undoText()
                                   : QStringLiteral("&Rückgängig"));
        Wiederholen1->setText(Verlauf->canRedo()
                                  ? QStringLiteral("&Wiederholen: ") + Verlauf->redoText()
                                  : QStringLiteral("&Wiederholen"));
    };
    VerlaufBeschriften = beschriften;
    connect(Verlauf, &QUndoStack::indexChanged, this, beschriften);
    connect(Rueckgaengig1, &QAction::triggered, this, [this] {
        if (!SimulationLaeuft && !DiagrammLaeuft) {
            Verlauf->undo();
        }
    });
    connect(Wiederholen1, &QAction::triggered, this, [this] {
        if (!SimulationLaeuft && !DiagrammLaeuft) {
            Verlauf->redo();
        }
    });
    beschriften();

    const QString ordner =
        !wiederherstellungsordner.isEmpty()
            ? wiederherstellungsordner
            : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/umbrarix/wiederherstellung/");
    wiederherstellung_ = std::make_unique<TWiederherstellung>(ordner.toStdString());
    Timer_Wiederherstellung = new QTimer(this);
    Timer_Wiederherstellung->setInterval(Sicherungsabstand);
    connect(Timer_Wiederherstellung, &QTimer::timeout, this,
            [this] { WiederherstellungSichern(); });
    Timer_Wiederherstellung->start();
}

std::string TForm_Haupt::Projektbytes() const {
    return ProjektdateiSchreiben(ProjektErfassen());
}

bool TForm_Haupt::Geaendert() const {
    return Projektbytes() != gespeicherteBytes_;
}

void TForm_Haupt::TitelSetzen(const QString& basis) {
    titelBasis_ = basis;
    setWindowTitle(basis + QStringLiteral("[*]"));
}

QString TForm_Haupt::Titel() const {
    return titelBasis_ + (isWindowModified() ? QStringLiteral("*") : QString());
}

void TForm_Haupt::ZustandAnzeigen() {
    setWindowModified(Geaendert());
}

void TForm_Haupt::VerlaufBeginnen() {
    Verlauf->clear();
    letzterStand_ = ProjektErfassen();
    gespeicherteBytes_ = ProjektdateiSchreiben(letzterStand_);
    ZustandAnzeigen();
    wiederherstellung_->Entfernen();
    letzteKopie_.clear();
}

void TForm_Haupt::AlsGespeichertMerken() {
    gespeicherteBytes_ = Projektbytes();
    ZustandAnzeigen();
    wiederherstellung_->Entfernen();
    letzteKopie_.clear();
}

void TForm_Haupt::AenderungErfassen(const QString& name) {
    if (abbau_ || !gezeigt_ || Verlauf == nullptr || ohneErfassen_ > 0) {
        return;
    }
    if (ziehen_) {
        ziehenGeaendert_ = true; // one step when the button comes up
        return;
    }
    // One handler can run others (a valance height switches the valance on, which evaluates
    // again): the step is taken once the whole action is done.
    if (!name.isEmpty()) {
        erfassenName_ = name;
    }
    ZustandAnzeigen();
    if (!erfassenGeplant_) {
        erfassenGeplant_ = true;
        QTimer::singleShot(0, this, [this] { AenderungJetztErfassen(); });
    }
}

void TForm_Haupt::AenderungJetztErfassen() {
    const QString name = std::exchange(erfassenName_, QString());
    erfassenGeplant_ = false;
    if (abbau_ || ohneErfassen_ > 0 || ziehen_) {
        return;
    }
    TProjektdaten jetzt = ProjektErfassen();
    if (!(jetzt == letzterStand_)) {
        const QString text = name.isEmpty() ? Schrittname(letzterStand_, jetzt) : name;
        TProjektdaten vorher = std::move(letzterStand_);
        letzterStand_ = jetzt;
        Verlauf->push(new TSchritt(*this, std::move(vorher), std::move(jetzt), text));
    }
    ZustandAnzeigen();
}

void TForm_Haupt::ZiehenBegonnen(const TFormShape* griff) {
    ziehen_ = true;
    ziehenGeaendert_ = false;
    // The step is named after the element whose handle it is.
    const QString n = griff->objectName();
    const std::pair<const char*, const char*> elemente[] = {
        {"volant", "Volant ziehen"},
        {"ueberh", "Überhang / Markise ziehen"},
        {"fenster", "Fenster ziehen"},
        {"terrasse", "Terrasse ziehen"},
        {"mauerlinks", "Mauervorsprung links ziehen"},
        {"mauerLinks", "Mauervorsprung links ziehen"},
        {"mauerrechts", "Mauervorsprung rechts ziehen"},
        {"mauerRechts", "Mauervorsprung rechts ziehen"},
        {"wandneigung", "Wandneigung ziehen"},
        {"Himmelsrichtung", "Himmelsrichtung ziehen"},
    };
    ziehname_.clear();
    for (const auto& [teil, name] : elemente) {
        if (n.contains(QString::fromUtf8(teil))) {
            ziehname_ = QString::fromUtf8(name);
            break;
        }
    }
}

void TForm_Haupt::ZiehenBeendet() {
    if (!ziehen_) {
        return;
    }
    ziehen_ = false;
    const bool geaendert = ziehenGeaendert_;
    ziehenGeaendert_ = false;
    if (!geaendert) {
        return;
    }
    AenderungErfassen(ziehname_);
    // A drag after a pause is saved for recovery at once rather than at the next tick.
    if (uhrKopie_.isValid() && uhrKopie_.elapsed() >= Sicherungsabstand) {
        WiederherstellungSichern();
    }
}

void TForm_Haupt::StandSetzen(const TProjektdaten& p) {
    ++ohneErfassen_;
    ++fokusSperre_;
    ProjektAnwenden(p);
    EndeDimensionAendern(anz_Vordachlaenge);
    ZeichneKompass();
    Simulation_Beenden();
    TrackBar_Datum_UhrzeitChange(nullptr);
    // The clearance is shown, not read: after a drag it came from the unrounded outline,
    // which the rounded fields do not give back; the step restores it as it was.
    if (const auto it = p.Felder.find("anz_Durchgangshoehe"); it != p.Felder.end()) {
        anz_Durchgangshoehe->setText(QString::fromStdString(it->second));
    }
    --fokusSperre_;
    --ohneErfassen_;
    letzterStand_ = ProjektErfassen();
    ZustandAnzeigen();
}

bool TForm_Haupt::AenderungenSichern() {
    if (!Geaendert()) {
        return true;
    }
    const QString name = QFileInfo(Projektdatei).fileName();
    const int antwort = plattform_.Frage(
        this,
        QStringLiteral("Die Änderungen an „%1“ wurden nicht gespeichert. Möchten Sie sie "
                       "speichern?")
            .arg(name),
        {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"), QStringLiteral("Abbrechen")});
    if (antwort == 0) {
        return ProjektSichern();
    }
    return antwort == 1;
}

void TForm_Haupt::closeEvent(QCloseEvent* e) {
    if (!AenderungenSichern()) {
        e->ignore();
        return;
    }
    wiederherstellung_->Entfernen();
    e->accept();
}

void TForm_Haupt::BefehlszeileOeffnen(const QString& pfad) {
    if (AenderungenSichern()) {
        ProjektOeffnen(pfad);
    }
}

void TForm_Haupt::WiederherstellungSichern() {
    if (!Geaendert()) {
        return;
    }
    const std::string bytes = Projektbytes();
    if (bytes == letzteKopie_) {
        return;
    }
    if (!wiederherstellung_->Sichern(bytes, Projektdatei.toStdString(), std::time(nullptr))) {
        letzteKopie_ = bytes;
        uhrKopie_.start();
    }
}

void TForm_Haupt::WiederherstellungAnbieten() {
    for (const TVerwaisteKopie& k : wiederherstellung_->VerwaisteSuchen()) {
        const TProjektLesen gelesen =
            k.Lesbar ? ProjektdateiLesen(k.Bytes, ProjektErfassen()) : TProjektLesen{};
        if (!gelesen.Gelesen) {
            wiederherstellung_->Beiseitelegen(k);
            plattform_.Meldung(
                this,
                QStringLiteral("Eine Wiederherstellungskopie ist beschädigt und wurde "
                               "beiseitegelegt: %1")
                    .arg(QString::fromStdString(k.Kopie + ".beschaedigt")),
                TMeldungsart::Fehler);
            continue;
        }
        const QString original = QString::fromStdString(k.Originalpfad);
        const QString zeit = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(k.Zeit))
                                 .toString(QStringLiteral("HH:mm"));
        const int antwort = plattform_.Frage(
            this,
            QStringLiteral("Umbrarix wurde nicht ordnungsgemäß beendet. Soll der Stand von „%1“ "
                           "von %2 Uhr wiederhergestellt werden?")
                .arg(QFileInfo(original).fileName(), zeit),
            {QStringLiteral("Ja"), QStringLiteral("Nein")});
        if (antwort != 0) {
            wiederherstellung_->Verwerfen(k);
            continue;
        }
        if (!AenderungenSichern()) {
            continue; // the copy stays for the next start
        }
        ++fokusSperre_;
        ProjektAnwenden(gelesen.Daten);
        EndeDimensionAendern(anz_Vordachlaenge);
        Projektdatei = original;
        const QFileInfo info(original);
        SaveDialog1.Dateiname = original;
        SaveDialog1.Ordner = info.absolutePath() + QStringLiteral("/");
        TitelSetzen(original == QStringLiteral("unbenannt.dat")
                        ? QStringLiteral("Umbrarix")
                        : QStringLiteral("Umbrarix - ") + info.fileName());
        --fokusSperre_;
        VerlaufBeginnen();
        // Restored work is unsaved: its file (if any) is not what the window shows.
        gespeicherteBytes_.clear();
        ZustandAnzeigen();
        wiederherstellung_->Verwerfen(k);
        WiederherstellungSichern();
    }
}

} // namespace umbrarix
