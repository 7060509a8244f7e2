#pragma once

#include "print/Seitenflaeche.h"

#include <QPainter>
#include <QString>

class QPrinter;

namespace umbrarix {

// The device pixels a box covers: both edges rounded to the nearest pixel.
QRect Geraetepixel(const QRectF& box);

// The page surface on a printer (or a PDF file chosen as its output): 0.1 mm units, y up.
// A PDF file is written to a temporary file and put in place only when the job ended well and
// the file is complete, so a failed print never destroys an earlier file.

class TQtSeitenflaeche : public TSeitenflaeche {
public:
    explicit TQtSeitenflaeche(QPrinter& drucker);
    ~TQtSeitenflaeche() override;

    // False when the job could not start; Fehler() tells why (German).
    bool Aktiv() const { return maler_.isActive(); }
    // Ends the job; false with Fehler() when it failed.
    bool Beenden();
    const QString& Fehler() const { return fehler_; }

    QSizeF DruckbereichMm() const override;
    void NeueSeite() override;
    void Text(int x, int y, const QString& text, const TSchrift& schrift,
              TAusrichtung ausrichtung) override;
    void Linie(int x1, int y1, int x2, int y2) override;
    void Kasten(int x1, int y1, int x2, int y2, TFarbe fuellung) override;
    void Bild(int x, int y, int breite, int hoehe, const QImage& bild) override;

    // The screen picture in device pixels, as the page's orientation asks.
    void Schirmbild(const QImage& bild);

private:
    QPointF Punkt(int x, int y) const;
    // The image enlarged by nearest neighbour to exactly the device pixels of ziel, lossless.
    void ScharfZeichnen(const QRect& ziel, const QImage& bild);
    double Einheit() const; // device pixels per 0.1 mm

    QPrinter& drucker_;
    QPainter maler_;
    QString ziel_, zwischendatei_, fehler_;
};

} // namespace umbrarix
