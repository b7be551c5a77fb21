// The perturbation term's component parameters, combining factors and series.
// Reference values were computed independently from the published
// correlations and rules (in another language, so within a relative 1e-13).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fluid/Globals.h"
#include "fluid/perturbation_internal.h"

namespace {

using Globals::Composition;
using namespace Globals::perturbation;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Composition allFive = {0.6, 0.1, 0.1, 0.1, 0.1};

void expectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-13 * std::abs(expected)) << what;
}

int32_t keyOf(const std::vector<int32_t>& components) {
  int32_t key = 0;
  for (int32_t c : components) key += ComponentWeight[c];
  return key;
}

TEST(PerturbationParameters, MatchIndependentlyComputedValues) {
  struct Case { int32_t component; double T, a, c, d, e; };
  const Case cases[] = {
      {H2O, 400, 9457319.159287991, -4.2383565234334606, 10.21029613056324, -9},
      {CO2, 400, 3764769.8379411479, -1.0068470544147392, 4.2555898155135639, -8.0943137859033083},
      {CH4, 400, 2266176.8932974385, -1.5621524081808429, 6.7010810145892226, -19.04482934569192},
      {NaCl, 400, 4424790, -2.7501, 8.0969, -9},
      {KCl, 400, 13005000, -2.7501, 8.0969, -9},
      {H2O, 800, 4254814.5618656632, -2.2169514295361967, 7.7836594037561895, -9},
      {CO2, 800, 3454392.5007622805, -1.154418905801891, 4.4835904393116142, -8.8215882802187284},
      {CH4, 800, 2152394.6798366681, -1.4726242869429105, 5.9454187224896895, -20.051597694561792},
      {NaCl, 800, 18035845.789142206, -2.7501, 8.0969, -9},
      {KCl, 800, 27120432.561489359, -2.7501, 8.0969, -9},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "component " << k.component << " at " << k.T << " K");
    const ComponentParameters p = ComponentParametersAt(k.component, k.T);
    expectClose(p.a, k.a, "a");
    expectClose(p.c, k.c, "c");
    expectClose(p.d, k.d, "d");
    expectClose(p.e, k.e, "e");
    EXPECT_EQ(p.b, Globals::b_ind(k.component)) << "b is the co-volume of the three terms";
  }
  // At T* = 647.067 K (not the critical 647.096 K) Tr = 1: the sums of the coefficients.
  const ComponentParameters w = ComponentParametersAt(H2O, 647.067);
  EXPECT_EQ(w.a, 1000000.0 * (1.718248 + 1.828379 + 1.546648 + 0.107189));
  EXPECT_EQ(w.c, 2.953548 + -8.874823 + 3.179334 + -0.168698);
  EXPECT_EQ(w.d, 2.139339 + 9.442203 + -3.144017 + 0.149539);
  EXPECT_EQ(w.e, -9.0);
}

TEST(PerturbationParameters, SwitchPointsBelongToTheLowerBranch) {
  // The salt attractions are constant up to t = 5.403 and 5.0895295 included,
  // the formulas above start slightly lower.
  EXPECT_EQ(ComponentParametersAt(NaCl, 540.3).a, 4424790.0);
  EXPECT_EQ(ComponentParametersAt(KCl, 508.95295).a, 13005000.0);
  const double nacl = ComponentParametersAt(NaCl, 540.3001).a, kcl = ComponentParametersAt(KCl, 508.9530).a;
  EXPECT_TRUE(nacl < 4424790.0 && nacl > 0.9999 * 4424790.0) << nacl;
  EXPECT_TRUE(kcl < 13005000.0 && kcl > 0.999 * 13005000.0) << kcl;
  // tau follows its straight line below 573.2 K; the formula above meets it within 0.01.
  EXPECT_EQ(TemperatureFunctionsAt(573.15).t, 5.7315);
  EXPECT_EQ(TemperatureFunctionsAt(573.19).tau, (-0.2094 * 573.19) + 126.5468);
  const double line = (-0.2094 * 573.2) + 126.5468;
  EXPECT_NEAR(TemperatureFunctionsAt(573.2).tau, line, 0.01);
  EXPECT_NE(TemperatureFunctionsAt(573.2).tau, line);
  EXPECT_EQ(TemperatureFunctionsAt(573.15).tauKCl, 3.0);
}

TEST(PerturbationParameters, NegativeGasAttractionKeepsItsProducts) {
  // c, d, e were divided by a; multiplied back they give the correlated products.
  const ComponentParameters co2 = ComponentParametersAt(CO2, 150);
  EXPECT_LT(co2.a, 0);
  EXPECT_NEAR(co2.a * co2.c, -4185084.6 + 518786.559 / (150 / 304.2), 1e-9 * 4185084.6);
  EXPECT_NEAR(co2.a * co2.e, -30473228.4, 1e-9 * 30473228.4);
  EXPECT_GT(ComponentParametersAt(CO2, 170).a, 0);
  EXPECT_LT(ComponentParametersAt(CH4, 90).a, 0);
}

