// Plot area, scales, axes and the attributes of the next object.

#include "data/LineBlock.h"
#include "engine/EngineState.h"
#include "scale/AutoScale.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace kestran;

namespace {

AxisRecord* Axis(EngineHandle graph, EngineHandle axis) {
    GraphRecord* g = S().Graph(graph);
    return g ? FindByHandle(g->axes, axis) : nullptr;
}

EngineHandle AddAxis(EngineHandle graph, bool isX, double interval, int minorTicks, int tickPosition) {
    const auto [g, a] = AddGraphItem(graph, &GraphRecord::axes);
    if (!a) {
        return 0;
    }
    a->isX = isX;
    a->scale = g->scale;
    a->crossing = isX ? g->yOfXAxis : g->xOfYAxis;
    const ScaleMap& along = isX ? a->scale.x : a->scale.y;
    a->interval = MakeTicks(along.Lo(), along.Hi(), along.Log(), interval, minorTicks).interval;
    a->minorTicks = std::clamp(minorTicks, 0, 100);
    a->tickPosition = tickPosition;
    a->pen = g->linePen;
    a->labelFont = S().textAttributes;
    return a->handle;
}

void Rescale(GraphRecord& g, double xMin, double yMin, double xMax, double yMax) {
    g.scale.x = ScaleMap(xMin, xMax, g.xLog);
    g.scale.y = ScaleMap(yMin, yMax, g.yLog);
}

} // namespace

EngineBool EngineSetPlotArea(EngineHandle graph, EngineDC, double left, double top, double right,
                             double bottom, ColorRef background) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) {
        g.plotArea = QRectF(QPointF(Fraction(left, 0.2), Fraction(top, 0.2)),
                            QPointF(Fraction(right, 0.8), Fraction(bottom, 0.8)))
                         .normalized();
        g.plotBackground = background;
    });
}

EngineBool EngineSetTickSizes(EngineHandle page, int major, int minor) {
    return WithRecord(S().Page(page), [&](PageRecord& p) {
        p.majorTick = std::clamp(major, 0, 200);
        p.minorTick = std::clamp(minor, 0, 200);
    });
}

EngineBool EngineSetBorderStyle(EngineHandle graph, int style) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) { g.borderStyle = style; });
}

EngineBool EngineSetScaleTypes(EngineHandle graph, int xMode, int yMode) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) {
        g.xLog = xMode != codes::ScaleLinear;
        g.yLog = yMode != codes::ScaleLinear;
        Rescale(g, g.scale.x.Min(), g.scale.y.Min(), g.scale.x.Max(), g.scale.y.Max());
    });
}

EngineBool EngineSetScale(EngineHandle graph, double xMin, double yMin, double xMax, double yMax) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) { Rescale(g, xMin, yMin, xMax, yMax); });
}

EngineBool EngineSetAxesIntercepts(EngineHandle graph, double xOfYAxis, double yOfXAxis) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) {
        g.xOfYAxis = std::isfinite(xOfYAxis) ? xOfYAxis : 0.0;
        g.yOfXAxis = std::isfinite(yOfXAxis) ? yOfXAxis : 0.0;
    });
}

EngineBool EngineAutoScale(EngineHandle, int, int scaleMode, double* min, double* max, double* interval,
                           int mode) {
    // The graph and direction do not change the result: the range alone decides the scale.
    if (!min || !max) {
        return 0;
    }
    const AutoScaleResult r = AutoScale(*min, *max, scaleMode != codes::ScaleLinear, mode);
    *min = r.min;
    *max = r.max;
    if (interval) {
        *interval = r.interval;
    }
    return 1;
}

EngineHandle EngineAddXAxis(EngineHandle graph, EngineDC, double majorInterval, int minorTicks,
                            int tickPosition) {
    return AddAxis(graph, true, majorInterval, minorTicks, tickPosition);
}

EngineHandle EngineAddYAxis(EngineHandle graph, EngineDC, double majorInterval, int minorTicks,
                            int tickPosition) {
    return AddAxis(graph, false, majorInterval, minorTicks, tickPosition);
}

EngineBool EngineEnableAxis(EngineHandle graph, EngineHandle axis, int enable) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) { a.enabled = enable != 0; });
}

EngineBool EngineAddNumericAxisLabels(EngineHandle graph, EngineDC, EngineHandle axis, int position,
                                      int style, int decimals, int, int) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        a.labels = AxisRecord::Labels::Numeric;
        a.labelPosition = position;
        a.numericStyle = style;
        a.decimals = std::clamp(decimals, 0, 15);
        a.labelFont = S().textAttributes;
    });
}

EngineBool EngineAddStringAxisLabels(EngineHandle graph, EngineDC, EngineHandle axis, int position, int start,
                                     const char* block, int slotCount) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        a.labels = AxisRecord::Labels::Strings;
        a.labelPosition = position;
        a.stringStart = std::clamp(start, -kMaxMajorTicks, kMaxMajorTicks);
        a.strings = ReadLineBlock(block, slotCount);
        a.labelFont = S().textAttributes;
    });
}

EngineBool EngineAddAxisTitle(EngineHandle graph, EngineDC, EngineHandle axis, int position,
                              const char* text) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        a.title = TextOf(text);
        a.titlePosition = position;
        a.titleFont = S().textAttributes;
    });
}

EngineBool EngineAddAxisGrid(EngineHandle graph, EngineHandle axis, int gridType) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        a.grid = true;
        a.gridType = gridType;
        a.gridPen = S().Graph(graph)->linePen;
    });
}

EngineBool EngineGetAxisTicks(EngineHandle graph, EngineHandle axis, double* majorInterval, int* minorTicks,
                              int* tickPosition) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        if (majorInterval) {
            *majorInterval = a.interval;
        }
        if (minorTicks) {
            *minorTicks = a.minorTicks;
        }
        if (tickPosition) {
            *tickPosition = a.tickPosition;
        }
    });
}

EngineBool EngineGetAxisScale(EngineHandle graph, EngineHandle axis, double* min, double* max,
                              double* intercept) {
    return WithRecord(Axis(graph, axis), [&](AxisRecord& a) {
        const ScaleMap& along = a.isX ? a.scale.x : a.scale.y;
        if (min) {
            *min = along.Min();
        }
        if (max) {
            *max = along.Max();
        }
        if (intercept) {
            *intercept = a.crossing;
        }
    });
}

EngineBool EngineSetLineAttributes(EngineHandle graph, EngineDC, int style, int width, ColorRef color) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) {
        g.linePen = PenSpec{color, std::clamp(width, 0, 100), style >= 0 && style <= 5 ? style : 0};
    });
}

void EngineSetTextAttributes(ColorRef color, const char* face, int points, int style) {
    FontSpec& f = S().textAttributes;
    f.color = color;
    f.face = TextOf(face).left(64);
    if (f.face.isEmpty()) {
        f.face = QStringLiteral("Arial");
    }
    f.points = std::clamp(points, 1, 200);
    f.style = style & 0xF;
    f.angle = 0;
}

ColorRef EngineGetPaletteColor(int code) {
    static const std::array<ColorRef, codes::PaletteSize> palette = {
        0x000000, 0xFF0000, 0x00A000, 0x0000FF, 0x00C0C0, 0xC000C0, 0xC0C000, 0x808080, 0x000080, 0x008000,
        0x800000, 0x008080, 0x800080, 0x808000, 0x0080FF, 0xFF8000, 0x80FF00, 0x8000FF, 0xFF0080, 0x00FF80};
    return code >= 0 && code < codes::PaletteSize ? palette[size_t(code)] : 0;
}
