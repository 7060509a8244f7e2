#include "simulation/Diagramme.h"

#include "model/Kalender.h"
#include "model/Runden.h"
#include "views/Zeichenflaeche.h"

#include <array>

namespace umbrarix {

namespace {

constexpr int Nulllinie = 220;   // row of 0 %
constexpr int Hundertlinie = 20; // row of 100 %
constexpr TFarbe Beschattet = 0xC0C0C0;
constexpr TFarbe Gitter = 0x222222; // XOR mask of the grid laid over drawn bars
constexpr int Schrift = 11;         // label height in pixels: "100" must fit left of column 25

QImage LeeresDiagramm(int wertachse, int letzteSpalte) {
    QImage bild(DiagrammBreite, DiagrammHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TZeichenflaeche z(bild);
    z.Schriftgroesse(Schrift);
    z.Stift(FarbeSchwarz);
    z.BewegeZu(wertachse, Hundertlinie);
    z.LinieZu(wertachse, Nulllinie + 1);
    z.BewegeZu(wertachse, Nulllinie);
    z.LinieZu(letzteSpalte + 1, Nulllinie);
    for (int y = Nulllinie; y >= Hundertlinie; y -= 20) {
        z.BewegeZu(wertachse - 3, y);
        z.LinieZu(wertachse, y);
    }
    z.Pinselstil(TPinselstil::Leer);
    for (int prozent = 0; prozent <= 100; prozent += 20) {
        const QString t = QString::number(prozent);
        const QSize g = z.Textausdehnung(t);
        z.Text(wertachse - 4 - g.width(), Nulllinie - 2 * prozent - g.height() / 2, t);
    }
    z.Pinselstil(TPinselstil::Voll);
    return bild;
}

void Beschriftung(TZeichenflaeche& z, int mitteX, const QString& text) {
    const QSize g = z.Textausdehnung(text);
    z.Pinselstil(TPinselstil::Leer);
    z.Text(mitteX - g.width() / 2, Nulllinie + 5, text);
    z.Pinselstil(TPinselstil::Voll);
}

// Columns 20..220 of the bar's column x laid over with the grid.
void GitterSpalte(TZeichenflaeche& z, int x) {
    for (int y = Hundertlinie; y <= Nulllinie; ++y) {
        z.XorPixel(x, y, Gitter);
    }
}

// Rows of 80, 60, 40 and 20 %.
constexpr std::array<int, 4> Gitterzeilen{60, 100, 140, 180};

TFarbe Balkenfarbe(double anteil) {
    if (anteil == -1) {
        return 0x494949;
    }
    if (anteil == -2) {
        return 0x808080;
    }
    return Beschattet;
}

// Top row of a bar: the full height for night and sun-behind, else the share.
int Balkenoberkante(double anteil) {
    if (anteil == -1 || anteil == -2) {
        return Hundertlinie;
    }
    return Nulllinie - RundenGanz(anteil * 200);
}

} // namespace

QImage Vorlage_Tagesdiagramm() {
    QImage bild = LeeresDiagramm(50, 338);
    TZeichenflaeche z(bild);
    z.Schriftgroesse(Schrift);
    z.Stift(FarbeSchwarz);
    for (int stunde = 0; stunde <= 24; ++stunde) {
        const int x = 50 + 12 * stunde;
        z.BewegeZu(x, Nulllinie + 1);
        z.LinieZu(x, Nulllinie + 1 + (stunde % 4 == 0 ? 4 : 2));
    }
    for (int stunde = 4; stunde <= 24; stunde += 4) {
        Beschriftung(z, 50 + 12 * stunde, QStringLiteral("%1:00").arg(stunde));
    }
    const QSize g = z.Textausdehnung(QStringLiteral("24:00"));
    z.Pinselstil(TPinselstil::Leer);
    z.Text(338 + g.width() / 2 + 3, Nulllinie + 5, QStringLiteral("Uhr"));
    z.Pinselstil(TPinselstil::Voll);
    return bild;
}

QImage Vorlage_Jahresdiagramm() {
    QImage bild = LeeresDiagramm(25, 390);
    TZeichenflaeche z(bild);
    z.Schriftgroesse(Schrift);
    z.Stift(FarbeSchwarz);
    // Last day of a month and first of the next; day d sits in column d + 25.
    constexpr std::array<int, 12> Monatsende{31,  59,  90,  120, 151, 181,
                                             212, 243, 273, 304, 334, 365};
    int anfang = 25;
    for (std::size_t m = 0; m < Monatsende.size(); ++m) {
        const int x = Monatsende[m] + 25;
        for (int spalte : {x, x + 1}) {
            if (spalte <= 390) {
                z.BewegeZu(spalte, Nulllinie + 1);
                z.LinieZu(spalte, Nulllinie + 4);
            }
        }
        Beschriftung(z, (anfang + x) / 2,
                     QString::fromUtf8(Monatskuerzel(static_cast<int>(m) + 1)));
        anfang = x + 1;
    }
    return bild;
}

void Tagesbalken_Zeichnen(QImage& bild, int zeitposition, double anteil) {
    const int p = zeitposition == 0 ? 144 : zeitposition;
    const int x1 = 2 * p + 49;
    TZeichenflaeche z(bild);
    z.Farbe(Balkenfarbe(anteil));
    z.Rechteck(x1, Balkenoberkante(anteil), x1 + 2, Nulllinie);
    for (int y : Gitterzeilen) {
        z.XorPixel(x1, y, Gitter);
        z.XorPixel(x1 + 1, y, Gitter);
    }
    // Lines at 4:00, 8:00, 12:00, 16:00 and 20:00.
    const int rechts = x1 + 1;
    if (rechts == 98 || rechts == 146 || rechts == 194 || rechts == 242 || rechts == 290) {
        GitterSpalte(z, rechts);
    }
}

void Jahresbalken_Zeichnen(QImage& bild, int datumsposition, double anteil) {
    const int x = datumsposition + 25;
    TZeichenflaeche z(bild);
    z.Farbe(Balkenfarbe(anteil));
    z.BewegeZu(x, Balkenoberkante(anteil));
    z.LinieZu(x, Nulllinie);
    for (int y : Gitterzeilen) {
        z.XorPixel(x, y, Gitter);
    }
    // The last day of each month and the first of the next carry the month line.
    constexpr std::array<int, 23> Monatslinien{56,  57,  84,  85,  115, 116, 145, 146,
                                               176, 177, 206, 207, 237, 238, 268, 269,
                                               298, 299, 329, 330, 359, 360, 390};
    for (int spalte : Monatslinien) {
        if (spalte == x) {
            GitterSpalte(z, x);
        }
    }
}

} // namespace umbrarix
