#include "ChartBuild.h"

#include "ChartAxes.h"
#include "ChartBuildLines.h"
#include "ChartBuildPlots.h"
#include "ChartBuildSteps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace chart {

namespace {

using namespace build;

int Groups(const CChartModel& m, int set) {
    return std::max(1, m.SDataNumGroups[U(set)]);
}

// Counts and arrays can disagree after a reconnect or a hand-written stream: never copy past
// what the model holds.
void CopyValues(const DoubleArray& from, DoubleArray& to) {
    std::fill(to.begin(), to.end(), 0.0);
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

bool StackedLines(const CChartModel& m, int set) {
    return m.SDataType[U(set)] == 1 && m.SDataNumGroups[U(set)] >= 2 && m.GPlotType[U(set)] == 5;
}

// The range of set i's bars along an axis, when the set is drawn as bars: plain bars of a simple
// set, group, stacked or floating bars of a group set (the kinds the build hands the engine);
// -1 when it is not.
EngineBool BarRange(const CChartModel& m, int set, int axis, double& lo, double& hi) {
    const std::size_t i = U(set);
    const EngineHandle data = m.DataSet[i];
    const int alongX = axis % 2 == 0 ? 1 : 0;
    const int mode = m.AxisScaleMode[U(axis)];
    if (m.SDataType[i] == 0 && m.SDataNumGroups[i] == 1 && m.SPlotType[i] == 1) {
        return EngineGetDatasetBarRange(data, alongX, mode, -1, m.SPlotBarWidth[i], m.SPlotBarJustify[i],
                                        m.SPlotBarType[i], 1, &lo, &hi);
    }
    const int code = m.GPlotType[i];
    if (m.SDataType[i] == 1 && m.SDataNumGroups[i] >= 2 && code >= 0 && code <= 3) {
        return EngineGetDatasetBarRange(data, alongX, mode, code, m.GPlotBarWidth[i], m.GPlotBarJustify[i],
                                        m.GPlotBarType[i], std::min(m.SDataNumGroups[i], kGroupCount), &lo,
                                        &hi);
    }
    return -1;
}

class Builder {
public:
    Builder(CChartModel& model, EngineHandle graph, EngineDC dc) : m(model), graph_(graph), dc_(dc) {}

    void Run() {
        BuildDataSets();
        BuildPlotArea();
        BuildAxes(1);
        BuildPlots(m, graph_, dc_, 1);
        BuildAxes(0);
        BuildPlots(m, graph_, dc_, 0);
        BuildTitles();
        BuildLegend();
        BuildDataCursors();
    }

private:
    void BuildDataSets();
    void BuildPlotArea();
    void BuildAxes(int pair);
    void BuildAxis(int axis, int visibleAxis, bool isX);
    void BuildAxisLabels(int axis);
    void GetDataExtents(int axis, double& min, double& max) const;
    void TrackIntercept(int axis);
    void BuildTitles();
    void BuildLegend();
    int FindFirstGroupOrPie() const;
    void BuildDataCursors();

    CChartModel& m;
    EngineHandle graph_;
    EngineDC dc_;
};

void Builder::BuildDataSets() {
    for (int i = 0; i < kSetCount; ++i) {
        if (m.DataSet[U(i)] != 0) {
            EngineDeleteDataset(m.DataSet[U(i)], 0);
            m.DataSet[U(i)] = 0;
        }
        const int n = Points(m, i);
        if (n > 0) {
            m.XRawPlotData[U(i)].assign(U(n), 0.0);
            m.YRawPlotData[U(i)].assign(U(n) * U(Groups(m, i)), 0.0);
        }
    }
    for (int i = 0; i < kSetCount; ++i) {
        const int n = Points(m, i);
        if (n <= 0) {
            continue;
        }
        CopyValues(m.SDataXData[U(i)], m.XRawPlotData[U(i)]);
        CopyValues(m.SDataYData[U(i)], m.YRawPlotData[U(i)]);
        const int groups = Groups(m, i);
        const EngineHandle set = groups > 1 ? EngineCreateGroupDataset(nullptr, m.XRawPlotData[U(i)].data(),
                                                                       m.YRawPlotData[U(i)].data(), n, groups)
                                            : EngineCreateDataset(nullptr, m.XRawPlotData[U(i)].data(),
                                                                  m.YRawPlotData[U(i)].data(), n);
        m.DataSet[U(i)] = StoredHandle(static_cast<std::uint32_t>(set));
    }
}

void Builder::BuildPlotArea() {
    if (m.LeftPlotArea > m.RightPlotArea) {
        std::swap(m.LeftPlotArea, m.RightPlotArea);
    }
    if (m.TopPlotArea > m.BottomPlotArea) {
        std::swap(m.TopPlotArea, m.BottomPlotArea);
    }
    const double w = std::max(m.RightPlotArea - m.LeftPlotArea, 0.1);
    const double h = std::max(m.BottomPlotArea - m.TopPlotArea, 0.1);
    EngineSetPlotArea(graph_, dc_, m.LeftPlotArea, m.TopPlotArea, m.LeftPlotArea + w, m.TopPlotArea + h,
                      Color(m.PlotBackgroundColor));
    EngineSetTickSizes(EngineGetPageOfGraph(graph_), m.MajorTickSize, m.MinorTickSize);
    if (m.WindowBorderStyle <= 2) {
        EngineSetBorderStyle(graph_, m.WindowBorderStyle);
    }
}

// A set the engine cannot range (no finite value) adds nothing: its absence must not pull the
// scale to 0. Bars are shown whole and standing on their base, stacked lines reach their running
// totals.
void Builder::GetDataExtents(int axis, double& min, double& max) const {
    min = max = 0.0;
    bool first = true;
    for (int i = 0; i < kSetCount; ++i) {
        if (!Drawable(m, i)) {
            continue;
        }
        double lo = 0.0, hi = 0.0;
        const EngineHandle data = m.DataSet[U(i)];
        EngineBool ranged = BarRange(m, i, axis, lo, hi);
        if (ranged < 0 && axis % 2 == 0) {
            ranged = EngineGetDatasetXRange(data, &lo, &hi);
        } else if (ranged < 0 && StackedLines(m, i)) {
            ranged =
                EngineGetDatasetStackedYRange(data, std::min(m.SDataNumGroups[U(i)], kGroupCount), &lo, &hi);
        } else if (ranged < 0) {
            ranged = EngineGetDatasetYRange(data, &lo, &hi);
        }
        if (ranged == 0) {
            continue;
        }
        min = first ? lo : std::min(min, lo);
        max = first ? hi : std::max(max, hi);
        first = false;
    }
}

void Builder::TrackIntercept(int axis) {
    if (m.AxisInterceptTrack[U(axis)] == 0) {
        return;
    }
    static constexpr std::array<int, 4> kPartner = {1, 0, 3, 2};
    const int partner = kPartner[U(axis)];
    m.AxisIntercept[U(axis)] = axis < 2 ? m.AxisMin[U(partner)] : m.AxisMax[U(partner)];
}

void Builder::BuildAxes(int pair) {
    if (pair == 1 && !HasSecondaryAxes(m)) {
        return;
    }
    int xa = 0, ya = 1;
    GetAxisPair(m, pair, xa, ya);
    EngineSetScaleTypes(graph_, m.AxisScaleMode[U(xa)], m.AxisScaleMode[U(ya)]);
    for (int axis : {xa, ya}) {
        if (m.AxisAutoAxis[U(axis)] != 0) {
            double min = 0.0, max = 0.0;
            GetDataExtents(axis, min, max);
            AutoScaleAxis(m, graph_, axis, min, max, 2);
        }
    }
    EngineSetScale(graph_, m.AxisMin[U(xa)], m.AxisMin[U(ya)], m.AxisMax[U(xa)], m.AxisMax[U(ya)]);
    TrackIntercept(xa);
    TrackIntercept(ya);
    EngineSetAxesIntercepts(graph_, m.AxisIntercept[U(ya)], m.AxisIntercept[U(xa)]);
    BuildAxis(xa, 2 * pair, true);
    BuildAxis(ya, 2 * pair + 1, false);
}

void Builder::BuildAxis(int axis, int visibleAxis, bool isX) {
    const std::size_t a = U(axis);
    EngineSetLineAttributes(graph_, dc_, 0, m.AxisLineWidth[a], Color(m.AxisColor[a]));
    const EngineHandle handle =
        isX ? EngineAddXAxis(graph_, dc_, m.AxisMajorTickInterval[a], m.AxisMinorTicks[a], m.AxisTickStyle[a])
            : EngineAddYAxis(graph_, dc_, m.AxisMajorTickInterval[a], m.AxisMinorTicks[a],
                             m.AxisTickStyle[a]);
    m.AxisHandle[a] = StoredHandle(static_cast<std::uint32_t>(handle));
    const std::size_t v = U(visibleAxis);
    if (m.AxisEnable[v] == 0) {
        EngineEnableAxis(graph_, handle, 0);
    }
    if (m.AxisLabelsEnable[v] == 0 || m.AxisEnable[v] == 0) {
        return;
    }
    BuildAxisLabels(axis);
    if (!m.AxisTitleString[a].isEmpty()) {
        SetText(m.AxisTitleColor[a], m.AxisTitleFont[a], m.AxisTitleFontSize[a], m.AxisTitleFontStyle[a]);
        EngineAddAxisTitle(graph_, dc_, handle, m.AxisTitlePos[a], Utf8(m.AxisTitleString[a]).constData());
    }
    if (m.AxisGridEnable[a] != 0) {
        EngineSetLineAttributes(graph_, dc_, m.AxisGridLineStyle[a], m.AxisGridLineWidth[a],
                                Color(m.AxisGridColor[a]));
        EngineAddAxisGrid(graph_, handle, m.AxisGridType[a]);
    }
}

void Builder::BuildAxisLabels(int axis) {
    const std::size_t a = U(axis);
    SetText(m.AxisLabelColor[a], m.AxisLabelFont[a], m.AxisLabelFontSize[a], m.AxisLabelFontStyle[a]);
    const double interval = m.AxisMajorTickInterval[a];
    LineBlock& block = m.AxisLabelBlocks[a];
    // String labels need a tick interval to count their ticks; without one they fall back to numbers.
    if (m.AxisLabelStringsEnable[a] != 0 && !m.AxisLabelStrings[a].isEmpty() && interval != 0.0 &&
        std::isfinite(interval)) {
        const double ticks = std::fabs((m.AxisMax[a] - m.AxisMin[a]) / interval);
        int count = std::isfinite(ticks) ? static_cast<int>(std::min(ticks, 10000.0)) + 1 : 1;
        block = SplitLines(m.AxisLabelStrings[a], count);
        m.NumAxisLabelStrings[a] = count;
        EngineAddStringAxisLabels(graph_, dc_, m.AxisHandle[a], m.AxisLabelPos[a], m.AxisLabelStringsStart[a],
                                  block.data(), SlotCount(block));
        return;
    }
    LineBlock().swap(block);
    EngineAddNumericAxisLabels(graph_, dc_, m.AxisHandle[a], m.AxisLabelPos[a], m.AxisNumericStyle[a],
                               m.AxisLabelDecs[a], 0, 0);
}

void Builder::BuildTitles() {
    for (int t = 0; t < kTitleCount; ++t) {
        const std::size_t i = U(t);
        if (m.TitleString[i].isEmpty()) {
            continue;
        }
        SetText(m.TitleColor[i], m.TitleFont[i], m.TitleFontSize[i], m.TitleFontStyle[i]);
        double y = 0.01 + 0.005 * m.WindowBorderThickness;
        int position = 6;
        if (t == 1) {
            y = m.TopPlotArea - 0.01;
            position = 14;
        } else if (t == 2) {
            y = 0.99 - 0.005 * m.WindowBorderThickness;
            position = 14;
        }
        EngineAddTitle(graph_, dc_, Utf8(m.TitleString[i]).constData(), 0.5, y, position, 0);
    }
}

int Builder::FindFirstGroupOrPie() const {
    for (int i = 0; i < kSetCount; ++i) {
        const int type = m.SDataType[U(i)];
        if (Drawable(m, i) && (type == 1 || type == 2)) {
            return i;
        }
    }
    return -1;
}

void Builder::BuildLegend() {
    if (m.SLegendEnable == 0) {
        return;
    }
    LineBlock().swap(m.LegendLineBlock);
    if (m.SLegendStrings.isEmpty()) {
        return;
    }
    int count = kSetCount;
    m.LegendLineBlock = SplitLines(m.SLegendStrings, count);
    m.LegendLineCount = count;
    SetText(m.SLegendFontColor, m.SLegendFont, m.SLegendFontSize, m.SLegendFontStyle);
    bool simple = false, groupOrPie = false;
    for (int i = 0; i < kSetCount; ++i) {
        if (Drawable(m, i)) {
            simple = simple || m.SDataType[U(i)] == 0;
            groupOrPie = groupOrPie || m.SDataType[U(i)] == 1 || m.SDataType[U(i)] == 2;
        }
    }
    const char* block = m.LegendLineBlock.data();
    const int slotCount = SlotCount(m.LegendLineBlock);
    if (m.SLegendType == 0 && simple) {
        EngineAddSimpleLegend(graph_, dc_, m.SLegendLeft, m.SLegendTop, m.SLegendRight, m.SLegendBottom,
                              Color(m.SLegendBorderColor), m.SLegendBorderThickness,
                              Color(m.SLegendFontColor), Color(m.SLegendBackgroundColor),
                              m.SLegendOrientation, block, slotCount);
    } else if (m.SLegendType == 1 && groupOrPie) {
        const int k = FindFirstGroupOrPie();
        if (k >= 0) {
            EngineAddGroupLegend(graph_, dc_, m.SLegendLeft, m.SLegendTop, m.SLegendRight, m.SLegendBottom,
                                 Color(m.SLegendBorderColor), m.SLegendBorderThickness,
                                 Color(m.SLegendFontColor), Color(m.SLegendBackgroundColor),
                                 m.SLegendOrientation, block, slotCount, m.PlotHandle[U(k)]);
        }
    }
}

void Builder::BuildDataCursors() {
    const auto low16 = [](std::int32_t value) {
        return static_cast<int>(static_cast<std::int16_t>(value & 0xFFFF));
    };
    for (std::size_t c = 0; c < U(kDataCursorCount); ++c) {
        if (m.DataCursorDefined[c] == 0) {
            continue;
        }
        const std::size_t xa = m.DataCursorAxis[c] != 0 ? 2 : 0;
        const EngineHandle cursor =
            EngineAddDataCursor(graph_, dc_, m.DataCursorType[c], m.AxisHandle[xa], m.AxisHandle[xa + 1],
                                low16(m.DataCursorSize[c]), low16(m.DataCursorWidth[c]),
                                low16(m.DataCursorStyle[c]), Color(m.DataCursorColor[c]));
        m.DataCursorHandle[c] = StoredHandle(static_cast<std::uint32_t>(cursor));
    }
}

} // namespace

void OnBuildGraph(CChartModel& model, EngineHandle graph, EngineDC dc) {
    model.GraphHandle = StoredHandle(static_cast<std::uint32_t>(graph));
    if (model.EngineLink() != nullptr) {
        model.EngineLink()->BindContext();
    }
    Builder(model, graph, dc).Run();
}

} // namespace chart
