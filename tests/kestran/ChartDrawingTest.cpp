#include "EngineFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <QStringList>

using namespace kestran;
using ChartDrawing = EngineFixture;

namespace {

std::vector<double> Range(int n, double step = 1.0) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) {
        v.push_back(i * step);
    }
    return v;
}

} // namespace

TEST_F(ChartDrawing, LinePlotIsAPolylineInItsColourInsideThePlotArea) {
    const EngineHandle d = Data({0, 2, 4, 6, 8, 10}, {0, 3, 9, 2, 12, 5});
    EngineSetLineAttributes(graph, nullptr, codes::PenSolid, 2, 0x0000FF);
    ASSERT_NE(EngineAddLinePlot(graph, nullptr, d, 0, 0), 0);
    Draw();
    const auto lines = InColour(Primitive::Polyline, 0x0000FF);
    ASSERT_FALSE(lines.empty());
    for (const Primitive* p : lines) {
        EXPECT_EQ(p->pen.width, 2);
        for (const QPointF& q : p->points) {
            EXPECT_TRUE(InsidePlot(q)) << q.x() << "," << q.y();
        }
    }
    EXPECT_EQ(lines.front()->points.front(), QPointF(160, 480)); // (0, 0)
    // y = 12 lies above the scale: the line is cut at the top edge.
    EXPECT_EQ(lines.size(), 2u);
}

// Values of any finite size, up to the largest double, are scaled into the plot and drawn there.
TEST_F(ChartDrawing, AutoScaledHugeValuesAreDrawnInsideThePlot) {
    const double top = std::numeric_limits<double>::max();
    for (const std::vector<double>& y :
         {std::vector<double>{1e305, 2e305, 3e305}, std::vector<double>{-1e308, 0, 1e308},
          std::vector<double>{-top, 1, top}}) {
        NewGraph();
        double lo = y.front(), hi = y.back(), interval = 0;
        ASSERT_EQ(EngineAutoScale(graph, 0, codes::ScaleLinear, &lo, &hi, &interval, codes::AutoRoundMajor),
                  1);
        EngineSetScale(graph, 0, lo, 10, hi);
        EngineSetLineAttributes(graph, nullptr, codes::PenSolid, 1, 0x0000FF);
        EngineAddLinePlot(graph, nullptr, Data({0, 5, 10}, y), 0, 0);
        Draw();
        const auto lines = InColour(Primitive::Polyline, 0x0000FF);
        ASSERT_EQ(lines.size(), 1u) << y.back();
        const std::vector<QPointF>& p = lines.front()->points;
        ASSERT_EQ(p.size(), 3u) << y.back();
        for (const QPointF& q : p) {
            EXPECT_TRUE(InsidePlot(q)) << y.back() << " at " << q.x() << "," << q.y();
        }
        EXPECT_GT(p.front().y() - p.back().y(), 180) << y.back(); // rising over half the plot and more
    }
}

TEST_F(ChartDrawing, WorldToDeviceAndBackWithinHalfAPixel) {
    for (bool log : {false, true}) {
        EngineSetScaleTypes(graph, log, log);
        EngineSetScale(graph, log ? 1 : -3, log ? 0.01 : 2, log ? 1e5 : 7, log ? 100 : 9);
        const EngineHandle x = EngineAddXAxis(graph, nullptr, 1, 0, 0);
        const EngineHandle y = EngineAddYAxis(graph, nullptr, 1, 0, 1);
        for (double fx : {0.0, 0.13, 0.5, 0.77, 1.0}) {
            const double wx = log ? std::pow(10.0, 5 * fx) : -3 + 10 * fx;
            const double wy = log ? std::pow(10.0, -2 + 4 * fx) : 2 + 7 * fx;
            double dx = 0, dy = 0;
            ASSERT_EQ(EngineWorldToDevice(graph, x, y, wx, wy, &dx, &dy), 1);
            EngineSetMousePosition(int(std::lround(dx)), int(std::lround(dy)));
            double bx = 0, by = 0;
            ASSERT_EQ(EngineDeviceToWorld(graph, x, y, &bx, &by), 1);
            double rx = 0, ry = 0;
            EngineWorldToDevice(graph, x, y, bx, by, &rx, &ry);
            EXPECT_LE(std::abs(rx - dx), 0.5) << wx;
            EXPECT_LE(std::abs(ry - dy), 0.5) << wy;
        }
    }
}

