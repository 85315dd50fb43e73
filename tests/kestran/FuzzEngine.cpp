// Random sequences of engine calls: any handle (live, deleted or made up), any number (NaN,
// infinities, huge, negative), then a draw onto the recorder and into a metafile. The engine must
// neither crash nor hang nor grow without bound.

#include "canvas/RecordingCanvas.h"
#include "Kestran.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
    bool Done() const { return p_ >= end_; }
    uint8_t Byte() { return p_ < end_ ? *p_++ : 0; }
    int Int(int lo, int hi) { return lo + int(Byte() % unsigned(hi - lo + 1)); }
    double Double() {
        static const double special[] = {0.0,
                                         -0.0,
                                         1.0,
                                         -1.0,
                                         10.0,
                                         1e-20,
                                         1e300,
                                         -1e300,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(),
                                         0.5,
                                         1e-9,
                                         1e9};
        const uint8_t kind = Byte();
        if (kind < 64) {
            return special[kind % (sizeof special / sizeof special[0])];
        }
        if (kind < 128) {
            return (Byte() - 128) / 8.0;
        }
        double v = 0.0;
        uint8_t raw[8] = {};
        for (uint8_t& b : raw) {
            b = Byte();
        }
        std::memcpy(&v, raw, sizeof v);
        return v;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

struct Pool {
    std::vector<EngineHandle> pages, graphs, sets, objects;
    EngineHandle Pick(Input& in, const std::vector<EngineHandle>& from) {
        const uint8_t k = in.Byte();
        if (k < 16 || from.empty()) {
            return k < 4 ? 0 : int(k) * 257 % 65536; // made-up or stale handles
        }
        return from[k % from.size()];
    }
};

std::vector<char> Block(Input& in, int slotCount) {
    std::vector<char> block(size_t(slotCount) * 42, 'A'); // slotCount without NUL, on purpose
    for (int i = 0; i < slotCount; ++i) {
        block[size_t(i) * 42 + size_t(in.Int(0, 41))] = '\0';
    }
    return block;
}

void Step(Input& in, Pool& pool, kestran::RecordingCanvas& canvas) {
    const EngineHandle g = pool.Pick(in, pool.graphs);
    switch (in.Int(0, 27)) {
    case 0:
        pool.pages.push_back(EngineCreatePage("p", nullptr, "t", "m", 0xFFFFFF, 10, 0, 0, 0, 0,
                                              in.Int(-5, 250) * 4, in.Int(-5, 250) * 3, nullptr));
        break;
    case 1:
        pool.graphs.push_back(EngineCreateGraph(nullptr, pool.Pick(in, pool.pages), in.Double(), in.Double(),
                                                in.Double(), in.Double(), 0xFFFFFF, 0, in.Int(-2, 60),
                                                nullptr));
        break;
    case 2: {
        const int n = in.Int(-2, 60);
        const int groups = in.Int(0, 4);
        std::vector<double> x(size_t(std::max(n, 0)) + 1),
            y((size_t(std::max(n, 0)) + 1) * size_t(std::max(groups, 1)));
        for (double& v : x) {
            v = in.Double();
        }
        for (double& v : y) {
            v = in.Double();
        }
        pool.sets.push_back(groups <= 1 ? EngineCreateDataset(nullptr, x.data(), y.data(), n)
                                        : EngineCreateGroupDataset(nullptr, x.data(), y.data(), n, groups));
        break;
    }
    case 3:
        EngineSetPlotArea(g, nullptr, in.Double(), in.Double(), in.Double(), in.Double(), 0xEEEEEE);
        break;
    case 4:
        EngineSetScaleTypes(g, in.Int(0, 2), in.Int(0, 2));
        break;
    case 5:
        EngineSetScale(g, in.Double(), in.Double(), in.Double(), in.Double());
        break;
    case 6:
        EngineSetAxesIntercepts(g, in.Double(), in.Double());
        break;
    case 7: {
        double lo = in.Double(), hi = in.Double(), interval = 0;
        EngineAutoScale(g, in.Int(0, 1), in.Int(0, 1), &lo, &hi, &interval, in.Int(-1, 3));
        break;
    }
    case 8: {
        const EngineHandle a = in.Int(0, 1)
                                   ? EngineAddXAxis(g, nullptr, in.Double(), in.Int(-5, 200), in.Int(-1, 5))
                                   : EngineAddYAxis(g, nullptr, in.Double(), in.Int(-5, 200), in.Int(-1, 5));
        pool.objects.push_back(a);
        EngineAddNumericAxisLabels(g, nullptr, a, in.Int(-1, 5), in.Int(-1, 6), in.Int(-3, 40), 0, 0);
        break;
    }
    case 9: {
        const int slotCount = in.Int(0, 5);
        const std::vector<char> block = Block(in, slotCount);
        EngineAddStringAxisLabels(g, nullptr, pool.Pick(in, pool.objects), in.Int(-1, 5), in.Int(-3, 3),
                                  slotCount ? block.data() : nullptr, slotCount);
        break;
    }
    case 10:
        EngineAddAxisTitle(g, nullptr, pool.Pick(in, pool.objects), in.Int(-1, 5), "Title");
        EngineAddAxisGrid(g, pool.Pick(in, pool.objects), in.Int(-1, 3));
        break;
    case 11:
        EngineSetLineAttributes(g, nullptr, in.Int(-1, 7), in.Int(-1, 120), in.Byte() * 0x10101u);
        break;
    case 12:
        EngineSetTextAttributes(in.Byte(), in.Int(0, 1) ? "Arial" : nullptr, in.Int(-3, 250), in.Byte());
        break;
    case 13:
        pool.objects.push_back(
            EngineAddLinePlot(g, nullptr, pool.Pick(in, pool.sets), in.Int(0, 1), in.Int(0, 1)));
        break;
    case 14:
        pool.objects.push_back(EngineAddBarPlot(g, nullptr, pool.Pick(in, pool.sets), in.Double(),
                                                in.Int(-1, 5), in.Int(5, 10), 0xFF, in.Int(-2, 7),
                                                in.Int(-1, 1)));
        break;
    case 15:
        pool.objects.push_back(EngineAddScatterPlot(g, nullptr, pool.Pick(in, pool.sets), in.Int(-1, 11),
                                                    0xFF00, in.Int(-5, 300), in.Int(0, 1), in.Int(0, 1)));
        break;
    case 16: {
        const unsigned colours[4] = {0xFF, 0xFF00, 0xFF0000, 0};
        const int hatches[4] = {in.Int(-2, 7), in.Int(-2, 7), in.Int(-2, 7), in.Int(-2, 7)};
        const int widths[4] = {in.Int(-1, 120), 1, 2, 3};
        const int count = in.Int(-1, 4);
        switch (in.Int(0, 4)) {
        case 0:
            pool.objects.push_back(EngineAddGroupBarPlot(g, nullptr, pool.Pick(in, pool.sets), in.Double(), 3,
                                                         in.Int(5, 10), in.Int(-1, 3), colours, hatches,
                                                         hatches, count));
            break;
        case 1:
            pool.objects.push_back(EngineAddStackedLinePlot(g, nullptr, pool.Pick(in, pool.sets),
                                                            in.Int(0, 1), hatches, widths, colours, count));
            break;
        case 2:
            pool.objects.push_back(EngineAddHighLowClosePlot(
                g, nullptr, pool.Pick(in, pool.sets), in.Int(-1, 11), 0xFF, in.Int(-1, 300), in.Int(0, 1)));
            break;
        case 3:
            pool.objects.push_back(
                EngineAddErrorBarPlot(g, nullptr, pool.Pick(in, pool.sets), in.Int(-5, 300)));
            break;
        default:
            pool.objects.push_back(EngineAddFloatingBarPlot(g, nullptr, pool.Pick(in, pool.sets), in.Double(),
                                                            in.Int(-1, 5), in.Int(5, 10), 0xFF, in.Int(-2, 7),
                                                            0));
            break;
        }
        break;
    }
    case 17: {
        const int n = in.Int(-1, 20);
        std::vector<double> values(20), explode(20);
        std::vector<unsigned> colours(20, 0x808080);
        std::vector<int> hatches(20, in.Int(-2, 7));
        for (int i = 0; i < 20; ++i) {
            values[size_t(i)] = in.Double();
            explode[size_t(i)] = in.Double();
        }
        const EngineHandle pie = EngineAddPieChart(
            g, nullptr, values.data(), n, in.Int(9, 12), in.Int(-1, 4), in.Int(0, 1), in.Double(),
            in.Double(), in.Double(), colours.data(), colours.data(), hatches.data(), explode.data());
        pool.objects.push_back(pie);
        const std::vector<char> block = Block(in, 3);
        EngineAddPieLabels(g, pie, block.data(), 3);
        break;
    }
    case 18:
        pool.objects.push_back(EngineAddTitle(g, nullptr, "T", in.Double(), in.Double(), in.Int(-1, 20), 0));
        break;
    case 19: {
        const int slotCount = in.Int(0, 40);
        const std::vector<char> block = Block(in, slotCount);
        if (in.Int(0, 1)) {
            EngineAddSimpleLegend(g, nullptr, in.Double(), in.Double(), in.Double(), in.Double(), 0,
                                  in.Int(-1, 60), 0, 0xFFFFFF, in.Int(0, 1), block.data(), slotCount);
        } else {
            EngineAddGroupLegend(g, nullptr, in.Double(), in.Double(), in.Double(), in.Double(), 0, 1, 0,
                                 0xFFFFFF, in.Int(0, 1), block.data(), slotCount,
                                 pool.Pick(in, pool.objects));
        }
        break;
    }
    case 20: {
        const EngineHandle c = EngineAddDataCursor(g, nullptr, in.Int(-1, 3), pool.Pick(in, pool.objects),
                                                   pool.Pick(in, pool.objects), in.Int(-5, 600),
                                                   in.Int(-1, 200), in.Int(-1, 6), 0xFF);
        pool.objects.push_back(c);
        EngineMoveDataCursor(g, c, in.Double(), in.Double(), in.Int(0, 1));
        break;
    }
    case 21:
        EngineSetMousePosition(in.Int(-10, 250) * 4, in.Int(-10, 250) * 3);
        if (in.Int(0, 1)) {
            EngineBeginRubberBand(g, 0, 0, 513, 0);
        } else {
            EngineBeginDataCursorDrag(g, 0, 0, 513, in.Int(-1, 3), 0);
        }
        break;
    case 22: {
        double x, y, x2, y2;
        EngineEndMouseDrag(g);
        EngineGetRubberBandRect(&x, &y, &x2, &y2);
        EngineDeviceToWorld(g, pool.Pick(in, pool.objects), pool.Pick(in, pool.objects), &x, &y);
        EngineDeviceToNormalized(g, &x, &y);
        break;
    }
    case 23: {
        const EngineHandle d = pool.Pick(in, pool.sets);
        double lo, hi, fx, fy;
        EngineHandle found;
        int index;
        EngineGetDatasetXRange(d, &lo, &hi);
        EngineGetDatasetYRange(d, &lo, &hi);
        EngineGetDatasetBarRange(d, in.Int(0, 1), in.Int(0, 1), in.Int(-2, 4), in.Double(), in.Int(-1, 5),
                                 in.Int(5, 10), in.Int(-1, 20), &lo, &hi);
        in.Int(0, 1) ? EngineSortDatasetX(d, in.Int(0, 1)) : EngineSortDatasetY(d, in.Int(0, 1));
        EngineMarkDataPoint(d, in.Int(-2, 70), in.Int(0, 1));
        EngineFindNearestPoint(g, in.Double(), in.Double(), in.Int(-1, 3), &fx, &fy, &found, &index);
        break;
    }
    case 24:
        EngineSetPlotDataset(g, pool.Pick(in, pool.objects), pool.Pick(in, pool.sets));
        break;
    case 25:
        switch (in.Int(0, 3)) {
        case 0:
            EngineDeleteDataset(pool.Pick(in, pool.sets), 0);
            break;
        case 1:
            EngineDeleteGraph(g);
            break;
        case 2:
            EngineDeletePage(pool.Pick(in, pool.pages));
            break;
        default:
            EngineResizePage(pool.Pick(in, pool.pages), in.Int(-5, 250) * 4, in.Int(-5, 250) * 3);
            break;
        }
        break;
    case 26:
        EngineSetTickSizes(pool.Pick(in, pool.pages), in.Int(-10, 300), in.Int(-10, 300));
        EngineSetBorderStyle(g, in.Int(-1, 8));
        break;
    default: {
        const EngineHandle page = pool.Pick(in, pool.pages);
        canvas.Clear();
        EnginePaintPageToCanvas(page, canvas);
        if (in.Int(0, 3) == 0) {
            const QByteArray wmf = EnginePageMetafileBytes(page);
            (void)wmf;
        }
        break;
    }
    }
}

} // namespace

// Fontconfig keeps its caches until exit; they are not the engine's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv); // lives for the whole run
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    Pool pool;
    kestran::RecordingCanvas canvas;
    for (int steps = 0; steps < 200 && !in.Done(); ++steps) {
        Step(in, pool, canvas);
    }
    for (EngineHandle p : pool.pages) {
        canvas.Clear();
        EnginePaintPageToCanvas(p, canvas);
        EngineDeletePage(p);
    }
    for (EngineHandle d : pool.sets) {
        EngineDeleteDataset(d, 0);
    }
    return 0;
}
