// One single-distance evaluation (the six results the main window shows) and one graph curve
// build: 3000 distances of three models with their validity checks, into preallocated arrays.
#include "ModCalculations.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

void SixResults(benchmark::State& state) {
    ModelInputs in{450, 10, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50};
    for (auto _ : state) {
        benchmark::DoNotOptimize(in.f__mhz);
        std::array<double, 6> results = {
            P529Loss(in),          HataDavidsonLoss(in),          Cost231Loss(in),
            P529FieldStrength(in), HataDavidsonFieldStrength(in), Cost231FieldStrength(in),
        };
        for (int m = 0; m < 3; ++m)
            benchmark::DoNotOptimize(InputsInRange(static_cast<ModelIndex>(m), in));
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(SixResults);

void ThreeModelCurve(benchmark::State& state) {
    constexpr int kPoints = 3000;
    std::vector<double> distances(kPoints), values(3 * kPoints);
    std::vector<char> valid(3 * kPoints);
    const ModelProcedure models[3] = {P529Loss, HataDavidsonLoss, Cost231Loss};
    const ModelIndex indices[3] = {ModelP529, ModelHataDavidson, ModelCost231};
    ModelInputs in{900, 0, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50};
    for (auto _ : state) {
        for (int m = 0; m < 3; ++m) {
            for (int i = 0; i < kPoints; ++i) {
                in.d__km = 0.1 * (i + 1);
                distances[i] = in.d__km;
                valid[m * kPoints + i] = InputsInRange(indices[m], in);
                values[m * kPoints + i] = models[m](in);
            }
        }
        benchmark::DoNotOptimize(values.data());
        benchmark::DoNotOptimize(valid.data());
    }
}
BENCHMARK(ThreeModelCurve)->Unit(benchmark::kMicrosecond);

} // namespace
