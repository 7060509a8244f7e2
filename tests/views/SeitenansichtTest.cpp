#include "views/Seitenansicht.h"
#include "views/Person.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include "hilfen/Szenen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::AusgewerteteSzene;
using testhilfen::SonneVon;

TSeitenansicht Zeichnen(const TSzene& s) {
    return Seitenansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht(), SonneVon(s), PersonStartLinks);
}

TFarbe Pixel(QImage& bild, int x, int y) {
    return TZeichenflaeche(bild).Pixel(x, y);
}

TEST(Seitenansicht, SenkrechteWandUndMarker) {
    const TSzene s = AusgewerteteSzene({}, 172, 72);
    TSeitenansicht a = Zeichnen(s);
    // The wall is a black bar x 350..365, below the window (z < 100) and above it.
    for (int x = 350; x <= 365; ++x) {
        EXPECT_EQ(Pixel(a.Bild, x, 300), 0u) << x;
        EXPECT_EQ(Pixel(a.Bild, x, 20), 0u) << x;
    }
    EXPECT_NE(Pixel(a.Bild, 349, 300), 0u);
    EXPECT_NE(Pixel(a.Bild, 366, 300), 0u);
    // The window opening holds the window band in its outer 7 pixels (x 350..357).
    EXPECT_EQ(Pixel(a.Bild, 352, 175), TFarbset{}.Fensterfarbe);
    EXPECT_EQ(a.Marker.s_ueberh_aussen, QRect(200, 94, 5, 5)); // front edge x 148, z 254
    EXPECT_EQ(a.Marker.s_ueberh_innen, QRect(348, 68, 5, 5));  // back edge x 0, z 280
    EXPECT_EQ(a.Marker.s_ueberh_volant, QRect(200, 114, 5, 5));
    EXPECT_EQ(a.Marker.s_wandneigung, QRect(348, 8, 5, 5));
    EXPECT_EQ(a.Marker.s_terrasse_Links, 150); // terrace 0..200 in front of the facade
    EXPECT_EQ(a.Marker.s_terrasse_Breite, 200);
    EXPECT_EQ(Pixel(a.Bild, 200, 353), TFarbset{}.Terrassenfarbe);
    EXPECT_EQ(Pixel(a.Bild, 100, 358), 0u) << "floor under the terrace band";
}

TEST(Seitenansicht, BodenbreiteNachWandneigung) {
    const struct {
        double neigung;
        int breite;
    } faelle[] = {{45, 366}, {46, 701}, {90, 701}, {30, 366}, {120, 701}};
    for (const auto& f : faelle) {
        TEingabedaten e;
        e.anz_Fensterneigung = f.neigung;
        const TSzene s = AusgewerteteSzene(e, 172, 72);
        TSeitenansicht a = Zeichnen(s);
        EXPECT_EQ(a.Marker.Shape_Fussboden_Breite, f.breite) << f.neigung;
        EXPECT_EQ(Pixel(a.Bild, 365, 355), 0u) << f.neigung;
        EXPECT_EQ(Pixel(a.Bild, 600, 355) == 0u, f.breite == 701) << f.neigung;
    }
}

TEST(Seitenansicht, SchattenNachtUndSonneHinter) {
    // Noon: the shade of the overhang falls steeply; far below the overhang line is grey,
    // high up in front of the overhang the sun shines.
    const TSzene tag = AusgewerteteSzene({}, 172, 72);
    TSeitenansicht a = Zeichnen(tag);
    EXPECT_EQ(Pixel(a.Bild, 285, 203), 0xC0C0C0u);
    EXPECT_EQ(Pixel(a.Bild, 105, 25), FarbeWeiss);

    const TSzene nacht = AusgewerteteSzene({}, 172, 132);
    TSeitenansicht n = Zeichnen(nacht);
    EXPECT_EQ(Pixel(n.Bild, 105, 25), 0x494949u);
    EXPECT_EQ(Pixel(n.Bild, 285, 203), 0x494949u);
    EXPECT_EQ(Pixel(n.Bild, 355, 300), 0u) << "the wall is drawn on the flat grey";
    EXPECT_EQ(n.Marker.s_wandneigung, QRect(348, 8, 5, 5));

    TEingabedaten nord;
    nord.anz_Himmelsrichtung = 180;
    TSeitenansicht h = Zeichnen(AusgewerteteSzene(nord, 172, 78));
    EXPECT_EQ(Pixel(h.Bild, 105, 25), 0x808080u);
}

TEST(Seitenansicht, StrahlversatzFolgtDerFassadennormalen) {
    // South facade: the world x component; east facade: the world y component.
    const TPunkt sonne{0.39667, 0.36398, 0.84272};
    EXPECT_EQ(Strahlversatz(sonne, 0), QPoint(3967, 8427));
    EXPECT_EQ(Strahlversatz(sonne, 90), QPoint(3640, 8427));
    EXPECT_EQ(Strahlversatz(sonne, 180), QPoint(-3967, 8427));
}

TEST(Seitenansicht, Personenumriss) {
    const auto p = Personenumriss();
    ASSERT_EQ(p.size(), 168u);
    EXPECT_EQ(p.front(), QPoint(0, 89));
    EXPECT_EQ(p[11], QPoint(10, 63));
    EXPECT_EQ(p[162], QPoint(3, 91));
    EXPECT_EQ(p.back(), QPoint(0, 89));
    int xmin = 99, xmax = -1, ymin = 999, ymax = -1;
    for (const QPoint& q : p) {
        xmin = std::min(xmin, q.x());
        xmax = std::max(xmax, q.x());
        ymin = std::min(ymin, q.y());
        ymax = std::max(ymax, q.y());
    }
    EXPECT_EQ(QRect(QPoint(xmin, ymin), QPoint(xmax, ymax)), QRect(0, 0, 74, 180));
    // Drawn at the start position, its feet stand on the floor line.
    const TSzene s = AusgewerteteSzene({}, 172, 72);
    TSeitenansicht a = Zeichnen(s);
    EXPECT_EQ(Pixel(a.Bild, PersonStartLinks - 31 + 36, 170 + 2), 0u) << "head";
    EXPECT_EQ(Pixel(a.Bild, PersonStartLinks - 31 + 60, 349), 0u) << "back foot";
}

} // namespace
} // namespace umbrarix
