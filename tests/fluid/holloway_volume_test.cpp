#include <gtest/gtest.h>

#include <cmath>

#include "fluid/Globals.h"

namespace {

using Globals::Composition;
using Globals::Volume_Holloway;

constexpr Composition kWater = {1, 0, 0, 0, 0};
constexpr Composition kCO2 = {0, 1, 0, 0, 0};
constexpr Composition kCH4 = {0, 0, 1, 0, 0};

// The modified Redlich–Kwong pressure of a pure component, MPa, with a in
// atm·cm6·K^0.5/mol^2 as published.
double MRKPressure(double aAtm, double b, double T, double V) {
  const double a = aAtm * 1.01325 / 10;
  return Globals::R * T / (V - b) - a / (std::sqrt(T) * V * (V + b));
}

TEST(VolumeHolloway, WaterBelowItsCriticalPointHasThreeRootsChosenByMode) {
  const double T = 573.15, P = 5;
  const double vapour = Volume_Holloway(0, kWater, T, P);
  const double middle = Volume_Holloway(1, kWater, T, P);
  const double liquid = Volume_Holloway(2, kWater, T, P);
  EXPECT_LT(liquid, middle);
  EXPECT_LT(middle, vapour);
  // Liquid water at 300 ˚C is about 25 cm3/mol; the vapour is not far from
  // the ideal gas (953 cm3/mol).
  EXPECT_GT(liquid, 14.6);
  EXPECT_LT(liquid, 30);
  EXPECT_GT(vapour, 700);
  EXPECT_LT(vapour, Globals::R * T / P);
  // Any other mode keeps the root of column 2, the largest.
  EXPECT_EQ(Volume_Holloway(3, kWater, T, P), vapour);
  EXPECT_EQ(Volume_Holloway(-1, kWater, T, P), vapour);

  // Each root satisfies the equation it came from (H2O: b = 14.6 cm3/mol).
  const double t = T - 273.15;
  const double a = 166800000.0 - 193080.0 * t + 186.4 * t * t - 0.071288 * t * t * t;
  for (double V : {vapour, middle, liquid}) EXPECT_NEAR(MRKPressure(a, 14.6, T, V), P, 1e-6 * P);
}

TEST(VolumeHolloway, SupercriticalWaterHasOneRootForEveryMode) {
  const double V = Volume_Holloway(0, kWater, 1000, 100);
  EXPECT_GT(V, 14.6);
  EXPECT_EQ(Volume_Holloway(1, kWater, 1000, 100), V);
  EXPECT_EQ(Volume_Holloway(2, kWater, 1000, 100), V);
  const double t = 1000 - 273.15;
  const double a = 166800000.0 - 193080.0 * t + 186.4 * t * t - 0.071288 * t * t * t;
  EXPECT_NEAR(MRKPressure(a, 14.6, 1000, V), 100, 1e-7 * 100);
}

TEST(VolumeHolloway, CarbonDioxideRootsSolveItsEquation) {
  const double T = 290, P = 5;
  const double t = T - 273.15;
  const double a = 73030000.0 - 71400.0 * t + 21.57 * t * t;
  const double b = (std::pow(2.0, 1.0 / 3) - 1) * Globals::R * 304.128 / (3 * 7.3773);
  for (int mode : {0, 2}) {
    const double V = Volume_Holloway(mode, kCO2, T, P);
    EXPECT_NEAR(MRKPressure(a, b, T, V), P, 1e-6 * P) << "mode " << mode;
  }
}

// With parameters from the critical constants the Redlich–Kwong equation of
// pure CH4 has its triple root at V = R·Tc/(3·Pc) at the critical point. The
// root is sensitive to rounding (cube root of the coefficient errors), hence
// the tolerance; a wrong unit factor misses by far more.
TEST(VolumeHolloway, MethaneMeetsItsCriticalPoint) {
  const double Tc = 190.564, Pc = 4.5922;
  const double Vc = Globals::R * Tc / (3 * Pc);
  for (int mode : {0, 1, 2}) EXPECT_NEAR(Volume_Holloway(mode, kCH4, Tc, Pc), Vc, 1e-3 * Vc);
}

TEST(VolumeHolloway, SaltsAreIgnoredAndASaltOnlyFluidGivesZero) {
  const Composition brine = {0.45, 0, 0, 0.55, 0};
  for (int mode : {0, 1, 2}) {
    EXPECT_EQ(Volume_Holloway(mode, brine, 573.15, 5), Volume_Holloway(mode, kWater, 573.15, 5));
    EXPECT_EQ(Volume_Holloway(mode, {0, 0, 0, 0.5, 0.5}, 573.15, 5), 0.0);
    EXPECT_EQ(Volume_Holloway(mode, {0, 0, 0, 0, 0}, 573.15, 5), 0.0);
  }
}

TEST(VolumeHolloway, MixtureIsRenormalisedOverH2OCO2CH4) {
  const Composition scaled = {0.25, 0.15, 0.1, 0, 0};
  const Composition normal = {0.5, 0.3, 0.2, 0, 0};
  EXPECT_NEAR(Volume_Holloway(2, scaled, 600, 50), Volume_Holloway(2, normal, 600, 50), 1e-12);
}

// The H2O–CO2 cross term carries the complex-formation constant; the root
// of an equimolar mixture solves the equation with that term.
TEST(VolumeHolloway, WaterCarbonDioxideMixtureSolvesItsEquation) {
  for (double T : {500.0, 700.0, 900.0}) {
    const double P = 50;
    const double t = T - 273.15;
    const double f = 1.01325 / 10;
    const double aH2O = (166800000.0 - 193080.0 * t + 186.4 * t * t - 0.071288 * t * t * t) * f;
    const double aCO2 = (73030000.0 - 71400.0 * t + 21.57 * t * t) * f;
    const double K = std::exp(-11.071 + 5953.0 / T - 2746000.0 / (T * T) + 464600000.0 / (T * T * T));
    const double cross = std::sqrt(35000000.0 * 46000000.0) * f + 6733.426523378758 * f * T * T * std::sqrt(T) * K / 2;
    const double a = 0.25 * aH2O + 0.5 * cross + 0.25 * aCO2;
    const double b = 0.5 * 14.6 + 0.5 * (std::pow(2.0, 1.0 / 3) - 1) * Globals::R * 304.128 / (3 * 7.3773);
    const double V = Volume_Holloway(0, {0.5, 0.5, 0, 0, 0}, T, P);
    const double pressure = Globals::R * T / (V - b) - a / (std::sqrt(T) * V * (V + b));
    EXPECT_NEAR(pressure, P, 1e-6 * P) << T << " K";
  }
}

TEST(VolumeHolloway, NoPressureOrTemperatureGivesZero) {
  for (double P : {0.0, -1.0}) EXPECT_EQ(Volume_Holloway(0, kWater, 573.15, P), 0.0);
  for (double T : {0.0, -10.0}) EXPECT_EQ(Volume_Holloway(0, kWater, T, 5), 0.0);
}

}  // namespace
