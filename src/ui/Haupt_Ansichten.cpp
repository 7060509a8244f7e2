// The evaluation of the instant as the window shows it: result labels, diagram bars, the
// chosen view with its handles, the compass, the view selector and switching handles on and off.

#include "ui/Form_Haupt.h"

#include "model/Zahltext.h"
#include "shadow/Ergebnistext.h"
#include "shadow/Simulieren.h"
#include "simulation/Diagramme.h"
#include "views/Frontansicht.h"
#include "views/Horizontalschnitt.h"
#include "views/Kompass.h"
#include "views/Seitenansicht.h"
#include "views/Zeichenflaeche.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace umbrarix {

namespace {

int GewaehlteAnsicht(const QList<QRadioButton*>& knoepfe) {
    for (int i = 0; i < knoepfe.size(); ++i) {
        if (knoepfe[i]->isChecked()) {
            return i;
        }
    }
    return 0;
}

} // namespace

void TForm_Haupt::MarkerSetzen(TFormShape* marker, const QRect& r) {
    // A handle of a collapsed edge still shows as one pixel line.
    marker->setGeometry(r.left(), r.top(), std::max(r.width(), 1), std::max(r.height(), 1));
}

void TForm_Haupt::Simulieren(int N, double t) {
    const TPunkt sonne = umbrarix::Simulieren(Szene, N, t);
    anz_Verschattungsanteil_f->setText(QString::fromStdString(
        Ergebnistext(Szene.Fenster.Verschattungsanteil, false, Szene.IstHinterUmgebung)));
    anz_Verschattungsanteil_t->setText(QString::fromStdString(
        Ergebnistext(Szene.Terrasse.Verschattungsanteil, true, Szene.IstHinterUmgebung)));
    if (DiagrammLaeuft || Timer_TagSimulieren->isActive()) {
        const int p = TrackBar_Uhrzeit->Position();
        Tagesbalken_Zeichnen(anz_Tagessimulation_Fenster->Bild(), p,
                             Szene.Fenster.Verschattungsanteil);
        Tagesbalken_Zeichnen(anz_Tagessimulation_Terrasse->Bild(), p,
                             Szene.Terrasse.Verschattungsanteil);
        anz_Tagessimulation_Fenster->update();
        anz_Tagessimulation_Terrasse->update();
    }
    if (DiagrammLaeuft || Timer_JahrSimulieren->isActive()) {
        const int d = TrackBar_Datum->Position();
        Jahresbalken_Zeichnen(anz_Jahressimulation_Fenster->Bild(), d,
                              Szene.Fenster.Verschattungsanteil);
        Jahresbalken_Zeichnen(anz_Jahressimulation_Terrasse->Bild(), d,
                              Szene.Terrasse.Verschattungsanteil);
        anz_Jahressimulation_Fenster->update();
        anz_Jahressimulation_Terrasse->update();
    }
    if (!DiagrammLaeuft && !Panel_SpeichernLaeuft->isVisible()) {
        AnsichtZeichnen(sonne);
    }
}

void TForm_Haupt::Ansicht3DZeichnen() {
    Image_3d->SetzeBild(Ansicht3D_Zeichnen(Szene, Farben, Blick3D));
}

void TForm_Haupt::AnsichtZeichnen(const TPunkt& sonne) {
    AnsichtZeichnen(sonne, GewaehlteAnsicht(Ansichtsknoepfe));
}

