// The evaluation dialogs by keyboard and at their sizes: no traps, no clipped tables, range
// fields that do not change each other while typed, no answer to an earlier question.

#include "ui/Form_Dialoge.h"
#include "ui/Form_Dimensionierung.h"
#include "ui/Form_Haupt.h"
#include "ui/Form_Jahresuebersicht.h"
#include "ui/Zeitraumfelder.h"

#include "model/ElementeAufbauen.h"
#include "views/Dimensionierungsdiagramm.h"
#include "views/Jahreskarte.h"

#include "hilfen/Hauptfenster.h"
#include "hilfen/SkriptPlattform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

constexpr TZeitraum ErsteJuniwoche{152, 158, 72, 96};

// Typed as a person types: select all, then one key after another, then Tab.
void Tippen(QSpinBox* feld, const char* text) {
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, QString::fromUtf8(text));
}

// Focus moves by Tab from the widget and reaches the target within the steps given.
bool PerTabErreichbar(QWidget* von, QWidget* ziel, int schritte = 60) {
    von->setFocus();
    for (int i = 0; i < schritte; ++i) {
        QWidget* jetzt = QApplication::focusWidget();
        if (jetzt == ziel) {
            return true;
        }
        QTest::keyClick(jetzt != nullptr ? jetzt : von, Qt::Key_Tab);
    }
    return QApplication::focusWidget() == ziel;
}

TEST(Dialogfehler, BereichsfelderAendernSichNichtBeimTippen) {
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.show();
    QApplication::setActiveWindow(&d);
    d.anz_AusfallVon->setValue(50);
    Tippen(d.anz_AusfallBis, "300");
    EXPECT_EQ(d.anz_AusfallVon->value(), 50) << "no change while typing";
    QTest::keyClick(d.anz_AusfallBis, Qt::Key_Tab);
    EXPECT_EQ(d.anz_AusfallBis->value(), 300);
    EXPECT_EQ(d.anz_AusfallVon->value(), 50);
    EXPECT_EQ(d.anz_Kandidatenzahl->text(), QStringLiteral("26 Kandidaten"));
    // A "bis" left below its "von" takes "von" along; a "von" above its "bis" the other way.
    Tippen(d.anz_AusfallBis, "30");
    QTest::keyClick(d.anz_AusfallBis, Qt::Key_Tab);
    EXPECT_EQ(d.anz_AusfallVon->value(), 30);
    d.CheckBox_Neigung->setChecked(true);
    d.anz_NeigungVon->setValue(0);
    d.anz_NeigungBis->setValue(20);
    Tippen(d.anz_NeigungVon, "90");
    EXPECT_EQ(d.anz_NeigungBis->value(), 20) << "typing 9 of 90 moves nothing";
    QTest::keyClick(d.anz_NeigungVon, Qt::Key_Tab);
    EXPECT_EQ(d.anz_NeigungBis->value(), 90);
}

// Compute, then change the question: the old answer goes and "Übernehmen" with it; a decimal
// comma counts; a cancelled scan says so.
TEST(Dialogfehler, KeineAntwortAufEineFruehereFrage) {
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.show();
    d.anz_Ziel->setCurrentIndex(0);
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_AusfallSchritt->setValue(50);
    d.BerechnenClick();
    ASSERT_TRUE(d.Vorschlag());
    EXPECT_TRUE(d.Button_Uebernehmen->isEnabled());
    EXPECT_EQ(d.Tabelle_Kandidaten->selectionModel()->selectedRows().size(), 1)
        << "the proposal's row is marked";
    const std::function<void()> aenderungen[] = {
        [&] { d.anz_Mindestgrad->setValue(20); },
        [&] { d.anz_Ziel->setCurrentIndex(1); },
        [&] { d.Zeitraumfelder->SetzeZeitraum(GanzesJahr); },
        [&] { d.anz_AusfallVon->setValue(100); },
        [&] { d.CheckBox_Breite->setChecked(true); },
    };
    for (const auto& aendern : aenderungen) {
        d.BerechnenClick();
        ASSERT_TRUE(d.Button_Uebernehmen->isEnabled());
        aendern();
        EXPECT_FALSE(d.Vorschlag());
        EXPECT_FALSE(d.Button_Uebernehmen->isEnabled());
        EXPECT_EQ(d.anz_Vorschlag->text(), QStringLiteral("Noch nicht berechnet."));
        EXPECT_EQ(d.Tabelle_Kandidaten->rowCount(), 0);
    }
    d.anz_Mindestgrad->setFocus();
    d.anz_Mindestgrad->selectAll();
    QTest::keyClicks(d.anz_Mindestgrad, QStringLiteral("85,5"));
    d.anz_Mindestgrad->interpretText();
    EXPECT_DOUBLE_EQ(d.anz_Mindestgrad->value(), 85.5);
    EXPECT_DOUBLE_EQ(d.Frage().Mindestgrad, 0.855);
}