TEST_F(ChartDrawing, NormalizedMousePositionIsAFractionOfTheGraphWindow) {
    EngineSetMousePosition(200, 150);
    double x = 0, y = 0;
    ASSERT_EQ(EngineDeviceToNormalized(graph, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 0.25);
    EXPECT_DOUBLE_EQ(y, 0.25);
}

TEST_F(ChartDrawing, EveryPlotKindDrawsInItsColourInsideThePlotArea) {
    const ColorRef colour = 0x00A000;
    const std::vector<double> x = {1, 3, 5, 7, 9};
    const std::vector<double> y = {2, 4, 6, 3, 5};
    const std::vector<double> g3 = {6, 2, 4, 7, 3, 5, 8, 4, 6, 5, 1, 3, 6, 2, 4};
    const ColorRef colours[3] = {colour, colour, colour};
    const int hatches[3] = {-1, 2, 4};
    const int opaque[3] = {0, 0, 0};
    const int styles[3] = {0, 1, 2};
    const int widths[3] = {1, 1, 1};
    struct Case {
        const char* name;
        std::function<EngineHandle(EngineHandle simple, EngineHandle group)> add;
        Primitive::Kind kind;
    } cases[] = {
        {"line", [&](EngineHandle s, EngineHandle) { return EngineAddLinePlot(graph, nullptr, s, 0, 0); },
         Primitive::Polyline},
        {"area", [&](EngineHandle s, EngineHandle) { return EngineAddLinePlot(graph, nullptr, s, 1, 0); },
         Primitive::Polygon},
        {"spline", [&](EngineHandle s, EngineHandle) { return EngineAddLinePlot(graph, nullptr, s, 0, 1); },
         Primitive::Polyline},
        {"bar",
         [&](EngineHandle s, EngineHandle) {
             return EngineAddBarPlot(graph, nullptr, s, 0.75, 3, 6, colour, -1, 0);
         },
         Primitive::Polygon},
        {"bar3d",
         [&](EngineHandle s, EngineHandle) {
             return EngineAddBarPlot(graph, nullptr, s, 0.75, 0, 8, colour, 2, -1);
         },
         Primitive::Polygon},
        {"hbar",
         [&](EngineHandle s, EngineHandle) {
             return EngineAddBarPlot(graph, nullptr, s, 0.5, 4, 7, colour, 5, 0);
         },
         Primitive::Polygon},
        {"scatter",
         [&](EngineHandle s, EngineHandle) {
             return EngineAddScatterPlot(graph, nullptr, s, 4, colour, 6, 1, 1);
         },
         Primitive::Rectangle},
        {"marker",
         [&](EngineHandle s, EngineHandle) {
             return EngineAddLineMarkerPlot(graph, nullptr, s, 8, colour, 6, 0);
         },
         Primitive::Ellipse},
        {"group",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddGroupBarPlot(graph, nullptr, g, 1, 3, 6, 0, colours, hatches, opaque, 3);
         },
         Primitive::Polygon},
        {"deep",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddGroupBarPlot(graph, nullptr, g, 1, 3, 6, 1, colours, hatches, opaque, 3);
         },
         Primitive::Polygon},
        {"stacked",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddGroupBarPlot(graph, nullptr, g, 1, 3, 6, 2, colours, hatches, opaque, 3);
         },
         Primitive::Polygon},
        {"floating",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddFloatingBarPlot(graph, nullptr, g, 0.5, 3, 6, colour, 1, 0);
         },
         Primitive::Polygon},
        {"stackedlines",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddStackedLinePlot(graph, nullptr, g, 1, styles, widths, colours, 3);
         },
         Primitive::Polyline},
        {"hlc",
         [&](EngineHandle, EngineHandle g) {
             return EngineAddHighLowClosePlot(graph, nullptr, g, 4, colour, 6, 1);
         },
         Primitive::Rectangle},
        {"error", [&](EngineHandle, EngineHandle g) { return EngineAddErrorBarPlot(graph, nullptr, g, 6); },
         Primitive::Polyline},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGraph(20);
        EngineSetLineAttributes(graph, nullptr, 0, 1, colour);
        const EngineHandle s = Data(x, y);
        const EngineHandle g = Data(x, g3, 3);
        ASSERT_NE(c.add(s, g), 0);
        Draw();
        const auto drawn = InColour(c.kind, colour);
        ASSERT_FALSE(drawn.empty());
        for (const Primitive* p : drawn) {
            for (const QPointF& q : p->points) {
                EXPECT_TRUE(InsidePlot(q)) << q.x() << "," << q.y();
            }
            if (!p->rect.isNull()) {
                EXPECT_TRUE(Plot().adjusted(-0.01, -0.01, 0.01, 0.01).contains(p->rect));
            }
        }
    }
}

