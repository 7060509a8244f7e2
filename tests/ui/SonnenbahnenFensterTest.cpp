// The Sonnenbahnen window: the diagram of the window's scene, its target, saving and printing.

#include "ui/Form_Haupt.h"
#include "ui/Form_Sonnenbahnen.h"

#include "io/Dateizugriff.h"
#include "io/Maskendatei.h"
#include "views/Pngdatei.h"
#include "views/Sonnenbahnen.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

std::string Inhalt(const QString& pfad) {
    const TDateiinhalt d = DateiLesen(pfad.toStdString());
    return d.Gelesen ? d.Bytes : std::string("<fehlt>");
}

TEST(Sonnenbahnenfenster, DiagrammZielSpeichernDrucken) {
    testhilfen::THauptfenster w;
    w->CheckBox_MauerLinks->click();
    const QString bild = w.Ordner.filePath(QStringLiteral("bahnen.png"));
    const QString maske = w.Ordner.filePath(QStringLiteral("maske.csv"));
    const QString pdf = w.Ordner.filePath(QStringLiteral("bahnen.pdf"));
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& s = dynamic_cast<TForm_Sonnenbahnen&>(d);
        EXPECT_EQ(s.windowTitle(), QStringLiteral("Sonnenbahnen"));
        const THimmelsmaske m = *HimmelsmaskeBerechnen(w->Szene);
        EXPECT_EQ(s.Maske().Fenster, m.Fenster);
        EXPECT_EQ(s.Bild(), Sonnenbahnen_Zeichnen(w->Szene, m, false, 172, 72));
        s.anz_Ziel->setCurrentIndex(1);
        EXPECT_EQ(s.Bild(), Sonnenbahnen_Zeichnen(w->Szene, m, true, 172, 72));
        EXPECT_EQ(s.Image_Sonnenbahnen->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  s.Bild());
        w.Plattform.Dateiantworten.push_back(bild);
        s.BildSpeichernClick();
        EXPECT_EQ(Inhalt(bild), PngDatei(s.Bild()));
        w.Plattform.Dateiantworten.push_back(maske);
        s.MaskeSpeichernClick();
        EXPECT_EQ(Inhalt(maske), MaskenCsv(m));
        w.Plattform.Druckantworten.push_back(pdf);
        s.DruckenClick();
    };
    w->Sonnenbahnen1->trigger();
    ASSERT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("Form_Sonnenbahnen")});
    const QString inhalt = QString::fromLatin1(QByteArray::fromStdString(Inhalt(pdf)));
    EXPECT_EQ(inhalt.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    EXPECT_TRUE(text.readAllStandardOutput().contains("Sonnenbahnen, Seite 1 / 1"));
    EXPECT_TRUE(w.Plattform.Meldungen.isEmpty());
}

} // namespace
} // namespace umbrarix

#include "auswertung/Jahresraster.h"
#include "print/Jahresuebersichtsseite.h"
#include "ui/Form_Jahresuebersicht.h"

#include <QElapsedTimer>
#include <QRadioButton>

