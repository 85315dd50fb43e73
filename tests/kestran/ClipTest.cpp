#include "canvas/Clip.h"
#include "canvas/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kestran;

namespace {

bool Inside(const QRectF& r, const QPointF& p) {
    return p.x() >= r.left() - 1e-9 && p.x() <= r.right() + 1e-9 && p.y() >= r.top() - 1e-9 &&
           p.y() <= r.bottom() + 1e-9;
}

} // namespace

TEST(Clip, PolylineLeavingAndReenteringGivesTwoRunsInside) {
    RecordingCanvas canvas;
    std::vector<QPointF> scratch;
    const QRectF r(0, 0, 100, 100);
    const QPointF pts[] = {{10, 50}, {50, 50}, {50, 500}, {80, 500}, {80, 50}, {90, 50}};
    DrawClippedPolyline(canvas, pts, 6, r, scratch);
    const auto lines = canvas.Find(Primitive::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    for (const Primitive* p : lines) {
        for (const QPointF& q : p->points) {
            EXPECT_TRUE(Inside(r, q)) << q.x() << "," << q.y();
        }
    }
}

TEST(Clip, NonFinitePointsBreakTheLine) {
    RecordingCanvas canvas;
    std::vector<QPointF> scratch;
    const QPointF pts[] = {{10, 10}, {20, 20}, {NAN, 5}, {30, 30}, {40, 40}};
    DrawClippedPolyline(canvas, pts, 5, QRectF(0, 0, 100, 100), scratch);
    EXPECT_EQ(canvas.Find(Primitive::Polyline).size(), 2u);
}

TEST(Clip, HugeCoordinatesNeverReachTheCanvas) {
    RecordingCanvas canvas;
    std::vector<QPointF> scratch;
    const QPointF far[] = {{-1e300, 50}, {1e300, 50}, {1e300, -1e300}};
    DrawClippedPolyline(canvas, far, 3, QRectF(0, 0, 100, 100), scratch);
    for (const Primitive* p : canvas.Find(Primitive::Polyline)) {
        for (const QPointF& q : p->points) {
            EXPECT_TRUE(q.x() >= 0 && q.x() <= 100 && q.y() >= 0 && q.y() <= 100);
        }
    }
    canvas.Clear();
    const QPointF pts[] = {{-1e9, 50}, {1e9, 50}};
    DrawClippedPolyline(canvas, pts, 2, QRectF(0, 0, 100, 100), scratch);
    const auto lines = canvas.Find(Primitive::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0]->points.front().x(), 0);
    EXPECT_DOUBLE_EQ(lines[0]->points.back().x(), 100);
}

TEST(Clip, PolygonIsCutToTheRectangle) {
    const auto out = ClipPolygon({{-50, -50}, {150, -50}, {150, 150}, {-50, 150}}, QRectF(0, 0, 100, 100));
    ASSERT_EQ(out.size(), 4u);
    for (const QPointF& p : out) {
        EXPECT_TRUE(Inside(QRectF(0, 0, 100, 100), p));
    }
}

TEST(Clip, DenseRunsKeepAtMostFivePointsPerColumnUnlessTheCanvasNeedsThemAll) {
    std::vector<QPointF> pts;
    for (int i = 0; i < 1000; ++i) {
        pts.push_back(QPointF(i / 10.0, (i % 7) * 10.0));
    }
    struct EveryPoint : RecordingCanvas {
        bool NeedsEveryPoint() const override { return true; }
    };
    RecordingCanvas reduced;
    EveryPoint full;
    std::vector<QPointF> scratch;
    for (RecordingCanvas* canvas : {&reduced, static_cast<RecordingCanvas*>(&full)}) {
        DrawClippedPolyline(*canvas, pts.data(), int(pts.size()), QRectF(0, 0, 200, 200), scratch);
    }
    const auto out = reduced.Find(Primitive::Polyline);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_LE(out[0]->points.size(), 500u);
    EXPECT_EQ(out[0]->points.front(), pts.front());
    EXPECT_EQ(out[0]->points.back(), pts.back());
    EXPECT_EQ(full.Find(Primitive::Polyline)[0]->points, pts);
}
