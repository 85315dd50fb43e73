// One single-distance evaluation (the six results the main window shows) and one graph curve
// build: 3000 distances of three models with their validity checks, into preallocated arrays.
#include "ModCalculations.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

const std::string kArea = "Urban";
const std::string kCity = "Small/Medium";

void SixResults(benchmark::State& state) {
    double f = 450;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        std::array<double, 6> results = {
            P529Loss(f, 10, 100, 1.5, kArea, kCity, 50, 50),
            HataDavidsonLoss(f, 10, 100, 1.5, kArea, kCity, 50, 50),
            Cost231Loss(f, 10, 100, 1.5, kArea, kCity, 50, 50),
            P529FieldStrength(f, 10, 100, 1.5, kArea, kCity, 50, 50),
            HataDavidsonFieldStrength(f, 10, 100, 1.5, kArea, kCity, 50, 50),
            Cost231FieldStrength(f, 10, 100, 1.5, kArea, kCity, 50, 50),
        };
        for (int m = 0; m < 3; ++m)
            benchmark::DoNotOptimize(InputsInRange(m, f, 100, 1.5, 10, kArea));
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(SixResults);

void ThreeModelCurve(benchmark::State& state) {
    constexpr int kPoints = 3000;
    std::vector<double> distances(kPoints), values(3 * kPoints);
    std::vector<char> valid(3 * kPoints);
    using Procedure =
        double (*)(double, double, double, double, const std::string&, const std::string&, double, double);
    const Procedure models[3] = {P529Loss, HataDavidsonLoss, Cost231Loss};
    const int indices[3] = {ModelP529, ModelHataDavidson, ModelCost231};
    for (auto _ : state) {
        for (int m = 0; m < 3; ++m) {
            for (int i = 0; i < kPoints; ++i) {
                const double d = 0.1 * (i + 1);
                distances[i] = d;
                valid[m * kPoints + i] = InputsInRange(indices[m], 900, 100, 1.5, d, kArea);
                values[m * kPoints + i] = models[m](900, d, 100, 1.5, kArea, kCity, 50, 50);
            }
        }
        benchmark::DoNotOptimize(values.data());
        benchmark::DoNotOptimize(valid.data());
    }
}
BENCHMARK(ThreeModelCurve)->Unit(benchmark::kMicrosecond);

} // namespace
