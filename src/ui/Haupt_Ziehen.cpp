// Dragging handles in the views: the element handles of the front, side and top views, the
// wall tilt, the person and the compass orientation.

#include "ui/Form_Haupt.h"

#include "model/Runden.h"
#include "model/Zahltext.h"
#include "model/Ziehen.h"
#include "views/Kompass.h"

#include <QMouseEvent>

namespace umbrarix {

void TForm_Haupt::GriffeVerbinden() {
    const auto verbinden = [this](std::initializer_list<TFormShape*> griffe,
                                  void (TForm_Haupt::*handler)(TFormShape*, QMouseEvent*)) {
        for (TFormShape* g : griffe) {
            g->MausBewegt = [this, handler](TFormShape* s, QMouseEvent* e) {
                (this->*handler)(s, e);
            };
        }
    };
    verbinden({f_fenster_oben, f_fenster_unten, f_fenster_links, f_fenster_rechts},
              &TForm_Haupt::f_fenster_mouseMove);
    verbinden({f_ueberh_oben, f_ueberh_unten, f_ueberh_links, f_ueberh_rechts, f_volant_unten,
               f_volant_links, f_volant_rechts},
              &TForm_Haupt::f_ueberh_MouseMove);
    verbinden({f_mauerlinks_oben, f_mauerlinks_unten, f_mauerlinks_seite},
              &TForm_Haupt::f_MauerLinks_MouseMove);
    verbinden({f_mauerrechts_oben, f_mauerrechts_unten, f_mauerrechts_seite},
              &TForm_Haupt::f_MauerRechts_MouseMove);
    verbinden({s_ueberh_aussen, s_ueberh_innen, s_ueberh_volant}, &TForm_Haupt::s_ueberh_MouseMove);
    verbinden({b_ueberh_oben, b_ueberh_unten, b_ueberh_links, b_ueberh_rechts},
              &TForm_Haupt::b_ueberh_MouseMove);
    verbinden({b_terrasse_oben, b_terrasse_unten, b_terrasse_links, b_terrasse_rechts},
              &TForm_Haupt::b_terrasse_MouseMove);
    verbinden({b_mauerlinks_oben, b_mauerlinks_unten, b_mauerlinks_seite},
              &TForm_Haupt::b_mauerLinks_MouseMove);
    verbinden({b_mauerrechts_oben, b_mauerrechts_unten, b_mauerrechts_seite},
              &TForm_Haupt::b_mauerRechts_MouseMove);
    verbinden({s_wandneigung}, &TForm_Haupt::s_wandneigungMouseMove);
    verbinden({s_person}, &TForm_Haupt::s_personMouseMove);
    verbinden({shape_Himmelsrichtung}, &TForm_Haupt::shape_HimmelsrichtungMouseMove);
    shape_Himmelsrichtung->MausHoch = [this](TFormShape* s, QMouseEvent* e) {
        shape_HimmelsrichtungMouseUp(s, e);
    };
    // A drag, mouse down to mouse up, is one undo step however many moves it has.
    // (TFormShape has no meta-object of its own, so findChildren<TFormShape*> would match
    // every widget.)
    for (QWidget* w : findChildren<QWidget*>()) {
        auto* griff = dynamic_cast<TFormShape*>(w);
        if (griff == nullptr) {
            continue;
        }
        griff->MausRunter = [this, runter = griff->MausRunter](TFormShape* s, QMouseEvent* e) {
            if (runter) {
                runter(s, e);
            }
            if (e->button() == Qt::LeftButton) {
                ZiehenBegonnen(s);
            }
        };
        griff->MausHoch = [this, hoch = griff->MausHoch](TFormShape* s, QMouseEvent* e) {
            if (hoch) {
                hoch(s, e);
            }
            ZiehenBeendet();
        };
    }
}

void TForm_Haupt::ElementgriffZiehen(TFormShape* sender, QMouseEvent* e) {
    if (!NurLinkeTaste(e) || SimulationLaeuft) {
        return;
    }
    const std::optional<TGriff> griff = GriffMitNamen(sender->objectName().toStdString());
    if (!griff) {
        return;
    }
    // Side-view points move by the pointer's way since the button went down; lines and corner
    // points by where the pointer is within the handle.
    const QPoint maus = e->position().toPoint();
    const bool seitenansicht = sender->objectName().startsWith(QStringLiteral("s_"));
    const QPoint d = seitenansicht ? maus - Mausposition : maus;
    Szene.Eingaben.anz_Fensterneigung =
        anz_Fensterneigung->Zahl().value_or(Szene.Eingaben.anz_Fensterneigung);
    GriffZiehen(Szene, *griff, d.x(), d.y());
    Daten_anzeigen();
}

void TForm_Haupt::f_fenster_mouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::f_ueberh_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::f_MauerLinks_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::f_MauerRechts_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::s_ueberh_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::b_ueberh_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::b_terrasse_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::b_mauerLinks_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}
void TForm_Haupt::b_mauerRechts_MouseMove(TFormShape* s, QMouseEvent* e) {
    ElementgriffZiehen(s, e);
}

void TForm_Haupt::s_wandneigungMouseMove(TFormShape* sender, QMouseEvent* e) {
    if (!NurLinkeTaste(e)) {
        return;
    }
    // The pivot is the foot of the wall at (348, 348) in the side view; dy counts upwards.
    const QPoint maus = e->position().toPoint();
    const int dx = sender->x() + maus.x() - Mausposition.x() - 348;
    const int dy = Mausposition.y() - (sender->y() + maus.y()) + 348;
    anz_Fensterneigung->SetzeText(QString::number(RundenGanz(Wandneigungswinkel(dx, dy))));
    Daten_auslesen();
}

void TForm_Haupt::s_personMouseMove(TFormShape* sender, QMouseEvent* e) {
    if (!NurLinkeTaste(e)) {
        return;
    }
    sender->move(sender->x() + e->position().toPoint().x() - Mausposition.x(), sender->y());
    Daten_anzeigen();
}

void TForm_Haupt::shape_HimmelsrichtungMouseMove(TFormShape* sender, QMouseEvent* e) {
    if (!NurLinkeTaste(e)) {
        return;
    }
    // The marker's would-be centre relative to the centre of the compass panel.
    const QPoint maus = e->position().toPoint();
    const int dx = sender->x() + maus.x() - Mausposition.x() + 4 - 62;
    const int dy = sender->y() + maus.y() - Mausposition.y() + 4 - 62;
    anz_Himmelsrichtung->SetzeText(QString::number(Kompasswinkel(dx, dy), 'g', 17));
    ZeichneKompass();
}

void TForm_Haupt::shape_HimmelsrichtungMouseUp(TFormShape* sender, QMouseEvent*) {
    EndeDimensionAendern(sender);
}

} // namespace umbrarix
