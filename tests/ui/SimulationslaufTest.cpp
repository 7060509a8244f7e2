#include "ui/Form_Haupt.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::Maus;
using testhilfen::THauptfenster;

bool Weiss(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) == qRgb(255, 255, 255);
}

// Runs timer steps until the run ends by itself; returns the number of steps.
int BisZumEnde(TForm_Haupt& w, bool tag) {
    QTimer* timer = tag ? w.Timer_TagSimulieren : w.Timer_JahrSimulieren;
    int schritte = 0;
    while (timer->isActive() && schritte < 1000) {
        tag ? w.Timer_TagSimulierenTimer() : w.Timer_JahrSimulierenTimer();
        ++schritte;
    }
    return schritte;
}

TEST(Simulationslauf, StartPauseWeiterAnhalten) {
    THauptfenster w;
    w->TrackBar_Uhrzeit->SetzePosition(75);
    w->Button_TagSimulationStarten->click();
    EXPECT_TRUE(w->SimulationLaeuft);
    EXPECT_TRUE(w->Timer_TagSimulieren->isActive());
    EXPECT_FALSE(w->Button_TagSimulationStarten->isEnabled());
    EXPECT_FALSE(w->Button_JahrSimulationStarten->isEnabled());
    EXPECT_TRUE(w->Button_TagSimulationPause->isEnabled());
    EXPECT_TRUE(w->Button_TagSimulationAnhalten->isEnabled());
    EXPECT_FALSE(w->Button_JahrSimulationAnhalten->isEnabled());
    EXPECT_FALSE(w->anz_Fensterhoehe->isEnabled());
    EXPECT_FALSE(w->CheckBox_Ueberhang->isEnabled());
    EXPECT_FALSE(w->s_person->isVisibleTo(w->Panel_seitenansicht));
    EXPECT_EQ(w->f_ueberh_oben->Stiftfarbe(), w->Farben.Markisenfarbe);
    EXPECT_EQ(w->f_fenster_oben->Stiftfarbe(), 0u);
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 0);
    EXPECT_EQ(w->TrackBar_Uhrzeit->Tag, 75);
    EXPECT_EQ(w->anz_Simulationsdatum->text(), QStringLiteral("Datum: 21. Juni"));
    // The first instant (00:00, drawn at 24:00) has its night bar.
    EXPECT_EQ(w->anz_Tagessimulation_Fenster->Bild().pixel(337, 110), qRgb(73, 73, 73));

    w->Timer_TagSimulierenTimer();
    w->Timer_TagSimulierenTimer();
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 2);
    EXPECT_EQ(w->Timer_TagSimulieren->interval(), 10) << "night steps hurry";

    w->Button_TagSimulationPause->click();
    EXPECT_FALSE(w->Timer_TagSimulieren->isActive());
    EXPECT_TRUE(w->SimulationLaeuft);
    EXPECT_FALSE(w->anz_Fensterhoehe->isEnabled());
    // The time marker can still be dragged; the run goes on from there.
    w->TrackBar_Uhrzeit->SetzePosition(70);
    EXPECT_TRUE(Weiss(w->anz_Tagessimulation_Fenster->Bild(), 2 * 70 + 49, 200))
        << "no bar while paused";
    w->Button_TagSimulationPause->click();
    EXPECT_TRUE(w->Timer_TagSimulieren->isActive());
    w->Timer_TagSimulierenTimer();
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 71);
    EXPECT_EQ(w->Timer_TagSimulieren->interval(), 200) << "daylight steps linger";

    w->Button_TagSimulationAnhalten->click();
    EXPECT_FALSE(w->Timer_TagSimulieren->isActive());
    EXPECT_FALSE(w->SimulationLaeuft);
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 75) << "the time before the start";
    EXPECT_EQ(w->anz_Uhrzeit->text(), QStringLiteral("Uhrzeit: 12:30 Uhr"));
    EXPECT_TRUE(w->Button_TagSimulationStarten->isEnabled());
    EXPECT_TRUE(w->Button_JahrSimulationStarten->isEnabled());
    EXPECT_FALSE(w->Button_TagSimulationPause->isEnabled());
    EXPECT_TRUE(w->anz_Fensterhoehe->isEnabled());
    EXPECT_TRUE(w->s_person->isVisibleTo(w->Panel_seitenansicht));
    EXPECT_EQ(w->f_fenster_oben->Stiftfarbe(), w->Farben.Interaktivfarbe);
    // 23:50 was evaluated without a bar when the run was stopped.
    EXPECT_TRUE(Weiss(w->anz_Tagessimulation_Fenster->Bild(), 2 * 143 + 49, 200));
}

TEST(Simulationslauf, DerTimerTreibtDenLauf) {
    THauptfenster w;
    w->Button_TagSimulationStarten->click();
    QTest::qWait(400); // the night before dawn passes at 10 ms per step
    EXPECT_GT(w->TrackBar_Uhrzeit->Position(), 5);
    w->Button_TagSimulationAnhalten->click();
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 72);
    EXPECT_FALSE(w->Timer_TagSimulieren->isActive());
}