namespace umbrarix {
namespace {

using testhilfen::Maus;

// Both evaluation windows open beside the main window follow a drag of 50 steps and end
// showing exactly the pictures of the final scene; the main window never waits for them.
TEST(Folgefenster, ZiehenMitBeidenFensternOffen) {
    testhilfen::THauptfenster w;
    w->Ansichtsknoepfe[1]->click(); // the side view with the overhang's handles
    // The same drag without the windows, out and back, for the comparison printed below.
    QElapsedTimer ohne;
    ohne.start();
    Maus(w->s_ueberh_aussen, QEvent::MouseButtonPress, QPoint(2, 2));
    for (int k = 1; k <= 50; ++k) {
        Maus(w->s_ueberh_aussen, QEvent::MouseMove, QPoint(2 + (k % 2), 2));
    }
    Maus(w->s_ueberh_aussen, QEvent::MouseButtonRelease, QPoint(2, 2));
    const qint64 ohneFenster = ohne.elapsed();
    // At a person's pace, a move every 12 ms, the workers start between the moves: the mean
    // time a move itself takes (microseconds).
    const auto gemaechlich = [&] {
        qint64 summe = 0;
        Maus(w->s_ueberh_aussen, QEvent::MouseButtonPress, QPoint(2, 2));
        for (int k = 1; k <= 30; ++k) {
            QTest::qWait(12);
            QElapsedTimer schritt;
            schritt.start();
            Maus(w->s_ueberh_aussen, QEvent::MouseMove, QPoint(2 + (k % 3), 2));
            summe += schritt.nsecsElapsed();
        }
        Maus(w->s_ueberh_aussen, QEvent::MouseButtonRelease, QPoint(2, 2));
        return summe / 30 / 1000;
    };
    const qint64 ohneFensterGemaechlich = gemaechlich();
    w->Jahresuebersicht1->trigger();
    w->Sonnenbahnen1->trigger();
    ASSERT_TRUE(w->Jahresuebersichtsfenster && w->Sonnenbahnenfenster);
    EXPECT_EQ(w.Plattform.GezeigteDialoge, (QStringList{QStringLiteral("Form_Jahresuebersicht"),
                                                        QStringLiteral("Form_Sonnenbahnen")}));
    EXPECT_TRUE(w->Jahresuebersichtsfenster->isVisible());

    QElapsedTimer uhr;
    uhr.start();
    Maus(w->s_ueberh_aussen, QEvent::MouseButtonPress, QPoint(2, 2));
    for (int k = 1; k <= 50; ++k) {
        Maus(w->s_ueberh_aussen, QEvent::MouseMove, QPoint(2 + k, 2));
    }
    Maus(w->s_ueberh_aussen, QEvent::MouseButtonRelease, QPoint(52, 2));
    const qint64 ziehen = uhr.elapsed();
    EXPECT_NE(w->anz_Vordachlaenge->Text(), QStringLiteral("150")) << "the drag changed it";

    uhr.restart();
    while ((!w->Jahresuebersichtsfenster->Aktuell() || !w->Sonnenbahnenfenster->Aktuell()) &&
           uhr.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const qint64 nachlauf = uhr.elapsed();
    ASSERT_TRUE(w->Jahresuebersichtsfenster->Aktuell() && w->Sonnenbahnenfenster->Aktuell());
    std::printf("50 drag steps: %lld ms without the windows, %lld ms with both open; shown %lld "
                "ms after the last\n",
                static_cast<long long>(ohneFenster), static_cast<long long>(ziehen),
                static_cast<long long>(nachlauf));

    const qint64 mitFenstern = gemaechlich();
    std::printf("a drag step at a person's pace: %lld us without the windows, %lld us with both "
                "open\n",
                static_cast<long long>(ohneFensterGemaechlich),
                static_cast<long long>(mitFenstern));
    uhr.restart();
    while ((!w->Jahresuebersichtsfenster->Aktuell() || !w->Sonnenbahnenfenster->Aktuell()) &&
           uhr.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    const int tag = w->TrackBar_Datum->Position(), schritt = w->TrackBar_Uhrzeit->Position();
    const TJahresraster raster = *JahresrasterBerechnen(w->Szene);
    EXPECT_EQ(w->Jahresuebersichtsfenster->BildFenster, Jahreskarte(raster, false, tag, schritt));
    EXPECT_EQ(w->Jahresuebersichtsfenster->BildTerrasse, Jahreskarte(raster, true, tag, schritt));
    const THimmelsmaske m = *HimmelsmaskeBerechnen(w->Szene);
    EXPECT_EQ(w->Sonnenbahnenfenster->Bild(),
              Sonnenbahnen_Zeichnen(w->Szene, m, false, tag, schritt));

    // A new date only moves the marks, at once and without a computation.
    w->TrackBar_Datum->SetzePosition(200);
    EXPECT_TRUE(w->Jahresuebersichtsfenster->Aktuell() && w->Sonnenbahnenfenster->Aktuell());
    EXPECT_EQ(w->Jahresuebersichtsfenster->BildFenster, Jahreskarte(raster, false, 200, schritt));
    EXPECT_EQ(w->Sonnenbahnenfenster->Bild(),
              Sonnenbahnen_Zeichnen(w->Szene, m, false, 200, schritt));
    w->TrackBar_Datum->SetzePosition(tag);

    // Undo is a change too; closing a window ends its following.
    w->Rueckgaengig1->trigger();
    QCoreApplication::processEvents();
    w->Sonnenbahnenfenster->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->Sonnenbahnenfenster);
    uhr.restart();
    while (!w->Jahresuebersichtsfenster->Aktuell() && uhr.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(w->Jahresuebersichtsfenster->BildFenster,
              Jahreskarte(*JahresrasterBerechnen(w->Szene), false, tag, schritt));
}

} // namespace
} // namespace umbrarix