void TForm_Haupt::AnsichtZeichnen(const TPunkt& sonne, int ansicht) {
    switch (ansicht) {
    case 0:
        Ansicht3DZeichnen();
        break;
    case 1: {
        const TSeitenansicht a =
            Seitenansicht_Zeichnen(Szene, Farben, vorlage_ansicht, sonne, s_person->x());
        seitenansicht->SetzeBild(a.Bild);
        const TSeitenMarker& m = a.Marker;
        MarkerSetzen(s_ueberh_innen, m.s_ueberh_innen);
        MarkerSetzen(s_ueberh_aussen, m.s_ueberh_aussen);
        MarkerSetzen(s_ueberh_volant, m.s_ueberh_volant);
        MarkerSetzen(s_wandneigung, m.s_wandneigung);
        MarkerSetzen(Shape_Fussboden, QRect(0, 350, m.Shape_Fussboden_Breite, 11));
        MarkerSetzen(s_terrasse, QRect(m.s_terrasse_Links, 350, m.s_terrasse_Breite, 7));
        break;
    }
    case 2: {
        const TFrontansicht a = Frontansicht_Zeichnen(Szene, Farben, vorlage_ansicht);
        frontansicht->SetzeBild(a.Bild);
        const TFrontMarker& m = a.Marker;
        const std::pair<TFormShape*, QRect> marker[] = {
            {f_fenster_oben, m.f_fenster_oben},
            {f_fenster_unten, m.f_fenster_unten},
            {f_fenster_links, m.f_fenster_links},
            {f_fenster_rechts, m.f_fenster_rechts},
            {f_ueberh_oben, m.f_ueberh_oben},
            {f_ueberh_unten, m.f_ueberh_unten},
            {f_ueberh_links, m.f_ueberh_links},
            {f_ueberh_rechts, m.f_ueberh_rechts},
            {f_volant_unten, m.f_volant_unten},
            {f_volant_links, m.f_volant_links},
            {f_volant_rechts, m.f_volant_rechts},
            {f_mauerlinks_seite, m.f_mauerlinks_seite},
            {f_mauerlinks_oben, m.f_mauerlinks_oben},
            {f_mauerlinks_unten, m.f_mauerlinks_unten},
            {f_mauerrechts_seite, m.f_mauerrechts_seite},
            {f_mauerrechts_oben, m.f_mauerrechts_oben},
            {f_mauerrechts_unten, m.f_mauerrechts_unten}};
        for (const auto& [shape, rechteck] : marker) {
            MarkerSetzen(shape, rechteck);
        }
        if (m.f_volant_unten_sichtbar) {
            f_volant_unten->setVisible(*m.f_volant_unten_sichtbar);
        }
        break;
    }
    case 3: {
        const THorizontalschnitt a = Horizontalschnitt_Zeichnen(Szene, Farben, vorlage_ansicht);
        Horizontalschnitt->SetzeBild(a.Bild);
        const THorizontalMarker& m = a.Marker;
        const std::pair<TFormShape*, QRect> marker[] = {
            {b_terrasse_oben, m.b_terrasse_oben},
            {b_terrasse_unten, m.b_terrasse_unten},
            {b_terrasse_links, m.b_terrasse_links},
            {b_terrasse_rechts, m.b_terrasse_rechts},
            {b_ueberh_oben, m.b_ueberh_oben},
            {b_ueberh_unten, m.b_ueberh_unten},
            {b_ueberh_links, m.b_ueberh_links},
            {b_ueberh_rechts, m.b_ueberh_rechts},
            {b_mauerlinks_seite, m.b_mauerlinks_seite},
            {b_mauerlinks_oben, m.b_mauerlinks_oben},
            {b_mauerlinks_unten, m.b_mauerlinks_unten},
            {b_mauerrechts_seite, m.b_mauerrechts_seite},
            {b_mauerrechts_oben, m.b_mauerrechts_oben},
            {b_mauerrechts_unten, m.b_mauerrechts_unten}};
        for (const auto& [shape, rechteck] : marker) {
            MarkerSetzen(shape, rechteck);
        }
        break;
    }
    default:
        break; // the diagram pages draw nothing here
    }
}

void TForm_Haupt::ZeichneKompass() {
    TEingabedaten& e = Szene.Eingaben;
    const double h = anz_Himmelsrichtung->Zahl().value_or(e.anz_Himmelsrichtung);
    const double breite = Dezimalwert(anz_Breitengrad, e.anz_Breitengrad);
    const TKompass k = umbrarix::ZeichneKompass(h, breite, TrackBar_Datum->Position(), Farben,
                                                Image_Kompass_vorlage);
    Image_Kompass->SetzeBild(k.Bild);
    shape_Himmelsrichtung->setGeometry(k.shape_Himmelsrichtung);
    const QString text = QString::number(k.HimmelsrichtungGerundet);
    if (anz_Himmelsrichtung->Text() != text) {
        anz_Himmelsrichtung->SetzeText(text);
    }
}

void TForm_Haupt::RadioGroup_AnsichtClick() {
    QWidget* panels[] = {
        Panel_3DAnsicht,       Panel_seitenansicht,           Panel_AnsichtFenster,
        Panel_AnsichtTerrasse, Panel_DiagrammTagessimulation, Panel_DiagrammJahressimulation};
    const int auswahl = GewaehlteAnsicht(Ansichtsknoepfe);
    for (QWidget* p : panels) {
        p->hide();
    }
    panels[auswahl]->show();
    if (auswahl == 4) {
        Tagessimulation_Berechnen();
    } else if (auswahl == 5) {
        Jahressimulation_Berechnen();
    }
    ZeitpunktSimulieren();
}

void TForm_Haupt::Image_3dMouseDown(QMouseEvent* e) {
    Mausposition = e->position().toPoint();
}

void TForm_Haupt::Image_3dMouseMove(QMouseEvent* e) {
    if (!NurLinkeTaste(e)) {
        return;
    }
    const QPoint p = e->position().toPoint();
    // Each changed angle redraws, as a scroll bar would.
    if (Blick3D.SetzePhi(Blick3D.Phi() - (p.x() - Mausposition.x()))) {
        Ansicht3DZeichnen();
    }
    Mausposition.setX(p.x());
    if (Blick3D.SetzeTeta(Blick3D.Teta() - (p.y() - Mausposition.y()))) {
        Ansicht3DZeichnen();
    }
    Mausposition.setY(p.y());
}

