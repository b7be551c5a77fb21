// Component parameters and the H2O–salt temperature functions of the
// perturbation term. Reference values were computed independently from the
// published correlations (in another language, so within a relative 1e-13).
#include <gtest/gtest.h>

#include <cmath>

#include "fluid/perturbation_internal.h"

namespace {

using namespace Globals::perturbation;

void expectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-13 * std::abs(expected)) << what;
}

TEST(PerturbationParameters, MatchIndependentlyComputedValues) {
  struct Case {
    int32_t component;
    double T, a, c, d, e;
  };
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
}

TEST(PerturbationParameters, WaterAtItsReferenceTemperatureIsTheSumOfItsCoefficients) {
  // T* = 647.067 K (not the critical 647.096 K): Tr = 1 exactly.
  const ComponentParameters p = ComponentParametersAt(H2O, 647.067);
  EXPECT_EQ(p.a, 1000000.0 * (1.718248 + 1.828379 + 1.546648 + 0.107189));
  EXPECT_EQ(p.c, 2.953548 + -8.874823 + 3.179334 + -0.168698);
  EXPECT_EQ(p.d, 2.139339 + 9.442203 + -3.144017 + 0.149539);
  EXPECT_EQ(p.e, -9.0);
  EXPECT_EQ(p.b, 28.4959);
}

TEST(PerturbationParameters, SaltAttractionsAreConstantUpToTheirSwitchPointsIncluded) {
  // 540.3/100 and 508.95295/100 are exactly the switch values of t.
  EXPECT_EQ(ComponentParametersAt(NaCl, 540.3).a, 4424790.0);
  EXPECT_EQ(ComponentParametersAt(KCl, 508.95295).a, 13005000.0);
  // Just above, the formulas start slightly lower: a small step that stays.
  const double naclAbove = ComponentParametersAt(NaCl, 540.3001).a;
  EXPECT_LT(naclAbove, 4424790.0);
  EXPECT_GT(naclAbove, 0.9999 * 4424790.0);
  const double kclAbove = ComponentParametersAt(KCl, 508.9530).a;
  EXPECT_LT(kclAbove, 13005000.0);
  EXPECT_GT(kclAbove, 0.999 * 13005000.0);
}

TEST(PerturbationParameters, GasAttractionTurnsNegativeAtLowTemperatureButItsProductsStand) {
  for (double T : {120.0, 150.0}) {
    const ComponentParameters co2 = ComponentParametersAt(CO2, T);
    EXPECT_LT(co2.a, 0) << T;
    // c, d, e were divided by a; multiplied back they give the correlated products.
    const double Tr = T / 304.2;
    EXPECT_NEAR(co2.a * co2.c, -4185084.6 + 518786.559 / Tr, 1e-9 * 4185084.6);
    EXPECT_NEAR(co2.a * co2.e, -30473228.4, 1e-9 * 30473228.4);
  }
  EXPECT_GT(ComponentParametersAt(CO2, 170).a, 0);
  EXPECT_LT(ComponentParametersAt(CH4, 90).a, 0);
}

TEST(PerturbationParameters, TemperatureFunctionsOfWaterAndSalts) {
  // At 573.15 K tau still follows the straight line and theta is exactly 0.
  const TemperatureFunctions at573_15 = TemperatureFunctionsAt(573.15);
  EXPECT_EQ(at573_15.tau, (-0.2094 * 573.15) + 126.5468);
  EXPECT_EQ(at573_15.tauKCl, 3.0);
  EXPECT_EQ(at573_15.t, 5.7315);

  // The formula takes over at 573.2 K and meets the line within about 0.01.
  const double line = (-0.2094 * 573.2) + 126.5468;
  EXPECT_NEAR(TemperatureFunctionsAt(573.2).tau, line, 0.01);
  EXPECT_NE(TemperatureFunctionsAt(573.2).tau, line);
  EXPECT_EQ(TemperatureFunctionsAt(573.19).tau, (-0.2094 * 573.19) + 126.5468);

  // tau_KCl has one form at every temperature, above 3 below 573.15 K.
  EXPECT_GT(TemperatureFunctionsAt(400).tauKCl, 3.0);
  expectClose(TemperatureFunctionsAt(800).tau, 2.4120594410827767, "tau at 800 K");
  expectClose(TemperatureFunctionsAt(800).tauKCl, 1.6313269723437567, "tau_KCl at 800 K");
}

}  // namespace
