// GoogleTest entry for tests that need a QApplication. Test discovery runs the
// binary outside CTest's environment, so the offscreen platform is chosen here
// when nothing else was asked for.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (!std::getenv("SDL_AUDIODRIVER")) {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
