// The cost of the Qt yield hook against the library's no-op yield, on a
// molar-volume solve. The hook must stay within a few per cent of the no-op.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/framework/YieldHook.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "yield_hook_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// One molar-volume solve of a saline aqueous fluid with some CO2 at 500 ˚C
// and 100 MPa: the damped secant iteration of the library, each pass an
// evaluation of the equation of state that yields several hundred times.
double Solve() {
  const Globals::Composition x{0.9, 0.05, 0.0, 0.05, 0.0};
  return Globals::Volume(x, 773.15, 100.0, 30.0);
}

void BM_SolveWithNoOpYield(benchmark::State& state) {
  Application();
  fw::RemoveRuntimeYield();
  for (auto _ : state) benchmark::DoNotOptimize(Solve());
  state.counters["V_cm3_per_mol"] = Solve();  // a converged solve, not a failure's 0
}
BENCHMARK(BM_SolveWithNoOpYield);

void BM_SolveWithQtYield(benchmark::State& state) {
  Application();
  fw::InstallRuntimeYield();
  for (auto _ : state) benchmark::DoNotOptimize(Solve());
  fw::RemoveRuntimeYield();
}
BENCHMARK(BM_SolveWithQtYield);

// The hook alone, per call, when it lets Qt run nothing (within its interval).
void BM_QtYieldCall(benchmark::State& state) {
  Application();
  fw::InstallRuntimeYield();
  for (auto _ : state) RuntimeBackgroundTask();
  fw::RemoveRuntimeYield();
}
BENCHMARK(BM_QtYieldCall);

void BM_NoOpYieldCall(benchmark::State& state) {
  fw::RemoveRuntimeYield();
  for (auto _ : state) RuntimeBackgroundTask();
}
BENCHMARK(BM_NoOpYieldCall);

}  // namespace
