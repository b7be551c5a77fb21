#include "fluid/pressure_root.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/Globals.h"
#include "yield_counter.h"

namespace {

using Globals::PressureRoot;

// An ideal gas at 500 K: P = RT/V in MPa for V in cm3/mol.
double idealGas(double V) { return V > 0 ? Globals::R * 500 / V : 0; }

// A stand-in equation of state with a lowest volume of 10 cm3/mol, below which
// it gives 0 like Globals::Pressure.
double hardGas(double V) { return V > 10 ? Globals::R * 500 / (V - 10) : 0; }

TEST(PressureRoot, FindsTheVolumeOfAnIdealGas) {
  const double V = PressureRoot(idealGas, 10, 400);
  EXPECT_NEAR(V, Globals::R * 500 / 10, 1e-8);
  EXPECT_NEAR(idealGas(V), 10, 1e-9 * 10);
}

TEST(PressureRoot, FlatPressureBelowTheLowestVolumeIsNoRoot) {
  // Both start points at or below the lowest volume: the search creeps to
  // start + 0.2, where the pressure is still 0.
  EXPECT_EQ(PressureRoot(hardGas, 10, 5), 0);
}

TEST(PressureRoot, StartSoLargeThatStartPlusATenthEqualsItIsNoRoot) {
  EXPECT_EQ(PressureRoot(hardGas, 10, 1e20), 0);
}

TEST(PressureRoot, ResultIsAcceptedOnlyWithinAMillionthOfTheTarget) {
  // A pressure that jumps across the target: the search closes in on the jump
  // but the pressure never meets the target there.
  auto step = [](double V) { return V < 50 ? 20.0 : 5.0; };
  EXPECT_EQ(PressureRoot(step, 10, 45), 0);
  // Within 1e-6·P of the target is a root.
  auto nearlyFlat = [](double V) { return V < 50 ? 10 + 9e-6 : 10 - 9e-6; };
  EXPECT_GT(PressureRoot(nearlyFlat, 10, 45), 0);
}

TEST(PressureRoot, NonConvergenceYieldsFiveHundredTimesAndGivesZero) {
  YieldCounter yields;
  int evaluations = 0;
  // The residual 10 − P is (V − 2)² + 1: no root.
  auto noRoot = [&](double V) {
    ++evaluations;
    return 10 - ((V - 2) * (V - 2) + 1);
  };
  EXPECT_EQ(PressureRoot(noRoot, 10, 10), 0);
  EXPECT_EQ(yields.count(), 500);
  EXPECT_EQ(evaluations, 502);
}

TEST(PressureRoot, NanPressureEndsAtOnce) {
  YieldCounter yields;
  auto nan = [](double) { return std::numeric_limits<double>::quiet_NaN(); };
  EXPECT_EQ(PressureRoot(nan, 10, 30), 0);
  EXPECT_EQ(yields.count(), 0);
}

TEST(PressureRoot, ExactTargetAtTheStartIsReturned) {
  EXPECT_EQ(PressureRoot([](double V) { return V == 30 ? 10.0 : 11.0; }, 10, 30), 30);
}

}  // namespace
