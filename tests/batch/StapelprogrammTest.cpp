// The batch program run as a process, compared with what the window writes for the same
// project and instant.

#include "ui/Form_Haupt.h"

#include "io/Dateizugriff.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

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

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<nicht lesbar>");
}

// A window with a project saved to disk and opened again, at day 200, 15:30.
struct TVergleich {
    THauptfenster w;
    QString Projekt;

    explicit TVergleich(bool alleElemente) {
        if (alleElemente) {
            w->CheckBox_MauerLinks->click();
            w->CheckBox_MauerRechts->click();
            w->anz_ml_AbstandFenstermitte->SetzeText(QStringLiteral("250"));
            w->anz_mr_abstandFenstermitte->SetzeText(QStringLiteral("240"));
            w->anz_ml_ausfall->SetzeText(QStringLiteral("160"));
            w->anz_Himmelsrichtung->SetzeText(QStringLiteral("30"));
            w->EndeDimensionAendern(w->anz_ml_ausfall);
        }
        Projekt = w.Ordner.filePath(QStringLiteral("projekt.dat"));
        w.Plattform.Dateiantworten.push_back(Projekt);
        w->Sperichernunter1Click();
        w->Neu1Click();
        w.Plattform.Dateiantworten.push_back(Projekt);
        w->ffnen1Click();
        w->TrackBar_Datum->SetzePosition(200);
        w->TrackBar_Uhrzeit->SetzePosition(93);
    }

    QStringList Zeit() const {
        return {QStringLiteral("--tag"), QStringLiteral("200"), QStringLiteral("--uhrzeit"),
                QStringLiteral("15:30")};
    }

    // What the window writes through a menu item into a file.
    std::string Fenstertabelle(QAction* eintrag) {
        const QString datei = w.Ordner.filePath(QStringLiteral("fenster.dat"));
        w.Plattform.Dateiantworten.push_back(datei);
        eintrag->trigger();
        return Inhalt(datei);
    }
};

QImage Png(const QByteArray& bytes) {
    return QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32);
}

class StapelprogrammVergleich : public ::testing::TestWithParam<bool> {};

