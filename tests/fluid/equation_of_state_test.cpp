// The equation of state as a whole: the frame adding the terms, the lowest
// volumes, density, fugacities and its thermodynamic identities, the states
// without a value, and re-entrant calls during yields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/states.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/lowest_volume.h"
#include "yield_counter.h"

namespace {

using Globals::Composition;
using eos::pure;

struct Result {
  Composition coefficient, fugacity;
};

Result fugacities(const Composition& x, double T, double P, double V) {
  Globals::Fugacities(x, T, P, V);
  return {Globals::Coefficient, Globals::Fugacity};
}

TEST(EquationOfState, TermSharesAddInOrderAndGiveThePressureInMegapascal) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double Z = 1 + Globals::Repulsive(0, s.x, s.T, s.V) + Globals::Dipole(0, s.x, s.T, s.V) +
                     Globals::Perturbation(0, s.x, s.T, s.V);
    EXPECT_EQ(Globals::Compressibility(s.x, s.T, s.V), Z);
    EXPECT_EQ(Globals::Pressure(s.x, s.T, s.V), Z * 8.314472 * s.T / s.V);
  }
}

// Z − 1 = −V·∂(A_res/RT)/∂V; ln φ_i = Σ_t dG_t,i − ln Z; f_i = x_i·φ_i·P;
// Σ x_i·ln φ_i = A_res/RT + Z − 1 − ln Z.
TEST(EquationOfState, CompressibilityFugacitiesAndEnergyAgree) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double RT = Globals::R * s.T, h = 1e-5 * s.V;
    const double Z = Globals::Compressibility(s.x, s.T, s.V);
    const double dA = eos::residualHelmholtz(s.x, s.T, s.V + h) - eos::residualHelmholtz(s.x, s.T, s.V - h);
    EXPECT_NEAR(Z, 1 - s.V * dA / (2 * h) / RT, 1e-7 * std::max(1.0, std::abs(Z)));

    const double P = Globals::Pressure(s.x, s.T, s.V);
    const Result r = fugacities(s.x, s.T, P, s.V);
    const Composition rep = Globals::dGrep, dip = Globals::dGdip, per = Globals::dGper;
    double mean = 0;
    for (int i = 0; i < 5; ++i) {
      if (s.x[i] <= 0) continue;  // the perturbation term writes present components only
      EXPECT_NEAR(std::log(r.coefficient[i]), rep[i] + dip[i] + per[i] - std::log(Z), 1e-12) << i;
      EXPECT_DOUBLE_EQ(r.fugacity[i], s.x[i] * r.coefficient[i] * P) << i;
      mean += s.x[i] * std::log(r.coefficient[i]);
    }
    const double gibbs = eos::residualHelmholtz(s.x, s.T, s.V) / RT + Z - 1 - std::log(Z);
    EXPECT_NEAR(mean, gibbs, 1e-9 * std::max(1.0, std::abs(gibbs)));
  }
}

// ln φ = ∫_V^∞ (Z − 1)/V′ dV′ + Z − 1 − ln Z, the integral taken over the
// density 0 … 1/V by composite five-point Gauss–Legendre quadrature, Z from
// the pressure alone.
TEST(EquationOfState, PureComponentCoefficientFollowsFromThePressureAlone) {
  static constexpr double node[5] = {-0.9061798459386640, -0.5384693101056831, 0,
                                     0.5384693101056831, 0.9061798459386640};
  static constexpr double weight[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                       0.4786286704993665, 0.2369268850561891};
  struct Case { int component; double T, V; };
  for (const Case& c : {Case{0, 673.15, 25}, Case{0, 873.15, 300}, Case{1, 473.15, 70},
                        Case{2, 373.15, 120}, Case{3, 1273.15, 35}, Case{4, 1273.15, 40}}) {
    SCOPED_TRACE(c.component);
    const Composition x = pure(c.component);
    const int panels = 24;
    const double width = 1 / c.V / panels;
    double integral = 0;
    for (int p = 0; p < panels; ++p)
      for (int k = 0; k < 5; ++k) {
        const double rho = (p + 0.5) * width + node[k] * width / 2;
        const double Z = Globals::Pressure(x, c.T, 1 / rho) / (Globals::R * c.T * rho);
        integral += weight[k] * (Z - 1) / rho * width / 2;
      }
    const double Z = Globals::Compressibility(x, c.T, c.V);
    const double expected = integral + Z - 1 - std::log(Z);
    const Result r = fugacities(x, c.T, Globals::Pressure(x, c.T, c.V), c.V);
    EXPECT_NEAR(std::log(r.coefficient[c.component]), expected, 1e-8 * std::max(1.0, std::abs(expected)));
    for (int i = 0; i < 5; ++i)
      if (i != c.component) {
        EXPECT_EQ(r.fugacity[i], 0) << i;
      }
  }
}

