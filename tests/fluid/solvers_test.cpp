// Molar volume and temperature solved from the equation of state and fed back
// into the pressure; the failure value where there is no root; the start
// volumes of the pressure scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "fluid/Globals.h"
#include "fluid/damped_secant.h"
#include "fluid/volume_scan.h"

namespace {

using Globals::Composition;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Composition water = {1, 0, 0, 0, 0};

TEST(Solvers, SolvedVolumeAndTemperatureGiveBackThePressure) {
  struct State { Composition x; double T, V; };
  const State states[] = {{water, 573.15, 22},   {water, 673.15, 1500},       {{0, 1, 0, 0, 0}, 473.15, 80},
                          {{0, 0, 1, 0, 0}, 373.15, 150}, {{0.9, 0, 0, 0.1, 0}, 873.15, 25},
                          {{0.8, 0.05, 0.05, 0.07, 0.03}, 773.15, 28}, {{0.6, 0.15, 0.15, 0.06, 0.04}, 873.15, 600}};
  for (const State& s : states) {
    SCOPED_TRACE(testing::Message() << s.x[0] << " H2O at " << s.T << " K, " << s.V << " cm3/mol");
    const double P = Globals::Pressure(s.x, s.T, s.V);
    ASSERT_GT(P, 0);
    for (double start : {1.01 * s.V, 0.99 * s.V}) {
      const double V = Globals::Volume(s.x, s.T, P, start);
      EXPECT_NEAR(Globals::Pressure(s.x, s.T, V), P, 1e-9 * P) << "from " << start;
    }
    for (double start : {s.T + 20, s.T - 20}) {
      const double T = Globals::Temperature(s.x, P, s.V, start);
      EXPECT_NEAR(Globals::Pressure(s.x, T, s.V), P, 1e-9 * P) << "from " << start;
    }
  }
}

// Where the pressure is 0 at both start points (below the lowest volume, or
// T <= 0 when solving for the temperature) the search creeps to start + 0.2,
// which is no root; a start so large that start + 0.1 equals it is no root
// either. Nor is a root met only after the 500 passes allowed: at 1e-61 MPa
// the volume grows 1.5-fold a pass towards the ideal gas's 5.6e64 cm3/mol,
// met from 280 at the 500th pass and from 150 at the 501st.
TEST(Solvers, NoRootGivesZero) {
  const std::function<double()> solves[] = {
      [] { return Globals::Volume(water, 673.15, 100, 5); },
      [] { return Globals::Volume(water, 673.15, 100, Globals::Vlimit(water) - 0.2); },
      [] { return Globals::Volume({0, 1, 0, 0, 0}, 473.15, 10, 1e20); },
      [] { return Globals::Volume(water, 673.15, 100, nan); },
      [] { return Globals::Temperature(water, 100, 30, -5); },
      [] { return Globals::Temperature(water, 100, 5, 600); },
      [] { return Globals::Volume(water, 673.15, 1e-61, 150); },
  };
  for (const auto& solve : solves) EXPECT_EQ(solve(), 0) << &solve - solves;
  EXPECT_NEAR(Globals::Pressure(water, 673.15, Globals::Volume(water, 673.15, 1e-61, 280)), 1e-61, 1e-67);
}

TEST(VolumeApproach, StartsJustPastTheFirstOrLastCrossing) {
  // Supercritical water: one crossing, the same start in both modes, on the
  // scan's grid 16·1.005^k.
  const double start = Globals::Volume_Approach(0, water, 873.15, 100);
  EXPECT_EQ(Globals::Volume_Approach(1, water, 873.15, 100), start);
  const double k = std::log(start / 16) / std::log(1.005);
  EXPECT_NEAR(k, std::round(k), 1e-6);
  const double V = Globals::Volume(water, 873.15, 100, start);
  EXPECT_LT(V, start);
  EXPECT_GT(V * 1.005, start * (1 - 1e-12));
  // At 300 ˚C and 8 MPa the isotherm crosses three times: liquid near 25
  // cm3/mol, the unstable branch near 90, vapour near 435 (beyond the scanned
  // range 16 to 16·1.005^501 ≈ 195).
  const double T = 573.15, P = 8;
  const double liquid = Globals::Volume_Approach(0, water, T, P), last = Globals::Volume_Approach(1, water, T, P);
  ASSERT_LT(liquid, last);
  for (double v : {liquid, last}) {
    const double before = Globals::Pressure(water, T, v / 1.005) - P;
    EXPECT_LT(before * (Globals::Pressure(water, T, v) - P), 0) << "no sign change before " << v;
  }
  EXPECT_LT(Globals::Volume(water, T, P, liquid), 30);
  EXPECT_GT(Globals::Volume(water, T, P, last), 60);
  // Without a crossing: 15 cm3/mol for mode 0, 1000 for mode 1, 0 for any other.
  EXPECT_EQ(Globals::Volume_Approach(2, water, 873.15, 100), 0);
  EXPECT_EQ(Globals::Volume_Approach(-1, water, 873.15, 100), 0);
  for (double badT : {0.0, -100.0, nan}) {
    EXPECT_EQ(Globals::Volume_Approach(0, water, badT, 10), 15);
    EXPECT_EQ(Globals::Volume_Approach(1, water, badT, 10), 1000);
  }
  EXPECT_EQ(Globals::Volume_Approach(1, {0.5, nan, 0, 0, 0}, 873.15, 10), 1000);
}

// Half of each secant step, on made-up residuals: a line is met after 40
// evaluations (41 from the start farther from it); u^-0.01 has no root and its
// steps pass 1e300 long before the pass limit, 1/u creeps through all 500; a
// NaN residual ends the search at once, or after every pass where NaN steps
// are carried on; a bound is approached halfway, never crossed, on the way to
// a root below it, and a root beyond it is never reached.
TEST(DampedSecant, RootsFailuresAndTheBound) {
  using enum Globals::CurrentStart;
  const Globals::DampedSecantVariant plain, farther{500, LargerResidual, std::nullopt, true},
      carryNaN{101, SmallerResidual, std::nullopt, false}, bounded{101, SmallerResidual, 1.0, false};
  const auto line = [](double u) { return u - 2; };
  const auto nanResidual = [](double) { return nan; };
  // The root found (0: none), the residuals evaluated and the highest value evaluated at.
  const struct { const char* what; std::function<double(double)> f; double u0, u1;
                 Globals::DampedSecantVariant variant; double root; std::size_t evaluations; double highest; }
      cases[] = {
      {"line", line, 1, 1.5, plain, 2, 40, 2},
      {"line, farther start current", line, 1, 1.5, farther, 2, 41, 2},
      {"diverging", [](double u) { return std::pow(u, -0.01); }, 1, 2, plain, 0, 244, 1.4e300},
      {"creeping: every pass", [](double u) { return 1 / u; }, 1, 2, plain, 0, 502, 1e70},
      {"NaN", nanResidual, 1, 2, plain, 0, 2, 2},
      {"NaN carried", nanResidual, 1, 2, carryNaN, 0, 103, 2},
      {"root below the bound", [](double u) { return std::atan(50 * (u - 0.97)); }, 0.5, 0.6, bounded, 0.97, 40, 1},
      {"root beyond the bound", line, 0.5, 0.6, bounded, 0, 103, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<double> at;
    const auto r = Globals::DampedSecant([&](double u) { return at.push_back(u), c.f(u); }, c.u0, c.u1,
                                         c.variant);
    EXPECT_EQ(r.converged, c.root != 0);
    EXPECT_NEAR(r.value, c.root, 1e-9);
    EXPECT_EQ(at.size(), c.evaluations);
    EXPECT_LE(*std::max_element(at.begin(), at.end()), c.highest);
  }
}

// Made-up isotherms: steps of 1 cm3/mol from 15 to the first positive
// pressure, then of 0.5 %; a crossing gives the volume just past it; of
// several, mode 0 takes the first and mode 1 the largest of the first seven
// (crossings every 5π cm3/mol from 31.4, the eighth near 141 ends the scan);
// a positive isotherm that never crosses P, or only meets it, gives 15 and
// 1000.
TEST(VolumeApproach, ScanOfMadeUpIsotherms) {
  const struct { const char* what; std::function<double(double)> pressure; double P, smallest, largest; } cases[] = {
      {"no crossing", [](double V) { return 100 / V; }, 1000, 15, 1000},
      {"equal to P: no sign change", [](double) { return 10.0; }, 10, 15, 1000},
      {"one crossing", [](double V) { return 3000 / V; }, 100, 30.144620844614376, 30.144620844614376},
      {"positive from 41 on", [](double V) { return V - 40.5; }, 10, 50.554340647010513, 50.554340647010513},
      {"a crossing in the last step", [](double V) { return V < 194.5 ? 1.0 : 3.0; }, 2,
       194.67802095256624, 194.67802095256624},
      {"nine crossings", [](double V) { return 2 + std::sin(V / 5); }, 2, 31.528577845699001, 126.14485731281447},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Globals::ScanForStartVolume(0, c.pressure, c.P), c.smallest) << c.what;
    EXPECT_EQ(Globals::ScanForStartVolume(1, c.pressure, c.P), c.largest) << c.what;
  }
}

}  // namespace
