#include "canvas/Clip.h"
#include "EngineCodes.h"
#include "render/Render.h"
#include "scale/NumberLabel.h"

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

struct Slice {
    double a0, a1;  // radians, a0 <= a1
    QPointF centre; // moved out along the middle of the slice when exploded
    double value;
};

struct PieLayout {
    std::vector<Slice> slices;
    double rx = 0, ry = 0, depth = 0, total = 0;
    QPointF At(const Slice& s, double a, double reach = 1.0) const {
        return s.centre + QPointF(std::cos(a) * rx * reach, -std::sin(a) * ry * reach);
    }
};

double Finite(double v, double lo, double hi, double fallback) {
    return std::isfinite(v) ? std::clamp(v, lo, hi) : fallback;
}

PieLayout Layout(const PlotRecord& pie, const GraphFrame& f) {
    PieLayout l;
    const size_t n = std::min<size_t>(pie.values.size(), 16);
    for (size_t k = 0; k < n; ++k) {
        if (std::isfinite(pie.values[k]) && pie.values[k] > 0) {
            l.total += pie.values[k];
        }
    }
    if (!(l.total > 0.0) || !std::isfinite(l.total)) {
        return l;
    }
    const bool threeD = pie.pieMode != codes::PieFlat;
    l.rx = Finite(pie.diameter, 0.0, 2.0, 0.4) * std::min(f.window.width(), f.window.height()) / 2;
    l.ry = threeD ? l.rx * 0.6 : l.rx;
    l.depth = threeD ? l.rx * 0.15 : 0.0;
    const QPointF centre(f.window.left() + Finite(pie.centreX, -1.0, 2.0, 0.5) * f.window.width(),
                         f.window.top() + Finite(pie.centreY, -1.0, 2.0, 0.5) * f.window.height());
    double angle = kPi / 2; // from twelve o'clock, clockwise
    for (size_t k = 0; k < n; ++k) {
        const double v = std::isfinite(pie.values[k]) && pie.values[k] > 0 ? pie.values[k] : 0.0;
        const double sweep = 2 * kPi * v / l.total;
        const double mid = angle - sweep / 2;
        const double ex = k < pie.explode.size() ? Finite(pie.explode[k], 0.0, 1.0, 0.0) : 0.0;
        l.slices.push_back({angle - sweep, angle,
                            centre + QPointF(std::cos(mid) * l.rx * ex, -std::sin(mid) * l.ry * ex), v});
        angle -= sweep;
    }
    return l;
}

void SliceStyle(const PlotRecord& pie, size_t k, bool wall, Canvas& canvas) {
    const ColorRef fill = k < pie.colors.size() ? pie.colors[k] : 0;
    const int hatch = k < pie.hatches.size() ? pie.hatches[k] : -1;
    canvas.SetPen({k < pie.borders.size() ? pie.borders[k] : 0, 1, codes::PenSolid});
    canvas.SetBrush(BrushSpec{wall ? Darker(fill) : fill, wall ? -1 : hatch, false, false});
}

// The visible (front) side walls of a three-dimensional pie, drawn before the tops.
void DrawWalls(const PlotRecord& pie, const PieLayout& l, const QRectF& clip, Canvas& canvas) {
    for (size_t k = 0; k < l.slices.size(); ++k) {
        std::vector<QPointF> top;
        for (double a = l.slices[k].a0; a <= l.slices[k].a1 + 1e-12; a += kStepRadians) {
            if (std::sin(a) <= 0) {
                top.push_back(l.At(l.slices[k], a));
            }
        }
        if (top.size() < 2) {
            continue;
        }
        std::vector<QPointF> wall = top;
        for (auto it = top.rbegin(); it != top.rend(); ++it) {
            wall.push_back(*it + QPointF(0, l.depth));
        }
        SliceStyle(pie, k, true, canvas);
        DrawClippedPolygon(canvas, wall, clip);
    }
}

void DrawTops(const PlotRecord& pie, const PieLayout& l, const QRectF& clip, Canvas& canvas) {
    for (size_t k = 0; k < l.slices.size(); ++k) {
        const Slice& s = l.slices[k];
        if (s.a1 - s.a0 <= 0) {
            continue;
        }
        std::vector<QPointF> poly{s.centre};
        for (double a = s.a1; a > s.a0; a -= kStepRadians) {
            poly.push_back(l.At(s, a));
        }
        poly.push_back(l.At(s, s.a0));
        SliceStyle(pie, k, false, canvas);
        DrawClippedPolygon(canvas, poly, clip);
    }
}

void DrawSliceTexts(const PlotRecord& pie, const PieLayout& l, Canvas& canvas) {
    canvas.SetFont(pie.font);
    for (size_t k = 0; k < l.slices.size(); ++k) {
        const Slice& s = l.slices[k];
        if (s.value <= 0) {
            continue;
        }
        const double mid = (s.a0 + s.a1) / 2;
        int anchor = codes::AnchorHCentre | codes::AnchorVCentre;
        if (pie.numbersOutside) {
            anchor = (std::cos(mid) >= 0 ? codes::AnchorLeft : codes::AnchorRight) | codes::AnchorVCentre;
        }
        canvas.Text(l.At(s, mid, pie.numbersOutside ? 1.12 : 0.6), SliceText(pie, k, s.value, l.total),
                    anchor);
    }
}

} // namespace

void DrawPie(const PlotRecord& pie, const GraphFrame& f, Canvas& canvas) {
    const PieLayout layout = Layout(pie, f);
    if (layout.slices.empty()) {
        return;
    }
    if (layout.depth > 0) {
        DrawWalls(pie, layout, f.window, canvas);
    }
    DrawTops(pie, layout, f.window, canvas);
    DrawSliceTexts(pie, layout, canvas);
}

} // namespace kestran
