// The report log's speed: appending report lines as the calculations do, and saving and loading
// a long log as RTF. Saving and loading must grow in proportion to the log: 100,000 lines within
// 12 times the time of 10,000.

#include "AtomicFile.h"
#include "FrmReport.h"
#include "ProcessMemory.h"
#include "ProgramPrinter.h"
#include "ReportLines.h"
#include "ReportLogText.h"
#include "RLogClass.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <malloc.h>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPainter>
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

// Showing a loaded log: the window opens and draws its first text. Run at 10,000 and 100,000
// lines and at the size limit of the log (a file of ReportLogText::kMaxRtfBytes); the counters give
// the resident memory after the show and the process's peak (run the limit alone for its peak:
// --benchmark_filter=BM_ShowLoadedLog/0).
constexpr int kAtTheLimit = 0;

// A log file of report lines written straight to disk, so making it costs the benchmark no memory.
QString WriteLogFile(const QString& path, qint64 lines) {
    ReportLogText one;
    AppendReportLine(one);
    const QByteArray line = one.RtfBody();
    const QByteArray title = [] {
        ReportLogText t;
        t.Append(QStringLiteral("  Dist     Frq    BaseH   MobilH\r\n"), {true, false, true});
        return t.RtfBody();
    }();
    const qint64 frame = richtext::RtfHeader().size() + title.size() + 3;
    if (lines == kAtTheLimit)
        lines = (ReportLogText::kMaxRtfBytes - frame) / line.size();
    files::AtomicFile file(path);
    file.Open();
    file.Write(richtext::RtfHeader());
    file.Write(title);
    for (qint64 i = 0; i < lines; ++i)
        file.Write(line);
    file.Write(richtext::kRtfEnd, 3);
    file.Commit();
    return path;
}

void BM_ShowLoadedLog(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteLogFile(dir.filePath(QStringLiteral("log.rtf")), state.range(0));
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    for (auto _ : state) {
        state.PauseTiming();
        RLogClass target;
        target.ReadFile(path);
        state.ResumeTiming();
        target.Form().show();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["lines"] = target.Form().Text().LineCount();
        state.counters["resident_MB"] = benchmem::ResidentBytes() / benchmem::kMiB;
        state.counters["peak_MB"] = benchmem::PeakBytes() / benchmem::kMiB;
        target.Form().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowLoadedLog)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(kAtTheLimit)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Loading the log at the limit, as the program starts with it.
void BM_LoadLogAtTheLimit(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteLogFile(dir.filePath(QStringLiteral("log.rtf")), kAtTheLimit);
    for (auto _ : state) {
        RLogClass target;
        benchmark::DoNotOptimize(target.ReadFile(path));
    }
}
BENCHMARK(BM_LoadLogAtTheLimit)->Unit(benchmark::kMillisecond)->Iterations(2);

// A picture like a pasted graph: axes, a grid, labels and curves.
QImage GraphPicture(int seed) {
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::lightGray);
    for (int x = 40; x < 600; x += 40)
        p.drawLine(x, 0, x, 380);
    for (int y = 20; y < 400; y += 40)
        p.drawLine(40, y, 600, y);
    for (int c = 0; c < 4; ++c) {
        p.setPen(QColor::fromHsv(c * 80, 255, 200));
        QPointF last(40, 380);
        for (int x = 41; x < 600; ++x) {
            const QPointF next(x, 380 - 300 * std::log10(1 + (x - 40) * (c + seed % 7 + 1) / 60.0) / 2.5);
            p.drawLine(last, next);
            last = next;
        }
    }
    p.setPen(Qt::black);
    for (int i = 0; i < 10; ++i)
        p.drawText(QPointF(5, 25 + 40 * i), QString::number(160 - 10 * i + seed % 3));
    return image;
}

// What a Calculate does to the log beyond the models: one report line appended and the log saved to
// its temporary file (after the first save, what was added since). Arguments: lines already in
// the log, pasted graphs already in it, and 1 to save the whole file each time instead (as after
// every megabyte added, and at the end of a run).
void BM_CalculateSave(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.rtf"));
    RLogClass log;
    log.AddTitle();
    for (int i = 0; i < state.range(0); ++i)
        AppendReportLine(log);
    for (int i = 0; i < state.range(1); ++i) {
        QApplication::clipboard()->setImage(GraphPicture(i));
        log.PasteClipboard();
        log.AddLine(QStringLiteral("[Clip Board Image]"));
    }
    QApplication::processEvents();
    state.counters["file_MB"] = double(log.Form().Text().RtfFileSize()) / (1024 * 1024);
    const bool whole = state.range(2) != 0;
    log.SaveTempFile(path, true);
    for (auto _ : state) {
        AppendReportLine(log);
        benchmark::DoNotOptimize(log.SaveTempFile(path, whole));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateSave)
    ->Args({0, 0, 0})
    ->Args({100000, 0, 0})
    ->Args({0, 400, 0})
    ->Args({100000, 400, 0})
    ->Args({100000, 400, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// "Print" of a long log to the PDF file printer: the log's plain text printed page by page, with
// the progress the window shows.
void BM_PrintLog(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = WriteLogFile(dir.filePath(QStringLiteral("log.rtf")), state.range(0));
    RLogClass log;
    log.ReadFile(path);
    auto& printer = printing::ProgramPrinter::Instance();
    for (auto _ : state) {
        printer.PrintToFile(dir.filePath(QStringLiteral("log.pdf")));
        log.Form().cmdPrint_Click();
    }
    printer.PrintToFile(QString());
    state.counters["pdf_MB"] =
        double(QFileInfo(dir.filePath(QStringLiteral("log.pdf"))).size()) / (1024 * 1024);
}
BENCHMARK(BM_PrintLog)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
