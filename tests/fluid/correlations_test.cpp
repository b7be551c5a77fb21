// The auxiliary correlations: cubic roots, the modified Redlich–Kwong volume,
// vapour pressures with Raoult and Wilson, and the quartz solubility.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "fluid/Globals.h"

namespace {

using Globals::Composition;
using Complex = std::complex<double>;

// The callers pick roots by column: (real part, imaginary part) per column.
TEST(CubicEquation, WorkedCubicsKeepTheirColumnOrder) {
  struct Case { const char* cubic; double a, b, c, re[3], im[3]; };
  const double pairRe = 0.34116390191400965, pairIm = 1.1615413999972519;
  const Case cases[] = {
      {"z^3-6z^2+11z-6 (q = 0)", -6, 11, -6, {0, 0, 0}, {0, 0, 0}},
      {"z^3-7z+6", 0, -7, 6, {1, -3, 2}, {0, 0, 0}},
      {"z^3+z+1", 0, 1, 1, {-0.6823278038280193, pairRe, pairRe}, {0, -pairIm, pairIm}},
      {"z^3-3z+2 (r = -1)", 0, -3, 2, {1, -2, 1}, {0, 0, 0}},
      {"z^3-3z-2 (r = 1)", 0, -3, -2, {-1, -1, 2}, {0, 0, 0}},
      {"z^3+1 (p = 0)", 0, 0, 1, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Globals::CubicRoots z = Globals::CubicEquation(c.a, c.b, c.c);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(z[0][k], c.re[k], 1e-12) << c.cubic << ", column " << k;
      EXPECT_NEAR(z[1][k], c.im[k], 1e-12) << c.cubic << ", column " << k;
    }
  }
}

// Every root solves its cubic and Vieta's identities hold; three real roots
// stand as middle, smallest, largest, a complex pair in columns 1 and 2.
TEST(CubicEquation, RandomCubicsRootsSolveTheCubicAndVietaHolds) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> coefficient(-50, 50);
  int threeReal = 0, oneReal = 0;
  for (int n = 0; n < 4000; ++n) {
    const double a = coefficient(rng), b = coefficient(rng), c = coefficient(rng);
    SCOPED_TRACE(testing::Message() << a << " " << b << " " << c);
    const Globals::CubicRoots z = Globals::CubicEquation(a, b, c);
    const Complex r0{z[0][0], z[1][0]}, r1{z[0][1], z[1][1]}, r2{z[0][2], z[1][2]};
    const double s = 1 + std::max({std::abs(r0), std::abs(r1), std::abs(r2)});
    for (const Complex& r : {r0, r1, r2}) EXPECT_LT(std::abs(((r + a) * r + b) * r + c), 1e-9 * s * s * s);
    EXPECT_LT(std::abs(r0 + r1 + r2 + a), 1e-9 * s);
    EXPECT_LT(std::abs(r0 * r1 + r0 * r2 + r1 * r2 - b), 1e-9 * s * s);
    EXPECT_LT(std::abs(r0 * r1 * r2 + c), 1e-9 * s * s * s);
    EXPECT_EQ(z[1][0], 0.0);
    if (z[1][1] == 0 && z[1][2] == 0) {
      ++threeReal;
      EXPECT_LE(z[0][1], z[0][0]);
      EXPECT_LE(z[0][0], z[0][2]);
    } else {
      ++oneReal;
      EXPECT_EQ(z[1][1], -z[1][2]);
      EXPECT_EQ(z[0][1], z[0][2]);
    }
  }
  EXPECT_GT(threeReal, 100) << "the trigonometric form was exercised";
  EXPECT_GT(oneReal, 100) << "the hyperbolic form was exercised";
}

// Redlich–Kwong a of H2O and CO2 as published, atm·cm6·K^0.5/mol^2, and b of CO2.
double aH2O(double T) {
  const double t = T - 273.15;
  return 166800000.0 - 193080.0 * t + 186.4 * t * t - 0.071288 * t * t * t;
}
double aCO2(double T) {
  const double t = T - 273.15;
  return 73030000.0 - 71400.0 * t + 21.57 * t * t;
}
const double bCO2 = (std::pow(2.0, 1.0 / 3) - 1) * Globals::R * 304.128 / (3 * 7.3773);

