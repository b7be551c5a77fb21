// The whole equation of state as the windows call it: one pressure, one set of
// fugacities, one volume solve and one volume scan.
#include <benchmark/benchmark.h>

#include "fluid/Globals.h"

namespace {

const Globals::Composition kFluids[] = {
    {1, 0, 0, 0, 0},                // pure H2O
    {0.8, 0.2, 0, 0, 0},            // H2O–CO2
    {0.8, 0.05, 0.05, 0.07, 0.03},  // all five components
};
const char* const kFluidNames[] = {"H2O", "H2O-CO2", "all five"};
constexpr double kT = 773.15;  // K
constexpr double kV = 30;      // cm3/mol, liquid-like

void fluids(benchmark::internal::Benchmark* b) {
  b->ArgName("fluid");
  for (int fluid = 0; fluid < 3; ++fluid) b->Arg(fluid);
}

void pressure(benchmark::State& state) {
  const Globals::Composition& x = kFluids[state.range(0)];
  state.SetLabel(kFluidNames[state.range(0)]);
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Pressure(x, kT, kV));
}

void fugacities(benchmark::State& state) {
  const Globals::Composition& x = kFluids[state.range(0)];
  state.SetLabel(kFluidNames[state.range(0)]);
  const double P = Globals::Pressure(x, kT, kV);
  for (auto _ : state) {
    Globals::Fugacities(x, kT, P, kV);
    benchmark::DoNotOptimize(Globals::Coefficient);
  }
}

// Volume of the five-component fluid at the pressure it has at 30 cm3/mol,
// from a start 1 % off and from the scan's fallback start of 15 cm3/mol.
void volume(benchmark::State& state) {
  const Globals::Composition& x = kFluids[2];
  const double P = Globals::Pressure(x, kT, kV);
  const double start = state.range(0) == 0 ? 1.01 * kV : 15;
  state.SetLabel(state.range(0) == 0 ? "start 1 % off" : "start 15 cm3/mol");
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Volume(x, kT, P, start));
}

void volumeApproach(benchmark::State& state) {
  const Globals::Composition& x = kFluids[2];
  const double P = Globals::Pressure(x, kT, kV);
  for (auto _ : state) benchmark::DoNotOptimize(Globals::Volume_Approach(0, x, kT, P));
}

BENCHMARK(pressure)->Name("Pressure")->Apply(fluids);
BENCHMARK(fugacities)->Name("Fugacities")->Apply(fluids);
BENCHMARK(volume)->Name("Volume")->ArgName("start")->Arg(0)->Arg(1);
BENCHMARK(volumeApproach)->Name("Volume_Approach")->Unit(benchmark::kMillisecond);

}  // namespace
