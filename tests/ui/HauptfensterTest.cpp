#include "ui/Form_Haupt.h"

#include "hilfen/Hauptfenster.h"
#include "ui/Programmsymbol.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "views/Zeichenflaeche.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::Maus;
using testhilfen::THauptfenster;
using testhilfen::Tippen;

TEST(Hauptfenster, StartzustandUndLayout) {
    THauptfenster w;
    EXPECT_EQ(w->Client->size(), QSize(1016, 694));
    EXPECT_EQ(w->Titel(), QStringLiteral("Umbrarix "));
    EXPECT_EQ(w->Panel_DatenEingaben->geometry(), QRect(8, 8, 289, 444));
    EXPECT_EQ(w->Panel_Arbeitsflaeche->geometry(), QRect(306, 8, 703, 444));
    EXPECT_EQ(w->Panel_Kompass->geometry(), QRect(322, 461, 125, 125));
    EXPECT_EQ(w->Panel1->geometry(), QRect(72, 594, 769, 92));
    EXPECT_EQ(w->Panel_3DAnsicht->geometry(), QRect(1, 72, 701, 370));
    EXPECT_EQ(w->Button_TagSimulationStarten->geometry(), QRect(848, 648, 22, 22));
    EXPECT_TRUE(w->Button_JahrSimulationStarten->isEnabled());
    EXPECT_FALSE(w->Button_JahrSimulationPause->isEnabled());
    EXPECT_EQ(w->Button_TagSimulationPause->toolTip(), QStringLiteral("Tagsimulation Pause"));
    EXPECT_TRUE(w->Panel_3DAnsicht->isVisible());
    EXPECT_FALSE(w->Panel_AnsichtFenster->isVisible());
    EXPECT_FALSE(w->Panel_SpeichernLaeuft->isVisible());

    EXPECT_EQ(w->anz_Datum->text(), QStringLiteral("Datum: 21. Juni"));
    EXPECT_EQ(w->anz_Uhrzeit->text(), QStringLiteral("Uhrzeit: 12:00 Uhr"));
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(),
              QStringLiteral("Verschattung (Fenster): 100.0 %"));
    EXPECT_TRUE(w->anz_Verschattungsanteil_t->text().startsWith(
        QStringLiteral("Verschattung (Terrasse): ")));
    EXPECT_EQ(w->anz_Durchgangshoehe->text(), QStringLiteral("234"));
    EXPECT_FALSE(w->anz_Durchgangshoehe->isEnabled());
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Köln"));
    EXPECT_EQ(w->Shape_Datum->x(), 355);
    EXPECT_EQ(w->Shape_Zeit->x(), 376);
    EXPECT_EQ(w->Projektdatei, QStringLiteral("unbenannt.dat"));
    // Handles in the interactive colour; the wall corner points hidden with their walls off.
    EXPECT_EQ(w->f_fenster_oben->Stiftfarbe(), w->Farben.Interaktivfarbe);
    EXPECT_EQ(w->Shape_Datum->Pinselfarbe(), w->Farben.Interaktivfarbe);
    EXPECT_FALSE(w->f_mauerlinks_oben->isVisibleTo(w->Panel_AnsichtFenster));
    EXPECT_TRUE(w->s_person->isVisibleTo(w->Panel_seitenansicht));
}

TEST(Hauptfenster, PlatzUndInfofensterNachDemStart) {
    THauptfenster w;
    w->Timer_InfoTimer();
    EXPECT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("TForm_Info")});
    EXPECT_FALSE(w->Timer_Info->isActive());
    // The placement on screens of every size is tested with the scroll bars.
    EXPECT_EQ(w->frameGeometry().top(), 0);
}

