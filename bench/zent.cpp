// The chart control as a graph window drives it: property puts and data-set definitions by
// dispatch id, then a rebuild and a draw of 13 curves of 3,001 points at 1280 x 800; and the save
// and load of a chart file of 500,000 points x 10 groups, with their peak memory; and the opening
// of the Data page on a set of 1,000,000 points, with its peak memory.

#include "ContainerCalls.h"
#include "CPropertyPage.h"
#include "CZENTCtrl.h"
#include "PageFactory.h"
#include "ProcessMemory.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <malloc.h>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

using automation::InvokeKind;
using automation::Variant;

void DefineCurves(CZENTCtrl& control, int curves, int points) {
    std::vector<double> x(static_cast<std::size_t>(points)), y(x.size());
    for (int c = 0; c < curves; ++c) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = 1.0 + 0.1 * static_cast<double>(i);
            y[i] = 80.0 + 10.0 * c - 20.0 * std::log10(x[i]);
        }
        testsupport::DefineDataSet(control, c, "Curve", x, y);
        testsupport::EnableDataSet(control, c);
    }
}

void BM_PropertyPut(benchmark::State& state) {
    CZENTCtrl control;
    std::int16_t axis = 0;
    for (auto _ : state) {
        control.Invoke(83, InvokeKind::PropertyPut, {Variant::I2(axis), Variant::R8(1.5)}, nullptr);
        axis = static_cast<std::int16_t>((axis + 1) % 4);
    }
}
BENCHMARK(BM_PropertyPut);

void BM_DefineDataSet(benchmark::State& state) {
    CZENTCtrl control;
    for (auto _ : state) {
        DefineCurves(control, 1, 3001);
    }
}
BENCHMARK(BM_DefineDataSet);

// The curves span X 1..301 and Y 30..200: the scale must hold them, or the draw is an empty chart.
void ScaleToCurves(CZENTCtrl& control) {
    const double scales[2][3] = {{0.0, 310.0, 50.0}, {20.0, 220.0, 20.0}}; // X, Y: min, max, interval
    for (int axis = 0; axis < 2; ++axis) {
        testsupport::SetAxisRange(control, axis, scales[axis][0], scales[axis][1]);
        testsupport::SetAxisInterval(control, axis, scales[axis][2]);
    }
}

void BM_RebuildAndDraw(benchmark::State& state) {
    CZENTCtrl control;
    control.resize(1280, 800);
    DefineCurves(control, 13, 3001);
    ScaleToCurves(control);
    control.grab();
    for (auto _ : state) {
        control.UpdateGraph();
        benchmark::DoNotOptimize(control.grab());
    }
}
BENCHMARK(BM_RebuildAndDraw)->Unit(benchmark::kMillisecond);

// Set 0 of `points` points of `groups` groups.
void DefineChart(CZENTCtrl& control, int points, std::int16_t groups) {
    std::vector<double> x(static_cast<std::size_t>(points)), y(static_cast<std::size_t>(points) * groups);
    for (std::size_t i = 0; i < y.size(); ++i) {
        y[i] = std::sin(0.001 * static_cast<double>(i));
    }
    for (int i = 0; i < points; ++i) {
        x[static_cast<std::size_t>(i)] = i;
    }
    control.Invoke(71, InvokeKind::Method,
                   {Variant::I2(0), Variant::Str("Large"), Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                    Variant::I4(points), Variant::I2(groups)},
                   nullptr);
}

// The largest chart a container is expected to keep: 500,000 points of 10 groups in one set.
void DefineLargeChart(CZENTCtrl& control) {
    DefineChart(control, 500'000, 10);
}

// Peak resident memory of the timed calls above what the process held before them.
void ReportPeak(benchmark::State& state, double before) {
    state.counters["peak_MiB"] = (benchmem::PeakBytes() - before) / benchmem::kMiB;
}

void BM_SaveLargeChartFile(benchmark::State& state) {
    QTemporaryDir dir;
    CZENTCtrl control;
    DefineLargeChart(control);
    const QString path = dir.filePath(QStringLiteral("large.ser"));
    const double before = benchmem::ResidentBytes();
    benchmem::ResetPeak();
    for (auto _ : state) {
        if (!control.SaveToFile(path)) {
            state.SkipWithError("the chart was not saved");
        }
    }
    ReportPeak(state, before);
}
BENCHMARK(BM_SaveLargeChartFile)->Unit(benchmark::kMillisecond);

void BM_LoadLargeChartFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.ser"));
    {
        CZENTCtrl saved;
        DefineLargeChart(saved);
        saved.SaveToFile(path);
    }
    CZENTCtrl control;
    const double before = benchmem::ResidentBytes();
    benchmem::ResetPeak();
    for (auto _ : state) {
        if (!control.LoadFromFile(path)) {
            state.SkipWithError("the chart did not load");
        }
    }
    ReportPeak(state, before);
}
BENCHMARK(BM_LoadLargeChartFile)->Unit(benchmark::kMillisecond);

// The Data page made, loaded with set 0 of 1,000,000 points (of 1 or 16 groups) and shown, as the
// property frame opens it.
void BM_OpenDataPage(benchmark::State& state) {
    const int points = 1'000'000;
    const auto groups = static_cast<std::int16_t>(state.range(0));
    CZENTCtrl control;
    DefineChart(control, points, groups);
    malloc_trim(0); // what the definition freed would otherwise be reused unseen
    const double before = benchmem::ResidentBytes();
    benchmem::ResetPeak();
    for (auto _ : state) {
        std::unique_ptr<pages::CPropertyPage> page =
            pages::CreatePage(pages::PageKind::Data, control.PageTarget());
        page->OnInitDialog();
        page->resize(640, 480);
        page->show();
        QCoreApplication::processEvents();
    }
    ReportPeak(state, before);
}
BENCHMARK(BM_OpenDataPage)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace
