// The verdict on a converged phase split and whether it is an equilibrium,
// apart from the equation of state.
#include <gtest/gtest.h>

#include "calc/equilibria/phase_split.h"

namespace {

using equilibria::Composition;
using Split = equilibria::PhaseSplitResult;

// The trivial-solution tests look at the first present component only, the
// last failing test deciding; the fugacities of every present one must agree,
// to 1e-4 of the larger, for a verdict and for an equilibrium.
TEST(JudgeSplit, TheLastFailingTestDecidesAndOnlyEqualFugacitiesMakeAnEquilibrium) {
  using equilibria::Verdict;
  const Verdict None = Verdict::None, Trivial = Verdict::TrivialSolution,
                Unequal = Verdict::FugacitiesNotEqual;
  // Water 0.99·0.1 = 0.11·0.9 and CH4 0.01·80.1 = 0.89·0.9 in both phases.
  const auto split = [](double VmX, double VmY, double phiCH4) {
    return Split{.VmX = VmX, .VmY = VmY, .phiX = {0.1, 1, phiCH4, 1, 1},
                 .phiY = {0.9, 1, 0.9, 1, 1}};
  };
  const Split apart = split(25, 25.5, 80.1), sameVolume = split(25, 25.2, 80.1);  // 2 %, 0.8 %
  // Water 1e-10·5e9 = 0.5·1 and NaCl 1·0.5 = 0.5·1.
  const Split saltAlone{
      .VmX = 25, .VmY = 300, .phiX = {5e9, 1, 1, 0.5, 1}, .phiY = {1, 1, 1, 1, 1}};
  const Composition mix = {0.9, 0, 0.1, 0, 0}, water = {1, 0, 0, 0, 0};  // CO2 absent
  const Composition xEq = {0.99, 0, 0.01, 0, 0}, yEq = {0.11, 0, 0.89, 0, 0};
  const struct {
    const char* what;
    Composition z, x, y;
    Split run;
    bool fugacities;
    Verdict verdict;
    bool equilibrium;
  } cases[] = {
      {"equal fugacities, distinct phases", mix, xEq, yEq, apart, true, None, true},
      {"same composition, unequal fugacities", mix, xEq, xEq, apart, true, Unequal, false},
      {"same volume", mix, xEq, yEq, sameVolume, true, Trivial, true},
      {"5e-4 apart in composition, no phase X volume", mix, xEq, {0.9905, 0, 0.0095, 0, 0},
       split(0, 300, 80.1), false, None, false},
      {"CH4 2e-4 off", mix, xEq, yEq, split(25, 300, 80.1 * 1.0002), true, Unequal, false},
      {"a pure fluid: the volume test is last", water, water, water, sameVolume, true, Trivial,
       false},
      {"no component present: no test", {}, xEq, xEq, sameVolume, true, None, true},
      {"a phase of salt alone is no fluid phase", {0.5, 0, 0, 0.5, 0}, {1e-10, 0, 0, 1, 0},
       {0.5, 0, 0, 0.5, 0}, saltAlone, true, None, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(equilibria::JudgeSplit(c.z, c.x, c.y, c.run, c.fugacities), c.verdict);
    EXPECT_EQ(equilibria::IsEquilibrium(c.z, c.x, c.y, c.run), c.equilibrium);
  }
}

}  // namespace
