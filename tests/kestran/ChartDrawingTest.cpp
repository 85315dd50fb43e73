#include "EngineFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
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

TEST_F(ChartDrawing, TinyTickIntervalFallsBackToAutomaticTicks) {
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0);
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 1e-9, 100, 0);
    EngineAddAxisGrid(graph, x, codes::GridBoth);
    Draw();
    EXPECT_LT(canvas.Primitives().size(), 5000u);
}

struct LabelCase {
    bool isX;
    int position;
    std::function<bool(const QRectF& text)> where;
};

TEST_F(ChartDrawing, AxisLabelsGoWhereTheirPositionCodePutsThem) {
    // X axis line at y = 480, Y axis line at x = 160.
    const LabelCase cases[] = {
        {true, codes::PosBelow, [](const QRectF& r) { return r.top() >= 480; }},
        {true, codes::PosAbove, [](const QRectF& r) { return r.bottom() <= 480; }},
        {true, codes::PosCentre, [](const QRectF& r) { return r.top() < 480 && r.bottom() > 480; }},
        {false, codes::PosLeft, [](const QRectF& r) { return r.right() <= 160; }},
        {false, codes::PosRight, [](const QRectF& r) { return r.left() >= 160; }},
        {false, codes::PosCentre, [](const QRectF& r) { return r.left() < 160 && r.right() > 160; }},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.isX << " " << c.position);
        NewGraph();
        const EngineHandle axis = c.isX ? EngineAddXAxis(graph, nullptr, 5, 0, c.position)
                                        : EngineAddYAxis(graph, nullptr, 5, 0, c.position);
        EngineAddNumericAxisLabels(graph, nullptr, axis, c.position, codes::NumDecimal, 1, 0, 0);
        Draw();
        const Primitive* five = canvas.FindText("5.0");
        ASSERT_NE(five, nullptr);
        EXPECT_TRUE(c.where(five->rect)) << five->rect.x() << "," << five->rect.y() << " "
                                         << five->rect.width() << "x" << five->rect.height();
        // Along the axis the label stands at its tick (5 -> x 400 or y 300).
        EXPECT_NEAR(c.isX ? five->rect.center().x() : five->rect.center().y(), c.isX ? 400 : 300, 2.0);
    }
}

TEST_F(ChartDrawing, StringLabelsStartAtTheirTick) {
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 5, 0, 0);
    char block[3 * 42] = {};
    std::snprintf(block, 42, "Low");
    std::snprintf(block + 42, 42, "High");
    EngineAddStringAxisLabels(graph, nullptr, x, 0, 1, block, 3);
    Draw();
    ASSERT_NE(canvas.FindText("Low"), nullptr);
    EXPECT_NEAR(canvas.FindText("Low")->rect.center().x(), 400, 2.0);
    EXPECT_NEAR(canvas.FindText("High")->rect.center().x(), 640, 2.0);
}

TEST_F(ChartDrawing, AxisTitlesSitOutsideTheLabels) {
    EngineSetTextAttributes(0, "Arial", 6, 0);
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 5, 0, 0);
    const EngineHandle y = EngineAddYAxis(graph, nullptr, 5, 0, 1);
    EngineAddNumericAxisLabels(graph, nullptr, x, 0, 0, 0, 0, 0);
    EngineAddNumericAxisLabels(graph, nullptr, y, 1, 0, 0, 0, 0);
    EngineSetTextAttributes(0x0000FF, "Arial", 8, codes::FontBold);
    EngineAddAxisTitle(graph, nullptr, x, 0, "Distance km");
    EngineAddAxisTitle(graph, nullptr, y, 1, "Loss dB");
    Draw();
    const Primitive* xt = canvas.FindText("Distance km");
    const Primitive* yt = canvas.FindText("Loss dB");
    ASSERT_TRUE(xt && yt);
    EXPECT_GT(xt->rect.top(), canvas.FindText("5")->rect.top());
    EXPECT_EQ(xt->font.color, 0x0000FFu);
    EXPECT_EQ(xt->font.style, codes::FontBold);
    EXPECT_EQ(yt->font.angle, 90);
    EXPECT_LT(yt->rect.right(), 160 - 5);
    EXPECT_NEAR(yt->rect.center().y(), 300, 2);
}

TEST_F(ChartDrawing, TitlesAnchorTopOrBottomAtTheirPoint) {
    EngineSetTextAttributes(0, "Arial", 8, 0);
    EngineAddTitle(graph, nullptr, "Main", 0.5, 0.015, codes::AnchorCentreTop, 0);
    EngineAddTitle(graph, nullptr, "Footer", 0.5, 0.985, codes::AnchorCentreBottom, 0);
    Draw();
    const Primitive* main = canvas.FindText("Main");
    const Primitive* footer = canvas.FindText("Footer");
    ASSERT_TRUE(main && footer);
    EXPECT_NEAR(main->rect.center().x(), 400, 1);
    EXPECT_NEAR(main->rect.top(), 9, 3);
    EXPECT_NEAR(footer->rect.bottom(), 591, 3);
    EXPECT_EQ(main->anchorCode, 6);
    EXPECT_EQ(footer->anchorCode, 14);
}

