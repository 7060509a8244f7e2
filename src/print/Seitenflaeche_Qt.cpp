#include "print/Seitenflaeche_Qt.h"

#include "io/Dateizugriff.h"
#include "model/Runden.h"
#include "print/Druckseiten.h"
#include "views/Zeichenflaeche.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>

#include <cmath>
#include <unistd.h>

namespace umbrarix {

TQtSeitenflaeche::TQtSeitenflaeche(QPrinter& drucker) : drucker_(drucker) {
    if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty()) {
        ziel_ = drucker.outputFileName();
        // Checked as every save is, before the pages are made: a missing folder, a protected
        // file, a link (its target is written).
        const TSchreibziel ziel = SchreibzielPruefen(ziel_.toStdString());
        if (ziel.Fehler) {
            fehler_ = QString::fromStdString(*ziel.Fehler);
            return;
        }
        // The job goes to a temporary file first: beside the target, so that a folder that
        // cannot be written shows before the pages are made; for a device (such as /dev/full)
        // in the temporary folder.
        const TZwischendatei tmp = ZwischendateiAnlegen(
            ziel.Geraet ? QDir::tempPath().toStdString() : ziel.Ordner, ".pdf");
        if (tmp.Fehler) {
            fehler_ = QString::fromStdString(*tmp.Fehler);
            return;
        }
        ::close(tmp.Deskriptor);
        zwischendatei_ = QString::fromStdString(tmp.Pfad);
        drucker.setOutputFileName(zwischendatei_);
    }
    if (!maler_.begin(&drucker_)) {
        fehler_ = QStringLiteral("Druckvorgang fehlgeschlagen");
    }
}

TQtSeitenflaeche::~TQtSeitenflaeche() {
    if (maler_.isActive()) {
        maler_.end();
    }
    if (!zwischendatei_.isEmpty()) {
        QFile::remove(zwischendatei_);
        drucker_.setOutputFileName(ziel_);
    }
}

bool TQtSeitenflaeche::Beenden() {
    if (!maler_.isActive()) {
        return false;
    }
    if (!maler_.end()) {
        fehler_ = QStringLiteral("Druckvorgang fehlgeschlagen");
        return false;
    }
    if (zwischendatei_.isEmpty()) {
        return true;
    }
    const QString zwischen = zwischendatei_;
    zwischendatei_.clear();
    drucker_.setOutputFileName(ziel_);
    // The PDF writer does not report failed writes: a file without its end is incomplete.
    const TDateiinhalt pdf = DateiLesen(zwischen.toStdString());
    const std::string& b = pdf.Bytes;
    const std::size_t ende = b.rfind("%%EOF");
    if (!pdf.Gelesen || ende == std::string::npos || b.size() - ende > 8) {
        // The same words as any other save that breaks off for the same reason.
        fehler_ = QString::fromStdString(AbbruchGrund(zwischen.toStdString()));
        QFile::remove(zwischen);
        return false;
    }
    // Into place like every file the program writes; a device is written as it is.
    const std::optional<std::string> f = DateiSchreiben(ziel_.toStdString(), b);
    QFile::remove(zwischen);
    if (f) {
        fehler_ = QString::fromStdString(*f);
        return false;
    }
    return true;
}

double TQtSeitenflaeche::Einheit() const {
    return drucker_.resolution() / 254.0;
}

QSizeF TQtSeitenflaeche::DruckbereichMm() const {
    return drucker_.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

QRect Geraetepixel(const QRectF& r) {
    // Both edges rounded, so that boxes side by side stay side by side.
    const int links = RundenGanz(r.left());
    const int oben = RundenGanz(r.top());
    return QRect(QPoint(links, oben),
                 QPoint(RundenGanz(r.right()) - 1, RundenGanz(r.bottom()) - 1));
}

QPointF TQtSeitenflaeche::Punkt(int x, int y) const {
    return QPointF(x * Einheit(), -y * Einheit());
}

void TQtSeitenflaeche::NeueSeite() {
    drucker_.newPage();
}

void TQtSeitenflaeche::Text(int x, int y, const QString& text, const TSchrift& s, TAusrichtung a) {
    // The height is the character cell (ascent + descent), as the page layout counts it.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setBold(s.Fett);
    schrift.setItalic(s.Kursiv);
    schrift.setUnderline(s.Unterstrichen);
    const double zelle = s.Hoehe * Einheit();
    schrift.setPixelSize(std::max(1, static_cast<int>(zelle)));
    const double hoehe = QFontMetricsF(schrift, &drucker_).height();
    if (hoehe > 0) {
        schrift.setPixelSize(std::max(1, static_cast<int>(zelle * zelle / hoehe)));
    }
    maler_.setFont(schrift);
    maler_.setPen(QFarbe(s.Farbe));
    const QFontMetricsF m(schrift, &drucker_);
    const QPointF p = Punkt(x, y);
    double links = p.x();
    const double breite = m.horizontalAdvance(text);
    if (a == TAusrichtung::Mitte) {
        links -= breite / 2;
    } else if (a == TAusrichtung::Rechts) {
        links -= breite;
    }
    maler_.drawText(QPointF(links, p.y() + m.ascent()), text);
}

void TQtSeitenflaeche::Linie(int x1, int y1, int x2, int y2) {
    maler_.setPen(QPen(Qt::black, 5 * Einheit()));
    maler_.drawLine(Punkt(x1, y1), Punkt(x2, y2));
}

void TQtSeitenflaeche::Kasten(int x1, int y1, int x2, int y2, TFarbe fuellung) {
    maler_.setPen(QPen(Qt::black, 5 * Einheit()));
    maler_.setBrush(QFarbe(fuellung));
    maler_.drawRect(QRectF(Punkt(x1, y1), Punkt(x2, y2)));
    maler_.setBrush(Qt::NoBrush);
}

void TQtSeitenflaeche::Bild(int x, int y, int breite, int hoehe, const QImage& bild) {
    const QPointF p = Punkt(x, y);
    ScharfZeichnen(Geraetepixel(QRectF(p, QSizeF(breite * Einheit(), hoehe * Einheit()))), bild);
}

void TQtSeitenflaeche::Schirmbild(const QImage& bild) {
    const QRect seite = drucker_.pageLayout().paintRectPixels(drucker_.resolution());
    ScharfZeichnen(Schirmbildrechteck(seite.size(), bild.size()), bild);
}

void TQtSeitenflaeche::ScharfZeichnen(const QRect& ziel, const QImage& bild) {
    if (ziel.isEmpty() || bild.isNull()) {
        return;
    }
    // Enlarged here, pixel by pixel, so that every image pixel covers whole device pixels and
    // grid lines and text stay sharp whatever the viewer or printer does; stored losslessly
    // (the PDF writer would otherwise use JPEG). A stored pixel spans n x n device pixels,
    // n chosen for about 600 dpi: on a 1200-dpi job a quarter of the data, just as sharp.
    const int n = std::max(1, RundenGanz(drucker_.resolution() / 600.0));
    const QSize gespeichert((ziel.width() + n / 2) / n, (ziel.height() + n / 2) / n);
    if (gespeichert.isEmpty()) {
        return;
    }
    maler_.setRenderHint(QPainter::LosslessImageRendering, true);
    maler_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    maler_.drawImage(QRect(ziel.topLeft(), gespeichert * n),
                     bild.convertToFormat(QImage::Format_RGB32)
                         .scaled(gespeichert, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace umbrarix
