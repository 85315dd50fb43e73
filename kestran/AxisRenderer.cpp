#include "AutoScale.h"
#include "EngineCodes.h"
#include "NumberLabel.h"
#include "Render.h"

#include <algorithm>
#include <cmath>

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

struct AxisGeometry {
    ScalePair scale;
    double line = 0.0; // device position of the axis line across its direction
    Ticks ticks;
};

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
    return g;
}

QPointF OnAxis(const AxisRecord& a, const AxisGeometry& g, double along, double across) {
    return a.isX ? QPointF(along, g.line + across) : QPointF(g.line + across, along);
}

double Device(const AxisRecord& a, const AxisGeometry& g, double v) {
    return a.isX ? g.scale.x.ToDevice(v) : g.scale.y.ToDevice(v);
}

QString LabelText(const AxisRecord& a, int index, double value) {
    if (a.labels == AxisRecord::Labels::Strings) {
        const int k = index - a.stringStart;
        return k >= 0 && k < int(a.strings.size()) ? a.strings[size_t(k)] : QString();
    }
    int decimals = a.decimals;
    const bool log = a.isX ? a.scale.x.Log() : a.scale.y.Log();
    if (log && a.numericStyle == codes::NumDecimal && value > 0 && value < 1) {
        // 0.01 on a logarithmic axis must not read "0": show its first significant digit.
        decimals = std::max(decimals, int(std::ceil(-std::log10(value) - 1e-9)));
    }
    return QString::fromStdString(FormatNumber(value, a.numericStyle, decimals));
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
    if (a.gridType == codes::GridMinor || a.gridType == codes::GridBoth) {
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
    ticks(g.ticks.minor, f.minorTick);

    double labelExtent = 0.0;
    if (a.labels != AxisRecord::Labels::None) {
        canvas.SetFont(a.labelFont);
        const int side = Side(a.isX, a.labelPosition);
        const double gap = (side != 0 && side == tickSide ? f.majorTick : 0) + 3.0;
        const int anchor = LabelAnchor(a.isX, side);
        double lastEnd = -1e300; // labels that would overlap the previous one are left out
        for (size_t i = 0; i < g.ticks.major.size(); ++i) {
            const QString text = LabelText(a, int(i), g.ticks.major[i]);
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
