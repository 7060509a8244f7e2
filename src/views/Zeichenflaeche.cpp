#include "views/Zeichenflaeche.h"

#include "model/Runden.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace umbrarix {

namespace {

// Liang-Barsky against the image grown by a margin; false when nothing of it is near the image.
bool StreckeBeschneiden(int& x0, int& y0, int& x1, int& y1, int breite, int hoehe) {
    const double rand = 4;
    const double xmin = -rand, ymin = -rand, xmax = breite + rand, ymax = hoehe + rand;
    const double dx = static_cast<double>(x1) - x0, dy = static_cast<double>(y1) - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, r);
        } else {
            t1 = std::min(t1, r);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
    x0 = RundenGanz(ax);
    y0 = RundenGanz(ay);
    x1 = RundenGanz(bx);
    y1 = RundenGanz(by);
    return true;
}

// Corners held within +-2^28 keep the crossing arithmetic inside 64 bits; drawn scenes stay
// within +-10^7.
long long Begrenzt(int v) {
    constexpr int Grenze = 1 << 28;
    return std::clamp(v, -Grenze, Grenze);
}

long long GanzAbgerundet(long long zaehler, long long nenner) {
    const long long q = zaehler / nenner;
    return (zaehler % nenner != 0 && (zaehler < 0) != (nenner < 0)) ? q - 1 : q;
}

// A polygon edge that is not horizontal, from its upper end o down to its lower end u, and
// where it crosses the current pixel row, exactly: x = ganz + rest / nenner, 0 <= rest < nenner.
struct TKante {
    long long ox, oy, ux, uy;
    int richtung; // +1 drawn downwards, -1 upwards
    long long nenner = 1, ganz = 0, rest = 0;
    long long schrittGanz = 0, schrittRest = 0; // x gained per row, split the same way

    void AufZeile(long long y) {
        nenner = uy - oy;
        const long long zaehler = ox * nenner + (y - oy) * (ux - ox);
        ganz = GanzAbgerundet(zaehler, nenner);
        rest = zaehler - ganz * nenner;
        schrittGanz = GanzAbgerundet(ux - ox, nenner);
        schrittRest = (ux - ox) - schrittGanz * nenner;
    }
    void NaechsteZeile() {
        ganz += schrittGanz;
        rest += schrittRest;
        if (rest >= nenner) {
            rest -= nenner;
            ++ganz;
        }
    }
    long long Ab() const { return rest == 0 ? ganz : ganz + 1; } // first column at or right
    long long Bis() const { return ganz; }                       // last column at or left
};

bool WeiterLinks(const TKante* a, const TKante* b) {
    return a->ganz != b->ganz ? a->ganz < b->ganz : a->rest * b->nenner < b->rest * a->nenner;
}

} // namespace

QColor QFarbe(TFarbe f) {
    return QColor(FarbeRot(f), FarbeGruen(f), FarbeBlau(f));
}

QRgb RgbWert(TFarbe f) {
    // What QFarbe(f).rgb() gives, without building a QColor for every pixel.
    return qRgb(FarbeRot(f), FarbeGruen(f), FarbeBlau(f));
}

TFarbe FarbeAus(QRgb rgb) {
    return FarbeAusRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TZeichenflaeche::TZeichenflaeche(QImage& bild) : bild_(bild), maler_(&bild_) {
    maler_.setRenderHint(QPainter::Antialiasing, false);
    maler_.setRenderHint(QPainter::TextAntialiasing, false);
    maler_.setPen(Qt::NoPen);
    maler_.setBackgroundMode(Qt::TransparentMode);
    // Text in exactly the pen colour: no grey fringes for the probes and prints to find.
    QFont schrift = maler_.font();
    schrift.setStyleStrategy(QFont::NoAntialias);
    maler_.setFont(schrift);
}

TZeichenflaeche::~TZeichenflaeche() {
    maler_.end();
}

void TZeichenflaeche::Stift(TFarbe farbe, TStiftstil stil) {
    stiftfarbe_ = farbe;
    stiftstil_ = stil;
}

void TZeichenflaeche::Pinsel(TFarbe farbe, TPinselstil stil) {
    pinselfarbe_ = farbe;
    pinselstil_ = stil;
}

void TZeichenflaeche::Farbe(TFarbe farbe) {
    Stift(farbe);
    Pinsel(farbe);
}

QBrush TZeichenflaeche::Pinselobjekt() const {
    switch (pinselstil_) {
    case TPinselstil::Voll:
        return QBrush(QFarbe(pinselfarbe_), Qt::SolidPattern);
    case TPinselstil::RueckDiagonal:
        return QBrush(QFarbe(pinselfarbe_), Qt::BDiagPattern);
    case TPinselstil::Senkrecht:
        return QBrush(QFarbe(pinselfarbe_), Qt::VerPattern);
    case TPinselstil::Leer:
        break;
    }
    return QBrush(Qt::NoBrush);
}

void TZeichenflaeche::Rechteck(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    if (pinselstil_ != TPinselstil::Leer) {
        maler_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Pinselobjekt());
    }
    if (stiftstil_ == TStiftstil::Durchgezogen) {
        Strecke(x1, y1, x2 - 1, y1, true);
        Strecke(x1, y2 - 1, x2 - 1, y2 - 1, true);
        Strecke(x1, y1, x1, y2 - 1, true);
        Strecke(x2 - 1, y1, x2 - 1, y2 - 1, true);
    }
}

