// The chart the graph windows draw (1280 x 800, 13 curves of 3,000 points, axes, grids, titles
// and legend) at both pen widths, and one curve of 100,000 and 1,000,000 points, drawn into an
// image and a pixmap and written as a metafile.

#include "Scene.h"

#include <benchmark/benchmark.h>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

scene::Spec SpecOf(const benchmark::State& state) {
    return {int(state.range(0)), int(state.range(1)), int(state.range(2))};
}

void BM_DrawChartToImage(benchmark::State& state) {
    scene::EngineChart chart(SpecOf(state));
    QImage image(scene::kWidth, scene::kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        EnginePaintPage(chart.Page(), painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawChartToImage)
    ->ArgNames({"curves", "points", "pen"})
    ->Args({13, 3000, 1})
    ->Args({13, 3000, 2})
    ->Args({1, 100'000, 1})
    ->Args({1, 1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

// A pixmap, as a widget's grab draws: QPainter gets the lines as rectangles instead of the
// engine writing an image's pixels.
void BM_DrawChartToPixmap(benchmark::State& state) {
    scene::EngineChart chart(SpecOf(state));
    QPixmap pixmap(scene::kWidth, scene::kHeight);
    for (auto _ : state) {
        QPainter painter(&pixmap);
        EnginePaintPage(chart.Page(), painter);
        painter.end();
    }
}
BENCHMARK(BM_DrawChartToPixmap)
    ->ArgNames({"curves", "points", "pen"})
    ->Args({13, 3000, 1})
    ->Args({13, 3000, 2})
    ->Args({1, 1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_WriteChartMetafile(benchmark::State& state) {
    scene::EngineChart chart(SpecOf(state));
    for (auto _ : state) {
        const QByteArray bytes = EnginePageMetafileBytes(chart.Page());
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK(BM_WriteChartMetafile)
    ->ArgNames({"curves", "points", "pen"})
    ->Args({13, 3000, 2})
    ->Args({1, 1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
