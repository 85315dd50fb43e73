// A full chart as the graph windows draw it: 1280 x 800, 13 curves of 3,000 points, axes, grid,
// titles and legend, drawn into an image and written as a metafile.

#include "Kestran.h"

#include <benchmark/benchmark.h>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The benchmark library owns main, so the application lives in a static. It is never destroyed:
// tearing down a QGuiApplication during static destruction crashes inside Qt.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_kestran";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

struct Chart {
    EngineHandle page = 0, graph = 0;
    std::vector<EngineHandle> sets;

    Chart() {
        page = EngineCreatePage("ZENT0", nullptr, "First Graph", "PageMenu", 0xFFFFFF, 10, 0, 0, 0, 0, 1280,
                                800, nullptr);
        graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0xFFFFFF, 0, 1, nullptr);
        EngineSetPlotArea(graph, nullptr, 0.1, 0.12, 0.75, 0.88, 0xFFFFFF);
        EngineSetTickSizes(page, 10, 5);
        EngineSetBorderStyle(graph, 0);
        EngineSetScaleTypes(graph, 0, 0);
        EngineSetScale(graph, 0, 60, 300, 200);
        EngineSetAxesIntercepts(graph, 0, 60);
        std::vector<double> x(3000), y(3000);
        for (int c = 0; c < 13; ++c) {
            for (int i = 0; i < 3000; ++i) {
                x[size_t(i)] = 0.1 * (i + 1);
                y[size_t(i)] = 80 + 6 * c + 20 * std::log10(x[size_t(i)]) + 3 * std::sin(i * 0.05 + c);
            }
            sets.push_back(EngineCreateDataset(nullptr, x.data(), y.data(), 3000));
        }
        for (int axis = 0; axis < 2; ++axis) {
            EngineSetLineAttributes(graph, nullptr, 0, 1, 0);
            const EngineHandle h = axis == 0 ? EngineAddXAxis(graph, nullptr, 50, 4, 0)
                                             : EngineAddYAxis(graph, nullptr, 20, 4, 1);
            EngineSetTextAttributes(0, "Arial", 8, 0);
            EngineAddNumericAxisLabels(graph, nullptr, h, axis == 0 ? 0 : 1, 0, 0, 0, 0);
            EngineSetTextAttributes(0, "Arial", 10, 1);
            EngineAddAxisTitle(graph, nullptr, h, axis == 0 ? 0 : 1,
                               axis == 0 ? "Distance (km)" : "Path loss (dB)");
            EngineSetLineAttributes(graph, nullptr, 2, 1, 0xC0C0C0);
            EngineAddAxisGrid(graph, h, 2);
        }
        for (int c = 0; c < 13; ++c) {
            EngineSetLineAttributes(graph, nullptr, c % 5, 2, EngineGetPaletteColor(c + 1));
            EngineAddLinePlot(graph, nullptr, sets[size_t(c)], 0, 0);
        }
        const char* titles[3] = {"Path Loss Comparison", "150 MHz, hb 30 m, hm 1 m", "Footer"};
        const double ys[3] = {0.015, 0.11, 0.985};
        const int anchors[3] = {6, 14, 14};
        for (int t = 0; t < 3; ++t) {
            EngineSetTextAttributes(0, "Arial", t == 0 ? 14 : 9, 0);
            EngineAddTitle(graph, nullptr, titles[t], 0.5, ys[t], anchors[t], 0);
        }
        std::vector<char> block(13 * 42, '\0');
        for (int c = 0; c < 13; ++c) {
            std::snprintf(block.data() + c * 42, 42, "Model %d curve", c + 1);
        }
        EngineSetTextAttributes(0, "Arial", 8, 0);
        EngineAddSimpleLegend(graph, nullptr, 0.77, 0.12, 0.99, 0.6, 0, 1, 0, 0xFFFFFF, 0, block.data(), 13);
    }
    ~Chart() {
        EngineDeletePage(page);
        for (EngineHandle s : sets) {
            EngineDeleteDataset(s, 0);
        }
    }
};

void BM_DrawChartToImage(benchmark::State& state) {
    EnsureApplication();
    Chart chart;
    QImage image(1280, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        EnginePaintPage(chart.page, painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawChartToImage)->Unit(benchmark::kMillisecond);

void BM_WriteChartMetafile(benchmark::State& state) {
    EnsureApplication();
    Chart chart;
    for (auto _ : state) {
        const QByteArray bytes = EnginePageMetafileBytes(chart.page);
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK(BM_WriteChartMetafile)->Unit(benchmark::kMillisecond);

} // namespace
