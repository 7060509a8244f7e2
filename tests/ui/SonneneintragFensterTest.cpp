// The Sonneneintrag window: the weather file chosen and remembered, the year of the window's
// scene as the core computes it, target and albedo, following the scene, saving and printing.

#include "ui/Form_Haupt.h"
#include "ui/Form_Sonneneintrag.h"

#include "io/Dateizugriff.h"
#include "io/Sonneneintragsdatei.h"
#include "io/Wetterdatei.h"
#include "model/Zahltext.h"
#include "ui/Zeitraumfelder.h"
#include "views/Pngdatei.h"
#include "views/Sonneneintragsdiagramm.h"

#include "hilfen/Hauptfenster.h"
#include "hilfen/Wetterdateien.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace umbrarix {
namespace {

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

testhilfen::TTestwetter Sommerlicht(int monat, int, int stunde) {
    const bool hell = stunde >= 6 && stunde <= 20;
    const double faktor = monat >= 5 && monat <= 8 ? 1.0 : 0.5;
    return {hell ? 500 * faktor : 0, hell ? 600 * faktor : 0, hell ? 100 * faktor : 0};
}

bool Warten(TForm_Sonneneintrag& s) {
    QElapsedTimer uhr;
    uhr.start();
    while (!s.Aktuell() && uhr.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return s.Aktuell();
}

TEST(Sonneneintragsfenster, WetterdateiZielFolgenSpeichernDrucken) {
    testhilfen::THauptfenster w;
    const QString epw = w.Ordner.filePath(QStringLiteral("koeln.epw"));
    const QString falsch = w.Ordner.filePath(QStringLiteral("falsch.epw"));
    ASSERT_FALSE(DateiSchreiben(epw.toStdString(), testhilfen::EpwDatei(Sommerlicht)));
    ASSERT_FALSE(DateiSchreiben(falsch.toStdString(), "LOCATION,x\r\n"));
    const TWetterjahr wetter = *WetterdateiLaden(epw.toStdString()).Jahr;

    w->Sonneneintrag1->trigger();
    ASSERT_TRUE(w->Sonneneintragsfenster);
    TForm_Sonneneintrag& s = *w->Sonneneintragsfenster;
    EXPECT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("Form_Sonneneintrag")});
    EXPECT_FALSE(s.Eintrag());
    EXPECT_FALSE(s.Button_Drucken->isEnabled()) << "nothing to print before a weather file";

    // A file that is no weather year: a message naming line and file, nothing computed.
    w.Plattform.Dateiantworten.push_back(falsch);
    s.WetterdateiClick();
    ASSERT_EQ(w.Plattform.Meldungen.size(), 1);
    EXPECT_TRUE(w.Plattform.Meldungen[0].contains(QStringLiteral("keine Stunden")));
    EXPECT_TRUE(w.Plattform.Meldungen[0].contains(falsch));
    EXPECT_FALSE(s.Eintrag());

    w.Plattform.Dateiantworten.push_back(epw);
    s.WetterdateiClick();
    ASSERT_TRUE(Warten(s));
    ASSERT_TRUE(s.Eintrag());
    const TSonneneintrag fenster = *SonneneintragBerechnen(w->Szene, wetter, false, 0.2);
    EXPECT_EQ(EintragImJahr(*s.Eintrag()).GesamtMit(), EintragImJahr(fenster).GesamtMit());
    EXPECT_EQ(s.Bild(), Sonneneintragsdiagramm_Zeichnen(fenster));
    EXPECT_EQ(s.Tabelle_Sonneneintrag->item(12, 5)->text(),
              QString::fromStdString(FestkommaText(EintragImJahr(fenster).GesamtMit() / 1000, 1)));
    EXPECT_EQ(s.anz_Abminderung->text(),
              QString::fromStdString(AbminderungText(fenster, GanzesJahr)));
    EXPECT_TRUE(s.anz_Abminderung->text().startsWith(QStringLiteral("Abminderung Fenster: ")));

    // Target, albedo (with a decimal comma) and period.
    s.anz_Ziel->setCurrentIndex(1);
    s.anz_Albedo->setValue(0.35);
    EXPECT_FALSE(s.Eintrag()) << "the old answer does not stay for the new question";
    ASSERT_TRUE(Warten(s));
    const TSonneneintrag terrasse = *SonneneintragBerechnen(w->Szene, wetter, true, 0.35);
    EXPECT_EQ(EintragImJahr(*s.Eintrag()).GesamtMit(), EintragImJahr(terrasse).GesamtMit());
    EXPECT_EQ(s.anz_Albedo->text(), QStringLiteral("0,35"));
    TZeitraum sommer{152, 243, 72, 96};
    s.Zeitraumfelder->SetzeZeitraum(sommer);
    EXPECT_EQ(s.anz_Abminderung->text(), QString::fromStdString(AbminderungText(terrasse, sommer)));
    s.grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/sonneneintrag_fenster.png"));

    // A changed scene is followed.
    QElapsedTimer uhr;
    uhr.start();
    w->CheckBox_MauerLinks->click();
    ASSERT_TRUE(Warten(s));
    std::printf("Sonneneintrag shown %lld ms after the change\n",
                static_cast<long long>(uhr.elapsed()));
    const TSonneneintrag neu = *SonneneintragBerechnen(w->Szene, wetter, true, 0.35);
    EXPECT_EQ(EintragImJahr(*s.Eintrag()).DirektMit, EintragImJahr(neu).DirektMit);
    EXPECT_EQ(s.Bild(), Sonneneintragsdiagramm_Zeichnen(neu));

    // Saving picture, text table and CSV; printing one page.
    const QString bild = w.Ordner.filePath(QStringLiteral("eintrag.png"));
    const QString csv = w.Ordner.filePath(QStringLiteral("eintrag.csv"));
    const QString text = w.Ordner.filePath(QStringLiteral("eintrag.txt"));
    const QString pdf = QStringLiteral(UMBRARIX_BILDORDNER "/sonneneintrag.pdf");
    w.Plattform.Dateiantworten.push_back(bild);
    s.BildSpeichernClick();
    EXPECT_EQ(Inhalt(bild), PngDatei(s.Bild()));
    w.Plattform.Dateiantworten.push_back(csv);
    s.TabelleSpeichernClick();
    EXPECT_EQ(Inhalt(csv), SonneneintragsCsv(neu));
    w.Plattform.Dateiantworten.push_back(text);
    s.TabelleSpeichernClick();
    EXPECT_EQ(Inhalt(text), Sonneneintragsdatei(w->ProjektErfassen(), neu, "koeln.epw", sommer));
    w.Plattform.Druckantworten.push_back(pdf);
    s.DruckenClick();
    QProcess pdftext;
    pdftext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftext.waitForFinished());
    const QByteArray gedruckt = pdftext.readAllStandardOutput();
    EXPECT_TRUE(gedruckt.contains("Sonneneintrag, Seite 1 / 1"));
    EXPECT_TRUE(gedruckt.contains("Abminderung Terrasse: ")) << gedruckt.toStdString();
    EXPECT_EQ(w.Plattform.Meldungen.size(), 1);

    // The file chosen is there again in a new window.
    s.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->Sonneneintragsfenster);
    w->Sonneneintrag1->trigger();
    ASSERT_TRUE(w->Sonneneintragsfenster);
    EXPECT_EQ(w->Sonneneintragsfenster->Label_Wetterdatei->text(), epw);
    ASSERT_TRUE(Warten(*w->Sonneneintragsfenster));
    EXPECT_TRUE(w->Sonneneintragsfenster->Eintrag());
}

} // namespace
} // namespace umbrarix
