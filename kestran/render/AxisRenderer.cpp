#include "EngineCodes.h"
#include "render/Render.h"
#include "scale/AutoScale.h"
#include "scale/NumberLabel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <QFontMetricsF>

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

// Ticks closer than this to their neighbours would merge into a solid bar: minor ones are left
// out, major ones thinned. Grid lines need more room before they hide the data behind them.
constexpr double kMinTickPixels = 3.0;
constexpr double kMinGridPixels = 8.0;
// Free room between neighbouring labels: at least this, and half a line of their font.
constexpr double kLabelGapPixels = 4.0;

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

// On the stride-th major ticks counted from zero (see LabelStrides).
bool OnStride(double value, double interval, double stride) {
    return stride <= 1.0 || std::fmod(std::round(value / interval), stride) == 0.0;
}

// The device distance between neighbouring major ticks of a linear axis; 0 when it varies or
// there are fewer than two.
double MajorSpacing(const AxisRecord& a, const AxisGeometry& g) {
    const std::vector<double>& m = g.ticks.major;
    const bool log = a.isX ? a.scale.x.Log() : a.scale.y.Log();
    if (log || m.size() < 2) {
        return 0.0;
    }
    const double d = std::fabs(Device(a, g, m[1]) - Device(a, g, m[0]));
    return std::isfinite(d) ? d : 0.0;
}

struct LabelLayout {
    std::vector<QString> texts; // one per major tick, empty where no label stands
    double stride = 1.0;        // labels stand on every stride-th major tick, counted from zero
    double gap = 0.0;           // between the axis line and the labels
    int side = 0;               // see Side
};

// Which major ticks carry labels and their texts. Numeric labels of a linear axis that have no
// room at every tick stand on fewer ticks, thinned so that they count in 1-2-5 steps (see
// LabelStrides); labels that would not fit beside the axis (or, on an X axis, along the whole
// plot) in decimal form are written in scientific form.
LabelLayout LayOutLabels(const AxisRecord& a, const AxisGeometry& g, const GraphFrame& f) {
    LabelLayout out;
    out.side = Side(a.isX, a.labelPosition);
    const int tickSide = Side(a.isX, a.tickPosition);
    out.gap = (out.side != 0 && out.side == tickSide ? f.majorTick : 0) + 3.0;
    const std::vector<double>& majors = g.ticks.major;
    out.texts.assign(majors.size(), QString());
    if (a.labels == AxisRecord::Labels::Strings) {
        for (size_t i = 0; i < majors.size(); ++i) {
            const int k = int(i) - a.stringStart;
            out.texts[i] = k >= 0 && k < int(a.strings.size()) ? a.strings[size_t(k)] : QString();
        }
        return out;
    }
    if (a.labels != AxisRecord::Labels::Numeric) {
        return out;
    }
    const QFontMetricsF fm(a.labelFont.ToQFont());
    const bool log = a.isX ? a.scale.x.Log() : a.scale.y.Log();
    double room = f.plot.width();
    if (!a.isX) {
        room = (out.side < 0   ? g.line - f.window.left()
                : out.side > 0 ? f.window.right() - g.line
                               : f.window.width()) -
               out.gap;
    }
    const double spacing = MajorSpacing(a, g);
    const std::vector<double> strides =
        spacing > 0.0 ? LabelStrides(g.ticks.interval, double(majors.size())) : std::vector<double>{1.0};
    std::vector<QString> texts;
    std::vector<size_t> at;
    for (double stride : strides) {
        std::vector<double> values;
        std::vector<size_t> ticks;
        for (size_t i = 0; i < majors.size(); ++i) {
            if (OnStride(majors[i], g.ticks.interval, stride)) {
                values.push_back(majors[i]);
                ticks.push_back(i);
            }
        }
        if (values.empty() || (values.size() < 2 && !at.empty())) {
            break; // fewer labels than that tell nothing more: keep the denser ones
        }
        auto make = [&](int style) {
            texts.clear();
            double widest = 0.0;
            for (const std::string& label : TickLabels(values, style, a.decimals, log)) {
                texts.push_back(QString::fromStdString(label));
                widest = std::max(widest, fm.horizontalAdvance(texts.back()));
            }
            return widest;
        };
        double widest = make(a.numericStyle);
        if (widest > room && a.numericStyle == codes::NumDecimal) {
            widest = make(codes::NumScientific);
        }
        at = std::move(ticks);
        out.stride = stride;
        const double extent = a.isX ? widest : fm.height();
        if (spacing <= 0.0 || stride * spacing >= extent + std::max(kLabelGapPixels, fm.height() / 2)) {
            break;
        }
    }
    for (size_t j = 0; j < at.size() && j < texts.size(); ++j) {
        out.texts[at[j]] = texts[j];
    }
    return out;
}

