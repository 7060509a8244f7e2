// Everything by keyboard, with key events on the real window.

#include "ui/Form_Haupt.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

// A key pressed where the focus is, as the person's keyboard would send it.
void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QWidget* ziel = QApplication::focusWidget();
    ASSERT_NE(ziel, nullptr);
    QTest::keyClick(ziel, taste, mit);
    QCoreApplication::processEvents();
}

void Fokus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

TEST(Tastatur, SeitenWechselnUndUebernehmen) {
    THauptfenster w;
    EXPECT_EQ(QApplication::focusWidget(), w->anz_Vordachbreite->Eingabe()) << "ready to type";
    Fokus(w->anz_Vordachbreite);
    w->anz_Vordachbreite->SetzeText(QStringLiteral("800"));
    const struct {
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
        int seite;
    } schritte[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_PageUp, Qt::ControlModifier, 1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 5}, // round to the last page
        {Qt::Key_Tab, Qt::ControlModifier, 0},
    };
    for (const auto& s : schritte) {
        Taste(s.taste, s.mit);
        EXPECT_EQ(w->Seiten->currentIndex(), s.seite);
        EXPECT_TRUE(w->Seitenknoepfe[s.seite]->isChecked()) << s.seite;
        // The focus goes along onto the page shown.
        EXPECT_TRUE(w->Seiten->currentWidget()->isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == w->Seitenknoepfe[s.seite])
            << s.seite;
    }
    // Leaving the page took the typed width over, clamped.
    EXPECT_EQ(w->anz_Vordachbreite->Text(), QStringLiteral("700"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Vordachbreite, 700);

    // Shift+Tab from the first field reaches the button of the page shown, the arrows move
    // on to the neighbouring pages, Space presses a page button.
    Fokus(w->anz_Vordachbreite);
    Taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->Seitenknoepfe[0]);
    Taste(Qt::Key_Right);
    EXPECT_EQ(w->Seiten->currentIndex(), 1);
    Taste(Qt::Key_Down);
    EXPECT_EQ(w->Seiten->currentIndex(), 3);
    EXPECT_EQ(QApplication::focusWidget(), w->Seitenknoepfe[3]);
    Fokus(w->Seitenknoepfe[4]);
    Taste(Qt::Key_Space);
    EXPECT_EQ(w->Seiten->currentIndex(), 4);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ((w->Seitenknoepfe[i]->focusPolicy() & Qt::TabFocus) != 0, i == 4) << i;
    }
}

TEST(Tastatur, SpinfeldSchrittMitPfeilUndBildTasten) {
    THauptfenster w;
    w->Seitenknoepfe[1]->click();
    Fokus(w->anz_Fensterhoehe);
    const QString ergebnis = w->anz_Verschattungsanteil_f->text();
    const struct {
        Qt::Key taste;
        const char* text;
    } schritte[] = {{Qt::Key_Up, "151"},
                    {Qt::Key_PageUp, "161"},
                    {Qt::Key_Down, "160"},
                    {Qt::Key_PageDown, "150"},
                    {Qt::Key_PageDown, "140"}};
    for (const auto& s : schritte) {
        Taste(s.taste);
        EXPECT_EQ(w->anz_Fensterhoehe->Text(), QString::fromUtf8(s.text));
    }
    // The text only; taken over at the end of the edit.
    EXPECT_EQ(w->Szene.Eingaben.anz_Fensterhoehe, 150);
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(), ergebnis);
    Taste(Qt::Key_Return);
    EXPECT_EQ(w->Szene.Eingaben.anz_Fensterhoehe, 140);

    // Held at the limits, as the buttons hold it.
    Fokus(w->anz_Fensterneigung);
    w->anz_Fensterneigung->SetzeText(QStringLiteral("115"));
    Taste(Qt::Key_PageUp);
    EXPECT_EQ(w->anz_Fensterneigung->Text(), QStringLiteral("120"));
    w->anz_Fensterneigung->SetzeText(QStringLiteral("3"));
    Taste(Qt::Key_PageDown);
    EXPECT_EQ(w->anz_Fensterneigung->Text(), QStringLiteral("0"));
}

