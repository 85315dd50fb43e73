#include "FieldStrengthGraphBuilder.h"

#include "ChartCalls.h"
#include "ChartConstants.h"
#include "DistanceGrid.h"
#include "ModCalculations.h"
#include "ModelNumbering.h"
#include "NumberText.h"

#include <algorithm>
#include <optional>

using automation::Variant;
using namespace chartcode;

namespace {

struct ComparedModel {
    ModelIndex model;
    const char* legend;
};

const ComparedModel kComparedModels[] = {
    {ModelP529, "ITU 529"},
    {ModelHataDavidson, "OkHat Dav"},
    {ModelCost231, "Cost 231"},
};

constexpr std::int32_t kCurveColours[FieldStrengthGraphBuilder::kCurveCount] = {
    Rgb(0, 128, 0),   Rgb(255, 0, 0),     Rgb(0, 0, 180),   Rgb(255, 0, 255), Rgb(0, 0, 0),
    Rgb(0, 200, 200), Rgb(200, 200, 200), Rgb(255, 0, 255), Rgb(128, 0, 0),
};

constexpr int kLastClearedSet = 21;

// Entries are separated by one carriage return, whatever was appended before.
void AppendEntry(std::string& legend, const std::string& entry) {
    if (!legend.empty() && legend.back() != kCr) {
        legend += kCr;
    }
    legend += entry;
}

std::string HeightEntry(double heightM) {
    return "hb=" + numtext::Format(heightM, "####") + "m";
}

} // namespace

struct FieldStrengthMode {
    bool comparison;
    ModelIndex single; // the model drawn at the six heights
    const char* title;
};

namespace {

struct GraphTitle {
    long graphModel;
    const char* title;
};

const GraphTitle kTitles[] = {
    {GraphDavidson, "Okumura-Hata-Davidson Field Strength"},
    {GraphP529, "Okumura-Hata IUT-R P.529 Field Strength"},
    {GraphUS, "US Field Strength"},
    {GraphCost231, "Cost 231 Field Strength"},
    {GraphComparison, "Field Strength Model Comparison"},
};

std::optional<FieldStrengthMode> ModeOf(long graphModel) {
    for (const auto& t : kTitles) {
        if (t.graphModel == graphModel) {
            return FieldStrengthMode{graphModel == GraphComparison,
                                     ModelOfGraphModel(graphModel).value_or(ModelP529), t.title};
        }
    }
    return std::nullopt;
}

} // namespace

FieldStrengthGraphBuilder::FieldStrengthGraphBuilder()
    : storage_(std::make_unique<std::array<PlotCurve, kCurveCount>>()), curves_(*storage_) {}

bool FieldStrengthGraphBuilder::Build(automation::IDispatch& dispatch, const FieldStrengthInputs& inputs,
                                      bool clearOld, const std::tm& now) {
    const std::optional<FieldStrengthMode> mode = ModeOf(inputs.graphModel);
    const auto numbers = ModelInputsOf(inputs.graph);
    if (!mode || !numbers) {
        return false;
    }
    ChartCalls chart(dispatch);
    if (clearOld) {
        for (int set = 0; set <= kLastClearedSet; ++set) {
            chart.Put(chartid::SDataEnable, set, Variant::Bool(false));
        }
    }
    ComputeCurves(inputs, *numbers, *mode);

    chart.SetAxisTextStyle();
    const double maxKm = inputs.graph.maxDistanceKm;
    chart.Put(chartid::AxisMax, kAxisX, Variant::R8(maxKm));
    chart.Put(chartid::AxisMin, kAxisX, Variant::R8(0.0));
    chart.Put(chartid::AxisMax, kAxisY, Variant::R8(110.0));
    chart.Put(chartid::AxisMin, kAxisY, Variant::R8(-10.0));
    chart.Put(chartid::AxisMajorTickInterval, kAxisX, Variant::R8(maxKm == 100.0 ? 10.0 : 50.0));

    int setNumber = -1;
    std::string legend;
    if (mode->comparison) {
        DefineComparisonSets(chart, setNumber, legend);
    } else {
        DefineSingleModelSets(chart, setNumber, legend);
    }
    chart.SetLegend(legend);

    SetTitles(chart, inputs.graph, *mode, now);
    if (clearOld) {
        chart.Call(chartid::UpdateGraph);
    }
    return true;
}

void FieldStrengthGraphBuilder::SetTitles(ChartCalls& chart, const GraphInputs& inputs,
                                          const FieldStrengthMode& mode, const std::tm& now) {
    chart.Put(chartid::TitleString, kTitleLine2, Variant::Str(ParameterTitle(inputs, mode.comparison)));
    chart.Put(chartid::TitleFontSize, kTitleLine2, Variant::I4(8));
    chart.Put(chartid::TitleFontSize, kTitleLine1, Variant::I4(8));
    chart.Put(chartid::TitleString, kTitleLine1, Variant::Str(mode.title));
    const Variant stored = chart.Get(chartid::TitleString, kTitleLine1);
    const std::string title1 = stored.vt() == automation::VT_BSTR ? stored.AsStr() : std::string(mode.title);
    chart.Put(chartid::TitleString, kTitleLine1,
              Variant::Str(title1 + ", " + numtext::FormatDate(now, "mm/dd/yyyy hh:mm am/pm")));
}

