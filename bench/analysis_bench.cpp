// Cost of the two zero-function tables of the "Mathematical Analysis" windows:
// the equation of state evaluated row by row, without the list that shows it.
#include <benchmark/benchmark.h>

#include "fluid/Globals.h"

namespace {

// A brine with all five components, in component order.
constexpr Globals::Composition kFiveComponents = {0.70, 0.15, 0.05, 0.07, 0.03};

// 501 molar volumes rising by 1 % from the limiting volume, at 673.15 K and 100 MPa.
void BM_MolarVolumeAnalysis(benchmark::State& state) {
  const Globals::Composition& x = kFiveComponents;
  const double T = 673.15;
  const double P = 100.0;
  for (auto _ : state) {
    double V = Globals::Vlimit(x);
    for (int i = 0; i <= 500; ++i) {
      V = V * 1.01;
      double z = Globals::Pressure(x, T, V) - P;
      benchmark::DoNotOptimize(z);
    }
  }
  state.SetItemsProcessed(state.iterations() * 501);
}
BENCHMARK(BM_MolarVolumeAnalysis)->Unit(benchmark::kMillisecond);

// 1001 temperatures from 273.16 K in steps of 1 K, at 40 cm3/mol and 100 MPa.
void BM_TemperatureAnalysis(benchmark::State& state) {
  const Globals::Composition& x = kFiveComponents;
  const double V = 40.0;
  const double P = 100.0;
  for (auto _ : state) {
    double T = 273.16 - 1.0;
    for (int i = 0; i <= 1000; ++i) {
      T = T + 1.0;
      double d = Globals::Pressure(x, T, V) - P;
      benchmark::DoNotOptimize(d);
    }
  }
  state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_TemperatureAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
