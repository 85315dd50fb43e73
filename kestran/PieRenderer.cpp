#include "Clip.h"
#include "EngineCodes.h"
#include "NumberLabel.h"
#include "Render.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kestran {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStepRadians = kPi / 90; // two degrees per polygon edge

QString Shortest(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

QString SliceText(const PlotRecord& pie, size_t k, double value, double total) {
    QString text = k < pie.labels.size() ? pie.labels[k] : QString();
    QString number;
    const QString percent =
        QString::fromStdString(FormatNumber(100.0 * value / total, codes::NumDecimal, 1)) + "%";
    switch (pie.numericStyle) {
    case codes::PiePercent:
        number = percent;
        break;
    case codes::PieValue:
        number = Shortest(value);
        break;
    case codes::PiePercentAndValue:
        number = percent + " (" + Shortest(value) + ")";
        break;
    default:
        break;
    }
    if (!number.isEmpty()) {
        text = text.isEmpty() ? number : text + " " + number;
    }
    return text;
}

ColorRef Darker(ColorRef c) {
    auto ch = [&](int shift) { return ColorRef(((c >> shift) & 0xFF) * 6 / 10) << shift; };
    return ch(0) | ch(8) | ch(16);
}

} // namespace

void DrawPie(const PlotRecord& pie, const GraphFrame& f, Canvas& canvas) {
    const size_t n = std::min<size_t>(pie.values.size(), 16);
    double total = 0.0;
    for (size_t k = 0; k < n; ++k) {
        if (std::isfinite(pie.values[k]) && pie.values[k] > 0) {
            total += pie.values[k];
        }
    }
    if (!(total > 0.0) || !std::isfinite(total)) {
        return;
    }
    const bool threeD = pie.pieMode == codes::Pie3D;
    const double size = std::min(f.window.width(), f.window.height());
    const double diameter = std::isfinite(pie.diameter) ? std::clamp(pie.diameter, 0.0, 2.0) : 0.4;
    const double rx = diameter * size / 2;
    const double ry = threeD ? rx * 0.6 : rx;
    const double depth = threeD ? rx * 0.15 : 0.0;
    const double cxf = std::isfinite(pie.centreX) ? std::clamp(pie.centreX, -1.0, 2.0) : 0.5;
    const double cyf = std::isfinite(pie.centreY) ? std::clamp(pie.centreY, -1.0, 2.0) : 0.5;
    const QPointF centre(f.window.left() + cxf * f.window.width(), f.window.top() + cyf * f.window.height());
    const QRectF clip = f.window;

    struct Slice {
        double a0, a1;
        QPointF c;
    };
    std::vector<Slice> slices;
    double angle = kPi / 2; // from twelve o'clock, clockwise
    for (size_t k = 0; k < n; ++k) {
        const double v = std::isfinite(pie.values[k]) && pie.values[k] > 0 ? pie.values[k] : 0.0;
        const double sweep = 2 * kPi * v / total;
        const double mid = angle - sweep / 2;
        const double ex = k < pie.explode.size() && std::isfinite(pie.explode[k])
                              ? std::clamp(pie.explode[k], 0.0, 1.0)
                              : 0.0;
        slices.push_back(
            {angle - sweep, angle, centre + QPointF(std::cos(mid) * rx * ex, -std::sin(mid) * ry * ex)});
        angle -= sweep;
    }
    auto point = [&](const QPointF& c, double a, double dy = 0) {
        return c + QPointF(std::cos(a) * rx, -std::sin(a) * ry + dy);
    };
    auto style = [&](size_t k, bool side) {
        const ColorRef fill = k < pie.colors.size() ? pie.colors[k] : 0;
        const int hatch = k < pie.hatches.size() ? pie.hatches[k] : -1;
        canvas.SetPen({k < pie.borders.size() ? pie.borders[k] : 0, 1, codes::PenSolid});
        canvas.SetBrush(BrushSpec{side ? Darker(fill) : fill, side ? -1 : hatch, false, false});
    };
    if (threeD) { // the walls of the front half, under the tops
        for (size_t k = 0; k < slices.size(); ++k) {
            std::vector<QPointF> top;
            for (double a = slices[k].a0; a <= slices[k].a1 + 1e-12; a += kStepRadians) {
                if (std::sin(a) <= 0) {
                    top.push_back(point(slices[k].c, a));
                }
            }
            if (top.size() < 2) {
                continue;
            }
            std::vector<QPointF> wall = top;
            for (auto it = top.rbegin(); it != top.rend(); ++it) {
                wall.push_back(*it + QPointF(0, depth));
            }
            style(k, true);
            DrawClippedPolygon(canvas, wall, clip);
        }
    }
    for (size_t k = 0; k < slices.size(); ++k) {
        if (slices[k].a1 - slices[k].a0 <= 0) {
            continue;
        }
        std::vector<QPointF> poly{slices[k].c};
        for (double a = slices[k].a1; a > slices[k].a0; a -= kStepRadians) {
            poly.push_back(point(slices[k].c, a));
        }
        poly.push_back(point(slices[k].c, slices[k].a0));
        style(k, false);
        DrawClippedPolygon(canvas, poly, clip);
    }
    canvas.SetFont(pie.font);
    for (size_t k = 0; k < slices.size(); ++k) {
        const double v = pie.values[k];
        if (!(v > 0) || !std::isfinite(v)) {
            continue;
        }
        const QString text = SliceText(pie, k, v, total);
        const double mid = (slices[k].a0 + slices[k].a1) / 2;
        const double reach = pie.numbersOutside ? 1.12 : 0.6;
        const QPointF at = slices[k].c + QPointF(std::cos(mid) * rx * reach, -std::sin(mid) * ry * reach);
        int anchor = codes::AnchorHCentre | codes::AnchorVCentre;
        if (pie.numbersOutside) {
            anchor = (std::cos(mid) >= 0 ? codes::AnchorLeft : codes::AnchorRight) | codes::AnchorVCentre;
        }
        canvas.Text(at, text, anchor);
    }
}

} // namespace kestran
