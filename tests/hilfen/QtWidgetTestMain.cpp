// Test main for the window tests: a QApplication without a display.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
#ifdef UMBRARIX_SKALIERUNG
    // A screen of higher resolution, scaled as the desktop would scale it.
    setenv("QT_SCALE_FACTOR", UMBRARIX_SKALIERUNG, 1);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
