// One evaluation of the repulsive and dipolar terms: share of Z alone
// (mode 0, as the pressure needs it) and with the per-component derivatives
// (mode 2, as the fugacities need them).
#include <benchmark/benchmark.h>

#include "fluid/Globals.h"

namespace {

const Globals::Composition kFluids[] = {
    {1, 0, 0, 0, 0},              // pure H2O
    {0.9, 0, 0, 0.1, 0},          // H2O–NaCl
    {0.4, 0.2, 0.15, 0.15, 0.1},  // all five components
};
const char* const kFluidNames[] = {"H2O", "H2O-NaCl", "all five"};

template <double (*Term)(int32_t, const Globals::Composition&, double, double)>
void evaluate(benchmark::State& state) {
  const auto mode = static_cast<int32_t>(state.range(0));
  const Globals::Composition& x = kFluids[state.range(1)];
  state.SetLabel(kFluidNames[state.range(1)]);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Term(mode, x, 673.15, 40.0));
  }
}

void modesAndFluids(benchmark::internal::Benchmark* b) {
  b->ArgNames({"mode", "fluid"});
  for (int mode : {0, 2}) {
    for (int fluid = 0; fluid < 3; ++fluid) b->Args({mode, fluid});
  }
}

BENCHMARK(evaluate<Globals::Repulsive>)->Name("Repulsive")->Apply(modesAndFluids);
BENCHMARK(evaluate<Globals::Dipole>)->Name("Dipole")->Apply(modesAndFluids);

}  // namespace
