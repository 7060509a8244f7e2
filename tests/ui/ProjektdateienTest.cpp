#include "ui/Form_Dialoge.h"
#include "ui/Form_Haupt.h"

#include "io/Dateizugriff.h"
#include "io/Einstellungen.h"
#include "io/Projektuebernahme.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;
using testhilfen::Tippen;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<nicht lesbar>");
}

TEST(Projektdateien, SpeichernNeuOeffnen) {
    THauptfenster w;
    // A scene that differs from the defaults everywhere a file reaches.
    w->CheckBox_MauerRechts->click();
    w->anz_mr_Ausfall->SetzeText(QStringLiteral("77"));
    w->anz_Fensterhoehe->SetzeText(QStringLiteral("120"));
    w->anz_Himmelsrichtung->SetzeText(QStringLiteral("45"));
    w->anz_Breitengrad->setText(QStringLiteral("52.3"));
    w->anz_Laengengrad->setText(QStringLiteral("-13.3"));
    w->EndeDimensionAendern(w->anz_Fensterhoehe);
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Berlin"));
    w->Farben.Terrassenfarbe = 0x00AA00;
    w->Form_Projektbeschreibung->Memo1->SetzeZeilen({"Familie Schäfer", "Südterrasse", ""});
    const QString datei = w.Ordner.filePath(QStringLiteral("kunde.dat"));

    // The first save asks for a name; the caption shows it.
    w.Plattform.Dateiantworten.push_back(datei);
    w->Speichern1Click();
    ASSERT_EQ(w.Plattform.Dateidialoge.size(), 1);
    EXPECT_EQ(w.Plattform.Dateidialoge[0].Filter,
              QStringLiteral("Daten-Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(w.Plattform.Dateidialoge[0].Endung, QStringLiteral("dat"));
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix - kunde.dat"));
    EXPECT_EQ(w->Projektdatei, datei);
    const std::string gespeichert = Inhalt(datei);
    EXPECT_NE(gespeichert.find("H\xF6he:" + std::string(27, ' ') + "120  cm\r\n"),
              std::string::npos);
    EXPECT_NE(gespeichert.find("Mauervorsprung rechts:\r\n"), std::string::npos);
    // Saving again goes straight to the same file.
    w->Speichern1Click();
    EXPECT_EQ(w.Plattform.Dateidialoge.size(), 1);

    w->Neu1Click();
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix"));
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("150"));
    EXPECT_FALSE(w->CheckBox_MauerRechts->isChecked());
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Köln"));
    EXPECT_EQ(w->Farben, TFarbset{});
    EXPECT_TRUE(w->Form_Projektbeschreibung->Memo1->Zeilen().empty());
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat"));

    w.Plattform.Dateiantworten.push_back(datei);
    w->ffnen1Click();
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("120"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Fensterhoehe, 120);
    EXPECT_EQ(w->anz_mr_Ausfall->Text(), QStringLiteral("77"));
    EXPECT_TRUE(w->CheckBox_MauerRechts->isChecked());
    EXPECT_TRUE(w->anz_mr_hoehe->isEnabled());
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("45"));
    EXPECT_EQ(w->anz_Laengengrad->text(), QStringLiteral("-13.3"));
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Berlin"));
    EXPECT_EQ(w->Farben.Terrassenfarbe, 0x00AA00u);
    EXPECT_EQ(w->Form_Projektbeschreibung->Memo1->Zeilen(),
              (std::vector<std::string>{"Familie Schäfer", "Südterrasse", ""}));
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix - kunde.dat"));
    EXPECT_EQ(w->SaveDialog1.Dateiname, datei);
    // Saved again unchanged, the file is the same to the byte.
    w->Speichern1Click();
    EXPECT_EQ(Inhalt(datei), gespeichert);
}

