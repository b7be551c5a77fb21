#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"
#include "fluid/damped_secant.h"

namespace {

using Globals::Mass_Hall87;
using Globals::Sorvik_Cotectic;
using Globals::Sorvik_Molefraction;

constexpr double kMH2O = 18.01528, kMNaCl = 58.462468, kMKCl = 74.57143;

// The salinity solves a·W + D·W^3 = 273.15 − TK.
TEST(MassHall87, SalinitySolvesItsOwnEquation) {
  for (double TK : {272.0, 263.15, 253.15, 250.0, 280.0, 300.0}) {
    for (double w : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      const double W = Mass_Hall87(TK, w);
      const double a = 0.4597 + 0.144 * w;
      const double D = 0.0002227 + 0.0001999 * w + 4.633e-05 * w * w + 0.0001123 * w * w * w;
      EXPECT_NEAR(a * W + D * W * W * W, 273.15 - TK, 1e-12 * (1 + std::abs(273.15 - TK)))
          << TK << " K, w = " << w;
    }
  }
}

TEST(MassHall87, SignOfTheSalinityFollowsTheMeltingPoint) {
  for (double w : {0.0, 0.5, 1.0}) {
    EXPECT_EQ(Mass_Hall87(273.15, w), 0.0);
    EXPECT_LT(Mass_Hall87(280, w), 0.0);
    EXPECT_GT(Mass_Hall87(263.15, w), 0.0);
  }
  EXPECT_GT(Mass_Hall87(263.15, 0), Mass_Hall87(263.15, 1));  // KCl depresses less per gram
  // Ice melting at −10 ˚C in H2O–NaCl: about 13.9 mass per cent NaCl.
  EXPECT_NEAR(Mass_Hall87(263.15, 1), 13.94, 0.1);
}

TEST(MassHall87, InvalidInputGivesZero) {
  EXPECT_EQ(Mass_Hall87(0, 0.5), 0.0);
  EXPECT_EQ(Mass_Hall87(-10, 0.5), 0.0);
  EXPECT_EQ(Mass_Hall87(263.15, -0.1), 0.0);
  EXPECT_EQ(Mass_Hall87(263.15, 1.1), 0.0);
}

TEST(SorvikMolefraction, IceCurveIsPureWaterAtTheMeltingPoint) {
  for (double r : {0.0, 0.3, 0.7, 1.0}) EXPECT_EQ(Sorvik_Molefraction(1, 273.15, r), 1.0);
}

// Below 0 ˚C the ice curve gives the liquid whose salinity melts ice there:
// converted back to mass per cent it is the ice-melting salinity.
TEST(SorvikMolefraction, IceCurveAgreesWithTheMeltingSalinity) {
  for (double TK : {268.15, 258.15, 250.0}) {
    for (double r : {0.0, 0.4, 1.0}) {
      const double x = Sorvik_Molefraction(1, TK, r);
      const double massH2O = x * kMH2O;
      const double massSalt = (1 - x) * (r * kMNaCl + (1 - r) * kMKCl);
      const double w = r * kMNaCl / (r * kMNaCl + (1 - r) * kMKCl);
      EXPECT_NEAR(100 * massSalt / (massH2O + massSalt), Mass_Hall87(TK, w), 1e-9)
          << TK << " K, r = " << r;
    }
  }
}

// Halite (curve 3, pure NaCl) and sylvite (curve 4, pure KCl) saturation at
// 25 ˚C: 6.15 and 4.8 mol/kg.
TEST(SorvikMolefraction, SaltSaturationCurvesGiveKnownSolubilities) {
  auto molality = [](double x) { return (1 - x) / (x * kMH2O / 1000); };
  EXPECT_NEAR(molality(Sorvik_Molefraction(3, 298.15, 1)), 6.15, 0.1);
  EXPECT_NEAR(molality(Sorvik_Molefraction(4, 298.15, 0)), 4.8, 0.1);
  // A brine is mostly water on every curve.
  for (int curve : {2, 3, 4}) {
    for (double r : {0.2, 0.5, 0.9}) {
      const double x = Sorvik_Molefraction(curve, 300, r);
      EXPECT_GT(x, 0.7) << "curve " << curve;
      EXPECT_LT(x, 1.0) << "curve " << curve;
    }
  }
}

TEST(SorvikMolefraction, ACurveNumberOutsideOneToFourGivesZero) {
  for (int curve : {0, 5, -1, 100}) EXPECT_EQ(Sorvik_Molefraction(curve, 300, 0.5), 0.0);
}

double CotecticResidual(int line, double TK, double r) {
  static constexpr int curves[5][2] = {{1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
  return Sorvik_Molefraction(curves[line - 1][0], TK, r) - Sorvik_Molefraction(curves[line - 1][1], TK, r);
}

TEST(SorvikCotectic, LineFiveConvergesToACrossingOfCurvesThreeAndFour) {
  for (double TK : {223.15, 273.15, 373.15, 473.15, 573.15, 673.15, 773.15, 873.15}) {
    const double r = Sorvik_Cotectic(5, TK);
    EXPECT_GT(r, 0) << TK;
    EXPECT_LT(r, 1) << TK;
    EXPECT_LE(std::abs(CotecticResidual(5, TK, r)), 1e-10) << TK;
  }
}

// Every ratio reported for any line is a true crossing; otherwise 0.
TEST(SorvikCotectic, ReportsOnlyTrueCrossings) {
  int crossings = 0;
  for (int line = 1; line <= 5; ++line) {
    for (double TK = 173.15; TK <= 1073.15; TK += 25) {
      const double r = Sorvik_Cotectic(line, TK);
      if (r == 0) continue;
      ++crossings;
      EXPECT_GT(r, 0);
      EXPECT_LT(r, 1);
      EXPECT_LE(std::abs(CotecticResidual(line, TK, r)), 1e-8) << "line " << line << ", " << TK << " K";
    }
  }
  EXPECT_GT(crossings, 50);
}

// At 25 ˚C the ice curve and curve 2 run side by side without crossing: the
// secant is squeezed against 1 until two residuals are equal and stops there.
// That is no cotectic.
TEST(SorvikCotectic, AFlatStretchIsNotReportedAsACrossing) {
  const double TK = 298.15;
  auto g = [&](double u) { return CotecticResidual(1, TK, u); };
  const Globals::DampedSecantVariant cotectic = {101, Globals::CurrentStart::LargerResidual, 1.0, false};
  const Globals::DampedSecantResult stopped = Globals::DampedSecant(g, 0.9, 0.89, cotectic);
  ASSERT_TRUE(stopped.converged);
  EXPECT_GT(std::abs(stopped.residual), 1e-3);
  EXPECT_EQ(Sorvik_Cotectic(1, TK), 0.0);
}

TEST(SorvikCotectic, ALineOutsideOneToFiveGivesZero) {
  for (int line : {0, 6, -1, 1000}) EXPECT_EQ(Sorvik_Cotectic(line, 473.15), 0.0);
}

}  // namespace
