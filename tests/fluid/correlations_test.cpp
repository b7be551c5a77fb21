// The auxiliary correlations: cubic roots, the modified Redlich–Kwong volume,
// vapour pressures with Raoult and Wilson, and the quartz solubility.
// Values with 17 digits were evaluated independently from the published
// formulas, operation for operation (so they agree to the last bit or two).
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

// The callers pick roots by column: (real part, imaginary part) per column,
// each within a few rounding errors of the true root.
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
      EXPECT_NEAR(z[0][k], c.re[k], 1e-15) << c.cubic << ", column " << k;
      EXPECT_NEAR(z[1][k], c.im[k], 1e-15) << c.cubic << ", column " << k;
    }
  }
}

// Every root solves its cubic and the roots sum to −a; three real roots stand
// as middle, smallest, largest, a complex pair in columns 1 and 2 (this seed
// gives hundreds of each kind).
TEST(CubicEquation, RandomCubicsRootsSolveTheCubicAndVietaHolds) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> coefficient(-50, 50);
  for (int n = 0; n < 4000; ++n) {
    const double a = coefficient(rng), b = coefficient(rng), c = coefficient(rng);
    SCOPED_TRACE(testing::Message() << a << " " << b << " " << c);
    const Globals::CubicRoots z = Globals::CubicEquation(a, b, c);
    const std::complex<double> r0{z[0][0], z[1][0]}, r1{z[0][1], z[1][1]}, r2{z[0][2], z[1][2]};
    const double s = 1 + std::max({std::abs(r0), std::abs(r1), std::abs(r2)});
    for (const auto& r : {r0, r1, r2}) EXPECT_LT(std::abs(((r + a) * r + b) * r + c), 1e-9 * s * s * s);
    EXPECT_LT(std::abs(r0 + r1 + r2 + a), 1e-9 * s);
    EXPECT_EQ(z[1][0], 0.0);
    if (z[1][1] == 0 && z[1][2] == 0) {
      EXPECT_LE(z[0][1], z[0][0]);
      EXPECT_LE(z[0][0], z[0][2]);
    } else {
      EXPECT_EQ(z[1][1], -z[1][2]);
      EXPECT_EQ(z[0][1], z[0][2]);
    }
  }
}

// The modified Redlich–Kwong a_mix (atm·cm6·K^0.5/mol^2) and b_mix (cm3/mol)
// of an H2O–CO2–CH4 mixture y as published: H2O and CO2 enter the cross terms
// with CH4 by their a0, and the H2O–CO2 term by a0 and the complex formation.
std::pair<double, double> PublishedMixture(const std::array<double, 3>& y, double T) {
  const double t = T - 273.15, k = std::pow(2.0, 1.0 / 3) - 1;
  const double aCH4 = 6733.426523378758 * 190.564 * 190.564 * std::sqrt(190.564) / (4.5922 * 10 / 1.01325 * 9 * k);
  const double a[3] = {166800000.0 - 193080.0 * t + 186.4 * t * t - 0.071288 * t * t * t,
                       73030000.0 - 71400.0 * t + 21.57 * t * t, aCH4};
  const double a0[3] = {35000000.0, 46000000.0, aCH4};
  const double b[3] = {14.6, k * Globals::R * 304.128 / (3 * 7.3773), k * Globals::R * 190.564 / (3 * 4.5922)};
  const double K = std::exp(-11.071 + 5953.0 / T - 2746000.0 / (T * T) + 464600000.0 / (T * T * T));
  double aMix = 0, bMix = 0;
  for (int i = 0; i < 3; ++i) {
    bMix += y[i] * b[i];
    for (int j = 0; j < 3; ++j) {
      double aij = i == j ? a[i] : std::sqrt(a0[i] * a0[j]);
      if (i + j == 1) aij += 6733.426523378758 * T * T * std::sqrt(T) * K / 2;
      aMix += y[i] * y[j] * aij;
    }
  }
  return {aMix, bMix};
}