void TZeichenflaeche::Polygon(std::span<const QPoint> punkte) {
    if (punkte.empty()) {
        return;
    }
    if (pinselstil_ != TPinselstil::Leer) {
        Innenflaeche(punkte);
    }
    if (stiftstil_ == TStiftstil::Durchgezogen) {
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const QPoint& a = punkte[i];
            const QPoint& b = punkte[(i + 1) % punkte.size()];
            Strecke(a.x(), a.y(), b.x(), b.y(), true);
        }
    }
}

// The inside is sampled at the pixel coordinates themselves, the points the outline's
// Bresenham lines run through, so fill and outline meet without a seam: a pixel belongs to
// the inside when its own point lies in the polygon (non-zero winding; an edge counts from its
// upper end down to just above its lower end).
void TZeichenflaeche::Innenflaeche(std::span<const QPoint> punkte) {
    const std::size_t n = punkte.size();
    std::vector<TKante> kanten;
    kanten.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const long long ax = Begrenzt(punkte[i].x()), ay = Begrenzt(punkte[i].y());
        const long long bx = Begrenzt(punkte[(i + 1) % n].x());
        const long long by = Begrenzt(punkte[(i + 1) % n].y());
        if (ay < by) {
            kanten.push_back({ax, ay, bx, by, 1});
        } else if (ay > by) {
            kanten.push_back({bx, by, ax, ay, -1});
        }
    }
    if (kanten.empty()) {
        return;
    }
    std::sort(kanten.begin(), kanten.end(),
              [](const TKante& p, const TKante& q) { return p.oy < q.oy; });
    long long unterste = kanten.front().uy;
    for (const TKante& k : kanten) {
        unterste = std::max(unterste, k.uy);
    }
    const long long von = std::max(kanten.front().oy, 0LL);
    const long long bis = std::min(unterste - 1, static_cast<long long>(bild_.height()) - 1);

    const bool voll = pinselstil_ == TPinselstil::Voll && PixelDirekt();
    const QRgb farbe = RgbWert(pinselfarbe_);
    const QBrush pinsel = Pinselobjekt();
    const long long breite = bild_.width();
    std::vector<TKante*> aktiv;
    std::size_t naechste = 0;
    for (long long y = von; y <= bis; ++y) {
        while (naechste < kanten.size() && kanten[naechste].oy <= y) {
            if (kanten[naechste].uy > y) {
                kanten[naechste].AufZeile(y);
                aktiv.push_back(&kanten[naechste]);
            }
            ++naechste;
        }
        std::erase_if(aktiv, [y](const TKante* k) { return k->uy <= y; });
        std::sort(aktiv.begin(), aktiv.end(), WeiterLinks);
        int windung = 0;
        long long anfang = 0;
        for (const TKante* k : aktiv) {
            const int vorher = windung;
            windung += k->richtung;
            if (vorher == 0) {
                anfang = k->Ab();
                continue;
            }
            if (windung != 0) {
                continue;
            }
            const long long x0 = std::max(anfang, 0LL);
            const long long x1 = std::min(k->Bis(), breite - 1);
            if (x0 > x1) {
                continue;
            }
            const int zeile = static_cast<int>(y);
            if (voll) {
                QRgb* pixel = reinterpret_cast<QRgb*>(bild_.scanLine(zeile));
                std::fill(pixel + x0, pixel + x1 + 1, farbe);
            } else {
                maler_.fillRect(
                    QRect(static_cast<int>(x0), zeile, static_cast<int>(x1 - x0 + 1), 1), pinsel);
            }
        }
        for (TKante* k : aktiv) {
            k->NaechsteZeile();
        }
    }
}

bool TZeichenflaeche::PixelDirekt() const {
    // In these formats setPixel stores an opaque QRgb as it is, as RgbWert gives it.
    return bild_.format() == QImage::Format_RGB32 || bild_.format() == QImage::Format_ARGB32;
}

void TZeichenflaeche::BewegeZu(int x, int y) {
    position_ = QPoint(x, y);
}

void TZeichenflaeche::LinieZu(int x, int y) {
    if (stiftstil_ == TStiftstil::Durchgezogen) {
        Strecke(position_.x(), position_.y(), x, y, false);
    }
    position_ = QPoint(x, y);
}