TEST(EquationOfState, IdealGasAtLargeVolume) {
  // ln φ ≈ B/V; the salts' second virial coefficients reach −1e4 cm3/mol.
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double V = 1e11, P = Globals::R * s.T / V;
    EXPECT_NEAR(Globals::Compressibility(s.x, s.T, V), 1, 1e-6);
    const Result r = fugacities(s.x, s.T, P, V);
    for (int i = 0; i < 5; ++i) {
      if (s.x[i] <= 0) continue;
      EXPECT_NEAR(r.coefficient[i], 1, 1e-6) << i;
      EXPECT_NEAR(r.fugacity[i] / (s.x[i] * P), 1, 1e-6) << i;
    }
  }
}

// No state, no value: Compressibility and Pressure give 0, Fugacities every
// coefficient 1 and every fugacity 0. That includes a composition without
// any substance, and the band just above Vlimit (28.459/4 for water) up to
// the repulsive term's own lowest volume (28.4959/4), where the repulsive
// share would be missing.
TEST(EquationOfState, NoValueOutsideTheAdmissibleStates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Composition water = pure(0), mixture = {0.7, 0.1, 0.1, 0.05, 0.05};
  const Globals::LowestVolumes w = Globals::LowestVolumesOf(water);
  const Globals::LowestVolumes m = Globals::LowestVolumesOf(mixture);
  ASSERT_LT(w.limit, w.repulsive);
  ASSERT_LT(m.limit, m.repulsive);
  struct Case { const char* what; Composition x; double T, P, V; bool pressureOnly; };
  const Case cases[] = {
      {"T = 0", water, 0, 10, 30, false},          {"T < 0", water, -300, 10, 30, false},
      {"T NaN", water, nan, 10, 30, false},        {"V = 0", water, 673.15, 10, 0, false},
      {"V < 0", water, 673.15, 10, -30, false},    {"V NaN", water, 673.15, 10, nan, false},
      {"V below Vlimit", water, 673.15, 10, 5, false},
      {"V at Vlimit", water, 673.15, 10, w.limit, false},
      {"V just above Vlimit", water, 673.15, 10, std::nextafter(w.limit, 100.0), false},
      {"V in the band", water, 673.15, 10, (w.limit + w.repulsive) / 2, false},
      {"V at the hard-sphere limit", water, 673.15, 10, w.repulsive, false},
      {"mixture at its Vlimit", mixture, 673.15, 10, m.limit, false},
      {"mixture in its band", mixture, 673.15, 10, (m.limit + m.repulsive) / 2, false},
      {"no substance", Composition{}, 673.15, 10, 30, false},  // not the ideal gas's Z = 1
      {"P = 0", water, 673.15, 0, 30, true},       {"P < 0", water, 673.15, -5, 30, true},
      {"P NaN", water, 673.15, nan, 30, true},
  };
  const eos::State& other = eos::kStates[8];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.pressureOnly) {
      EXPECT_EQ(Globals::Compressibility(c.x, c.T, c.V), 0);
      EXPECT_EQ(Globals::Pressure(c.x, c.T, c.V), 0);
    }
    fugacities(other.x, other.T, 50, other.V);  // stale results would show
    const Result r = fugacities(c.x, c.T, c.P, c.V);
    EXPECT_EQ(r.coefficient, (Composition{1, 1, 1, 1, 1}));
    EXPECT_EQ(r.fugacity, Composition{});
  }
  for (const Composition& x : {water, mixture})
    EXPECT_NE(Globals::Pressure(x, 700, std::nextafter(Globals::LowestVolumesOf(x).repulsive, 100.0)), 0);
}

