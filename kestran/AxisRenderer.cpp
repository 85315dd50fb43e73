#include "AutoScale.h"
#include "EngineCodes.h"
#include "NumberLabel.h"
#include "Render.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestran {

namespace {

// Where ticks, labels or a title go relative to the axis line: -1 before (above / left),
// +1 after (below / right), 0 centred on the line.
int Side(bool isX, int code) {
    if (isX) {
        return code == codes::PosAbove ? -1 : code == codes::PosCentre ? 0 : 1;
    }
    return code == codes::PosRight ? 1 : code == codes::PosCentre ? 0 : -1;
}

// Minor ticks closer than this to their neighbours would merge into a solid bar: they are left
// out. Minor grid lines need more room than ticks before they hide the data behind them.
constexpr double kMinMinorTickPixels = 3.0;
constexpr double kMinMinorGridPixels = 8.0;

struct AxisGeometry {
    ScalePair scale;
    double line = 0.0; // device position of the axis line across its direction
    Ticks ticks;
    double minorSpacing = 0.0; // smallest device distance between neighbouring ticks, minors included
};

double SmallestSpacing(const Ticks& t, const ScaleMap& along) {
    if (t.minor.empty()) {
        return std::numeric_limits<double>::infinity();
    }
    std::vector<double> at;
    at.reserve(t.major.size() + t.minor.size());
    for (const std::vector<double>* values : {&t.major, &t.minor}) {
        for (double v : *values) {
            const double d = along.ToDevice(v);
            if (std::isfinite(d)) {
                at.push_back(d);
            }
        }
    }
    std::sort(at.begin(), at.end());
    double smallest = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i < at.size(); ++i) {
        smallest = std::min(smallest, at[i] - at[i - 1]);
    }
    return smallest;
}

AxisGeometry Geometry(const AxisRecord& a, const GraphFrame& f) {
    AxisGeometry g;
    g.scale = Attach(a.scale, f.plot);
    const ScaleMap& along = a.isX ? g.scale.x : g.scale.y;
    const ScaleMap& across = a.isX ? g.scale.y : g.scale.x;
    double line = across.ToDevice(a.crossing);
    const double lo = a.isX ? f.plot.top() : f.plot.left();
    const double hi = a.isX ? f.plot.bottom() : f.plot.right();
    if (!std::isfinite(line)) {
        line = a.isX ? hi : lo;
    }
    g.line = std::clamp(line, lo, hi);
    g.ticks = MakeTicks(along.Lo(), along.Hi(), along.Log(), a.interval, a.minorTicks);
    g.minorSpacing = SmallestSpacing(g.ticks, along);
    return g;
}

QPointF OnAxis(const AxisRecord& a, const AxisGeometry& g, double along, double across) {
    return a.isX ? QPointF(along, g.line + across) : QPointF(g.line + across, along);
}

double Device(const AxisRecord& a, const AxisGeometry& g, double v) {
    return a.isX ? g.scale.x.ToDevice(v) : g.scale.y.ToDevice(v);
}

// The label texts of the major ticks. Numeric labels that would not fit beside the axis (or, on an
// X axis, along the whole plot) in decimal form are written in scientific form.
std::vector<QString> LabelTexts(const AxisRecord& a, const AxisGeometry& g, const GraphFrame& f,
                                Canvas& canvas, double gap, int side) {
    const std::vector<double>& values = g.ticks.major;
    std::vector<QString> texts;
    if (a.labels == AxisRecord::Labels::Strings) {
        for (size_t i = 0; i < values.size(); ++i) {
            const int k = int(i) - a.stringStart;
            texts.push_back(k >= 0 && k < int(a.strings.size()) ? a.strings[size_t(k)] : QString());
        }
        return texts;
    }
    const bool log = a.isX ? a.scale.x.Log() : a.scale.y.Log();
    double room = f.plot.width();
    if (!a.isX) {
        room = (side < 0   ? g.line - f.window.left()
                : side > 0 ? f.window.right() - g.line
                           : f.window.width()) -
               gap;
    }
    auto make = [&](int style) {
        texts.clear();
        double widest = 0.0;
        for (const std::string& label : TickLabels(values, style, a.decimals, log)) {
            texts.push_back(QString::fromStdString(label));
            widest = std::max(widest, canvas.TextSize(texts.back()).width());
        }
        return widest;
    };
    if (make(a.numericStyle) > room && a.numericStyle == codes::NumDecimal) {
        make(codes::NumScientific);
    }
    return texts;
}

