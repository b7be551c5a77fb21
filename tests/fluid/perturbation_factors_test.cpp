// Combining factors of the perturbation term. Reference values were computed
// independently from the published rules (within a relative 1e-13).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "fluid/perturbation_internal.h"

namespace {

using namespace Globals::perturbation;

int32_t keyOf(std::vector<int32_t> components) {
  int32_t key = 0;
  for (int32_t c : components) key += ComponentWeight[c];
  return key;
}

struct FactorCase {
  std::vector<int32_t> components;
  double T;
  double expected;
};

void expectFactors(const std::vector<FactorCase>& cases) {
  for (const FactorCase& k : cases) {
    SCOPED_TRACE(testing::Message() << "combination of " << k.components.size()
                                    << " with first components " << k.components[0] << ", "
                                    << k.components[1] << " at " << k.T << " K");
    const double f = RuleFactor(keyOf(k.components), TemperatureFunctionsAt(k.T));
    EXPECT_NEAR(f, k.expected, 1e-13 * std::abs(k.expected));
  }
}

TEST(PerturbationFactors, PairFactorsAt573And800K) {
  expectFactors({
      {{H2O, CO2}, 573.15, 0.92190434200549998},  {{H2O, CH4}, 573.15, 0.81429664126888035},
      {{H2O, NaCl}, 573.15, 8.9799768039091212},  {{H2O, KCl}, 573.15, 4.5274827799576585},
      {{CO2, NaCl}, 573.15, 0.59022328068038177}, {{CH4, NaCl}, 573.15, 0.81548824412758414},
      {{NaCl, KCl}, 573.15, 1.0308},              {{CO2, CH4}, 573.15, 1.0},
      {{CO2, KCl}, 573.15, 1.0},                  {{CH4, KCl}, 573.15, 1.0},
      {{H2O, H2O}, 573.15, 1.0},                  {{NaCl, NaCl}, 573.15, 1.0},
      {{H2O, CO2}, 800, 1.0083359999999999},      {{H2O, CH4}, 800, 1.0379894512800001},
      {{H2O, NaCl}, 800, 3.2950022805025272},     {{H2O, KCl}, 800, 2.3845576277323639},
      {{CO2, NaCl}, 800, 1.0192750671999999},     {{CH4, NaCl}, 800, 1.3185762510000005},
      {{NaCl, KCl}, 800, 1.0308},
  });
}

TEST(PerturbationFactors, TripleFactorsAt573And800K) {
  expectFactors({
      {{H2O, H2O, CO2}, 573.15, 1.0139929684895499},   {{H2O, CO2, CO2}, 573.15, 1.0139929684895499},
      {{CO2, CO2, NaCl}, 573.15, 1.0139929684895499},  {{CO2, NaCl, NaCl}, 573.15, 1.0139929684895499},
      {{H2O, H2O, NaCl}, 573.15, 11.625002308467769},  {{H2O, NaCl, NaCl}, 573.15, 13.054195703754568},
      {{H2O, H2O, KCl}, 573.15, 5.6819156849999999},   {{H2O, KCl, KCl}, 573.15, 6.3600250690705789},
      {{CH4, CH4, NaCl}, 573.15, 0.9},                 {{CH4, NaCl, NaCl}, 573.15, 0.9},
      {{NaCl, NaCl, KCl}, 573.15, 0.9886},             {{NaCl, KCl, KCl}, 573.15, 1.0},
      {{H2O, CO2, NaCl}, 573.15, 0.74879603045249987}, {{H2O, CH4, NaCl}, 573.15, 1.0123225281250003},
      {{H2O, CO2, CH4}, 573.15, 1.0},                  {{H2O, NaCl, KCl}, 573.15, 1.0},
      {{H2O, H2O, H2O}, 573.15, 1.0},
      {{H2O, H2O, CO2}, 800, 0.87462999999999991},     {{CO2, CO2, NaCl}, 800, 1.03463 - 0.0002 * 800},
      {{H2O, H2O, NaCl}, 800, 4.7664837087171801},     {{H2O, NaCl, NaCl}, 800, 4.6880624652418739},
      {{H2O, H2O, KCl}, 800, 3.2648399228304537},      {{H2O, KCl, KCl}, 800, 3.4613675192185824},
      {{H2O, CO2, NaCl}, 800, 0.93635999999999975},    {{H2O, CH4, NaCl}, 800, 0.78750000000000031},
  });
}

TEST(PerturbationFactors, QuadrupleAndQuintupleFactorsAt573And800K) {
  const double k5CO2At800 = 0.92104609504000001, k5CH4At800 = 0.88661760929999978;
  expectFactors({
      {{H2O, H2O, H2O, NaCl}, 573.15, 8.4422426700000184},
      {{H2O, H2O, NaCl, NaCl}, 573.15, 9.0690449100000201},
      // t = 5.7315: the exponential is 1, the factor (1.306 + 0.091)·tau.
      {{H2O, NaCl, NaCl, NaCl}, 573.15, 9.1212784300000198},
      {{H2O, H2O, H2O, KCl}, 573.15, 4.0200000000000005},
      {{H2O, H2O, KCl, KCl}, 573.15, 4.47},
      {{H2O, KCl, KCl, KCl}, 573.15, 4.29},
      {{H2O, CO2, CO2, CO2}, 573.15, 1.0},
      {{H2O, H2O, H2O, NaCl}, 800, 3.1187928573200301},
      {{H2O, NaCl, NaCl, NaCl}, 800, 3.1501810617572548},
      {{H2O, KCl, KCl, KCl}, 800, 2.332797570451572},
      {{H2O, H2O, H2O, H2O, CO2}, 573.15, 0.97791343374891415},
      {{H2O, H2O, H2O, H2O, CH4}, 573.15, 0.79248832749555165},
      {{H2O, H2O, NaCl, NaCl, NaCl}, 800, 2.4120594410827767},
      {{H2O, KCl, KCl, KCl, KCl}, 800, 1.6313269723437567},
      {{CO2, NaCl, NaCl, NaCl, NaCl}, 800, k5CO2At800},
      {{H2O, CO2, NaCl, NaCl, NaCl}, 800, k5CO2At800},
      {{CH4, CH4, CH4, CH4, NaCl}, 800, k5CH4At800},
      {{H2O, CH4, CH4, NaCl, NaCl}, 800, k5CH4At800},
  });
}

// The quintuple rows named by family: every combination of H2O, CO2 and NaCl
// that holds CO2 and something else takes k5_CO2 (likewise CH4), water with
// one salt takes tau or tau_KCl, everything else 1.0.
TEST(PerturbationFactors, EveryQuintupleFollowsItsFamily) {
  const TemperatureFunctions tf = TemperatureFunctionsAt(700);
  const double k5CO2 = (1.28262 - 0.000732919762 * 700) + (3.51190476e-07 * 700) * 700;
  const double k5CH4 = ((-1.24172253 + 0.00255545498 * 700) - (8.0087098e-07 * 700) * 700) +
                       477.226866 / 700;
  int rows = 0;
  std::array<int32_t, 5> c{};
  for (c[0] = 0; c[0] < 5; ++c[0])
    for (c[1] = c[0]; c[1] < 5; ++c[1])
      for (c[2] = c[1]; c[2] < 5; ++c[2])
        for (c[3] = c[2]; c[3] < 5; ++c[3])
          for (c[4] = c[3]; c[4] < 5; ++c[4]) {
            std::array<int, 5> count{};
            for (int32_t x : c) ++count[x];
            auto only = [&](std::set<int> allowed) {
              for (int k = 0; k < 5; ++k)
                if (count[k] && !allowed.count(k)) return false;
              return true;
            };
            double expected = 1.0;
            if (only({H2O, NaCl}) && count[H2O] && count[NaCl]) expected = tf.tau;
            if (only({H2O, KCl}) && count[H2O] && count[KCl]) expected = tf.tauKCl;
            if (only({H2O, CO2, NaCl}) && count[CO2] && count[CO2] < 5) expected = k5CO2;
            if (only({H2O, CH4, NaCl}) && count[CH4] && count[CH4] < 5) expected = k5CH4;
            if (expected != 1.0) ++rows;
            EXPECT_EQ(RuleFactor(c, tf), expected)
                << c[0] << c[1] << c[2] << c[3] << c[4];
          }
  EXPECT_EQ(rows, 36);
}

TEST(PerturbationFactors, SplitTemperaturesTakeTheUpperFormula) {
  expectFactors({
      {{H2O, CH4}, 621.79, 0.93339483956728164},
      {{H2O, H2O, CO2}, 760.068, 0.88261639999999997},
      {{H2O, KCl, KCl}, 1000, 2.8594133695612984},
  });
  const double justBelow = RuleFactor(keyOf({H2O, CH4}), TemperatureFunctionsAt(621.78999));
  EXPECT_NEAR(justBelow, 0.93339483956728164, 1e-3) << "both forms meet near the split";
}

TEST(PerturbationFactors, WaterKClKClRunsOnContinuouslyAbove1000K) {
  const int32_t key = keyOf({H2O, KCl, KCl});
  const double below = RuleFactor(key, TemperatureFunctionsAt(1000 - 1e-9));
  const double at = RuleFactor(key, TemperatureFunctionsAt(1000));
  EXPECT_NEAR(at, below, 1e-4 * below);
  // The slope carries on too: a kelvin on each side changes it alike.
  const double slopeBelow = below - RuleFactor(key, TemperatureFunctionsAt(999));
  const double slopeAbove = RuleFactor(key, TemperatureFunctionsAt(1001)) - at;
  EXPECT_NEAR(slopeAbove, slopeBelow, 0.05 * std::abs(slopeBelow));
}

TEST(PerturbationFactors, WaterWithBothSaltsTakesGeometricMeans) {
  for (double T : {573.15, 800.0}) {
    const TemperatureFunctions tf = TemperatureFunctionsAt(T);
    const double triple = T == 800 ? 2.5093059662782657 : 4.1913400531120057;
    const double quadruple = T == 800 ? 1.9501750952972177 : 3.3548568684520386;
    EXPECT_NEAR(CombiningFactor(keyOf({H2O, NaCl, KCl}), tf), triple, 1e-13 * triple);
    for (auto c : {std::vector<int32_t>{H2O, H2O, NaCl, KCl}, {H2O, NaCl, NaCl, KCl},
                   {H2O, NaCl, KCl, KCl}}) {
      EXPECT_NEAR(CombiningFactor(keyOf(c), tf), quadruple, 1e-13 * quadruple);
    }
    // Quintuples keep their rule; pairs and other combinations too.
    EXPECT_EQ(CombiningFactor(keyOf({H2O, H2O, H2O, NaCl, KCl}), tf), 1.0);
    EXPECT_EQ(CombiningFactor(keyOf({H2O, H2O, NaCl}), tf), RuleFactor(keyOf({H2O, H2O, NaCl}), tf));
  }
  // Where tau has turned negative the mean of the quadruples stays a number.
  EXPECT_LT(TemperatureFunctionsAt(1500).tau, 0);
  EXPECT_TRUE(std::isfinite(SaltWaterQuadrupleFactor(TemperatureFunctionsAt(1500))));
}

TEST(PerturbationFactors, SignedRootKeepsTheSign) {
  EXPECT_EQ(SignedRoot(27.5, 1.0 / 3.0), std::pow(27.5, 1.0 / 3.0));
  EXPECT_EQ(SignedRoot(-27.5, 1.0 / 3.0), -std::pow(27.5, 1.0 / 3.0));
  EXPECT_EQ(SignedRoot(-16.0, 0.25), -2.0);
  EXPECT_EQ(SignedSquareRoot(-6.25), -2.5);
  EXPECT_EQ(SignedSquareRoot(6.25), 2.5);
}

TEST(PerturbationFactors, EveryCombinationHasItsOwnIndex) {
  std::set<int> seen;
  for (int32_t key = 0; key < KeyCount; ++key) {
    if (CombinationIndex[key] >= 0) {
      EXPECT_TRUE(seen.insert(CombinationIndex[key]).second) << key;
    }
  }
  EXPECT_EQ(static_cast<int>(seen.size()), CombinationCount);
  EXPECT_EQ(*seen.rbegin(), CombinationCount - 1);
  EXPECT_EQ(CombinationIndex[keyOf({KCl})], -1) << "single components are not combinations";
}

}  // namespace
