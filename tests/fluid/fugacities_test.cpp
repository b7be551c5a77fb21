#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos_states.h"
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

void expectNeutral(const Result& r) {
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(r.coefficient[i], 1) << i;
    EXPECT_EQ(r.fugacity[i], 0) << i;
  }
}

TEST(Fugacities, LogCoefficientIsTheSumOfTheTermDerivativesLessLnZ) {
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    const Result r = fugacities(s.x, s.T, P, s.V);
    const Composition rep = Globals::dGrep, dip = Globals::dGdip, per = Globals::dGper;
    const double lnZ = std::log(Globals::Compressibility(s.x, s.T, s.V));
    for (int i = 0; i < 5; ++i) {
      if (s.x[i] <= 0) continue;  // the perturbation term writes present components only
      EXPECT_NEAR(std::log(r.coefficient[i]), rep[i] + dip[i] + per[i] - lnZ, 1e-12) << i;
      EXPECT_DOUBLE_EQ(r.fugacity[i], s.x[i] * r.coefficient[i] * P) << i;
    }
  }
}

TEST(Fugacities, MeanLogCoefficientIsTheResidualGibbsEnergy) {
  // Σ x_i·ln φ_i = A_res/RT + Z − 1 − ln Z
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double P = Globals::Pressure(s.x, s.T, s.V);
    const Result r = fugacities(s.x, s.T, P, s.V);
    double mean = 0;
    for (int i = 0; i < 5; ++i)
      if (s.x[i] > 0) mean += s.x[i] * std::log(r.coefficient[i]);
    const double Z = Globals::Compressibility(s.x, s.T, s.V);
    const double expected =
        eos::residualHelmholtz(s.x, s.T, s.V) / (Globals::R * s.T) + Z - 1 - std::log(Z);
    EXPECT_NEAR(mean, expected, 1e-9 * std::max(1.0, std::abs(expected)));
  }
}

// ∫_V^∞ (Z − 1)/V′ dV′ = ∫_0^{1/V} (Z − 1)/ρ dρ, by composite five-point
// Gauss–Legendre quadrature in the density, Z taken from the pressure alone.
double departureIntegral(const Composition& x, double T, double V) {
  static constexpr double node[5] = {-0.9061798459386640, -0.5384693101056831, 0,
                                     0.5384693101056831, 0.9061798459386640};
  static constexpr double weight[5] = {0.2369268850561891, 0.4786286704993665,
                                       0.5688888888888889, 0.4786286704993665,
                                       0.2369268850561891};
  const int panels = 24;
  const double width = 1 / V / panels;
  double sum = 0;
  for (int p = 0; p < panels; ++p) {
    const double mid = (p + 0.5) * width;
    for (int k = 0; k < 5; ++k) {
      const double rho = mid + node[k] * width / 2;
      const double Z = Globals::Pressure(x, T, 1 / rho) / (Globals::R * T * rho);
      sum += weight[k] * (Z - 1) / rho * width / 2;
    }
  }
  return sum;
}

TEST(Fugacities, PureComponentCoefficientFollowsFromThePressureAlone) {
  // ln φ = ∫_V^∞ (Z − 1)/V′ dV′ + Z − 1 − ln Z
  struct Case {
    int component;
    double T, V;
  };
  const Case cases[] = {{0, 673.15, 25}, {0, 873.15, 300}, {1, 473.15, 70},
                        {2, 373.15, 120}, {3, 1273.15, 35}, {4, 1273.15, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.component);
    const Composition x = pure(c.component);
    const double P = Globals::Pressure(x, c.T, c.V);
    const double Z = Globals::Compressibility(x, c.T, c.V);
    const double expected = departureIntegral(x, c.T, c.V) + Z - 1 - std::log(Z);
    const Result r = fugacities(x, c.T, P, c.V);
    EXPECT_NEAR(std::log(r.coefficient[c.component]), expected,
                1e-8 * std::max(1.0, std::abs(expected)));
    for (int i = 0; i < 5; ++i) {
      if (i != c.component) {
        EXPECT_EQ(r.fugacity[i], 0) << i;
      }
    }
  }
}

