// The year overview's batch commands: reading their calls, and the program's files compared
// with the core's own results for the same project.

#include "batch/Stapelauftrag.h"
#include "io/Dateizugriff.h"
#include "io/Dimensionierungsdatei.h"
#include "io/Projektuebernahme.h"
#include "io/Sonnenstundendatei.h"
#include "model/Zahltext.h"
#include "shadow/Simulieren.h"
#include "ui/Form_Haupt.h"
#include "ui/Form_Jahresuebersicht.h"
#include "views/Jahreskarte.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using V = std::vector<std::string>;

TEST(Jahresuebersichtsauftrag, AufrufeLesen) {
    const TStapelLesen ganz = StapelauftragLesen(V{"sonnenstunden", "p.dat", "-o", "-"});
    ASSERT_TRUE(ganz.Auftrag) << ganz.Fehler;
    EXPECT_EQ(ganz.Auftrag->Befehl, TStapelauftrag::Sonnenstunden);
    EXPECT_EQ(ganz.Auftrag->Zeitraum, GanzesJahr);

    const TStapelLesen teil =
        StapelauftragLesen(V{"sonnenstunden", "p.dat", "--zeitraum", "01.12.-28.02.", "--uhrzeit",
                             "09:00-11:30", "-o", "x.txt"});
    ASSERT_TRUE(teil.Auftrag) << teil.Fehler;
    EXPECT_EQ(teil.Auftrag->Zeitraum, (TZeitraum{335, 59, 54, 69}));
    EXPECT_FALSE(teil.Auftrag->Csv);
    const TStapelLesen csv =
        StapelauftragLesen(V{"sonnenstunden", "p.dat", "--format", "csv", "-o", "x.csv"});
    ASSERT_TRUE(csv.Auftrag) << csv.Fehler;
    EXPECT_TRUE(csv.Auftrag->Csv);

    const TStapelLesen karte =
        StapelauftragLesen(V{"jahresuebersicht", "p.dat", "--ziel", "terrasse", "--tag", "21.03.",
                             "--uhrzeit", "10:00", "-o", "k.png"});
    ASSERT_TRUE(karte.Auftrag) << karte.Fehler;
    EXPECT_EQ(karte.Auftrag->Befehl, TStapelauftrag::Jahresuebersicht);
    EXPECT_TRUE(karte.Auftrag->Terrasse);
    EXPECT_EQ(karte.Auftrag->Tag, 80);
    EXPECT_EQ(karte.Auftrag->Zeitposition, 60);

    const TStapelLesen druck =
        StapelauftragLesen(V{"drucken", "p.dat", "--inhalt", "jahresuebersicht", "-o", "x.pdf"});
    ASSERT_TRUE(druck.Auftrag) << druck.Fehler;
    EXPECT_TRUE(druck.Auftrag->MitJahresuebersicht);
    EXPECT_FALSE(druck.Auftrag->MitDatenblatt);
    EXPECT_FALSE(druck.Auftrag->MitGrafiken);
    const TStapelLesen alles =
        StapelauftragLesen(V{"drucken", "p.dat", "--inhalt", "alles", "-o", "x.pdf"});
    ASSERT_TRUE(alles.Auftrag);
    EXPECT_FALSE(alles.Auftrag->MitJahresuebersicht);

    for (const V& falsch : {
             V{"sonnenstunden", "p.dat", "--zeitraum", "31.02.-01.03.", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--zeitraum", "01.06.", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--uhrzeit", "25:00-26:00", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--uhrzeit", "16:00-12:00", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--uhrzeit", "12:00", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--ziel", "fenster", "-o", "-"},
             V{"sonnenstunden", "p.dat", "--tag", "3", "-o", "-"},
             V{"sonnenstunden", "p.dat"},
             V{"jahresuebersicht", "p.dat", "-o", "k.png"},
             V{"jahresuebersicht", "p.dat", "--ziel", "fenster", "-o", "-"},
             V{"jahresuebersicht", "p.dat", "--ziel", "fenster", "--zeitraum", "01.06.-31.08.",
               "-o", "k.png"},
             V{"drucken", "p.dat", "--inhalt", "jahr", "-o", "x.pdf"},
         }) {
        const TStapelLesen r = StapelauftragLesen(falsch);
        EXPECT_FALSE(r.Auftrag.has_value()) << falsch[2] << " " << falsch.back();
        EXPECT_FALSE(r.Fehler.empty());
    }
    const std::string hilfe = StapelHilfe();
    for (const char* befehl : {"jahresuebersicht", "sonnenstunden"}) {
        EXPECT_NE(hilfe.find(std::string("umbrarix-batch ") + befehl), std::string::npos) << befehl;
    }
}

TEST(Dimensionierungsauftrag, AufrufeLesen) {
    const V Grund{"dimensionieren", "p.dat",     "--ziel",      "terrasse",     "--zeitraum",
                  "01.06.-31.08.",  "--uhrzeit", "12:00-16:00", "--mindestens", "80"};
    const auto mit = [&Grund](const V& mehr) {
        V v = Grund;
        v.insert(v.end(), mehr.begin(), mehr.end());
        return StapelauftragLesen(v);
    };
    const TStapelLesen einfach = mit({"-o", "-"});
    ASSERT_TRUE(einfach.Auftrag) << einfach.Fehler;
    const TDimensionierungsfrage& f = einfach.Auftrag->Frage;
    EXPECT_EQ(einfach.Auftrag->Befehl, TStapelauftrag::Dimensionieren);
    EXPECT_TRUE(f.Terrasse);
    EXPECT_EQ(f.Zeitraum, TZeitraum{});
    EXPECT_DOUBLE_EQ(f.Mindestgrad, 0.8);
    EXPECT_EQ(f.Ausfall, (TBereich{0, 400, 10}));
    EXPECT_FALSE(f.Breite);
    EXPECT_FALSE(f.Neigung);

    const TStapelLesen voll = mit({"--ausfall", "100-300:25", "--breite", "400-700:100",
                                   "--neigung", "0-20:5", "--projekt", "neu.dat", "-o", "x"});
    ASSERT_TRUE(voll.Auftrag) << voll.Fehler;
    EXPECT_EQ(voll.Auftrag->Frage.Ausfall, (TBereich{100, 300, 25}));
    EXPECT_EQ(voll.Auftrag->Frage.Breite, (TBereich{400, 700, 100}));
    EXPECT_EQ(voll.Auftrag->Frage.Neigung, (TBereich{0, 20, 5}));
    EXPECT_EQ(voll.Auftrag->NeuesProjekt, "neu.dat");

    for (const V& falsch :
         {V{"--ausfall", "0-500:10", "-o", "-"}, V{"--ausfall", "0-400:0", "-o", "-"},
          V{"--ausfall", "300-100:10", "-o", "-"}, V{"--ausfall", "0-400", "-o", "-"},
          V{"--breite", "10-700:10", "-o", "-"}, V{"--neigung", "0-91:1", "-o", "-"},
          V{"--neigung", "a-b:c", "-o", "-"}, V{"--mindestens", "101", "-o", "-"},
          V{"--mindestens", "-1", "-o", "-"}, V{"--mindestens", "x", "-o", "-"},
          V{"--ausfall", "0-400:1", "--breite", "15-700:1", "-o", "-"},
          V{"--tag", "3", "-o", "-"}}) {
        const TStapelLesen r = mit(falsch);
        EXPECT_FALSE(r.Auftrag.has_value()) << falsch[0] << " " << falsch[1];
        EXPECT_FALSE(r.Fehler.empty());
    }
    for (const V& ohne : {V{"dimensionieren", "p.dat", "--ziel", "fenster", "--uhrzeit",
                            "12:00-16:00", "--mindestens", "80", "-o", "-"},
                          V{"dimensionieren", "p.dat", "--zeitraum", "01.06.-31.08.", "--uhrzeit",
                            "12:00-16:00", "--mindestens", "80", "-o", "-"},
                          V{"dimensionieren", "p.dat", "--ziel", "fenster", "--zeitraum",
                            "01.06.-31.08.", "--uhrzeit", "12:00-16:00", "-o", "-"}}) {
        EXPECT_FALSE(StapelauftragLesen(ohne).Auftrag.has_value());
    }
    EXPECT_NE(StapelHilfe().find("umbrarix-batch dimensionieren"), std::string::npos);
}

struct TLauf {
    int Rueckgabe = -1;
    QByteArray Aus, Fehler;
};

TLauf Stapel(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(UMBRARIX_BATCH), argumente);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A project with both wall projections on a south-east facade, written to disk.
struct TProjekt {
    QTemporaryDir Ordner;
    QString Pfad = Ordner.filePath(QStringLiteral("projekt.dat"));
    TProjektdaten Texte;
    TSzene Szene;

    TProjekt() {
        TProjektdaten p = Startprojekt();
        p.MauerLinks = p.MauerRechts = true;
        p.Felder["anz_Himmelsrichtung"] = "40";
        p.Felder["anz_ml_ausfall"] = "150";
        EXPECT_EQ(DateiSchreiben(Pfad.toStdString(), ProjektdateiSchreiben(p)), std::nullopt);
        const TProjektLesen gelesen =
            ProjektdateiLesen(DateiLesen(Pfad.toStdString()).Bytes, Startprojekt());
        EXPECT_TRUE(gelesen.Gelesen) << gelesen.Fehler;
        Texte = ProjektUebernehmen(gelesen.Daten, Szene);
    }
};

TEST(Jahresuebersichtsprogramm, DateienWieDerKern) {
    TProjekt p;
    const TJahresraster r = *JahresrasterBerechnen(p.Szene);

    const TZeitraum z{335, 59, 54, 69};
    const TLauf stunden =
        Stapel({QStringLiteral("sonnenstunden"), p.Pfad, QStringLiteral("--zeitraum"),
                QStringLiteral("01.12.-28.02."), QStringLiteral("--uhrzeit"),
                QStringLiteral("09:00-11:30"), QStringLiteral("-o"), QStringLiteral("-")});
    ASSERT_EQ(stunden.Rueckgabe, 0) << stunden.Fehler.toStdString();
    EXPECT_TRUE(stunden.Fehler.isEmpty());
    EXPECT_EQ(stunden.Aus.toStdString(), Sonnenstundendatei(p.Texte, SonnenstundenBerechnen(r), z,
                                                            BeschattungsgradAusRaster(r, z)));
    EXPECT_TRUE(stunden.Aus.contains("Zeitraum: 01.12. bis 28.02., 09:00 bis 11:30 Uhr\r\n"));

    const QString png = p.Ordner.filePath(QStringLiteral("karte.png"));
    const TLauf karte =
        Stapel({QStringLiteral("jahresuebersicht"), p.Pfad, QStringLiteral("--ziel"),
                QStringLiteral("terrasse"), QStringLiteral("--tag"), QStringLiteral("100"),
                QStringLiteral("-o"), png});
    ASSERT_EQ(karte.Rueckgabe, 0) << karte.Fehler.toStdString();
    const QImage bild = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage erwartet = Jahreskarte_Zeichnen(r.Terrasse, QStringLiteral("Terrasse"), 100, 72)
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(bild, erwartet);

    const QString pdf = p.Ordner.filePath(QStringLiteral("uebersicht.pdf"));
    const TLauf druck = Stapel({QStringLiteral("drucken"), p.Pfad, QStringLiteral("--inhalt"),
                                QStringLiteral("jahresuebersicht"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(druck.Rueckgabe, 0) << druck.Fehler.toStdString();
    const QString inhalt =
        QString::fromLatin1(QByteArray::fromStdString(DateiLesen(pdf.toStdString()).Bytes));
    EXPECT_EQ(inhalt.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);

    // A wrong period is a wrong call, with the German reason and nothing written.
    const QString nichts = p.Ordner.filePath(QStringLiteral("nichts.txt"));
    const TLauf falsch =
        Stapel({QStringLiteral("sonnenstunden"), p.Pfad, QStringLiteral("--uhrzeit"),
                QStringLiteral("16:00-12:00"), QStringLiteral("-o"), nichts});
    EXPECT_EQ(falsch.Rueckgabe, 2);
    EXPECT_TRUE(falsch.Fehler.contains("Uhrzeit bis muss nach der Uhrzeit von"));
    EXPECT_FALSE(QFile::exists(nichts));
}

// The candidates' file and the proposal's project file as the core gives them; the project
// file opens with the proposal in its fields.
TEST(Jahresuebersichtsprogramm, Dimensionieren) {
    TProjekt p;
    const QString neu = p.Ordner.filePath(QStringLiteral("neu.dat"));
    const TLauf lauf = Stapel(
        {QStringLiteral("dimensionieren"), p.Pfad, QStringLiteral("--ziel"),
         QStringLiteral("terrasse"), QStringLiteral("--zeitraum"), QStringLiteral("01.06.-10.06."),
         QStringLiteral("--uhrzeit"), QStringLiteral("12:00-16:00"), QStringLiteral("--mindestens"),
         QStringLiteral("40"), QStringLiteral("--ausfall"), QStringLiteral("150-350:50"),
         QStringLiteral("--projekt"), neu, QStringLiteral("-o"), QStringLiteral("-")});
    ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
    TDimensionierungsfrage f;
    f.Terrasse = true;
    f.Zeitraum = {152, 161, 72, 96};
    f.Mindestgrad = 0.4;
    f.Ausfall = {150, 350, 50};
    const TDimensionierung d = *Dimensionieren(p.Szene, f);
    EXPECT_EQ(lauf.Aus.toStdString(), Dimensionierungsdatei(p.Texte, f, d));
    ASSERT_GE(d.Vorschlag, 0);
    const TKandidat& v = d.Kandidaten[static_cast<size_t>(d.Vorschlag)];
    const TProjektLesen gelesen =
        ProjektdateiLesen(DateiLesen(neu.toStdString()).Bytes, Startprojekt());
    ASSERT_TRUE(gelesen.Gelesen) << gelesen.Fehler;
    EXPECT_EQ(gelesen.Daten.Felder.at("anz_Vordachlaenge"), std::to_string(v.Ausfall));
    EXPECT_TRUE(gelesen.Daten.Ueberhang);
    TSzene s;
    const TProjektdaten offen = ProjektUebernehmen(gelesen.Daten, s);
    EXPECT_EQ(offen.Felder.at("anz_Durchgangshoehe"), GanzzahlText(v.Durchgangshoehe));
    EXPECT_EQ(*BeschattungsgradBerechnen(s, f.Zeitraum)->Terrasse, *v.Grad.Terrasse)
        << "the file gives back the proposal's scene";
}

// The window's saved table and picture are the batch program's, byte for byte, for the same
// project file and period.
TEST(Jahresuebersichtsprogramm, WieDasFenster) {
    testhilfen::THauptfenster w;
    w->CheckBox_MauerRechts->click();
    w->anz_Himmelsrichtung->SetzeText(QStringLiteral("320"));
    w->EndeDimensionAendern(w->anz_Himmelsrichtung);
    const QString projekt = w.Ordner.filePath(QStringLiteral("projekt.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    w->TrackBar_Datum->SetzePosition(200);
    w->TrackBar_Uhrzeit->SetzePosition(93);
    const QString tabelle = w.Ordner.filePath(QStringLiteral("fenster.txt"));
    const QString bild = w.Ordner.filePath(QStringLiteral("fenster.png"));
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& j = dynamic_cast<TForm_Jahresuebersicht&>(d);
        j.SetzeZeitraum({121, 273, 42, 66});
        w.Plattform.Dateiantworten.push_back(tabelle);
        j.Button_Tabelle->click();
        w.Plattform.Dateiantworten.push_back(bild);
        j.Button_BildFenster->click();
    };
    w->Jahresuebersicht1->trigger();

    const TLauf stunden =
        Stapel({QStringLiteral("sonnenstunden"), projekt, QStringLiteral("--zeitraum"),
                QStringLiteral("01.05.-30.09."), QStringLiteral("--uhrzeit"),
                QStringLiteral("07:00-11:00"), QStringLiteral("-o"), QStringLiteral("-")});
    ASSERT_EQ(stunden.Rueckgabe, 0) << stunden.Fehler.toStdString();
    EXPECT_EQ(stunden.Aus.toStdString(), DateiLesen(tabelle.toStdString()).Bytes);
    const QString stapelbild = w.Ordner.filePath(QStringLiteral("stapel.png"));
    ASSERT_EQ(Stapel({QStringLiteral("jahresuebersicht"), projekt, QStringLiteral("--ziel"),
                      QStringLiteral("fenster"), QStringLiteral("--tag"), QStringLiteral("200"),
                      QStringLiteral("--uhrzeit"), QStringLiteral("15:30"), QStringLiteral("-o"),
                      stapelbild})
                  .Rueckgabe,
              0);
    EXPECT_EQ(QImage(stapelbild).convertToFormat(QImage::Format_RGB32),
              QImage(bild).convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace umbrarix
