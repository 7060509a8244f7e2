// The date and time of the instant: texts, markers on the scales and dragging them.

#include "ui/Form_Haupt.h"

#include "model/Kalender.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"
#include "ui/Skalen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace umbrarix {

namespace {
constexpr int SkalaLinks = 16, SkalaBreite = 730;
} // namespace

void TForm_Haupt::DatumZeitAnzeigen(TTrackBar* sender) {
    const int tag = TrackBar_Datum->Position(), zeit = TrackBar_Uhrzeit->Position();
    anz_Datum->setText(QString::fromStdString(DatumText(tag)));
    anz_Uhrzeit->setText(QString::fromStdString(UhrzeitText(zeit)));
    Shape_Datum->move(SkalenmarkerLinks(tag, SkalaLinks, SkalaBreite, 365, Shape_Datum->width()),
                      Shape_Datum->y());
    Shape_Zeit->move(SkalenmarkerLinks(zeit, SkalaLinks, SkalaBreite, 144, Shape_Zeit->width()),
                     Shape_Zeit->y());
    // The sun's arc on the compass depends on the date.
    if (sender != nullptr && sender->Name() == QStringLiteral("TrackBar_Datum")) {
        ZeichneKompass();
    }
}

void TForm_Haupt::ZeitpunktSimulieren() {
    AugenblickswerteLesen();
    const int tag = TrackBar_Datum->Position();
    Simulieren(tag, Zeitpunkt_Sonnenzeit(Szene, tag, TrackBar_Uhrzeit->Position()));
}

void TForm_Haupt::TrackBar_Datum_UhrzeitChange(TTrackBar* sender) {
    if (abbau_) {
        return;
    }
    DatumZeitAnzeigen(sender);
    ZeitpunktSimulieren();
    // Every edit taken over ends here with its evaluation.
    AenderungErfassen();
    FolgefensterNachfuehren();
}

void TForm_Haupt::s_ueberh_MouseDown(TFormShape*, QMouseEvent* e) {
    Mausposition = e->position().toPoint();
}

void TForm_Haupt::Shape_DatumZeitMouseMove(TFormShape* sender, QMouseEvent* e) {
    if (!NurLinkeTaste(e)) {
        return;
    }
    const int kandidat = sender->x() + e->position().toPoint().x() - Mausposition.x();
    if (sender->objectName() == QStringLiteral("Shape_Datum")) {
        TrackBar_Datum->SetzePosition(
            SkalenpositionAusMarker(kandidat, SkalaLinks, SkalaBreite, 365, sender->width()));
    } else if (sender->objectName() == QStringLiteral("Shape_Zeit")) {
        TrackBar_Uhrzeit->SetzePosition(
            SkalenpositionAusMarker(kandidat, SkalaLinks, SkalaBreite, 144, sender->width()));
    }
}

bool TForm_Haupt::MarkerTaste(TFormShape* marker, QKeyEvent* e) {
    if (SimulationLaeuft || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    const bool datum = marker == Shape_Datum;
    TTrackBar& leiste = datum ? *TrackBar_Datum : *TrackBar_Uhrzeit;
    // One step is a day or ten minutes; a page a month (30 days) or an hour.
    const int seite = datum ? 30 : 6;
    int ziel = leiste.Position();
    switch (e->key()) {
    case Qt::Key_Left:
        ziel -= 1;
        break;
    case Qt::Key_Right:
        ziel += 1;
        break;
    case Qt::Key_PageDown:
        ziel -= seite;
        break;
    case Qt::Key_PageUp:
        ziel += seite;
        break;
    case Qt::Key_Home:
        ziel = leiste.Minimum();
        break;
    case Qt::Key_End:
        ziel = leiste.Maximum();
        break;
    default:
        return false;
    }
    leiste.SetzePosition(ziel);
    return true;
}

} // namespace umbrarix
