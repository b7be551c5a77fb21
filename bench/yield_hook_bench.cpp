// The cost of the Qt yield hook against the library's no-op yield, on a loop
// shaped like a volume solve: one equation-of-state evaluation and one yield
// per pass. The hook must stay within a few per cent of the no-op.
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

// One solve: 40 passes, each the compressibility factor's three terms at a
// new volume (what a secant pass of the volume solver evaluates), then a yield.
double SolveLikeLoop() {
  const Globals::Composition x{0.9, 0.05, 0.0, 0.05, 0.0};
  const double T = 773.15;
  double V = 30.0;
  double sum = 0;
  for (int pass = 0; pass < 40; ++pass) {
    sum += Globals::Repulsive(0, x, T, V) + Globals::Dipole(0, x, T, V) +
           Globals::Perturbation(0, x, T, V);
    V *= 1.01;
    RuntimeBackgroundTask();
  }
  return sum;
}

void BM_SolveWithNoOpYield(benchmark::State& state) {
  Application();
  fw::RemoveRuntimeYield();
  for (auto _ : state) benchmark::DoNotOptimize(SolveLikeLoop());
}
BENCHMARK(BM_SolveWithNoOpYield);

void BM_SolveWithQtYield(benchmark::State& state) {
  Application();
  fw::InstallRuntimeYield();
  for (auto _ : state) benchmark::DoNotOptimize(SolveLikeLoop());
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
