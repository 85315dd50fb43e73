#include <gtest/gtest.h>
#include <QGuiApplication>

int main(int argc, char** argv) {
    // Test discovery runs the executable outside ctest's environment, so headless is the default.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
