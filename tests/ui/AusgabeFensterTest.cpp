#include "ui/Form_Haupt.h"

#include "io/Cp1252.h"
#include "io/Dateizugriff.h"

#include "hilfen/Hauptfenster.h"
#include "ui/Plattform.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string();
}

int PdfSeiten(const QString& pfad) {
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pfad)));
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(Ausgabe, VerschattungstabelleAusDemMenue) {
    THauptfenster w;
    const QString datei = w.Ordner.filePath(QStringLiteral("tag.dat"));
    w.Plattform.Dateiantworten.push_back(datei);
    w->Fenster1->trigger();
    ASSERT_EQ(w.Plattform.Dateidialoge.size(), 1);
    EXPECT_EQ(w.Plattform.Dateidialoge[0].Ordner, w->Programmordner);
    EXPECT_EQ(w.Plattform.Dateidialoge[0].Filter,
              QStringLiteral(
                  "Daten-Dateien (*.dat)|*.dat|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(w.Plattform.Dateidialoge[0].Endung, QStringLiteral("dat"));
    const std::vector<std::string> z = Zeilen(AusCp1252(Inhalt(datei)));
    ASSERT_GT(z.size(), 24u);
    EXPECT_EQ(z[z.size() - 25], "Stunde   Verschattung Fenster");
    EXPECT_EQ(z[z.size() - 24], "     0                  -1.00");
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible());
    EXPECT_EQ(w->Gauge_Speichervortschritt->value(), 96); // 23 * 100 / 24, rounded
    EXPECT_GE(w.Plattform.Verarbeitungen, 24);
    EXPECT_EQ(w->SaveDialog2.Dateiname, datei) << "remembered for the next export";
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 72) << "the track bars are not moved";
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(),
              QStringLiteral("Verschattung (Fenster): 100.0 %"));

    // Cancelled: no file, no panel, the instant evaluated again.
    w->anz_Verschattungsanteil_f->setText(QString());
    w->Terrasse2->trigger();
    EXPECT_TRUE(w->anz_Verschattungsanteil_f->text().startsWith(QStringLiteral("Verschattung")));
    // A failed write: the German message, the panel hidden, no half file.
    w.Plattform.Dateiantworten.push_back(w.Ordner.filePath(QStringLiteral("fehlt/jahr.dat")));
    w->Terrasse3->trigger();
    EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Pfad nicht gefunden"));
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible());
}

TEST(Ausgabe, VerschattungstabelleAlsCsv) {
    THauptfenster w;
    const QString datei = w.Ordner.filePath(QStringLiteral("tag.CSV"));
    w.Plattform.Dateiantworten.push_back(datei);
    w->Terrasse1->trigger();
    const std::string bytes = Inhalt(datei);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> z = Zeilen(bytes.substr(3));
    ASSERT_EQ(z.size(), 25u);
    EXPECT_EQ(z[0], "Stunde;Verschattung Terrasse");
    EXPECT_EQ(z[1], "0;-1,00");
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible());
}

TEST(Ausgabe, EndungFolgtDemGewaehltenFilter) {
    const struct {
        const char* filter;
        const char* endung;
    } faelle[] = {{"CSV-Dateien (*.csv)", "csv"},
                  {"Daten-Dateien (*.dat)", "dat"},
                  {"Alle Dateien (*.*)", ""},
                  {"Bilder (*.png *.jpg)", ""},
                  {"ohne Muster", ""}};
    for (const auto& f : faelle) {
        EXPECT_EQ(EndungDesFilters(QString::fromUtf8(f.filter)), QString::fromUtf8(f.endung))
            << f.filter;
    }
}

TEST(Ausgabe, VelumoraDatei) {
    THauptfenster w;
    w->SaveDialog_Velumora.Dateiname = QStringLiteral("alt.dat");
    const QString datei = w.Ordner.filePath(QStringLiteral("velumora.dat"));
    w.Plattform.Dateiantworten.push_back(datei);
    w->TerrassealsTarget1->trigger();
    ASSERT_EQ(w.Plattform.Dateidialoge.size(), 1);
    const TDateiDialog& d = w.Plattform.Dateidialoge[0];
    EXPECT_EQ(d.Filter, QStringLiteral("VELUMORA-Datendatei (*.dat)|*.dat"));
    EXPECT_EQ(d.Endung, QStringLiteral("dat"));
    EXPECT_TRUE(d.Dateiname.isEmpty());
    EXPECT_EQ(d.Ordner, w->Programmordner);
    const std::vector<std::string> z = Zeilen(AusCp1252(Inhalt(datei)));
    ASSERT_GT(z.size(), 6u);
    EXPECT_EQ(z[4], "4");
    EXPECT_EQ(z[5], "Terrasse");
}

TEST(Ausgabe, DruckenAlsPdf) {
    THauptfenster w;
    w->CheckBox_MauerLinks->click(); // a data sheet of two pages
    const QString alles = w.Ordner.filePath(QStringLiteral("alles.pdf"));
    w.Plattform.Druckantworten.push_back(alles);
    w->DatenblattAusgabe1->trigger();
    EXPECT_EQ(PdfSeiten(alles), 5);
    EXPECT_EQ(w.Plattform.Druckauftraege, QStringList{QStringLiteral("Umbrarix")});
    EXPECT_FALSE(w->Panel_DruckvorgangLaeuft->isVisible());
    EXPECT_EQ(w->anz_Simulationsdatum->text(), QStringLiteral("Datum: 21. Juni"))
        << "the graphics ran the full day run";
    EXPECT_TRUE(w.Plattform.Meldungen.isEmpty());
    // Kept beside the view pictures for a look by eye (pdftoppm turns it into PNG pages).
    QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER));
    QFile::remove(QStringLiteral(UMBRARIX_BILDORDNER "/druck.pdf"));
    QFile::copy(alles, QStringLiteral(UMBRARIX_BILDORDNER "/druck.pdf"));

    const QString blatt = w.Ordner.filePath(QStringLiteral("blatt.pdf"));
    w->CheckBox_MauerLinks->click();
    w->CheckBox_Ueberhang->click();
    w.Plattform.Druckantworten.push_back(blatt);
    w->Datenblatt1->trigger();
    EXPECT_EQ(PdfSeiten(blatt), 1);

    const QString grafik = w.Ordner.filePath(QStringLiteral("grafik.pdf"));
    w.Plattform.Druckantworten.push_back(grafik);
    w->Grafiken1->trigger();
    EXPECT_EQ(PdfSeiten(grafik), 3);

    const QString schirm = w.Ordner.filePath(QStringLiteral("schirm.pdf"));
    w.Plattform.Druckantworten.push_back(schirm);
    w->AktuellerSchirm1->trigger();
    EXPECT_EQ(PdfSeiten(schirm), 1);
    EXPECT_EQ(w.Plattform.Druckauftraege.back(), QStringLiteral("Umbrarix "));

    // Cancelled: nothing printed. Into a missing folder: the message, nothing left over.
    w->Datenblatt1->trigger();
    w.Plattform.Druckantworten.push_back(w.Ordner.filePath(QStringLiteral("fehlt/x.pdf")));
    w->Datenblatt1->trigger();
    EXPECT_EQ(w.Plattform.Meldungen, QStringList{QStringLiteral("Pfad nicht gefunden")});
    EXPECT_FALSE(w->Panel_DruckvorgangLaeuft->isVisible());
    EXPECT_EQ(QDir(w.Ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

} // namespace
} // namespace umbrarix