void TZeichenflaeche::Text(int x, int y, const QString& text) {
    if (pinselstil_ != TPinselstil::Leer) {
        const QSize g = Textausdehnung(text);
        maler_.fillRect(QRect(x, y, g.width(), g.height()), QFarbe(pinselfarbe_));
    }
    maler_.setPen(QFarbe(stiftfarbe_));
    const QFontMetrics m(maler_.font());
    maler_.drawText(QPoint(x, y + m.ascent()), text);
    maler_.setPen(Qt::NoPen);
}

void TZeichenflaeche::Schriftgroesse(int pixel) {
    QFont schrift = maler_.font();
    schrift.setPixelSize(pixel);
    maler_.setFont(schrift);
}

QSize TZeichenflaeche::Textausdehnung(const QString& text) {
    const QFontMetrics m(maler_.font());
    return QSize(m.horizontalAdvance(text), m.height());
}

void TZeichenflaeche::Fuellen(int x, int y, TFarbe randfarbe) {
    const int w = bild_.width(), h = bild_.height();
    if (x < 0 || y < 0 || x >= w || y >= h || Pixel(x, y) == randfarbe) {
        return;
    }
    std::vector<char> besucht(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    std::vector<QPoint> stapel{QPoint(x, y)};
    const auto index = [w](int px, int py) {
        return static_cast<std::size_t>(py) * static_cast<std::size_t>(w) +
               static_cast<std::size_t>(px);
    };
    besucht[index(x, y)] = 1;
    while (!stapel.empty()) {
        const QPoint p = stapel.back();
        stapel.pop_back();
        Punkt(p.x(), p.y(), pinselfarbe_);
        const QPoint nachbarn[4] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        for (const QPoint& n : nachbarn) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h ||
                besucht[index(n.x(), n.y())]) {
                continue;
            }
            besucht[index(n.x(), n.y())] = 1;
            if (Pixel(n.x(), n.y()) != randfarbe) {
                stapel.push_back(n);
            }
        }
    }
}

TFarbe TZeichenflaeche::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) {
        return FarbeWeiss;
    }
    return FarbeAus(bild_.pixel(x, y));
}

void TZeichenflaeche::Punkt(int x, int y, TFarbe farbe) {
    if (x >= 0 && y >= 0 && x < bild_.width() && y < bild_.height()) {
        bild_.setPixel(x, y, RgbWert(farbe));
    }
}

void TZeichenflaeche::SetzePixel(int x, int y, TFarbe farbe) {
    Punkt(x, y, farbe);
}

void TZeichenflaeche::XorPixel(int x, int y, TFarbe maske) {
    Punkt(x, y, Pixel(x, y) ^ maske);
}

void TZeichenflaeche::Kopieren(const QImage& vorlage) {
    maler_.setCompositionMode(QPainter::CompositionMode_Source);
    maler_.drawImage(0, 0, vorlage);
    maler_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Bresenham between two pixel centres. Shade polygons reach about 10000 px beyond the image;
// that is walked. Segments reaching absurdly far (coordinates from a damaged file) are first
// cut to a margin around the image so that drawing never takes longer than a normal picture.
void TZeichenflaeche::Strecke(int x0, int y0, int x1, int y1, bool mitEndpunkt) {
    constexpr long Weit = 100000;
    if (std::labs(x0) > Weit || std::labs(y0) > Weit || std::labs(x1) > Weit ||
        std::labs(y1) > Weit) {
        if (!StreckeBeschneiden(x0, y0, x1, y1, bild_.width(), bild_.height())) {
            return;
        }
        mitEndpunkt = true;
    }
    const long dx = std::labs(static_cast<long>(x1) - x0);
    const long dy = -std::labs(static_cast<long>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    long fehler = dx + dy;
    long x = x0, y = y0;
    const long w = bild_.width(), h = bild_.height();
    // The colour once and, in the 32-bit formats, the pixels written as setPixel writes them,
    // without its detach and format check for every pixel of a long edge.
    const QRgb farbe = RgbWert(stiftfarbe_);
    uchar* const bits = PixelDirekt() ? bild_.bits() : nullptr;
    const qsizetype zeilenlaenge = bild_.bytesPerLine();
    for (;;) {
        const bool ende = x == x1 && y == y1;
        if (ende && !mitEndpunkt) {
            break;
        }
        if (x >= 0 && y >= 0 && x < w && y < h) {
            if (bits != nullptr) {
                reinterpret_cast<QRgb*>(bits + y * zeilenlaenge)[x] = farbe;
            } else {
                bild_.setPixel(static_cast<int>(x), static_cast<int>(y), farbe);
            }
        }
        if (ende) {
            break;
        }
        const long e2 = 2 * fehler;
        if (e2 >= dy) {
            fehler += dy;
            x += sx;
        }
        if (e2 <= dx) {
            fehler += dx;
            y += sy;
        }
    }
}

} // namespace umbrarix
