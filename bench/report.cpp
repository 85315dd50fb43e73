// The report log's speed: appending report lines as the calculations do, and saving and loading
// a long log as RTF.

#include "FrmReport.h"
#include "RLogClass.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>

namespace {

// One report line of 147 characters as the calculation appends it: the input columns in four
// pieces, six results (the second and fifth out of range, so underlined), then the percentages,
// units, power and date, and the line end.
void appendReportLine(RLogClass& log) {
    log.Add(QStringLiteral("      10     450"));
    log.Add(QStringLiteral("     100     1.5"));
    log.Add(QStringLiteral(" Urban     "));
    log.Add(QStringLiteral("  Small/Medium"));
    static const char* const results[] = {" 146.21 ", " 150.03 ", " 146.21 ",
                                          "  53.19 ", "  53.19 ", "  49.37 "};
    for (int i = 0; i < 6; ++i) {
        log.Underline(i == 1 || i == 4);
        log.Add(QString::fromLatin1(results[i]));
    }
    log.Underline(false);
    log.Add(QStringLiteral(" 50%"));
    log.Add(QStringLiteral(" 50%"));
    log.Add(QStringLiteral(" Metric"));
    log.Add(QStringLiteral("    1000.0"));
    log.Add(QStringLiteral(" 12/08/2026 09:41 pm"));
    log.Add(QStringLiteral("\r\n"));
}

void BM_AppendReportLines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        RLogClass log;
        state.ResumeTiming();
        for (int i = 0; i < state.range(0); ++i)
            appendReportLine(log);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppendReportLines)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(3);

// 3,000 lines appended to a log that already holds the given number: the cost of a line must not
// grow with the log (beyond the caches' reach it levels off).
void BM_AppendAfter(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        RLogClass log;
        for (int i = 0; i < state.range(0); ++i)
            appendReportLine(log);
        QApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < 3000; ++i)
            appendReportLine(log);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppendAfter)->Arg(0)->Arg(27000)->Arg(57000)->Unit(benchmark::kMillisecond)->Iterations(3);

struct LongLog {
    LongLog() {
        log.AddTitle();
        for (int i = 0; i < 10000; ++i)
            appendReportLine(log);
        path = dir.filePath(QStringLiteral("log.rtf"));
    }
    RLogClass log;
    QTemporaryDir dir;
    QString path;
};

void BM_SaveRtf(benchmark::State& state) {
    LongLog data;
    for (auto _ : state)
        benchmark::DoNotOptimize(data.log.SaveFile(data.path));
}
BENCHMARK(BM_SaveRtf)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadRtf(benchmark::State& state) {
    LongLog data;
    data.log.SaveFile(data.path);
    RLogClass target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(target.ReadFile(data.path));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoadRtf)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
