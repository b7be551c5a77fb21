// Speed of the auxiliary correlations that the windows call per keystroke or
// per table row.
#include <benchmark/benchmark.h>

#include "fluid/Globals.h"

namespace {

void BM_VolumeHolloway(benchmark::State& state) {
  const Globals::Composition x = {0.6, 0.3, 0.1, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Volume_Holloway(2, x, 573.15, 50));
}
BENCHMARK(BM_VolumeHolloway);

void BM_RaoultPressure(benchmark::State& state) {
  const Globals::Composition x = {0.6, 0.3, 0.1, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(Globals::RaoultPressure(x, 280, 1));
}
BENCHMARK(BM_RaoultPressure);

// The cotectic search: up to 206 evaluations of the saturation curves.
void BM_SorvikCotectic(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Sorvik_Cotectic(5, 573.15));
}
BENCHMARK(BM_SorvikCotectic);

void BM_SorvikPressure650(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Sorvik_Pressure(3, 0.2, 0.4, 0.4, 1000));
}
BENCHMARK(BM_SorvikPressure650);

}  // namespace