TEST(Hauptfenster, FensterSchliessenMitFokusImFeld) {
    // Destroying the window moves the focus out of an edited field; that must not reach the
    // window's own handlers any more (the sanitizer build catches a call on the dying window).
    auto w = std::make_unique<THauptfenster>();
    (*w)->anz_Fensterhoehe->Eingabe()->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    (*w)->anz_Fensterhoehe->SetzeText(QString());
    testhilfen::TSkriptPlattform& plattform = w->Plattform;
    const int meldungen = static_cast<int>(plattform.Meldungen.size());
    w->Fenster.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(plattform.Meldungen.size(), meldungen);
}

TEST(Hauptfenster, MenueMitSeinenEintraegen) {
    THauptfenster w;
    const struct {
        QAction* eintrag;
        const char* text;
    } faelle[] = {{w->Neu1, "&Neu"},
                  {w->ffnen1, "&Öffnen ..."},
                  {w->Sperichernunter1, "Speichern &unter ..."},
                  {w->Beenden1, "&Beenden"},
                  {w->Fenster2, "Fenster"},
                  {w->DatenblattAusgabe1, "Datenblatt + Grafiken"},
                  {w->AktuellerSchirm1, "Aktueller Schirm"},
                  {w->Ansprechpartner1, "Ansprech&partner"},
                  {w->Farbauswahl1, "&Farbauswahl"},
                  {w->Info1, "&Info"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(f.eintrag->text(), QString::fromUtf8(f.text));
    }
    EXPECT_FALSE(w->VELUMORAExport1->menuAction()->isVisible());
    EXPECT_FALSE(w->N_VelumoraTrenner->isVisible());
    w->Info1->trigger();
    EXPECT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("TForm_Info")});
}

