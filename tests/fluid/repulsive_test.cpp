#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/term_consistency.h"
#include "fluid/term_states.h"

namespace {

using Globals::Composition;

const termcheck::Term kRepulsive{"Repulsive", &Globals::Repulsive, &Globals::dGrep,
                                 termcheck::AbsentComponents::OneSided};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(Repulsive, IsThermodynamicallyConsistentOverTheStateSpread) {
  for (const termcheck::State& s : termcheck::stateSpread()) {
    termcheck::ExpectConsistent(kRepulsive, s.x, s.T, s.V);
  }
}

// Carnahan–Starling: a pure fluid of hard spheres of co-volume b_i.
TEST(Repulsive, PureComponentsFollowCarnahanStarling) {
  const double b[] = {28.4959, 49.52, 44.0, 60.0124, 81.783};
  for (int i = 0; i < 5; ++i) {
    Composition x{};
    x[i] = 1;
    for (double V : {1.05 * b[i] / 4, b[i], 30 * b[i]}) {
      const double T = 650;
      const double y = b[i] / (4 * V);
      const double z = (4 * y - 2 * y * y) / std::pow(1 - y, 3);
      const double a = 8.314472 * T * (4 * y - 3 * y * y) / std::pow(1 - y, 2);
      EXPECT_NEAR(Globals::Repulsive(0, x, T, V), z, 1e-12 * z) << "component " << i << ", V " << V;
      EXPECT_NEAR(Globals::Repulsive(1, x, T, V), a, 1e-12 * a) << "component " << i << ", V " << V;
    }
  }
}

// The mixture against the Boublik–Mansoori form in the moments
// ξ_k = (π·N_A/6)/V · Σ x_i·σ_i^k, with the diameters taken from b_i directly.
TEST(Repulsive, MixturesFollowTheBoublikMansooriForm) {
  const Composition mixtures[] = {
      {0.9, 0, 0, 0.1, 0}, {0.5, 0.5, 0, 0, 0}, {0.4, 0.2, 0.15, 0.15, 0.1}, {0, 0, 0.3, 0, 0.7}};
  const double b[] = {28.4959, 49.52, 44.0, 60.0124, 81.783};
  for (const Composition& x : mixtures) {
    for (double V : {20.0, 45.0, 400.0}) {
      const double T = 900;
      double moment[4] = {};
      for (int i = 0; i < 5; ++i) {
        const double sigma = std::cbrt(3 * b[i] / (2 * M_PI * 6.02214e23));
        for (int k = 0; k < 4; ++k) moment[k] += x[i] * std::pow(sigma, k);
      }
      double xi[4];
      for (int k = 0; k < 4; ++k) xi[k] = M_PI * 6.02214e23 / 6 / V * moment[k];
      const double e = 1 - xi[3];
      const double z = 1 / e + 3 * xi[1] * xi[2] / (xi[0] * e * e) +
                       (3 - xi[3]) * std::pow(xi[2], 3) / (xi[0] * std::pow(e, 3)) - 1;
      const double c = std::pow(xi[2], 3) / (xi[0] * xi[3] * xi[3]);
      const double aRT = (c - 1) * std::log(e) + 3 * xi[1] * xi[2] / (xi[0] * e) +
                         std::pow(xi[2], 3) / (xi[0] * xi[3] * e * e);
      EXPECT_NEAR(Globals::Repulsive(0, x, T, V), z, 1e-12 * z) << "V " << V;
      EXPECT_NEAR(Globals::Repulsive(1, x, T, V) / (8.314472 * T), aRT, 1e-12 * aRT) << "V " << V;
    }
  }
}

// Invalid input gives 0 in every mode and leaves the derivatives of the last
// valid call in place.
TEST(Repulsive, InvalidInputGivesZeroAndWritesNothing) {
  const Composition h2o{1, 0, 0, 0, 0};
  const Composition brine{0.9, 0, 0, 0.1, 0};
  struct Case {
    const char* what;
    Composition x;
    double T, V;
    int mode;
  };
  const Case cases[] = {
      {"T = 0", h2o, 0, 50, 2},
      {"T < 0", h2o, -300, 50, 2},
      {"T not a number", h2o, NaN, 50, 2},
      {"V not a number", h2o, 700, NaN, 2},
      {"V < 0", h2o, 700, -50, 0},
      {"V = 0", brine, 700, 0, 1},
      // Pure H2O's lowest volume here is 28.4959/4, although the lowest
      // admissible volume of the equation of state uses 28.459/4.
      {"H2O at V = 7.12", h2o, 700, 7.12, 2},
      {"H2O at V = 28.459/4", h2o, 700, 28.459 / 4, 2},
      {"brine below its hard-sphere limit", brine, 700, 7.9, 2},
      {"mode 3", brine, 700, 50, 3},
      {"mode -1", brine, 700, 50, -1},
      // Without any substance there is no mixture to size.
      {"all-zero composition, mode 0", Composition{}, 700, 50, 0},
      {"all-zero composition, mode 1", Composition{}, 700, 50, 1},
      {"all-zero composition, mode 2", Composition{}, 700, 50, 2},
  };
  for (const Case& c : cases) {
    const Composition before = {1.5, -2.5, 3.5, -4.5, 5.5};
    Globals::dGrep = before;
    EXPECT_EQ(Globals::Repulsive(c.mode, c.x, c.T, c.V), 0.0) << c.what;
    EXPECT_EQ(Globals::dGrep, before) << c.what;
  }
}

TEST(Repulsive, TheLimitVolumeItselfIsInvalidAndTheNextVolumeValid) {
  const Composition h2o{1, 0, 0, 0, 0};
  // The hard-sphere limit is formed back from the diameter, as the term does.
  const double sigma = std::pow(3 * 28.4959 / 3.7838200831266955e24, 0.3333333333333333);
  const double limit = sigma * sigma * sigma * 1.8919100415633478e24 * 2 / 3 / 4;
  EXPECT_EQ(Globals::Repulsive(0, h2o, 700, limit), 0.0);
  const double above = std::nextafter(limit, 1e9);
  EXPECT_GT(Globals::Repulsive(0, h2o, 700, above), 1e40);
  EXPECT_TRUE(std::isfinite(Globals::Repulsive(0, h2o, 700, above)));
}

TEST(Repulsive, VanishesAtLargeVolume) {
  const Composition all{0.4, 0.2, 0.15, 0.15, 0.1};
  EXPECT_LT(std::abs(Globals::Repulsive(0, all, 700, 1e12)), 1e-9);
  EXPECT_LT(std::abs(Globals::Repulsive(1, all, 700, 1e12)), 1e-6);  // J/mol
  Globals::Repulsive(2, all, 700, 1e12);
  for (double d : Globals::dGrep) EXPECT_LT(std::abs(d), 1e-9);
}

class CountingYield : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetRuntimeYieldHook([this] { ++count_; });
  }
  void TearDown() override { SetRuntimeYieldHook(previous_); }
  int count_ = 0;
  RuntimeYieldHook previous_;
};

