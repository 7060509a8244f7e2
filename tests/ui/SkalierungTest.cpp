// The window on a screen scaled by 2 (QT_SCALE_FACTOR=2, set by this program's main): window,
// views and handles scale together, and every view pixel becomes a sharp 2 x 2 block.

#include "ui/Form_Haupt.h"

#include "hilfen/Hauptfenster.h"

#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QWindow>

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

using testhilfen::THauptfenster;

// Pixels of the device image that differ from the view image enlarged 2 x 2.
int AbweichendeBloecke(const QImage& geraet, const QImage& ansicht) {
    int abweichend = 0;
    for (int y = 0; y < ansicht.height(); ++y) {
        for (int x = 0; x < ansicht.width(); ++x) {
            const QRgb soll = ansicht.pixel(x, y) | 0xFF000000u;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    abweichend += (geraet.pixel(2 * x + dx, 2 * y + dy) | 0xFF000000u) != soll;
                }
            }
        }
    }
    return abweichend;
}

// A handle keeps its place on the view in logical pixels, so it sits on the same view pixels
// at twice the size.
void GriffPruefen(THauptfenster& w) {
    TFormShape* griff = w->f_fenster_oben;
    ASSERT_TRUE(griff->isVisible());
    const QImage g = griff->grab().toImage();
    EXPECT_EQ(g.size(), griff->size() * 2);
    const QPoint aufDemBild = griff->mapTo(w->Panel_AnsichtFenster, QPoint(0, 0)) -
                              w->frontansicht->mapTo(w->Panel_AnsichtFenster, QPoint(0, 0));
    const QImage panel = w->Panel_AnsichtFenster->grab().toImage();
    const QPoint geraetepunkt = w->frontansicht->mapTo(w->Panel_AnsichtFenster, aufDemBild) * 2;
    EXPECT_EQ(panel.pixel(geraetepunkt), g.pixel(0, 0)) << "the handle's corner on the panel";
}

TEST(Skalierung, FensterAnsichtenUndGriffeMitFaktorZwei) {
    THauptfenster w;
    ASSERT_DOUBLE_EQ(w->devicePixelRatioF(), 2.0) << "QT_SCALE_FACTOR=2 not in effect";
    // The layout stays in logical pixels; the screen gets twice as many.
    EXPECT_EQ(w->Client->size(), QSize(1016, 694));
    const QImage fenster = w->grab().toImage();
    EXPECT_EQ(fenster.size(), w->size() * 2);
    const QString ordner = QStringLiteral(UMBRARIX_BILDORDNER);
    ASSERT_TRUE(QDir().mkpath(ordner));

    w->CheckBox_MauerLinks->click();
    for (int i : {0, 2, 3}) {
        w->Ansichtsknoepfe[i]->click();
        QCoreApplication::processEvents();
        TBildflaeche* bild = i == 0 ? w->Image_3d : i == 2 ? w->frontansicht : w->Horizontalschnitt;
        const QImage geraet = bild->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(geraet.size(), bild->Bild().size() * 2) << i;
        EXPECT_EQ(AbweichendeBloecke(geraet, bild->Bild().convertToFormat(QImage::Format_RGB32)), 0)
            << "view " << i << " smoothed or shifted";
        EXPECT_TRUE(w->grab().save(ordner + QStringLiteral("/fenster_skaliert_%1.png").arg(i)));
        if (i == 2) {
            GriffPruefen(w);
        }
    }
}

} // namespace
} // namespace umbrarix
