// Program start: a new process, from its start to the main window on the screen, as a user starts
// the program: the application object, the chart control's registration, the main window built,
// loaded (settings, report log, temporary log file, measured data) and shown until it first
// paints. Once with no log and once with the log of a previous run of 100,000 lines: the second
// may take at most twice the first plus 0.5 s.
//
// The timed process is this program started again with --start-child: it runs the entry point's
// steps and ends at the main window's first paint (the real entry point would wait for the user).

#include "BenchRun.h"
#include "GraphFormRegistration.h"
#include "HeadlessRun.h"
#include "MainForm.h"
#include "MessageBox.h"
#include "ProgramState.h"
#include "ReportLines.h"
#include "RLogClass.h"
#include "SettingsStore.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr char kChildArgument[] = "--start-child";

// Ends the process at the window's first paint.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

int RunChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvek"));
    msgbox::SetProgramTitle(program::Title());
    // The measured-data file is the user's; without it start-up warns, which nobody answers here.
    msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    RegisterChartControl(QCoreApplication::applicationDirPath());
    MainForm form;
    FirstPaint painted;
    form.installEventFilter(&painted);
    form.Form_Load();
    form.show();
    return QApplication::exec();
}

// A settings folder and a temporary folder; with lines, a previous run's log of that many lines
// that the settings name.
struct StartFolders {
    explicit StartFolders(int lines) {
        if (lines == 0)
            return;
        const QString log = temp.filePath(QStringLiteral("tarvek-log-Bench1.rtf"));
        {
            RLogClass previous;
            previous.AddTitle();
            for (int i = 0; i < lines; ++i)
                AppendReportLine(previous);
            previous.SaveFile(log);
        }
        settings::SaveSetting(program::Title(), QStringLiteral("Loss_FieldStrength"),
                              QStringLiteral("TempLogName"), log);
    }
    testsupport::TemporaryHome config;
    QTemporaryDir temp;
};

void BM_ProgramStart(benchmark::State& state) {
    const StartFolders folders(static_cast<int>(state.range(0)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.config.path());
    environment.insert(QStringLiteral("TMPDIR"), folders.temp.path());
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildArgument)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            state.SkipWithError("the program did not start");
            break;
        }
    }
}
BENCHMARK(BM_ProgramStart)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kChildArgument) == 0)
        return RunChild(argc, argv);
    return testsupport::RunBenchmarks(argc, argv);
}