TEST(EquationOfState, LowestVolumesAndDensity) {
  // Vlimit uses 28.459 for water, the repulsive term 28.4959; both come through
  // hard-sphere diameters, so they meet Σ x_i·b_i/4 to rounding only.
  const double limitCoVolume[5] = {28.459, 49.52, 44.0, 60.0124, 81.783};
  for (int i = 0; i < 5; ++i)
    EXPECT_NEAR(Globals::Vlimit(pure(i)), limitCoVolume[i] / 4, 1e-14 * limitCoVolume[i]) << i;
  const Composition x = {0.5, 0.2, 0.1, 0.15, 0.05};
  const double mean = (0.5 * 28.459 + 0.2 * 49.52 + 0.1 * 44.0 + 0.15 * 60.0124 + 0.05 * 81.783) / 4;
  EXPECT_NEAR(Globals::Vlimit(x), mean, 1e-14 * mean);
  EXPECT_EQ(Globals::Vlimit(Composition{}), 0);
  EXPECT_NEAR(Globals::LowestVolumesOf(pure(0)).repulsive, 28.4959 / 4, 1e-14 * 28.4959);
  const Globals::LowestVolumes dry = Globals::LowestVolumesOf({0, 0.3, 0.3, 0.2, 0.2});
  EXPECT_EQ(dry.limit, dry.repulsive) << "without water the two tables agree to the last bit";

  EXPECT_EQ(Globals::Density(pure(0), 18.01528), 1);
  const double M[5] = {18.01528, 44.0098, 16.04276, 58.462468, 74.57143};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(Globals::Density(pure(i), 2 * M[i]), 0.5);
  EXPECT_DOUBLE_EQ(Globals::Density(x, 40),
                   (0.5 * M[0] + 0.2 * M[1] + 0.1 * M[2] + 0.15 * M[3] + 0.05 * M[4]) / 40);
  EXPECT_EQ(Globals::Density(Composition{}, 20), 0);
}

// Fugacities runs the three terms, then yields once per component for the
// lowest volumes and once per coefficient. Another calculation run during any
// of these yields must leave the call's own result intact.
TEST(EquationOfState, ACalculationDuringAFugacitiesYieldDoesNotCorruptIt) {
  const eos::State& s = eos::kStates[8];
  const eos::State& other = eos::kStates[1];
  const double P = Globals::Pressure(s.x, s.T, s.V);
  const Result expected = fugacities(s.x, s.T, P, s.V);
  const auto yieldsOf = [](auto call) {
    YieldCounter y;
    call();
    return y.count();
  };
  const int rep = yieldsOf([&] { Globals::Repulsive(2, s.x, s.T, s.V); });
  const int dip = yieldsOf([&] { Globals::Dipole(2, s.x, s.T, s.V); });
  const int per = yieldsOf([&] { Globals::Perturbation(2, s.x, s.T, s.V); });
  EXPECT_EQ(yieldsOf([&] { Globals::Fugacities(s.x, s.T, P, s.V); }), rep + dip + per + 5 + 5);
  for (int yield : {rep + 1, rep + dip + 1, rep + dip + per + 1, rep + dip + per + 5}) {
    SCOPED_TRACE(yield);
    int count = 0;
    bool inside = false;
    const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
      if (inside || ++count != yield) return;
      inside = true;
      Globals::Fugacities(other.x, other.T, 5, other.V);
      inside = false;
    });
    const Result r = fugacities(s.x, s.T, P, s.V);
    SetRuntimeYieldHook(previous);
    ASSERT_GE(count, yield);
    EXPECT_EQ(r.coefficient, expected.coefficient);
    EXPECT_EQ(r.fugacity, expected.fugacity);
  }
}

}  // namespace