TEST_F(ChartDrawing, BarHatchesReachTheCanvas) {
    const EngineHandle d = Data({5}, {5});
    EngineAddBarPlot(graph, nullptr, d, 0.5, 3, 6, 0x0000FF, 3, 0);
    Draw();
    const auto bars = InColour(Primitive::Polygon, 0x0000FF);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0]->brush.hatch, 3);
}

TEST_F(ChartDrawing, NonFiniteAndLogClampedValuesAreSafe) {
    EngineSetScaleTypes(graph, 0, 1);
    EngineSetScale(graph, 0, 1, 10, 1000);
    const double nan = std::nan("");
    const EngineHandle d = Data({1, 2, 3, 4, 5, 6}, {10, nan, -5, 0, 100, INFINITY});
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0xFF0000);
    EngineAddLinePlot(graph, nullptr, d, 1, 1);
    Draw();
    for (const Primitive* p : InColour(Primitive::Polyline, 0xFF0000)) {
        for (const QPointF& q : p->points) {
            EXPECT_TRUE(std::isfinite(q.x()) && std::isfinite(q.y()));
            EXPECT_TRUE(InsidePlot(q));
        }
    }
}

TEST_F(ChartDrawing, PieSlicesFillTheirColoursAndExplode) {
    const double values[3] = {1, 1, 2};
    const ColorRef fills[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    const ColorRef borders[3] = {0, 0, 0};
    const int hatches[3] = {-1, -1, 4};
    const double explode[3] = {0, 0.2, 0};
    for (int mode : {codes::PieFlat, codes::Pie3D}) {
        NewGraph();
        const EngineHandle pie = EngineAddPieChart(graph, nullptr, values, 3, mode, codes::PiePercent, 0, 0.5,
                                                   0.5, 0.5, fills, borders, hatches, explode);
        ASSERT_NE(pie, 0);
        char block[3 * 42] = {};
        std::snprintf(block, 42, "North");
        ASSERT_EQ(EngineAddPieLabels(graph, pie, block, 3), 1);
        Draw();
        for (ColorRef c : fills) {
            EXPECT_FALSE(InColour(Primitive::Polygon, c).empty());
        }
        EXPECT_NE(canvas.FindText("North 25.0%"), nullptr);
        EXPECT_NE(canvas.FindText("50.0%"), nullptr);
        // The exploded slice's tip is moved away from the centre.
        const auto exploded = InColour(Primitive::Polygon, 0x00FF00);
        const QPointF tip = exploded.back()->points.front();
        EXPECT_GT(std::hypot(tip.x() - 400, tip.y() - 300), 10);
    }
}

TEST_F(ChartDrawing, ReattachedPlotDrawsItsNewDataSet) {
    const EngineHandle a = Data({1, 2}, {1, 1});
    const EngineHandle b = Data({1, 2}, {9, 9});
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0x0000FF);
    const EngineHandle plot = EngineAddLinePlot(graph, nullptr, a, 0, 0);
    ASSERT_EQ(EngineSetPlotDataset(graph, plot, b), 1);
    ASSERT_EQ(EngineRefreshPlot(graph, plot, 1), 1);
    Draw();
    const auto lines = InColour(Primitive::Polyline, 0x0000FF);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0]->points[0].y(), 480 - 9 * 36, 1e-9);
    // Deleting the set leaves the plot drawing nothing rather than old memory.
    EngineDeleteDataset(b, 0);
    Draw();
    EXPECT_TRUE(InColour(Primitive::Polyline, 0x0000FF).empty());
}

