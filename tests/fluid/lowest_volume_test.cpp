#include "fluid/lowest_volume.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"
#include "yield_counter.h"

namespace {

using Globals::Composition;

// Both volumes come through hard-sphere diameters (a cube root, then cubed
// again), so they meet Σ x_i·b_i/4 to rounding only.
constexpr double kRounding = 1e-14;

Composition pure(int i) {
  Composition x{};
  x[i] = 1;
  return x;
}

TEST(Vlimit, PureComponentsGiveAQuarterOfTheLimitCoVolume) {
  const double limitCoVolume[5] = {28.459, 49.52, 44.0, 60.0124, 81.783};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(Globals::Vlimit(pure(i)), limitCoVolume[i] / 4, kRounding * limitCoVolume[i]);
  }
}

TEST(Vlimit, WaterUsesTheLimitTableNotTheTermCoVolume) {
  const double V = Globals::Vlimit(pure(0));
  EXPECT_NEAR(V, 28.459 / 4, 1e-12);
  EXPECT_GT(28.4959 / 4 - V, 0.009);
}

TEST(Vlimit, MixtureIsTheMoleFractionMean) {
  const Composition x = {0.5, 0.2, 0.1, 0.15, 0.05};
  const double expected = (0.5 * 28.459 + 0.2 * 49.52 + 0.1 * 44.0 + 0.15 * 60.0124 +
                           0.05 * 81.783) / 4;
  EXPECT_NEAR(Globals::Vlimit(x), expected, kRounding * expected);
}

TEST(Vlimit, AllZeroCompositionGivesZero) { EXPECT_EQ(Globals::Vlimit(Composition{}), 0); }

TEST(Vlimit, YieldsOncePerComponent) {
  YieldCounter yields;
  Globals::Vlimit(pure(1));
  EXPECT_EQ(yields.count(), 5);
}

TEST(LowestVolumes, HardSphereTermOwnLimitUsesTheTermCoVolumes) {
  const Globals::LowestVolumes water = Globals::LowestVolumesOf(pure(0));
  EXPECT_NEAR(water.repulsive, 28.4959 / 4, kRounding * 28.4959);
  // Without H2O the two tables agree to the last bit.
  const Composition dry = {0, 0.3, 0.3, 0.2, 0.2};
  const Globals::LowestVolumes d = Globals::LowestVolumesOf(dry);
  EXPECT_EQ(d.limit, d.repulsive);
}

TEST(LowestVolumes, TheBandBetweenTheTwoWaterLimitsIsNotAdmissible) {
  const Globals::LowestVolumes water = Globals::LowestVolumesOf(pure(0));
  EXPECT_FALSE(Globals::IsAdmissibleVolume(water, water.limit));
  EXPECT_FALSE(Globals::IsAdmissibleVolume(water, 7.12));
  EXPECT_FALSE(Globals::IsAdmissibleVolume(water, water.repulsive));
  EXPECT_TRUE(Globals::IsAdmissibleVolume(water, std::nextafter(water.repulsive, 10.0)));
}

TEST(Density, PureWaterAtItsMolarMassIsOne) {
  EXPECT_EQ(Globals::Density(pure(0), 18.01528), 1);
}

TEST(Density, MolarMassesOverVolume) {
  const double M[5] = {18.01528, 44.0098, 16.04276, 58.462468, 74.57143};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(Globals::Density(pure(i), 2 * M[i]), 0.5);
  const Composition x = {0.5, 0.2, 0.1, 0.15, 0.05};
  EXPECT_DOUBLE_EQ(Globals::Density(x, 40),
                   (0.5 * M[0] + 0.2 * M[1] + 0.1 * M[2] + 0.15 * M[3] + 0.05 * M[4]) / 40);
}

TEST(Density, NoVolumeOrNoFluidGivesZero) {
  EXPECT_EQ(Globals::Density(pure(0), 0), 0);
  EXPECT_EQ(Globals::Density(pure(0), -5), 0);
  EXPECT_EQ(Globals::Density(pure(0), std::nan("")), 0);
  EXPECT_EQ(Globals::Density(Composition{}, 20), 0);
}

}  // namespace
