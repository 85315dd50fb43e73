// The report log's speed: appending report lines as the calculations do, and saving and loading
// a long log as RTF. Saving and loading must grow in proportion to the log: 100,000 lines within
// 12 times the time of 10,000.

#include "FrmReport.h"
#include "ReportLines.h"
#include "RLogClass.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QApplication>
#include <QTemporaryDir>
#include <vector>

namespace {

void BM_AppendReportLines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        RLogClass log;
        state.ResumeTiming();
        for (int i = 0; i < state.range(0); ++i)
            AppendReportLine(log);
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
            AppendReportLine(log);
        QApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < 3000; ++i)
            AppendReportLine(log);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppendAfter)->Arg(0)->Arg(27000)->Arg(57000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A program loads its log once, at its start, with nothing of it in the processor's caches and
// no memory of its own yet; repeated loads of one file would find a small log in the caches and
// reuse the memory of the load before, a large one not. Each timed load and save therefore starts
// after the caches were filled with other data and freed memory went back to the system.
void EvictCaches() {
    static std::vector<char> other(96 * 1024 * 1024);
    for (std::size_t i = 0; i < other.size(); i += 64)
        other[i] = static_cast<char>(other[i] + 1);
    benchmark::DoNotOptimize(other.data());
    malloc_trim(0);
}

struct LongLog {
    explicit LongLog(int lines) {
        log.AddTitle();
        for (int i = 0; i < lines; ++i)
            AppendReportLine(log);
        path = dir.filePath(QStringLiteral("log.rtf"));
    }
    RLogClass log;
    QTemporaryDir dir;
    QString path;
};

void BM_SaveRtf(benchmark::State& state) {
    LongLog data(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        EvictCaches();
        state.ResumeTiming();
        benchmark::DoNotOptimize(data.log.SaveFile(data.path));
    }
}
BENCHMARK(BM_SaveRtf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Loading keeps the log in its file form until it is shown; saving it again after a calculation
// writes that form and the new line.
void BM_LoadRtf(benchmark::State& state) {
    LongLog data(static_cast<int>(state.range(0)));
    data.log.SaveFile(data.path);
    RLogClass target;
    for (auto _ : state) {
        state.PauseTiming();
        EvictCaches();
        state.ResumeTiming();
        benchmark::DoNotOptimize(target.ReadFile(data.path));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoadRtf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadAddLineSave(benchmark::State& state) {
    LongLog data(static_cast<int>(state.range(0)));
    data.log.SaveFile(data.path);
    for (auto _ : state) {
        state.PauseTiming();
        EvictCaches();
        state.ResumeTiming();
        RLogClass target;
        target.ReadFile(data.path);
        AppendReportLine(target);
        benchmark::DoNotOptimize(target.SaveFile(data.path));
    }
}
BENCHMARK(BM_LoadAddLineSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Showing a loaded log puts all of it into the window's document, which lays it out.
void BM_ShowLoadedLog(benchmark::State& state) {
    LongLog data(static_cast<int>(state.range(0)));
    data.log.SaveFile(data.path);
    for (auto _ : state) {
        state.PauseTiming();
        RLogClass target;
        target.ReadFile(data.path);
        state.ResumeTiming();
        target.Form().show();
        QApplication::processEvents();
        state.PauseTiming();
        target.Form().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowLoadedLog)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
