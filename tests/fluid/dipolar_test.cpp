#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/term_consistency.h"
#include "fluid/term_states.h"

namespace {

using Globals::Composition;

const termcheck::Term kDipole{"Dipole", &Globals::Dipole, &Globals::dGdip,
                              termcheck::AbsentComponents::OneSided};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(Dipole, IsThermodynamicallyConsistentOverTheStateSpread) {
  for (const termcheck::State& s : termcheck::stateSpread()) {
    termcheck::ExpectConsistent(kDipole, s.x, s.T, s.V);
  }
}

// A2 ≤ 0 ≤ A3 for non-negative fractions, so the Padé energy is never
// positive and its denominator never below 1.
TEST(Dipole, HelmholtzEnergyIsNeverPositive) {
  for (const termcheck::State& s : termcheck::stateSpread()) {
    EXPECT_LE(Globals::Dipole(1, s.x, s.T, s.V), 0.0) << s.T << " K, " << s.V << " cm3/mol";
  }
}

// The Helmholtz energy, in J/mol, of a fluid in which only component p
// carries a dipole (x_p > 0): the sums reduce to S2 = x_p²·b_p·μ*⁴ and
// S3 = x_p³·b_p²·μ*⁶, while every component enters the co-volume through
// b_ij = (b_i^⅓ + b_j^⅓)³/8. The constants are the exact ones of the model:
// the dipole conversion with nine digits and the Boltzmann constant of 1986.
double onePolarComponent(int p, const Composition& x, double T, double V) {
  const double b[] = {28.4959, 49.52, 44.0, 60.0124, 81.783};
  const double mu[] = {1.85, 0, 0, 6.4, 7.3};
  const double sigmaCubed = 3 * b[p] / 3.7838200831266955e24;
  const double m2 = std::pow(3.16227766e-22 * mu[p], 2) / (sigmaCubed * 1.380658e-23 * T);
  double bq = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) bq += x[i] * x[j] * std::pow(std::cbrt(b[i]) + std::cbrt(b[j]), 3) / 8;
  }
  const double eta = bq / (4 * V);
  const double J2 = 1 + 1.6054 * eta - 4.4521 * eta * eta + 10.0368 * std::pow(eta, 3);
  const double J3 = 1 + 0.35147 * eta - 1.83943 * eta * eta + 5.95676 * std::pow(eta, 3);
  const double S2 = std::pow(x[p], 2) * b[p] * std::pow(m2, 2);
  const double S3 = std::pow(x[p], 3) * b[p] * b[p] * std::pow(m2, 3);
  const double A2 = -4.0 / 3 * J2 * S2 / (4 * V);
  const double A3 = 10.0 / 9 * J2 * J3 * S3 / (16 * V * V);
  return A2 * A2 / (A2 - A3) * 8.314472 * T;
}

TEST(Dipole, OnePolarComponentFollowsItsClosedForm) {
  struct Case {
    int polar;
    Composition x;
  };
  const Case cases[] = {
      {0, {1, 0, 0, 0, 0}},   {3, {0, 0, 0, 1, 0}},   {4, {0, 0, 0, 0, 1}},
      {0, {0.7, 0.3, 0, 0, 0}}, {0, {0.5, 0.2, 0.3, 0, 0}}, {3, {0, 0.4, 0.1, 0.5, 0}},
  };
  for (const Case& c : cases) {
    for (double T : {300.0, 647.0, 1300.0}) {
      for (double V : {15.0, 40.0, 2000.0}) {
        const double expected = onePolarComponent(c.polar, c.x, T, V);
        EXPECT_NEAR(Globals::Dipole(1, c.x, T, V), expected, 1e-12 * std::abs(expected))
            << "polar " << c.polar << ", x0 " << c.x[0] << ", T " << T << ", V " << V;
      }
    }
  }
}

TEST(Dipole, PureWaterHasNegativeEnergyAndShareOfZ) {
  const Composition h2o{1, 0, 0, 0, 0};
  for (double V : {10.0, 18.0, 100.0}) {
    EXPECT_LT(Globals::Dipole(0, h2o, 650, V), 0.0) << V;
    EXPECT_LT(Globals::Dipole(1, h2o, 650, V), 0.0) << V;
  }
}

TEST(Dipole, FluidsWithoutDipolesGiveZeroAndZeroDerivatives) {
  const Composition nonpolar[] = {
      {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0.3, 0.7, 0, 0}, {0, 0, 0, 0, 0}};
  for (const Composition& x : nonpolar) {
    EXPECT_EQ(Globals::Dipole(0, x, 500, 60), 0.0);
    EXPECT_EQ(Globals::Dipole(1, x, 500, 60), 0.0);
    Globals::dGdip.fill(NaN);
    EXPECT_EQ(Globals::Dipole(2, x, 500, 60), 0.0);
    EXPECT_EQ(Globals::dGdip, Composition{}) << "all five written, all 0";
  }
}

