#include "ui/Form_Haupt.h"
#include "ui/Form_Jahresuebersicht.h"

#include "io/Dateizugriff.h"
#include "io/Sonnenstundendatei.h"
#include "io/Zahlformat.h"
#include "views/Jahreskarte.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string();
}

TEST(Jahresuebersichtsfenster, MenueNachVerschattungsdaten) {
    THauptfenster w;
    QStringList menues;
    for (QAction* a : w->menuBar()->actions()) {
        menues << a->text();
    }
    const qsizetype daten = menues.indexOf(QStringLiteral("&Verschattungsdaten"));
    ASSERT_GE(daten, 0);
    ASSERT_LT(daten + 2, menues.size());
    EXPECT_EQ(menues[daten + 1], QStringLiteral("&Auswertung"));
    EXPECT_EQ(menues[daten + 2], QStringLiteral("D&rucken"));
    ASSERT_FALSE(w->Auswertung1->actions().isEmpty());
    EXPECT_EQ(w->Auswertung1->actions().front(), w->Jahresuebersicht1);
    EXPECT_EQ(w->Jahresuebersicht1->text(), QStringLiteral("Jahresübersicht ..."));
}

// The dialog shows the core's numbers for the window's scene, follows a changed period at
// once, saves its pictures and table, prints one page, and leaves the window as it was.
TEST(Jahresuebersichtsfenster, DialogZeigtSpeichertUndDruckt) {
    THauptfenster w;
    w->CheckBox_MauerLinks->click();
    w->anz_Himmelsrichtung->SetzeText(QStringLiteral("30"));
    w->EndeDimensionAendern(w->anz_Himmelsrichtung);
    w->TrackBar_Datum->SetzePosition(100);
    w->TrackBar_Uhrzeit->SetzePosition(60);
    const QString anteilVorher = w->anz_Verschattungsanteil_f->text();
    const QImage frontVorher = w->frontansicht->Bild();
    const TSzene szeneVorher = w->Szene;

    const TJahresraster r = *JahresrasterBerechnen(w->Szene);
    const TSonnenstundenUebersicht u = SonnenstundenBerechnen(r);
    bool gezeigt = false;
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto* j = dynamic_cast<TForm_Jahresuebersicht*>(&d);
        ASSERT_NE(j, nullptr);
        gezeigt = true;
        EXPECT_EQ(j->windowTitle(), QStringLiteral("Jahresübersicht"));
        EXPECT_EQ(j->BildFenster,
                  Jahreskarte_Zeichnen(r.Fenster, QStringLiteral("Fenster"), 100, 60));
        EXPECT_EQ(j->BildTerrasse,
                  Jahreskarte_Zeichnen(r.Terrasse, QStringLiteral("Terrasse"), 100, 60));
        QTableWidget* t = j->Tabelle_Sonnenstunden;
        ASSERT_EQ(t->rowCount(), 13);
        ASSERT_EQ(t->columnCount(), 4);
        EXPECT_EQ(t->verticalHeaderItem(1)->text(), QStringLiteral("Februar"));
        EXPECT_EQ(t->verticalHeaderItem(12)->text(), QStringLiteral("Jahr"));
        EXPECT_EQ(t->horizontalHeaderItem(3)->text(),
                  QStringLiteral("Terrasse ohne\nSonnenschutz"));
        for (int z = 0; z < 13; ++z) {
            const TSonnenstunden& h = z < 12 ? u.Monate[static_cast<size_t>(z)] : u.Jahr;
            const double werte[] = {h.FensterMit, h.FensterOhne, h.TerrasseMit, h.TerrasseOhne};
            for (int s = 0; s < 4; ++s) {
                EXPECT_EQ(t->item(z, s)->text().toStdString(), Festkomma(werte[s], 2)) << z << s;
            }
        }

        // Default period 01.06. to 31.08., 12:00 to 16:00.
        EXPECT_EQ(j->Zeitraum(), TZeitraum{});
        EXPECT_EQ(j->anz_VonDatum->text(), QStringLiteral("01.06."));
        EXPECT_EQ(j->anz_BisUhrzeit->currentText(), QStringLiteral("16:00"));
        const auto grad = [&](const TZeitraum& z, bool terrasse) {
            const TBeschattungsgrad g = BeschattungsgradAusRaster(r, z);
            return QString::fromStdString(
                (terrasse ? "Beschattungsgrad Terrasse: " : "Beschattungsgrad Fenster: ") +
                BeschattungsgradText(terrasse ? g.Terrasse : g.Fenster));
        };
        EXPECT_EQ(j->anz_Beschattungsgrad_f->text(), grad(TZeitraum{}, false));
        EXPECT_EQ(j->anz_Beschattungsgrad_t->text(), grad(TZeitraum{}, true));

        // Winter over the new year: the labels follow at once.
        j->anz_VonDatum->setDate(QDate(2025, 12, 1));
        j->anz_BisDatum->setDate(QDate(2025, 2, 28));
        const TZeitraum winter{335, 59, 72, 96};
        EXPECT_EQ(j->Zeitraum(), winter);
        EXPECT_EQ(j->anz_Beschattungsgrad_f->text(), grad(winter, false));
        EXPECT_EQ(j->anz_Beschattungsgrad_t->text(), grad(winter, true));
        EXPECT_NE(grad(winter, false), grad(TZeitraum{}, false));
        // An end time before the start time cannot be chosen: the start follows it down,
        // and a later start pushes the end along.
        j->anz_BisUhrzeit->setCurrentIndex(j->anz_BisUhrzeit->findText(QStringLiteral("09:00")));
        EXPECT_EQ(j->Zeitraum().VonSchritt, 53);
        EXPECT_EQ(j->Zeitraum().BisSchritt, 54);
        j->anz_VonUhrzeit->setCurrentIndex(j->anz_VonUhrzeit->findText(QStringLiteral("23:50")));
        EXPECT_EQ(j->Zeitraum().BisSchritt, 144);
        EXPECT_EQ(j->anz_BisUhrzeit->currentText(), QStringLiteral("24:00"));
        EXPECT_EQ(j->anz_VonDatum->maximumDate(), QDate(2025, 12, 31)) << "no 29 February";
        j->SetzeZeitraum(winter);

        const QString tabelle = w.Ordner.filePath(QStringLiteral("sonne.txt"));
        w.Plattform.Dateiantworten.push_back(tabelle);
        j->Button_Tabelle->click();
        EXPECT_EQ(Inhalt(tabelle), Sonnenstundendatei(w->ProjektErfassen(), u, winter,
                                                      BeschattungsgradAusRaster(r, winter)));
        const QString csv = w.Ordner.filePath(QStringLiteral("sonne.CSV"));
        w.Plattform.Dateiantworten.push_back(csv);
        j->Button_Tabelle->click();
        EXPECT_EQ(Inhalt(csv), SonnenstundenCsv(u));
        EXPECT_EQ(w.Plattform.Dateidialoge.back().Filter,
                  QStringLiteral("Text-Dateien (*.txt)|*.txt|CSV-Dateien (*.csv)|*.csv|"
                                 "Alle Dateien (*.*)|*.*"));
        const QString png = w.Ordner.filePath(QStringLiteral("terrasse.png"));
        w.Plattform.Dateiantworten.push_back(png);
        j->Button_BildTerrasse->click();
        EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32),
                  j->BildTerrasse.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(w.Plattform.Dateidialoge.back().Filter,
                  QStringLiteral("PNG-Bilder (*.png)|*.png|Alle Dateien (*.*)|*.*"));
        // A failed write says why.
        w.Plattform.Dateiantworten.push_back(w.Ordner.filePath(QStringLiteral("fehlt/f.png")));
        j->Button_BildFenster->click();
        ASSERT_FALSE(w.Plattform.Meldungen.isEmpty());
        EXPECT_EQ(w.Plattform.Meldungen.back(), QStringLiteral("Pfad nicht gefunden"));

        const QString pdf = w.Ordner.filePath(QStringLiteral("uebersicht.pdf"));
        w.Plattform.Druckantworten.push_back(pdf);
        j->Button_Drucken->click();
        const QString text = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pdf)));
        EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);

        // A picture of the dialog for a look by eye.
        j->show();
        QCoreApplication::processEvents();
        QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER));
        j->grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/fenster_jahresuebersicht.png"));
        QFile::remove(QStringLiteral(UMBRARIX_BILDORDNER "/jahresuebersicht.pdf"));
        QFile::copy(pdf, QStringLiteral(UMBRARIX_BILDORDNER "/jahresuebersicht.pdf"));
    };
    w->Jahresuebersicht1->trigger();
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(w.Plattform.GezeigteDialoge.back(), QStringLiteral("Form_Jahresuebersicht"));
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible());

    // The window's instant, views and values are as before.
    EXPECT_EQ(w->TrackBar_Datum->Position(), 100);
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 60);
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(), anteilVorher);
    EXPECT_EQ(w->frontansicht->Bild(), frontVorher);
    EXPECT_EQ(w->Szene.Fenster.Verschattungsanteil, szeneVorher.Fenster.Verschattungsanteil);
    EXPECT_EQ(w->Szene.Terrasse.Verschattungsanteil, szeneVorher.Terrasse.Verschattungsanteil);
}

} // namespace
} // namespace umbrarix