TEST(Simulationslauf, JahreslaufEndetVonSelbst) {
    THauptfenster w;
    w->Button_JahrSimulationStarten->click();
    EXPECT_EQ(w->TrackBar_Datum->Position(), 1);
    EXPECT_EQ(w->anz_SimulationsUhrzeit->text(), QStringLiteral("Uhrzeit: 12:00 Uhr"));
    EXPECT_EQ(BisZumEnde(*w, false), 365);
    EXPECT_EQ(w->TrackBar_Datum->Position(), 172);
    EXPECT_EQ(w->anz_Datum->text(), QStringLiteral("Datum: 21. Juni"));
    EXPECT_FALSE(w->SimulationLaeuft);
    EXPECT_TRUE(w->Button_JahrSimulationStarten->isEnabled());
    const QImage& bild = w->anz_Jahressimulation_Fenster->Bild();
    int spalten = 0;
    for (int d = 1; d <= 365; ++d) {
        spalten += !Weiss(bild, d + 25, 210);
    }
    EXPECT_EQ(spalten, 365);
}

TEST(Simulationslauf, ErsterBalkenBeimStartUmMitternacht) {
    // Started at 00:00 the run begins with 00:10; the 00:00 bar comes only if the run ends by
    // itself, when the time returns to it while the timer still runs.
    THauptfenster w;
    w->TrackBar_Datum->SetzePosition(355); // winter: 00:00 is night, its bar dark
    w->TrackBar_Uhrzeit->SetzePosition(0);
    w->Button_TagSimulationStarten->click();
    EXPECT_TRUE(Weiss(w->anz_Tagessimulation_Fenster->Bild(), 337, 110));
    w->Timer_TagSimulierenTimer();
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 1);
    w->Button_TagSimulationAnhalten->click();
    EXPECT_TRUE(Weiss(w->anz_Tagessimulation_Fenster->Bild(), 337, 110)) << "stopped: empty";
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 0);

    w->Button_TagSimulationStarten->click();
    EXPECT_EQ(BisZumEnde(*w, true), 144);
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 0);
    EXPECT_EQ(w->anz_Tagessimulation_Fenster->Bild().pixel(337, 110), qRgb(73, 73, 73));
}

TEST(Simulationslauf, VollerLaufBeendetDenAnimierten) {
    THauptfenster w;
    w->Button_TagSimulationStarten->click();
    w->Timer_TagSimulierenTimer();
    w->Ansichtsknoepfe[4]->click();
    EXPECT_FALSE(w->Timer_TagSimulieren->isActive());
    EXPECT_FALSE(w->SimulationLaeuft);
    EXPECT_TRUE(w->Button_TagSimulationStarten->isEnabled());
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 72);
    const QImage& bild = w->anz_Tagessimulation_Terrasse->Bild();
    int spalten = 0;
    for (int p = 1; p <= 144; ++p) {
        spalten += !Weiss(bild, 2 * p + 49, 210) || !Weiss(bild, 2 * p + 50, 180);
    }
    EXPECT_EQ(spalten, 144);
}

TEST(Ziehen, FensterkanteMitDerMausNachOben) {
    THauptfenster w;
    w->Ansichtsknoepfe[2]->click();
    TFormShape* kante = w->f_fenster_oben;
    ASSERT_EQ(kante->geometry(), QRect(150, 100, 401, 2));
    QTest::mousePress(kante, Qt::LeftButton, Qt::NoModifier, QPoint(100, 1));
    Maus(kante, QEvent::MouseMove, QPoint(100, -30));
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("180"));
    EXPECT_EQ(kante->geometry(), QRect(150, 70, 401, 2)) << "the handle follows the edge";
    Maus(kante, QEvent::MouseMove, QPoint(100, 500));
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("15"));
    QTest::mouseRelease(kante, Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    // Nothing moves while a run animates.
    w->Button_JahrSimulationStarten->click();
    Maus(kante, QEvent::MouseMove, QPoint(100, -30));
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("15"));
    w->Button_JahrSimulationAnhalten->click();
}

TEST(Ziehen, KompassWandneigungUndPerson) {
    THauptfenster w;
    // The compass marker pulled straight up turns the facade to the north on release.
    TFormShape* kompass = w->shape_Himmelsrichtung;
    ASSERT_EQ(kompass->geometry(), QRect(58, 88, 8, 8));
    Maus(kompass, QEvent::MouseButtonPress, QPoint(4, 4));
    Maus(kompass, QEvent::MouseMove, QPoint(4, -56));
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("180"));
    EXPECT_EQ(kompass->geometry(), QRect(58, 28, 8, 8));
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 0) << "taken over on release";
    Maus(kompass, QEvent::MouseButtonRelease, QPoint(4, -56), Qt::NoButton);
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 180);
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(), QStringLiteral("Sonne nicht sichtbar"));

    w->Ansichtsknoepfe[1]->click();
    // The tilt handle dragged to 45 degrees above the outside floor.
    TFormShape* neigung = w->s_wandneigung;
    Maus(neigung, QEvent::MouseButtonPress, QPoint(2, 2));
    const QPoint ziel = QPoint(348 + 100, 348 - 100) - neigung->pos() + QPoint(2, 2);
    Maus(neigung, QEvent::MouseMove, ziel);
    EXPECT_EQ(w->anz_Fensterneigung->Text(), QStringLiteral("45"));
    EXPECT_EQ(w->Szene.Wandneigung, 45);

    TFormShape* person = w->s_person;
    const int links = person->x();
    Maus(person, QEvent::MouseButtonPress, QPoint(2, 2));
    Maus(person, QEvent::MouseMove, QPoint(42, 2));
    EXPECT_EQ(person->x(), links + 40);
}

} // namespace
} // namespace umbrarix
