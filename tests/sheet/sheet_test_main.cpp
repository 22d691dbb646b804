#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Text needs a running application; the offscreen platform gives one without a display,
// also when the test discovery runs the program without the test's environment.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