// The platform's usual keys stand in the menus and act from the keyboard.
TEST(Hauptfenster, TastenkuerzelDerMenues) {
    THauptfenster w;
    const struct {
        QAction* eintrag;
        const char* taste;
    } faelle[] = {{w->Neu1, "Ctrl+N"},       {w->ffnen1, "Ctrl+O"},
                  {w->Speichern1, "Ctrl+S"}, {w->Sperichernunter1, "Ctrl+Shift+S"},
                  {w->Beenden1, "Ctrl+Q"},   {w->DatenblattAusgabe1, "Ctrl+P"},
                  {w->Info1, "F1"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(f.eintrag->shortcut().toString(), QString::fromUtf8(f.taste))
            << f.eintrag->objectName().toStdString();
    }
    w->activateWindow();
    QApplication::setActiveWindow(w.Fenster.get());
    QTest::keyClick(w.Fenster.get(), Qt::Key_F1);
    EXPECT_EQ(w.Plattform.GezeigteDialoge, QStringList{QStringLiteral("TForm_Info")});
    const auto dialoge = w.Plattform.Dateidialoge.size();
    QTest::keyClick(w.Fenster.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(w.Plattform.Dateidialoge.size(), dialoge + 1) << "the open dialog, cancelled";
}

// The window belongs to its desktop entry and carries the entry's icon.
TEST(Hauptfenster, DesktopEintragUndSymbol) {
    AnwendungKennzeichnen(*qApp);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("de.umbrarix.umbrarix"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Umbrarix"));
    const QIcon symbol = QApplication::windowIcon();
    ASSERT_FALSE(symbol.isNull());
    for (const int groesse : {16, 48, 256}) {
        const QImage bild = symbol.pixmap(groesse, groesse).toImage();
        ASSERT_EQ(bild.size(), QSize(groesse, groesse));
        // The blue ground of the icon, inside its rounded corners; the corner stays clear.
        EXPECT_EQ(bild.pixelColor(groesse * 13 / 16, groesse * 10 / 16).name(),
                  QStringLiteral("#8080ff"))
            << groesse;
        EXPECT_EQ(bild.pixelColor(0, 0).alpha(), 0) << groesse;
    }
}

TEST(Hauptfenster, ZuGrosseBreiteWirdBegrenztUndAusgewertet) {
    THauptfenster w;
    const QString vorher = w->anz_Verschattungsanteil_t->text();
    Tippen(w->anz_Vordachbreite->Eingabe(), QStringLiteral("800"));
    QTest::keyClick(w->anz_Vordachbreite->Eingabe(), Qt::Key_Return);
    EXPECT_EQ(w->anz_Vordachbreite->Text(), QStringLiteral("700"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Vordachbreite, 700);
    EXPECT_NE(w->anz_Verschattungsanteil_t->text(), vorher);
    // The clearance follows a new valance height at once.
    Tippen(w->anz_VolantHoehe->Eingabe(), QStringLiteral("50"));
    QTest::keyClick(w->anz_VolantHoehe->Eingabe(), Qt::Key_Return);
    EXPECT_EQ(w->anz_Durchgangshoehe->text(), QStringLiteral("204"));
}

TEST(Hauptfenster, GeleertesFeldBekommtSeineVorgabe) {
    THauptfenster w;
    w->Seitenknoepfe[1]->click();
    Tippen(w->anz_Fensterhoehe->Eingabe(), QString());
    QTest::keyClick(w->anz_Fensterhoehe->Eingabe(), Qt::Key_Backspace);
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QString());
    w->anz_Fensterbreite->Eingabe()->setFocus(Qt::TabFocusReason); // leave the field
    QCoreApplication::processEvents();
    EXPECT_EQ(w->anz_Fensterhoehe->Text(), QStringLiteral("150"));
    // A lone minus sign counts as the minimum.
    Tippen(w->anz_Fensterabstand_Boden->Eingabe(), QStringLiteral("-"));
    QTest::keyClick(w->anz_Fensterabstand_Boden->Eingabe(), Qt::Key_Return);
    EXPECT_EQ(w->anz_Fensterabstand_Boden->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Fensterabstand_Boden, 0);
    // Letters are never typed; the up button changes the text only.
    Tippen(w->anz_Fensterbreite->Eingabe(), QStringLiteral("3a0"));
    EXPECT_EQ(w->anz_Fensterbreite->Text(), QStringLiteral("30"));
    auto* hoch = w->anz_Fensterneigung->findChildren<QToolButton*>().front();
    hoch->click();
    EXPECT_EQ(w->anz_Fensterneigung->Text(), QStringLiteral("91"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Fensterneigung, 90) << "taken over only on leaving";
}

TEST(Hauptfenster, OrtstexteWerdenBegrenztUndGeprueft) {
    THauptfenster w;
    w->Seitenknoepfe[3]->click();
    Tippen(w->anz_Breitengrad, QStringLiteral("95.5"));
    QTest::keyClick(w->anz_Breitengrad, Qt::Key_Return);
    EXPECT_EQ(w->anz_Breitengrad->text(), QStringLiteral("90"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Breitengrad, 90);
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("-Sonstiger Standort-"));

    Tippen(w->anz_Laengengrad, QStringLiteral("-7,5"));
    EXPECT_EQ(w->anz_Laengengrad->text(), QStringLiteral("-7.5"));
    QTest::keyClicks(w->anz_Laengengrad, QStringLiteral(".3")); // a second point is dropped
    EXPECT_EQ(w->anz_Laengengrad->text(), QStringLiteral("-7.53"));

    // An emptied or malformed text gets back the last one taken over.
    Tippen(w->anz_Zeitzone, QStringLiteral("-"));
    QTest::keyClick(w->anz_Zeitzone, Qt::Key_Return);
    EXPECT_EQ(w->anz_Zeitzone->text(), QStringLiteral("1"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Zeitzone, 1);
}

TEST(Hauptfenster, AuswahllisteHimmelsrichtungUndStadt) {
    THauptfenster w;
    w->Seitenknoepfe[3]->click();
    w->anz_Himmelsrichtung->Eingabe()->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    ASSERT_TRUE(w->Dimensionsliste->isVisible());
    ASSERT_EQ(w->Dimensionsliste->count(), 8);
    EXPECT_EQ(w->Dimensionsliste->item(2)->text(), QStringLiteral("Ost"));
    QListWidget* liste = w->Dimensionsliste;
    const QPoint ost = liste->visualItemRect(liste->item(2)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, ost);
    EXPECT_EQ(w->anz_Himmelsrichtung->Text(), QStringLiteral("90"));
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 0) << "not evaluated before the double click";
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, ost);
    EXPECT_EQ(w->Szene.Eingaben.anz_Himmelsrichtung, 90);
    EXPECT_FALSE(liste->isVisible());

    w->anz_ort->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(liste->count(), 61);
    const QPoint amsterdam = liste->visualItemRect(liste->item(0)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, amsterdam);
    EXPECT_EQ(w->anz_Breitengrad->text(), QStringLiteral("52.4"));
    EXPECT_EQ(w->anz_Laengengrad->text(), QStringLiteral("-4.5"));
    EXPECT_EQ(w->anz_Zeitzone->text(), QStringLiteral("1"));
    EXPECT_EQ(w->anz_ort->text(), QStringLiteral("Amsterdam"));
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, amsterdam);
    EXPECT_EQ(w->Szene.Eingaben.anz_Breitengrad, 52.4);
    EXPECT_NEAR(w->Szene.Laengenkorrektur, (15 - 4.5) * 24 / 360, 1e-12);
}

TEST(Hauptfenster, UeberhangAusschalten) {
    THauptfenster w;
    w->CheckBox_Ueberhang->click();
    EXPECT_FALSE(w->CheckBox_Volant->isChecked());
    EXPECT_EQ(w->anz_VolantHoehe->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->Szene.Eingaben.anz_VolantHoehe, 0);
    EXPECT_FALSE(w->anz_Vordachbreite->isEnabled());
    EXPECT_FALSE(w->anz_VolantHoehe->isEnabled());
    EXPECT_TRUE(w->anz_Fensterhoehe->isEnabled());
    for (TFormShape* m : {w->f_ueberh_oben, w->b_ueberh_links, w->s_ueberh_aussen,
                          w->f_volant_unten, w->s_ueberh_volant}) {
        EXPECT_FALSE(m->isVisibleTo(m->parentWidget())) << m->objectName().toStdString();
    }
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(),
              QStringLiteral("Verschattung (Fenster): 0.0 %"));
    // The valance cannot be switched on without the overhang.
    w->CheckBox_Volant->click();
    EXPECT_FALSE(w->CheckBox_Volant->isChecked());
    // Back on: the group and handles return, the valance stays at height 0.
    w->CheckBox_Ueberhang->click();
    EXPECT_TRUE(w->anz_Vordachbreite->isEnabled());
    EXPECT_TRUE(w->f_ueberh_oben->isVisibleTo(w->Panel_AnsichtFenster));
    EXPECT_EQ(w->anz_VolantHoehe->Text(), QStringLiteral("0"));
    // Switching a wall on shows its corner handles and enables its page.
    w->CheckBox_MauerLinks->click();
    EXPECT_TRUE(w->anz_ml_hoehe->isEnabled());
    EXPECT_FALSE(w->anz_mr_hoehe->isEnabled());
    EXPECT_TRUE(w->f_mauerlinks_oben->isVisibleTo(w->Panel_AnsichtFenster));
}

TEST(Hauptfenster, DatumUndZeitBeschriftungen) {
    THauptfenster w;
    const struct {
        int zeit;
        const char* text;
    } zeiten[] = {
        {0, "Uhrzeit: 00:00 Uhr"}, {75, "Uhrzeit: 12:30 Uhr"}, {143, "Uhrzeit: 23:50 Uhr"}};
    for (const auto& z : zeiten) {
        w->TrackBar_Uhrzeit->SetzePosition(z.zeit);
        EXPECT_EQ(w->anz_Uhrzeit->text(), QString::fromUtf8(z.text));
    }
    const struct {
        int tag;
        const char* text;
    } tage[] = {{59, "Datum: 28. Februar"},
                {60, "Datum: 1. März"},
                {172, "Datum: 21. Juni"},
                {365, "Datum: 31. Dezember"}};
    for (const auto& t : tage) {
        w->TrackBar_Datum->SetzePosition(t.tag);
        EXPECT_EQ(w->anz_Datum->text(), QString::fromUtf8(t.text));
    }
    // 23:50 on 31 December is night.
    EXPECT_EQ(w->anz_Verschattungsanteil_f->text(), QStringLiteral("Nacht"));
}

TEST(Hauptfenster, DatumsmarkerZiehenBleibtAufDerSkala) {
    THauptfenster w;
    TFormShape* m = w->Shape_Datum;
    Maus(m, QEvent::MouseButtonPress, QPoint(6, 6));
    Maus(m, QEvent::MouseMove, QPoint(-2000, 6));
    EXPECT_EQ(w->TrackBar_Datum->Position(), 1);
    EXPECT_EQ(m->x(), 13);
    Maus(m, QEvent::MouseMove, QPoint(2000, 6));
    EXPECT_EQ(w->TrackBar_Datum->Position(), 365);
    EXPECT_EQ(w->anz_Datum->text(), QStringLiteral("Datum: 31. Dezember"));
    // Without the left button nothing moves.
    Maus(m, QEvent::MouseMove, QPoint(-2000, 6), Qt::RightButton);
    EXPECT_EQ(w->TrackBar_Datum->Position(), 365);

    TFormShape* zeit = w->Shape_Zeit;
    Maus(zeit, QEvent::MouseButtonPress, QPoint(6, 6));
    Maus(zeit, QEvent::MouseMove, QPoint(2000, 6));
    EXPECT_EQ(w->anz_Uhrzeit->text(), QStringLiteral("Uhrzeit: 23:50 Uhr"));
}

TEST(Hauptfenster, AnsichtswahlUndDrehen) {
    THauptfenster w;
    w->Ansichtsknoepfe[2]->click();
    EXPECT_TRUE(w->Panel_AnsichtFenster->isVisible());
    EXPECT_FALSE(w->Panel_3DAnsicht->isVisible());
    EXPECT_EQ(w->f_fenster_oben->geometry(), QRect(150, 100, 401, 2));
    EXPECT_EQ(TZeichenflaeche(w->frontansicht->Bild()).Pixel(355, 205), 0xA0A0A0u);
    w->Ansichtsknoepfe[3]->click();
    EXPECT_EQ(w->b_terrasse_unten->geometry(), QRect(150, 208, 401, 2));
    w->Ansichtsknoepfe[1]->click();
    EXPECT_EQ(w->s_wandneigung->geometry(), QRect(348, 8, 5, 5));

    w->Ansichtsknoepfe[0]->click();
    const QImage vorher = w->Image_3d->Bild();
    Maus(w->Image_3d, QEvent::MouseButtonPress, QPoint(100, 100));
    Maus(w->Image_3d, QEvent::MouseMove, QPoint(110, 95));
    EXPECT_EQ(w->Blick3D.Phi(), -70);
    EXPECT_EQ(w->Blick3D.Teta(), -10);
    EXPECT_NE(w->Image_3d->Bild(), vorher);
}

TEST(Hauptfenster, TerrassenkanteLiegtUeberDerUeberhangkante) {
    // In the default scene the terrace's near edge lies right under the overhang's back edge;
    // a press there takes the terrace.
    THauptfenster w;
    w->Ansichtsknoepfe[3]->click();
    QWidget* panel = w->Panel_AnsichtTerrasse;
    const QPoint p = w->b_terrasse_oben->geometry().center();
    ASSERT_TRUE(w->b_ueberh_oben->geometry().contains(p));
    QWidget* getroffen = panel->childAt(p);
    ASSERT_EQ(getroffen, w->b_terrasse_oben);
    const double abstand = w->anz_terrassenabstand->Zahl().value_or(-1);
    const double ueberhang = w->anz_Abstand_Wand->Zahl().value_or(-1);
    const QPoint innen = getroffen->mapFrom(panel, p);
    Maus(getroffen, QEvent::MouseButtonPress, innen);
    Maus(getroffen, QEvent::MouseMove, innen + QPoint(0, 30));
    EXPECT_EQ(w->anz_terrassenabstand->Zahl().value_or(-1), abstand + innen.y() + 30);
    EXPECT_EQ(w->anz_Abstand_Wand->Zahl().value_or(-1), ueberhang);
    // The overhang's back edge is still reached through the side view.
    w->Ansichtsknoepfe[1]->click();
    Maus(w->s_ueberh_innen, QEvent::MouseButtonPress, QPoint(2, 2));
    Maus(w->s_ueberh_innen, QEvent::MouseMove, QPoint(-18, 2));
    EXPECT_EQ(w->anz_Abstand_Wand->Zahl().value_or(-1), ueberhang + 20);
}

TEST(Hauptfenster, DiagrammseitenRechnenDenGanzenLauf) {
    THauptfenster w;
    w->Ansichtsknoepfe[4]->click();
    EXPECT_TRUE(w->Panel_DiagrammTagessimulation->isVisible());
    EXPECT_FALSE(w->DiagrammLaeuft);
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(w->TrackBar_Uhrzeit->Position(), 72) << "the instant is restored";
    EXPECT_EQ(w->anz_Simulationsdatum->text(), QStringLiteral("Datum: 21. Juni"));
    // Every one of the 144 columns carries a bar or its grid dots.
    const QImage& bild = w->anz_Tagessimulation_Fenster->Bild();
    int spalten = 0;
    for (int p = 1; p <= 144; ++p) {
        spalten += bild.pixel(2 * p + 49, 180) != qRgb(255, 255, 255);
    }
    EXPECT_EQ(spalten, 144);
    EXPECT_GE(w.Plattform.Verarbeitungen, 145);

    w->Ansichtsknoepfe[5]->click();
    const QImage& jahr = w->anz_Jahressimulation_Fenster->Bild();
    int tage = 0;
    for (int d = 1; d <= 365; ++d) {
        tage += jahr.pixel(d + 25, 180) != qRgb(255, 255, 255);
    }
    EXPECT_EQ(tage, 365);
    EXPECT_EQ(w->anz_SimulationsUhrzeit->text(), QStringLiteral("Uhrzeit: 12:00 Uhr"));
    // The toggle buttons show the terrace diagram instead.
    w->SpeedButton_Jahressimulation_Terrasse->click();
    EXPECT_TRUE(w->anz_Jahressimulation_Terrasse->isVisible());
    EXPECT_FALSE(w->anz_Jahressimulation_Fenster->isVisible());
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// Pictures of the whole window on every page, for a look by eye (build/ansichten/).
TEST(Hauptfenster, BildschirmfotosAllerSeiten) {
    THauptfenster w;
    w->CheckBox_MauerLinks->click();
    w->CheckBox_MauerRechts->click();
    const QString ordner = QStringLiteral(UMBRARIX_BILDORDNER);
    ASSERT_TRUE(QDir().mkpath(ordner));
    for (int i = 0; i < 6; ++i) {
        w->Ansichtsknoepfe[i]->click();
        w->Seitenknoepfe[i]->click();
        QCoreApplication::processEvents();
        const QString datei = ordner + QStringLiteral("/fenster_%1.png").arg(i);
        EXPECT_TRUE(w->grab().save(datei)) << datei.toStdString();
    }
}

} // namespace
} // namespace umbrarix
