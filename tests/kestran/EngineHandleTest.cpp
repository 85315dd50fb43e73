#include "EngineFixture.h"

#include <cmath>
#include <limits>

using EngineHandles = EngineFixture;

TEST_F(EngineHandles, AddOperationsReturnDistinctNonZeroHandles) {
    const EngineHandle d = Data({1, 2}, {1, 2});
    const EngineHandle a = EngineAddXAxis(graph, nullptr, 1, 0, 0);
    const EngineHandle p = EngineAddLinePlot(graph, nullptr, d, 0, 0);
    const EngineHandle t = EngineAddTitle(graph, nullptr, "T", 0.5, 0.1, 6, 0);
    for (EngineHandle h : {page, graph, d, a, p, t}) {
        EXPECT_GT(h, 0);
        EXPECT_LE(h, 0x7FFF);
    }
    EXPECT_NE(a, p);
    EXPECT_NE(p, t);
}

TEST_F(EngineHandles, UnknownAndStaleHandlesAreRefusedWithoutEffect) {
    const EngineHandle d = Data({1, 2}, {1, 2});
    const EngineHandle oldGraph = graph;
    EXPECT_EQ(EngineDeleteGraph(graph), 1);
    EXPECT_EQ(EngineDeleteGraph(oldGraph), 0);
    EXPECT_EQ(EngineAddLinePlot(oldGraph, nullptr, d, 0, 0), 0);
    EXPECT_EQ(EngineAddXAxis(oldGraph, nullptr, 1, 0, 0), 0);
    EXPECT_EQ(EngineIsGraphReady(oldGraph), 0);
    graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0xFFFFFF, 0, 1, nullptr);
    EXPECT_NE(graph, oldGraph); // a deleted handle is not handed out again at once
    EXPECT_EQ(EngineAddLinePlot(graph, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(EngineAddLinePlot(graph, nullptr, 12345, 0, 0), 0);
    EXPECT_EQ(EngineEnableAxis(graph, 999, 0), 0);
    EXPECT_EQ(EngineSetPlotDataset(graph, 4242, d), 0);
    EXPECT_EQ(EngineMoveDataCursor(graph, 0, 1, 1, 1), 0);
}

// Refused before a value is read: the caller's draw is then incomplete, and the engine says why.
TEST_F(EngineHandles, DataSetTheEngineCannotHoldIsRefusedWithAnError) {
    double x = 0.0, y = 0.0;
    struct Case {
        const double* x;
        int count, groups;
    };
    for (const Case& c : {Case{&x, 4'000'000, 16}, Case{nullptr, 1, 1}, Case{&x, 1, 1025}}) {
        EngineHandleError();
        EXPECT_EQ(EngineCreateGroupDataset(nullptr, c.x, &y, c.count, c.groups), 0) << c.count;
        EXPECT_EQ(EngineGetLastError(), kestran::codes::ErrorDataSetRefused) << c.count;
    }
    EngineHandleError();
}

TEST_F(EngineHandles, RangeQueriesOfUnknownSetsLeaveThePresets) {
    double lo = 0.0, hi = 1.0;
    EXPECT_EQ(EngineGetDatasetYRange(0, &lo, &hi), 0);
    EXPECT_EQ(EngineGetDatasetXRange(31000, &lo, &hi), 0);
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 1.0);
}

TEST_F(EngineHandles, DatasetQueriesWriteThroughPointers) {
    const EngineHandle d = Data({4, 1, 3}, {40, 10, 30});
    double lo = 0, hi = 0;
    ASSERT_EQ(EngineGetDatasetXRange(d, &lo, &hi), 1);
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 4);
    ASSERT_EQ(EngineSortDatasetX(d, 1), 1);
    EngineAddLinePlot(graph, nullptr, d, 0, 0);
    double fx = 0, fy = 0;
    EngineHandle found = 0;
    int index = -1;
    ASSERT_EQ(EngineFindNearestPoint(graph, 3.2, 29, 1, &fx, &fy, &found, &index), 1);
    EXPECT_EQ(found, d);
    EXPECT_EQ(index, 1); // sorted: 1, 3, 4
    EXPECT_EQ(fx, 3);
    EXPECT_EQ(fy, 30);
    EXPECT_EQ(EngineMarkDataPoint(d, 1, 1), 1);
    EXPECT_EQ(EngineMarkDataPoint(d, 3, 1), 0);
}

TEST_F(EngineHandles, AutoScaleRewritesTheRangeInPlace) {
    double lo = 0.3, hi = 97, interval = 0;
    ASSERT_EQ(EngineAutoScale(graph, 1, 0, &lo, &hi, &interval, 2), 1);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 100);
    EXPECT_EQ(interval, 20);
    EXPECT_EQ(EngineAutoScale(graph, 1, 0, nullptr, &hi, &interval, 2), 0);
}

