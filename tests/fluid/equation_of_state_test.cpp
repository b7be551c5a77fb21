// The frame of the equation of state: the three terms added, the pressure, and
// the states without a value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos_states.h"
#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace {

using Globals::Composition;
using eos::pure;

TEST(Compressibility, IsOnePlusTheThreeTermSharesInOrder) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double expected = 1 + Globals::Repulsive(0, s.x, s.T, s.V) +
                            Globals::Dipole(0, s.x, s.T, s.V) +
                            Globals::Perturbation(0, s.x, s.T, s.V);
    EXPECT_EQ(Globals::Compressibility(s.x, s.T, s.V), expected);
  }
}

TEST(Pressure, IsZRTOverVInMegapascal) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double Z = Globals::Compressibility(s.x, s.T, s.V);
    EXPECT_EQ(Globals::Pressure(s.x, s.T, s.V), Z * 8.314472 * s.T / s.V);
  }
}

TEST(Pressure, TendsToTheIdealGasAtLargeVolume) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double V = 1e11;
    EXPECT_NEAR(Globals::Compressibility(s.x, s.T, V), 1, 1e-6);
    EXPECT_NEAR(Globals::Pressure(s.x, s.T, V) / (Globals::R * s.T / V), 1, 1e-6);
  }
}

TEST(Pressure, NoValueOutsideTheValidStates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Composition water = pure(0);
  const Composition brine = {0.8, 0.05, 0.05, 0.07, 0.03};
  struct Case {
    const char* what;
    Composition x;
    double T, V;
  };
  const Case cases[] = {
      {"T = 0", water, 0, 30},
      {"T < 0", water, -300, 30},
      {"T NaN", water, nan, 30},
      {"V = 0", water, 600, 0},
      {"V < 0", water, 600, -30},
      {"V NaN", water, 600, nan},
      {"V at Vlimit", water, 600, Globals::Vlimit(water)},
      {"V below Vlimit", water, 600, 5},
      {"V at the mixture's Vlimit", brine, 600, Globals::Vlimit(brine)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Globals::Compressibility(c.x, c.T, c.V), 0);
    EXPECT_EQ(Globals::Pressure(c.x, c.T, c.V), 0);
  }
}

TEST(Pressure, WaterBandBelowTheHardSphereLimitHasNoValue) {
  // Just above Vlimit (28.459/4) but not above the hard-sphere term's own
  // lowest volume (28.4959/4) the repulsive share would be missing.
  for (const Composition& x : {pure(0), Composition{0.7, 0.1, 0.1, 0.05, 0.05}}) {
    const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(x);
    ASSERT_LT(lowest.limit, lowest.repulsive);
    for (double V : {std::nextafter(lowest.limit, 100.0), (lowest.limit + lowest.repulsive) / 2,
                     lowest.repulsive}) {
      SCOPED_TRACE(V);
      EXPECT_EQ(Globals::Compressibility(x, 700, V), 0);
      EXPECT_EQ(Globals::Pressure(x, 700, V), 0);
    }
    const double above = std::nextafter(lowest.repulsive, 100.0);
    EXPECT_NE(Globals::Repulsive(0, x, 700, above), 0);
    EXPECT_NE(Globals::Pressure(x, 700, above), 0);
  }
}

TEST(Pressure, IsZAgainstTheHelmholtzEnergy) {
  // Z − 1 = −V·∂(A_res/RT)/∂V, the residual Helmholtz energy being the sum of
  // the three terms in mode 1.
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double h = 1e-5 * s.V;
    const double dA = eos::residualHelmholtz(s.x, s.T, s.V + h) -
                      eos::residualHelmholtz(s.x, s.T, s.V - h);
    const double fromA = 1 - s.V * dA / (2 * h) / (Globals::R * s.T);
    const double Z = Globals::Compressibility(s.x, s.T, s.V);
    EXPECT_NEAR(Z, fromA, 1e-7 * std::max(1.0, std::abs(Z)));
  }
}

}  // namespace
