#include "HeadlessRun.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Headless also when the executable is run by hand or listed for test discovery, which happens
    // outside ctest's environment.
    testsupport::UseOffscreenPlatform();
    // Settings and temporary files of a test run never touch the user's own.
    testsupport::TemporaryHome home(testsupport::TemporaryHome::SettingsAndTemp);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