TEST_F(ChartDrawing, GridDrawsALineAtEveryTickInTheGridStyle) {
    EngineSetLineAttributes(graph, nullptr, codes::PenDot, 1, 0x808080);
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 2, 1, 0);
    EngineAddAxisGrid(graph, x, codes::GridBoth);
    Draw();
    const auto grid = InColour(Primitive::Polyline, 0x808080);
    // 6 majors (0..10 by 2) and 5 minors between them, plus the axis line itself and its ticks.
    int vertical = 0;
    for (const Primitive* p : grid) {
        if (p->pen.style == codes::PenDot && std::abs(p->points.front().y() - 120) < 1e-6 &&
            std::abs(p->points.back().y() - 480) < 1e-6) {
            ++vertical;
        }
    }
    EXPECT_EQ(vertical, 11);
}

TEST_F(ChartDrawing, SimpleLegendPairsLinesWithPlotsInDataSetOrder) {
    const EngineHandle first = Data({1, 2}, {1, 2});
    const EngineHandle second = Data({1, 2}, {3, 4});
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0x0000FF);
    EngineAddLinePlot(graph, nullptr, second, 0, 0); // added first, but its set came second
    EngineSetLineAttributes(graph, nullptr, 0, 1, 0xFF0000);
    EngineAddLinePlot(graph, nullptr, first, 0, 0);
    char block[2 * 42] = {};
    std::snprintf(block, 42, "First");
    std::snprintf(block + 42, 42, "Second");
    EngineAddSimpleLegend(graph, nullptr, 0.7, 0.01, 0.99, 0.3, 0, 1, 0, 0xFFFFFF, 0, block, 2);
    Draw();
    auto sampleColourNextTo = [&](const char* text) -> ColorRef {
        const Primitive* t = canvas.FindText(text);
        EXPECT_NE(t, nullptr);
        for (const Primitive& p : canvas.Primitives()) {
            if (p.kind == Primitive::Polyline && p.points.size() == 2 && p.points[0].y() == p.points[1].y() &&
                std::abs(p.points[0].y() - t->anchor.y()) < 3 && p.points[1].x() < t->rect.left()) {
                return p.pen.color;
            }
        }
        return 0xFFFFFFFF;
    };
    EXPECT_EQ(sampleColourNextTo("First"), 0xFF0000u);
    EXPECT_EQ(sampleColourNextTo("Second"), 0x0000FFu);
}

