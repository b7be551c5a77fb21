// One evaluation of the perturbation term: its share of Z (what every pressure
// evaluation of a root solve costs) and the same with the per-component
// derivatives (what a fugacity evaluation costs).
#include <benchmark/benchmark.h>

#include "fluid/Globals.h"

namespace {

const Globals::Composition pureWater = {1, 0, 0, 0, 0};
const Globals::Composition waterNaCl = {0.9, 0, 0, 0.1, 0};
const Globals::Composition allFive = {0.6, 0.1, 0.1, 0.1, 0.1};

void evaluate(benchmark::State& state, const Globals::Composition& x, int32_t mode) {
  double T = 873.15, V = 35.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(T);
    benchmark::DoNotOptimize(V);
    benchmark::DoNotOptimize(Globals::Perturbation(mode, x, T, V));
  }
}

void BM_Perturbation_Z_PureWater(benchmark::State& s) { evaluate(s, pureWater, 0); }
void BM_Perturbation_Z_WaterNaCl(benchmark::State& s) { evaluate(s, waterNaCl, 0); }
void BM_Perturbation_Z_AllFive(benchmark::State& s) { evaluate(s, allFive, 0); }
void BM_Perturbation_Derivatives_PureWater(benchmark::State& s) { evaluate(s, pureWater, 2); }
void BM_Perturbation_Derivatives_WaterNaCl(benchmark::State& s) { evaluate(s, waterNaCl, 2); }
void BM_Perturbation_Derivatives_AllFive(benchmark::State& s) { evaluate(s, allFive, 2); }

BENCHMARK(BM_Perturbation_Z_PureWater);
BENCHMARK(BM_Perturbation_Z_WaterNaCl);
BENCHMARK(BM_Perturbation_Z_AllFive);
BENCHMARK(BM_Perturbation_Derivatives_PureWater);
BENCHMARK(BM_Perturbation_Derivatives_WaterNaCl);
BENCHMARK(BM_Perturbation_Derivatives_AllFive);

}  // namespace