// A valance below the ground is no awning: such candidates are listed as "nicht baubar" and
// never proposed.
TEST(Dialogfehler, NichtBaubareKandidatenNieVorgeschlagen) {
    TEingabedaten e;
    e.anz_Vordach_Neigung = 90; // hanging straight down: a long projection reaches the ground
    e.anz_VordachHoehe = 250;
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben(e));
    d.anz_Ziel->setCurrentIndex(0);
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_Mindestgrad->setValue(99);
    d.BerechnenClick();
    int nichtBaubar = 0;
    for (int z = 0; z < d.Tabelle_Kandidaten->rowCount(); ++z) {
        nichtBaubar +=
            d.Tabelle_Kandidaten->item(z, 5)->text().endsWith(QStringLiteral("(nicht baubar)"));
    }
    EXPECT_GT(nichtBaubar, 0);
    if (const std::optional<TKandidat> v = d.Vorschlag()) {
        EXPECT_GE(v->Durchgangshoehe, 0);
    }
}

// Tab leaves both tables; "Übernehmen" is reached by keyboard after a scan started by Space;
// the left column does not widen with a long message.
TEST(Dialogfehler, TastaturOhneFallen) {
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.show();
    QApplication::setActiveWindow(&d);
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_AusfallSchritt->setValue(50);
    d.Button_Berechnen->setFocus();
    QTest::keyClick(d.Button_Berechnen, Qt::Key_Space);
    ASSERT_TRUE(d.Vorschlag());
    EXPECT_EQ(QApplication::focusWidget(), d.Button_Berechnen);
    EXPECT_TRUE(PerTabErreichbar(d.Button_Berechnen, d.Button_Uebernehmen));
    EXPECT_TRUE(PerTabErreichbar(d.Tabelle_Kandidaten, d.Button_Uebernehmen, 4))
        << "Tab leaves the table";
    const int breite = d.anz_Kandidatenzahl->parentWidget()->width();
    QWidget* inhalt = d.findChild<QScrollArea*>()->widget(); // measured in the scrolled content
    const QPoint ort = d.anz_AusfallVon->mapTo(inhalt, QPoint());
    d.anz_AusfallSchritt->setValue(1);
    d.CheckBox_Breite->setChecked(true);
    d.anz_BreiteVon->setValue(15);
    d.anz_BreiteBis->setValue(700);
    d.anz_BreiteSchritt->setValue(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.anz_Kandidatenzahl->text().contains(QStringLiteral("zu viele")));
    EXPECT_EQ(d.anz_Kandidatenzahl->parentWidget()->width(), breite);
    EXPECT_EQ(d.anz_AusfallVon->mapTo(inhalt, QPoint()), ort) << "the fields stay put";
}

// Where a widget lies in the dialog's scrolled content.
QRect ImInhalt(const QWidget* w, const QWidget* inhalt) {
    return {w->mapTo(inhalt, QPoint()), w->size()};
}