// Every root the modes pick satisfies the equation it came from, in MPa.
TEST(VolumeHolloway, RootsSolveTheirEquation) {
  const double f = 1.01325 / 10;
  struct Case { const char* what; Composition x; double T, P, a, b, tolerance = 1e-6; };
  std::vector<Case> cases = {{"water, three roots", {1, 0, 0, 0, 0}, 573.15, 5, aH2O(573.15), 14.6},
                             {"supercritical water", {1, 0, 0, 0, 0}, 1000, 100, aH2O(1000), 14.6, 1e-7},
                             {"CO2", {0, 1, 0, 0, 0}, 290, 5, aCO2(290), bCO2}};
  // The H2O–CO2 cross term carries the complex-formation constant.
  for (double T : {500.0, 700.0, 900.0}) {
    const double K = std::exp(-11.071 + 5953.0 / T - 2746000.0 / (T * T) + 464600000.0 / (T * T * T));
    const double cross = std::sqrt(35000000.0 * 46000000.0) + 6733.426523378758 * T * T * std::sqrt(T) * K / 2;
    cases.push_back({"H2O-CO2", {0.5, 0.5, 0, 0, 0}, T, 50,
                     0.25 * aH2O(T) + 0.5 * cross + 0.25 * aCO2(T), 0.5 * 14.6 + 0.5 * bCO2});
  }
  for (const Case& c : cases)
    for (int mode : {0, 1, 2}) {
      const double V = Globals::Volume_Holloway(mode, c.x, c.T, c.P);
      const double P = Globals::R * c.T / (V - c.b) - c.a * f / (std::sqrt(c.T) * V * (V + c.b));
      EXPECT_NEAR(P, c.P, c.tolerance * c.P) << c.what << " at " << c.T << " K, mode " << mode;
    }
}

TEST(VolumeHolloway, ModesPickTheRoots) {
  const Composition water = {1, 0, 0, 0, 0};
  const double vapour = Globals::Volume_Holloway(0, water, 573.15, 5);
  const double middle = Globals::Volume_Holloway(1, water, 573.15, 5);
  const double liquid = Globals::Volume_Holloway(2, water, 573.15, 5);
  // Liquid water at 300 ˚C is about 25 cm3/mol; the vapour is not far from the ideal gas.
  EXPECT_GT(liquid, 14.6);
  EXPECT_LT(liquid, 30);
  EXPECT_LT(liquid, middle);
  EXPECT_LT(middle, vapour);
  EXPECT_GT(vapour, 700);
  EXPECT_LT(vapour, Globals::R * 573.15 / 5);
  for (int mode : {3, -1}) EXPECT_EQ(Globals::Volume_Holloway(mode, water, 573.15, 5), vapour);
  const double single = Globals::Volume_Holloway(0, water, 1000, 100);
  for (int mode : {1, 2}) EXPECT_EQ(Globals::Volume_Holloway(mode, water, 1000, 100), single);
  // Salts are left out and the rest renormalised; a salt-only fluid has no volume.
  for (int mode : {0, 1, 2}) {
    EXPECT_EQ(Globals::Volume_Holloway(mode, {0.45, 0, 0, 0.55, 0}, 573.15, 5),
              Globals::Volume_Holloway(mode, water, 573.15, 5));
    EXPECT_NEAR(Globals::Volume_Holloway(mode, {0.25, 0.15, 0.1, 0, 0}, 600, 50),
                Globals::Volume_Holloway(mode, {0.5, 0.3, 0.2, 0, 0}, 600, 50), 1e-12);
    EXPECT_EQ(Globals::Volume_Holloway(mode, {0, 0, 0, 0.5, 0.5}, 573.15, 5), 0.0);
    EXPECT_EQ(Globals::Volume_Holloway(mode, {0, 0, 0, 0, 0}, 573.15, 5), 0.0);
  }
  // From the critical constants, pure CH4 has its triple root R·Tc/(3·Pc) at
  // the critical point (sensitive to rounding; a wrong unit misses by far more).
  const double Tc = 190.564, Pc = 4.5922, Vc = Globals::R * Tc / (3 * Pc);
  for (int mode : {0, 1, 2})
    EXPECT_NEAR(Globals::Volume_Holloway(mode, {0, 0, 1, 0, 0}, Tc, Pc), Vc, 1e-3 * Vc);
}

