#include "render/Markers.h"

#include "EngineCodes.h"

#include <algorithm>

namespace kestran {

void DrawMarker(Canvas& canvas, int shape, const QPointF& c, int size, bool filled, ColorRef color) {
    const double r = std::clamp(size, 1, 200) / 2.0;
    BrushSpec brush;
    brush.color = color;
    brush.hollow = !filled;
    canvas.SetBrush(brush);
    auto line = [&](QPointF a, QPointF b) {
        const QPointF pts[2] = {c + a, c + b};
        canvas.Polyline(pts, 2);
    };
    switch (shape) {
    case codes::ShapeX:
        line({-r, -r}, {r, r});
        line({-r, r}, {r, -r});
        break;
    case codes::ShapeUpTriangle:
    case codes::ShapeDownTriangle: {
        const double s = shape == codes::ShapeUpTriangle ? 1.0 : -1.0;
        const QPointF pts[3] = {c + QPointF(0, -r * s), c + QPointF(r, r * s), c + QPointF(-r, r * s)};
        canvas.Polygon(pts, 3);
        break;
    }
    case codes::ShapeBox:
        canvas.Rectangle(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    case codes::ShapePlus:
        line({-r, 0}, {r, 0});
        line({0, -r}, {0, r});
        break;
    case codes::ShapeAsterisk:
        line({-r, 0}, {r, 0});
        line({0, -r}, {0, r});
        line({-r * 0.7, -r * 0.7}, {r * 0.7, r * 0.7});
        line({-r * 0.7, r * 0.7}, {r * 0.7, -r * 0.7});
        break;
    case codes::ShapeDiamond: {
        const QPointF pts[4] = {c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)};
        canvas.Polygon(pts, 4);
        break;
    }
    case codes::ShapeCircle:
        canvas.Ellipse(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    case codes::ShapeDot: {
        brush.hollow = false;
        canvas.SetBrush(brush);
        const double d = std::max(1.0, r / 2);
        canvas.Ellipse(QRectF(c.x() - d, c.y() - d, 2 * d, 2 * d));
        break;
    }
    default:
        break;
    }
}

} // namespace kestran
