// Filled polygons: the fill meets its outline on every row, so nothing below shows through
// along slanted edges, in a random test and at places of the drawn views.

#include "views/Ansicht3D.h"
#include "views/Frontansicht.h"
#include "views/Horizontalschnitt.h"
#include "views/Person.h"
#include "views/Seitenansicht.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include "hilfen/KonvexeZufallspolygone.h"
#include "hilfen/Szenen.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace umbrarix {
namespace {

using testhilfen::AusgewerteteSzene;
using testhilfen::SonneVon;

TFarbe Pixel(const QImage& bild, int x, int y) {
    return FarbeAus(bild.pixel(x, y));
}

// The colours of a row around x, for failure messages.
std::string Umgebung(const QImage& bild, int x, int y) {
    std::ostringstream s;
    s << std::hex;
    for (int i = std::max(0, x - 2); i <= std::min(bild.width() - 1, x + 2); ++i) {
        s << Pixel(bild, i, y) << ' ';
    }
    return s.str();
}

// Single pixels of the colour `darunter` between two pixels of the same colour `flaeche`, along
// a row or a column: what a seam between a polygon's fill and its outline looks like.
int Nahtpixel(const QImage& bild, TFarbe flaeche, TFarbe darunter, std::string* erstes) {
    const QRgb f = QFarbe(flaeche).rgb(), d = QFarbe(darunter).rgb();
    int anzahl = 0;
    for (int y = 1; y + 1 < bild.height(); ++y) {
        const auto* oben = reinterpret_cast<const QRgb*>(bild.constScanLine(y - 1));
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        const auto* unten = reinterpret_cast<const QRgb*>(bild.constScanLine(y + 1));
        for (int x = 1; x + 1 < bild.width(); ++x) {
            if (zeile[x] != d) {
                continue;
            }
            const bool waagerecht = zeile[x - 1] == f && zeile[x + 1] == f;
            const bool senkrecht = oben[x] == f && unten[x] == f;
            if ((waagerecht || senkrecht) && anzahl++ == 0 && erstes != nullptr) {
                *erstes = std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return anzahl;
}

TEST(Fuellregel, ZufaelligeKonvexePolygoneOhneLuecke) {
    // Outline black, inside green, on white: on every row everything from the leftmost to the
    // rightmost black pixel is painted, nothing outside that run is, and every pixel strictly
    // inside the polygon is green or black.
    std::mt19937 zufall(20261209);
    constexpr int Groesse = 64;
    for (int fall = 0; fall < 1500; ++fall) {
        // Small polygons wholly in the image, larger ones reaching beyond its edges.
        const int bereich = fall % 3 == 0 ? 40 : 12;
        const std::vector<TPunkt2D> h = testhilfen::ZufallsKonvex(zufall, bereich, 8);
        std::vector<QPoint> p;
        for (const TPunkt2D& q : h) {
            p.emplace_back(static_cast<int>(q.u) + Groesse / 2,
                           static_cast<int>(q.v) + Groesse / 2);
        }
        bool ganzImBild = true;
        for (const QPoint& q : p) {
            ganzImBild =
                ganzImBild && q.x() >= 0 && q.y() >= 0 && q.x() < Groesse && q.y() < Groesse;
        }
        QImage bild(Groesse, Groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            TZeichenflaeche z(bild);
            z.Stift(FarbeSchwarz);
            z.Pinsel(0x00FF00);
            z.Polygon(p);
        }
        for (int y = 0; y < Groesse; ++y) {
            int links = Groesse, rechts = -1;
            for (int x = 0; x < Groesse; ++x) {
                if (Pixel(bild, x, y) == FarbeSchwarz) {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
            for (int x = 0; x < Groesse; ++x) {
                const bool gemalt = Pixel(bild, x, y) != FarbeWeiss;
                const bool innerhalb = x >= links && x <= rechts;
                // Where the outline leaves the image the fill rightly runs on to the border.
                if (innerhalb) {
                    ASSERT_TRUE(gemalt) << "gap at " << x << "," << y << " in case " << fall;
                }
                bool drinnen = true;
                for (std::size_t i = 0; i < h.size(); ++i) {
                    const TPunkt2D& a = h[i];
                    const TPunkt2D& b = h[(i + 1) % h.size()];
                    drinnen = drinnen && testhilfen::Kreuz(a, b,
                                                           {static_cast<double>(x - Groesse / 2),
                                                            static_cast<double>(y - Groesse / 2)}) *
                                                 testhilfen::Kreuz(h[0], h[1], h[2]) >
                                             0;
                }
                if (drinnen) {
                    ASSERT_TRUE(gemalt)
                        << "inside left white at " << x << "," << y << " in case " << fall;
                }
                if (gemalt && ganzImBild) {
                    ASSERT_TRUE(innerhalb)
                        << "fill outside the outline at " << x << "," << y << " in case " << fall;
                }
            }
        }
    }
}

TEST(Fuellregel, GleicheFarbeOhneStiftUndSchraffur) {
    // Without a pen the inside alone is painted: every pixel whose point lies inside, none
    // beyond; a hatched inside paints some of them only.
    QImage bild(40, 40, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TZeichenflaeche z(bild);
    z.Stift(0x0000FF, TStiftstil::Unsichtbar);
    z.Pinsel(0x0000FF);
    const std::vector<QPoint> dreieck{{2, 2}, {12, 2}, {2, 12}};
    z.Polygon(dreieck);
    const struct {
        int x, y;
        TFarbe farbe;
    } proben[] = {{2, 2, 0x0000FF},  {11, 2, 0x0000FF},   {7, 7, 0x0000FF},    {8, 7, FarbeWeiss},
                  {2, 11, 0x0000FF}, {2, 12, FarbeWeiss}, {13, 2, FarbeWeiss}, {1, 5, FarbeWeiss}};
    for (const auto& p : proben) {
        EXPECT_EQ(z.Pixel(p.x, p.y), p.farbe) << p.x << "," << p.y;
    }
    z.Pinsel(0x00FF00, TPinselstil::RueckDiagonal);
    const std::vector<QPoint> quadrat{{20, 20}, {36, 20}, {36, 36}, {20, 36}};
    z.Polygon(quadrat);
    int gemalt = 0;
    for (int x = 20; x < 36; ++x) {
        for (int y = 20; y < 36; ++y) {
            gemalt += z.Pixel(x, y) == 0x00FF00u;
        }
    }
    EXPECT_GT(gemalt, 16);
    EXPECT_LT(gemalt, 16 * 16 / 2);
    EXPECT_EQ(z.Pixel(37, 30), FarbeWeiss);
}

TEST(Fuellregel, DreiDAnsichtDerVorgabeszene) {
    const TSzene s = AusgewerteteSzene({}, 172, 72);
    const QImage bild = Ansicht3D_Zeichnen(s, TFarbset{}, T3DBlick{});
    // Along the lower edge of the awning and along the foot of the wall.
    EXPECT_EQ(Pixel(bild, 566, 83), TFarbset{}.Markisenfarbe) << Umgebung(bild, 566, 83);
    EXPECT_EQ(Pixel(bild, 351, 299), FarbeSchattenEbene) << Umgebung(bild, 351, 299);
    // What lies below never shows through single pixels of a filled shape. (Where two shapes
    // meet along edges rounded apart, such as the wall's foot and the foot of its shadow, a
    // dot of the one below may still show: that is the geometry, not the fill.)
    const struct {
        TFarbe flaeche, darunter;
    } naehte[] = {{TFarbset{}.Markisenfarbe, FarbeWeiss},
                  {TFarbset{}.Markisenfarbe, FarbeSchattenEbene},
                  {TFarbset{}.Wandfarbe, TFarbset{}.Bodenfarbe},
                  {FarbeSchattenEbene, TFarbset{}.Bodenfarbe},
                  {FarbeSchattenElement, TFarbset{}.Terrassenfarbe},
                  {FarbeSchattenElement, TFarbset{}.Fensterfarbe}};
    for (const auto& n : naehte) {
        std::string erstes;
        EXPECT_EQ(Nahtpixel(bild, n.flaeche, n.darunter, &erstes), 0)
            << std::hex << n.flaeche << " over " << n.darunter << ", first at " << erstes;
    }
}

TEST(Fuellregel, SchattenraenderDerFrontUndDraufsicht) {
    const TSzene vorgabe = AusgewerteteSzene({}, 172, 72);
    const TFrontansicht f = Frontansicht_Zeichnen(vorgabe, TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(Pixel(f.Bild, 647, 76), FarbeSchattenEbene) << Umgebung(f.Bild, 647, 76);
    // Overhang and valance share their common edge exactly, so on a plain white template every
    // white pixel between two shadow pixels is a seam, over a day and for other orientations.
    QImage weiss(Vorlage_Ansicht().size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    for (const double richtung : {0.0, 65.0}) {
        for (int position = 42; position <= 102; position += 12) {
            TEingabedaten e;
            e.anz_Himmelsrichtung = richtung;
            const TSzene s = AusgewerteteSzene(e, 172, position);
            const TFrontansicht fw = Frontansicht_Zeichnen(s, TFarbset{}, weiss);
            const THorizontalschnitt b = Horizontalschnitt_Zeichnen(s, TFarbset{}, weiss);
            for (const QImage* bild : {&fw.Bild, &b.Bild}) {
                for (const TFarbe flaeche : {FarbeSchattenEbene, FarbeSchattenElement}) {
                    std::string erstes;
                    EXPECT_EQ(Nahtpixel(*bild, flaeche, FarbeWeiss, &erstes), 0)
                        << richtung << " " << position << (bild == &fw.Bild ? " front" : " top")
                        << ", first at " << erstes;
                }
            }
        }
    }
}

TEST(Fuellregel, FensterbandDerSeitenansichtBleibtInSeinemUmriss) {
    // The window band is cyan inside a black outline: walking from any cyan pixel along its row
    // or column, the first other colour is the outline's black.
    for (const int neigung : {60, 75, 90, 110, 120}) {
        TEingabedaten e;
        e.anz_Fensterneigung = neigung;
        const TSzene s = AusgewerteteSzene(e, 172, 60);
        const TSeitenansicht a =
            Seitenansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht(), SonneVon(s), PersonStartLinks);
        const QImage& bild = a.Bild;
        const TFarbe cyan = TFarbset{}.Fensterfarbe;
        int cyanPixel = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                if (Pixel(bild, x, y) != cyan) {
                    continue;
                }
                ++cyanPixel;
                const int schritte[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto& d : schritte) {
                    int px = x, py = y;
                    while (px >= 0 && py >= 0 && px < bild.width() && py < bild.height() &&
                           Pixel(bild, px, py) == cyan) {
                        px += d[0];
                        py += d[1];
                    }
                    ASSERT_TRUE(px >= 0 && py >= 0 && px < bild.width() && py < bild.height());
                    ASSERT_EQ(Pixel(bild, px, py), FarbeSchwarz)
                        << "tilt " << neigung << ": cyan at " << x << "," << y << " meets "
                        << std::hex << Pixel(bild, px, py) << std::dec << " at " << px << "," << py;
                }
            }
        }
        EXPECT_GT(cyanPixel, 100) << neigung;
    }
}

} // namespace
} // namespace umbrarix
