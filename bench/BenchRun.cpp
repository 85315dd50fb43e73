#include "BenchRun.h"

#include "HeadlessRun.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace testsupport {

int RunBenchmarks(int argc, char** argv) {
    UseOffscreenPlatform();
    TemporaryHome home(TemporaryHome::SettingsAndTemp);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace testsupport