TEST_F(ChartDrawing, GroupLegendShowsTheGroupsOfItsPlot) {
    const EngineHandle g = Data({1, 2}, {1, 2, 3, 4}, 2);
    const ColorRef colours[2] = {0x0000FF, 0x00FF00};
    const int hatches[2] = {-1, 1};
    const int opaque[2] = {0, 0};
    const EngineHandle plot =
        EngineAddGroupBarPlot(graph, nullptr, g, 1, 3, 6, 0, colours, hatches, opaque, 2);
    char block[2 * 42] = {};
    std::snprintf(block, 42, "A");
    std::snprintf(block + 42, 42, "B");
    EngineAddGroupLegend(graph, nullptr, 0.7, 0.01, 0.99, 0.3, 0, 1, 0, 0xFFFFFF, 0, block, 2, plot);
    Draw();
    int swatches = 0;
    for (const Primitive* r : canvas.Find(Primitive::Rectangle)) {
        if (r->rect.top() < 180 &&
            (r->brush.color == 0x0000FF || (r->brush.color == 0x00FF00 && r->brush.hatch == 1))) {
            ++swatches;
        }
    }
    EXPECT_EQ(swatches, 2);
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

TEST_F(ChartDrawing, CrowdedLabelsAreThinnedAndLogDecimalsStaySignificant) {
    EngineSetScale(graph, 0, 0.001, 1000, 10);
    const EngineHandle x = EngineAddXAxis(graph, nullptr, 1, 0, 0); // 1001 ticks on 480 pixels
    EngineAddNumericAxisLabels(graph, nullptr, x, 0, codes::NumDecimal, 0, 0, 0);
    EngineSetScaleTypes(graph, 0, 1);
    const EngineHandle y = EngineAddYAxis(graph, nullptr, 1, 0, 1);
    EngineAddNumericAxisLabels(graph, nullptr, y, 1, codes::NumDecimal, 0, 0, 0);
    Draw();
    std::vector<QRectF> xLabels;
    for (const Primitive* t : canvas.Find(Primitive::Text)) {
        if (t->rect.top() >= 480) {
            xLabels.push_back(t->rect);
        }
    }
    ASSERT_GE(xLabels.size(), 5u);
    EXPECT_LE(xLabels.size(), 120u);
    for (size_t i = 1; i < xLabels.size(); ++i) {
        EXPECT_GE(xLabels[i].left(), xLabels[i - 1].right());
    }
    EXPECT_NE(canvas.FindText("0.001"), nullptr);
    EXPECT_NE(canvas.FindText("0.1"), nullptr);
    EXPECT_NE(canvas.FindText("10"), nullptr);
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

TEST_F(ChartDrawing, MinorTicksAndGridLinesTooCloseToSeeAreLeftOut) {
    // X 0..10 over 480 pixels, majors every 2 (96 pixels): minor ticks n per interval are
    // 96 / (n + 1) pixels apart; minor grid lines need 8 pixels, minor ticks 3.
    struct Case {
        int minor;
        int ticks, gridLines; // below the axis line / across the plot
    } cases[] = {{1, 11, 11}, {9, 51, 51}, {15, 81, 6}, {39, 6, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minor);
        NewGraph();
        EngineSetLineAttributes(graph, nullptr, codes::PenSolid, 1, 0x000080);
        const EngineHandle x = EngineAddXAxis(graph, nullptr, 2, c.minor, codes::PosBelow);
        EngineSetLineAttributes(graph, nullptr, codes::PenDot, 1, 0x808080);
        EngineAddAxisGrid(graph, x, codes::GridBoth);
        Draw();
        int ticks = 0, grid = 0;
        for (const Primitive* p : canvas.Find(Primitive::Polyline)) {
            const bool vertical = p->points.size() == 2 && p->points[0].x() == p->points[1].x();
            ticks += vertical && p->pen.color == 0x000080 && p->points[0].y() >= 480 ? 1 : 0;
            grid += vertical && p->pen.color == 0x808080 ? 1 : 0;
        }
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(grid, c.gridLines);
    }
}

// Labels with no room at every major tick stand on every n-th tick counted from zero, n chosen so
// that they count in 1-2-5 steps with half a line free between them; major grid lines closer than
// 8 pixels and major ticks closer than 3 are thinned too, keeping every labelled tick. The plot
// area is 480 x 360 pixels.
TEST_F(ChartDrawing, DenseLabelsCountInOneTwoFiveSteps) {
    struct Case {
        const char* name;
        bool isX;
        double min, max, interval, points;
        const char* labels; // as shown along the axis
        int ticks, gridLines;
    };
    const Case cases[] = {
        {"room at every tick", true, 0, 10, 1, 8, "0 1 2 3 4 5 6 7 8 9 10", 11, 11},
        {"12 pixels a tick: every other", false, 0, 30, 1, 8, "0 2 4 6 8 10 12 14 16 18 20 22 24 26 28 30",
         31, 31},
        {"9 pixels a tick: every 5th", false, 0, 40, 1, 8, "0 5 10 15 20 25 30 35 40", 41, 41},
        {"step 5: every 20, neither 50 65 80 nor 50 75 100", false, 50, 250, 5, 8,
         "60 80 100 120 140 160 180 200 220 240", 41, 41},
        {"4.5 pixels a tick: grid lines every 5", false, 50, 250, 2.5, 8,
         "60 80 100 120 140 160 180 200 220 240", 81, 41},
        {"25 across: 100, not 50", true, 0, 1000, 25, 8, "0 100 200 300 400 500 600 700 800 900 1000", 41,
         41},
        {"1001 ticks across", true, 0, 1000, 1, 8, "0 100 200 300 400 500 600 700 800 900 1000", 101, 51},
        {"fractions", false, 0, 2, 0.05, 8, "0.0 0.2 0.4 0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0", 41, 41},
        {"15 has no 1-2-5 multiple: its own 30", false, 0, 300, 15, 14,
         "0 30 60 90 120 150 180 210 240 270 300", 21, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewGraph();
        EngineSetScale(graph, c.isX ? c.min : 0, c.isX ? 0 : c.min, c.isX ? c.max : 10, c.isX ? 10 : c.max);
        EngineSetAxesIntercepts(graph, c.isX ? c.min : 0, c.isX ? 0 : c.min);
        EngineSetTextAttributes(0, "Arial", c.points, 0);
        EngineSetLineAttributes(graph, nullptr, codes::PenSolid, 1, 0x000080);
        const EngineHandle axis = c.isX ? EngineAddXAxis(graph, nullptr, c.interval, 0, codes::PosBelow)
                                        : EngineAddYAxis(graph, nullptr, c.interval, 0, codes::PosLeft);
        EngineAddNumericAxisLabels(graph, nullptr, axis, c.isX ? codes::PosBelow : codes::PosLeft,
                                   codes::NumDecimal, 0, 0, 0);
        EngineSetLineAttributes(graph, nullptr, codes::PenDot, 1, 0x808080);
        EngineAddAxisGrid(graph, axis, codes::GridMajor);
        Draw();
        std::vector<const Primitive*> texts = canvas.Find(Primitive::Text);
        std::sort(texts.begin(), texts.end(), [&](const Primitive* l, const Primitive* r) {
            return c.isX ? l->rect.center().x() < r->rect.center().x()
                         : l->rect.center().y() > r->rect.center().y();
        });
        QStringList shown;
        for (const Primitive* t : texts) {
            shown << t->text;
        }
        EXPECT_EQ(shown.join(' ').toStdString(), c.labels);
        int ticks = 0, grid = 0;
        for (const Primitive* p : canvas.Find(Primitive::Polyline)) {
            const bool across = p->points.size() == 2 && (c.isX ? p->points[0].x() == p->points[1].x()
                                                                : p->points[0].y() == p->points[1].y());
            ticks += across && p->pen.color == 0x000080 ? 1 : 0;
            grid += across && p->pen.color == 0x808080 ? 1 : 0;
        }
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(grid, c.gridLines);
    }
}

TEST_F(ChartDrawing, NumbersTooWideBesideTheAxisAreWrittenScientific) {
    EngineSetTextAttributes(0, "Arial", 8, 0);
    for (double left : {0.2, 0.05}) {
        SCOPED_TRACE(left);
        NewGraph(4e7, left);
        const EngineHandle y = EngineAddYAxis(graph, nullptr, 1e7, 0, codes::PosLeft);
        EngineAddNumericAxisLabels(graph, nullptr, y, codes::PosLeft, codes::NumDecimal, 0, 0, 0);
        Draw();
        // 160 pixels beside the axis hold the decimal form, 40 do not.
        EXPECT_EQ(canvas.FindText("20000000") != nullptr, left > 0.1);
        EXPECT_EQ(canvas.FindText("2E+07") != nullptr, left < 0.1);
    }
}

TEST_F(ChartDrawing, LegendShowsEveryEntryAndDrawsNoFarLargerFrame) {
    std::vector<char> block(42 * 12, '\0');
    for (int k = 0; k < 12; ++k) {
        std::snprintf(block.data() + 42 * k, 42, "Curve number %d", k + 1);
    }
    auto frame = [&]() -> QRectF {
        for (const Primitive* r : canvas.Find(Primitive::Rectangle)) {
            if (r->brush.color == 0xEEEEEE) {
                return r->rect;
            }
        }
        return QRectF();
    };
    // Twelve entries in the default box (0.7..0.99 x 0.01..0.3 of 800 x 600): all are drawn.
    EngineSetTextAttributes(0, "Arial", 6, 0);
    EngineAddSimpleLegend(graph, nullptr, 0.7, 0.01, 0.99, 0.3, 0, 1, 0, 0xEEEEEE, 0, block.data(), 12);
    Draw();
    for (int k = 1; k <= 12; ++k) {
        const Primitive* t = canvas.FindText(QStringLiteral("Curve number %1").arg(k));
        ASSERT_NE(t, nullptr) << k;
        EXPECT_TRUE(frame().contains(t->rect)) << k;
    }
    // Two entries in a box for twelve: the frame fits them, in the box's top right corner.
    NewGraph();
    EngineAddSimpleLegend(graph, nullptr, 0.5, 0.01, 0.99, 0.6, 0, 1, 0, 0xEEEEEE, 0, block.data(), 2);
    Draw();
    const QRectF f = frame();
    EXPECT_LT(f.height(), 0.59 * 600 / 2);
    EXPECT_NEAR(f.right(), 0.99 * 800, 1);
    EXPECT_NEAR(f.top(), 0.01 * 600, 1);
    EXPECT_TRUE(f.contains(canvas.FindText("Curve number 2")->rect));
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
    // Stacked bars start there too and go on from total to total.
    const ColorRef colours[2] = {0x00FFFF, 0xFF00FF};
    const int hatches[2] = {-1, -1}, opaque[2] = {0, 0};
    EngineAddGroupBarPlot(graph, nullptr, Data({2}, {5, 2}, 2), 0.5, 3, codes::Bar2DVertical,
                          codes::GroupStackedBars, colours, hatches, opaque, 2);
    Draw();
    expectExtent(0x0000FF, false, 480 - 6 * 36.0, 336.0);
    expectExtent(0x00FF00, false, 336.0, 480 - 2 * 36.0);
    expectExtent(0xFF0000, true, 304.0, 160 + 8 * 48.0);
    expectExtent(0x00FFFF, false, 480 - 5 * 36.0, 336.0);
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
