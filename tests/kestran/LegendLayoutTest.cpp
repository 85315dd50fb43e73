#include "render/LegendLayout.h"

#include <gtest/gtest.h>

using namespace kestran;

// Entries 50 pixels wide on lines 10 pixels high, padding 4.
TEST(LegendLayout, EntriesThatDoNotFitGetATighterStepThenMoreColumnsThenSmallerText) {
    struct Case {
        const char* name;
        int entries;
        QSizeF box;
        bool horizontal;
        int rows, columns;
        double scale, step;
    } cases[] = {
        {"one column", 3, {100, 100}, false, 3, 1, 1.0, 12},
        {"tighter step", 5, {100, 58}, false, 5, 1, 1.0, 10},
        {"two columns", 6, {120, 40}, false, 3, 2, 1.0, 10},
        {"smaller text", 8, {100, 50}, false, 4, 2, 0.8, 9.6},
        {"one row", 2, {200, 40}, true, 1, 2, 1.0, 12},
        {"two rows", 4, {150, 40}, true, 2, 2, 1.0, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LegendLayout l =
            LayOutLegend(std::vector<double>(size_t(c.entries), 50.0), 10, c.box, c.horizontal, 4);
        EXPECT_EQ(l.rows, c.rows);
        EXPECT_EQ(l.columns, c.columns);
        EXPECT_DOUBLE_EQ(l.scale, c.scale);
        EXPECT_DOUBLE_EQ(l.step, c.step);
        EXPECT_LE(l.size.width(), c.box.width() + 0.5);
        EXPECT_LE(l.size.height(), c.box.height() + 0.5);
        EXPECT_GE(l.rows * l.columns, c.entries);
    }
}

TEST(LegendLayout, EveryEntryHasItsCellEvenWhenNothingFits) {
    const LegendLayout l = LayOutLegend(std::vector<double>(40, 50.0), 10, QSizeF(60, 30), false, 4);
    EXPECT_GE(l.rows * l.columns, 40);
    EXPECT_GT(l.size.height(), 30);
    // Vertical legends fill columns first, horizontal ones rows.
    const LegendLayout two = LayOutLegend(std::vector<double>(4, 50.0), 10, QSizeF(150, 40), true, 4);
    EXPECT_EQ(two.Row(1, true), 0);
    EXPECT_EQ(two.Column(1, true), 1);
    EXPECT_EQ(l.Row(1, false), 1);
    EXPECT_EQ(l.Column(1, false), 0);
}

TEST(LegendLayout, AFarLargerBoxShrinksToItsEntriesAtTheWindowsEdge) {
    const QRectF window(0, 0, 480, 360);
    struct Case {
        const char* name;
        QRectF box;
        QSizeF needed;
        QRectF frame;
    } cases[] = {
        {"top right corner", {300, 10, 140, 100}, {80, 30}, {360, 10, 80, 30}},
        {"bottom left corner", {10, 250, 140, 100}, {80, 30}, {10, 320, 80, 30}},
        {"about the right size", {300, 10, 140, 100}, {120, 90}, {300, 10, 140, 100}},
        {"too small grows inwards", {300, 10, 140, 100}, {200, 50}, {240, 10, 200, 50}},
        {"kept inside the window", {400, 10, 70, 20}, {100, 20}, {370, 10, 100, 20}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LegendFrame(c.box, c.needed, window), c.frame) << c.name;
    }
}
