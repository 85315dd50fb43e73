// Data-set files and the property stream at the sizes containers and users give them: a data file
// of a million two-column rows must load within a second, and a stream holding 32 sets of 10,000
// points must save and load within 100 ms.

#include "AsciiDataFile.h"
#include "ChartModel.h"
#include "PropertyStream.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <QTemporaryDir>

namespace {

const QString& MillionRowFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("million.txt");
        std::vector<double> x(1000000), y(1000000);
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = 0.1 * static_cast<double>(i);
            y[i] = 100.0 * std::sin(static_cast<double>(i) * 0.001);
        }
        chart::SaveAsciiDataFile(file, x, y, x.size(), 1, "%g");
        return file;
    }();
    return path;
}

void FillSets(chart::CChartModel& model) {
    for (int set = 0; set < chart::kSetCount; ++set) {
        auto& x = model.SDataXData[static_cast<std::size_t>(set)];
        auto& y = model.SDataYData[static_cast<std::size_t>(set)];
        x.resize(10000);
        y.resize(10000);
        for (std::size_t j = 0; j < x.size(); ++j) {
            x[j] = 0.1 * static_cast<double>(j);
            y[j] = std::cos(static_cast<double>(j + set));
        }
        model.SDataNumPlotPoints[static_cast<std::size_t>(set)] = 10000;
    }
}

void BM_LoadMillionRowDataFile(benchmark::State& state) {
    const QString& path = MillionRowFile();
    for (auto _ : state) {
        std::vector<double> x, y;
        int rows = 0, groups = 0;
        if (!chart::LoadAsciiDataFile(path, x, y, rows, groups) || rows != 1000000) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_LoadMillionRowDataFile)->Unit(benchmark::kMillisecond);

void BM_SaveAndLoadStreamOf32Sets(benchmark::State& state) {
    chart::CChartModel source(nullptr, nullptr);
    FillSets(source);
    chart::CChartModel target(nullptr, nullptr);
    for (auto _ : state) {
        const auto bytes = chart::SavePropertyStream(source, chart::ControlExtent{});
        if (!chart::LoadPropertyStream(target, bytes.data(), bytes.size())) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(target.SDataXData[31].data());
    }
}
BENCHMARK(BM_SaveAndLoadStreamOf32Sets)->Unit(benchmark::kMillisecond);

} // namespace