// Grown to 1250 x 900, the sizing dialog gives the room to its chart and its table: both reach
// the content's right edge and grow in height, the table's columns fill it, the chart is drawn
// at its new size; nothing scrolls. Back at the opening size the chart is as before.
TEST(Dialogfehler, DimensionierungWaechstMitDemDialog) {
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_AusfallSchritt->setValue(50);
    d.BerechnenClick();
    d.show();
    QCoreApplication::processEvents();
    const QSize anfang = d.size();
    const QSize diagrammAnfang = d.Image_Diagramm->size();
    const int tabelleAnfang = d.Tabelle_Kandidaten->height();
    auto* rollen = d.findChild<QScrollArea*>();
    ASSERT_NE(rollen, nullptr);
    const QWidget* inhalt = rollen->widget();
    QTableWidget* t = d.Tabelle_Kandidaten;
    constexpr int Rand = 12; // px of empty margin tolerated at an edge
    for (const QSize groesse : {QSize(1250, 900), anfang}) {
        d.resize(groesse);
        QCoreApplication::processEvents();
        SCOPED_TRACE(std::to_string(groesse.width()) + "x" + std::to_string(groesse.height()));
        EXPECT_EQ(d.Diagramm.size(), d.Image_Diagramm->size()) << "drawn at its size";
        int spalten = 0;
        for (int s = 0; s < t->columnCount(); ++s) {
            spalten += t->columnWidth(s);
            const QString kopf = t->horizontalHeaderItem(s)->text();
            EXPECT_GE(t->columnWidth(s),
                      t->horizontalHeader()->fontMetrics().horizontalAdvance(kopf));
        }
        EXPECT_GE(spalten, t->viewport()->width() - t->columnCount()) << "no empty strip";
        EXPECT_EQ(t->horizontalScrollBar()->maximum(), 0);
        if (groesse == anfang) {
            EXPECT_EQ(d.Image_Diagramm->size(), diagrammAnfang);
            continue;
        }
        EXPECT_EQ(rollen->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(rollen->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(inhalt->size(), rollen->viewport()->size());
        const QRect diagramm = ImInhalt(d.Image_Diagramm, inhalt);
        const QRect tabelle = ImInhalt(t, inhalt);
        EXPECT_GE(diagramm.right(), inhalt->width() - 1 - Rand);
        EXPECT_GE(tabelle.right(), inhalt->width() - 1 - Rand);
        EXPECT_GE(ImInhalt(d.anz_Vorschlag, inhalt).bottom(), inhalt->height() - 1 - Rand);
        EXPECT_GE(diagramm.width(), diagrammAnfang.width() + 250);
        EXPECT_GE(diagramm.height(), diagrammAnfang.height() + 80);
        EXPECT_GE(tabelle.height(), tabelleAnfang + 80);
        QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER)); // for a look by eye
        d.grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/fenster_dimensionierung_gross.png"));
    }
}

