// The sun-path diagram: tracks where the sun vectors put them, the mask's bands, the marks.

#include "views/Sonnenbahnen.h"

#include "model/ElementeAufbauen.h"
#include "shadow/Simulieren.h"
#include "solar/Sonnenstand.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>

namespace umbrarix {
namespace {

using M = TSonnenbahnenmasse;

bool Bahnfarbe(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 150 && qBlue(c) < 90 && qRed(c) - qBlue(c) > 100;
}

// Every point of the 21 June and 21 December tracks at full hours lies within one pixel of
// the orange line; north and south hemisphere alike.
TEST(Sonnenbahnen, BahnenWoDieSonnenvektorenSieHinstellen) {
    for (const double breite : {50.9, -33.9}) {
        TEingabedaten e;
        e.anz_Breitengrad = breite;
        e.CheckBox_Ueberhang = e.CheckBox_Volant = false;
        const TSzene s = SzeneAusEingaben(e);
        const THimmelsmaske m = *HimmelsmaskeBerechnen(s, 3);
        const QImage bild = Sonnenbahnen_Zeichnen(s, m, false, 1, 0);
        ASSERT_EQ(bild.size(), QSize(M::Breite, M::Hoehe));
        int geprueft = 0;
        for (const int tag : {172, 355}) {
            for (int k = 3; k < 144; k += 6) {
                const TPunkt sonne =
                    Sonnenvektor(tag, Zeitpunkt_Sonnenzeit(s, tag, k), e.anz_Breitengrad);
                if (sonne.x == -1 || HoeheVon(sonne) < 3) {
                    continue;
                }
                const int x = static_cast<int>(std::lround(SonnenbahnenX(AzimutVon(sonne))));
                const int y = static_cast<int>(std::lround(SonnenbahnenY(HoeheVon(sonne))));
                if (x <= M::Links + 1 || x >= M::Rechts - 1) {
                    continue;
                }
                bool nah = false;
                for (int dx = -1; dx <= 1; ++dx) {
                    for (int dy = -1; dy <= 1; ++dy) {
                        nah = nah || Bahnfarbe(bild.pixel(x + dx, y + dy));
                    }
                }
                EXPECT_TRUE(nah) << breite << " day " << tag << " step " << k;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 15) << breite;
    }
}

// The bands of the mask in the year overview's colours, the wall's grey behind it, the
// skyline's brown with its legend only when there is a skyline.
TEST(Sonnenbahnen, BaenderUndLegende) {
    const struct {
        double wert;
        int band;
    } baender[] = {{0, 0},   {0.1, 1},   {0.25, 1}, {0.3, 2}, {0.5, 2}, {0.7, 3},
                   {0.8, 4}, {0.999, 4}, {1, 5},    {-2, -1}, {-3, -2}};
    for (const auto& b : baender) {
        EXPECT_EQ(Maskenband(b.wert), b.band) << b.wert;
    }
    for (int band = 0; band < 5; ++band) {
        EXPECT_GT(qGray(Maskenbandfarbe(band)), qGray(Maskenbandfarbe(band + 1)))
            << "lighter for less shade, also in grey";
    }
    TEingabedaten e;
    TSzene s = SzeneAusEingaben(e);
    const THimmelsmaske m = *HimmelsmaskeBerechnen(s, 2);
    const QImage offen = Sonnenbahnen_Zeichnen(s, m, false, 172, 90);
    // North of the wall (azimuth 180 at the left edge, 45 degrees up): behind the wall.
    EXPECT_EQ(offen.pixel(M::Links + 20, static_cast<int>(SonnenbahnenY(45))), Maskenbandfarbe(-1));
    s.Umgebung = TUmgebung({{0, 40}});
    const THimmelsmaske mitUmgebung = *HimmelsmaskeBerechnen(s, 2);
    const QImage huegel = Sonnenbahnen_Zeichnen(s, mitUmgebung, false, 172, 90);
    const int x = static_cast<int>(SonnenbahnenX(33)), y = static_cast<int>(SonnenbahnenY(24.5));
    EXPECT_EQ(huegel.pixel(x, y), Maskenbandfarbe(-2));
    EXPECT_NE(offen.pixel(x, y), Maskenbandfarbe(-2));
    int braun = 0;
    for (int yy = M::Oben; yy < M::Unten; ++yy) {
        braun += huegel.pixel(M::Rechts + 20, yy) == Maskenbandfarbe(-2);
    }
    EXPECT_GT(braun, 5) << "legend entry";
    QDir().mkpath(QStringLiteral(UMBRARIX_BILDORDNER));
    huegel.save(QStringLiteral(UMBRARIX_BILDORDNER "/sonnenbahnen.png"));
}

} // namespace
} // namespace umbrarix