void FieldStrengthGraphBuilder::ComputeCurves(const FieldStrengthInputs& inputs, ModelInputs n,
                                              const FieldStrengthMode& mode) {
    for (int i = 0; i < kCurveCount; ++i) {
        curves_[static_cast<std::size_t>(i)].Begin(false);
        curves_[static_cast<std::size_t>(i)].Colour = kCurveColours[i];
    }
    const GraphInputs& in = inputs.graph;
    PlotCurve& freeSpace = curves_[mode.comparison ? kComparisonFreeSpace : kSingleFreeSpace];
    const DistanceGrid freeGrid = MakeDistanceGrid(1.0, in.maxDistanceKm);
    // 107 dB(uV/m) at 1 km for 1 kW e.r.p., like the models, which take the power in force.
    const double atOneKm = 107.0 + 10.0 * Log10(GetPowerWatts() / 1000.0);
    freeSpace.Begin(true);
    for (int k = 0; k < freeGrid.count; ++k) {
        const double d = freeGrid.At(k);
        freeSpace.Add(d, true, atOneKm - 20.0 * Log10(d));
    }
    freeSpace.Finish();
    if (mode.comparison) {
        ComputeMeasured(inputs, n);
    }

    const DistanceGrid grid = MakeDistanceGrid(0.1, in.maxDistanceKm);
    const int curveCount = mode.comparison ? 3 : kSingleHeights;
    const double enteredHeight = n.h_b__meter;
    for (int k = 0; k < curveCount; ++k) {
        const ModelIndex model = mode.comparison ? kComparedModels[k].model : mode.single;
        const ModelProcedure field = ProcedureOf(model, ModelResult::FieldStrength);
        n.h_b__meter = mode.comparison ? enteredHeight : kBaseHeightTable[k];
        PlotCurve& curve = curves_[static_cast<std::size_t>(k)];
        n.d__km = 1.0;
        curve.Begin(InputsInRange(model, n));
        for (int i = 0; i < grid.count; ++i) {
            n.d__km = grid.At(i);
            curve.Add(n.d__km, InputsInRange(model, n), field(n));
        }
        curve.Finish();
    }
}

void FieldStrengthGraphBuilder::ComputeMeasured(const FieldStrengthInputs& inputs, const ModelInputs& n) {
    if (!inputs.showMeasuredData || inputs.measured == nullptr) {
        return;
    }
    const auto& records = *inputs.measured;
    const MeasuredMatch match = FindMeasuredCurve(n.f__mhz, n.h_b__meter, n.h_m__meter, inputs.graph.area,
                                                  n.time__percent / 100.0, records);
    if (match.Found == 0 || match.Record < 0 || static_cast<std::size_t>(match.Record) >= records.size()) {
        return;
    }
    const MeasuredRecord& record = records[static_cast<std::size_t>(match.Record)];
    if (match.Column < 0 || match.Column >= std::min<int>(record.ColumnCount, kMeasuredMaxColumns)) {
        return;
    }
    // The row count bounds the table too, so a table that lost its end marker cannot run on.
    const int rows = std::clamp<int>(record.RowCount, 0, kMeasuredMaxRows);
    PlotCurve& curve = curves_[kMeasuredCurve];
    for (int row = 0; row < rows; ++row) {
        const double reading =
            record.Reading[static_cast<std::size_t>(row)][static_cast<std::size_t>(match.Column)];
        if (IsMeasuredEndMarker(reading)) {
            break;
        }
        curve.Add(record.Dist[static_cast<std::size_t>(row)], true, reading);
    }
    curve.Finish();
}

void FieldStrengthGraphBuilder::DefineComparisonSets(ChartCalls& chart, int& setNumber, std::string& legend) {
    for (int k = 0; k < 3; ++k) {
        if (curves_[static_cast<std::size_t>(k)].Count > 0) {
            AppendEntry(legend, kComparedModels[k].legend);
            DefineCurveSets(chart, k, setNumber, legend);
        }
    }
    DefineWholeSet(chart, kComparisonFreeSpace, setNumber, kLineDot);
    AppendEntry(legend, "Free Space");
    if (curves_[kMeasuredCurve].PointCount() > 0) {
        DefineWholeSet(chart, kMeasuredCurve, setNumber, kLineSolid);
        AppendEntry(legend, "Measured");
    }
}

