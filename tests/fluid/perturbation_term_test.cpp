// The perturbation term as the equation of state sees it: term modes, invalid
// input, the single-component form of its series, scaling with the mole
// fractions, the derivatives it writes, and its behaviour during yields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/perturbation_internal.h"

namespace {

using Globals::Composition;
using namespace Globals::perturbation;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Composition allFive = {0.6, 0.1, 0.1, 0.1, 0.1};
const Composition marker = {-101, -102, -103, -104, -105};

TEST(PerturbationTerm, SingleComponentFollowsTheSingleFluidForm) {
  struct Case {
    int32_t component;
    double T, V;
  };
  for (const Case& k : {Case{H2O, 700, 40}, Case{H2O, 1100, 25}, Case{CH4, 400, 60},
                        Case{NaCl, 900, 30}, Case{KCl, 1200, 45}}) {
    SCOPED_TRACE(testing::Message() << "component " << k.component << " at " << k.T << " K, "
                                    << k.V << " cm3/mol");
    Composition x{};
    x[k.component] = 1;
    const ComponentParameters p = ComponentParametersAt(k.component, k.T);
    ASSERT_GT(p.a, 0);
    ASSERT_GE(p.a * p.d, 0);
    const double y = p.b / (4 * k.V);
    const double aV = p.a / k.V;
    const double A = -aV * (1 + p.c * y + p.d * y * y + p.e * y * y * y) / 10;
    const double Z = -aV * (1 + 2 * p.c * y + 3 * p.d * y * y + 4 * p.e * y * y * y) /
                     (83.14472 * k.T);
    const double dA = -aV * (2 + 3 * p.c * y + 4 * p.d * y * y + 5 * p.e * y * y * y) / 10;
    EXPECT_NEAR(Globals::Perturbation(1, x, k.T, k.V), A, 1e-12 * std::abs(A));
    EXPECT_NEAR(Globals::Perturbation(0, x, k.T, k.V), Z, 1e-12 * std::abs(Z));
    EXPECT_NEAR(Globals::Perturbation(2, x, k.T, k.V), Z, 1e-12 * std::abs(Z));
    EXPECT_NEAR(Globals::dGper[k.component] * Globals::R * k.T, dA, 1e-12 * std::abs(dA));
  }
}

TEST(PerturbationTerm, SingleComponentSumsLoseTheSignOnlyInEvenRoots) {
  // CO2 at 150 K has a < 0: the pair and quadruple sums take |a| and |a·d|.
  for (double T : {150.0, 600.0}) {
    const ComponentParameters p = ComponentParametersAt(CO2, T);
    const SeriesCoefficients s = SeriesCoefficientsAt({0, 1, 0, 0, 0}, T, false);
    EXPECT_EQ(s.A[0], std::abs(p.a)) << T;
    EXPECT_NEAR(s.A[1], p.a * p.c * p.b, 1e-13 * std::abs(p.a * p.c * p.b)) << T;
    EXPECT_NEAR(s.A[2], std::abs(p.a * p.d) * p.b * p.b, 1e-13 * std::abs(p.a * p.d) * p.b * p.b);
    EXPECT_NEAR(s.A[3], p.a * p.e * p.b * p.b * p.b, 1e-13 * std::abs(p.a * p.e) * p.b * p.b * p.b);
  }
}

TEST(PerturbationTerm, DoublingTheMoleFractionsScalesEachOrderExactly) {
  Composition doubled{};
  for (int i = 0; i < 5; ++i) doubled[i] = 2 * allFive[i];
  const SeriesCoefficients once = SeriesCoefficientsAt(allFive, 750, true);
  const SeriesCoefficients twice = SeriesCoefficientsAt(doubled, 750, true);
  for (int order = 0; order < 4; ++order) {
    EXPECT_EQ(twice.A[order], std::ldexp(once.A[order], order + 2)) << "A" << order + 1;
    for (int c = 0; c < 5; ++c)
      EXPECT_EQ(twice.D[c][order], std::ldexp(once.D[c][order], order + 1)) << c;
  }
}

TEST(PerturbationTerm, PairOfTwoComponentsUsesTheirOwnFactor) {
  // CO2 and NaCl stand at positions 0 and 1; their factor is the CO2–NaCl one.
  const double T = 800;
  const ComponentParameters co2 = ComponentParametersAt(CO2, T);
  const ComponentParameters nacl = ComponentParametersAt(NaCl, T);
  const double f = RuleFactor(std::array<int32_t, 2>{CO2, NaCl}, TemperatureFunctionsAt(T));
  ASSERT_NE(f, 1.0);
  const double expected = 0.09 * co2.a + 2 * 0.21 * std::sqrt(co2.a * nacl.a) * f + 0.49 * nacl.a;
  const SeriesCoefficients s = SeriesCoefficientsAt({0, 0.3, 0, 0.7, 0}, T, false);
  EXPECT_NEAR(s.A[0], expected, 1e-14 * expected);
}

TEST(PerturbationTerm, InvalidTemperatureOrVolumeGivesZeroAndWritesNothing) {
  struct State {
    double T, V;
  };
  for (const State& s : {State{0, 30}, State{-300, 30}, State{500, 0}, State{500, -5},
                         State{nan, 30}, State{500, nan}}) {
    for (int32_t mode : {0, 1, 2}) {
      Globals::dGper = marker;
      EXPECT_EQ(Globals::Perturbation(mode, allFive, s.T, s.V), 0.0) << s.T << " " << s.V;
      EXPECT_EQ(Globals::dGper, marker);
    }
  }
}

TEST(PerturbationTerm, OtherModesGiveZeroAndWriteNothing) {
  for (int32_t mode : {3, -1, 99}) {
    Globals::dGper = marker;
    EXPECT_EQ(Globals::Perturbation(mode, allFive, 700, 40), 0.0) << mode;
    EXPECT_EQ(Globals::dGper, marker);
  }
  EXPECT_NE(Globals::Perturbation(1, allFive, 700, 40), 0.0);
}

TEST(PerturbationTerm, NoComponentPresentGivesZero) {
  for (const Composition& x : {Composition{}, Composition{-0.5, 0, -1, 0, 0},
                               Composition{nan, nan, nan, nan, nan}}) {
    EXPECT_EQ(Globals::Perturbation(0, x, 700, 40), 0.0);
    EXPECT_EQ(Globals::Perturbation(1, x, 700, 40), 0.0);
    Globals::dGper = marker;
    EXPECT_EQ(Globals::Perturbation(2, x, 700, 40), 0.0);
    // With nothing present every infinite-dilution derivative is 0.
    for (double dG : Globals::dGper) EXPECT_EQ(dG, 0.0);
  }
}

TEST(PerturbationTerm, NegativeOrMissingFractionCountsAsAbsent) {
  const Composition clean = {0, 0.3, 0, 0.7, 0};
  for (const Composition& x : {Composition{0, 0.3, -0.2, 0.7, 0}, Composition{nan, 0.3, 0, 0.7, -1}}) {
    for (int32_t mode : {0, 1}) {
      EXPECT_EQ(Globals::Perturbation(mode, x, 650, 33), Globals::Perturbation(mode, clean, 650, 33));
    }
    Globals::Perturbation(2, clean, 650, 33);
    const Composition expected = Globals::dGper;
    Globals::Perturbation(2, x, 650, 33);
    EXPECT_EQ(Globals::dGper, expected);
  }
}

TEST(PerturbationTerm, DerivativesOfAbsentComponentsDoNotDependOnEarlierCalls) {
  const Composition waterSalt = {0.5, 0, 0, 0.5, 0};
  Globals::dGper = marker;
  Globals::Perturbation(2, waterSalt, 700, 40);
  const Composition first = Globals::dGper;
  Globals::Perturbation(2, allFive, 900, 25);
  Globals::Perturbation(2, waterSalt, 700, 40);
  EXPECT_EQ(Globals::dGper, first);
  for (int c : {1, 2, 4}) {
    EXPECT_NE(first[c], marker[c]) << "component " << c << " is written";
    EXPECT_TRUE(std::isfinite(first[c]));
  }
}

TEST(PerturbationTerm, NoNumberIsLostToNegativeProducts) {
  // a(CO2) < 0 at 150 K makes the H2O–CO2 pair product negative; above about
  // 1450 K tau < 0 turns the mean of the water–salt quadruples negative.
  struct Case {
    Composition x;
    double T;
  };
  for (const Case& k : {Case{{0.5, 0.5, 0, 0, 0}, 150}, Case{{0.8, 0, 0.2, 0, 0}, 80},
                        Case{{0.85, 0, 0, 0.1, 0.05}, 1500}, Case{allFive, 150}}) {
    for (int32_t mode : {0, 1, 2}) {
      EXPECT_TRUE(std::isfinite(Globals::Perturbation(mode, k.x, k.T, 50))) << k.T << " " << mode;
    }
    for (double dG : Globals::dGper) EXPECT_TRUE(std::isfinite(dG)) << k.T;
  }
}

// A handler that runs during a yield may evaluate the term again: the outer
// call must neither see nor leave a trace of it.
TEST(PerturbationTerm, AnotherEvaluationDuringAYieldLeavesTheCallUndisturbed) {
  const Composition other = {0.3, 0, 0.7, 0, 0};
  const double expectedZ = Globals::Perturbation(2, allFive, 820, 37);
  const Composition expectedDG = Globals::dGper;

  int yields = 0;
  bool inside = false;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
    ++yields;
    if (inside || yields % 97 != 0) return;
    inside = true;
    Globals::Perturbation(2, other, 500, 60);
    inside = false;
  });
  const double z = Globals::Perturbation(2, allFive, 820, 37);
  SetRuntimeYieldHook(previous);

  EXPECT_GT(yields, 3125) << "the innermost loop over five components yields every pass";
  EXPECT_EQ(z, expectedZ);
  EXPECT_EQ(Globals::dGper, expectedDG);
}

}  // namespace