TEST(Fugacities, IdealGasAtLargeVolume) {
  // ln φ ≈ B/V; the salts' second virial coefficients reach −1e4 cm3/mol.
  for (const eos::State& s : eos::kStates) {
    SCOPED_TRACE(s.name);
    const double V = 1e11;
    const double P = Globals::R * s.T / V;
    const Result r = fugacities(s.x, s.T, P, V);
    for (int i = 0; i < 5; ++i) {
      if (s.x[i] <= 0) continue;
      EXPECT_NEAR(r.coefficient[i], 1, 1e-6) << i;
      EXPECT_NEAR(r.fugacity[i] / (s.x[i] * P), 1, 1e-6) << i;
    }
  }
}

TEST(Fugacities, NeutralValuesOutsideTheValidStates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Composition water = pure(0);
  const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(water);
  struct Case {
    const char* what;
    double T, P, V;
  };
  const Case cases[] = {
      {"T = 0", 0, 10, 30},
      {"T NaN", nan, 10, 30},
      {"P = 0", 673.15, 0, 30},
      {"P < 0", 673.15, -5, 30},
      {"P NaN", 673.15, nan, 30},
      {"V at Vlimit", 673.15, 10, lowest.limit},
      {"V in the band below the hard-sphere limit", 673.15, 10,
       (lowest.limit + lowest.repulsive) / 2},
      {"V at the hard-sphere limit", 673.15, 10, lowest.repulsive},
      {"V NaN", 673.15, 10, nan},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Leave other values behind first, so that stale results would show.
    fugacities(eos::kStates[8].x, eos::kStates[8].T, 50, eos::kStates[8].V);
    expectNeutral(fugacities(water, c.T, c.P, c.V));
  }
}

TEST(Fugacities, YieldsOncePerComponentAfterTheTerms) {
  const eos::State& s = eos::kStates[5];
  int termYields = 0;
  {
    YieldCounter y;
    Globals::Repulsive(2, s.x, s.T, s.V);
    Globals::Dipole(2, s.x, s.T, s.V);
    Globals::Perturbation(2, s.x, s.T, s.V);
    termYields = y.count();
  }
  YieldCounter y;
  Globals::Fugacities(s.x, s.T, 10, s.V);
  EXPECT_EQ(y.count(), termYields + 5 + 5);  // lowest volumes, then the coefficients
}

// Another calculation run during one yield of a Fugacities call: the
// coefficients must still be those of the call's own state.
TEST(Fugacities, ACalculationDuringAYieldDoesNotCorruptTheResult) {
  const eos::State& s = eos::kStates[8];
  const eos::State& other = eos::kStates[1];
  const double P = Globals::Pressure(s.x, s.T, s.V);
  const Result expected = fugacities(s.x, s.T, P, s.V);

  int repYields = 0, dipYields = 0, perYields = 0;
  {
    YieldCounter y;
    Globals::Repulsive(2, s.x, s.T, s.V);
    repYields = y.count();
    Globals::Dipole(2, s.x, s.T, s.V);
    dipYields = y.count() - repYields;
    Globals::Perturbation(2, s.x, s.T, s.V);
    perYields = y.count() - repYields - dipYields;
  }
  struct Point {
    const char* where;
    int yield;  // 1-based number of the yield during which the other calculation runs
  };
  const Point points[] = {
      {"first yield of the dipolar term", repYields + 1},
      {"first yield of the perturbation term", repYields + dipYields + 1},
      {"first yield after the three terms", repYields + dipYields + perYields + 1},
      {"last yield before the coefficients", repYields + dipYields + perYields + 5},
  };
  for (const Point& point : points) {
    SCOPED_TRACE(point.where);
    int count = 0;
    bool inside = false;
    const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
      if (inside || ++count != point.yield) return;
      inside = true;
      Globals::Fugacities(other.x, other.T, 5, other.V);
      inside = false;
    });
    const Result r = fugacities(s.x, s.T, P, s.V);
    SetRuntimeYieldHook(previous);
    ASSERT_GE(count, point.yield);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(r.coefficient[i], expected.coefficient[i]) << i;
      EXPECT_EQ(r.fugacity[i], expected.fugacity[i]) << i;
    }
  }
}

}  // namespace
