// Molar volume and temperature solved from the equation of state and fed back
// into the pressure; the volume scan's start values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "fluid/states.h"
#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"
#include "yield_counter.h"

namespace {

using Globals::Composition;
using eos::pure;

constexpr double kFeedBack = 1e-9;  // relative pressure error of a converged root
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Solvers, SolvedVolumeAndTemperatureGiveBackThePressure) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    ASSERT_GT(P, 0);
    for (double start : {1.01 * s.V, 0.99 * s.V}) {
      const double V = Globals::Volume(s.x, s.T, P, start);
      ASSERT_GT(V, 0) << "from " << start;
      EXPECT_NEAR(Globals::Pressure(s.x, s.T, V), P, kFeedBack * P) << "from " << start;
    }
    for (double start : {s.T + 20, s.T - 20}) {
      const double T = Globals::Temperature(s.x, P, s.V, start);
      ASSERT_GT(T, 0) << "from " << start;
      EXPECT_NEAR(Globals::Pressure(s.x, T, s.V), P, kFeedBack * P) << "from " << start;
    }
  }
}

// Where the pressure is 0 at both start points (below the lowest volume, or
// T <= 0 when solving for the temperature) the search once crept to
// start + 0.2 and returned that; a start so large that start + 0.1 equals it
// was returned unchanged.
TEST(Solvers, NoRootGivesZero) {
  const Composition water = pure(0);
  struct Case { const char* what; std::function<double()> solve; };
  const Case cases[] = {
      {"Volume from below the lowest volume", [&] { return Globals::Volume(water, 673.15, 100, 5); }},
      {"Volume from just below Vlimit",
       [&] { return Globals::Volume(water, 673.15, 100, Globals::Vlimit(water) - 0.2); }},
      {"Volume from 1e20", [] { return Globals::Volume(pure(1), 473.15, 10, 1e20); }},
      {"Volume from NaN", [&] { return Globals::Volume(water, 673.15, 100, nan); }},
      {"Temperature from T < 0", [&] { return Globals::Temperature(water, 100, 30, -5); }},
      {"Temperature below the lowest volume", [&] { return Globals::Temperature(water, 100, 5, 600); }},
      {"Temperature from NaN", [&] { return Globals::Temperature(water, 100, 30, nan); }},
  };
  for (const Case& c : cases) EXPECT_EQ(c.solve(), 0) << c.what;
}

TEST(Solvers, NoRootSettlesInTheBandBelowTheHardSphereLimit) {
  // Starts just above Vlimit, where the repulsive share would be missing and
  // the pressure strongly negative.
  const Composition water = pure(0);
  const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(water);
  for (double P : {1.0, 100.0, 1000.0}) {
    const double V = Globals::Volume(water, 673.15, P, lowest.limit + 0.001);
    if (V != 0) {
      EXPECT_GT(V, lowest.repulsive) << P;
      EXPECT_NEAR(Globals::Pressure(water, 673.15, V), P, kFeedBack * P) << P;
    }
  }
}

TEST(VolumeApproach, OneRootGivesTheSameStartJustPastItInBothModes) {
  const Composition water = pure(0);  // supercritical: one crossing
  const double start = Globals::Volume_Approach(0, water, 873.15, 100);
  EXPECT_EQ(Globals::Volume_Approach(1, water, 873.15, 100), start);
  const double V = Globals::Volume(water, 873.15, 100, start);
  ASSERT_GT(V, 0);
  EXPECT_LT(V, start);
  EXPECT_GT(V * 1.005, start * (1 - 1e-12));
}

TEST(VolumeApproach, SubcriticalWaterGivesTheLiquidStartAndTheLastCrossing) {
  // At 300 ˚C and 8 MPa the isotherm crosses the target three times: liquid
  // near 25 cm3/mol, the unstable branch near 90, vapour near 435 (beyond the
  // scanned range 16 to 16·1.005^501 ≈ 195).
  const Composition water = pure(0);
  const double T = 573.15, P = 8;
  const double liquid = Globals::Volume_Approach(0, water, T, P);
  const double last = Globals::Volume_Approach(1, water, T, P);
  ASSERT_LT(liquid, last);
  for (double V : {liquid, last}) {
    const double before = Globals::Pressure(water, T, V / 1.005) - P;
    EXPECT_LT(before * (Globals::Pressure(water, T, V) - P), 0) << "no sign change before " << V;
  }
  const double Vl = Globals::Volume(water, T, P, liquid);
  ASSERT_GT(Vl, 0);
  EXPECT_LT(Vl, 30);
  EXPECT_NEAR(Globals::Pressure(water, T, Vl), P, kFeedBack * P);
  EXPECT_GT(Globals::Volume(water, T, P, last), 60);
}

// Without a crossing: 15 cm3/mol for mode 0, 1000 for mode 1, 0 for any other
// mode. A pressure that never turns positive ends the upward search; a
// non-finite input gives the fallback at once, without a yield.
TEST(VolumeApproach, FallbackValues) {
  EXPECT_EQ(Globals::Volume_Approach(2, pure(0), 873.15, 100), 0);
  EXPECT_EQ(Globals::Volume_Approach(-1, pure(0), 873.15, 100), 0);
  struct Case { const char* what; Composition x; double T, P; bool atOnce; };
  const Case cases[] = {
      {"T = 0", pure(0), 0, 10, false},          {"T < 0", pure(0), -100, 10, false},
      {"T NaN", pure(0), nan, 10, true},         {"T infinite", pure(0), inf, 10, true},
      {"P NaN", pure(0), 873.15, nan, true},     {"P infinite", pure(0), 873.15, -inf, true},
      {"fraction NaN", {nan, 0, 0, 0, 0}, 873.15, 10, true},
      {"fraction infinite", {0.5, inf, 0, 0, 0}, 873.15, 10, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    YieldCounter yields;
    EXPECT_EQ(Globals::Volume_Approach(0, c.x, c.T, c.P), 15);
    EXPECT_EQ(Globals::Volume_Approach(1, c.x, c.T, c.P), 1000);
    EXPECT_EQ(Globals::Volume_Approach(2, c.x, c.T, c.P), 0);
    if (c.atOnce) {
      EXPECT_EQ(yields.count(), 0);
    }
  }
}

}  // namespace
