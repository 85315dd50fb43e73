// Axes, their labels and titles, grids, chart titles and legends, drawn onto the recording canvas.

#include "EngineFixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <QStringList>

using namespace kestran;
using ChartDrawing = EngineFixture;

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
