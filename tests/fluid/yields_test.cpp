// The library's yields to the event loop: once per pass of every loop, and a
// calculation run by another window during a yield leaves the result intact.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

using Globals::Composition;

int YieldsOf(const std::function<void()>& call) {
  int count = 0;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] { ++count; });
  call();
  SetRuntimeYieldHook(previous);
  return count;
}

// The counts follow the loops. Brine has n = 2 present components; the
// perturbation term yields 5 + n times for its components, once per
// combination with repetition of 1 to 5 of them for the rule factors (2 + 3 +
// 4 + 5 + 6 = 20) and of 1 to 4 for the water–salt factors (14), n + n² + n³
// + n⁴ + 1 = 31 times per present component for its sums, and in mode 2 per
// absent component 14 + 30 + 1 times more. The dipolar term visits every
// component, pair and triple of all five: 290 yields, and 5 more in mode 2.
TEST(Yields, OncePerLoopPass) {
  const Composition brine = {0.9, 0, 0, 0.1, 0}, allFive = {0.6, 0.1, 0.1, 0.1, 0.1};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case { const char* what; std::function<void()> call; int yields; };
  const Case cases[] = {
      {"Vlimit", [&] { Globals::Vlimit(brine); }, 5},
      {"Repulsive, mode 0", [&] { Globals::Repulsive(0, brine, 700, 40); }, 5},
      {"Repulsive, mode 2", [&] { Globals::Repulsive(2, brine, 700, 40); }, 10},
      {"Dipole, mode 0", [&] { Globals::Dipole(0, brine, 700, 40); }, 290},
      {"Dipole, mode 2", [&] { Globals::Dipole(2, brine, 700, 40); }, 295},
      {"Perturbation, mode 0", [&] { Globals::Perturbation(0, brine, 700, 40); }, 7 + 20 + 14 + 2 * 31},
      {"Perturbation, mode 2", [&] { Globals::Perturbation(2, brine, 700, 40); }, 103 + 3 * 45},
      {"Perturbation of all five", [&] { Globals::Perturbation(0, allFive, 700, 40); }, 10 + 251 + 125 + 5 * 781},
      {"Fugacities", [&] { Globals::Fugacities(brine, 700, 100, 40); }, 10 + 295 + 238 + 5 + 5},
      {"WilsonDistribution", [] { Globals::WilsonDistribution(500, 2); }, 3},
      {"Volume_Holloway", [] { Globals::Volume_Holloway(0, {1, 0, 0, 0, 0}, 573.15, 5); }, 3 + 9 + 3},
      {"RaoultPressure", [] { Globals::RaoultPressure({0.6, 0.3, 0.1, 0, 0}, 280, 0); }, 5},
      {"Mass_Hall87", [] { Globals::Mass_Hall87(263.15, 1); }, 3},
      // A NaN step does not end this search: it runs out its 101 passes.
      {"Sorvik_Pressure650 of NaN", [&] { Globals::Sorvik_Pressure650(3, nan, 0.5, 0.5); }, 101},
      // No pressure is positive at 0 K: 20000 upward steps of the scan, each a Vlimit and a yield.
      {"Volume_Approach at 0 K", [] { Globals::Volume_Approach(0, {1, 0, 0, 0, 0}, 0, 10); }, 20000 * (5 + 1)},
  };
  for (const Case& c : cases) EXPECT_EQ(YieldsOf(c.call), c.yields) << c.what;
}

// Each term leaves its derivatives in a shared array, which a calculation run
// during any later yield may overwrite; Fugacities must still give this
// call's own result whichever yield another calculation runs in.
TEST(Yields, ACalculationDuringAFugacitiesYieldDoesNotCorruptIt) {
  const Composition x = {0.8, 0.1, 0, 0.1, 0}, other = {0, 0.5, 0.5, 0, 0};
  Globals::Fugacities(x, 773.15, 50, 28);
  const Composition coefficient = Globals::Coefficient, fugacity = Globals::Fugacity;
  ASSERT_GT(fugacity[0], 0);
  const int total = YieldsOf([&] { Globals::Fugacities(x, 773.15, 50, 28); });
  for (int yield = total; yield > 0; yield -= 7) {
    int count = 0;
    const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
      if (++count == yield) Globals::Fugacities(other, 400, 5, 300);
    });
    Globals::Fugacities(x, 773.15, 50, 28);
    SetRuntimeYieldHook(previous);
    EXPECT_EQ(Globals::Coefficient, coefficient) << "another calculation at yield " << yield;
    EXPECT_EQ(Globals::Fugacity, fugacity) << "another calculation at yield " << yield;
  }
}

}  // namespace
