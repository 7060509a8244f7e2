// Every writing command of the window against a missing folder, a read-only folder, a full
// device and a write that breaks off: the German message, the earlier file intact, the window
// usable afterwards.

#include "ui/Form_Dialoge.h"
#include "ui/Form_Haupt.h"

#include "io/Dateizugriff.h"

#include "hilfen/Dateigrenze.h"
#include "hilfen/Hauptfenster.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrarix {
namespace {

using testhilfen::MitDateigrenze;
using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

// One writing command of the window: it writes to the path it is given.
struct TBefehl {
    const char* name;
    std::function<void(THauptfenster&, const QString&)> schreiben;
};

const TBefehl Befehle[] = {
    {"Projekt speichern",
     [](THauptfenster& w, const QString& pfad) {
         w.Plattform.Dateiantworten.push_back(pfad);
         w->Sperichernunter1Click();
     }},
    {"Verschattungstabelle",
     [](THauptfenster& w, const QString& pfad) {
         w.Plattform.Dateiantworten.push_back(pfad);
         w->Fenster2->trigger();
     }},
    {"VELUMORA",
     [](THauptfenster& w, const QString& pfad) {
         w.Plattform.Dateiantworten.push_back(pfad);
         w->FensteralsTarget1->trigger();
     }},
    {"Drucken in Datei",
     [](THauptfenster& w, const QString& pfad) {
         w.Plattform.Druckantworten.push_back(pfad);
         w->Datenblatt1->trigger();
     }},
};

// The window after a failure: nothing left showing, the instant evaluated again.
void ErwarteBenutzbar(THauptfenster& w, const char* befehl) {
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible()) << befehl;
    EXPECT_FALSE(w->Panel_DruckvorgangLaeuft->isVisible()) << befehl;
    EXPECT_TRUE(w->isEnabled()) << befehl;
    w->anz_Verschattungsanteil_f->clear();
    w->TrackBar_Uhrzeit->SetzePosition(w->TrackBar_Uhrzeit->Position() == 73 ? 74 : 73);
    EXPECT_TRUE(w->anz_Verschattungsanteil_f->text().startsWith(QStringLiteral("Verschattung")))
        << befehl;
}

TEST(Fehlerfaelle, FehlenderOrdnerUndVollesGeraet) {
    for (const TBefehl& b : Befehle) {
        THauptfenster w;
        b.schreiben(w, w.Ordner.filePath(QStringLiteral("fehlt/datei.dat")));
        ASSERT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Pfad nicht gefunden")) << b.name;
        EXPECT_EQ(w.Plattform.Meldungsarten.back(), TMeldungsart::Fehler);
        ErwarteBenutzbar(w, b.name);
        b.schreiben(w, QStringLiteral("/dev/full"));
        ASSERT_EQ(w.Plattform.Meldungen.size(), 2) << b.name;
        EXPECT_EQ(w.Plattform.Meldungen.back(),
                  QStringLiteral("Nicht genügend Speicherplatz auf dem Datenträger"))
            << b.name;
        ErwarteBenutzbar(w, b.name);
    }
}