void TForm_Haupt::DiagrammeZuruecksetzen() {
    anz_Tagessimulation_Fenster->SetzeBild(anz_Tagessimulation_vorlage);
    anz_Tagessimulation_Terrasse->SetzeBild(anz_Tagessimulation_vorlage);
    anz_Jahressimulation_Fenster->SetzeBild(anz_Jahressimulation_vorlage);
    anz_Jahressimulation_Terrasse->SetzeBild(anz_Jahressimulation_vorlage);
}

void TForm_Haupt::Simulation_Starten() {
    SimulationLaeuft = true;
    for (TFormShape* m : {f_fenster_oben, f_fenster_unten, f_fenster_links, f_fenster_rechts,
                          b_terrasse_oben, b_terrasse_unten, b_terrasse_links, b_terrasse_rechts}) {
        m->Stiftfarbe(FarbeSchwarz);
        m->setCursor(Qt::ArrowCursor);
    }
    for (TFormShape* m : {f_ueberh_oben, f_ueberh_unten, f_ueberh_links, f_ueberh_rechts,
                          f_volant_unten, f_volant_links, f_volant_rechts, b_ueberh_oben,
                          b_ueberh_unten, b_ueberh_links, b_ueberh_rechts}) {
        m->Stiftfarbe(Farben.Markisenfarbe);
        m->setCursor(Qt::ArrowCursor);
    }
    for (TFormShape* m :
         {f_mauerlinks_seite, f_mauerrechts_seite, b_mauerlinks_seite, b_mauerrechts_seite}) {
        m->Stiftfarbe(Farben.Mauerfarbe);
    }
    for (TFormShape* m : {f_mauerlinks_oben, f_mauerlinks_unten, f_mauerrechts_oben,
                          f_mauerrechts_unten, b_mauerlinks_oben, b_mauerlinks_unten,
                          b_mauerrechts_oben, b_mauerrechts_unten, s_ueberh_aussen, s_ueberh_innen,
                          s_ueberh_volant, s_person, s_wandneigung, shape_Himmelsrichtung}) {
        m->hide();
    }
}

void TForm_Haupt::Simulation_Beenden() {
    SimulationLaeuft = false;
    const TFarbe orange = Farben.Interaktivfarbe;
    for (TFormShape* m :
         {f_fenster_oben, f_fenster_unten, f_ueberh_oben, f_ueberh_unten, f_volant_unten,
          b_ueberh_oben, b_ueberh_unten, b_terrasse_oben, b_terrasse_unten}) {
        m->Stiftfarbe(orange);
        m->setCursor(Qt::SizeVerCursor);
    }
    for (TFormShape* m :
         {f_fenster_links, f_fenster_rechts, f_ueberh_links, f_ueberh_rechts, f_volant_links,
          f_volant_rechts, b_ueberh_links, b_ueberh_rechts, b_terrasse_links, b_terrasse_rechts}) {
        m->Stiftfarbe(orange);
        m->setCursor(Qt::SizeHorCursor);
    }
    for (TFormShape* m :
         {f_mauerlinks_seite, f_mauerrechts_seite, b_mauerlinks_seite, b_mauerrechts_seite}) {
        m->Stiftfarbe(orange);
    }
    const bool links = CheckBox_MauerLinks->isChecked();
    const bool rechts = CheckBox_MauerRechts->isChecked();
    for (TFormShape* m :
         {f_mauerlinks_oben, f_mauerlinks_unten, b_mauerlinks_oben, b_mauerlinks_unten}) {
        m->setVisible(links);
    }
    for (TFormShape* m :
         {f_mauerrechts_oben, f_mauerrechts_unten, b_mauerrechts_oben, b_mauerrechts_unten}) {
        m->setVisible(rechts);
    }
    s_ueberh_aussen->setVisible(CheckBox_Ueberhang->isChecked());
    s_ueberh_innen->setVisible(CheckBox_Ueberhang->isChecked());
    s_ueberh_volant->setVisible(CheckBox_Volant->isChecked());
    for (TFormShape* m : {s_person, s_wandneigung, shape_Himmelsrichtung}) {
        m->show();
    }
    Shape_Datum->Pinselfarbe(orange);
    Shape_Zeit->Pinselfarbe(orange);
    for (TFormShape* m :
         {shape_Himmelsrichtung, f_mauerlinks_oben, f_mauerlinks_unten, f_mauerrechts_oben,
          f_mauerrechts_unten, b_mauerlinks_oben, b_mauerlinks_unten, b_mauerrechts_oben,
          b_mauerrechts_unten, s_ueberh_innen, s_ueberh_aussen, s_ueberh_volant, s_wandneigung,
          s_person}) {
        m->Stiftfarbe(orange);
        m->Pinselfarbe(orange);
    }
}

} // namespace umbrarix
