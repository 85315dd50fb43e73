// Program start: the main window constructed, loaded (settings, report log, temporary log file,
// measured data) and shown, as the entry point does it. Target: under 400 ms.

#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLog.h"
#include "TempLogFile.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QTemporaryDir>

namespace {

// One application object for the whole run, over settings and temporary folders of its own.
struct Environment {
    QTemporaryDir config;
    QTemporaryDir temp;
    std::unique_ptr<QApplication> app;

    Environment() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("TMPDIR", temp.path().toUtf8());
        static int argc = 1;
        static char name[] = "bench_program";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        msgbox::SetProgramTitle(program::Title());
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbNo; });
        MainForm::SetProgramEnd([] {});
    }
};

Environment& Env() {
    static Environment env;
    return env;
}

void BM_ProgramStart(benchmark::State& state) {
    Env();
    for (auto _ : state) {
        auto form = std::make_unique<MainForm>();
        form->Form_Load();
        form->show();
        QApplication::processEvents();
        state.PauseTiming();
        form->close(); // answers "No": the temporary log goes
        form.reset();
        DestroyReportLog();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramStart)->Unit(benchmark::kMillisecond);

} // namespace
