// Every public function of the library, driven by a seeded stream of hostile
// inputs: zeros, negative numbers, NaN, ±inf, huge and denormal numbers,
// compositions that are all zero, negative or not normalised, indices out of
// range. Each call must come back, raise nothing and touch no memory outside
// its arrays (the sanitizers of the test build watch that); a temperature,
// pressure or volume that is not a finite positive number must give the
// function's failure value.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>

#include "fluid/Globals.h"

namespace {

using Globals::Composition;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
const double kHostile[] = {0.0, -0.0, -1.0, -273.15, -1e300, 1e300, kNaN, kInf, -kInf, DBL_MIN, DBL_TRUE_MIN,
                           -DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, 1e-300, 1e-10};
const int32_t kHostileIndices[] = {-1, 5, 6, 100, INT32_MIN, INT32_MAX};

bool Bad(double v) { return !(v > 0) || !std::isfinite(v); }

TEST(HostileInput, EveryFunctionReturnsAndGivesItsFailureValue) {
  using namespace Globals;
  std::mt19937_64 rng(14);
  const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  const auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
  // Mostly a plausible value in [lo, hi], often a hostile one.
  const auto number = [&](double lo, double hi) {
    return chance(0.4) ? kHostile[std::uniform_int_distribution<size_t>(0, std::size(kHostile) - 1)(rng)]
                       : uniform(lo, hi);
  };
  const auto index = [&](int32_t lo, int32_t hi) {
    return chance(0.3) ? kHostileIndices[std::uniform_int_distribution<size_t>(0, std::size(kHostileIndices) - 1)(rng)]
                       : std::uniform_int_distribution<int32_t>(lo, hi)(rng);
  };
  // Normalised, not normalised, all zero, with negative entries, entry by
  // entry hostile, or one pure component (kinds 0 to 5).
  const auto mixture = [&] {
    const int kind = std::uniform_int_distribution<int>(0, 5)(rng);
    Composition x{};
    if (kind == 5) x[std::uniform_int_distribution<int>(0, 4)(rng)] = 1;
    double sum = 0;
    for (double& xi : x) {
      if (kind <= 1) xi = uniform(0, kind == 0 ? 1 : 5);
      if (kind == 3) xi = uniform(-1, 1);
      if (kind == 4) xi = number(0, 1);
      sum += xi;
    }
    if (kind == 0)
      for (double& xi : x) xi /= sum;
    return x;
  };
  for (int n = 0; n < 1500; ++n) {
    const int32_t mode = index(0, 2), component = index(0, 4), curve = index(1, 5);
    const Composition x = mixture();
    const double T = number(150, 1500), P = number(0.01, 500), V = number(5, 2000);
    const double f0 = number(0, 1), f1 = number(0, 1), f2 = number(0, 1), Tsalt = number(200, 1000);
    SCOPED_TRACE(testing::Message() << "call " << n << ": " << mode << " " << component << " " << curve << " {"
                                    << x[0] << " " << x[1] << " " << x[2] << " " << x[3] << " " << x[4] << "} " << T
                                    << " " << P << " " << V << " " << f0 << " " << f1 << " " << f2 << " " << Tsalt);
    // The result of a call whose input has no value must be its failure value.
    const auto expect = [](bool invalid, double result, double failure, const char* what) {
      if (invalid) {
        EXPECT_EQ(result, failure) << what;
      }
    };
    const bool noState = Bad(T) || Bad(V);
    expect(noState, Repulsive(mode, x, T, V), 0, "Repulsive");
    expect(noState, Dipole(mode, x, T, V), 0, "Dipole");
    expect(noState, Perturbation(mode, x, T, V), 0, "Perturbation");
    expect(noState, Compressibility(x, T, V), 0, "Compressibility");
    expect(noState, Pressure(x, T, V), 0, "Pressure");
    Fugacities(x, T, P, V);
    if (noState || Bad(P)) {
      EXPECT_EQ(Coefficient, (Composition{1, 1, 1, 1, 1}));
      EXPECT_EQ(Fugacity, Composition{});
    }
    expect(Bad(V), Density(x, V), 0, "Density");
    Vlimit(x);
    b_ind(component);
    mu_ind(component);
    if (n % 10 == 0) {
      expect(Bad(T) || Bad(P), Volume(x, T, P, V), 0, "Volume");
      expect(Bad(P) || Bad(V), Temperature(x, P, V, T), 0, "Temperature");
    }
    // The scan of a state that has one is slow, and checked elsewhere.
    if (n % 10 == 0 && (Bad(T) || Bad(P))) {
      EXPECT_EQ(Volume_Approach(mode, x, T, P), mode == 0 ? 15 : mode == 1 ? 1000 : 0) << "Volume_Approach";
    }
    CubicEquation(number(-100, 100), number(-100, 100), number(-100, 100));
    expect(Bad(T) || Bad(P), Volume_Holloway(mode, x, T, P), 0, "Volume_Holloway");
    // The salts keep their constant vapour pressure at any temperature; a
    // dew-point estimate without any vapour pressure falls back to 0.1 MPa.
    expect(Bad(T), SaturationPressure(component, T), component == 3 || component == 4 ? 0.1 : 0, "SaturationPressure");
    expect(Bad(T), RaoultPressure(x, T, mode), mode == 1 ? 0.1 : 0, "RaoultPressure");
    if (Bad(T) || Bad(P)) {
      EXPECT_EQ(WilsonDistribution(T, P), (Composition{1, 1, 1, 0.001, 0.001}));
    }
    expect(Bad(V), VH2O_Akinfiev(mode, x, V), 0, "VH2O_Akinfiev");
    expect(Bad(T) || Bad(V), mSiO2_Akinfiev(f0, T, V), 0, "mSiO2_Akinfiev");
    expect(Bad(Tsalt), Mass_Hall87(Tsalt, f0), 0, "Mass_Hall87");
    expect(Bad(Tsalt), Sorvik_Molefraction(curve, Tsalt, f0), 0, "Sorvik_Molefraction");
    expect(Bad(Tsalt), Sorvik_Cotectic(curve, Tsalt), 0, "Sorvik_Cotectic");
    // 0.1 MPa outside the temperature range, 0 for a liquid without salt.
    const double slv = Sorvik_Pressure(curve, f0, f1, f2, Tsalt);
    if (Bad(Tsalt)) {
      EXPECT_TRUE(slv == 0.1 || slv == 0) << "Sorvik_Pressure gave " << slv;
    }
    Sorvik_Pressure650(curve, f0, f1, f2);
  }
  CriticalValues();
  FinalizeSharedArrays();
  InitializeSharedArrays();
}

}  // namespace
