// The rules of a phase split that need no equation of state: the verdict on a
// converged split, whether it is an equilibrium, and the lever rule.
#include <gtest/gtest.h>

#include "calc/equilibria/liquid_vapour_split.h"
#include "calc/equilibria/phase_split.h"

namespace {

using equilibria::Composition;
using equilibria::Verdict;

using Split = equilibria::PhaseSplitResult;

// The trivial-solution tests look at the first present component only; the
// fugacities of every present one must agree, to 1e-4 of the larger, for a
// verdict and for an equilibrium.
TEST(JudgeSplit, TheLastFailingTestDecidesAndOnlyEqualFugacitiesMakeAnEquilibrium) {
  // Water 0.99·0.1 = 0.11·0.9 and CO2 0.01·80.1 = 0.89·0.9 in both phases.
  const Composition phiX = {0.1, 80.1, 1, 1, 1}, phiY = {0.9, 0.9, 1, 1, 1};
  const auto split = [&](double VmX, double VmY, double phiCO2) {
    Split r{.VmX = VmX, .VmY = VmY, .phiX = phiX, .phiY = phiY};
    r.phiX[1] = phiCO2;
    return r;
  };
  const Split liquidVapour = split(25, 300, 80.1);
  const Split sameVolume = split(25, 25.2, 80.1);  // within 1 %
  const Split failedX = split(0, 300, 80.1);
  const Split co2Off2e4 = split(25, 300, 80.1 * (1 + 2e-4));
  const Split co2Off5e5 = split(25, 300, 80.1 * (1 + 5e-5));
  // Water 1e-10·5e9 = 0.5·1 and NaCl 1·0.5 = 0.5·1.
  const Split saltAlone{
      .VmX = 25, .VmY = 300, .phiX = {5e9, 1, 1, 0.5, 1}, .phiY = {1, 1, 1, 1, 1}};

  const Composition mix = {0.9, 0.1, 0, 0, 0};
  const Composition water = {1, 0, 0, 0, 0};
  const Composition xEq = {0.99, 0.01, 0, 0, 0};
  const Composition yEq = {0.11, 0.89, 0, 0, 0};
  const struct {
    const char* what;
    Composition z, x, y;
    Split run;
    bool fugacities;
    Verdict verdict;
    bool equilibrium;
  } cases[] = {
      {"equal fugacities, distinct phases", mix, xEq, yEq, liquidVapour, true, Verdict::None, true},
      {"same composition", mix, xEq, xEq, liquidVapour, false, Verdict::TrivialSolution, false},
      {"same composition, unequal fugacities: the fugacity test is last", mix, xEq, xEq,
       liquidVapour, true, Verdict::FugacitiesNotEqual, false},
      {"same volume", mix, xEq, yEq, sameVolume, true, Verdict::TrivialSolution, true},
      {"no phase X volume: no volume test, no equilibrium", mix, xEq, yEq, failedX, true,
       Verdict::None, false},
      {"CO2 2e-4 off, though water is the first present", mix, xEq, yEq, co2Off2e4, true,
       Verdict::FugacitiesNotEqual, false},
      {"CO2 5e-5 off: equal", mix, xEq, yEq, co2Off5e5, true, Verdict::None, true},
      {"a pure fluid of unequal fugacities", water, water, water, liquidVapour, true,
       Verdict::FugacitiesNotEqual, false},
      {"a pure fluid: the volume test is last", water, water, water, sameVolume, true,
       Verdict::TrivialSolution, false},
      {"no component present: no test", Composition{}, xEq, xEq, sameVolume, true, Verdict::None,
       true},
      {"a phase of salt alone is no fluid phase", {0.5, 0, 0, 0.5, 0}, {1e-10, 0, 0, 1, 0},
       {0.5, 0, 0, 0.5, 0}, saltAlone, true, Verdict::None, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(equilibria::JudgeSplit(c.z, c.x, c.y, c.run, c.fugacities), c.verdict);
    EXPECT_EQ(equilibria::IsEquilibrium(c.z, c.x, c.y, c.run), c.equilibrium);
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
