#include "views/Frontansicht.h"
#include "views/Vorlagen.h"
#include "views/Zeichenflaeche.h"

#include "hilfen/Szenen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::AusgewerteteSzene;

TFarbe Pixel(QImage& bild, int x, int y) {
    return TZeichenflaeche(bild).Pixel(x, y);
}

TEST(Frontansicht, MarkerDerVorgabeszene) {
    const TSzene s = AusgewerteteSzene({}, 172, 72);
    const TFrontansicht a = Frontansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    const TFrontMarker& m = a.Marker;
    // Window y -200..200, z 100..250; overhang y -300..300, back edge 280, front edge 254;
    // valance down to 234; left fin at y -325 from 0 to 300.
    const struct {
        const char* name;
        QRect ist, soll;
    } faelle[] = {
        {"f_fenster_oben", m.f_fenster_oben, QRect(150, 100, 401, 2)},
        {"f_fenster_unten", m.f_fenster_unten, QRect(150, 249, 401, 2)},
        {"f_fenster_links", m.f_fenster_links, QRect(150, 100, 2, 151)},
        {"f_fenster_rechts", m.f_fenster_rechts, QRect(549, 100, 2, 151)},
        {"f_ueberh_oben", m.f_ueberh_oben, QRect(50, 70, 601, 2)},
        {"f_ueberh_unten", m.f_ueberh_unten, QRect(50, 95, 601, 2)},
        {"f_ueberh_links", m.f_ueberh_links, QRect(50, 70, 2, 27)},
        {"f_volant_unten", m.f_volant_unten, QRect(50, 115, 601, 2)},
        {"f_volant_rechts", m.f_volant_rechts, QRect(649, 96, 2, 21)},
        {"f_mauerlinks_seite", m.f_mauerlinks_seite, QRect(25, 50, 2, 301)},
        {"f_mauerlinks_oben", m.f_mauerlinks_oben, QRect(23, 48, 6, 6)},
        {"f_mauerlinks_unten", m.f_mauerlinks_unten, QRect(23, 348, 6, 6)},
        {"f_mauerrechts_unten", m.f_mauerrechts_unten, QRect(673, 348, 6, 6)},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(f.ist, f.soll) << f.name;
    }
    EXPECT_EQ(m.f_volant_unten_sichtbar, std::optional<bool>(true));
}

TEST(Frontansicht, FensterUndSchattenfarben) {
    // 21 June 12:00: the overhang's shadow covers the window and reaches below the ground.
    TSzene s = AusgewerteteSzene({}, 172, 72);
    TFrontansicht a = Frontansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(Pixel(a.Bild, 355, 205), 0xA0A0A0u) << "shadow on the window";
    EXPECT_EQ(Pixel(a.Bild, 105, 205), 0xC0C0C0u) << "shadow on the wall beside it";
    EXPECT_EQ(Pixel(a.Bild, 645, 205), FarbeWeiss) << "sunny wall";

    // Without the overhang the window shows its own colour and no shadow.
    TEingabedaten ohne;
    ohne.CheckBox_Ueberhang = false;
    ohne.CheckBox_Volant = false;
    ohne.anz_VolantHoehe = 0;
    s = AusgewerteteSzene(ohne, 172, 72);
    a = Frontansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(Pixel(a.Bild, 355, 205), TFarbset{}.Fensterfarbe);
    EXPECT_EQ(Pixel(a.Bild, 105, 205), FarbeWeiss);
    EXPECT_EQ(Pixel(a.Bild, 355, 85), FarbeWeiss) << "no hatching";
    EXPECT_FALSE(a.Marker.f_volant_unten_sichtbar.has_value());
    EXPECT_EQ(a.Marker.f_ueberh_oben, QRect(50, 70, 601, 2)) << "handles still placed";
}

TEST(Frontansicht, NachtUndSonneHinterDerFassade) {
    const struct {
        TEingabedaten e;
        int tag, position;
        TFarbe flaeche;
    } faelle[] = {
        {{}, 172, 132, 0x494949}, // 22:00
        {[] {
             TEingabedaten e;
             e.anz_Himmelsrichtung = 180;
             return e;
         }(),
         172, 78, 0x808080},
    };
    for (const auto& f : faelle) {
        const TSzene s = AusgewerteteSzene(f.e, f.tag, f.position);
        TFrontansicht a = Frontansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
        for (const QPoint p : {QPoint(355, 205), QPoint(10, 300), QPoint(0, 0), QPoint(700, 360),
                               QPoint(650, 200)}) {
            EXPECT_EQ(Pixel(a.Bild, p.x(), p.y()), f.flaeche) << p.x() << "," << p.y();
        }
        // The hatching still lies on the flat grey.
        int schraffur = 0;
        for (int x = 60; x < 640; ++x) {
            schraffur += Pixel(a.Bild, x, 80) == TFarbset{}.Markisenfarbe;
        }
        EXPECT_GT(schraffur, 30);
        EXPECT_EQ(a.Marker.f_fenster_oben, QRect(150, 100, 401, 2));
    }
}

TEST(Frontansicht, FlachesDachVersteckt) {
    TEingabedaten e;
    e.anz_Fensterneigung = 0;
    const TSzene s = AusgewerteteSzene(e, 172, 72);
    const TFrontansicht a = Frontansicht_Zeichnen(s, TFarbset{}, Vorlage_Ansicht());
    EXPECT_EQ(a.Marker.f_volant_unten_sichtbar, std::optional<bool>(false));
}

} // namespace
} // namespace umbrarix