// Every row of the chart's legend fits its box, measured in the chart's font, and its box lies
// in the picture, for few and many widths, with and without a proposal, small and grown; the
// required level and the proposal always keep their rows.
TEST(Dialogfehler, DiagrammlegendeGanzLesbar) {
    const QFontMetrics m(Dimensionierungsdiagrammschrift());
    const auto kurven = [](int anzahl) {
        std::vector<TDiagrammkurve> k;
        for (int i = 0; i < anzahl; ++i) {
            k.push_back({QStringLiteral("Breite %1 cm").arg(700 - i), {{0, 0.1}, {400, 0.9}}});
        }
        return k;
    };
    const struct {
        int kurven;
        bool vorschlag;
        QSize groesse;
        int zeilen; // rows the legend has
    } faelle[] = {
        {0, false, {600, 320}, 1},  {1, true, {600, 320}, 3},   {12, true, {600, 320}, 14},
        {13, true, {600, 320}, 14}, {61, true, {600, 320}, 14}, {61, false, {600, 320}, 14},
        {61, true, {900, 660}, 33}, {13, true, {900, 660}, 15},
    };
    for (const auto& f : faelle) {
        const std::vector<TLegendenzeile> legende =
            Dimensionierungslegende(kurven(f.kurven), f.vorschlag, f.groesse);
        const std::string fall = std::to_string(f.kurven) + " curves, " +
                                 std::to_string(f.groesse.width()) + "x" +
                                 std::to_string(f.groesse.height());
        EXPECT_EQ(static_cast<int>(legende.size()), f.zeilen) << fall;
        QStringList texte;
        for (const TLegendenzeile& z : legende) {
            texte << z.Text;
            EXPECT_LE(m.horizontalAdvance(z.Text), z.Kasten.width())
                << fall << ": " << z.Text.toStdString();
            EXPECT_LE(m.height(), z.Kasten.height()) << fall;
            EXPECT_TRUE(QRect(QPoint(), f.groesse).contains(z.Kasten)) << fall;
            EXPECT_FALSE(Dimensionierungsdiagrammflaeche(f.groesse).intersects(z.Kasten)) << fall;
        }
        EXPECT_TRUE(texte.contains(QStringLiteral("verlangt"))) << fall;
        EXPECT_EQ(texte.contains(QStringLiteral("○ Vorschlag")), f.vorschlag) << fall;
    }
    // In the dialog the chart's place is the picture's size: nothing of it is cut off (that
    // the place is in sight on a large screen, Dialoggroesse checks).
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.CheckBox_Breite->setChecked(true);
    d.anz_BreiteVon->setValue(100);
    d.anz_BreiteBis->setValue(700);
    d.anz_BreiteSchritt->setValue(10);
    d.anz_AusfallSchritt->setValue(50);
    d.show();
    d.BerechnenClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(d.Diagramm.size(), d.Image_Diagramm->size());
}

// The Jahresübersicht: the whole table in sight, Tab out of it, the period and the buttons
// outside the scrolled part.
TEST(Dialogfehler, JahresuebersichtTabelleGanzUndTabHinaus) {
    testhilfen::THauptfenster w;
    TForm_Jahresuebersicht* j = nullptr;
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        j = dynamic_cast<TForm_Jahresuebersicht*>(&d);
        d.show();
        QCoreApplication::processEvents();
        QTableWidget* t = j->Tabelle_Sonnenstunden;
        EXPECT_EQ(t->verticalScrollBar()->maximum(), 0) << "all 13 rows in sight";
        EXPECT_EQ(t->horizontalScrollBar()->maximum(), 0) << "all 4 columns in sight";
        for (int s = 0; s < 4; ++s) {
            const QString kopf = t->horizontalHeaderItem(s)->text();
            const int noetig = t->horizontalHeader()
                                   ->fontMetrics()
                                   .boundingRect(QRect(0, 0, 1000, 100), 0, kopf)
                                   .width();
            EXPECT_GE(t->columnWidth(s), noetig) << kopf.toStdString();
        }
        EXPECT_FALSE(t->tabKeyNavigation());
        EXPECT_TRUE(j->Button_Schliessen->isVisible());
        const auto* rollen = d.findChild<QScrollArea*>();
        ASSERT_NE(rollen, nullptr);
        EXPECT_FALSE(rollen->widget()->isAncestorOf(j->Button_Schliessen))
            << "the buttons do not scroll away";
        EXPECT_FALSE(rollen->widget()->isAncestorOf(j->anz_VonDatum));
        // The heat maps tell date, time and share under the pointer.
        using M = TJahreskartenmasse;
        const QString mittag = j->Kartenhinweis(
            true, QPoint(M::Links + 171 * M::ZelleBreite, M::Oben + 72 * M::ZelleHoehe));
        EXPECT_TRUE(mittag.startsWith(QStringLiteral("21.06. 12:00: "))) << mittag.toStdString();
        EXPECT_TRUE(mittag.endsWith(QStringLiteral(" % verschattet"))) << mittag.toStdString();
        EXPECT_EQ(j->Kartenhinweis(false, QPoint(M::Links + 1, M::Oben + 1)),
                  QStringLiteral("01.01. 00:00: Nacht"));
        EXPECT_TRUE(j->Kartenhinweis(false, QPoint(2, 2)).isEmpty());
    };
    w->Jahresuebersicht1->trigger();
    ASSERT_NE(j, nullptr);
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// Walks the Tab cycle from a widget: every stop is visible and enabled, and the cycle comes
// back to where it started (no trap) within the given number of steps.
void TabKreisPruefen(QWidget* start, int hoechstens, const char* name) {
    start->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), start) << name;
    std::vector<QWidget*> stopps;
    for (int i = 0; i < hoechstens; ++i) {
        QWidget* jetzt = QApplication::focusWidget();
        ASSERT_NE(jetzt, nullptr) << name << " step " << i;
        EXPECT_TRUE(jetzt->isVisible() && jetzt->isEnabled())
            << name << ": invisible stop " << jetzt->objectName().toStdString() << " ("
            << jetzt->metaObject()->className() << ")";
        stopps.push_back(jetzt);
        QTest::keyClick(jetzt, Qt::Key_Tab);
        if (QApplication::focusWidget() == start) {
            EXPECT_GT(stopps.size(), 3u) << name;
            return;
        }
    }
    ADD_FAILURE() << name << ": Tab does not come back after " << hoechstens << " steps, stuck at "
                  << QApplication::focusWidget()->objectName().toStdString();
}

