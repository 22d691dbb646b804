#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The windows need a Qt application; without a display (and when the test is discovered
// at build time) they are drawn offscreen.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
