#pragma once

#include "model/Farbset.h"

#include <QImage>
#include <QSizeF>
#include <QString>

namespace umbrarix {

enum class TAusrichtung { Links, Mitte, Rechts };

// Font of a printed text: Arial, height = character cell height in 0.1 mm.
struct TSchrift {
    int Hoehe = 40;
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    TFarbe Farbe = 0x000000;
};

// A printed page in units of 0.1 mm with the origin at the top left of the printable area and
// the vertical axis pointing up: positions on the page have negative y.
class TSeitenflaeche {
public:
    virtual ~TSeitenflaeche() = default;
    // Width and height of the printable area in millimetres.
    virtual QSizeF DruckbereichMm() const = 0;
    virtual void NeueSeite() = 0;
    // Text placed by its top edge at y; x is its left edge, centre or right edge.
    virtual void Text(int x, int y, const QString& text, const TSchrift& schrift,
                      TAusrichtung ausrichtung) = 0;
    // A black line 5 units (0.5 mm) wide.
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    // A filled box with a black outline 5 units wide; y1 is the top.
    virtual void Kasten(int x1, int y1, int x2, int y2, TFarbe fuellung) = 0;
    // An image drawn scaled into the box with top left (x, y) and the given size.
    virtual void Bild(int x, int y, int breite, int hoehe, const QImage& bild) = 0;
};

// Left and top edge of the 160 x 247 mm text area for a printable area of w x h millimetres:
// L = 250 - |2100 - 10 w| / 2 (not below 0: 25 mm from an A4 sheet's edge, 0 on areas wider
// than 260 mm) and T = 250 - (2970 - 10 h) / 2, divisions truncating.
struct TTextbereich {
    int L = 0;
    int T = 0;
};
TTextbereich Textbereich(double breiteMm, double hoeheMm);

// "Dienstag, 08. Dezember 2026": German weekday and month whatever the machine's language.
QString DatumLang(int jahr, int monat, int tag);

} // namespace umbrarix
