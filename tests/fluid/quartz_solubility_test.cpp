#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"

namespace {

using Globals::Composition;
using Globals::mSiO2_Akinfiev;
using Globals::VH2O_Akinfiev;

TEST(VH2OAkinfiev, SubtractsThePartialVolumesOfEachVariant) {
  const Composition x = {0.9, 0.1, 0, 0, 0};
  EXPECT_EQ(VH2O_Akinfiev(0, x, 20), (20 - 0.1 * 29.9) / 0.9);
  EXPECT_EQ(VH2O_Akinfiev(1, x, 20), (20 - 0.1 * 33.3) / 0.9);
  EXPECT_EQ(VH2O_Akinfiev(2, x, 20), (20 - 0.1 * 26.5) / 0.9);

  const Composition brine = {0.8, 0, 0, 0.15, 0.05};
  EXPECT_EQ(VH2O_Akinfiev(0, brine, 20), (20 - 0.15 * 30.8 - 0.05 * 45.5) / 0.8);
  EXPECT_EQ(VH2O_Akinfiev(1, brine, 20), (20 - 0.15 * 32.1 - 0.05 * 45.5) / 0.8);
  EXPECT_EQ(VH2O_Akinfiev(2, brine, 20), (20 - 0.15 * 29.5 - 0.05 * 45.5) / 0.8);
}

TEST(VH2OAkinfiev, WhatIsNotSubtracted) {
  for (int variant : {0, 1, 2}) {
    EXPECT_EQ(VH2O_Akinfiev(variant, {1, 0, 0, 0, 0}, 18.5), 18.5);
    EXPECT_EQ(VH2O_Akinfiev(variant, {0.5, 0, 0.5, 0, 0}, 40), 80.0);  // CH4 stays with the water
  }
  for (int variant : {3, -1}) EXPECT_EQ(VH2O_Akinfiev(variant, {0.5, 0.3, 0, 0.2, 0}, 30), 60.0);
}

TEST(VH2OAkinfiev, NoWaterOrNoVolumeGivesZero) {
  EXPECT_EQ(VH2O_Akinfiev(0, {0, 1, 0, 0, 0}, 30), 0.0);
  EXPECT_EQ(VH2O_Akinfiev(0, {1, 0, 0, 0, 0}, 0), 0.0);
  EXPECT_EQ(VH2O_Akinfiev(0, {1, 0, 0, 0, 0}, -3), 0.0);
}

TEST(VH2OAkinfiev, SaltRichFluidGetsANegativeVolumeAndNoSilica) {
  const double V = VH2O_Akinfiev(0, {0.2, 0, 0, 0.8, 0}, 20);
  EXPECT_LT(V, 0);
  EXPECT_EQ(mSiO2_Akinfiev(0.2, 773.15, V), 0.0);
}

// Quartz dissolves to about 1e-4 mol/kg in water at 25 ˚C.
TEST(MSiO2Akinfiev, PureWaterAtRoomConditions) {
  EXPECT_NEAR(mSiO2_Akinfiev(1, 298.15, 18.01528), 1e-4, 0.05e-4);
}

TEST(MSiO2Akinfiev, DenserWaterAndMoreWaterDissolveMore) {
  const Composition x = {0.9, 0.1, 0, 0, 0};
  const double T = 773.15;
  const double m0 = mSiO2_Akinfiev(0.9, T, VH2O_Akinfiev(0, x, 30));
  const double m1 = mSiO2_Akinfiev(0.9, T, VH2O_Akinfiev(1, x, 30));  // smaller water volume
  const double m2 = mSiO2_Akinfiev(0.9, T, VH2O_Akinfiev(2, x, 30));  // larger water volume
  EXPECT_GT(m1, m0);
  EXPECT_GT(m0, m2);
  // Dilution enters squared: log10 m drops by 2·log10 x.
  EXPECT_NEAR(std::log10(mSiO2_Akinfiev(0.5, T, 25) / mSiO2_Akinfiev(1, T, 25)), 2 * std::log10(0.5),
              1e-12);
}

TEST(MSiO2Akinfiev, InvalidInputGivesZero) {
  EXPECT_EQ(mSiO2_Akinfiev(1, 0, 18), 0.0);
  EXPECT_EQ(mSiO2_Akinfiev(1, 500, 0), 0.0);
  EXPECT_EQ(mSiO2_Akinfiev(0, 500, 18), 0.0);
  EXPECT_EQ(mSiO2_Akinfiev(-0.5, 500, 18), 0.0);
}

}  // namespace
