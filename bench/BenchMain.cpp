// The main of the benchmarks that need a GUI application: one application for the whole run,
// offscreen, over settings and temporary folders of its own.

#include "HeadlessRun.h"

#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv) {
    testsupport::UseOffscreenPlatform();
    testsupport::TemporaryHome home(testsupport::TemporaryHome::SettingsAndTemp);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
