#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "fluid/Globals.h"

namespace {

using Globals::Composition;
using Globals::RaoultPressure;
using Globals::SaturationPressure;
using Globals::WilsonDistribution;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SaturationPressure, WaterIsExactlyCriticalAtItsCriticalTemperature) {
  EXPECT_EQ(SaturationPressure(0, 647.096), 22.064);
}

// Reference vapour pressures (IAPWS for H2O, the reference equations of
// state for CO2 and CH4). The H2O equation is the IAPWS one itself; the CO2
// and CH4 four-term sets are coarser.
TEST(SaturationPressure, MatchesPublishedVapourPressures) {
  struct Case { int i; double T; double P; double relative; };
  const Case cases[] = {
      {0, 373.124, 0.101325, 1e-3},   {0, 600, 12.3443, 1e-3},
      {0, 300, 0.00353659, 1e-3},     {0, 500, 2.63890, 1e-3},
      {0, 273.16, 0.000611657, 1e-3},  // triple point, range end included
      {1, 273.15, 3.4851, 5e-3},      {1, 250, 1.7851, 5e-3},
      {1, 216.592, 0.51795, 5e-3},
      {2, 111.667, 0.101325, 5e-3},   {2, 90.6941, 0.011696, 5e-3},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(SaturationPressure(c.i, c.T), c.P, c.relative * c.P)
        << "component " << c.i << " at " << c.T << " K";
  }
}

TEST(SaturationPressure, OutsideTheTripleToCriticalRangeTheLogLinearFormHolds) {
  struct Case { int i; double T; double A; double B; };
  const Case cases[] = {
      {0, 700, -2125.7, 4.6637},      {0, 250, -2125.7, 4.6637},
      {0, 647.1, -2125.7, 4.6637},    {1, 350, -918.2444, 3.8871},
      {1, 200, -918.2444, 3.8871},    {2, 250, -492.3749, 3.2462},
      {2, 80, -492.3749, 3.2462},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SaturationPressure(c.i, c.T), std::pow(10.0, c.A / c.T + c.B))
        << "component " << c.i << " at " << c.T << " K";
  }
}

TEST(SaturationPressure, CurveJumpsAtWaterCriticalPointButNearlyMeetsForCO2AndCH4) {
  EXPECT_GT(SaturationPressure(0, std::nextafter(647.096, 1000)), 22.064 + 1);
  EXPECT_NEAR(SaturationPressure(1, std::nextafter(304.128, 1000)), 7.3773, 5e-3);
  EXPECT_NEAR(SaturationPressure(2, std::nextafter(190.564, 1000)), 4.5922, 5e-3);
  EXPECT_EQ(SaturationPressure(1, 304.128), 7.3773);
  EXPECT_NEAR(SaturationPressure(2, 190.564), 4.5922, 1e-15);
}

TEST(SaturationPressure, SaltsHaveTheirConstantAtAnyTemperature) {
  for (int i : {3, 4}) {
    for (double T : {1000.0, 300.0, 0.0, -5.0, kNaN}) EXPECT_EQ(SaturationPressure(i, T), 0.1);
  }
}

TEST(SaturationPressure, AnIndexThatIsNoComponentGivesZero) {
  for (int32_t i : {-1, 5, 6, 1000, std::numeric_limits<int32_t>::min(),
                    std::numeric_limits<int32_t>::max()}) {
    EXPECT_EQ(SaturationPressure(i, 400), 0.0) << "index " << i;
  }
}

TEST(RaoultPressure, BubbleDewAndRawSums) {
  const Composition x = {0.6, 0.3, 0.1, 0, 0};
  const double T = 280;
  double bubble = 0, inverse = 0;
  for (int i = 0; i < 5; ++i) {
    bubble += x[i] * SaturationPressure(i, T);
    inverse += x[i] / SaturationPressure(i, T);
  }
  EXPECT_EQ(RaoultPressure(x, T, 0), bubble);
  EXPECT_EQ(RaoultPressure(x, T, 1), 1 / inverse);
  EXPECT_EQ(RaoultPressure(x, T, 7), inverse);
  EXPECT_LT(RaoultPressure(x, T, 1), RaoultPressure(x, T, 0));
}

TEST(RaoultPressure, DegenerateCompositions) {
  const Composition salt = {0, 0, 0, 1, 0};
  EXPECT_NEAR(RaoultPressure(salt, 500, 0), 0.1, 1e-15);
  EXPECT_NEAR(RaoultPressure(salt, 500, 1), 0.1, 1e-15);
  EXPECT_EQ(RaoultPressure({0, 0, 0, 0, 0}, 500, 1), 0.1);
  EXPECT_EQ(RaoultPressure({0, 0, 0, 0, 0}, 500, 0), 0.0);
}

// Without a usable temperature the volatile components have no vapour
// pressure: a bubble-point estimate is 0, a dew-point estimate 0.1 MPa.
TEST(RaoultPressure, NoTemperatureGivesTheFailureValues) {
  const Composition brine = {0.8, 0.1, 0, 0.1, 0};
  for (double T : {0.0, -10.0, kNaN, std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(SaturationPressure(0, T), 0.0) << T;
    EXPECT_EQ(RaoultPressure(brine, T, 0), 0.0) << T;
    EXPECT_EQ(RaoultPressure(brine, T, 1), 0.1) << T;
  }
}

TEST(WilsonDistribution, AtTheCriticalTemperatureKIsTheCriticalPressureRatio) {
  const double Tc[3] = {647.096, 304.128, 190.564};
  const double Pc[3] = {22.064, 7.3773, 4.5922};
  for (int i = 0; i < 3; ++i) {
    const Composition K = WilsonDistribution(Tc[i], 3);
    EXPECT_DOUBLE_EQ(K[i], Pc[i] / 3) << "component " << i;
    EXPECT_EQ(K[3], 0.001);
    EXPECT_EQ(K[4], 0.001);
  }
}

TEST(WilsonDistribution, FollowsTheAcentricFactor) {
  // ln K = ln(Pc/P) + 5.373·(1 + ω)·(1 − Tc/T), H2O: ω = 0.344.
  const Composition K = WilsonDistribution(500, 2);
  EXPECT_NEAR(std::log(K[0]), std::log(22.064 / 2) + 5.373 * 1.344 * (1 - 647.096 / 500), 1e-12);
  EXPECT_LT(K[0], K[1]);
  EXPECT_LT(K[1], K[2]);  // the lighter the component, the more it goes to the vapour
}

TEST(WilsonDistribution, NoTemperatureOrPressureGivesNeutralValues) {
  const Composition neutral = {1, 1, 1, 0.001, 0.001};
  EXPECT_EQ(WilsonDistribution(500, 0), neutral);
  EXPECT_EQ(WilsonDistribution(0, 5), neutral);
  EXPECT_EQ(WilsonDistribution(-1, -1), neutral);
  EXPECT_EQ(WilsonDistribution(kNaN, 5), neutral);
}

}  // namespace
