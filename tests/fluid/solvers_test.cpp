// Molar volume and temperature solved from the equation of state and fed back
// into the pressure.
#include <gtest/gtest.h>

#include <cmath>

#include "eos_states.h"
#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace {

using Globals::Composition;
using eos::pure;

constexpr double kFeedBack = 1e-9;  // relative pressure error of a converged root

TEST(Volume, SolvedVolumeGivesBackThePressure) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    ASSERT_GT(P, 0);
    for (double start : {1.01 * s.V, 0.99 * s.V}) {
      const double V = Globals::Volume(s.x, s.T, P, start);
      ASSERT_GT(V, 0) << "from " << start;
      EXPECT_NEAR(Globals::Pressure(s.x, s.T, V), P, kFeedBack * P) << "from " << start;
    }
  }
}

TEST(Temperature, SolvedTemperatureGivesBackThePressure) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    for (double start : {s.T + 20, s.T - 20}) {
      const double T = Globals::Temperature(s.x, P, s.V, start);
      ASSERT_GT(T, 0) << "from " << start;
      EXPECT_NEAR(Globals::Pressure(s.x, T, s.V), P, kFeedBack * P) << "from " << start;
    }
  }
}

TEST(Volume, StartBelowTheLowestVolumeIsNoRoot) {
  // The pressure is 0 at both start points: the search creeps to start + 0.2,
  // which was once returned as a volume.
  const Composition water = pure(0);
  EXPECT_EQ(Globals::Volume(water, 673.15, 100, 5), 0);
  EXPECT_EQ(Globals::Volume(water, 673.15, 100, Globals::Vlimit(water) - 0.2), 0);
}

TEST(Volume, NoTemperatureIsNoRoot) {
  EXPECT_EQ(Globals::Volume(pure(0), 0, 100, 30), 0);
  EXPECT_EQ(Globals::Volume(pure(0), -10, 100, 30), 0);
}

TEST(Volume, StartTooLargeToStepFromIsNoRoot) {
  EXPECT_EQ(Globals::Volume(pure(1), 473.15, 10, 1e20), 0);
}

TEST(Temperature, StartWithoutPressureIsNoRoot) {
  // T ≤ 0 at both start points gives pressure 0 there.
  EXPECT_EQ(Globals::Temperature(pure(0), 100, 30, -5), 0);
  // A volume below the lowest one has no pressure at any temperature.
  EXPECT_EQ(Globals::Temperature(pure(0), 100, 5, 600), 0);
}

TEST(Volume, NoRootSettlesInTheBandBelowTheHardSphereLimit) {
  // Starts in the band just above Vlimit, where the repulsive share would be
  // missing and the pressure strongly negative.
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

TEST(Volume, NonFiniteInputIsNoRoot) {
  const double nan = std::nan("");
  EXPECT_EQ(Globals::Volume(pure(0), nan, 100, 30), 0);
  EXPECT_EQ(Globals::Volume(pure(0), 673.15, nan, 30), 0);
  EXPECT_EQ(Globals::Volume(pure(0), 673.15, 100, nan), 0);
  EXPECT_EQ(Globals::Temperature(pure(0), nan, 30, 600), 0);
}

}  // namespace
