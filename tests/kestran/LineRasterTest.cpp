#include "canvas/LineRaster.h"
#include "canvas/PainterCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <QImage>
#include <QPainter>
#include <random>
#include <set>

using namespace kestran;

namespace {

using Pixels = std::set<std::pair<int, int>>; // (x, y)

Pixels Raster(const std::vector<QPointF>& points, const std::vector<int>& pattern = {},
              const QRect& bounds = QRect(-50, -50, 200, 200)) {
    std::vector<quint64> bits;
    std::vector<PixelRun> runs;
    RasterRuns(points.data(), int(points.size()), bounds, pattern, bits, runs);
    Pixels out;
    for (const PixelRun& r : runs) {
        for (int y = r.y0; y <= r.y1; ++y) {
            EXPECT_TRUE(out.insert({r.x, y}).second) << "pixel " << r.x << "," << y << " twice";
        }
    }
    return out;
}

Pixels Row(int y, std::initializer_list<int> xs) {
    Pixels out;
    for (int x : xs) {
        out.insert({x, y});
    }
    return out;
}

struct RuleCase {
    const char* what;
    std::vector<QPointF> points;
    std::vector<int> pattern;
    Pixels expected;
};

TEST(LineRaster, CoversOnePixelPerStepAndLeavesTheEndOut) {
    const RuleCase cases[] = {
        {"horizontal", {{0.5, 0.5}, {4.5, 0.5}}, {}, Row(0, {0, 1, 2, 3})},
        {"leftwards", {{4.5, 0.5}, {0.5, 0.5}}, {}, Row(0, {4, 3, 2, 1})},
        {"within one column, upwards", {{2.2, 4.7}, {2.9, 1.1}}, {}, {{2, 4}, {2, 3}, {2, 2}}},
        {"shallow: one pixel per column at its centre",
         {{0.5, 0.5}, {3.5, 2.5}},
         {},
         {{0, 0}, {1, 1}, {2, 1}}},
        {"steep: one pixel per row at its centre", {{0.5, 0.5}, {2.5, 3.5}}, {}, {{0, 0}, {1, 1}, {1, 2}}},
        {"inside one pixel", {{3.1, 3.1}, {3.9, 3.9}}, {}, {}},
        {"a corner joins without a repeat",
         {{0.5, 0.5}, {2.5, 0.5}, {2.5, 2.5}},
         {},
         {{0, 0}, {1, 0}, {2, 0}, {2, 1}}},
        {"dashes", {{0.5, 0.5}, {12.5, 0.5}}, {4, 2}, Row(0, {0, 1, 2, 3, 6, 7, 8, 9})},
        {"dashes run on round a corner",
         {{0.5, 0.5}, {3.5, 0.5}, {3.5, 6.5}},
         {4, 2},
         {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 3}, {3, 4}, {3, 5}}},
        {"a gap breaks the line",
         {{0.5, 0.5}, {2.5, 0.5}, {NAN, 1}, {5.5, 0.5}, {7.5, 0.5}},
         {},
         Row(0, {0, 1, 5, 6})},
    };
    for (const RuleCase& c : cases) {
        EXPECT_EQ(Raster(c.points, c.pattern), c.expected) << c.what;
    }
}

TEST(LineRaster, PixelsOutsideTheBoundsAreNeitherDrawnNorWalked) {
    const QRect bounds(0, 0, 10, 10);
    const Pixels far = Raster({{-1e300, 5.5}, {1e300, 5.5}, {1e300, 1e300}}, {}, bounds);
    EXPECT_EQ(far, Row(5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Dashes keep their phase across the part outside.
    EXPECT_EQ(Raster({{-4.5, 0.5}, {9.5, 0.5}}, {4, 2}, bounds), Row(0, {1, 2, 3, 4, 7, 8}));
}

// Random polylines in every pen the canvas draws itself.
struct Pen {
    int width;
    int style;
};

std::vector<QPointF> RandomLine(std::mt19937& rng, int n) {
    std::uniform_real_distribution<double> u(-10, 110);
    std::vector<QPointF> p;
    for (int i = 0; i < n; ++i) {
        p.push_back({u(rng), u(rng)});
    }
    return p;
}

QImage Draw(const std::vector<QPointF>& points, const Pen& pen, bool clipped) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(3, -2);
    if (clipped) { // a clip makes the canvas go through QPainter instead of writing the image
        painter.setClipRect(QRect(-100, -100, 300, 300));
    }
    PainterCanvas canvas(painter);
    canvas.SetPen({0x0000FF, pen.width, pen.style});
    canvas.Polyline(points.data(), int(points.size()));
    return image;
}

TEST(LineRaster, PainterAndImageOutputDrawTheSamePixels) {
    std::mt19937 rng(7);
    for (const Pen& pen : {Pen{0, 0}, Pen{1, 0}, Pen{2, 0}, Pen{3, 0}, Pen{1, 1}, Pen{2, 2}, Pen{3, 4}}) {
        const std::vector<QPointF> points = RandomLine(rng, 40);
        const QImage direct = Draw(points, pen, false);
        EXPECT_EQ(direct, Draw(points, pen, true)) << "width " << pen.width << " style " << pen.style;
        QImage blank(direct.size(), direct.format());
        blank.fill(Qt::white);
        EXPECT_NE(direct, blank);
    }
}

TEST(LineRaster, WidePensStampASquarePerPixel) {
    for (int width : {2, 3}) {
        const QImage image = Draw({{10.5, 20.5}, {30.5, 20.5}}, {width, 0}, false);
        int rows = 0;
        for (int y = 0; y < 100; ++y) {
            rows += image.pixel(3 + 20, y) != QColor(Qt::white).rgb();
        }
        EXPECT_EQ(rows, width);
    }
}

} // namespace