TEST(Projektdateien, AbgelehnteDateiAendertNichts) {
    THauptfenster w;
    const QString falsch = w.Ordner.filePath(QStringLiteral("falsch.dat"));
    ASSERT_EQ(DateiSchreiben(falsch.toStdString(),
                             "Verschattungssimulation:\r\n=\r\nVersion 2005 / 02\r\n"),
              std::nullopt);
    w->anz_Fensterhoehe->SetzeText(QStringLiteral("99"));
    w.Plattform.Dateiantworten.push_back(falsch);
    w->ffnen1Click();
    EXPECT_EQ(
        w.Plattform.Meldungen.back(),
        QStringLiteral("Falsches / unbekanntes Datenformat! Datei kann nicht eingelesen werden."));
    EXPECT_EQ(w.Plattform.Meldungsarten.back(), TMeldungsart::Fehler);
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("99"));
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat")) << "a later save must not hit it";
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix "));

    w.Plattform.Dateiantworten.push_back(w.Ordner.filePath(QStringLiteral("fehlt.dat")));
    w->ffnen1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Datei nicht gefunden"));

    // Cancelling the dialogs changes nothing and writes nothing.
    w->ffnen1Click();
    w->Speichern1Click();
    EXPECT_EQ(w.Plattform.Meldungen.size(), 2);
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat"));
}

TEST(Projektdateien, FehlgeschlagenesSpeichernBehaeltDieAlteDatei) {
    THauptfenster w;
    w.Plattform.Dateiantworten.push_back(QStringLiteral("/dev/full"));
    w->Sperichernunter1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Nicht genügend Speicherplatz auf dem Datenträger"));
    w.Plattform.Dateiantworten.push_back(w.Ordner.filePath(QStringLiteral("nichtda/x.dat")));
    w->Sperichernunter1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Pfad nicht gefunden"));
    EXPECT_TRUE(w->isEnabled());
    // A file that was never written gives the project neither its name nor the caption.
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat"));
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix "));

    const QString kunde = w.Ordner.filePath(QStringLiteral("kunde.dat"));
    w.Plattform.Dateiantworten.push_back(kunde);
    w->Sperichernunter1Click();
    ASSERT_EQ(w->Projektdatei, kunde);
    w.Plattform.Dateiantworten.push_back(w.Ordner.filePath(QStringLiteral("nichtda/y.dat")));
    w->Sperichernunter1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Pfad nicht gefunden"));
    EXPECT_EQ(w->Projektdatei, kunde);
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix - kunde.dat"));
    // "Speichern" still goes to the file that exists.
    const qsizetype dialoge = w.Plattform.Dateidialoge.size();
    w->anz_Fensterhoehe->SetzeText(QStringLiteral("121"));
    w->Speichern1Click();
    EXPECT_EQ(w.Plattform.Dateidialoge.size(), dialoge);
    EXPECT_NE(Inhalt(kunde).find("121  cm"), std::string::npos);
}

// One project file for each combination of the three sections, with values that differ from
// the defaults in every section, written by the window itself.
QString Kombinationsdatei(THauptfenster& w, int maske) {
    w->Neu1Click();
    w->anz_Vordachbreite->SetzeText(QStringLiteral("550"));
    w->anz_VolantHoehe->SetzeText(QString::number(30 + maske));
    w->anz_Vordachzentrierung->SetzeText(QStringLiteral("-12"));
    w->anz_ml_ausfall->SetzeText(QStringLiteral("120"));
    w->anz_ml_AbstandFenstermitte->SetzeText(QString::number(200 + maske));
    w->anz_mr_hoehe->SetzeText(QStringLiteral("250"));
    w->anz_mr_abstandFenstermitte->SetzeText(QString::number(210 + maske));
    w->anz_Fensterhoehe->SetzeText(QString::number(100 + maske));
    if (!(maske & 1)) {
        w->CheckBox_Ueberhang->click();
    }
    if (maske & 2) {
        w->CheckBox_MauerLinks->click();
    }
    if (maske & 4) {
        w->CheckBox_MauerRechts->click();
    }
    w->EndeDimensionAendern(w->anz_Fensterhoehe);
    const QString datei = w.Ordner.filePath(QStringLiteral("kombination%1.dat").arg(maske));
    w.Plattform.Dateiantworten.push_back(datei);
    w->Sperichernunter1Click();
    return datei;
}