TEST(PerturbationFactors, WorkedValuesAt573And800KAndAtTheSplits) {
  struct Case { std::vector<int32_t> components; double T, expected; };
  const Case cases[] = {
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
      {{H2O, H2O, CO2}, 573.15, 1.0139929684895499},   {{H2O, CO2, CO2}, 573.15, 1.0139929684895499},
      {{CO2, CO2, NaCl}, 573.15, 1.0139929684895499},  {{CO2, NaCl, NaCl}, 573.15, 1.0139929684895499},
      {{H2O, H2O, NaCl}, 573.15, 11.625002308467769},  {{H2O, NaCl, NaCl}, 573.15, 13.054195703754568},
      {{H2O, H2O, KCl}, 573.15, 5.6819156849999999},   {{H2O, KCl, KCl}, 573.15, 6.3600250690705789},
      {{CH4, CH4, NaCl}, 573.15, 0.9},                 {{CH4, NaCl, NaCl}, 573.15, 0.9},
      {{NaCl, NaCl, KCl}, 573.15, 0.9886},             {{NaCl, KCl, KCl}, 573.15, 1.0},
      {{H2O, CO2, NaCl}, 573.15, 0.74879603045249987}, {{H2O, CH4, NaCl}, 573.15, 1.0123225281250003},
      {{H2O, CO2, CH4}, 573.15, 1.0},                  {{H2O, H2O, H2O}, 573.15, 1.0},
      {{H2O, H2O, CO2}, 800, 0.87462999999999991},     {{CO2, CO2, NaCl}, 800, 0.87463},
      {{H2O, H2O, NaCl}, 800, 4.7664837087171801},     {{H2O, NaCl, NaCl}, 800, 4.6880624652418739},
      {{H2O, H2O, KCl}, 800, 3.2648399228304537},      {{H2O, KCl, KCl}, 800, 3.4613675192185824},
      {{H2O, CO2, NaCl}, 800, 0.93635999999999975},    {{H2O, CH4, NaCl}, 800, 0.78750000000000031},
      // At t = 5.7315 the exponential is 1: H2O–NaCl–NaCl–NaCl is (1.306 + 0.091)·tau.
      {{H2O, H2O, H2O, NaCl}, 573.15, 8.4422426700000184}, {{H2O, H2O, NaCl, NaCl}, 573.15, 9.0690449100000201},
      {{H2O, NaCl, NaCl, NaCl}, 573.15, 9.1212784300000198}, {{H2O, H2O, H2O, KCl}, 573.15, 4.0200000000000005},
      {{H2O, H2O, KCl, KCl}, 573.15, 4.47},     {{H2O, KCl, KCl, KCl}, 573.15, 4.29},
      {{H2O, CO2, CO2, CO2}, 573.15, 1.0},      {{H2O, H2O, H2O, NaCl}, 800, 3.1187928573200301},
      {{H2O, NaCl, NaCl, NaCl}, 800, 3.1501810617572548}, {{H2O, KCl, KCl, KCl}, 800, 2.332797570451572},
      {{H2O, H2O, H2O, H2O, CO2}, 573.15, 0.97791343374891415},
      {{H2O, H2O, H2O, H2O, CH4}, 573.15, 0.79248832749555165},
      // A split temperature itself takes the upper formula.
      {{H2O, CH4}, 621.79, 0.93339483956728164}, {{H2O, H2O, CO2}, 760.068, 0.88261639999999997},
      {{H2O, KCl, KCl}, 1000, 2.8594133695612984},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "combination of " << k.components.size() << " from "
                                    << k.components[0] << ", " << k.components[1] << " at " << k.T);
    expectClose(RuleFactor(keyOf(k.components), TemperatureFunctionsAt(k.T)), k.expected, "");
  }
  const double justBelow = RuleFactor(keyOf({H2O, CH4}), TemperatureFunctionsAt(621.78999));
  EXPECT_NEAR(justBelow, 0.93339483956728164, 1e-3) << "both forms meet near the split";
}

