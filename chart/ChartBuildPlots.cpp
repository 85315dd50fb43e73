#include "ChartBuildPlots.h"

#include "ChartAxes.h"
#include "ChartBuildLines.h"
#include "ChartBuildSteps.h"

#include <algorithm>
#include <array>

namespace chart {

namespace {

using namespace build;
using kestran::ColorRef;

constexpr double kLogFloor = 1e-20;

// The pair a plot is drawn on: a plot on the secondary pair with no secondary axis takes the
// primary pair, as the secondary pass's axes fall back to their primary ones.
int DrawnPair(const CChartModel& m, int refAxes) {
    return refAxes == 1 && !HasSecondaryAxes(m) ? 0 : refAxes;
}

class PlotBuilder {
public:
    PlotBuilder(CChartModel& model, EngineHandle graph, EngineDC dc) : m(model), graph_(graph), dc_(dc) {}

    void Build(int pair);

private:
    void ClampForLogScale(int set, int pair);
    void BuildSimplePlot(int set);
    void BuildGroupPlot(int set);
    void BuildPieChart(int set);

    CChartModel& m;
    EngineHandle graph_;
    EngineDC dc_;
};

void PlotBuilder::Build(int pair) {
    for (int i = 0; i < kSetCount; ++i) {
        if (!Drawable(m, i)) {
            continue;
        }
        const int simplePair = DrawnPair(m, m.SPlotRefAxes[U(i)]);
        if (simplePair == pair) {
            ClampForLogScale(i, pair);
        }
        switch (m.SDataType[U(i)]) {
        case 0:
            if (simplePair == pair) {
                BuildSimplePlot(i);
            }
            break;
        case 1:
            if (DrawnPair(m, m.GPlotRefAxes[U(i)]) == pair) {
                BuildGroupPlot(i);
            }
            break;
        case 2:
            if (pair == 0) {
                BuildPieChart(i);
            }
            break;
        default:
            break;
        }
    }
}

void PlotBuilder::ClampForLogScale(int set, int pair) {
    int xa = 0, ya = 1;
    GetAxisPair(m, pair, xa, ya);
    const auto clamp = [](const DoubleArray& values, DoubleArray& buffer, std::size_t n) {
        for (std::size_t j = 0; j < std::min({n, values.size(), buffer.size()}); ++j) {
            if (!(values[j] > kLogFloor)) {
                buffer[j] = kLogFloor;
            }
        }
    };
    const std::size_t n = U(Points(m, set));
    if (m.AxisScaleMode[U(xa)] != 0) {
        clamp(m.SDataXData[U(set)], m.XRawPlotData[U(set)], n);
    }
    if (m.AxisScaleMode[U(ya)] != 0) {
        clamp(m.SDataYData[U(set)], m.YRawPlotData[U(set)], n);
    }
}

void PlotBuilder::BuildSimplePlot(int set) {
    const std::size_t i = U(set);
    if (m.SDataNumGroups[i] != 1) {
        return;
    }
    const EngineHandle data = m.DataSet[i];
    EngineHandle plot = 0;
    switch (m.SPlotType[i]) {
    case 1:
        plot =
            EngineAddBarPlot(graph_, dc_, data, m.SPlotBarWidth[i], m.SPlotBarJustify[i], m.SPlotBarType[i],
                             Color(m.SPlotBarColor[i]), m.SPlotBarHatch[i], m.SPlotBarHatch[i] == 0 ? -1 : 0);
        break;
    case 2:
        if (m.SPlotScatterLine[i] != 0) {
            EngineSetLineAttributes(graph_, dc_, m.SPlotLineStyle[i], m.SPlotLineThickness[i],
                                    Color(m.SPlotLineColor[i]));
            plot = EngineAddLineMarkerPlot(graph_, dc_, data, m.SPlotScatterShape[i],
                                           Color(m.SPlotScatterColor[i]), m.SPlotScatterSize[i],
                                           m.SPlotScatterStyle[i]);
        } else {
            plot =
                EngineAddScatterPlot(graph_, dc_, data, m.SPlotScatterShape[i], Color(m.SPlotScatterColor[i]),
                                     m.SPlotScatterSize[i], m.SPlotScatterStyle[i], m.SPlotScatterDrop[i]);
        }
        break;
    case 3:
        break;
    default:
        EngineSetLineAttributes(graph_, dc_, m.SPlotLineStyle[i], m.SPlotLineThickness[i],
                                Color(m.SPlotLineColor[i]));
        plot = EngineAddLinePlot(graph_, dc_, data, m.SPlotAreaFill[i], m.SPlotSpline[i]);
        break;
    }
    m.PlotHandle[i] = StoredHandle(static_cast<std::uint32_t>(plot));
}

void PlotBuilder::BuildGroupPlot(int set) {
    const std::size_t i = U(set);
    if (m.SDataNumGroups[i] < 2) {
        return;
    }
    const int groups = std::min(m.SDataNumGroups[i], kGroupCount);
    std::array<ColorRef, kGroupCount> colors{};
    std::array<int, kGroupCount> hatches{}, solid{}, styles{}, widths{};
    for (std::size_t g = 0; g < U(groups); ++g) {
        colors[g] = Color(m.GPlotLineColor[i][g]);
        hatches[g] = m.GPlotBarHatch[i][g];
        solid[g] = hatches[g] == 0 ? -1 : 0;
        styles[g] = m.GPlotLineStyle[i][g];
        widths[g] = m.GPlotLineThickness[i];
    }
    const EngineHandle data = m.DataSet[i];
    EngineHandle plot = 0;
    const int code = m.GPlotType[i];
    switch (code) {
    case 0:
    case 1:
    case 2:
        plot = EngineAddGroupBarPlot(graph_, dc_, data, m.GPlotBarWidth[i], m.GPlotBarJustify[i],
                                     m.GPlotBarType[i], code, colors.data(), hatches.data(), solid.data(),
                                     groups);
        break;
    case 3:
        plot = EngineAddFloatingBarPlot(graph_, dc_, data, m.GPlotBarWidth[i], m.GPlotBarJustify[i],
                                        m.GPlotBarType[i], colors[0], hatches[0], solid[0]);
        break;
    case 5:
        plot = EngineAddStackedLinePlot(graph_, dc_, data, m.GPlotAreaFill[i], styles.data(), widths.data(),
                                        colors.data(), groups);
        break;
    case 6:
        EngineSetLineAttributes(graph_, dc_, m.GPlotLineStyle[i][1], m.GPlotLineThickness[i],
                                Color(m.GPlotLineColor[i][1]));
        plot = EngineAddHighLowClosePlot(graph_, dc_, data, m.GPlotScatterShape[i], colors[0],
                                         m.GPlotScatterSize[i], m.GPlotScatterStyle[i]);
        break;
    case 7:
        EngineSetLineAttributes(graph_, dc_, m.GPlotLineStyle[i][0], m.GPlotLineThickness[i], colors[0]);
        plot = EngineAddErrorBarPlot(graph_, dc_, data, m.GPlotScatterSize[i]);
        break;
    default:
        break;
    }
    m.PlotHandle[i] = StoredHandle(static_cast<std::uint32_t>(plot));
}

void PlotBuilder::BuildPieChart(int set) {
    const std::size_t i = U(set);
    m.SDataNumPlotPoints[i] = std::min(m.SDataNumPlotPoints[i], kGroupCount);
    const int n = m.SDataNumPlotPoints[i];
    if (n <= 0) {
        return;
    }
    std::array<double, kGroupCount> values{}, explode{};
    std::array<ColorRef, kGroupCount> fills{}, borders{};
    std::array<int, kGroupCount> hatches{};
    const DoubleArray& x = m.XRawPlotData[i];
    for (std::size_t s = 0; s < U(n); ++s) {
        values[s] = s < x.size() ? x[s] : 0.0;
        fills[s] = Color(m.PieSliceFillColor[i][s]);
        borders[s] = Color(m.PieSliceBorderColor[i][s]);
        hatches[s] = m.PieSliceHatch[i][s];
        explode[s] = m.PieSliceExplode[i][s] * 0.01;
    }
    SetText(m.PieFontColor[i], m.PieNumericFont[i], m.PieFontSize[i], m.PieFontStyle[i]);
    const EngineHandle pie =
        EngineAddPieChart(graph_, dc_, values.data(), n, 10 + m.Pie3DLook[i], m.PieNumericStyle[i],
                          m.PieNumberPos[i], m.PieDiameter[i], m.PieCenterX[i], m.PieCenterY[i], fills.data(),
                          borders.data(), hatches.data(), explode.data());
    m.PlotHandle[i] = StoredHandle(static_cast<std::uint32_t>(pie));
    const LineBlock labels = LinesToBlock(m.PieSliceLabel[i], n);
    EngineAddPieLabels(graph_, pie, labels.data(), SlotCount(labels));
}

} // namespace

void BuildPlots(CChartModel& model, EngineHandle graph, EngineDC dc, int pair) {
    PlotBuilder(model, graph, dc).Build(pair);
}

} // namespace chart
