#pragma once

#include "print/Seitenflaeche.h"

#include <QBuffer>
#include <QPainter>
#include <QString>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace umbrarix {

// The device pixels a box covers: both edges rounded to the nearest pixel.
QRect Geraetepixel(const QRectF& box);

// The page surface on a printer (or a PDF file chosen as its output): 0.1 mm units, y up.
// A PDF is built in memory and handed to the writer every save goes through only when the job
// ended well, so a failed print never destroys an earlier file and no temporary file waits
// beside the target while the pages are made. Its creation time is that day's midnight, so
// that the same project printed on the same day gives the same bytes.

class TQtSeitenflaeche : public TSeitenflaeche {
public:
    // pdfZiel: the PDF file as the bytes of its name (a name need not be valid UTF-8); without
    // it, a printer set to PDF output writes its output file name.
    explicit TQtSeitenflaeche(QPrinter& drucker, std::string pdfZiel = {});
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
    // The image enlarged by nearest neighbour onto whole device pixels of ziel, lossless.
    void ScharfZeichnen(const QRect& ziel, const QImage& bild);
    double Einheit() const; // device pixels per 0.1 mm

    QPrinter& drucker_;
    QBuffer pdfDaten_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice* geraet_; // the printer, or the PDF writer in memory
    QPainter maler_;
    std::string ziel_; // the PDF file, empty for a printer
    QString fehler_;
};

} // namespace umbrarix