// Every root the modes pick satisfies the published equation, in MPa.
TEST(VolumeHolloway, RootsSolveThePublishedEquation) {
  struct Case { std::array<double, 3> y; double T, P; };  // H2O, CO2, CH4
  for (const Case& c : {Case{{1, 0, 0}, 573.15, 5}, Case{{1, 0, 0}, 1000, 100}, Case{{0, 1, 0}, 290, 5},
                        Case{{0, 0, 1}, 300, 20}, Case{{0.5, 0.5, 0}, 500, 50}, Case{{0.5, 0.5, 0}, 900, 50},
                        Case{{0.5, 0.3, 0.2}, 700, 50}, Case{{0.7, 0, 0.3}, 600, 30}, Case{{0, 0.6, 0.4}, 400, 20}})
    for (int mode : {0, 1, 2}) {
      const double V = Globals::Volume_Holloway(mode, {c.y[0], c.y[1], c.y[2], 0, 0}, c.T, c.P);
      const auto [a, b] = PublishedMixture(c.y, c.T);
      const double P = Globals::R * c.T / (V - b) - a * 1.01325 / 10 / (std::sqrt(c.T) * V * (V + b));
      EXPECT_NEAR(P, c.P, 1e-6 * c.P) << c.y[0] << " " << c.y[1] << " " << c.y[2] << " at " << c.T << " K, mode "
                                      << mode;
    }
}

// Water at 300 ˚C and 5 MPa has three roots: liquid near 25 cm3/mol, vapour
// short of the ideal gas's 953; above the critical point only one.
TEST(VolumeHolloway, ModesPickTheRoots) {
  const Composition water = {1, 0, 0, 0, 0};
  const double liquid = Globals::Volume_Holloway(2, water, 573.15, 5);
  const double middle = Globals::Volume_Holloway(1, water, 573.15, 5);
  const double vapour = Globals::Volume_Holloway(0, water, 573.15, 5);
  EXPECT_TRUE(20 < liquid && liquid < middle && middle < vapour && 700 < vapour && vapour < 953) << middle;
  for (int mode : {3, -1}) EXPECT_EQ(Globals::Volume_Holloway(mode, water, 573.15, 5), vapour);
  for (int mode : {1, 2})
    EXPECT_EQ(Globals::Volume_Holloway(mode, water, 1000, 100), Globals::Volume_Holloway(0, water, 1000, 100));
  // Salts are left out and the rest renormalised; a salt-only fluid has no volume.
  EXPECT_EQ(Globals::Volume_Holloway(2, {0.45, 0, 0, 0.55, 0}, 573.15, 5), liquid);
  EXPECT_EQ(Globals::Volume_Holloway(2, {0, 0, 0, 0.5, 0.5}, 573.15, 5), 0.0);
}