TEST_F(ChartDrawing, DataCursorAndRubberBand) {
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 5, 0, 0);
    const EngineHandle y = EngineAddYAxis(graph, nullptr, 5, 0, 1);
    const EngineHandle cursor =
        EngineAddDataCursor(graph, nullptr, codes::CursorPlotCrossHair, x, y, 10, 1, 0, 0x00FFFF);
    ASSERT_EQ(EngineMoveDataCursor(graph, cursor, 5, 5, 1), 1);
    Draw();
    const auto hair = InColour(Primitive::Polyline, 0x00FFFF);
    ASSERT_EQ(hair.size(), 2u);
    EXPECT_EQ(hair[0]->points[0], QPointF(160, 300));
    EXPECT_EQ(hair[1]->points[0], QPointF(400, 120));

    EngineSetMousePosition(160, 120); // world (0, 10)
    ASSERT_EQ(EngineBeginRubberBand(graph, 0, 0, 513, 0), 1);
    EngineSetMousePosition(400, 300); // world (5, 5)
    ASSERT_EQ(EngineEndMouseDrag(graph), 1);
    double x1, y1, x2, y2;
    ASSERT_EQ(EngineGetRubberBandRect(&x1, &y1, &x2, &y2), 1);
    EXPECT_NEAR(x1, 0, 1e-9);
    EXPECT_NEAR(y1, 10, 1e-9);
    EXPECT_NEAR(x2, 5, 1e-9);
    EXPECT_NEAR(y2, 5, 1e-9);
}

TEST_F(ChartDrawing, ReversedPlotAreaIsNormalised) {
    EngineSetPlotArea(graph, nullptr, 0.8, 0.8, 0.2, 0.2, 0xFFFFFF);
    const EngineHandle d = Data(Range(11), Range(11));
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0x0000FF);
    EngineAddLinePlot(graph, nullptr, d, 0, 0);
    Draw();
    const auto lines = InColour(Primitive::Polyline, 0x0000FF);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->points.front(), QPointF(160, 480));
}

