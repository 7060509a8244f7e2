// The window on screens smaller and larger than itself: placed, resizable only where it must
// be, and every control of the fixed working surface reachable through the scroll bars.

#include "ui/Form_Haupt.h"
#include "ui/Rollflaeche.h"

#include "hilfen/Hauptfenster.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

// The controls a user must get to: results, date and time scales, run buttons, the inputs'
// button and the corners of the working area.
std::vector<QWidget*> WichtigeBedienelemente(TForm_Haupt& w) {
    return {w.anz_Uhrzeit,
            w.anz_Datum,
            w.anz_Verschattungsanteil_f,
            w.anz_Verschattungsanteil_t,
            w.Image_Datum,
            w.Image_Zeit,
            w.Shape_Datum,
            w.Shape_Zeit,
            w.Button_JahrSimulationStarten,
            w.Button_JahrSimulationPause,
            w.Button_JahrSimulationAnhalten,
            w.Button_TagSimulationStarten,
            w.Button_TagSimulationPause,
            w.Button_TagSimulationAnhalten,
            w.Button_AenderungUebernehmen,
            w.Panel_Kompass,
            w.Panel_Arbeitsflaeche};
}

// Scrolls the control into view and tells whether it then lies wholly in the visible part.
bool Erreichbar(TForm_Haupt& w, QWidget* element) {
    TRollflaeche* rolle = w.ScrollBox_Client;
    rolle->ensureWidgetVisible(element, 0, 0);
    QCoreApplication::processEvents();
    const QRect imAusschnitt(element->mapTo(rolle->viewport(), QPoint(0, 0)), element->size());
    return rolle->viewport()->rect().contains(imAusschnitt);
}

TEST(Bildschirmgroesse, KleineBildschirmeMitRollbalken) {
    const struct {
        QSize bildschirm;
        bool waagerecht, senkrecht; // which scroll bars are needed
    } faelle[] = {{{800, 600}, true, true}, {{1024, 600}, true, true}, {{800, 1000}, true, false}};
    for (const auto& f : faelle) {
        THauptfenster w;
        w->Fenster_Platzieren(f.bildschirm);
        QCoreApplication::processEvents();
        const QString fall =
            QStringLiteral("%1x%2").arg(f.bildschirm.width()).arg(f.bildschirm.height());
        EXPECT_EQ(w->frameGeometry(), QRect(0, 0, f.bildschirm.width(), f.bildschirm.height() - 40))
            << fall.toStdString();
        EXPECT_LT(w->minimumWidth(), w->maximumWidth()) << "the border is resizable";
        EXPECT_EQ(w->Client->size(), QSize(1016, 694)) << "the surface keeps its size";
        EXPECT_EQ(w->ScrollBox_Client->horizontalScrollBar()->isVisible(), f.waagerecht)
            << fall.toStdString();
        EXPECT_EQ(w->ScrollBox_Client->verticalScrollBar()->isVisible(), f.senkrecht)
            << fall.toStdString();
        for (QWidget* element : WichtigeBedienelemente(*w)) {
            EXPECT_TRUE(Erreichbar(*w, element))
                << fall.toStdString() << ": " << element->objectName().toStdString();
        }
        // A run button scrolled into view still works.
        w->Button_TagSimulationStarten->click();
        EXPECT_TRUE(w->SimulationLaeuft);
        w->Button_TagSimulationAnhalten->click();
    }
}

TEST(Bildschirmgroesse, GrosserBildschirmOhneRollbalken) {
    THauptfenster w;
    const QSize vorher = w->frameGeometry().size();
    w->Fenster_Platzieren(QSize(1280, 1024));
    QCoreApplication::processEvents();
    EXPECT_EQ(w->frameGeometry(),
              QRect((1280 - vorher.width()) / 2, 0, vorher.width(), vorher.height()));
    EXPECT_EQ(w->size(), QSize(1016, 694 + w->menuBar()->height()));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed border";
    EXPECT_FALSE(w->ScrollBox_Client->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(w->ScrollBox_Client->verticalScrollBar()->isVisible());
    EXPECT_EQ(w->Client->mapTo(w.Fenster.get(), QPoint(0, 0)), QPoint(0, w->menuBar()->height()));
}

TEST(Bildschirmgroesse, SystemmenueUndMinimierenOhneMaximieren) {
    THauptfenster w;
    const Qt::WindowFlags f = w->windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
    // Also once the window has become resizable on a small screen.
    w->Fenster_Platzieren(QSize(800, 600));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// On the screen the test runs on (CI runs it once more on a virtual 800 x 600 screen): the
// start-up placement, and a picture of the window scrolled to its results.
TEST(Bildschirmgroesse, PlatzAufDemEchtenBildschirm) {
    THauptfenster w;
    const QSize bildschirm = w->screen()->geometry().size();
    const QSize fenster = w->frameGeometry().size();
    w->Timer_InfoTimer();
    QCoreApplication::processEvents();
    const bool klein =
        bildschirm.width() < fenster.width() || bildschirm.height() < fenster.height();
    if (klein) {
        EXPECT_EQ(w->frameGeometry(), QRect(0, 0, bildschirm.width(), bildschirm.height() - 40));
    } else {
        EXPECT_EQ(w->frameGeometry().topLeft(),
                  QPoint((bildschirm.width() - fenster.width()) / 2, 0));
    }
    EXPECT_EQ(w->ScrollBox_Client->horizontalScrollBar()->isVisible(),
              bildschirm.width() < fenster.width());
    EXPECT_TRUE(Erreichbar(*w, w->anz_Verschattungsanteil_t));
    EXPECT_TRUE(Erreichbar(*w, w->Button_TagSimulationAnhalten));
    // Scrolled to the lower right end: results, scales and run buttons in view.
    for (QScrollBar* balken :
         {w->ScrollBox_Client->horizontalScrollBar(), w->ScrollBox_Client->verticalScrollBar()}) {
        balken->setValue(balken->maximum());
    }
    QCoreApplication::processEvents();
    const QString ordner = QStringLiteral(UMBRARIX_BILDORDNER);
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString datei = ordner + QStringLiteral("/fenster_bildschirm_%1x%2.png")
                                       .arg(bildschirm.width())
                                       .arg(bildschirm.height());
    EXPECT_TRUE(w->grab().save(datei)) << datei.toStdString();
}

} // namespace
} // namespace umbrarix
