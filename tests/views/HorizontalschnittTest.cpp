#include "views/Horizontalschnitt.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include "hilfen/Bildproben.h"
#include "hilfen/Szenen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::AusgewerteteSzene;

TFarbe Pixel(QImage& bild, int x, int y) {
    return TZeichenflaeche(bild).Pixel(x, y);
}

bool SchwarzIn(QImage& bild, QRect feld) {
    for (int x = feld.left(); x <= feld.right(); ++x) {
        for (int y = feld.top(); y <= feld.bottom(); ++y) {
            if (Pixel(bild, x, y) == 0u) {
                return true;
            }
        }
    }
    return false;
}

TEST(Horizontalschnitt, MarkerDerVorgabeszene) {
    TEingabedaten e;
    e.anz_ml_wandabstand = 20;
    const TSzene s = AusgewerteteSzene(e, 172, 72);
    const THorizontalschnitt a = Horizontalschnitt_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    ASSERT_EQ(a.Bild.size(), QSize(701, 351));
    const THorizontalMarker& m = a.Marker;
    const struct {
        const char* name;
        QRect ist, soll;
    } faelle[] = {
        {"b_terrasse_oben", m.b_terrasse_oben, QRect(150, 9, 401, 2)},
        {"b_terrasse_unten", m.b_terrasse_unten, QRect(150, 208, 401, 2)},
        {"b_terrasse_links", m.b_terrasse_links, QRect(150, 9, 2, 201)},
        {"b_terrasse_rechts", m.b_terrasse_rechts, QRect(549, 9, 2, 201)},
        {"b_ueberh_oben", m.b_ueberh_oben, QRect(50, 9, 601, 2)},
        {"b_ueberh_unten", m.b_ueberh_unten, QRect(50, 156, 601, 2)},
        {"b_ueberh_links", m.b_ueberh_links, QRect(50, 9, 2, 149)},
        {"b_mauerlinks_seite", m.b_mauerlinks_seite, QRect(25, 29, 2, 101)},
        {"b_mauerlinks_oben", m.b_mauerlinks_oben, QRect(23, 27, 6, 6)},
        {"b_mauerlinks_unten", m.b_mauerlinks_unten, QRect(23, 127, 6, 6)},
        {"b_mauerrechts_unten", m.b_mauerrechts_unten, QRect(673, 107, 6, 6)},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(f.ist, f.soll) << f.name;
    }
}

TEST(Horizontalschnitt, NordpfeilBeiSuedfassade) {
    const TSzene s = AusgewerteteSzene({}, 172, 72);
    THorizontalschnitt a = Horizontalschnitt_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    // Shaft (40, 295) .. (40, 335) without its end, barbs towards (33, 302) and (47, 302).
    for (const QPoint p : {QPoint(40, 295), QPoint(40, 301), QPoint(40, 334), QPoint(34, 301),
                           QPoint(46, 301), QPoint(37, 298)}) {
        EXPECT_EQ(Pixel(a.Bild, p.x(), p.y()), 0u) << p.x() << "," << p.y();
    }
    EXPECT_NE(Pixel(a.Bild, 40, 335), 0u);
    EXPECT_NE(Pixel(a.Bild, 33, 302), 0u);
    // The "N" is centred 10 px beyond the tip, at (40, 285).
    EXPECT_TRUE(SchwarzIn(a.Bild, QRect(37, 282, 7, 7)));
    EXPECT_FALSE(SchwarzIn(a.Bild, QRect(20, 275, 8, 8)));

    TEingabedaten ost;
    ost.anz_Himmelsrichtung = 90; // the arrow points right
    THorizontalschnitt b =
        Horizontalschnitt_Zeichnen(AusgewerteteSzene(ost, 172, 72), TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(Pixel(b.Bild, 54, 310), 0u);
    EXPECT_EQ(Pixel(b.Bild, 16, 310), 0u);
    EXPECT_TRUE(SchwarzIn(b.Bild, QRect(62, 307, 7, 7)));
}

TEST(Horizontalschnitt, TerrasseSchattenUndNacht) {
    TEingabedaten ohne;
    ohne.CheckBox_Ueberhang = false;
    ohne.CheckBox_Volant = false;
    ohne.anz_VolantHoehe = 0;
    THorizontalschnitt a =
        Horizontalschnitt_Zeichnen(AusgewerteteSzene(ohne, 172, 72), TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(Pixel(a.Bild, 355, 105), TFarbset{}.Terrassenfarbe);
    EXPECT_EQ(Pixel(a.Bild, 355, 198), TFarbset{}.Terrassenfarbe);
    EXPECT_NE(Pixel(a.Bild, 355, 199), TFarbset{}.Terrassenfarbe); // up to the far edge - 1
    EXPECT_EQ(Pixel(a.Bild, 95, 105), FarbeWeiss);

    // 21 June noon: the shadow near the facade lies on terrace and ground.
    THorizontalschnitt b =
        Horizontalschnitt_Zeichnen(AusgewerteteSzene({}, 172, 72), TFarbset{}, Vorlage_Ansicht());
    // (Under the overhang's hatching: the colour between its lines counts.)
    EXPECT_EQ(testhilfen::Grundfarbe(b.Bild, 305, 33), 0xA0A0A0u);
    EXPECT_EQ(testhilfen::Grundfarbe(b.Bild, 105, 33), 0xC0C0C0u);
    EXPECT_EQ(Pixel(b.Bild, 655, 33), FarbeWeiss);

    THorizontalschnitt n =
        Horizontalschnitt_Zeichnen(AusgewerteteSzene({}, 172, 132), TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(testhilfen::Grundfarbe(n.Bild, 355, 105), 0x494949u);
    EXPECT_EQ(Pixel(n.Bild, 355, 250), 0x494949u);
    EXPECT_EQ(Pixel(n.Bild, 40, 320), 0u) << "the north arrow stays";
}

} // namespace
} // namespace umbrarix