// Published vapour pressures: IAPWS for H2O (whose equation this is, hence
// 0.1 %), the reference equations for CO2 and CH4 (coarser four-term sets),
// and independently evaluated values of the equations themselves.
TEST(SaturationPressure, MatchesPublishedAndEvaluatedValues) {
  struct Case { int i; double T, P, relative; };
  const Case cases[] = {
      {0, 373.124, 0.101325, 1e-3},        {0, 273.16, 0.000611657, 1e-3},        {1, 273.15, 3.4851, 5e-3},
      {1, 216.592, 0.51795, 5e-3},         {2, 111.667, 0.101325, 5e-3},          {0, 500, 2.6392226747183662, 1e-14},
      {1, 250, 1.785677328377158, 1e-14},  {2, 150, 1.0383597504920175, 1e-14},   {0, 647.096, 22.064, 0},
      {1, 304.128, 7.3773, 0},             {2, 190.564, 4.5922, 1e-15},
      // At the triple point of CH4, and just outside each range.
      {2, 90.6941, 0.011678175316528828, 1e-14},  {0, 273.155, 0.0007615027593970968, 1e-14},
      {0, 647.101, 23.918910419205304, 1e-14},    {1, 216.587, 0.44410948751640766, 1e-14},
      {1, 304.133, 7.377005703376823, 1e-14},     {2, 90.6891, 0.0065605134239572144, 1e-14},
      {2, 190.569, 4.5971713064634443, 1e-14},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(Globals::SaturationPressure(c.i, c.T), c.P, c.relative * c.P) << c.i << " at " << c.T;
  // Below the triple point and above the critical point log10 P = A/T + B.
  struct Outside { int i; double T, A, B; };
  for (const Outside& c : {Outside{0, 250, -2125.7, 4.6637}, Outside{1, 350, -918.2444, 3.8871},
                           Outside{2, 80, -492.3749, 3.2462}})
    EXPECT_EQ(Globals::SaturationPressure(c.i, c.T), std::pow(10.0, c.A / c.T + c.B)) << c.i << " " << c.T;
  for (int i : {3, 4}) EXPECT_EQ(Globals::SaturationPressure(i, 1000), 0.1);
  for (int32_t i : {-1, 5, std::numeric_limits<int32_t>::min()}) EXPECT_EQ(Globals::SaturationPressure(i, 400), 0.0);
}

TEST(RaoultAndWilson, SumsAndDistributionCoefficients) {
  const Composition x = {0.6, 0.3, 0.1, 0, 0};
  double bubble = 0, inverse = 0;
  for (int i = 0; i < 5; ++i) {
    bubble += x[i] * Globals::SaturationPressure(i, 280);
    inverse += x[i] / Globals::SaturationPressure(i, 280);
  }
  EXPECT_EQ(Globals::RaoultPressure(x, 280, 0), bubble);
  EXPECT_EQ(Globals::RaoultPressure(x, 280, 1), 1 / inverse);
  EXPECT_NEAR(Globals::RaoultPressure({0, 0, 0, 1, 0}, 500, 1), 0.1, 1e-15);
  EXPECT_EQ(Globals::RaoultPressure({0, 0, 0, 0, 0}, 500, 1), 0.1);
  EXPECT_EQ(Globals::RaoultPressure({0, 0, 0, 0, 0}, 500, 0), 0.0);

  // ln K = ln(Pc/P) + 5.373·(1 + ω)·(1 − Tc/T) with the constants of every
  // call, even right after start-up; the salts stay in the liquid.
  Globals::InitializeSharedArrays();
  const Composition K = Globals::WilsonDistribution(500, 2);
  const double expected[5] = {1.3183064502008934, 48.60323850798411, 65.56308976404529, 0.001, 0.001};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(K[i], expected[i], 1e-14 * expected[i]) << i;
  EXPECT_EQ(Globals::WilsonDistribution(500, 0), (Composition{1, 1, 1, 0.001, 0.001}));
  EXPECT_EQ(Globals::WilsonDistribution(0, 5), (Composition{1, 1, 1, 0.001, 0.001}));
}

// Each variant subtracts its partial molar volumes of CO2, NaCl and KCl (not
// of CH4); another variant subtracts none.
TEST(QuartzSolubility, WaterVolumesAndMolality) {
  using Globals::VH2O_Akinfiev;
  const double co2[4] = {29.9, 33.3, 26.5, 0}, nacl[4] = {30.8, 32.1, 29.5, 0}, kcl[4] = {45.5, 45.5, 45.5, 0};
  for (int v : {0, 1, 2, 3}) {
    EXPECT_EQ(VH2O_Akinfiev(v, {0.6, 0.1, 0.1, 0.15, 0.05}, 20),
              (20 - 0.1 * co2[v] - 0.15 * nacl[v] - 0.05 * kcl[v]) / 0.6) << v;
    EXPECT_EQ(VH2O_Akinfiev(v, {0, 1, 0, 0, 0}, 30), 0.0) << "no water";
  }
  // Quartz dissolves to about 1e-4 mol/kg in water at 25 ˚C.
  EXPECT_NEAR(Globals::mSiO2_Akinfiev(1, 298.15, 18.01528), 1e-4, 0.05e-4);
  EXPECT_NEAR(Globals::mSiO2_Akinfiev(0.9, 773.15, 30), 0.0474193212709342, 1e-15);
  // A salt-rich fluid leaves the water a negative volume: no silica.
  EXPECT_EQ(Globals::mSiO2_Akinfiev(0.2, 773.15, VH2O_Akinfiev(0, {0.2, 0, 0, 0.8, 0}, 20)), 0.0);
  EXPECT_EQ(Globals::mSiO2_Akinfiev(0, 500, 18), 0.0);
}

}  // namespace