TEST(Projektdateien, OeffnenNachJederAnderenSzene) {
    THauptfenster w;
    std::vector<QString> dateien;
    for (int maske = 0; maske < 8; ++maske) {
        dateien.push_back(Kombinationsdatei(w, maske));
        const std::string bytes = Inhalt(dateien.back());
        // The sections stand as switched, the valance with its own height.
        EXPECT_EQ(bytes.find("Markise:") != std::string::npos, (maske & 1) != 0) << maske;
        if (maske & 1) {
            EXPECT_NE(bytes.find("H\xF6he des Volants:" + std::string(15, ' ') +
                                 std::to_string(30 + maske) + "   cm"),
                      std::string::npos)
                << maske;
        }
    }
    // Whatever scene was open before, opening a file and saving it gives it back.
    const QString zurueck = w.Ordner.filePath(QStringLiteral("zurueck.dat"));
    for (int vorher = 0; vorher < 8; ++vorher) {
        for (int danach = 0; danach < 8; ++danach) {
            w.Plattform.Dateiantworten.push_back(dateien[vorher]);
            w->ffnen1Click();
            w.Plattform.Dateiantworten.push_back(dateien[danach]);
            w->ffnen1Click();
            w.Plattform.Dateiantworten.push_back(zurueck);
            w->Sperichernunter1Click();
            EXPECT_EQ(Inhalt(zurueck), Inhalt(dateien[danach]))
                << "opened " << vorher << ", then " << danach;
        }
    }
    EXPECT_TRUE(w.Plattform.Meldungen.isEmpty());

    // A new project after one without the overhang is the default project again.
    w.Plattform.Dateiantworten.push_back(dateien[0]);
    w->ffnen1Click();
    w->Neu1Click();
    EXPECT_EQ(w->anz_VolantHoehe->Text(), QStringLiteral("20"));
    EXPECT_TRUE(w->CheckBox_Volant->isChecked());
    w.Plattform.Dateiantworten.push_back(zurueck);
    w->Sperichernunter1Click();
    EXPECT_EQ(Inhalt(zurueck), ProjektdateiSchreiben(Startprojekt()));
}

TEST(Einstellungen, StartLiestArbeitsordnerUndAnsprechpartner) {
    THauptfenster w([](const QString& ordner) {
        ArbeitsverzeichnisSchreiben(ordner.toStdString(), "/tmp/kunden/");
        AnsprechpartnerSchreiben(ordner.toStdString(), {"Anna Beispiel", "Tel. 1234"});
    });
    EXPECT_EQ(w->Opendialog1.Ordner, QStringLiteral("/tmp/kunden/"));
    EXPECT_EQ(w->SaveDialog1.Ordner, QStringLiteral("/tmp/kunden/"));
    EXPECT_EQ(w->SaveDialog2.Ordner, w->Programmordner);
    TZeilenfeld* memo = w->Form_Ansprechpartner->Memo2;
    EXPECT_EQ(memo->Zeilen(), (std::vector<std::string>{"Anna Beispiel", "Tel. 1234"}));
    EXPECT_TRUE(memo->IstGrau());
    // "&Neu" forgets the working folder until the next start.
    w->Neu1Click();
    EXPECT_EQ(w->Opendialog1.Ordner, w->Programmordner);
    EXPECT_TRUE(memo->IstGrau());
}

TEST(Einstellungen, Arbeitsverzeichnisdialog) {
    THauptfenster w;
    TForm_Arbeitsverzeichnis* d = w->Form_Arbeitsverzeichnis;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Arebitsverzeichnis"));
    d->anz_Arbeitsverzeichnis->setText(w.Ordner.filePath(QStringLiteral("gibtsnicht")));
    d->BitBtn1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Der Pfad für Kundendateien existiert nicht!"));
    EXPECT_NE(d->result(), QDialog::Accepted);

    const QString kunden = w.Ordner.filePath(QStringLiteral("kunden"));
    ASSERT_TRUE(QDir().mkpath(kunden));
    w.Plattform.Ordnerantworten.push_back(kunden);
    d->BitBtn3Click();
    EXPECT_EQ(d->anz_Arbeitsverzeichnis->text(), kunden);
    d->BitBtn1Click();
    EXPECT_EQ(d->anz_Arbeitsverzeichnis->text(), kunden + QStringLiteral("/"));
    EXPECT_EQ(w->Opendialog1.Ordner, kunden + QStringLiteral("/"));
    EXPECT_EQ(Inhalt(w.Ordner.filePath(QStringLiteral("schatten.ini"))),
              (kunden + QStringLiteral("/\r\n")).toStdString());
    EXPECT_EQ(d->result(), QDialog::Accepted);

    // An empty path removes the settings file; the program folder applies again.
    d->anz_Arbeitsverzeichnis->clear();
    d->BitBtn1Click();
    EXPECT_FALSE(QFile::exists(w.Ordner.filePath(QStringLiteral("schatten.ini"))));
    EXPECT_EQ(w->SaveDialog1.Ordner, w->Programmordner);
    const int meldungen = static_cast<int>(w.Plattform.Meldungen.size());
    d->BitBtn1Click(); // empty again, no file: nothing happens
    EXPECT_EQ(w.Plattform.Meldungen.size(), meldungen);
    w->Arbeitsverzeichnis1Click();
    EXPECT_EQ(d->anz_Arbeitsverzeichnis->text(), w->Programmordner);
}

