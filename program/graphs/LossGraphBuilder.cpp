#include "LossGraphBuilder.h"

#include "ChartCalls.h"
#include "ChartConstants.h"
#include "DistanceGrid.h"
#include "ModCalculations.h"
#include "NumberText.h"

using automation::Variant;
using namespace chartcode;

namespace {

// By ModelIndex; the US model is never drawn here.
const char* const kLegends[] = {"ITU 529", "Davidson", "Cost 231"};
constexpr int kDrawnModels = 3;

constexpr std::int32_t kModelPalette[] = {Rgb(0, 128, 0), Rgb(255, 0, 0), Rgb(0, 0, 180), Rgb(255, 0, 255)};
constexpr std::int32_t kFreeSpaceColour = Rgb(40, 40, 40);

} // namespace

LossGraphBuilder::LossGraphBuilder()
    : storage_(std::make_unique<std::array<PlotCurve, kCurveCount>>()), curves_(*storage_) {}

bool LossGraphBuilder::Build(automation::IDispatch& dispatch, const GraphInputs& inputs, bool clearFirst,
                             const std::tm& now) {
    const auto numbers = ModelInputsOf(inputs);
    if (!numbers) {
        return false;
    }
    ChartCalls chart(dispatch);
    if (clearFirst) {
        for (int set = 1; set <= 5; ++set) {
            chart.Put(chartid::SDataEnable, set, Variant::Bool(false));
        }
    }
    ComputeCurves(inputs, *numbers);
    std::string legend;
    int setNumber = -1;
    for (int model = 0; model < kDrawnModels; ++model) {
        legend += kLegends[model];
        legend += kCr;
        if (curves_[static_cast<std::size_t>(model)].Count > 0) {
            DefineModelSets(chart, model, setNumber, legend);
        }
    }
    if (NextSet(setNumber)) {
        DefineFreeSpaceSet(chart, setNumber);
    }
    SetAxes(chart, inputs.maxDistanceKm);
    std::string title2 = ParameterTitle(inputs);
    chart.Put(chartid::TitleString, kTitleLine2, Variant::RefStr(title2));
    chart.Put(chartid::TitleString, kTitleLine1, Variant::Str(PercentTitle(inputs, now)));
    chart.Put(chartid::TitleFontSize, kTitleLine2, Variant::I4(8));
    chart.Put(chartid::TitleFontSize, kTitleLine1, Variant::I4(8));
    chart.SetLegend(legend + "Free Space");
    if (clearFirst) {
        chart.Call(chartid::UpdateGraph);
    }
    return true;
}

void LossGraphBuilder::ComputeCurves(const GraphInputs& inputs, ModelInputs n) {
    for (auto& curve : curves_) {
        curve.Begin(false);
    }
    PlotCurve& freeSpace = curves_[kFreeSpaceCurve];
    const DistanceGrid freeGrid = MakeDistanceGrid(0.1, inputs.maxDistanceKm);
    freeSpace.Begin(true);
    for (int k = 0; k < freeGrid.count; ++k) {
        const double d = freeGrid.At(k);
        freeSpace.Add(d, true, 32.5 + 20.0 * Log10(n.f__mhz) + 20.0 * Log10(d));
    }
    freeSpace.Finish();
    const DistanceGrid grid = MakeDistanceGrid(1.0, inputs.maxDistanceKm);
    for (int index = 0; index < kDrawnModels; ++index) {
        const auto model = static_cast<ModelIndex>(index);
        const ModelProcedure loss = ProcedureOf(model, ModelResult::PathLoss);
        PlotCurve& curve = curves_[static_cast<std::size_t>(index)];
        curve.Colour = kModelPalette[index];
        n.d__km = grid.At(0);
        curve.Begin(InputsInRange(model, n));
        for (int k = 0; k < grid.count; ++k) {
            n.d__km = grid.At(k);
            curve.Add(n.d__km, InputsInRange(model, n), loss(n));
        }
        curve.Finish();
    }
}

void LossGraphBuilder::DefineModelSets(ChartCalls& chart, int model, int& setNumber, std::string& legend) {
    PlotCurve& curve = curves_[static_cast<std::size_t>(model)];
    const auto segments = CurveSegments(curve);
    const bool broken = segments.size() > 1;
    for (std::size_t p = 0; p < segments.size(); ++p) {
        if (!NextSet(setNumber)) {
            return;
        }
        const CurveSegment& segment = segments[p];
        const auto start = static_cast<std::size_t>(segment.start);
        chart.DefineDataSet(setNumber, kSetName, curve.Dist[start], curve.Level[start], segment.count);
        chart.Put(chartid::SPlotLineStyle, setNumber, Variant::I4(StyleFor(segment.valid)));
        chart.Put(chartid::SPlotLineColor, setNumber, Variant::RefI4(curve.Colour));
        if (!broken) {
            chart.Put(chartid::SPlotLineThickness, setNumber, Variant::I4(1));
        }
        chart.Put(chartid::SDataEnable, setNumber, Variant::Bool(true));
        if (broken) {
            if (p > 0) {
                legend += "(cont.)";
                legend += kCr;
            }
            chart.Put(chartid::SDataType, setNumber, Variant::I4(kDataTypeSimple));
            chart.Put(chartid::SPlotLineThickness, setNumber, Variant::I4(1));
        }
    }
}

void LossGraphBuilder::DefineFreeSpaceSet(ChartCalls& chart, int setNumber) {
    PlotCurve& curve = curves_[kFreeSpaceCurve];
    chart.Put(chartid::SDataType, setNumber, Variant::I4(kDataTypeSimple));
    chart.Put(chartid::SPlotType, setNumber, Variant::I4(kPlotTypeLine));
    chart.Put(chartid::SPlotLineColor, setNumber, Variant::I4(kFreeSpaceColour));
    chart.Put(chartid::SPlotLineStyle, setNumber, Variant::I4(kLineDot));
    chart.Put(chartid::SDataEnable, setNumber, Variant::Bool(true));
    chart.DefineDataSet(setNumber, kSetName, curve.Dist[0], curve.Level[0], curve.PointCount());
}

void LossGraphBuilder::SetAxes(ChartCalls& chart, double maxDistanceKm) {
    chart.SetAxisTextStyle();
    chart.Put(chartid::AxisMax, kAxisX, Variant::RefR8(maxDistanceKm));
    chart.Put(chartid::AxisMajorTickInterval, kAxisX, Variant::R8(maxDistanceKm == 100.0 ? 10.0 : 50.0));
    chart.Put(chartid::AxisMin, kAxisX, Variant::R8(0.0));
    chart.Put(chartid::AxisMax, kAxisY, Variant::R8(250.0));
    chart.Put(chartid::AxisMin, kAxisY, Variant::R8(50.0));
}

std::string LossGraphBuilder::ParameterTitle(const GraphInputs& inputs) {
    const std::string area = TrimBlanks(inputs.area);
    const std::string unit = HeightUnit(inputs);
    std::string text = "Freq: " + TrimBlanks(inputs.freq) +
                       "MHz,  Antenna Mobile Height: " + TrimBlanks(inputs.hm) + unit +
                       ",  Antenna Base Height: " + TrimBlanks(inputs.hb) + unit + ",  Area: " + area;
    if (area == "Urban") {
        text += ", City Size: " + TrimBlanks(inputs.city);
    }
    return text;
}

std::string LossGraphBuilder::PercentTitle(const GraphInputs& inputs, const std::tm& now) {
    return inputs.pctTime + "%Time, " + inputs.pctLoc + "%Loc, " +
           numtext::FormatDate(now, "mm/dd/yyyy hh:mm am/pm");
}
