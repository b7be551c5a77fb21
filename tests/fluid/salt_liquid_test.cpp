// The H2O–NaCl–KCl liquid: ice-melting salinity, the liquid on the ice and
// salt saturation curves, cotectic crossings and the solid+liquid+vapour
// pressure.
#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"

namespace {

using Globals::Mass_Hall87;
using Globals::Sorvik_Molefraction;
using Globals::Sorvik_Pressure;
using Globals::Sorvik_Pressure650;

constexpr double kMH2O = 18.01528, kMNaCl = 58.462468, kMKCl = 74.57143;

TEST(MassHall87, SalinitySolvesItsOwnEquationWithTheRightSign) {
  // a·W + D·W^3 = 273.15 − TK
  for (double TK : {272.0, 263.15, 253.15, 250.0, 273.15, 280.0, 300.0}) {
    for (double w : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      const double W = Mass_Hall87(TK, w);
      const double a = 0.4597 + 0.144 * w;
      const double D = 0.0002227 + 0.0001999 * w + 4.633e-05 * w * w + 0.0001123 * w * w * w;
      EXPECT_NEAR(a * W + D * W * W * W, 273.15 - TK, 1e-12 * (1 + std::abs(273.15 - TK))) << TK << ", " << w;
      EXPECT_EQ((W > 0) - (W < 0), (TK < 273.15) - (TK > 273.15)) << "sign at " << TK << ", " << w;
    }
  }
  EXPECT_NEAR(Mass_Hall87(263.15, 1), 13.94, 0.1) << "ice melting at −10 ˚C in H2O–NaCl";
  EXPECT_EQ(Mass_Hall87(263.15, -0.1), 0.0);
  EXPECT_EQ(Mass_Hall87(263.15, 1.1), 0.0);
}

TEST(SorvikMolefraction, CurvesGiveKnownLiquids) {
  // The ice curve gives the liquid whose salinity melts ice there, pure water at 0 ˚C.
  for (double TK : {273.15, 268.15, 258.15, 250.0}) {
    for (double r : {0.0, 0.4, 1.0}) {
      const double x = Sorvik_Molefraction(1, TK, r);
      const double massSalt = (1 - x) * (r * kMNaCl + (1 - r) * kMKCl);
      const double w = r * kMNaCl / (r * kMNaCl + (1 - r) * kMKCl);
      EXPECT_NEAR(100 * massSalt / (x * kMH2O + massSalt), Mass_Hall87(TK, w), 1e-9) << TK << ", " << r;
    }
  }
  EXPECT_EQ(Sorvik_Molefraction(1, 273.15, 0.7), 1.0);
  // Halite (curve 3) and sylvite (curve 4) saturate at 6.15 and 4.8 mol/kg at 25 ˚C.
  const auto molality = [](double x) { return (1 - x) / (x * kMH2O / 1000); };
  EXPECT_NEAR(molality(Sorvik_Molefraction(3, 298.15, 1)), 6.15, 0.1);
  EXPECT_NEAR(molality(Sorvik_Molefraction(4, 298.15, 0)), 4.8, 0.1);
  // Curves 2, 3 and 4 evaluated independently from the published tables.
  struct Row { double TK, r, x[3]; };
  for (const Row& row : {Row{300, 0.3, {0.8237411200974999, 0.8749467796162805, 0.9104375195355273}},
                         Row{573.15, 0.7, {0.37466899999999825, 0.8072644401299999, 0.5922833797206084}}})
    for (int curve : {2, 3, 4})
      EXPECT_NEAR(Sorvik_Molefraction(curve, row.TK, row.r), row.x[curve - 2], 1e-14) << curve << ", " << row.TK;
  for (int curve : {0, 5, -1, 100}) EXPECT_EQ(Sorvik_Molefraction(curve, 300, 0.5), 0.0);
}

double cotecticResidual(int line, double TK, double r) {
  static constexpr int curves[5][2] = {{1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
  return Sorvik_Molefraction(curves[line - 1][0], TK, r) - Sorvik_Molefraction(curves[line - 1][1], TK, r);
}

// Every ratio reported is a true crossing of the line's two curves; curves 3
// and 4 cross from −50 to 600 ˚C, to rounding.
TEST(SorvikCotectic, ReportsOnlyTrueCrossings) {
  int crossings = 0;
  for (int line = 1; line <= 5; ++line) {
    for (double TK = 173.15; TK <= 1073.15; TK += 25) {
      const double r = Globals::Sorvik_Cotectic(line, TK);
      const bool halite = line == 5 && TK >= 223.15 && TK <= 873.15;
      if (halite) {
        EXPECT_NE(r, 0) << TK;
      }
      if (r == 0) continue;
      ++crossings;
      EXPECT_GT(r, 0);
      EXPECT_LT(r, 1);
      EXPECT_LE(std::abs(cotecticResidual(line, TK, r)), halite ? 1e-10 : 1e-8) << "line " << line << ", " << TK << " K";
    }
  }
  EXPECT_GT(crossings, 50);
  // At 25 ˚C the ice curve and curve 2 run side by side without crossing: the
  // search stops where two residuals are equal, which is no crossing.
  EXPECT_EQ(Globals::Sorvik_Cotectic(1, 298.15), 0.0);
  for (int line : {0, 6, -1, 1000}) EXPECT_EQ(Globals::Sorvik_Cotectic(line, 473.15), 0.0);
}

TEST(SorvikPressure, WorkedValueRangesAndNoSaltNoCurve) {
  // tau = 0 at 473.15 K; r = 0.5.
  EXPECT_EQ(Sorvik_Pressure(3, 0.9, 0.05, 0.05, 473.15), 0.75256 + 0.52636 * 0.5 - 0.12016 * 0.25);
  EXPECT_EQ(Sorvik_Pressure(4, 0.9, 0.05, 0.05, 473.15), 1.0394 + -0.16783 * 0.5 + -0.35811 * 0.25);
  for (int curve : {3, 4}) {
    EXPECT_EQ(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 453.15), 0.1) << "lower end excluded";
    EXPECT_EQ(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 300), 0.1);
    EXPECT_NE(Sorvik_Pressure(curve, 0.85, 0.1, 0.05, 453.16), 0.1);
    for (double TK : {923.15, 1000.0, 1500.0})
      EXPECT_EQ(Sorvik_Pressure(curve, 0.2, 0.4, 0.4, TK), Sorvik_Pressure650(curve, 0.2, 0.4, 0.4));
    EXPECT_NE(Sorvik_Pressure(curve, 0.2, 0.4, 0.4, 923.14), Sorvik_Pressure650(curve, 0.2, 0.4, 0.4));
  }
  for (int curve : {1, 2, 5})
    for (double TK : {600.0, 1000.0}) EXPECT_EQ(Sorvik_Pressure(curve, 0.9, 0.05, 0.05, TK), 0.1);
  for (double TK : {400.0, 600.0, 1000.0}) EXPECT_EQ(Sorvik_Pressure(3, 1, 0, 0, TK), 0.0);
  // The polynomials evaluated independently from the published tables,
  // NaCl-rich on curve 3 and KCl-rich on curve 4.
  EXPECT_NEAR(Sorvik_Pressure(3, 0.8, 0.14, 0.06, 573.15), 5.622708391564942, 1e-13);
  EXPECT_NEAR(Sorvik_Pressure(3, 0.8, 0.14, 0.06, 823.15), 20.8101534210382, 1e-13);
  EXPECT_NEAR(Sorvik_Pressure(4, 0.8, 0.04, 0.16, 573.15), 4.7877478199401855, 1e-13);
  EXPECT_NEAR(Sorvik_Pressure(4, 0.8, 0.04, 0.16, 823.15), 16.40942919938837, 1e-13);
}

TEST(SorvikPressure650, ResultPutsTheLiquidOnItsCurve) {
  const auto residual = [](int curve, double P, double xH2O, double xNaCl, double xKCl) {
    if (curve == 3)
      return 0.0096226 * P - 3.9359e-06 * P * P + 1.7538e-06 * P * P * P +
             (0.020061 * P + 0.0017448 * P * P) * xKCl - xH2O;
    return 0.030798 * P - 0.0025605 * P * P + 0.00015204 * P * P * P - 2.8959e-06 * P * P * P * P +
           (-0.0085533 * P + 0.00036598 * P * P + 0.0003538 * P * P * P - 1.1178e-05 * P * P * P * P) * xNaCl -
           xH2O;
  };
  struct Case { int curve; double xH2O, xNaCl, xKCl; };
  for (const Case& c : {Case{3, 0.2, 0.4, 0.4}, Case{4, 0.2, 0.4, 0.4}, Case{3, 0.5, 0.3, 0.2},
                        Case{4, 0.4, 0.1, 0.5}, Case{3, 0.1, 0.8, 0.1}, Case{4, 0.1, 0.1, 0.8}}) {
    const double P = Sorvik_Pressure650(c.curve, c.xH2O, c.xNaCl, c.xKCl);
    EXPECT_GT(P, 0) << "curve " << c.curve << ", xH2O " << c.xH2O;
    EXPECT_NEAR(residual(c.curve, P, c.xH2O, c.xNaCl, c.xKCl), 0, 1e-12) << "curve " << c.curve;
  }
  for (int curve : {3, 4}) {
    EXPECT_EQ(Sorvik_Pressure650(curve, 0, 0.5, 0.5), 0.0);
    EXPECT_EQ(Sorvik_Pressure650(curve, -0.5, 0.5, 0.5), 0.0);
  }
  for (int curve : {1, 2, 5, -3}) EXPECT_EQ(Sorvik_Pressure650(curve, 0.2, 0.4, 0.4), 0.0);
}

}  // namespace
