#pragma once

#include "model/Farbset.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>

#include <span>

namespace umbrarix {

enum class TStiftstil { Durchgezogen, Unsichtbar };
enum class TPinselstil { Voll, Leer, RueckDiagonal, Senkrecht };

// Fixed colours of the drawings (0x00BBGGRR like the colour set).
inline constexpr TFarbe FarbeNacht = 0x494949;              // night fill
inline constexpr TFarbe FarbeSonneNichtSichtbar = 0x808080; // sun behind the facade
inline constexpr TFarbe FarbeSchattenEbene = 0xC0C0C0;      // shadow on wall or ground plane
inline constexpr TFarbe FarbeSchattenElement = 0xA0A0A0;    // shadow on window or terrace
inline constexpr TFarbe FarbeSchwarz = 0x000000;
inline constexpr TFarbe FarbeWeiss = 0xFFFFFF;

QColor QFarbe(TFarbe f);
// The same as a pixel value: QFarbe(f).rgb().
QRgb RgbWert(TFarbe f);
TFarbe FarbeAus(QRgb rgb);

// Raster drawing onto one image, antialiasing off. Pixel semantics, the same for every view
// and diagram:
// - Rechteck(x1, y1, x2, y2) fills the pixels x1..x2-1 x y1..y2-1 with the brush; a visible pen
//   draws the border of that block in the pen colour.
// - Polygon(points) fills the inside with the brush and draws the closed outline through the
//   corner pixels with the pen, so a polygon always covers its corner pixels. The inside is
//   every pixel whose own point lies in the polygon, so on each row fill and outline join
//   without a gap.
// - LinieZu draws from the current position up to, but not including, the end point, and
//   makes the end point the current position.
// - Fuellen paints every pixel 4-connected to the start that does not have the border colour.
// - Hatched brushes paint only their lines; what is below stays visible between them.
class TZeichenflaeche {
public:
    explicit TZeichenflaeche(QImage& bild);
    TZeichenflaeche(const TZeichenflaeche&) = delete;
    TZeichenflaeche& operator=(const TZeichenflaeche&) = delete;
    ~TZeichenflaeche();

    void Stift(TFarbe farbe, TStiftstil stil = TStiftstil::Durchgezogen);
    void Pinsel(TFarbe farbe, TPinselstil stil = TPinselstil::Voll);
    // Pen and brush in one colour, both solid: a filled shape without separate outline.
    void Farbe(TFarbe farbe);
    void Stiftstil(TStiftstil stil) { stiftstil_ = stil; }
    void Pinselstil(TPinselstil stil) { pinselstil_ = stil; }

    void Rechteck(int x1, int y1, int x2, int y2);
    void Polygon(std::span<const QPoint> punkte);
    void BewegeZu(int x, int y);
    void LinieZu(int x, int y);
    // Text with its top left corner at (x, y); a solid brush fills the text's box first.
    void Text(int x, int y, const QString& text);
    // Font height in pixels for the following texts (the default is the surface's own font).
    void Schriftgroesse(int pixel);
    QSize Textausdehnung(const QString& text);
    void Fuellen(int x, int y, TFarbe randfarbe);

    TFarbe Pixel(int x, int y) const;
    void SetzePixel(int x, int y, TFarbe farbe);
    void XorPixel(int x, int y, TFarbe maske);
    // Replaces the whole image by a copy of the template.
    void Kopieren(const QImage& vorlage);

    int Breite() const { return bild_.width(); }
    int Hoehe() const { return bild_.height(); }

private:
    QBrush Pinselobjekt() const;
    // Whether pixels may be written straight into the image memory (32-bit formats).
    bool PixelDirekt() const;
    void Innenflaeche(std::span<const QPoint> punkte);
    void Punkt(int x, int y, TFarbe farbe);
    void Strecke(int x0, int y0, int x1, int y1, bool mitEndpunkt);

    QImage& bild_;
    QPainter maler_;
    TFarbe stiftfarbe_ = FarbeSchwarz;
    TFarbe pinselfarbe_ = FarbeWeiss;
    TStiftstil stiftstil_ = TStiftstil::Durchgezogen;
    TPinselstil pinselstil_ = TPinselstil::Voll;
    QPoint position_{0, 0};
};

} // namespace umbrarix