int LabelAnchor(bool isX, int side) {
    if (isX) {
        return codes::AnchorHCentre | (side < 0   ? codes::AnchorBottom
                                       : side > 0 ? codes::AnchorTop
                                                  : codes::AnchorVCentre);
    }
    return codes::AnchorVCentre | (side < 0   ? codes::AnchorRight
                                   : side > 0 ? codes::AnchorLeft
                                              : codes::AnchorHCentre);
}

} // namespace

void DrawAxisGrid(const AxisRecord& a, const GraphFrame& f, Canvas& canvas) {
    if (!a.enabled || !a.grid) {
        return;
    }
    const AxisGeometry g = Geometry(a, f);
    canvas.SetPen(a.gridPen);
    auto lines = [&](const std::vector<double>& values) {
        for (double v : values) {
            const double d = Device(a, g, v);
            if (!std::isfinite(d)) {
                continue;
            }
            const QPointF pts[2] = {a.isX ? QPointF(d, f.plot.top()) : QPointF(f.plot.left(), d),
                                    a.isX ? QPointF(d, f.plot.bottom()) : QPointF(f.plot.right(), d)};
            canvas.Polyline(pts, 2);
        }
    };
    if (a.gridType != codes::GridMinor) {
        lines(g.ticks.major);
    }
    if ((a.gridType == codes::GridMinor || a.gridType == codes::GridBoth) &&
        g.minorSpacing >= kMinMinorGridPixels) {
        lines(g.ticks.minor);
    }
}

void DrawAxis(const AxisRecord& a, const GraphFrame& f, Canvas& canvas) {
    if (!a.enabled) {
        return;
    }
    const AxisGeometry g = Geometry(a, f);
    canvas.SetPen(a.pen);
    const QPointF ends[2] = {a.isX ? QPointF(f.plot.left(), g.line) : QPointF(g.line, f.plot.bottom()),
                             a.isX ? QPointF(f.plot.right(), g.line) : QPointF(g.line, f.plot.top())};
    canvas.Polyline(ends, 2);

    const int tickSide = Side(a.isX, a.tickPosition);
    auto ticks = [&](const std::vector<double>& values, int length) {
        length = std::clamp(length, 0, 200);
        const double from = tickSide == 0 ? -length / 2.0 : tickSide < 0 ? -length : 0.0;
        const double to = tickSide == 0 ? length / 2.0 : tickSide < 0 ? 0.0 : length;
        for (double v : values) {
            const double d = Device(a, g, v);
            if (std::isfinite(d) && length > 0) {
                const QPointF pts[2] = {OnAxis(a, g, d, from), OnAxis(a, g, d, to)};
                canvas.Polyline(pts, 2);
            }
        }
    };
    ticks(g.ticks.major, f.majorTick);
    if (g.minorSpacing >= kMinMinorTickPixels) {
        ticks(g.ticks.minor, f.minorTick);
    }

    double labelExtent = 0.0;
    if (a.labels != AxisRecord::Labels::None) {
        canvas.SetFont(a.labelFont);
        const int side = Side(a.isX, a.labelPosition);
        const double gap = (side != 0 && side == tickSide ? f.majorTick : 0) + 3.0;
        const int anchor = LabelAnchor(a.isX, side);
        double lastEnd = -1e300; // labels that would overlap the previous one are left out
        const std::vector<QString> texts = LabelTexts(a, g, f, canvas, gap, side);
        for (size_t i = 0; i < g.ticks.major.size(); ++i) {
            const QString& text = texts[i];
            const double d = Device(a, g, g.ticks.major[i]);
            if (text.isEmpty() || !std::isfinite(d)) {
                continue;
            }
            const QSizeF size = canvas.TextSize(text);
            const double half = (a.isX ? size.width() : size.height()) / 2;
            const double from = a.isX ? d - half : -(d + half); // in drawing order along the axis
            if (from < lastEnd + 2) {
                continue;
            }
            lastEnd = from + 2 * half;
            labelExtent = std::max(labelExtent, gap + (a.isX ? size.height() : size.width()));
            canvas.Text(OnAxis(a, g, d, side * gap), text, anchor);
        }
    }
    if (!a.title.isEmpty()) {
        FontSpec font = a.titleFont;
        font.angle = a.isX ? 0 : 90;
        canvas.SetFont(font);
        int side = Side(a.isX, a.titlePosition);
        side = side == 0 ? (a.isX ? 1 : -1) : side;
        const double offset = std::max(labelExtent, double(side == tickSide ? f.majorTick : 0)) + 4.0;
        const double middle = a.isX ? f.plot.center().x() : f.plot.center().y();
        const int anchor = codes::AnchorHCentre | (side < 0 ? codes::AnchorBottom : codes::AnchorTop);
        canvas.Text(OnAxis(a, g, middle, side * offset), a.title, anchor);
    }
}

} // namespace kestran