TEST(Fehlerfaelle, AbgebrochenesSchreibenLaesstDieAlteDateiStehen) {
    for (const TBefehl& b : Befehle) {
        THauptfenster w;
        const QString pfad = w.Ordner.filePath(QStringLiteral("kunde.dat"));
        ASSERT_EQ(DateiSchreiben(pfad.toStdString(), "alte Datei\r\n"), std::nullopt);
        // Every file larger than 200 bytes breaks off midway.
        MitDateigrenze(200, [&] { b.schreiben(w, pfad); });
        ASSERT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        EXPECT_FALSE(w.Plattform.Meldungen.back().isEmpty());
        EXPECT_EQ(Inhalt(pfad), "alte Datei\r\n") << b.name;
        EXPECT_EQ(QDir(w.Ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << b.name << ": nothing half-written left behind";
        ErwarteBenutzbar(w, b.name);
    }
}

TEST(Fehlerfaelle, SchreibgeschuetzterOrdner) {
    for (const TBefehl& b : Befehle) {
        THauptfenster w;
        const QString ordner = w.Ordner.filePath(QStringLiteral("geschuetzt"));
        ASSERT_TRUE(QDir().mkpath(ordner));
        const QString pfad = ordner + QStringLiteral("/kunde.dat");
        ASSERT_EQ(DateiSchreiben(pfad.toStdString(), "alte Datei\r\n"), std::nullopt);
        chmod(ordner.toLocal8Bit().constData(), 0555);
        const bool geschuetzt = access(ordner.toLocal8Bit().constData(), W_OK) != 0;
        // With full rights (root) a folder protects nothing; /proc refuses even root.
        b.schreiben(w, geschuetzt ? pfad : QStringLiteral("/proc/umbrarix-kunde.dat"));
        chmod(ordner.toLocal8Bit().constData(), 0755);
        ASSERT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        if (geschuetzt) {
            EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Dateizugriff verweigert"))
                << b.name;
        }
        EXPECT_EQ(Inhalt(pfad), "alte Datei\r\n") << b.name;
        ErwarteBenutzbar(w, b.name);
    }
}

struct stat Status(const QString& pfad) {
    struct stat info {};
    EXPECT_EQ(::lstat(pfad.toLocal8Bit().constData(), &info), 0) << pfad.toStdString();
    return info;
}

TEST(Fehlerfaelle, SchreibschutzVerknuepfungUndRechteDerZieldatei) {
    for (const TBefehl& b : Befehle) {
        THauptfenster w;
        const QString pfad = w.Ordner.filePath(QStringLiteral("kunde.dat"));
        ASSERT_EQ(DateiSchreiben(pfad.toStdString(), "alte Datei\r\n"), std::nullopt);

        // A write-protected file is refused and stays as it was.
        ::chmod(pfad.toLocal8Bit().constData(), 0444);
        b.schreiben(w, pfad);
        ASSERT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Dateizugriff verweigert"))
            << b.name;
        EXPECT_EQ(Inhalt(pfad), "alte Datei\r\n") << b.name;
        ErwarteBenutzbar(w, b.name);

        // A private file stays private.
        ::chmod(pfad.toLocal8Bit().constData(), 0600);
        b.schreiben(w, pfad);
        EXPECT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        EXPECT_NE(Inhalt(pfad), "alte Datei\r\n") << b.name;
        EXPECT_EQ(Status(pfad).st_mode & 07777, 0600u) << b.name;

        // A link stays a link; its target gets the new content.
        const QString link = w.Ordner.filePath(QStringLiteral("verknuepfung.dat"));
        ASSERT_EQ(DateiSchreiben(pfad.toStdString(), "alte Datei\r\n"), std::nullopt);
        ASSERT_EQ(::symlink("kunde.dat", link.toLocal8Bit().constData()), 0);
        b.schreiben(w, link);
        EXPECT_EQ(w.Plattform.Meldungen.size(), 1) << b.name;
        EXPECT_TRUE(S_ISLNK(Status(link).st_mode)) << b.name;
        EXPECT_NE(Inhalt(pfad), "alte Datei\r\n") << b.name;
        EXPECT_EQ(Inhalt(link), Inhalt(pfad)) << b.name;

        // A folder where no file can be created: the same message for every command.
        b.schreiben(w, QStringLiteral("/proc/umbrarix-kunde.dat"));
        ASSERT_EQ(w.Plattform.Meldungen.size(), 2) << b.name;
        EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Dateizugriff verweigert"))
            << b.name;
        EXPECT_EQ(QDir(w.Ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                  2)
            << b.name << ": nothing left behind";
        ErwarteBenutzbar(w, b.name);
    }
}

// "&Speichern" writes to a file the user did not choose just now (an opened one, maybe the
// installed example): the message says which file and how to save the work elsewhere.
TEST(Fehlerfaelle, SpeichernInGeschuetzteDateiNenntSieUndSpeichernUnter) {
    THauptfenster w;
    const QString pfad = w.Ordner.filePath(QStringLiteral("vorgabe.dat"));
    w.Plattform.Dateiantworten.push_back(pfad);
    w->Sperichernunter1Click();
    ASSERT_TRUE(w.Plattform.Meldungen.isEmpty());
    const std::string vorher = Inhalt(pfad);
    ::chmod(pfad.toLocal8Bit().constData(), 0444);
    w->Speichern1->trigger();
    ASSERT_EQ(w.Plattform.Meldungen.size(), 1);
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("„") + pfad +
                  QStringLiteral("“ kann nicht gespeichert werden: Dateizugriff verweigert.\n\n"
                                 "Speichern Sie das Projekt mit „Speichern unter ...“ unter "
                                 "einem anderen Namen oder in einem anderen Ordner."));
    EXPECT_EQ(Inhalt(pfad), vorher);
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix - vorgabe.dat"));
    EXPECT_EQ(w->Projektdatei, pfad);
    ErwarteBenutzbar(w, "Speichern");
}

TEST(Fehlerfaelle, Einstellungsdateien) {
    // A program folder that does not exist and a configuration folder that cannot be made:
    // neither settings file can be written.
    THauptfenster w;
    const TEinstellungsorte fehlt{w.Ordner.filePath(QStringLiteral("fehlt/")).toStdString(),
                                  "/proc/umbrarix/"};
    TForm_Arbeitsverzeichnis arbeit(nullptr, w.Plattform, fehlt, w->Programmordner,
                                    w->Opendialog1.Ordner, w->SaveDialog1.Ordner);
    arbeit.anz_Arbeitsverzeichnis->setText(w.Ordner.path());
    arbeit.BitBtn1Click();
    EXPECT_TRUE(w.Plattform.Meldungen.back().startsWith(
        QStringLiteral("Daten können nicht gespeichert werden!")));
    EXPECT_EQ(w.Plattform.Meldungsarten.back(), TMeldungsart::Information);
    EXPECT_EQ(w->Opendialog1.Ordner, w.Ordner.path() + QStringLiteral("/"))
        << "the folder still applies for this run";
    TForm_Ansprechpartner partner(nullptr, w.Plattform, fehlt);
    partner.Memo2->SetzeZeilen({"Anna"});
    partner.Button1Click();
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Daten konnten nicht gespeichert werden!"));
    EXPECT_FALSE(partner.Memo2->IstGrau());

    // A full device: the earlier default stays as it was.
    TForm_Ansprechpartner richtig(nullptr, w.Plattform, w->Einstellungsorte);
    richtig.Memo2->SetzeZeilen({"Anna"});
    richtig.Button1Click();
    const QString usr = w.Ordner.filePath(QStringLiteral("schatten.usr"));
    ASSERT_EQ(Inhalt(usr), "Anna\r\n");
    richtig.Memo2->SetzeZeilen(std::vector<std::string>(10, std::string(60, 'x')));
    MitDateigrenze(100, [&] { richtig.Button1Click(); });
    EXPECT_EQ(w.Plattform.Meldungen.back(),
              QStringLiteral("Daten konnten nicht gespeichert werden!"));
    EXPECT_EQ(Inhalt(usr), "Anna\r\n");
    TForm_Arbeitsverzeichnis ini(nullptr, w.Plattform, w->Einstellungsorte, w->Programmordner,
                                 w->Opendialog1.Ordner, w->SaveDialog1.Ordner);
    const QString lang = w.Ordner.filePath(QString(150, u'a'));
    ASSERT_TRUE(QDir().mkpath(lang));
    ini.anz_Arbeitsverzeichnis->setText(lang);
    MitDateigrenze(100, [&] { ini.BitBtn1Click(); });
    EXPECT_TRUE(w.Plattform.Meldungen.back().startsWith(
        QStringLiteral("Daten können nicht gespeichert werden!")));
    EXPECT_FALSE(QFile::exists(w.Ordner.filePath(QStringLiteral("schatten.ini"))));
}

} // namespace
} // namespace umbrarix