TEST_F(ChartDrawing, EveryScatterShapeDrawsItsPrimitive) {
    struct Case {
        int shape;
        Primitive::Kind kind;
        size_t count; // primitives per point
    } cases[] = {
        {codes::ShapeX, Primitive::Polyline, 2},           {codes::ShapeUpTriangle, Primitive::Polygon, 1},
        {codes::ShapeDownTriangle, Primitive::Polygon, 1}, {codes::ShapeBox, Primitive::Rectangle, 1},
        {codes::ShapePlus, Primitive::Polyline, 2},        {codes::ShapeAsterisk, Primitive::Polyline, 4},
        {codes::ShapeDiamond, Primitive::Polygon, 1},      {codes::ShapeCircle, Primitive::Ellipse, 1},
        {codes::ShapeDot, Primitive::Ellipse, 1},          {codes::ShapeNone, Primitive::Polyline, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        NewGraph();
        EngineAddScatterPlot(graph, nullptr, Data({2, 5, 8}, {2, 5, 8}), c.shape, 0x00FF00, 8, 1, 0);
        Draw();
        EXPECT_EQ(InColour(c.kind, 0x00FF00).size(), 3 * c.count);
    }
}

TEST_F(ChartDrawing, BarJustificationPlacesTheBarAgainstItsPoint) {
    // One bar at x = 5 (device 400); bar positions 1 apart (48 pixels), width 0.5 -> 24 pixels.
    struct Case {
        int justify;
        double left, right;
    } cases[] = {
        {codes::JustifyMin, 400, 424}, {codes::JustifyCentre, 388, 412}, {codes::JustifyMax, 376, 400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.justify);
        NewGraph();
        EngineAddBarPlot(graph, nullptr, Data({4, 5}, {3, 6}), 0.5, c.justify, codes::Bar2DVertical, 0x0000FF,
                         -1, 0);
        Draw();
        const auto bars = InColour(Primitive::Polygon, 0x0000FF);
        ASSERT_EQ(bars.size(), 2u);
        double lo = 1e9, hi = -1e9, top = 1e9;
        for (const QPointF& p : bars[1]->points) {
            lo = std::min(lo, p.x());
            hi = std::max(hi, p.x());
            top = std::min(top, p.y());
        }
        EXPECT_NEAR(lo, c.left, 1e-6);
        EXPECT_NEAR(hi, c.right, 1e-6);
        EXPECT_NEAR(top, 480 - 6 * 36, 1e-6);
    }
}

TEST_F(ChartDrawing, BarsStandWhereTheOtherAxisCrosses) {
    auto expectExtent = [&](ColorRef colour, bool horizontal, double from, double to) {
        double lo = 1e9, hi = -1e9;
        for (const Primitive* p : InColour(Primitive::Polygon, colour)) {
            for (const QPointF& q : p->points) {
                lo = std::min(lo, horizontal ? q.x() : q.y());
                hi = std::max(hi, horizontal ? q.x() : q.y());
            }
        }
        EXPECT_NEAR(lo, from, 1e-9) << colour;
        EXPECT_NEAR(hi, to, 1e-9) << colour;
    };
    // The X axis crosses Y at 4 (device 336): a bar of 6 goes up from it, one of 2 down.
    EngineSetAxesIntercepts(graph, 3, 4);
    EngineAddBarPlot(graph, nullptr, Data({5}, {6}), 0.5, 3, codes::Bar2DVertical, 0x0000FF, -1, 0);
    EngineAddBarPlot(graph, nullptr, Data({7}, {2}), 0.5, 3, codes::Bar2DVertical, 0x00FF00, -1, 0);
    // Horizontal bars reach from where the Y axis crosses X (3, device 304).
    EngineAddBarPlot(graph, nullptr, Data({8}, {5}), 0.5, 3, codes::Bar2DHorizontal, 0xFF0000, -1, 0);
    // Stacked bars hold running totals: they grow from 0, whatever the crossing, from total to total.
    const ColorRef colours[2] = {0x00FFFF, 0xFF00FF};
    const int hatches[2] = {-1, -1}, opaque[2] = {0, 0};
    EngineAddGroupBarPlot(graph, nullptr, Data({2}, {5, 2}, 2), 0.5, 3, codes::Bar2DVertical,
                          codes::GroupStackedBars, colours, hatches, opaque, 2);
    Draw();
    expectExtent(0x0000FF, false, 480 - 6 * 36.0, 336.0);
    expectExtent(0x00FF00, false, 336.0, 480 - 2 * 36.0);
    expectExtent(0xFF0000, true, 304.0, 160 + 8 * 48.0);
    expectExtent(0x00FFFF, false, 480 - 5 * 36.0, 480.0);
    expectExtent(0xFF00FF, false, 480 - 7 * 36.0, 480 - 5 * 36.0);
}

TEST_F(ChartDrawing, AnyPieModeButFlatIsThreeDimensional) {
    const double values[2] = {1, 2};
    const ColorRef fills[2] = {0x0000FF, 0x00FF00}, borders[2] = {0, 0};
    const int hatches[2] = {-1, -1};
    const double explode[2] = {0, 0};
    std::map<int, size_t> polygons;
    for (int mode : {int(codes::PieFlat), int(codes::Pie3D), codes::PieFlat - 1}) { // 10 + an automation TRUE
        NewGraph();
        EngineAddPieChart(graph, nullptr, values, 2, mode, codes::PieNoNumbers, 0, 0.5, 0.5, 0.5, fills,
                          borders, hatches, explode);
        Draw();
        polygons[mode] = canvas.Find(Primitive::Polygon).size();
    }
    EXPECT_GT(polygons[codes::Pie3D], polygons[codes::PieFlat]);
    EXPECT_EQ(polygons[codes::PieFlat - 1], polygons[codes::Pie3D]);
}
