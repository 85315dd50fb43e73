#include "HeadlessRun.h"

#include <gtest/gtest.h>
#include <QGuiApplication>

// Fontconfig keeps its caches until exit; they are not the engine's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

// The engine measures text with Qt's fonts, which need a GUI application (offscreen here).
int main(int argc, char** argv) {
    testsupport::UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
