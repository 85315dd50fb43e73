// A whole chart build per iteration, into a control that takes the calls and does nothing: the
// cost of the curves, their validity checks and the calls themselves.

#include "CurveInputs.h"
#include "FieldStrengthGraphBuilder.h"
#include "LossGraphBuilder.h"

#include <benchmark/benchmark.h>

namespace {

class NullChart : public automation::IDispatch {
public:
    automation::HRESULT Invoke(automation::DISPID, automation::InvokeKind,
                               const std::vector<automation::Variant>&, automation::Variant*) override {
        return automation::S_OK;
    }
};

void BM_LossGraph(benchmark::State& state) {
    NullChart chart;
    LossGraphBuilder builder;
    const GraphInputs in = testsupport::CurveInputs(static_cast<double>(state.range(0)));
    const std::tm now{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(builder.Build(chart, in, true, now));
    }
}
BENCHMARK(BM_LossGraph)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_FieldStrengthGraph(benchmark::State& state) {
    NullChart chart;
    FieldStrengthGraphBuilder builder;
    FieldStrengthInputs in;
    in.graph = testsupport::CurveInputs(300);
    in.graphModel = state.range(0);
    const std::tm now{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(builder.Build(chart, in, true, now));
    }
}
// 4 compares the models; 1 draws one model at six base heights.
BENCHMARK(BM_FieldStrengthGraph)->Arg(4)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
