// The first-approach estimates of both phase-equilibrium windows: the state
// they leave for the calculation and the start values they show.
#include <gtest/gtest.h>

#include "app/framework/ValStr.h"
#include "calc/equilibria/bubble_dew_first_approach.h"
#include "calc/equilibria/liquid_vapour_first_approach.h"
#include "phase_state.h"

namespace {

using equilibria::BulkPhase;
using equilibria::Composition;
using equilibria::HomogenizationMode;
using fw::Str;

double Sum(const Composition& c) { return c[0] + c[1] + c[2] + c[3] + c[4]; }

// The phase that is not the bulk fluid: z(i)·K(i) (or z(i)/K(i)), normalised.
Composition Scaled(const Composition& z, const Composition& K, bool divide) {
  Composition c;
  for (int i = 0; i < 5; ++i) c[i] = divide ? z[i] / K[i] : K[i] * z[i];
  const double S = Sum(c);
  for (double& v : c) v = v / S;
  return c;
}

// (K − 1)·1 + 1 loses the last digits of a K far below 1, hence 1e-12.
void ExpectComposition(const Composition& actual, const Composition& expected) {
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12) << "component " << i;
}

using BubbleDewApproach = PhaseStateTest;

TEST_F(BubbleDewApproach, GivenTemperatureStartsFromHalfTheRaoultPressureOfTheBulkPhase) {
  const struct {
    const char* what;
    BulkPhase bulk;
    double T;
    int raoultMode;
  } cases[] = {
      {"bubble point", BulkPhase::Liquid, 773.15, 0},
      {"no bulk-phase radio counts as Liquid", BulkPhase::None, 600, 0},
      {"dew point", BulkPhase::Vapour, 600, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = kWaterCO2CH4;
    const QString start = equilibria::BubbleDewFirstApproach(
        {HomogenizationMode::Temperature, c.bulk, c.T, "99"}).start;
    EXPECT_EQ(Globals::TK_global, c.T);
    const double P = Globals::RaoultPressure(kWaterCO2CH4, c.T, c.raoultMode);
    EXPECT_EQ(Globals::PMPa_global, P) << "the whole Raoult pressure is kept";
    EXPECT_EQ(start, Str(P / 2.0));
    const Composition K = Globals::WilsonDistribution(c.T, P);
    EXPECT_EQ(Globals::K_liq_vap, K);
    const bool dew = c.bulk == BulkPhase::Vapour;
    ExpectComposition(dew ? Globals::ygas : Globals::xgas, kWaterCO2CH4);
    ExpectComposition(dew ? Globals::xgas : Globals::ygas, Scaled(kWaterCO2CH4, K, dew));
  }
}

TEST_F(BubbleDewApproach, GivenPressureAlwaysStartsAt298Kelvin) {
  Globals::fraction = kBrine;
  const QString start = equilibria::BubbleDewFirstApproach(
      {HomogenizationMode::Pressure, BulkPhase::Vapour, 773.15, "30"}).start;
  EXPECT_EQ(start, "298.15");
  EXPECT_EQ(Globals::TK_global, 298.15);
  EXPECT_EQ(Globals::PMPa_global, 30);
  // A salt (K = 0.001) enters phase X with a thousandfold weight.
  ExpectComposition(Globals::ygas, kBrine);
  ExpectComposition(Globals::xgas, Scaled(kBrine, Globals::WilsonDistribution(298.15, 30), true));
}

using LiquidVapourApproach = PhaseStateTest;

TEST_F(LiquidVapourApproach, StartsFromTheMeanRaoultPressureAndAnEvenSplit) {
  const double T = 600;
  Globals::fraction = kBrine;
  Globals::PMPa_global = 12;
  Globals::Vm_global = 34;
  const auto shown = equilibria::LiquidVapourFirstApproach(T);
  EXPECT_EQ(Globals::TK_global, T);
  EXPECT_EQ(shown.startFraction, "0.5");
  const double P0 = 0.5 * (Globals::RaoultPressure(kBrine, T, 0) +
                           Globals::RaoultPressure(kBrine, T, 1));
  EXPECT_EQ(shown.startPressure, Str(P0));
  const Composition K = Globals::WilsonDistribution(T, P0);
  EXPECT_EQ(Globals::K_liq_vap, K);
  EXPECT_NEAR(Sum(Globals::xgas), 1, 1e-15);
  EXPECT_NEAR(Sum(Globals::ygas), 1, 1e-15);
  // Before normalising, salt over water in phase X is z/0.5005 over z/((K−1)/2 + 1).
  const double dWater = (K[0] - 1) * 0.5 + 1;
  EXPECT_NEAR(Globals::xgas[3] / Globals::xgas[0], (0.06 / 0.5005) / (0.9 / dWater), 1e-12);
  // K = y/x up to the two normalisations, which cancel in a ratio of K's.
  for (int i : {3, 4})
    EXPECT_NEAR((Globals::ygas[i] / Globals::xgas[i]) / (Globals::ygas[0] / Globals::xgas[0]),
                K[i] / K[0], 1e-12);
  EXPECT_EQ(Globals::PMPa_global, 12);
  EXPECT_EQ(Globals::Vm_global, 34);
}

}  // namespace
