#include "ui/Skalen.h"

#include <gtest/gtest.h>

namespace umbrarix {
namespace {

TEST(Skalen, MarkerAufDerSkala) {
    // Scale 730 px from x 16, marker 12 px: round(p * 730 / n + 16 - 6) + 1.
    const struct {
        int position, anzahl, links;
    } faelle[] = {{172, 365, 355}, {1, 365, 13},    {365, 365, 741}, {0, 144, 11},
                  {72, 144, 376},  {143, 144, 736}, {75, 144, 391}};
    for (const auto& f : faelle) {
        EXPECT_EQ(SkalenmarkerLinks(f.position, 16, 730, f.anzahl, 12), f.links) << f.position;
    }
}

TEST(Skalen, MarkerZiehenBleibtAufDerSkala) {
    // Far left and far right stop at the ends of the scale.
    EXPECT_EQ(SkalenpositionAusMarker(-500, 16, 730, 365, 12), 0);
    EXPECT_EQ(SkalenpositionAusMarker(5000, 16, 730, 365, 12), 365);
    EXPECT_EQ(SkalenpositionAusMarker(5000, 16, 730, 144, 12), 144); // the track bar makes it 143
    // Back and forth: the marker of a position stands for that position again.
    for (int p = 1; p <= 365; ++p) {
        EXPECT_EQ(
            SkalenpositionAusMarker(SkalenmarkerLinks(p, 16, 730, 365, 12) - 1, 16, 730, 365, 12),
            p);
    }
}

TEST(Skalen, Fensterplatz) {
    const TFensterplatz gross = Fensterplatz(QSize(1280, 1024), QSize(1016, 720));
    EXPECT_EQ(gross.Rahmen, QRect(132, 0, 1016, 720));
    EXPECT_FALSE(gross.Veraenderbar);
    const TFensterplatz klein = Fensterplatz(QSize(800, 600), QSize(1016, 720));
    EXPECT_EQ(klein.Rahmen, QRect(0, 0, 800, 560));
    EXPECT_TRUE(klein.Veraenderbar);
}

} // namespace
} // namespace umbrarix