TEST(Dipole, InvalidInputGivesZeroAndWritesNothing) {
  const Composition h2o{1, 0, 0, 0, 0};
  struct Case {
    const char* what;
    double T, V;
    int mode;
  };
  const Case cases[] = {
      {"T = 0", 0, 30, 2},         {"T < 0", -650, 30, 2},  {"V = 0", 650, 0, 2},
      {"V < 0", 650, -30, 2},      {"T not a number", NaN, 30, 2},
      {"V not a number", 650, NaN, 2}, {"T = 0, mode 0", 0, 30, 0}, {"V = 0, mode 1", 650, 0, 1},
      {"mode 3", 650, 30, 3},      {"mode -1", 650, 30, -1},
  };
  for (const Case& c : cases) {
    const Composition before = {1.5, -2.5, 3.5, -4.5, 5.5};
    Globals::dGdip = before;
    EXPECT_EQ(Globals::Dipole(c.mode, h2o, c.T, c.V), 0.0) << c.what;
    EXPECT_EQ(Globals::dGdip, before) << c.what;
  }
}

// No check against the hard-sphere limit: any positive volume is evaluated.
TEST(Dipole, VolumesBelowTheHardSphereLimitAreEvaluated) {
  const Composition h2o{1, 0, 0, 0, 0};
  EXPECT_LT(Globals::Dipole(1, h2o, 650, 5), 0.0);
  EXPECT_TRUE(std::isfinite(Globals::Dipole(0, h2o, 650, 5)));
}

// Where the two orders are equal the Padé quotient 1 − A3/A2 vanishes. With
// a negative salt fraction the third-order sum turns negative, and at an
// absurdly small volume both orders overflow to −∞: the term then gives 0
// rather than a quotient of infinities.
TEST(Dipole, EqualOrdersGiveZeroInsteadOfAQuotientOfInfinities) {
  const Composition x{2, 0, 0, -1, 0};
  const double V = 1e-110;
  EXPECT_EQ(Globals::Dipole(0, x, 650, V), 0.0);
  EXPECT_EQ(Globals::Dipole(1, x, 650, V), 0.0);
  Globals::dGdip.fill(NaN);
  EXPECT_EQ(Globals::Dipole(2, x, 650, V), 0.0);
  EXPECT_EQ(Globals::dGdip, Composition{});
}

TEST(Dipole, VanishesAtLargeVolume) {
  const Composition all{0.4, 0.2, 0.15, 0.15, 0.1};
  EXPECT_LT(std::abs(Globals::Dipole(0, all, 700, 1e15)), 1e-9);
  EXPECT_LT(std::abs(Globals::Dipole(1, all, 700, 1e15)), 1e-6);  // J/mol
  Globals::Dipole(2, all, 700, 1e15);
  for (double d : Globals::dGdip) EXPECT_LT(std::abs(d), 1e-9);
}

TEST(Dipole, YieldsOnEveryLoopPassWithAFixedCost) {
  int count = 0;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] { ++count; });
  const auto yieldsOf = [&](int mode, const Composition& x, double T) {
    count = 0;
    Globals::Dipole(mode, x, T, 40);
    return count;
  };
  const Composition brine{0.9, 0, 0, 0.1, 0};
  const Composition gas{0, 0.5, 0.5, 0, 0};
  const int mode0 = yieldsOf(0, brine, 650);
  // At least one yield for each of the 125 triples.
  EXPECT_GE(mode0, 125);
  EXPECT_EQ(yieldsOf(0, gas, 650), mode0) << "absent or non-polar components are not skipped";
  EXPECT_EQ(yieldsOf(1, brine, 650), mode0);
  EXPECT_EQ(yieldsOf(3, brine, 650), mode0);
  EXPECT_EQ(yieldsOf(2, brine, 650), mode0 + 5) << "one more pass per component for dGdip";
  EXPECT_EQ(yieldsOf(2, brine, -1), 0) << "invalid input is refused before any loop";
  SetRuntimeYieldHook(previous);
}

// Another window's calculation may run while this one yields; the shared
// derivatives must then be those of this call, not a mixture of both.
TEST(Dipole, AReentrantCalculationDuringAYieldDoesNotMixStates) {
  const Composition brine{0.9, 0, 0, 0.1, 0};
  const Composition water{1, 0, 0, 0, 0};
  Globals::Dipole(2, brine, 700, 50);
  const Composition expected = Globals::dGdip;

  int depth = 0;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
    if (depth > 0) return;
    ++depth;
    Globals::Dipole(2, water, 400, 300);
    --depth;
  });
  Globals::Dipole(2, brine, 700, 50);
  SetRuntimeYieldHook(previous);
  EXPECT_EQ(Globals::dGdip, expected);
}

}  // namespace
