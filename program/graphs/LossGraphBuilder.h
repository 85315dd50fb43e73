#pragma once
// The path-loss comparison chart: the ITU-R P.529, Okumura-Hata-Davidson and COST 231 path loss
// and the free-space loss against distance, each model drawn solid where its inputs are inside
// its validity range and dash-dot where not, with legend, title lines and fixed axes.

#include "Dispatch.h"
#include "GraphInputs.h"
#include "PlotCurve.h"

#include <ctime>
#include <memory>
#include <string>

class ChartCalls;

class LossGraphBuilder {
public:
    static constexpr int kCurveCount = 6;
    static constexpr int kFreeSpaceCurve = 4;

    LossGraphBuilder();

    // Computes the curves and hands them to the chart. clearFirst: a rebuild asked for by the user,
    // which disables the sets a smaller build would leave behind and redraws at the end. now goes
    // into the first title line. False, with the chart untouched, when a number box is not a number.
    bool Build(automation::IDispatch& chart, const GraphInputs& inputs, bool clearFirst, const std::tm& now);

    // The curves of the last build: 0 ITU-R P.529, 1 Okumura-Hata-Davidson, 2 COST 231, 4 free space.
    const PlotCurve& Curve(int index) const { return curves_[static_cast<std::size_t>(index)]; }

    // The texts the chart shows.
    static std::string ParameterTitle(const GraphInputs& inputs);
    static std::string PercentTitle(const GraphInputs& inputs, const std::tm& now);

private:
    void ComputeCurves(const GraphInputs& inputs, ModelInputs numbers);
    void DefineModelSets(ChartCalls& chart, int model, int& setNumber, std::string& legend);
    void DefineFreeSpaceSet(ChartCalls& chart, int setNumber);
    static void SetAxes(ChartCalls& chart, double maxDistanceKm);

    std::unique_ptr<std::array<PlotCurve, kCurveCount>> storage_;
    std::array<PlotCurve, kCurveCount>& curves_;
};
