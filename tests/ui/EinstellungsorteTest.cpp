// Where "schatten.ini" and "schatten.usr" live: beside a portable copy of the program, or in
// the user's configuration folder when the program folder cannot be written (installed).

#include "ui/Form_Dialoge.h"
#include "ui/Form_Haupt.h"

#include "io/Dateizugriff.h"

#include "hilfen/Hauptfenster.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

void Schreiben(const QString& pfad, const std::string& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pfad).absolutePath()));
    ASSERT_EQ(DateiSchreiben(pfad.toStdString(), bytes), std::nullopt);
}

TEST(Einstellungsorte, TragbareKopieBehaeltSieImProgrammordner) {
    QString arbeit, benutzer;
    THauptfenster w([&](const QString& ordner) {
        arbeit = ordner + QStringLiteral("kunden/");
        ASSERT_TRUE(QDir().mkpath(arbeit));
        Schreiben(ordner + QStringLiteral("schatten.ini"), arbeit.toStdString() + "\r\n");
        Schreiben(ordner + QStringLiteral("schatten.usr"), "Anna\r\n");
        // A default in the configuration folder does not count beside the program's own.
        benutzer = ordner + QStringLiteral("benutzer/");
        Schreiben(benutzer + QStringLiteral("schatten.usr"), "Bernd\r\n");
    });
    EXPECT_EQ(w->Startordner, w->Programmordner);
    EXPECT_EQ(w->Opendialog1.Ordner, arbeit);
    EXPECT_EQ(w->SaveDialog2.Ordner, w->Programmordner);
    EXPECT_EQ(w->Form_Ansprechpartner->Memo2->Zeilen(), std::vector<std::string>{"Anna"});

    w->Form_Ansprechpartner->Memo2->SetzeZeilen({"Clara"});
    w->Form_Ansprechpartner->Button1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Daten wurden als Vorgabe gespeichert."));
    EXPECT_EQ(Inhalt(w->Programmordner + QStringLiteral("schatten.usr")), "Clara\r\n");
    EXPECT_EQ(Inhalt(benutzer + QStringLiteral("schatten.usr")), "Bernd\r\n");
}

TEST(Einstellungsorte, InstalliertImBenutzerordner) {
    // An installed program whose folder can be written, as /usr/bin can by root: a settings
    // file beside it would override every user's own, so it is neither read nor written.
    QTemporaryDir praefix;
    const QString bin = praefix.filePath(QStringLiteral("usr/bin/"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(praefix.filePath(QStringLiteral("usr/share/umbrarix/beispiele"))));
    Schreiben(bin + QStringLiteral("schatten.ini"), "/tmp/\r\n");
    Schreiben(bin + QStringLiteral("schatten.usr"), "Root\r\n");
    THauptfenster w({}, bin);
    const QString benutzer = w.Benutzerordner();
    const QString heim = QDir::homePath() + QStringLiteral("/");
    EXPECT_EQ(w->Startordner, heim);
    EXPECT_EQ(w->Opendialog1.Ordner, heim);
    EXPECT_EQ(w->SaveDialog1.Ordner, heim);
    EXPECT_EQ(w->SaveDialog2.Ordner, heim);
    EXPECT_TRUE(w->Form_Ansprechpartner->Memo2->toPlainText().isEmpty());
    w->VelumoraExportClick(w->FensteralsTarget1); // cancelled
    ASSERT_FALSE(w.Plattform.Dateidialoge.isEmpty());
    EXPECT_EQ(w.Plattform.Dateidialoge.back().Ordner, heim);

    // Both files are written into the configuration folder, which is made when missing,
    // without the message that they cannot be stored.
    ASSERT_FALSE(QDir(benutzer).exists());
    w->Form_Ansprechpartner->Memo2->SetzeZeilen({"Clara", "Tel. 0221"});
    w->Form_Ansprechpartner->Button1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Daten wurden als Vorgabe gespeichert."));
    EXPECT_EQ(Inhalt(benutzer + QStringLiteral("schatten.usr")), "Clara\r\nTel. 0221\r\n");
    const QString kunden = w.Ordner.filePath(QStringLiteral("kunden"));
    ASSERT_TRUE(QDir().mkpath(kunden));
    const int meldungen = static_cast<int>(w.Plattform.Meldungen.size());
    w->Form_Arbeitsverzeichnis->anz_Arbeitsverzeichnis->setText(kunden);
    w->Form_Arbeitsverzeichnis->BitBtn1Click();
    EXPECT_EQ(w.Plattform.Meldungen.size(), meldungen) << "no message";
    EXPECT_EQ(Inhalt(benutzer + QStringLiteral("schatten.ini")), kunden.toStdString() + "/\r\n");

    // The next start reads them from there.
    w->Form_Ansprechpartner->Memo2->clear();
    w->EinstellungenLesen();
    EXPECT_EQ(w->Opendialog1.Ordner, kunden + QStringLiteral("/"));
    EXPECT_EQ(w->SaveDialog2.Ordner, heim);
    EXPECT_EQ(w->Form_Ansprechpartner->Memo2->Zeilen(),
              (std::vector<std::string>{"Clara", "Tel. 0221"}));
    EXPECT_TRUE(w->Form_Ansprechpartner->Memo2->IstGrau());

    // An emptied working folder removes the stored one; the dialogs start at home again.
    w->Form_Arbeitsverzeichnis->anz_Arbeitsverzeichnis->clear();
    w->Form_Arbeitsverzeichnis->BitBtn1Click();
    EXPECT_FALSE(QFile::exists(benutzer + QStringLiteral("schatten.ini")));
    EXPECT_EQ(w->Opendialog1.Ordner, heim);
    EXPECT_EQ(w.Plattform.Meldungen.size(), meldungen);

    // The program folder holds only what was there before: no probe files, nothing deleted.
    EXPECT_EQ(QDir(bin).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("schatten.ini"), QStringLiteral("schatten.usr")}));
}

} // namespace
} // namespace umbrarix
