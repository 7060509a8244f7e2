// Nothing the user did is lost: the unsaved state, the question before it would be thrown
// away, undo and redo of every kind of edit, and the recovery copy after a crash.

#include "ui/Form_Dialoge.h"
#include "ui/Form_Haupt.h"
#include "ui/Form_Umgebung.h"

#include "auswertung/Dimensionierung.h"
#include "io/Dateizugriff.h"
#include "io/Wiederherstellung.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace umbrarix {
namespace {

using testhilfen::Maus;
using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

// One edit of each kind the window takes over, chosen by the random number.
void Bearbeiten(THauptfenster& w, std::mt19937& zufall) {
    const auto zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    switch (zahl(0, 8)) {
    case 0: { // a value typed into a field and taken over
        const char* felder[] = {"anz_Vordachlaenge",   "anz_Vordachbreite",   "anz_Fensterhoehe",
                                "anz_terrassenbreite", "anz_Himmelsrichtung", "anz_VolantHoehe",
                                "anz_ml_ausfall",      "anz_mr_hoehe"};
        TGanzzahlfeld* f = w->Spinfeld(QString::fromUtf8(felder[zahl(0, 7)]));
        if (f->isEnabled()) {
            f->SetzeText(QString::number(zahl(f->Minimum(), std::min(f->Maximum(), 400))));
            w->EndeDimensionAendern(f);
        }
        break;
    }
    case 1: { // an element switch
        QCheckBox* schalter[] = {w->CheckBox_Ueberhang, w->CheckBox_MauerLinks,
                                 w->CheckBox_MauerRechts, w->CheckBox_Sommerzeit};
        schalter[zahl(0, 3)]->click();
        break;
    }
    case 2: // a location picked from the list
        w->StartDimensionAendern(w->anz_ort);
        w->DimensionslisteClick(zahl(0, 60));
        w->DimensionslisteDblClick();
        break;
    case 3: { // a drag in the side view: many moves, one step
        TFormShape* griff = zahl(0, 1) == 0 ? w->s_wandneigung : w->s_ueberh_innen;
        if (!griff->isVisible()) {
            break;
        }
        Maus(griff, QEvent::MouseButtonPress, QPoint(2, 2));
        for (int k = 1; k <= 4; ++k) {
            Maus(griff, QEvent::MouseMove, QPoint(2 - 3 * k, 2 + k));
        }
        Maus(griff, QEvent::MouseButtonRelease, QPoint(2 - 12, 6));
        break;
    }
    case 4: { // a colour
        TForm_Farbauswahl* d = w->Form_Farbauswahl;
        const int feld = zahl(0, 6);
        const QColor farbe(zahl(0, 255), zahl(0, 255), zahl(0, 255));
        w.Plattform.BeimZeigen = [&w, d, feld, farbe](QDialog&) {
            w.Plattform.Farbantworten.push_back(farbe);
            d->PanelClick(feld);
        };
        w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
        w->Farbauswahl1Click();
        w.Plattform.BeimZeigen = nullptr;
        break;
    }
    case 5: { // the project description
        const std::string zeile = "Zeile " + std::to_string(zahl(0, 99));
        w.Plattform.BeimZeigen = [&w, zeile](QDialog&) {
            w->Form_Projektbeschreibung->Memo1->SetzeZeilen({"Familie Schäfer", zeile});
        };
        w->Projektbeschreibung1Click();
        w.Plattform.BeimZeigen = nullptr;
        break;
    }
    case 6: { // "Übernehmen" in the sizing
        TKandidat k;
        k.Ausfall = zahl(0, 40) * 10;
        k.Breite = zahl(20, 70) * 10;
        k.Neigung = zahl(0, 45);
        w->VorschlagUebernehmen(k);
        break;
    }
    case 7: { // the surroundings
        const double hoehe = zahl(0, 30);
        w.Plattform.BeimZeigen = [hoehe](QDialog& dialog) {
            auto& d = dynamic_cast<TForm_Umgebung&>(dialog);
            d.KeineUmgebungClick();
            if (hoehe > 0) {
                d.PunktHinzufuegenClick();
                d.Tabelle_Punkte->setItem(0, 0, new QTableWidgetItem(QStringLiteral("90")));
                d.Tabelle_Punkte->setItem(0, 1, new QTableWidgetItem(QString::number(hoehe)));
            }
            d.OkClick();
        };
        w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
        w->Umgebung1->trigger();
        w.Plattform.BeimZeigen = nullptr;
        break;
    }
    default: // date and time are no edits of the project
        w->TrackBar_Datum->SetzePosition(zahl(1, 365));
        break;
    }
}

// 200 random edits of every kind, then all undone and redone: at every step the project is
// byte for byte what it was, and the unsaved mark says whether it differs from the start.
TEST(Aenderungen, ZufaelligeBearbeitungenRueckgaengigUndWiederholen) {
    THauptfenster w;
    w->Ansichtsknoepfe[1]->click();
    std::mt19937 zufall(20261209);
    const std::string anfang = w->Projektbytes();
    EXPECT_FALSE(w->Geaendert());
    EXPECT_FALSE(w->Rueckgaengig1->isEnabled());
    std::map<int, std::string> stand{{0, anfang}}; // history index -> project bytes
    for (int i = 0; i < 200; ++i) {
        Bearbeiten(w, zufall);
        QCoreApplication::processEvents(); // the step is taken when the action is done
        stand[w->Verlauf->index()] = w->Projektbytes();
        ASSERT_EQ(w->Geaendert(), w->Projektbytes() != anfang) << i;
        ASSERT_EQ(w->Titel().endsWith(u'*'), w->Geaendert()) << i;
    }
    const int schritte = w->Verlauf->index();
    ASSERT_GT(schritte, 100);
    ASSERT_EQ(schritte, w->Verlauf->count());
    EXPECT_TRUE(w->Rueckgaengig1->text().startsWith(QStringLiteral("&Rückgängig: ")));
    const std::string ende = w->Projektbytes();
    for (int k = schritte; k > 0; --k) {
        w->Rueckgaengig1->trigger();
        ASSERT_EQ(w->Projektbytes(), stand.at(k - 1)) << k;
        ASSERT_EQ(w->Geaendert(), stand.at(k - 1) != anfang) << k;
    }
    EXPECT_EQ(w->Projektbytes(), anfang);
    EXPECT_FALSE(w->Geaendert());
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix "));
    EXPECT_FALSE(w->Rueckgaengig1->isEnabled());
    for (int k = 1; k <= schritte; ++k) {
        w->Wiederholen1->trigger();
        ASSERT_EQ(w->Projektbytes(), stand.at(k)) << k;
    }
    EXPECT_EQ(w->Projektbytes(), ende);
}

// The names of the steps, one step per drag, and an empty history after "&Neu".
TEST(Aenderungen, SchrittnamenUndZiehen) {
    THauptfenster w;
    w->anz_Vordachlaenge->SetzeText(QStringLiteral("200"));
    w->EndeDimensionAendern(w->anz_Vordachlaenge);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Ausfall ändern"));
    w->CheckBox_MauerLinks->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Rueckgaengig1->text(),
              QStringLiteral("&Rückgängig: Mauervorsprung links einschalten"));
    w->anz_ml_ausfall->SetzeText(QStringLiteral("50"));
    w->EndeDimensionAendern(w->anz_ml_ausfall);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Rueckgaengig1->text(),
              QStringLiteral("&Rückgängig: Ausfall (Mauervorsprung links) ändern"));
    w->Ansichtsknoepfe[1]->click();
    const int vorher = w->Verlauf->count();
    Maus(w->s_ueberh_innen, QEvent::MouseButtonPress, QPoint(2, 2));
    for (int x = 0; x > -40; x -= 4) {
        Maus(w->s_ueberh_innen, QEvent::MouseMove, QPoint(x, 2));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Verlauf->count(), vorher) << "nothing while the button is down";
    Maus(w->s_ueberh_innen, QEvent::MouseButtonRelease, QPoint(-38, 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(w->Verlauf->count(), vorher + 1);
    EXPECT_EQ(w->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Überhang / Markise ziehen"));
    w->Rueckgaengig1->trigger();
    EXPECT_EQ(w->Wiederholen1->text(), QStringLiteral("&Wiederholen: Überhang / Markise ziehen"));
    EXPECT_EQ(w->anz_Abstand_Wand->Text(), QStringLiteral("0"));
    // Undo is not offered during a run.
    w->Button_SimulationStartenClick(w->Button_TagSimulationStarten);
    EXPECT_FALSE(w->Rueckgaengig1->isEnabled());
    w->Button_SimulationAnhaltenClick();
    EXPECT_TRUE(w->Rueckgaengig1->isEnabled());
    w->Neu1Click(); // unsaved: the test platform answers "Verwerfen"
    EXPECT_EQ(w.Plattform.Fragen.size(), 1);
    EXPECT_EQ(w->Verlauf->count(), 0);
    EXPECT_FALSE(w->Geaendert());
}

enum class TAusloeser { Beenden, Neu, Oeffnen, Befehlszeile };

// The question before unsaved changes would go: for each action, without changes (no
// question), and with each answer; a save that fails stops the action.
TEST(Aenderungen, FrageVorDemVerwerfen) {
    const struct {
        TAusloeser ausloeser;
        const char* name;
    } ausloeser[] = {{TAusloeser::Beenden, "Beenden"},
                     {TAusloeser::Neu, "Neu"},
                     {TAusloeser::Oeffnen, "Öffnen"},
                     {TAusloeser::Befehlszeile, "Befehlszeile"}};
    for (const auto& a : ausloeser) {
        // -1: no change; 0 Speichern, 1 Verwerfen, 2 Abbrechen; 3 Speichern that fails.
        for (int antwort = -1; antwort <= 3; ++antwort) {
            THauptfenster w;
            const QString haus = w.Ordner.filePath(QStringLiteral("haus.dat"));
            const QString anderes = w.Ordner.filePath(QStringLiteral("anderes.dat"));
            w.Plattform.Dateiantworten.push_back(anderes);
            w->Sperichernunter1Click();
            w.Plattform.Dateiantworten.push_back(haus);
            w->Sperichernunter1Click();
            const std::string gespeichert = Inhalt(haus);
            if (antwort >= 0) {
                w->anz_Vordachlaenge->SetzeText(QStringLiteral("222"));
                w->EndeDimensionAendern(w->anz_Vordachlaenge);
                ASSERT_TRUE(w->Geaendert());
                EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix - haus.dat*"));
            }
            if (antwort == 3) {
                ::chmod(haus.toLocal8Bit().constData(), 0444);
            }
            const std::string bearbeitet = w->Projektbytes();
            w.Plattform.Fragenantworten.push_back(antwort == 3 ? 0 : antwort);
            bool geschlossen = false;
            switch (a.ausloeser) {
            case TAusloeser::Beenden:
                w->show();
                geschlossen = w->close();
                break;
            case TAusloeser::Neu:
                w->Neu1Click();
                break;
            case TAusloeser::Oeffnen:
                w.Plattform.Dateiantworten.push_back(anderes);
                w->ffnen1Click();
                break;
            case TAusloeser::Befehlszeile:
                w->BefehlszeileOeffnen(anderes);
                break;
            }
            const std::string fall = std::string(a.name) + " " + std::to_string(antwort);
            ASSERT_EQ(w.Plattform.Fragen.size(), antwort >= 0 ? 1 : 0) << fall;
            if (antwort >= 0) {
                EXPECT_EQ(w.Plattform.Fragen.front(),
                          QStringLiteral("Die Änderungen an „haus.dat“ wurden nicht gespeichert. "
                                         "Möchten Sie sie speichern?"))
                    << fall;
            }
            const bool weiter = antwort <= 1;
            EXPECT_EQ(Inhalt(haus), antwort == 0 ? bearbeitet : gespeichert) << fall;
            if (a.ausloeser == TAusloeser::Beenden) {
                EXPECT_EQ(geschlossen, weiter) << fall;
            } else if (weiter) {
                EXPECT_FALSE(w->Geaendert()) << fall;
                EXPECT_NE(w->Projektdatei, haus) << fall << ": the action went on";
            } else {
                EXPECT_EQ(w->Projektbytes(), bearbeitet) << fall << ": everything as it was";
                EXPECT_EQ(w->Projektdatei, haus) << fall;
                EXPECT_TRUE(w->Geaendert()) << fall;
            }
            ::chmod(haus.toLocal8Bit().constData(), 0644);
        }
    }
}

// The recovery copies of two programs: a running one's copy is never offered, a dead one's
// is (its lock went with it, even killed outright), and a damaged one is set aside.
TEST(Wiederherstellung, KopienLaufenderUndToterProgramme) {
    const QTemporaryDir tmp;
    const std::string ordner = tmp.path().toStdString() + "/kopien/";
    TWiederherstellung ich(ordner);
    TWiederherstellung laeuft(ordner); // another program running all along
    ASSERT_EQ(laeuft.Sichern("laufend", "/home/a/laeuft.dat", 1000), std::nullopt);
    EXPECT_TRUE(ich.VerwaisteSuchen().empty()) << "its program still runs";
    // A program that dies (here: ends without tidying up) leaves its copy to the next one.
    for (const auto& [bytes, name, beschaedigen] :
         {std::tuple{std::string("Stand A"), std::string("/home/a/haus.dat"), false},
          std::tuple{std::string("Stand B"), std::string("unbenannt.dat"), true}}) {
        const pid_t kind = ::fork();
        if (kind == 0) {
            TWiederherstellung tot(ordner);
            tot.Sichern(bytes, name, 2000 + static_cast<int>(beschaedigen));
            if (beschaedigen) {
                for (const auto& e : std::filesystem::directory_iterator(ordner)) {
                    if (e.path().extension() == ".dat" &&
                        DateiLesen(e.path().string()).Bytes == bytes) {
                        DateiSchreiben(e.path().string(), "Stand");
                    }
                }
            }
            ::kill(::getpid(), SIGKILL);
        }
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    std::vector<TVerwaisteKopie> kopien = ich.VerwaisteSuchen();
    ASSERT_EQ(kopien.size(), 2u);
    EXPECT_TRUE(kopien[0].Lesbar);
    EXPECT_EQ(kopien[0].Bytes, "Stand A");
    EXPECT_EQ(kopien[0].Originalpfad, "/home/a/haus.dat");
    EXPECT_EQ(kopien[0].Zeit, 2000);
    EXPECT_FALSE(kopien[1].Lesbar) << "cut short: its length does not match";
    {
        TWiederherstellung zweiter(ordner);
        EXPECT_TRUE(zweiter.VerwaisteSuchen().empty()) << "held by the first one asking";
    }
    ich.Verwerfen(kopien[0]);
    ich.Beiseitelegen(kopien[1]);
    EXPECT_TRUE(ich.VerwaisteSuchen().empty());
    TWiederherstellung dritter(ordner);
    EXPECT_TRUE(dritter.VerwaisteSuchen().empty());
    int beiseite = 0;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        beiseite += e.path().string().ends_with(".beschaedigt");
    }
    EXPECT_EQ(beiseite, 2);
}

// The child half of the crash test: a window with an edit waits for its recovery copy, says
// so, and waits to be killed.
TEST(Wiederherstellung, KindprozessFuerDenAbsturz) {
    const QByteArray ordner = qgetenv("UMBRARIX_ABSTURZ_ORDNER");
    if (ordner.isEmpty()) {
        GTEST_SKIP() << "only as the child of AbsturzUndWiederherstellen";
    }
    THauptfenster w({}, {}, QString::fromUtf8(ordner));
    w->Timer_Wiederherstellung->setInterval(50);
    w->anz_Vordachlaenge->SetzeText(QStringLiteral("333"));
    w->EndeDimensionAendern(w->anz_Vordachlaenge);
    w->CheckBox_MauerRechts->click();
    DateiSchreiben(qgetenv("UMBRARIX_ABSTURZ_ERWARTET").toStdString(), w->Projektbytes());
    QElapsedTimer uhr;
    uhr.start();
    while (QDir(QString::fromUtf8(ordner)).entryList({QStringLiteral("*.dat")}).isEmpty() &&
           uhr.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    std::puts("KOPIE");
    std::fflush(stdout);
    QThread::sleep(60);
}

// The real window process killed outright after its copy was written: the next start asks,
// and the project restored is the edited one byte for byte, unsaved; a second program
// started while the first still ran saw nothing to restore.
TEST(Wiederherstellung, AbsturzUndWiederherstellen) {
    const QTemporaryDir tmp;
    const QString ordner = tmp.path() + QStringLiteral("/wiederherstellung/");
    const QString erwartet = tmp.path() + QStringLiteral("/erwartet.dat");
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("UMBRARIX_ABSTURZ_ORDNER"), ordner);
    umgebung.insert(QStringLiteral("UMBRARIX_ABSTURZ_ERWARTET"), erwartet);
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    kind.setProcessEnvironment(umgebung);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=Wiederherstellung.KindprozessFuerDenAbsturz")});
    ASSERT_TRUE(kind.waitForStarted());
    QByteArray aus;
    QElapsedTimer uhr;
    uhr.start();
    while (!aus.contains("KOPIE") && uhr.elapsed() < 30000) {
        kind.waitForReadyRead(200);
        aus += kind.readAllStandardOutput();
    }
    ASSERT_TRUE(aus.contains("KOPIE")) << aus.toStdString();
    {
        THauptfenster zweiter({}, {}, ordner);
        zweiter->WiederherstellungAnbieten();
        EXPECT_TRUE(zweiter.Plattform.Fragen.isEmpty()) << "the first one still runs";
    }
    ::kill(static_cast<pid_t>(kind.processId()), SIGKILL);
    kind.waitForFinished();

    THauptfenster w({}, {}, ordner);
    w.Plattform.Fragenantworten.push_back(0); // Ja
    w->WiederherstellungAnbieten();
    ASSERT_EQ(w.Plattform.Fragen.size(), 1);
    EXPECT_TRUE(w.Plattform.Fragen.front().startsWith(
        QStringLiteral("Umbrarix wurde nicht ordnungsgemäß beendet. Soll der Stand von "
                       "„unbenannt.dat“ von ")))
        << w.Plattform.Fragen.front().toStdString();
    EXPECT_EQ(w->Projektbytes(), Inhalt(erwartet));
    EXPECT_TRUE(w->Geaendert());
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat"));
    // Offered once: the next start finds nothing.
    THauptfenster spaeter({}, {}, ordner);
    spaeter->WiederherstellungAnbieten();
    EXPECT_TRUE(spaeter.Plattform.Fragen.isEmpty());
}

} // namespace
} // namespace umbrarix