TEST(Tastatur, AuswahllisteMitPfeilenEingabeUndEscape) {
    THauptfenster w;
    w->Seitenknoepfe[3]->click();
    QListWidget* liste = w->Dimensionsliste;
    Fokus(w->anz_Himmelsrichtung->Eingabe());
    ASSERT_TRUE(liste->isVisible());
    Taste(Qt::Key_Down); // Nord
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("180"));
    Taste(Qt::Key_Down); // Süd
    Taste(Qt::Key_Down); // Ost
    EXPECT_EQ(liste->currentRow(), 2);
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("90"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 0) << "picked, not yet taken over";
    Taste(Qt::Key_Return);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 90);

    // With the list closed the arrows step the field again.
    Taste(Qt::Key_Up);
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("91"));
    w->anz_Himmelsrichtung->SetzeText(QStringLiteral("90"));

    // Escape: the list closes and the texts are as before it opened.
    Fokus(w->anz_ort);
    ASSERT_TRUE(liste->isVisible());
    ASSERT_EQ(liste->count(), 61);
    Taste(Qt::Key_Down);
    Taste(Qt::Key_Down); // the second city
    EXPECT_EQ(w->anz_ort->text(), liste->item(1)->text());
    EXPECT_NE(w->anz_Breitengrad->text(), QStringLiteral("50.5"));
    Taste(Qt::Key_Escape);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Köln"));
    EXPECT_EQ(w->anz_Breitengrad->text(), QStringLiteral("50.5"));
    EXPECT_EQ(w->anz_Laengengrad->text(), QStringLiteral("-7.0"));
    EXPECT_EQ(w->anz_Zeitzone->text(), QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), w->anz_ort) << "the focus stays in the field";
    EXPECT_EQ(w->Szene.Eingaben.anz_Breitengrad, 50.5);

    // Keys in the list itself: Down picks, Enter takes over and closes.
    Fokus(w->anz_Himmelsrichtung->Eingabe());
    Fokus(liste);
    ASSERT_TRUE(liste->isVisible());
    Taste(Qt::Key_Down);
    Taste(Qt::Key_Down);
    Taste(Qt::Key_Up); // Nord
    Taste(Qt::Key_Enter);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 180);
}

TEST(Tastatur, AnsichtSchalterUndLaeufeMitTabUndLeertaste) {
    THauptfenster w;
    // Tab from the first input on reaches the switches, the view selector and the runs.
    Fokus(w->anz_Vordachbreite);
    std::set<QWidget*> erreicht;
    for (int i = 0; i < 80; ++i) {
        Taste(Qt::Key_Tab);
        erreicht.insert(QApplication::focusWidget());
    }
    for (QWidget* soll : std::initializer_list<QWidget*>{
             w->CheckBox_Ueberhang, w->CheckBox_Volant, w->CheckBox_MauerLinks,
             w->CheckBox_MauerRechts, w->Ansichtsknoepfe[0], w->Button_TagSimulationStarten,
             w->Button_JahrSimulationStarten, w->Button_AenderungUebernehmen}) {
        EXPECT_TRUE(erreicht.count(soll) == 1) << soll->objectName().toStdString();
    }
    for (QToolButton* b : {w->Button_TagSimulationPause, w->Button_TagSimulationAnhalten,
                           w->Button_JahrSimulationPause, w->Button_JahrSimulationAnhalten}) {
        EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << b->objectName().toStdString();
    }

    // The view selector: arrows move the choice and switch the view.
    Fokus(w->Ansichtsknoepfe[0]);
    Taste(Qt::Key_Down);
    EXPECT_TRUE(w->Ansichtsknoepfe[1]->isChecked());
    EXPECT_TRUE(w->Panel_seitenansicht->isVisible());
    EXPECT_FALSE(w->Panel_3DAnsicht->isVisible());
    Taste(Qt::Key_Right);
    EXPECT_TRUE(w->Ansichtsknoepfe[3]->isChecked());
    EXPECT_TRUE(w->Panel_AnsichtTerrasse->isVisible());

    // An element switch with Space: its whole handling runs.
    Fokus(w->CheckBox_MauerLinks);
    Taste(Qt::Key_Space);
    EXPECT_TRUE(w->CheckBox_MauerLinks->isChecked());
    EXPECT_TRUE(w->anz_ml_ausfall->isEnabled());
    EXPECT_TRUE(w->Szene.Eingaben.CheckBox_MauerLinks);

    // A run started and stopped with Space.
    Fokus(w->Button_TagSimulationStarten);
    Taste(Qt::Key_Space);
    EXPECT_TRUE(w->SimulationLaeuft);
    Fokus(w->Button_TagSimulationAnhalten);
    Taste(Qt::Key_Space);
    EXPECT_FALSE(w->SimulationLaeuft);
}

TEST(Tastatur, MenueUeberAltBuchstaben) {
    THauptfenster w;
    Fokus(w->anz_Vordachbreite);
    Taste(Qt::Key_D, Qt::AltModifier);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    EXPECT_EQ(menue->title(), QStringLiteral("&Datei"));
    QTest::keyClick(menue, Qt::Key_Escape);
    QCoreApplication::processEvents();
}

} // namespace
} // namespace umbrarix