TEST_P(StapelprogrammVergleich, TabellenUndVelumoraByteFuerByte) {
    TVergleich v(GetParam());
    const struct {
        QAction* eintrag;
        const char* ziel;
        const char* art;
    } faelle[] = {{v.w->Fenster1, "fenster", "tag"},
                  {v.w->Terrasse1, "terrasse", "tag"},
                  {v.w->Fenster2, "fenster", "jahr"},
                  {v.w->Terrasse3, "terrasse", "uhrzeit"},
                  {v.w->Fenster3, "fenster", "uhrzeit"}};
    for (const auto& f : faelle) {
        const TLauf lauf = Stapel(QStringList{QStringLiteral("tabelle"), v.Projekt,
                                              QStringLiteral("--ziel"), QString::fromUtf8(f.ziel),
                                              QStringLiteral("--art"), QString::fromUtf8(f.art),
                                              QStringLiteral("-o"), QStringLiteral("-")} +
                                  v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_TRUE(lauf.Fehler.isEmpty()) << lauf.Fehler.toStdString();
        EXPECT_EQ(lauf.Aus.toStdString(), v.Fenstertabelle(f.eintrag)) << f.ziel << " " << f.art;
    }
    // The spreadsheet form: the window picks it by the name, the batch by --format.
    {
        const TLauf lauf =
            Stapel(QStringList{QStringLiteral("tabelle"), v.Projekt, QStringLiteral("--ziel"),
                               QStringLiteral("fenster"), QStringLiteral("--art"),
                               QStringLiteral("uhrzeit"), QStringLiteral("--format"),
                               QStringLiteral("csv"), QStringLiteral("-o"), QStringLiteral("-")} +
                   v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        const QString datei = v.w.Ordner.filePath(QStringLiteral("fenster.csv"));
        v.w.Plattform.Dateiantworten.push_back(datei);
        v.w->Fenster3->trigger();
        EXPECT_TRUE(lauf.Aus.startsWith("\xEF\xBB\xBFTag;Monat;Verschattung Fenster\r\n"));
        EXPECT_EQ(lauf.Aus.toStdString(), Inhalt(datei));
    }
    for (const bool terrasse : {false, true}) {
        const QString datei = v.w.Ordner.filePath(QStringLiteral("velumora.dat"));
        v.w.Plattform.Dateiantworten.push_back(datei);
        v.w->VelumoraExportClick(terrasse ? v.w->TerrassealsTarget1 : v.w->FensteralsTarget1);
        const QString stapel = v.w.Ordner.filePath(QStringLiteral("stapel.dat"));
        const TLauf lauf =
            Stapel({QStringLiteral("velumora"), v.Projekt, QStringLiteral("--ziel"),
                    terrasse ? QStringLiteral("terrasse") : QStringLiteral("fenster"),
                    QStringLiteral("-o"), stapel});
        ASSERT_EQ(lauf.Rueckgabe, 0);
        EXPECT_EQ(Inhalt(stapel), Inhalt(datei));
    }
}

TEST_P(StapelprogrammVergleich, AnsichtenPixelFuerPixel) {
    TVergleich v(GetParam());
    const struct {
        const char* ansicht;
        int knopf;
        TBildflaeche* TForm_Haupt::*bild;
    } faelle[] = {{"3d", 0, &TForm_Haupt::Image_3d},
                  {"seite", 1, &TForm_Haupt::seitenansicht},
                  {"fenster", 2, &TForm_Haupt::frontansicht},
                  {"terrasse", 3, &TForm_Haupt::Horizontalschnitt},
                  {"kompass", 0, &TForm_Haupt::Image_Kompass},
                  {"tagesdiagramm", 4, &TForm_Haupt::anz_Tagessimulation_Fenster},
                  {"jahresdiagramm", 5, &TForm_Haupt::anz_Jahressimulation_Fenster}};
    for (const auto& f : faelle) {
        v.w->Ansichtsknoepfe[f.knopf]->click();
        const QImage fenster = ((*v.w).*f.bild)->Bild().convertToFormat(QImage::Format_RGB32);
        const QString png = v.w.Ordner.filePath(QStringLiteral("ansicht.png"));
        const TLauf lauf =
            Stapel(QStringList{QStringLiteral("ansicht"), v.Projekt, QStringLiteral("--ansicht"),
                               QString::fromUtf8(f.ansicht), QStringLiteral("-o"), png} +
                   v.Zeit());
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_EQ(Png(QByteArray::fromStdString(Inhalt(png))), fenster) << f.ansicht;
    }
    // The terrace diagram of the last (year) run.
    v.w->SpeedButton_Jahressimulation_Terrasse->click();
    const QString png = v.w.Ordner.filePath(QStringLiteral("terrasse.png"));
    ASSERT_EQ(Stapel(QStringList{QStringLiteral("ansicht"), v.Projekt, QStringLiteral("--ansicht"),
                                 QStringLiteral("jahresdiagramm"), QStringLiteral("--ziel"),
                                 QStringLiteral("terrasse"), QStringLiteral("-o"), png} +
                     v.Zeit())
                  .Rueckgabe,
              0);
    EXPECT_EQ(Png(QByteArray::fromStdString(Inhalt(png))),
              v.w->anz_Jahressimulation_Terrasse->Bild().convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Projekte, StapelprogrammVergleich, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return i.param ? std::string("AlleElemente") : std::string("Vorgabe");
                         });

int PdfSeiten(const QString& pfad) {
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pfad)));
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(Stapelprogramm, DruckenAlsPdf) {
    TVergleich v(true);
    const QString ansprechpartner = v.w.Ordner.filePath(QStringLiteral("partner.txt"));
    ASSERT_EQ(DateiSchreiben(ansprechpartner.toStdString(), "Anna Beispiel\r\nTel. 1\r\n"),
              std::nullopt);
    const struct {
        const char* inhalt;
        int seiten;
    } faelle[] = {{"alles", 5}, {"datenblatt", 2}, {"grafiken", 3}};
    for (const auto& f : faelle) {
        const QString pdf = v.w.Ordner.filePath(QStringLiteral("druck.pdf"));
        const TLauf lauf = Stapel({QStringLiteral("drucken"), v.Projekt, QStringLiteral("--inhalt"),
                                   QString::fromUtf8(f.inhalt), QStringLiteral("--ansprechpartner"),
                                   ansprechpartner, QStringLiteral("-o"), pdf});
        ASSERT_EQ(lauf.Rueckgabe, 0) << lauf.Fehler.toStdString();
        EXPECT_EQ(PdfSeiten(pdf), f.seiten) << f.inhalt;
    }
}

