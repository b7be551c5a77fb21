#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"

namespace {

using Globals::Sorvik_Pressure;
using Globals::Sorvik_Pressure650;

TEST(SorvikPressure, AtTwoHundredDegreesOnlyTheConstantsCount) {
  // tau = 0 at 473.15 K; r = 0.5.
  EXPECT_EQ(Sorvik_Pressure(3, 0.9, 0.05, 0.05, 473.15), 0.75256 + 0.52636 * 0.5 - 0.12016 * 0.25);
  EXPECT_EQ(Sorvik_Pressure(4, 0.9, 0.05, 0.05, 473.15), 1.0394 + -0.16783 * 0.5 + -0.35811 * 0.25);
}

TEST(SorvikPressure, TemperatureRanges) {
  for (int curve : {3, 4}) {
    EXPECT_EQ(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 453.15), 0.1);  // lower end excluded
    EXPECT_EQ(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 300), 0.1);
    EXPECT_NE(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 453.16), 0.1);
    for (double TK : {923.15, 1000.0, 1500.0}) {
      EXPECT_EQ(Sorvik_Pressure(curve, 0.2, 0.4, 0.4, TK), Sorvik_Pressure650(curve, 0.2, 0.4, 0.4));
    }
  }
}

// The SLV pressure of brines below 650 ˚C stays within a few tens of MPa on
// the side of each curve: curve 3 NaCl-rich, curve 4 KCl-rich.
TEST(SorvikPressure, PolynomialStaysPhysicalOnItsSide) {
  struct Side { int curve; double r[2]; };
  for (const Side& side : {Side{3, {0.5, 0.9}}, Side{4, {0.1, 0.3}}}) {
    for (double TK = 460; TK < 923; TK += 20) {
      for (double r : side.r) {
        const double P = Sorvik_Pressure(side.curve, 0.8, 0.2 * r, 0.2 * (1 - r), TK);
        EXPECT_GT(P, 0) << "curve " << side.curve << ", " << TK << " K, r = " << r;
        EXPECT_LT(P, 40) << "curve " << side.curve << ", " << TK << " K, r = " << r;
      }
    }
  }
}

TEST(SorvikPressure, OtherCurvesGiveTheConstantAndSaltFreeLiquidGivesNone) {
  for (int curve : {1, 2, 5}) {
    EXPECT_EQ(Sorvik_Pressure(curve, 0.9, 0.05, 0.05, 600), 0.1);
    EXPECT_EQ(Sorvik_Pressure(curve, 0.9, 0.05, 0.05, 1000), 0.1);
  }
  for (double TK : {400.0, 600.0, 1000.0}) EXPECT_EQ(Sorvik_Pressure(3, 1, 0, 0, TK), 0.0);
}

double Residual650(int curve, double P, double xH2O, double xNaCl, double xKCl) {
  if (curve == 3) {
    return 0.0096226 * P - 3.9359e-06 * P * P + 1.7538e-06 * P * P * P +
           (0.020061 * P + 0.0017448 * P * P) * xKCl - xH2O;
  }
  return 0.030798 * P - 0.0025605 * P * P + 0.00015204 * P * P * P - 2.8959e-06 * P * P * P * P +
         (-0.0085533 * P + 0.00036598 * P * P + 0.0003538 * P * P * P - 1.1178e-05 * P * P * P * P) *
             xNaCl -
         xH2O;
}

TEST(SorvikPressure650, ResultPutsTheLiquidOnItsCurve) {
  struct Case { int curve; double xH2O, xNaCl, xKCl; };
  const Case cases[] = {{3, 0.2, 0.4, 0.4}, {4, 0.2, 0.4, 0.4}, {3, 0.5, 0.3, 0.2},
                        {4, 0.4, 0.1, 0.5}, {3, 0.1, 0.8, 0.1}, {4, 0.1, 0.1, 0.8}};
  for (const Case& c : cases) {
    const double P = Sorvik_Pressure650(c.curve, c.xH2O, c.xNaCl, c.xKCl);
    EXPECT_GT(P, 0) << "curve " << c.curve << ", xH2O " << c.xH2O;
    EXPECT_NEAR(Residual650(c.curve, P, c.xH2O, c.xNaCl, c.xKCl), 0, 1e-12)
        << "curve " << c.curve << ", xH2O " << c.xH2O;
  }
}

TEST(SorvikPressure650, NoPositivePressureOrNoCurveGivesZero) {
  for (int curve : {3, 4}) {
    EXPECT_EQ(Sorvik_Pressure650(curve, 0, 0.5, 0.5), 0.0);
    EXPECT_EQ(Sorvik_Pressure650(curve, -0.5, 0.5, 0.5), 0.0);
  }
  for (int curve : {1, 2, 5, -3}) EXPECT_EQ(Sorvik_Pressure650(curve, 0.2, 0.4, 0.4), 0.0);
}

}  // namespace
