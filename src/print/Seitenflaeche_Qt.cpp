#include "print/Seitenflaeche_Qt.h"

#include "io/Dateizugriff.h"
#include "model/Runden.h"
#include "print/Druckseiten.h"
#include "views/Zeichenflaeche.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace umbrarix {

namespace {

// "/CreationDate (D:20261209155924Z)" with the time of day set to 000000: the same length, so
// the file's cross-reference offsets stay right.
void ErstellzeitAufMitternacht(std::string& pdf) {
    const std::string marke = "/CreationDate (D:";
    const std::size_t p = pdf.find(marke);
    if (p != std::string::npos && p + marke.size() + 14 <= pdf.size()) {
        pdf.replace(p + marke.size() + 8, 6, "000000");
    }
}

} // namespace

TQtSeitenflaeche::TQtSeitenflaeche(QPrinter& drucker, std::string pdfZiel)
    : drucker_(drucker), geraet_(&drucker) {
    if (drucker.outputFormat() == QPrinter::PdfFormat &&
        (!pdfZiel.empty() || !drucker.outputFileName().isEmpty())) {
        ziel_ = pdfZiel.empty() ? QFile::encodeName(drucker.outputFileName()).toStdString()
                                : std::move(pdfZiel);
        // Checked as every save is, before the pages are made: a missing folder or one that
        // takes no new file, a protected file, a link (its target is written).
        if (const TSchreibfehler f = SchreibzielVorabPruefen(ziel_)) {
            fehler_ = QString::fromStdString(*f);
            return;
        }
        pdfDaten_.open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(&pdfDaten_);
        pdf_->setResolution(drucker.resolution());
        pdf_->setPageLayout(drucker.pageLayout());
        pdf_->setTitle(drucker.docName());
        pdf_->setCreator(drucker.creator());
        geraet_ = pdf_.get();
    }
    if (!maler_.begin(geraet_)) {
        fehler_ = QStringLiteral("Druckvorgang fehlgeschlagen");
    }
}

TQtSeitenflaeche::~TQtSeitenflaeche() {
    if (maler_.isActive()) {
        maler_.end();
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
    if (!pdf_) {
        return true;
    }
    pdf_.reset(); // flushes the writer's last bytes into the buffer
    std::string b = pdfDaten_.data().toStdString();
    const std::size_t ende = b.rfind("%%EOF");
    if (ende == std::string::npos || b.size() - ende > 8) {
        fehler_ = QStringLiteral("Druckvorgang fehlgeschlagen");
        return false;
    }
    ErstellzeitAufMitternacht(b);
    // Into place like every file the program writes; a device is written as it is.
    if (const TSchreibfehler f = DateiSchreiben(ziel_, b)) {
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
    geraet_->newPage();
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
    const double hoehe = QFontMetricsF(schrift, geraet_).height();
    if (hoehe > 0) {
        schrift.setPixelSize(std::max(1, static_cast<int>(zelle * zelle / hoehe)));
    }
    maler_.setFont(schrift);
    maler_.setPen(QFarbe(s.Farbe));
    const QFontMetricsF m(schrift, geraet_);
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