TEST(Stapelprogramm, FehlerUndAufruf) {
    THauptfenster w;
    const TLauf hilfe = Stapel({QStringLiteral("--help")});
    EXPECT_EQ(hilfe.Rueckgabe, 0);
    EXPECT_TRUE(hilfe.Aus.contains("umbrarix-batch tabelle"));
    const TLauf version = Stapel({QStringLiteral("--version")});
    EXPECT_EQ(version.Rueckgabe, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^umbrarix-batch \\d+\\.\\d+(\\.\\d+)?\\n$"))
                    .match(QString::fromUtf8(version.Aus))
                    .hasMatch())
        << version.Aus.toStdString();

    const TLauf ohne = Stapel({});
    EXPECT_EQ(ohne.Rueckgabe, 2);
    EXPECT_TRUE(ohne.Fehler.contains("Kein Befehl"));
    EXPECT_EQ(Stapel({QStringLiteral("tabelle"), QStringLiteral("x.dat")}).Rueckgabe, 2);

    const TLauf fehlt =
        Stapel({QStringLiteral("velumora"), w.Ordner.filePath(QStringLiteral("fehlt.dat")),
                QStringLiteral("--ziel"), QStringLiteral("fenster"), QStringLiteral("-o"),
                QStringLiteral("-")});
    EXPECT_EQ(fehlt.Rueckgabe, 1);
    EXPECT_TRUE(QString::fromUtf8(fehlt.Fehler).contains(QStringLiteral("Datei nicht gefunden")));
    EXPECT_TRUE(fehlt.Aus.isEmpty());

    const QString falsch = w.Ordner.filePath(QStringLiteral("falsch.dat"));
    ASSERT_EQ(DateiSchreiben(falsch.toStdString(),
                             "Verschattungssimulation:\r\n=\r\nVersion 2005 / 02\r\n"),
              std::nullopt);
    const TLauf falscheVersion =
        Stapel({QStringLiteral("velumora"), falsch, QStringLiteral("--ziel"),
                QStringLiteral("fenster"), QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(falscheVersion.Rueckgabe, 1);
    EXPECT_TRUE(QString::fromUtf8(falscheVersion.Fehler)
                    .contains(QStringLiteral("Falsches / unbekanntes Datenformat!")));

    const QString projekt = w.Ordner.filePath(QStringLiteral("p.dat"));
    w.Plattform.Dateiantworten.push_back(projekt);
    w->Sperichernunter1Click();
    const TLauf ziel =
        Stapel({QStringLiteral("tabelle"), projekt, QStringLiteral("--ziel"),
                QStringLiteral("fenster"), QStringLiteral("--art"), QStringLiteral("tag"),
                QStringLiteral("-o"), w.Ordner.filePath(QStringLiteral("fehlt/t.dat"))});
    EXPECT_EQ(ziel.Rueckgabe, 1);
    EXPECT_TRUE(QString::fromUtf8(ziel.Fehler).contains(QStringLiteral("Pfad nicht gefunden")));
    const TLauf voll =
        Stapel({QStringLiteral("ansicht"), projekt, QStringLiteral("--ansicht"),
                QStringLiteral("3d"), QStringLiteral("-o"), QStringLiteral("/dev/full")});
    EXPECT_EQ(voll.Rueckgabe, 1);
}

} // namespace
} // namespace umbrarix