// Every quintuple of H2O, CO2 and NaCl that holds CO2 and something else takes
// k5_CO2 (likewise CH4), water with one salt takes tau or tau_KCl, the rest 1.
TEST(PerturbationFactors, EveryQuintupleFollowsItsFamily) {
  const double k5CO2 = 0.92104609504000001, k5CH4 = 0.88661760929999978;
  const double tau = 2.4120594410827767, tauKCl = 1.6313269723437567;  // all at 800 K
  const TemperatureFunctions tf = TemperatureFunctionsAt(800);
  int rows = 0;
  std::array<int32_t, 5> c{};
  for (c[0] = 0; c[0] < 5; ++c[0])
    for (c[1] = c[0]; c[1] < 5; ++c[1])
      for (c[2] = c[1]; c[2] < 5; ++c[2])
        for (c[3] = c[2]; c[3] < 5; ++c[3])
          for (c[4] = c[3]; c[4] < 5; ++c[4]) {
            std::array<int, 5> n{};
            for (int32_t x : c) ++n[x];
            double expected = 1.0;
            if (n[H2O] && n[NaCl] && n[H2O] + n[NaCl] == 5) expected = tau;
            if (n[H2O] && n[KCl] && n[H2O] + n[KCl] == 5) expected = tauKCl;
            if (n[CO2] && n[CO2] < 5 && n[H2O] + n[CO2] + n[NaCl] == 5) expected = k5CO2;
            if (n[CH4] && n[CH4] < 5 && n[H2O] + n[CH4] + n[NaCl] == 5) expected = k5CH4;
            if (expected != 1.0) ++rows;
            EXPECT_NEAR(RuleFactor(c, tf), expected, 1e-13 * expected)
                << c[0] << c[1] << c[2] << c[3] << c[4];
          }
  EXPECT_EQ(rows, 36);
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
  struct Case { double T, triple, quadruple; };
  for (const Case& k : {Case{573.15, 4.1913400531120057, 3.3548568684520386},
                        Case{800, 2.5093059662782657, 1.9501750952972177}}) {
    const TemperatureFunctions tf = TemperatureFunctionsAt(k.T);
    expectClose(CombiningFactor(keyOf({H2O, NaCl, KCl}), tf), k.triple, "triple");
    for (auto c : {std::vector<int32_t>{H2O, H2O, NaCl, KCl}, {H2O, NaCl, NaCl, KCl},
                   {H2O, NaCl, KCl, KCl}})
      expectClose(CombiningFactor(keyOf(c), tf), k.quadruple, "quadruple");
    // Quintuples and other combinations keep their rule.
    EXPECT_EQ(CombiningFactor(keyOf({H2O, H2O, H2O, NaCl, KCl}), tf), 1.0);
    EXPECT_EQ(CombiningFactor(keyOf({H2O, H2O, NaCl}), tf), RuleFactor(keyOf({H2O, H2O, NaCl}), tf));
  }
}

TEST(PerturbationTerm, SingleComponentFollowsTheSingleFluidForm) {
  struct Case { int32_t component; double T, V; };
  for (const Case& k : {Case{H2O, 700, 40}, Case{H2O, 1100, 25}, Case{CH4, 400, 60},
                        Case{NaCl, 900, 30}, Case{KCl, 1200, 45}}) {
    SCOPED_TRACE(testing::Message() << k.component << " at " << k.T << " K, " << k.V);
    Composition x{};
    x[k.component] = 1;
    const ComponentParameters p = ComponentParametersAt(k.component, k.T);
    ASSERT_GT(p.a, 0);
    const double y = p.b / (4 * k.V), aV = p.a / k.V;
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

// A fraction that is not positive counts as absent. The derivatives of absent
// components are written on every call (0 with nothing present), so they do
// not depend on earlier calls.
TEST(PerturbationTerm, AbsentComponents) {
  struct Case { Composition x, clean; };
  const Composition salty = {0, 0.3, 0, 0.7, 0};
  for (const Case& k : {Case{salty, salty}, Case{{0, 0.3, -0.2, 0.7, 0}, salty}, Case{{nan, 0.3, 0, 0.7, -1}, salty},
                        Case{{-0.5, 0, -1, 0, 0}, {}}, Case{{nan, nan, nan, nan, nan}, {}}}) {
    for (int32_t mode : {0, 1})
      EXPECT_EQ(Globals::Perturbation(mode, k.x, 650, 33), Globals::Perturbation(mode, k.clean, 650, 33));
    Globals::dGper.fill(-101);
    Globals::Perturbation(2, k.clean, 650, 33);
    const Composition expected = Globals::dGper;
    for (double dG : expected) EXPECT_NE(dG, -101) << "every derivative is written";
    Globals::Perturbation(2, allFive, 900, 25);
    Globals::Perturbation(2, k.x, 650, 33);
    EXPECT_EQ(Globals::dGper, expected);
  }
  EXPECT_EQ(Globals::dGper, Composition{}) << "nothing present";
  EXPECT_EQ(Globals::Perturbation(0, Composition{}, 650, 33), 0.0);
}

TEST(PerturbationTerm, NoNumberIsLostToNegativeProducts) {
  // a(CO2) < 0 at 150 K makes the H2O–CO2 pair product negative; above about
  // 1450 K tau < 0 turns the mean of the water–salt quadruples negative.
  EXPECT_LT(TemperatureFunctionsAt(1500).tau, 0);
  struct Case { Composition x; double T; };
  for (const Case& k : {Case{{0.5, 0.5, 0, 0, 0}, 150}, Case{{0.8, 0, 0.2, 0, 0}, 80},
                        Case{{0.85, 0, 0, 0.1, 0.05}, 1500}, Case{allFive, 150}}) {
    for (int32_t mode : {0, 1, 2})
      EXPECT_TRUE(std::isfinite(Globals::Perturbation(mode, k.x, k.T, 50))) << k.T << " " << mode;
    for (double dG : Globals::dGper) EXPECT_TRUE(std::isfinite(dG)) << k.T;
  }
}

}  // namespace