TEST(Dialogfehler, TabKreiseOhneFallenUndUnsichtbareStopps) {
    testhilfen::THauptfenster w;
    TabKreisPruefen(w->anz_Vordachbreite->Eingabe(), 200, "Hauptfenster");
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(nullptr, p, SzeneAusEingaben({}));
    d.show();
    QApplication::setActiveWindow(&d);
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_AusfallSchritt->setValue(50);
    d.BerechnenClick();
    TabKreisPruefen(d.Button_Berechnen, 60, "Markise dimensionieren");
    w.Plattform.BeimZeigen = [](QDialog& dialog) {
        auto& j = dynamic_cast<TForm_Jahresuebersicht&>(dialog);
        QApplication::setActiveWindow(&j);
        TabKreisPruefen(j.Button_Schliessen, 60, "Jahresübersicht");
    };
    w->Jahresuebersicht1->trigger();
}

// The date and time markers by keyboard, with a frame while they have the focus; the colour
// swatches by Tab and Space; Enter in the working-folder dialog confirms.
TEST(Dialogfehler, MarkerFarbfelderUndEingabetaste) {
    testhilfen::THauptfenster w;
    const struct {
        TFormShape* marker;
        TTrackBar* leiste;
        Qt::Key taste;
        int erwartet;
    } faelle[] = {
        {w->Shape_Datum, w->TrackBar_Datum.get(), Qt::Key_Right, 173},
        {w->Shape_Datum, w->TrackBar_Datum.get(), Qt::Key_PageUp, 203},
        {w->Shape_Datum, w->TrackBar_Datum.get(), Qt::Key_End, 365},
        {w->Shape_Datum, w->TrackBar_Datum.get(), Qt::Key_Home, 1},
        {w->Shape_Datum, w->TrackBar_Datum.get(), Qt::Key_Left, 1},
        {w->Shape_Zeit, w->TrackBar_Uhrzeit.get(), Qt::Key_Left, 71},
        {w->Shape_Zeit, w->TrackBar_Uhrzeit.get(), Qt::Key_PageDown, 65},
        {w->Shape_Zeit, w->TrackBar_Uhrzeit.get(), Qt::Key_End, 143},
    };
    for (const auto& f : faelle) {
        f.marker->setFocus();
        QTest::keyClick(f.marker, f.taste);
        EXPECT_EQ(f.leiste->Position(), f.erwartet) << f.marker->objectName().toStdString();
    }
    EXPECT_EQ(w->anz_Uhrzeit->text(), QStringLiteral("Uhrzeit: 23:50 Uhr"));
    const QImage mitFokus = w->Shape_Zeit->grab().toImage();
    w->Shape_Datum->setFocus();
    const QImage ohneFokus = w->Shape_Zeit->grab().toImage();
    EXPECT_NE(mitFokus, ohneFokus) << "the focus frame shows";

    TForm_Farbauswahl* farben = w->Form_Farbauswahl;
    farben->Zeigen(w->Farben);
    farben->show();
    QApplication::setActiveWindow(farben);
    farben->Panels[2]->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), farben->Panels[2]);
    w.Plattform.Farbantworten.push_back(QColor(1, 2, 3));
    QTest::keyClick(farben->Panels[2], Qt::Key_Space);
    EXPECT_EQ(farben->Farben().Fensterfarbe, FarbeAusRgb(1, 2, 3)) << "the third swatch";
    farben->hide();

    TForm_Arbeitsverzeichnis* arbeit = w->Form_Arbeitsverzeichnis;
    arbeit->Vorbereiten();
    arbeit->show();
    QApplication::setActiveWindow(arbeit);
    arbeit->anz_Arbeitsverzeichnis->setText(w.Ordner.path());
    arbeit->anz_Arbeitsverzeichnis->setFocus();
    QTest::keyClick(arbeit->anz_Arbeitsverzeichnis, Qt::Key_Return);
    EXPECT_EQ(arbeit->result(), QDialog::Accepted);
    EXPECT_EQ(w->Opendialog1.Ordner, w.Ordner.path() + QStringLiteral("/"));
}

} // namespace
} // namespace umbrarix

