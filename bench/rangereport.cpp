// A distance-range report of 3,000 distances into the report log, as the dialog runs it: the
// window events let through per distance, the six models, the line builder, the log's appends
// and the save of the whole log to the temporary file. Target: under 300 ms. The two smaller
// benchmarks split that time into the lines themselves and the log's appends.

#include "frmLogDistRange.h"
#include "frmLogDistRangeLogic.h"
#include "ReportLineInputs.h"
#include "RLogClass.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

constexpr int kDistances = 3000;

MainInputs mainInputs() {
    MainInputs in;
    in.freq = "450.0";
    in.hb = "100.0";
    in.hm = "1.5";
    in.pctTime = "50";
    in.pctLoc = "50";
    in.area = "Urban";
    in.city = "Small/Medium";
    return in;
}

std::tm now() {
    const std::time_t t = std::time(nullptr);
    std::tm when{};
    localtime_r(&t, &when);
    return when;
}

void BM_RangeReport3000(benchmark::State& state) {
    QTemporaryDir temp;
    QWidget main;
    RLogClass log;
    const QString tempLog = temp.filePath("log.rtf");
    for (auto _ : state) {
        frmLogDistRange dialog(&main, mainInputs, log, tempLog);
        dialog.findChild<QLineEdit*>("txtStart")->setText("0.1");
        dialog.findChild<QLineEdit*>("txtEnd")->setText("300");
        dialog.findChild<QLineEdit*>("txtStep")->setText("0.1");
        dialog.show();
        dialog.cmdLogDistRange_Click();
        if (dialog.LinesSent() != kDistances)
            state.SkipWithError("the run did not write 3,000 lines");
    }
    state.SetItemsProcessed(state.iterations() * kDistances);
}
BENCHMARK(BM_RangeReport3000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RangeLine(benchmark::State& state) {
    const ShownInputs in = testsupport::MetricShownInputs();
    const std::tm when = now();
    double d = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(JoinPieces(RangeReportLine(in, d, when)));
        d = d >= 300 ? 0.1 : d + 0.1;
    }
}
BENCHMARK(BM_RangeLine);

void BM_LogAppends3000(benchmark::State& state) {
    const ShownInputs in = testsupport::MetricShownInputs();
    const std::tm when = now();
    std::vector<std::vector<ReportPiece>> lines;
    for (int i = 0; i < kDistances; ++i)
        lines.push_back(JoinPieces(RangeReportLine(in, 0.1 * (i + 1), when)));
    RLogClass log;
    for (auto _ : state) {
        log.Clear();
        for (const auto& line : lines) {
            for (const ReportPiece& p : line) {
                log.Underline(p.underline);
                log.Add(QString::fromStdString(p.text));
            }
        }
    }
}
BENCHMARK(BM_LogAppends3000)->Unit(benchmark::kMillisecond);

} // namespace