TEST_F(EngineHandles, AxisReadBackGivesTheScaleItWasAddedWith) {
    EngineSetScale(graph, 2, -1, 8, 1);
    EngineSetAxesIntercepts(graph, 2, -1);
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 0, 4, 0);
    double interval = 0, lo = 0, hi = 0, at = 5;
    int minor = 0, pos = 7;
    ASSERT_EQ(EngineGetAxisTicks(graph, x, &interval, &minor, &pos), 1);
    EXPECT_GT(interval, 0); // an interval of 0 became an automatic one
    EXPECT_EQ(minor, 4);
    EXPECT_EQ(pos, 0);
    ASSERT_EQ(EngineGetAxisScale(graph, x, &lo, &hi, &at), 1);
    EXPECT_EQ(lo, 2);
    EXPECT_EQ(hi, 8);
    EXPECT_EQ(at, -1);
}

namespace {

struct Recorder : EnginePageCallback, EngineGraphCallback {
    std::vector<std::string> calls;
    EngineHandle graph = 0;
    void OnPageCreated(EngineHandle page) override {
        calls.push_back("page");
        graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0xFFFFFF, 0, 1, this);
    }
    void OnBuildGraph(EngineHandle g, EngineDC dc) override {
        calls.push_back("build");
        EXPECT_EQ(g, graph);
        EXPECT_NE(dc, nullptr);
        EngineAddTitle(g, dc, "Built", 0.5, 0.02, 6, 0);
    }
};

} // namespace

TEST(EngineCallbacks, FirstPaintCreatesAndBuildsOnceEach) {
    Recorder r;
    const EngineHandle page =
        EngineCreatePage("ZENT1", nullptr, "", "", 0xFFFFFF, 10, 0, 0, 0, 0, 300, 200, &r);
    EXPECT_EQ(EngineIsPageReady(page), 0);
    kestran::RecordingCanvas canvas;
    EnginePaintPageToCanvas(page, canvas);
    EnginePaintPageToCanvas(page, canvas);
    EXPECT_EQ(r.calls, (std::vector<std::string>{"page", "build"}));
    EXPECT_EQ(EngineIsPageReady(page), 1);
    EXPECT_EQ(EngineIsGraphReady(r.graph), 1);
    EXPECT_EQ(canvas.Find(kestran::Primitive::Text).size(), 2u);
    // A rebuilt graph is built again at its first draw.
    EngineDeleteGraph(r.graph);
    r.graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0xFFFFFF, 0, 1, &r);
    EnginePaintPageToCanvas(page, canvas);
    EXPECT_EQ(r.calls.size(), 3u);
    EngineDeletePage(page);
}

namespace {

struct SelfDeleting : EngineGraphCallback {
    void OnBuildGraph(EngineHandle g, EngineDC) override { EngineDeletePage(EngineGetPageOfGraph(g)); }
};

} // namespace

TEST(EngineCallbacks, BuildThatDeletesItsOwnPageIsSafe) {
    SelfDeleting cb;
    const EngineHandle page =
        EngineCreatePage("ZENT2", nullptr, "", "", 0, 10, 0, 0, 0, 0, 100, 100, nullptr);
    const EngineHandle graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0, 0, 1, &cb);
    kestran::RecordingCanvas canvas;
    EXPECT_EQ(EnginePaintPageToCanvas(page, canvas), 0);
    EXPECT_EQ(EngineIsGraphReady(graph), 0);
    EXPECT_EQ(EngineIsPageReady(page), 0);
}

TEST(EngineCallbacks, PrinterSetupWithoutHookShowsNothingAndFails) {
    EngineSetPrinterSetupHook(nullptr);
    EXPECT_EQ(EnginePrinterSetup(nullptr), 0);
    int shown = 0;
    EngineSetPrinterSetupHook([&](QPrinter&, void*) { return ++shown == 1; });
    EXPECT_EQ(EnginePrinterSetup(nullptr), 1);
    EXPECT_EQ(shown, 1);
    EngineSetPrinterSetupHook(nullptr);
}

TEST(EngineFft, OperationsReachTheFftRoutinesAndRefuseBadArguments) {
    double re[4] = {1, 0, 0, 0}, im[4] = {0, 0, 0, 0};
    ASSERT_EQ(EngineFFTComplex(re, im, 4, 0), 1);
    EXPECT_DOUBLE_EQ(EngineFFTMagnitude(re, im, 4, 2), 1.0);
    EXPECT_EQ(EngineFFTComplex(re, im, 3, 0), 0);
    EXPECT_EQ(EngineFFTMagnitude(re, im, 4, 9), 0.0);
    EXPECT_EQ(EngineFFTPhase(re, im, 4, -1), 0.0);
    EXPECT_DOUBLE_EQ(EngineFFTFrequency(8, 100, 2), 25.0);
}