namespace umbrarix {
namespace {

// Run on the screens above: on a large screen both dialogs open with everything in sight, on a
// small one they fit the screen with their buttons visible and the content scrolling.
TEST(Dialoggroesse, BeideDialogeAufDiesemBildschirm) {
    const QSize schirm = QGuiApplication::primaryScreen()->availableSize();
    const bool gross = schirm.width() >= 1280 && schirm.height() >= 1024;
    testhilfen::THauptfenster w;
    const auto pruefen = [&](QDialog& d, QPushButton* knopf, const char* name) {
        d.show();
        QCoreApplication::processEvents();
        EXPECT_LE(d.width(), schirm.width()) << name;
        EXPECT_LE(d.height(), schirm.height()) << name;
        const QRect sichtbar(QPoint(), d.size());
        EXPECT_TRUE(sichtbar.contains(QRect(knopf->mapTo(&d, QPoint()), knopf->size())))
            << name << ": the button lies within the dialog";
        const auto* rollen = d.findChild<QScrollArea*>();
        ASSERT_NE(rollen, nullptr);
        EXPECT_FALSE(rollen->widget()->isAncestorOf(knopf)) << name;
        if (gross) {
            EXPECT_EQ(rollen->horizontalScrollBar()->maximum(), 0) << name << ": all in sight";
            EXPECT_EQ(rollen->verticalScrollBar()->maximum(), 0) << name << ": all in sight";
        }
    };
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& j = dynamic_cast<TForm_Jahresuebersicht&>(d);
        pruefen(d, j.Button_Schliessen, "Jahresübersicht");
    };
    w->Jahresuebersicht1->trigger();
    testhilfen::TSkriptPlattform p;
    TForm_Dimensionierung d(w.Fenster.get(), p, SzeneAusEingaben({}));
    pruefen(d, d.Button_Uebernehmen, "Markise dimensionieren");
    // Before the first computation the table's headers are whole.
    QTableWidget* t = d.Tabelle_Kandidaten;
    for (int s = 0; s < t->columnCount(); ++s) {
        const QString kopf = t->horizontalHeaderItem(s)->text();
        EXPECT_GE(t->columnWidth(s), t->horizontalHeader()->fontMetrics().horizontalAdvance(kopf))
            << kopf.toStdString();
    }
}

} // namespace
} // namespace umbrarix
