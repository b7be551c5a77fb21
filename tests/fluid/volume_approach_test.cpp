#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos_states.h"
#include "fluid/Globals.h"
#include "yield_counter.h"

namespace {

using Globals::Composition;
using eos::pure;

TEST(VolumeApproach, OneRootGivesTheSameStartInBothModes) {
  // Supercritical water: one crossing of the target pressure.
  const Composition water = pure(0);
  const double small = Globals::Volume_Approach(0, water, 873.15, 100);
  const double large = Globals::Volume_Approach(1, water, 873.15, 100);
  EXPECT_EQ(small, large);
  EXPECT_GT(small, 16 * 1.005 - 1e-12);
  const double V = Globals::Volume(water, 873.15, 100, small);
  ASSERT_GT(V, 0);
  // The start lies just past the crossing.
  EXPECT_LT(V, small);
  EXPECT_GT(V * 1.005, small * (1 - 1e-12));
}

TEST(VolumeApproach, SubcriticalWaterGivesTheLiquidStartAndTheLastCrossing) {
  // At 300 ˚C and 8 MPa the isotherm crosses the target three times: liquid
  // near 25 cm3/mol, the unstable branch near 90, vapour near 435 (beyond the
  // scanned range 16 to 16·1.005^501 ≈ 195).
  const Composition water = pure(0);
  const double T = 573.15;
  const double P = 8;
  const double liquid = Globals::Volume_Approach(0, water, T, P);
  const double last = Globals::Volume_Approach(1, water, T, P);
  ASSERT_LT(liquid, last);
  for (double V : {liquid, last}) {
    SCOPED_TRACE(V);
    const double before = Globals::Pressure(water, T, V / 1.005) - P;
    const double after = Globals::Pressure(water, T, V) - P;
    EXPECT_LT(before * after, 0) << "no sign change just before the start";
  }
  const double Vl = Globals::Volume(water, T, P, liquid);
  ASSERT_GT(Vl, 0);
  EXPECT_LT(Vl, 30);
  EXPECT_NEAR(Globals::Pressure(water, T, Vl), P, 1e-9 * P);
  EXPECT_GT(Globals::Volume(water, T, P, last), 60);
}

TEST(VolumeApproach, OtherModesGiveZero) {
  EXPECT_EQ(Globals::Volume_Approach(2, pure(0), 873.15, 100), 0);
  EXPECT_EQ(Globals::Volume_Approach(-1, pure(0), 873.15, 100), 0);
}

TEST(VolumeApproach, NoCrossingGivesTheFallbacks) {
  // A target far above any pressure of the scanned range.
  EXPECT_EQ(Globals::Volume_Approach(0, pure(1), 473.15, 1e6), 15);
  EXPECT_EQ(Globals::Volume_Approach(1, pure(1), 473.15, 1e6), 1000);
}

TEST(VolumeApproach, PressureThatNeverTurnsPositiveEndsTheUpwardSearch) {
  struct Case {
    const char* what;
    Composition x;
    double T;
  };
  const Case cases[] = {{"T = 0", pure(0), 0}, {"T < 0", pure(0), -100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Globals::Volume_Approach(0, c.x, c.T, 10), 15);
    EXPECT_EQ(Globals::Volume_Approach(1, c.x, c.T, 10), 1000);
    EXPECT_EQ(Globals::Volume_Approach(2, c.x, c.T, 10), 0);
  }
}

TEST(VolumeApproach, NonFiniteInputGivesTheFallbackAtOnce) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    Composition x;
    double T, P;
  };
  const Case cases[] = {
      {"T NaN", pure(0), nan, 10},       {"T infinite", pure(0), inf, 10},
      {"P NaN", pure(0), 873.15, nan},   {"P infinite", pure(0), 873.15, -inf},
      {"fraction NaN", {nan, 0, 0, 0, 0}, 873.15, 10},
      {"fraction infinite", {0.5, inf, 0, 0, 0}, 873.15, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    YieldCounter yields;
    EXPECT_EQ(Globals::Volume_Approach(0, c.x, c.T, c.P), 15);
    EXPECT_EQ(Globals::Volume_Approach(1, c.x, c.T, c.P), 1000);
    EXPECT_EQ(Globals::Volume_Approach(2, c.x, c.T, c.P), 0);
    EXPECT_EQ(yields.count(), 0);
  }
}

}  // namespace