TEST(Einstellungen, Farbdialog) {
    THauptfenster w;
    TForm_Farbauswahl* d = w->Form_Farbauswahl;
    // The person picks a new interactive colour on its swatch, then cancels.
    w.Plattform.BeimZeigen = [&w, d](QDialog&) {
        w.Plattform.Farbantworten.push_back(QColor(10, 20, 30));
        d->PanelClick(6);
    };
    w->Farbauswahl1Click();
    EXPECT_EQ(w->Farben, TFarbset{});
    d->Zeigen(w->Farben);
    EXPECT_EQ(d->Farben(), TFarbset{}) << "shown again, the swatches show the current colours";
    // The same with OK: the colour is taken over and the handles are repainted in it.
    w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
    w->Farbauswahl1Click();
    EXPECT_EQ(w->Farben.Interaktivfarbe, FarbeAusRgb(10, 20, 30));
    EXPECT_EQ(w->Farben.Markisenfarbe, TFarbset{}.Markisenfarbe);
    EXPECT_EQ(w->f_fenster_oben->Stiftfarbe(), FarbeAusRgb(10, 20, 30));
    EXPECT_EQ(w->Shape_Datum->Pinselfarbe(), FarbeAusRgb(10, 20, 30));
    // A colour chooser left with "Cancel" keeps the swatch.
    w.Plattform.BeimZeigen = [d](QDialog&) { d->PanelClick(0); };
    w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
    w->Farbauswahl1Click();
    EXPECT_EQ(w->Farben.Markisenfarbe, TFarbset{}.Markisenfarbe);
}

TEST(Einstellungen, AnsprechpartnerUndZeilenregel) {
    THauptfenster w;
    TForm_Ansprechpartner* d = w->Form_Ansprechpartner;
    d->Button3Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Es wurde noch keine Vorgabe abgespeichert."));
    d->Memo2->SetzeZeilen({"Hans Müller", "Tel. 0221"});
    d->Button1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Daten wurden als Vorgabe gespeichert."));
    EXPECT_EQ(w.Plattform.Meldungsarten.back(), TMeldungsart::Information);
    EXPECT_TRUE(d->Memo2->IstGrau());
    EXPECT_EQ(Inhalt(w.Ordner.filePath(QStringLiteral("schatten.usr"))),
              "Hans M\xFCller\r\nTel. 0221\r\n");
    d->Button2Click();
    EXPECT_TRUE(d->Memo2->Zeilen().empty());
    d->Button3Click();
    EXPECT_EQ(d->Memo2->Zeilen(), (std::vector<std::string>{"Hans Müller", "Tel. 0221"}));
    EXPECT_TRUE(d->Memo2->IstGrau());
    QTest::keyClick(d->Memo2, Qt::Key_A);
    EXPECT_FALSE(d->Memo2->IstGrau()) << "typing turns the text black";

    // More than 10 lines: typing beeps and inserts nothing; backspace still works.
    TZeilenfeld* memo = w->Form_Projektbeschreibung->Memo1;
    memo->setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"));
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return); // with 10 lines a new one can still be started
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    EXPECT_EQ(w.Plattform.Signaltoene, 0);
    // Now 11 lines, the last one empty: neither a letter nor another line gets in.
    QTest::keyClick(memo, Qt::Key_X);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    EXPECT_EQ(w.Plattform.Signaltoene, 2);
    QTest::keyClick(memo, Qt::Key_Backspace);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"));
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClick(memo, Qt::Key_Y); // back at 10 lines: typing works again
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9\n1y"));
    EXPECT_EQ(w.Plattform.Signaltoene, 2);
    // Lines that arrive by loading are not limited, but typing into them is.
    d->Memo2->SetzeZeilen({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    EXPECT_EQ(d->Memo2->Zeilen().size(), 12u);
    d->Memo2->moveCursor(QTextCursor::End);
    QTest::keyClick(d->Memo2, Qt::Key_Z);
    EXPECT_EQ(d->Memo2->Zeilen().size(), 12u);
    EXPECT_EQ(w.Plattform.Signaltoene, 3);
}

} // namespace
} // namespace umbrarix