TEST_F(EngineHandles, PageWindowRecordOperations) {
    EXPECT_EQ(EngineGetPageFromWindow(page), page);
    EXPECT_EQ(EngineGetPageWindow(page), page);
    EXPECT_EQ(EngineGetGraphWindow(graph), graph);
    EXPECT_EQ(EngineSetPageOption(page, 1), 1);
    EXPECT_EQ(EngineSetGraphOption(graph, 1), 1);
    ASSERT_EQ(EngineMarkCurrentGraph(page, graph), 1);
    Draw();
    int dotted = 0;
    for (const kestran::Primitive* r : canvas.Find(kestran::Primitive::Rectangle)) {
        dotted += r->pen.style == kestran::codes::PenDot && r->brush.hollow;
    }
    EXPECT_EQ(dotted, 1);
    EngineMarkCurrentGraph(page, graph); // toggles the mark off
    Draw();
    for (const kestran::Primitive* r : canvas.Find(kestran::Primitive::Rectangle)) {
        EXPECT_NE(r->pen.style, kestran::codes::PenDot);
    }
    const EngineHandle old = page;
    EXPECT_EQ(EngineFreeWindowRecord(page), 1);
    EXPECT_EQ(EngineGetPageFromWindow(old), 0);
    EXPECT_EQ(EngineGetPageOfGraph(graph), 0);
    page = 0;
}

TEST_F(EngineHandles, RepaintHandlerHearsRedrawRequestsUnlessRedrawIsOff) {
    int asked = 0;
    EngineSetRepaintHandler(page, [&] { ++asked; });
    EngineRedrawGraph(graph, 1);
    EngineRedrawPage(page);
    EXPECT_EQ(asked, 2);
    EngineSetPageRedraw(page, 0);
    EngineRedrawPage(page);
    EXPECT_EQ(asked, 2);
}

TEST(EngineHandleReuse, DeletedObjectsGiveTheirHandlesBack) {
    const double v[2] = {1, 2};
    char block[42] = "Legend";
    for (int i = 0; i < 70000; ++i) { // more objects than there are 16-bit handles
        const EngineHandle page =
            EngineCreatePage("p", nullptr, "", "", 0, 10, 0, 0, 0, 0, 100, 100, nullptr);
        const EngineHandle graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0, 0, 1, nullptr);
        const EngineHandle set = EngineCreateDataset(nullptr, v, v, 2);
        const EngineHandle axis = EngineAddXAxis(graph, nullptr, 1, 0, 0);
        ASSERT_NE(EngineAddLinePlot(graph, nullptr, set, 0, 0), 0) << i;
        EngineAddTitle(graph, nullptr, "T", 0.5, 0.5, 6, 0);
        EngineAddSimpleLegend(graph, nullptr, 0, 0, 1, 1, 0, 1, 0, 0, 0, block, 1);
        EngineAddDataCursor(graph, nullptr, 0, axis, axis, 5, 1, 0, 0);
        EngineDeletePage(page);
        EngineDeleteDataset(set, 0);
    }
}

namespace {

// A build that asks for repaints and paints its page again from inside the paint.
struct Reentrant : EngineGraphCallback {
    kestran::RecordingCanvas* canvas = nullptr;
    int inner = -1;
    void OnBuildGraph(EngineHandle g, EngineDC) override {
        EngineRedrawGraph(g, 1);
        inner = EnginePaintPageToCanvas(EngineGetPageOfGraph(g), *canvas);
    }
};

} // namespace

TEST(EngineCallbacks, PaintingFromInsideAPaintIsRefusedAndAsksNoRepaint) {
    Reentrant cb;
    kestran::RecordingCanvas canvas;
    cb.canvas = &canvas;
    const EngineHandle page =
        EngineCreatePage("ZENT3", nullptr, "", "", 0, 10, 0, 0, 0, 0, 100, 100, nullptr);
    EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0, 0, 1, &cb);
    int asked = 0;
    EngineSetRepaintHandler(page, [&] { ++asked; });
    EXPECT_EQ(EnginePaintPageToCanvas(page, canvas), 1);
    EXPECT_EQ(cb.inner, 0);
    EXPECT_EQ(asked, 0);
    EngineRedrawPage(page);
    EXPECT_EQ(asked, 1);
    EngineDeletePage(page);
}
