#pragma once
// One 800 x 600 page with one graph filling it, plot area 0.2..0.8 (device 160..640 x 120..480),
// scale 0..10 on both axes; charts are drawn onto a recording canvas.

#include "canvas/RecordingCanvas.h"
#include "Kestran.h"

#include <gtest/gtest.h>

#include <vector>

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        page = EngineCreatePage("ZENT0", nullptr, "First Graph", "PageMenu", 0xFFFFFF, 10, 0x40000000u, 0, 0,
                                0, 800, 600, nullptr);
        NewGraph();
    }
    // The graph replaced by a fresh one with the plot area from `left` to 0.8 and 0.2 to 0.8, scale
    // 0..10 across and 0..yMax up.
    void NewGraph(double yMax = 10, double left = 0.2) {
        EngineDeleteGraph(graph);
        graph = EngineCreateGraph(nullptr, page, 0, 0, 1, 1, 0xFFFFFF, 0, 1, nullptr);
        EngineSetPlotArea(graph, nullptr, left, 0.2, 0.8, 0.8, 0xFFFFFF);
        EngineSetScale(graph, 0, 0, 10, yMax);
        EngineSetAxesIntercepts(graph, 0, 0);
    }
    void TearDown() override {
        EngineDeletePage(page);
        for (EngineHandle d : datasets) {
            EngineDeleteDataset(d, 0);
        }
    }
    EngineHandle Data(const std::vector<double>& x, const std::vector<double>& y, int groups = 1) {
        const EngineHandle d =
            groups == 1 ? EngineCreateDataset(nullptr, x.data(), y.data(), int(x.size()))
                        : EngineCreateGroupDataset(nullptr, x.data(), y.data(), int(x.size()), groups);
        datasets.push_back(d);
        return d;
    }
    const kestran::RecordingCanvas& Draw() {
        canvas.Clear();
        EnginePaintPageToCanvas(page, canvas);
        return canvas;
    }
    static QRectF Plot() { return QRectF(160, 120, 480, 360); }
    static bool InsidePlot(const QPointF& p) {
        return p.x() >= 159.999 && p.x() <= 640.001 && p.y() >= 119.999 && p.y() <= 480.001;
    }
    // Primitives of a kind drawn in a colour (pen for lines, brush for fills).
    std::vector<const kestran::Primitive*> InColour(kestran::Primitive::Kind kind,
                                                    kestran::ColorRef color) const {
        std::vector<const kestran::Primitive*> out;
        for (const kestran::Primitive* p : canvas.Find(kind)) {
            const bool fill = kind == kestran::Primitive::Polygon || kind == kestran::Primitive::Rectangle ||
                              kind == kestran::Primitive::Ellipse;
            if ((fill && !p->brush.hollow && p->brush.color == color) || (!fill && p->pen.color == color) ||
                (fill && p->pen.color == color && p->pen.style != 5)) {
                out.push_back(p);
            }
        }
        return out;
    }

    EngineHandle page = 0, graph = 0;
    std::vector<EngineHandle> datasets;
    kestran::RecordingCanvas canvas;
};
