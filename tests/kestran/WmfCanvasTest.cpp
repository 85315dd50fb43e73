#include "WmfCanvas.h"
#include "EngineCodes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kestran;

TEST(WmfCanvas, ObjectsAreMadeOnlyWhenTheyChange) {
    WmfWriter writer(WmfRect{0, 0, 200, 100}, 96);
    {
        WmfCanvas canvas(writer);
        const QPointF line[2] = {{0, 0}, {100, 50}};
        for (int i = 0; i < 100; ++i) {
            canvas.SetPen({0x0000FF, 2, codes::PenSolid});
            canvas.SetBrush(BrushSpec{0xFF0000, codes::HatchCross, false, true});
            canvas.Polyline(line, 2);
            canvas.Rectangle(QRectF(10, 10, 20, 20));
        }
        canvas.SetPen({0x00FF00, 1, codes::PenDash});
        canvas.Polyline(line, 2);
    }
    // One pen, one brush, then the second pen reuses the first pen's freed slot.
    EXPECT_LE(writer.ObjectTableSize(), 3);
    EXPECT_LT(writer.Data().size(), 100u * 40 + 400);
}

TEST(WmfCanvas, OutOfRangeCoordinatesAreClampedNotWrapped) {
    WmfWriter writer(WmfRect{0, 0, 200, 100}, 96);
    {
        WmfCanvas canvas(writer);
        canvas.SetPen({0, 1, codes::PenSolid});
        const QPointF far[2] = {{-1e12, 0}, {1e12, std::nan("")}};
        canvas.Polyline(far, 2);
    }
    EXPECT_GT(writer.Data().size(), 18u);
}