TEST_F(CountingYield, RepulsiveYieldsOncePerComponentLoopPass) {
  const Composition brine{0.9, 0, 0, 0.1, 0};
  struct Case {
    int mode;
    double T;
    int yields;
  };
  // The diameter loop runs before the input is checked; mode 2 adds the
  // derivative loop.
  const Case cases[] = {{0, 700, 5}, {1, 700, 5}, {2, 700, 10}, {7, 700, 5}, {2, -1, 5}};
  for (const Case& c : cases) {
    count_ = 0;
    Globals::Repulsive(c.mode, brine, c.T, 50);
    EXPECT_EQ(count_, c.yields) << "mode " << c.mode << ", T " << c.T;
  }
}

// Another window's calculation may run while this one yields; the shared
// derivatives must then be those of this call, not a mixture of both.
TEST(Repulsive, AReentrantCalculationDuringAYieldDoesNotMixStates) {
  const Composition brine{0.9, 0, 0, 0.1, 0};
  const Composition gas{0, 0.5, 0.5, 0, 0};
  Globals::Repulsive(2, brine, 700, 50);
  const Composition expected = Globals::dGrep;

  int depth = 0;
  const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
    if (depth > 0) return;
    ++depth;
    Globals::Repulsive(2, gas, 400, 300);
    --depth;
  });
  Globals::Repulsive(2, brine, 700, 50);
  SetRuntimeYieldHook(previous);
  EXPECT_EQ(Globals::dGrep, expected);
}

}  // namespace