// Major ticks and grid lines stand on every stride-th major tick: every one when they are at
// least minPixels apart, otherwise the fewest left out that keeps them so far apart and keeps
// every labelled tick.
double MarkStride(const AxisRecord& a, const AxisGeometry& g, const LabelLayout& labels, double minPixels) {
    const double spacing = MajorSpacing(a, g);
    if (spacing <= 0.0 || spacing >= minPixels) {
        return 1.0;
    }
    const bool labelled = a.labels == AxisRecord::Labels::Numeric;
    for (double stride : LabelStrides(g.ticks.interval, double(g.ticks.major.size()))) {
        if (stride * spacing >= minPixels && (!labelled || std::fmod(labels.stride, stride) == 0.0)) {
            return stride;
        }
    }
    return labelled ? labels.stride : 1.0;
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
    auto lines = [&](const std::vector<double>& values, double stride) {
        for (double v : values) {
            const double d = Device(a, g, v);
            if (!std::isfinite(d) || !OnStride(v, g.ticks.interval, stride)) {
                continue;
            }
            const QPointF pts[2] = {a.isX ? QPointF(d, f.plot.top()) : QPointF(f.plot.left(), d),
                                    a.isX ? QPointF(d, f.plot.bottom()) : QPointF(f.plot.right(), d)};
            canvas.Polyline(pts, 2);
        }
    };
    if (a.gridType != codes::GridMinor) {
        lines(g.ticks.major, MarkStride(a, g, LayOutLabels(a, g, f), kMinGridPixels));
    }
    if ((a.gridType == codes::GridMinor || a.gridType == codes::GridBoth) &&
        g.minorSpacing >= kMinGridPixels) {
        lines(g.ticks.minor, 1.0);
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
    const LabelLayout labels = LayOutLabels(a, g, f);
    auto ticks = [&](const std::vector<double>& values, int length, double stride) {
        length = std::clamp(length, 0, 200);
        const double from = tickSide == 0 ? -length / 2.0 : tickSide < 0 ? -length : 0.0;
        const double to = tickSide == 0 ? length / 2.0 : tickSide < 0 ? 0.0 : length;
        for (double v : values) {
            const double d = Device(a, g, v);
            if (std::isfinite(d) && length > 0 && OnStride(v, g.ticks.interval, stride)) {
                const QPointF pts[2] = {OnAxis(a, g, d, from), OnAxis(a, g, d, to)};
                canvas.Polyline(pts, 2);
            }
        }
    };
    ticks(g.ticks.major, f.majorTick, MarkStride(a, g, labels, kMinTickPixels));
    if (g.minorSpacing >= kMinTickPixels) {
        ticks(g.ticks.minor, f.minorTick, 1.0);
    }

    double labelExtent = 0.0;
    if (a.labels != AxisRecord::Labels::None) {
        canvas.SetFont(a.labelFont);
        const int side = labels.side;
        const double gap = labels.gap;
        const int anchor = LabelAnchor(a.isX, side);
        double lastEnd = -1e300; // labels that would still overlap the previous one are left out
        for (size_t i = 0; i < g.ticks.major.size(); ++i) {
            const QString& text = labels.texts[i];
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
