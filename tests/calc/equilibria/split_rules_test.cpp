// The arithmetic rules of a phase split that need no equation of state: the
// Rachford-Rice split, the verdict on a converged split and the lever rule.
#include <gtest/gtest.h>

#include "calc/equilibria/liquid_vapour_split.h"
#include "calc/equilibria/phase_split.h"

namespace {

using equilibria::AbsentComponents;
using equilibria::Composition;
using equilibria::Verdict;

TEST(RachfordRiceSplit, SplitsDividesAndNormalises) {
  const struct {
    const char* what;
    Composition z, K;
    double beta;
    AbsentComponents absent;
    Composition x, y;  // before normalising
  } cases[] = {
      {"bubble point: the bulk is phase X", {0.5, 0.5, 0, 0, 0}, {2, 4, 1, 1, 1}, 0,
       AbsentComponents::SplitLikeOthers, {0.5, 0.5, 0, 0, 0}, {1, 2, 0, 0, 0}},
      {"dew point: the bulk is phase Y", {0.5, 0.5, 0, 0, 0}, {2, 4, 1, 1, 1}, 1,
       AbsentComponents::SplitLikeOthers, {0.25, 0.125, 0, 0, 0}, {0.5, 0.5, 0, 0, 0}},
      {"a salt (K = 0.001) at the vapour fraction 0.5 divides by 0.5005", {0.5, 0, 0, 0.5, 0},
       {1, 1, 1, 0.001, 0.001}, 0.5, AbsentComponents::SplitLikeOthers,
       {0.5, 0, 0, 0.5 / 0.5005, 0}, {0.5, 0, 0, 0.001 * (0.5 / 0.5005), 0}},
      {"a divisor not above 0 leaves the bulk fraction", {0.5, 0.5, 0, 0, 0}, {-1, 1, 1, 1, 1},
       1, AbsentComponents::SplitLikeOthers, {0.5, 0.5, 0, 0, 0}, {-0.5, 0.5, 0, 0, 0}},
      {"the liquid-vapour split empties an absent component", {0.5, 0.5, 0, -0.1, 0},
       {2, 2, 3, 4, 5}, 0, AbsentComponents::Zero, {0.5, 0.5, 0, 0, 0}, {1, 1, 0, 0, 0}},
      {"an empty fluid: empty phases, no residual", {}, {2, 2, 2, 2, 2}, 0.5,
       AbsentComponents::SplitLikeOthers, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Composition x{9, 9, 9, 9, 9}, y{9, 9, 9, 9, 9};
    const auto sums = equilibria::RachfordRiceSplit(c.z, c.K, c.beta, x, y, c.absent);
    double Sx = 0, Sy = 0;
    for (int i = 0; i < 5; ++i) Sx += c.x[i], Sy += c.y[i];
    EXPECT_DOUBLE_EQ(sums.Sx, Sx);
    EXPECT_DOUBLE_EQ(sums.Sy, Sy);
    for (int i = 0; i < 5; ++i) {
      EXPECT_DOUBLE_EQ(x[i], Sx > 0 ? c.x[i] / Sx : 0) << i;
      EXPECT_DOUBLE_EQ(y[i], Sy > 0 ? c.y[i] / Sy : 0) << i;
    }
  }
}

TEST(JudgeSplit, OnlyTheFirstPresentComponentIsTestedAndTheLastFailingTestDecides) {
  equilibria::PhaseSplitResult liquidVapour;
  liquidVapour.VmX = 25;
  liquidVapour.VmY = 300;
  liquidVapour.phiX = {0.1, 10, 1, 1, 1};
  liquidVapour.phiY = {0.9, 0.9, 1, 1, 1};
  equilibria::PhaseSplitResult sameVolume = liquidVapour;
  sameVolume.VmY = 25.2;  // within 1 %
  equilibria::PhaseSplitResult failedX = liquidVapour;
  failedX.VmX = 0;

  const Composition mix = {0.9, 0.1, 0, 0, 0};
  const Composition noWater = {0, 0.5, 0.5, 0, 0};
  const Composition water = {1, 0, 0, 0, 0};
  const Composition xEq = {0.99, 0.01, 0, 0, 0};
  const Composition yEq = {0.11, 0.89, 0, 0, 0};  // 0.99·0.1 = 0.11·0.9 for water
  const struct {
    const char* what;
    Composition z, x, y;
    const equilibria::PhaseSplitResult& run;
    bool fugacities;
    Verdict verdict;
  } cases[] = {
      {"equal fugacities, distinct phases", mix, xEq, yEq, liquidVapour, true, Verdict::None},
      {"same composition", mix, xEq, xEq, liquidVapour, false, Verdict::TrivialSolution},
      {"same composition, unequal fugacities: the fugacity test is last", mix, xEq, xEq,
       liquidVapour, true, Verdict::FugacitiesNotEqual},
      {"same volume", mix, xEq, yEq, sameVolume, true, Verdict::TrivialSolution},
      {"no volume test without a phase X volume", mix, xEq, yEq, failedX, true, Verdict::None},
      {"CO2 unequal but not tested: water is the first present", mix, xEq, yEq, liquidVapour,
       true, Verdict::None},
      {"without water CO2 is tested", noWater, xEq, yEq, liquidVapour, true,
       Verdict::FugacitiesNotEqual},
      {"a pure fluid: only the volume test", water, water, water, sameVolume, true,
       Verdict::TrivialSolution},
      {"no component present: no test", Composition{}, xEq, xEq, sameVolume, true, Verdict::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(equilibria::JudgeSplit(c.z, c.x, c.y, c.run, c.fugacities), c.verdict);
  }
}

TEST(LeverRule, SharesTheBulkVolumeOrSplitsHalfAndHalfOrPullsBack) {
  for (const double Vm : {21.0, 100.0, 499.0}) {
    double phi = -7;
    const double beta = equilibria::LeverRuleVapourFraction(Vm, 20, 500, phi);
    // Mole-weighted phase volumes add up to the bulk volume; the vapour's
    // share of that volume is phi.
    EXPECT_NEAR((1 - beta) * 20 + beta * 500, Vm, 1e-12 * Vm);
    EXPECT_NEAR(beta * 500 / Vm, phi, 1e-12);
  }
  const struct {
    const char* what;
    double Vm, VmX, VmY, beta, phi;
  } cases[] = {
      {"no bulk volume: phi kept", 0, 20, 500, 0.5, 0.3},
      {"equal phase volumes: phi kept", 100, 50, 50, 0.5, 0.3},
      {"far beyond the vapour (beta 20.8): pulled back to 0.5", 10000, 20, 500, 0.5,
       1.0395833333333333},
      {"phase X the lighter, beta -19.8: pulled back to 0", 10000, 500, 20, 0,
       -0.03958333333333333},
      {"slightly beyond the vapour is left alone", 600, 20, 500, 1.208333333333332,
       1.0069444444444444},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    double phi = 0.3;
    EXPECT_DOUBLE_EQ(equilibria::LeverRuleVapourFraction(c.Vm, c.VmX, c.VmY, phi), c.beta);
    EXPECT_DOUBLE_EQ(phi, c.phi);
  }
}

}  // namespace
