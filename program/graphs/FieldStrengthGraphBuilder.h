#pragma once
// The field-strength chart, in one of two modes chosen by the program's graph model: the three
// models compared at the entered base height (with free space and, when wanted, the matching
// measured data), or one model at six fixed base heights (with free space).

#include "Dispatch.h"
#include "GraphInputs.h"
#include "Measured.h"
#include "ModelNumbering.h"
#include "PlotCurve.h"

#include <ctime>
#include <memory>
#include <string>
#include <vector>

class ChartCalls;
struct FieldStrengthMode;

struct FieldStrengthInputs {
    GraphInputs graph;
    // A GraphModelNumber (ModelNumbering.h): one model at six base heights, or the comparison.
    long graphModel = GraphComparison;
    bool showMeasuredData = false;
    const std::vector<MeasuredRecord>* measured = nullptr;
};

class FieldStrengthGraphBuilder {
public:
    static constexpr int kCurveCount = 9;
    static constexpr int kComparisonFreeSpace = 4;
    static constexpr int kMeasuredCurve = 5;
    static constexpr int kSingleFreeSpace = 6;
    static constexpr int kSingleHeights = 6;
    static constexpr double kBaseHeightTable[11] = {30, 50, 70, 100, 150, 200, 300, 450, 600, 800, 1000};

    FieldStrengthGraphBuilder();

    // Computes the curves and hands them to the chart. clearOld: a rebuild asked for by the user,
    // which disables the sets a smaller build would leave behind and redraws at the end. now goes
    // into the first title line. False, with the chart untouched, when a number box is not a number
    // or the graph model is not one of the above.
    bool Build(automation::IDispatch& chart, const FieldStrengthInputs& inputs, bool clearOld,
               const std::tm& now);

    const PlotCurve& Curve(int index) const { return curves_[static_cast<std::size_t>(index)]; }

    // The second title line; the base height shows only when the models are compared.
    static std::string ParameterTitle(const GraphInputs& inputs, bool withBaseHeight);
    // The first title line before the date; empty for an unknown graph model.
    static std::string ModelTitle(long graphModel);

private:
    void ComputeCurves(const FieldStrengthInputs& inputs, ModelInputs numbers, const FieldStrengthMode& mode);
    void ComputeMeasured(const FieldStrengthInputs& inputs, const ModelInputs& numbers);
    static void SetTitles(ChartCalls& chart, const GraphInputs& inputs, const FieldStrengthMode& mode,
                          const std::tm& now);
    void DefineComparisonSets(ChartCalls& chart, int& setNumber, std::string& legend);
    void DefineSingleModelSets(ChartCalls& chart, int& setNumber, std::string& legend);
    void DefineCurveSets(ChartCalls& chart, int index, int& setNumber, std::string& legend,
                         int styleOverride = -1);
    void DefineWholeSet(ChartCalls& chart, int index, int& setNumber, std::int32_t style);

    std::unique_ptr<std::array<PlotCurve, kCurveCount>> storage_;
    std::array<PlotCurve, kCurveCount>& curves_;
};
