// The menu "&Auswertung": functions that look at many instants at once, computed on copies of
// the scene so that the window's instant, views and diagrams stay as they are.

#include "ui/Form_Haupt.h"

#include "auswertung/Jahresraster.h"
#include "model/Zahltext.h"
#include "solar/Sonnenstand.h"
#include "ui/Form_Dimensionierung.h"
#include "ui/Form_Jahresuebersicht.h"
#include "ui/Form_Sonnenbahnen.h"
#include "ui/Form_Sonneneintrag.h"
#include "ui/Form_Umgebung.h"
#include "ui/Widgets.h"

#include <QCheckBox>

#include <QElapsedTimer>

#include <QMenuBar>
#include <QProgressBar>
#include <algorithm>

namespace umbrarix {

void TForm_Haupt::AuswertungsmenueAufbauen(QMenuBar* leiste) {
    Auswertung1 = leiste->addMenu(QStringLiteral("&Auswertung"));
    Auswertung1->setObjectName(QStringLiteral("Auswertung1"));
    Jahresuebersicht1 = Auswertung1->addAction(QStringLiteral("Jahresübersicht ..."));
    Jahresuebersicht1->setObjectName(QStringLiteral("Jahresuebersicht1"));
    connect(Jahresuebersicht1, &QAction::triggered, this, [this] { JahresuebersichtClick(); });
    MarkiseDimensionieren1 = Auswertung1->addAction(QStringLiteral("Markise dimensionieren ..."));
    MarkiseDimensionieren1->setObjectName(QStringLiteral("MarkiseDimensionieren1"));
    connect(MarkiseDimensionieren1, &QAction::triggered, this,
            [this] { MarkiseDimensionierenClick(); });
    Sonnenbahnen1 = Auswertung1->addAction(QStringLiteral("Sonnenbahnen ..."));
    Sonnenbahnen1->setObjectName(QStringLiteral("Sonnenbahnen1"));
    connect(Sonnenbahnen1, &QAction::triggered, this, [this] { SonnenbahnenClick(); });
    Sonneneintrag1 = Auswertung1->addAction(QStringLiteral("Sonneneintrag ..."));
    Sonneneintrag1->setObjectName(QStringLiteral("Sonneneintrag1"));
    connect(Sonneneintrag1, &QAction::triggered, this, [this] { SonneneintragClick(); });
    Umgebung1 = Auswertung1->addAction(QStringLiteral("Umgebung / Horizont ..."));
    Umgebung1->setObjectName(QStringLiteral("Umgebung1"));
    connect(Umgebung1, &QAction::triggered, this, [this] { UmgebungClick(); });
}

template <class TFenster> void TForm_Haupt::FolgefensterZeigen(TFenster& fenster) {
    fenster.setAttribute(Qt::WA_DeleteOnClose);
    fenster.setModal(false);
    fenster.Druckdatenquelle = [this] { return Druckdaten(); };
    folgeSzene_ = Szene;
    plattform_.Zeigen(fenster);
}

void TForm_Haupt::SonnenbahnenClick() {
    AugenblickswerteLesen();
    if (Sonnenbahnenfenster) {
        plattform_.Zeigen(*Sonnenbahnenfenster);
        return;
    }
    auto* dialog =
        new TForm_Sonnenbahnen(this, plattform_, Szene, Druckdaten(), TrackBar_Datum->Position(),
                               TrackBar_Uhrzeit->Position(), SaveDialog2.Ordner);
    Sonnenbahnenfenster = dialog;
    FolgefensterZeigen(*dialog);
}

void TForm_Haupt::SonneneintragClick() {
    AugenblickswerteLesen();
    if (Sonneneintragsfenster) {
        plattform_.Zeigen(*Sonneneintragsfenster);
        return;
    }
    auto* dialog = new TForm_Sonneneintrag(this, plattform_, Szene, Druckdaten(), Einstellungsorte,
                                           Opendialog1.Ordner);
    Sonneneintragsfenster = dialog;
    FolgefensterZeigen(*dialog);
}

void TForm_Haupt::UmgebungClick() {
    AugenblickswerteLesen();
    // The sun's path of the day shown, in ten-minute steps of the clock.
    std::vector<THorizontpunkt> bahn;
    const int tag = TrackBar_Datum->Position();
    for (int schritt = 0; schritt <= 144; ++schritt) {
        const TPunkt sonne = Sonnenvektor(tag, Zeitpunkt_Sonnenzeit(Szene, tag, schritt),
                                          Szene.Eingaben.anz_Breitengrad);
        if (sonne.x != -1) {
            bahn.push_back({AzimutVon(sonne), HoeheVon(sonne)});
        }
    }
    TForm_Umgebung dialog(this, plattform_, Szene.Umgebung, Szene.Eingaben.anz_Himmelsrichtung,
                          std::move(bahn), Opendialog1.Ordner);
    if (plattform_.ModalZeigen(dialog) != QDialog::Accepted) {
        return;
    }
    Szene.Umgebung = dialog.Ergebnis();
    Simulation_Beenden();
    TrackBar_Datum_UhrzeitChange(nullptr);
}

void TForm_Haupt::JahresuebersichtClick() {
    AugenblickswerteLesen();
    if (Jahresuebersichtsfenster) {
        plattform_.Zeigen(*Jahresuebersichtsfenster);
        return;
    }
    // The progress panel of the table export appears only when the grid takes longer than
    // a blink.
    constexpr qint64 Augenblick = 150; // ms
    QElapsedTimer uhr;
    uhr.start();
    bool gezeigt = false;
    const std::optional<TJahresraster> raster = JahresrasterBerechnen(Szene, [&](int erledigt) {
        if (!gezeigt && uhr.elapsed() > Augenblick) {
            gezeigt = true;
            Gauge_Speichervortschritt->setValue(0);
            Panel_SpeichernLaeuft->show();
            Panel_SpeichernLaeuft->raise();
        }
        if (gezeigt) {
            Gauge_Speichervortschritt->setValue(erledigt * 100 / RasterZellen);
            plattform_.NachrichtenVerarbeiten();
        }
        return true;
    });
    Panel_SpeichernLaeuft->hide();
    if (!raster) {
        return;
    }
    // A window that stays open beside this one and follows every change of the scene.
    auto* dialog = new TForm_Jahresuebersicht(this, plattform_, *raster, Druckdaten(),
                                              TrackBar_Datum->Position(),
                                              TrackBar_Uhrzeit->Position(), SaveDialog2.Ordner);
    Jahresuebersichtsfenster = dialog;
    FolgefensterZeigen(*dialog);
}

namespace {

// The scene apart from its instant: what the grid and the mask are computed from.
bool GleichOhneAugenblick(const TSzene& a, const TSzene& b) {
    const auto gleich = [](const TPolygon& x, const TPolygon& y) {
        return x.Anzahl == y.Anzahl &&
               std::equal(x.Ecken.begin(), x.Ecken.begin() + x.Anzahl, y.Ecken.begin(),
                          [](const TPunkt& p, const TPunkt& q) {
                              return p.x == q.x && p.y == q.y && p.z == q.z;
                          });
    };
    TEingabedaten ea = a.Eingaben, eb = b.Eingaben;
    ea.TrackBar_Datum = eb.TrackBar_Datum = ea.TrackBar_Uhrzeit = eb.TrackBar_Uhrzeit = 0;
    return ea == eb && a.Umgebung == b.Umgebung && a.Wandneigung == b.Wandneigung &&
           gleich(a.Fenster.Polygon, b.Fenster.Polygon) &&
           gleich(a.Terrasse.Polygon, b.Terrasse.Polygon) &&
           gleich(a.Ueberhang.Polygon, b.Ueberhang.Polygon) &&
           gleich(a.Volant.Polygon, b.Volant.Polygon) &&
           gleich(a.MauerLinks.Polygon, b.MauerLinks.Polygon) &&
           gleich(a.MauerRechts.Polygon, b.MauerRechts.Polygon);
}

} // namespace

void TForm_Haupt::FolgefensterNachfuehren() {
    if (!Jahresuebersichtsfenster && !Sonnenbahnenfenster && !Sonneneintragsfenster) {
        folgeSzene_.reset();
        return;
    }
    const int tag = TrackBar_Datum->Position(), schritt = TrackBar_Uhrzeit->Position();
    // A new date or time (a run, the markers) moves only the marks: nothing to compute again.
    const bool nurAugenblick = folgeSzene_ && GleichOhneAugenblick(*folgeSzene_, Szene);
    if (!nurAugenblick) {
        folgeSzene_ = Szene;
    }
    if (Jahresuebersichtsfenster) {
        nurAugenblick ? Jahresuebersichtsfenster->AugenblickSetzen(tag, schritt)
                      : Jahresuebersichtsfenster->Nachfuehren(Szene, tag, schritt);
    }
    if (Sonnenbahnenfenster) {
        nurAugenblick ? Sonnenbahnenfenster->AugenblickSetzen(tag, schritt)
                      : Sonnenbahnenfenster->Nachfuehren(Szene, tag, schritt);
    }
    // The weather year knows no instant of the window: only a changed scene counts.
    if (Sonneneintragsfenster && !nurAugenblick) {
        Sonneneintragsfenster->Nachfuehren(Szene);
    }
}

void TForm_Haupt::MarkiseDimensionierenClick() {
    AugenblickswerteLesen();
    TForm_Dimensionierung dialog(this, plattform_, Szene);
    if (plattform_.ModalZeigen(dialog) != QDialog::Accepted) {
        return;
    }
    if (const std::optional<TKandidat> v = dialog.Vorschlag()) {
        VorschlagUebernehmen(*v);
    }
}

void TForm_Haupt::VorschlagUebernehmen(const TKandidat& k) {
    ++ohneErfassen_; // switch and fields together are one undo step
    // The overhang's switch runs its own handling (fields enabled, handles shown).
    if (!CheckBox_Ueberhang->isChecked()) {
        CheckBox_Ueberhang->click();
    }
    anz_Vordachlaenge->SetzeText(QString::fromStdString(GanzzahlText(k.Ausfall)));
    anz_Vordachbreite->SetzeText(QString::fromStdString(GanzzahlText(k.Breite)));
    anz_Vordach_Neigung->SetzeText(QString::fromStdString(GanzzahlText(k.Neigung)));
    EndeDimensionAendern(anz_Vordachlaenge);
    --ohneErfassen_;
    AenderungErfassen();
}

} // namespace umbrarix
