// Whole runs of the bubble and dew point and the liquid-vapour split
// calculations on the equation of state: the first pass, the runs refused
// before it and a run that uses every pass.
#include <gtest/gtest.h>

#include "app/framework/ValStr.h"
#include "calc/equilibria/bubble_dew_point.h"
#include "calc/equilibria/liquid_vapour_first_approach.h"
#include "calc/equilibria/liquid_vapour_split.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibria;
using driving::kWaterCO2;

class EquilibriumRun : public driving::WindowTest {
  equilibrium_driving::PhaseStateKept kept_;
};

// K-values of a first pass at T and P from the start compositions, by the
// same calls as the iteration: liquid-like and vapour-like start volumes.
Composition FirstPassK(const Composition& x, const Composition& y, double T, double P) {
  Globals::Fugacities(x, T, P, Globals::Volume(x, T, P, Globals::Volume_Approach(0, x, T, P)));
  const Composition phiX = Globals::Coefficient;
  Globals::Fugacities(y, T, P, Globals::Volume(y, T, P, Globals::Volume_Approach(1, y, T, P)));
  Composition K;
  for (int i = 0; i < 5; ++i)
    K[i] = Globals::Coefficient[i] > 0 ? phiX[i] / Globals::Coefficient[i] : 1.0;
  return K;
}

// The start compositions are normalised; the first pass steps a quarter of
// the way to 0.9 of the start pressure (over 600 MPa: half the start instead)
// or 2.5 K down, at the window's given temperature or pressure whatever the
// shared scalars hold, and a closed window is given nothing to show. A start
// temperature not above 0 K and a phase summing to 0 (no first approach, or
// its list values deleted) are refused, and the run changes nothing.
TEST_F(EquilibriumRun, TheFirstBubbleDewPassStepsFromTheNormalisedStartOrIsRefused) {
  using enum HomogenizationMode;
  const Composition x = {1.8, 0.2, 0, 0, 0}, y = {0.5, 1.5, 0, 0, 0};
  const QString kNoSolution = "No solution, adjust First Approach and try again";
  const struct {
    HomogenizationMode mode;
    const char* start;
    Composition x, y;
    double T, P;  // of the first pass
    QString refusal;
  } cases[] = {{Temperature, "10", x, y, 573.15, 9.75, ""},
               {Temperature, "1", x, y, 573.15, 0.975, ""},
               {Temperature, "700", x, y, 573.15, 350, ""},
               {Temperature, "615.9", x, y, 573.15, (0.975 * 615.9 + 0.025 * 615.9) / 2, ""},
               {Pressure, "500", x, y, 497.5, 20, ""},
               {Pressure, "-5", x, y, 0, 0, "warning: put a number for temperature"},
               {Pressure, "500", {}, {}, 0, 0, kNoSolution},
               {Pressure, "500", x, {}, 0, 0, kNoSolution}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    Globals::fraction = kWaterCO2;
    std::tie(Globals::TK_global, Globals::PMPa_global) = std::pair(500.0, 7.0);
    const Composition kUntouched = {7, 7, 7, 7, 7};
    std::tie(Globals::xgas, Globals::ygas, Globals::K_liq_vap) = std::tuple(c.x, c.y, kUntouched);
    BubbleDewStart start{573.15, 20.0, c.x, c.y};
    const auto r = CalculateBubbleDewPoint({c.mode, BulkPhase::Liquid, c.start}, start,
                                           [] { return false; });
    EXPECT_EQ(std::pair(r.stopped, r.resultText), std::pair(c.refusal.isEmpty(), c.refusal));
    EXPECT_TRUE(r.answer.isEmpty() && r.phaseX.composition.empty() && r.onlyMessage != r.stopped);
    if (c.refusal.isEmpty())
      EXPECT_EQ(Globals::K_liq_vap, FirstPassK(kWaterCO2, {0.25, 0.75, 0, 0, 0}, c.T, c.P));
    else
      EXPECT_EQ(std::tuple(Globals::xgas, Globals::ygas, Globals::K_liq_vap, start.x, start.y),
                std::tuple(c.x, c.y, kUntouched, c.x, c.y));
  }
}

// Without a first approach K = 0, whatever the shared K-values: x = z/(1 − 0.5)
// sums to 2 and y is empty, so the first pass evaluates P0 − 0.05·P0·2/(2 + 0.01),
// which is stored also when the window closed after it. Without a bulk volume
// every pass splits half and half, and the second run never settles: all 1001
// passes, no solution.
TEST_F(EquilibriumRun, ALiquidVapourRunStoresItsLastPressureAndEndsAfterEveryPass) {
  Globals::fraction = kWaterCO2;
  Globals::K_liq_vap.fill(3);
  Composition K{};
  CalculateLiquidVapourSplit({"100", 473.15, "6", "0.5"}, K, [] { return false; });
  EXPECT_EQ(Globals::PMPa_global, 6 - 0.05 * 6 * 2 / (2 + 0.01));
  EXPECT_EQ(K, Globals::K_liq_vap) << "those of its pass";
  const auto start = LiquidVapourFirstApproach(373.15);
  K = start.K;
  EXPECT_EQ(K, Globals::K_liq_vap);
  int passes = 0;
  const auto r = CalculateLiquidVapourSplit({"0", 373.15, start.startPressure, "0.5"}, K,
                                            [&] { return ++passes, true; });
  EXPECT_EQ(passes, 1001);
  EXPECT_EQ(r.resultText, "No solution, adjust First Approach and try again");
  EXPECT_EQ(r.phaseX.volumeFraction + r.phaseY.volumeFraction, "0.50.5");
}

}  // namespace