void FieldStrengthGraphBuilder::DefineSingleModelSets(ChartCalls& chart, int& setNumber,
                                                      std::string& legend) {
    for (int k = 0; k <= kSingleFreeSpace; ++k) {
        if (k == 0) {
            legend = HeightEntry(kBaseHeightTable[0]);
        } else if (k < kSingleFreeSpace) {
            legend += kCr + HeightEntry(kBaseHeightTable[k]);
        } else {
            legend += kCr + std::string("Free Space");
        }
        if (curves_[static_cast<std::size_t>(k)].Count > 0) {
            DefineCurveSets(chart, k, setNumber, legend, k == kSingleFreeSpace ? kLineDot : -1);
        }
    }
}

void FieldStrengthGraphBuilder::DefineCurveSets(ChartCalls& chart, int index, int& setNumber,
                                                std::string& legend, int styleOverride) {
    PlotCurve& curve = curves_[static_cast<std::size_t>(index)];
    const auto segments = CurveSegments(curve);
    if (segments.size() == 1) {
        if (NextSet(setNumber)) {
            chart.DefineDataSet(setNumber, kSetName, curve.Dist[0], curve.Level[0], segments[0].count);
            const std::int32_t style = styleOverride >= 0 ? styleOverride : StyleFor(segments[0].valid);
            chart.Put(chartid::SPlotLineStyle, setNumber, Variant::I4(style));
            chart.Put(chartid::SPlotLineColor, setNumber, Variant::I4(curve.Colour));
            chart.Put(chartid::SDataEnable, setNumber, Variant::Bool(true));
            chart.Put(chartid::SDataType, setNumber, Variant::I4(kDataTypeSimple));
            chart.Put(chartid::SPlotType, setNumber, Variant::I4(kPlotTypeLine));
            chart.Put(chartid::SPlotLineThickness, setNumber, Variant::I4(1));
        }
        return;
    }
    // Every piece gets the closing calls: a piece left to an earlier build's settings could be
    // drawn thicker than the rest of its curve.
    for (std::size_t p = 0; p < segments.size() && NextSet(setNumber); ++p) {
        const auto start = static_cast<std::size_t>(segments[p].start);
        chart.DefineDataSet(setNumber, kSetName, curve.Dist[start], curve.Level[start], segments[p].count);
        chart.Put(chartid::SPlotLineStyle, setNumber, Variant::I4(StyleFor(segments[p].valid)));
        chart.Put(chartid::SPlotLineColor, setNumber, Variant::I4(curve.Colour));
        chart.Put(chartid::SDataEnable, setNumber, Variant::Bool(true));
        if (p > 0) {
            AppendEntry(legend, "(cont.)");
        }
        chart.Put(chartid::SDataType, setNumber, Variant::I4(kDataTypeSimple));
        chart.Put(chartid::SPlotType, setNumber, Variant::I4(kPlotTypeLine));
        chart.Put(chartid::SPlotLineThickness, setNumber, Variant::I4(1));
    }
}

void FieldStrengthGraphBuilder::DefineWholeSet(ChartCalls& chart, int index, int& setNumber,
                                               std::int32_t style) {
    if (!NextSet(setNumber)) {
        return;
    }
    PlotCurve& curve = curves_[static_cast<std::size_t>(index)];
    chart.DefineDataSet(setNumber, kSetName, curve.Dist[0], curve.Level[0], curve.PointCount());
    chart.Put(chartid::SPlotLineThickness, setNumber, Variant::I4(1));
    chart.Put(chartid::SDataEnable, setNumber, Variant::Bool(true));
    chart.Put(chartid::SPlotLineColor, setNumber, Variant::I4(curve.Colour));
    chart.Put(chartid::SPlotLineStyle, setNumber, Variant::I4(style));
    chart.Put(chartid::SDataType, setNumber, Variant::I4(kDataTypeSimple));
    chart.Put(chartid::SPlotType, setNumber, Variant::I4(kPlotTypeLine));
}

std::string FieldStrengthGraphBuilder::ParameterTitle(const GraphInputs& in, bool withBaseHeight) {
    const std::string area = TrimBlanks(in.area);
    const std::string power = KilowattText(GetPowerWatts());
    const std::string unit = HeightUnit(in);
    std::string text = "Frq:" + TrimBlanks(in.freq) + "MHz,";
    if (withBaseHeight) {
        text += " Ant Hb:" + TrimBlanks(in.hb) + unit + ",";
    }
    text += " Ant Hm:" + TrimBlanks(in.hm) + unit + ", Area:" + area;
    if (area == "Urban") {
        return text + ", City Size:" + TrimBlanks(in.city) + ", Power:" + power + "kW e.r.p.," + in.pctTime +
               "%time," + in.pctLoc + "%Loc";
    }
    return text + ", Power:" + power + "kW e.r.p., " + in.pctTime + "% of Time," + in.pctLoc + "% of Loc";
}

std::string FieldStrengthGraphBuilder::ModelTitle(long graphModel) {
    const std::optional<FieldStrengthMode> mode = ModeOf(graphModel);
    return mode ? mode->title : std::string();
}
