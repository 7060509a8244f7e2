#pragma once

#include "io/Projektdatei.h"
#include "print/Seitenflaeche.h"

#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace umbrarix {

// Everything the printed pages show, taken from the window (or the batch program) when they
// are printed.
struct TDruckdaten {
    TProjektdaten Projekt; // field texts, switches, description lines
    std::vector<std::string> Ansprechpartner;
    QString Datum, Uhrzeit, AnteilFenster, AnteilTerrasse; // the result labels
    QString Simulationsdatum, SimulationsUhrzeit;          // the run labels of the diagrams
    QImage Ansicht3D, Seitenansicht, Frontansicht, Horizontalschnitt;
    QImage TagFenster, TagTerrasse, JahrFenster, JahrTerrasse;
    QString Heute; // the date footer, "Dienstag, 08. Dezember 2026"
};

// The data sheet (one or two pages); returns the number of pages it printed.
int Datenblatt_Drucken(TSeitenflaeche& f, const TDruckdaten& d);

// The three graphics pages: views, then diagrams.
void Grafikseiten_Drucken(TSeitenflaeche& f, const TDruckdaten& d);

// Where the screen picture goes on a page of the given size (device pixels): across the full
// width of a portrait page, the full height of a landscape one, proportions kept, top left.
QRect Schirmbildrechteck(QSize seite, QSize bild);

} // namespace umbrarix