// Published vapour pressures: IAPWS for H2O (whose equation this is, hence
// 0.1 %), the reference equations for CO2 and CH4 (coarser four-term sets).
TEST(SaturationPressure, MatchesPublishedVapourPressures) {
  EXPECT_EQ(Globals::SaturationPressure(0, 647.096), 22.064);
  struct Case { int i; double T, P, relative; };
  const Case cases[] = {
      {0, 373.124, 0.101325, 1e-3}, {0, 600, 12.3443, 1e-3},   {0, 300, 0.00353659, 1e-3},
      {0, 500, 2.63890, 1e-3},      {0, 273.16, 0.000611657, 1e-3},  // triple point included
      {1, 273.15, 3.4851, 5e-3},    {1, 250, 1.7851, 5e-3},    {1, 216.592, 0.51795, 5e-3},
      {2, 111.667, 0.101325, 5e-3}, {2, 90.6941, 0.011696, 5e-3},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(Globals::SaturationPressure(c.i, c.T), c.P, c.relative * c.P) << c.i << " at " << c.T;
  // The critical temperature still belongs to the curve; above it the
  // log-linear form takes over: a jump for water, nearly none for CO2 and CH4.
  EXPECT_GT(Globals::SaturationPressure(0, std::nextafter(647.096, 1000)), 22.064 + 1);
  EXPECT_EQ(Globals::SaturationPressure(1, 304.128), 7.3773);
  EXPECT_NEAR(Globals::SaturationPressure(1, std::nextafter(304.128, 1000)), 7.3773, 5e-3);
  EXPECT_NEAR(Globals::SaturationPressure(2, 190.564), 4.5922, 1e-15);
  EXPECT_NEAR(Globals::SaturationPressure(2, std::nextafter(190.564, 1000)), 4.5922, 5e-3);
}

TEST(SaturationPressure, LogLinearOutsideTheCurveSaltsConstantAndNoComponentZero) {
  struct Case { int i; double T, A, B; };
  for (const Case& c : {Case{0, 700, -2125.7, 4.6637}, Case{0, 250, -2125.7, 4.6637},
                        Case{0, 647.1, -2125.7, 4.6637}, Case{1, 350, -918.2444, 3.8871},
                        Case{1, 200, -918.2444, 3.8871}, Case{2, 250, -492.3749, 3.2462},
                        Case{2, 80, -492.3749, 3.2462}})
    EXPECT_EQ(Globals::SaturationPressure(c.i, c.T), std::pow(10.0, c.A / c.T + c.B)) << c.i << " " << c.T;
  for (int i : {3, 4})
    for (double T : {1000.0, 300.0, 0.0, -5.0, std::nan("")}) EXPECT_EQ(Globals::SaturationPressure(i, T), 0.1);
  for (int32_t i : {-1, 5, 6, 1000, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
    EXPECT_EQ(Globals::SaturationPressure(i, 400), 0.0) << "index " << i;
}

TEST(RaoultAndWilson, SumsLimitsAndDegenerateCases) {
  const Composition x = {0.6, 0.3, 0.1, 0, 0};
  double bubble = 0, inverse = 0;
  for (int i = 0; i < 5; ++i) {
    bubble += x[i] * Globals::SaturationPressure(i, 280);
    inverse += x[i] / Globals::SaturationPressure(i, 280);
  }
  EXPECT_EQ(Globals::RaoultPressure(x, 280, 0), bubble);
  EXPECT_EQ(Globals::RaoultPressure(x, 280, 1), 1 / inverse);
  EXPECT_EQ(Globals::RaoultPressure(x, 280, 7), inverse) << "another mode gives the raw sum";
  EXPECT_NEAR(Globals::RaoultPressure({0, 0, 0, 1, 0}, 500, 0), 0.1, 1e-15);
  EXPECT_NEAR(Globals::RaoultPressure({0, 0, 0, 1, 0}, 500, 1), 0.1, 1e-15);
  EXPECT_EQ(Globals::RaoultPressure({0, 0, 0, 0, 0}, 500, 1), 0.1);
  EXPECT_EQ(Globals::RaoultPressure({0, 0, 0, 0, 0}, 500, 0), 0.0);

  // At the critical temperature K is the critical pressure ratio; ln K grows
  // with 5.373·(1 + ω)·(1 − Tc/T), ω(H2O) = 0.344; the salts stay in the liquid.
  const double Tc[3] = {647.096, 304.128, 190.564}, Pc[3] = {22.064, 7.3773, 4.5922};
  for (int i = 0; i < 3; ++i) {
    const Composition K = Globals::WilsonDistribution(Tc[i], 3);
    EXPECT_DOUBLE_EQ(K[i], Pc[i] / 3) << i;
    EXPECT_EQ(K[3], 0.001);
    EXPECT_EQ(K[4], 0.001);
  }
  const Composition K = Globals::WilsonDistribution(500, 2);
  EXPECT_NEAR(std::log(K[0]), std::log(22.064 / 2) + 5.373 * 1.344 * (1 - 647.096 / 500), 1e-12);
  EXPECT_LT(K[0], K[1]);
  EXPECT_LT(K[1], K[2]);
  EXPECT_EQ(Globals::WilsonDistribution(500, 0), (Composition{1, 1, 1, 0.001, 0.001}));
  EXPECT_EQ(Globals::WilsonDistribution(0, 5), (Composition{1, 1, 1, 0.001, 0.001}));
}

TEST(QuartzSolubility, WaterVolumesOfTheThreeVariants) {
  using Globals::VH2O_Akinfiev;
  const Composition gas = {0.9, 0.1, 0, 0, 0}, brine = {0.8, 0, 0, 0.15, 0.05};
  const double co2[3] = {29.9, 33.3, 26.5}, nacl[3] = {30.8, 32.1, 29.5};
  for (int v : {0, 1, 2}) {
    EXPECT_EQ(VH2O_Akinfiev(v, gas, 20), (20 - 0.1 * co2[v]) / 0.9) << v;
    EXPECT_EQ(VH2O_Akinfiev(v, brine, 20), (20 - 0.15 * nacl[v] - 0.05 * 45.5) / 0.8) << v;
    EXPECT_EQ(VH2O_Akinfiev(v, {1, 0, 0, 0, 0}, 18.5), 18.5);
    EXPECT_EQ(VH2O_Akinfiev(v, {0.5, 0, 0.5, 0, 0}, 40), 80.0) << "CH4 stays with the water";
    EXPECT_EQ(VH2O_Akinfiev(v, {0, 1, 0, 0, 0}, 30), 0.0) << "no water";
  }
  for (int v : {3, -1}) EXPECT_EQ(VH2O_Akinfiev(v, {0.5, 0.3, 0, 0.2, 0}, 30), 60.0);
  // A salt-rich fluid leaves the water a negative volume: no silica.
  const double V = VH2O_Akinfiev(0, {0.2, 0, 0, 0.8, 0}, 20);
  EXPECT_LT(V, 0);
  EXPECT_EQ(Globals::mSiO2_Akinfiev(0.2, 773.15, V), 0.0);
}

TEST(QuartzSolubility, Molality) {
  using Globals::mSiO2_Akinfiev;
  // Quartz dissolves to about 1e-4 mol/kg in water at 25 ˚C.
  EXPECT_NEAR(mSiO2_Akinfiev(1, 298.15, 18.01528), 1e-4, 0.05e-4);
  // Denser water dissolves more; dilution enters squared.
  EXPECT_GT(mSiO2_Akinfiev(0.9, 773.15, 25), mSiO2_Akinfiev(0.9, 773.15, 30));
  EXPECT_NEAR(std::log10(mSiO2_Akinfiev(0.5, 773.15, 25) / mSiO2_Akinfiev(1, 773.15, 25)),
              2 * std::log10(0.5), 1e-12);
  EXPECT_EQ(mSiO2_Akinfiev(0, 500, 18), 0.0);
  EXPECT_EQ(mSiO2_Akinfiev(-0.5, 500, 18), 0.0);
}

}  // namespace
