#include "ui/Form_Dimensionierung.h"
#include "ui/Form_Haupt.h"
#include "ui/Zeitraumfelder.h"

#include "io/Dimensionierungsdatei.h"
#include "io/Zahlformat.h"
#include "model/ElementeAufbauen.h"
#include "model/Zahltext.h"
#include "shadow/Ergebnistext.h"
#include "shadow/Simulieren.h"
#include "views/Dimensionierungsdiagramm.h"

#include "hilfen/Hauptfenster.h"
#include "hilfen/SkriptPlattform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

constexpr TZeitraum ErsteJuniwoche{152, 158, 72, 96};

// Fills the question: terrace, the first week of June 12:00 to 16:00, at least 50 %,
// projections 100 to 400 cm by 50 cm.
void FrageStellen(TForm_Dimensionierung& d) {
    d.anz_Ziel->setCurrentIndex(0);
    d.Zeitraumfelder->SetzeZeitraum(ErsteJuniwoche);
    d.anz_Mindestgrad->setValue(50);
    d.anz_AusfallVon->setValue(100);
    d.anz_AusfallSchritt->setValue(50);
}

// The dialog shows the core's answer; "Übernehmen" writes exactly the proposal's fields and
// evaluates the instant with them; "Abbrechen" changes nothing.
TEST(Dimensionierungsfenster, BerechnenUndUebernehmen) {
    THauptfenster w;
    ASSERT_EQ(w->Auswertung1->actions().size(), 5);
    EXPECT_EQ(w->Auswertung1->actions()[1], w->MarkiseDimensionieren1);
    EXPECT_EQ(w->Auswertung1->actions()[2], w->Sonnenbahnen1);
    EXPECT_EQ(w->Auswertung1->actions()[3], w->Sonneneintrag1);
    EXPECT_EQ(w->Auswertung1->actions()[4], w->Umgebung1);
    EXPECT_EQ(w->MarkiseDimensionieren1->text(), QStringLiteral("Markise dimensionieren ..."));

    const TProjektdaten vorher = w->ProjektErfassen();
    TDimensionierungsfrage f;
    f.Terrasse = true;
    f.Zeitraum = ErsteJuniwoche;
    f.Mindestgrad = 0.5;
    f.Ausfall = {100, 400, 50};
    const TDimensionierung erwartet = *Dimensionieren(w->Szene, f);
    ASSERT_TRUE(erwartet.Erreichbar);
    const TKandidat& v = erwartet.Kandidaten[static_cast<size_t>(erwartet.Vorschlag)];
    ASSERT_NE(v.Ausfall, 150) << "the proposal must differ from the scene for this test";

    // First cancelled: nothing changes.
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& j = dynamic_cast<TForm_Dimensionierung&>(d);
        EXPECT_EQ(j.windowTitle(), QStringLiteral("Markise dimensionieren"));
        EXPECT_FALSE(j.Button_Uebernehmen->isEnabled());
        EXPECT_EQ(j.anz_Kandidatenzahl->text(), QStringLiteral("41 Kandidaten"));
        FrageStellen(j);
        j.Button_Berechnen->click();
        j.Button_Abbrechen->click();
    };
    w.Plattform.Dialogantworten.push_back(QDialog::Rejected);
    w->MarkiseDimensionieren1->trigger();
    EXPECT_EQ(w->ProjektErfassen().Felder, vorher.Felder);

    const QImage ansichtVorher = w->Image_3d->Bild(); // the 3D view is the active one
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& j = dynamic_cast<TForm_Dimensionierung&>(d);
        FrageStellen(j);
        EXPECT_EQ(j.Frage().Ausfall, f.Ausfall);
        EXPECT_EQ(j.anz_Kandidatenzahl->text(), QStringLiteral("7 Kandidaten"));
        j.Button_Berechnen->click();
        ASSERT_EQ(j.Tabelle_Kandidaten->rowCount(), 7);
        for (int z = 0; z < 7; ++z) {
            const TKandidat& k = erwartet.Kandidaten[static_cast<size_t>(z)];
            EXPECT_EQ(j.Tabelle_Kandidaten->item(z, 0)->text(), QString::number(k.Ausfall));
            EXPECT_EQ(j.Tabelle_Kandidaten->item(z, 4)->text().toStdString(),
                      Festkomma(100 * *k.Grad.Terrasse, 1) + " %");
        }
        EXPECT_EQ(j.anz_Vorschlag->text().toStdString(),
                  Vorschlagszeilen(erwartet, true).front() +
                      (v.Durchgangshoehe < 200 ? "\nHinweis: Durchgangshöhe unter 200 cm" : ""));
        ASSERT_TRUE(j.Vorschlag());
        EXPECT_EQ(j.Vorschlag()->Ausfall, v.Ausfall);
        // The proposal is marked on its curve, the required level drawn across.
        const QRect f = Dimensionierungsdiagrammflaeche(j.Diagramm.size());
        const int x = f.left() + static_cast<int>((f.right() - f.left()) * v.Ausfall / 400.0);
        const int y = f.bottom() - static_cast<int>((f.bottom() - f.top()) * *v.Grad.Terrasse);
        bool ring = false;
        for (int dx = -7; dx <= 7; ++dx) {
            ring = ring || qGray(j.Diagramm.pixel(x + dx, y)) < 60;
        }
        EXPECT_TRUE(ring);
        EXPECT_TRUE(j.Button_Uebernehmen->isEnabled());
        j.show();
        QCoreApplication::processEvents();
        QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER));
        j.grab().save(QStringLiteral(UMBRARIX_BILDORDNER "/fenster_dimensionierung.png"));
        j.Button_Uebernehmen->click();
    };
    w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
    w->MarkiseDimensionieren1->trigger();

    std::map<std::string, std::string> anders;
    const TProjektdaten nachher = w->ProjektErfassen();
    for (const auto& [name, text] : nachher.Felder) {
        if (vorher.Felder.at(name) != text) {
            anders[name] = text;
        }
    }
    EXPECT_EQ(anders, (std::map<std::string, std::string>{
                          {"anz_Vordachlaenge", std::to_string(v.Ausfall)},
                          {"anz_Durchgangshoehe", GanzzahlText(v.Durchgangshoehe)}}));
    // The instant is evaluated with the new awning and the views redrawn.
    TSzene k = Kandidatenszene(w->Szene, v.Ausfall, v.Breite, v.Neigung);
    Zeitpunkt_Simulieren(k, w->TrackBar_Datum->Position(), w->TrackBar_Uhrzeit->Position());
    EXPECT_EQ(w->anz_Verschattungsanteil_t->text().toStdString(),
              Ergebnistext(k.Terrasse.Verschattungsanteil, true));
    EXPECT_NE(w->Image_3d->Bild(), ansichtVorher);
}

// An overhang that was off is switched on by taking a proposal over; its valance stays off.
TEST(Dimensionierungsfenster, UebernehmenSchaltetDenUeberhangEin) {
    THauptfenster w;
    w->CheckBox_Ueberhang->click();
    ASSERT_FALSE(w->CheckBox_Ueberhang->isChecked());
    w.Plattform.BeimZeigen = [&](QDialog& d) {
        auto& j = dynamic_cast<TForm_Dimensionierung&>(d);
        FrageStellen(j);
        j.anz_AusfallVon->setValue(300);
        j.anz_AusfallSchritt->setValue(100);
        j.Button_Berechnen->click();
        ASSERT_TRUE(j.Vorschlag());
    };
    w.Plattform.Dialogantworten.push_back(QDialog::Accepted);
    w->MarkiseDimensionieren1->trigger();
    EXPECT_TRUE(w->CheckBox_Ueberhang->isChecked());
    EXPECT_FALSE(w->CheckBox_Volant->isChecked());
    EXPECT_TRUE(w->anz_Vordachlaenge->isEnabled());
    EXPECT_EQ(w->anz_VolantHoehe->Text(), QStringLiteral("0"));
}

// A long scan shows its progress bar and cancel button; cancelling stops it and leaves the
// dialog without a result, so nothing can be taken over.
TEST(Dimensionierungsfenster, RechnungAbbrechen) {
    struct TAbbrechendePlattform : testhilfen::TSkriptPlattform {
        TForm_Dimensionierung* Dialog = nullptr;
        bool Sichtbar = false;
        void NachrichtenVerarbeiten() override {
            TSkriptPlattform::NachrichtenVerarbeiten();
            Sichtbar = Sichtbar || !Dialog->Gauge_Fortschritt->isHidden();
            Dialog->Button_Rechenabbruch->click();
        }
    } plattform;
    TEingabedaten e;
    e.CheckBox_MauerLinks = e.CheckBox_MauerRechts = true;
    TForm_Dimensionierung d(nullptr, plattform, SzeneAusEingaben(e));
    plattform.Dialog = &d;
    d.Zeitraumfelder->SetzeZeitraum(GanzesJahr);
    d.anz_AusfallSchritt->setValue(1); // 401 candidates over the whole year: far beyond a blink
    d.BerechnenClick();
    EXPECT_TRUE(plattform.Sichtbar);
    EXPECT_GE(plattform.Verarbeitungen, 1);
    EXPECT_FALSE(d.Vorschlag());
    EXPECT_FALSE(d.Button_Uebernehmen->isEnabled());
    EXPECT_TRUE(d.Gauge_Fortschritt->isHidden());
    EXPECT_TRUE(d.Button_Rechenabbruch->isHidden());
    EXPECT_EQ(d.Tabelle_Kandidaten->rowCount(), 0);
}

// A question under the candidate limit but over a whole year (9,624 candidates x 52,560
// instants) is refused before it starts, in the batch program's words.
TEST(Dimensionierungsfenster, ZuGrosseFrageWirdNichtGerechnet) {
    testhilfen::TSkriptPlattform plattform;
    TForm_Dimensionierung d(nullptr, plattform, SzeneAusEingaben(TEingabedaten{}));
    d.Zeitraumfelder->SetzeZeitraum(GanzesJahr);
    d.anz_AusfallVon->setValue(0);
    d.anz_AusfallSchritt->setValue(1);
    d.CheckBox_Breite->setChecked(true);
    d.anz_BreiteVon->setValue(15);
    d.anz_BreiteBis->setValue(700);
    d.anz_BreiteSchritt->setValue(29);
    EXPECT_EQ(d.anz_Kandidatenzahl->text().toStdString(),
              "Zu viele Auswertungen: 9624 Kandidaten × 52560 Zeitpunkte (höchstens 25000000): "
              "größere Schritte oder einen kürzeren Zeitraum wählen.");
    EXPECT_FALSE(d.Button_Berechnen->isEnabled());
    d.BerechnenClick();
    EXPECT_EQ(plattform.Verarbeitungen, 0);
    EXPECT_FALSE(d.Vorschlag());
}

} // namespace
} // namespace umbrarix
