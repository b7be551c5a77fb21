// The damped secant at the heart of every solver, the pressure root built on
// it and the volume scan, driven by stand-in functions whose every value and
// yield is known.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fluid/Globals.h"
#include "fluid/damped_secant.h"
#include "fluid/pressure_root.h"
#include "fluid/volume_scan.h"
#include "yield_counter.h"

namespace {

using Globals::CurrentStart;
using Globals::DampedSecant;
using Globals::DampedSecantResult;
using Globals::DampedSecantVariant;
using Globals::Residual;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr DampedSecantVariant kSolver = Globals::kPressureRootVariant;

// Records the points a function is asked at.
struct Recorded {
  Residual f;
  std::vector<double> points{};
  double operator()(double u) {
    points.push_back(u);
    return f(u);
  }
};

// Plays back fixed values in call order, whatever the point.
Residual scripted(std::vector<double> values) {
  return [values, next = size_t{0}](double) mutable { return values.at(next++); };
}

TEST(DampedSecant, EndsAsEachCaseRequires) {
  DampedSecantVariant keepsGoing = kSolver, shortRun = kSolver;
  keepsGoing.failOnNanStep = false;
  shortRun.maxPasses = 101;
  struct Case {
    const char* what;
    Residual f;
    double u0, u1;
    DampedSecantVariant variant;
    bool converged;
    double value, tolerance;
    int calls, yields;  // -1: not checked
  };
  const Case cases[] = {
      {"smooth residual", [](double u) { return 20 - u * u; }, 3, 3.1, kSolver, true, std::sqrt(20.0), 1e-10, -1, -1},
      {"zero at the first start, after a zero step", [](double u) { return u - 7; }, 7, 7.1, kSolver, true, 7, 0, 3, 0},
      {"zero at the second start", [](double u) { return u == 7.1 ? 0.0 : 1.0; }, 7, 7.1, kSolver, true, 7.1, 0, -1, -1},
      // Equal residuals: steps 0.05, 0.025, ... toward u0 + 0.2.
      {"flat residual creeps", [](double) { return 3.0; }, 5, 5.1, kSolver, true, 5.2, 1e-10, -1, -1},
      {"start + 0.1 equals the start", [](double) { return 3.0; }, 1e20, 1e20 + 0.1, kSolver, true, 1e20, 0, -1, -1},
      {"residuals 1, 2 step to 0.95 where it is 0", scripted({1, 2, 0}), 1, 1.1, kSolver, true, 0.95, 4e-16, 3, -1},
      {"0/0 step fails at once", [](double) { return 0.0; }, 1, 1.1, kSolver, false, 0, 0, 2, 0},
      {"NaN residual fails at once", [](double) { return nan; }, 1, 1.1, kSolver, false, 0, 0, 2, 0},
      {"NaN step runs out the passes where the variant keeps going",
       [](double u) { return u == 1 || u == 1.1 ? 0.0 : 1.0; }, 1, 1.1, keepsGoing, false, 0, 0, -1, 500},
      {"no root: every pass yields once", [](double u) { return (u - 2) * (u - 2) + 1; }, 10, 10.1, kSolver, false, 0, 0, 502, 500},
      {"the pass limit is the variant's", [](double u) { return (u - 2) * (u - 2) + 1; }, 10, 10.1, shortRun, false, 0, 0, 103, 101},
      // Nearly equal residuals far apart: a step beyond 1e300 fails even onto a zero.
      {"runaway step", scripted({1, std::nextafter(1.0, 2.0), 0}), 1e295, 1, kSolver, false, 0, 0, 3, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorded f{c.f};
    YieldCounter yields;
    const DampedSecantResult r = DampedSecant(std::ref(f), c.u0, c.u1, c.variant);
    EXPECT_EQ(r.converged, c.converged);
    EXPECT_NEAR(r.value, c.value, c.tolerance);
    EXPECT_EQ(c.calls < 0 ? -1 : static_cast<int>(f.points.size()), c.calls);
    EXPECT_EQ(c.yields < 0 ? -1 : yields.count(), c.yields);
    EXPECT_EQ(r.residual, c.converged && c.calls < 0 ? c.f(r.value) : r.residual);
  }
  // 1/ln u falls ever more slowly: a step outgrows the last and fails
  // without yielding in that pass.
  Recorded f{[](double u) { return 1 / std::log(u); }};
  YieldCounter yields;
  EXPECT_FALSE(DampedSecant(std::ref(f), 10, 10.1, kSolver).converged);
  EXPECT_GT(yields.count(), 0);
  EXPECT_LT(yields.count(), 500);
  EXPECT_EQ(static_cast<int>(f.points.size()), yields.count() + 3);
}

// Where the first step goes: from the current start point, halved to stay
// positive, and midway to an upper bound it would pass.
TEST(DampedSecant, FirstNewPoint) {
  DampedSecantVariant larger = kSolver, bounded = kSolver;
  larger.currentStart = CurrentStart::LargerResidual;
  bounded.upperBound = 1.0;
  struct Case { const char* what; Residual f; double u0, u1; DampedSecantVariant variant; double point; };
  const Case cases[] = {
      {"from the smaller residual", scripted({1, 2, 0}), 1, 1.1, kSolver, 1 - 0.05},
      {"from the larger residual", scripted({1, 2, 0}), 1, 1.1, larger, 1.1 - 0.1},
      {"half the current point when below 0", [](double u) { return u + 10; }, 1, 1.1, kSolver, 0.5},
      {"midway to the upper bound", [](double u) { return 3 - u; }, 0.5, 0.9, bounded, 0.9 + (1 - 0.9) / 2},
  };
  for (const Case& c : cases) {
    Recorded f{c.f};
    DampedSecant(std::ref(f), c.u0, c.u1, c.variant);
    ASSERT_GE(f.points.size(), 3u) << c.what;
    EXPECT_DOUBLE_EQ(f.points[2], c.point) << c.what;
  }
}

// A result is a root only within 1e-6·P of the target.
TEST(PressureRoot, AcceptsOnlyTrueRoots) {
  const auto ideal = [](double V) { return V > 0 ? Globals::R * 500 / V : 0; };
  const double V = Globals::PressureRoot(ideal, 10, 400);
  EXPECT_NEAR(V, Globals::R * 500 / 10, 1e-8);
  EXPECT_EQ(Globals::PressureRoot(ideal, 10, 1e20), 0) << "start + 0.1 equals the start";
  EXPECT_EQ(Globals::PressureRoot([](double V) { return V < 50 ? 20.0 : 5.0; }, 10, 45), 0)
      << "a jump across the target";
  EXPECT_GT(Globals::PressureRoot([](double V) { return V < 50 ? 10 + 9e-6 : 10 - 9e-6; }, 10, 45), 0);
  EXPECT_EQ(Globals::PressureRoot([](double V) { return V == 30 ? 10.0 : 11.0; }, 10, 30), 30);
  YieldCounter yields;
  EXPECT_EQ(Globals::PressureRoot([](double) { return nan; }, 10, 30), 0);
  EXPECT_EQ(yields.count(), 0) << "a NaN pressure ends it at once";
  EXPECT_EQ(Globals::PressureRoot([](double V) { return 10 - ((V - 2) * (V - 2) + 1); }, 10, 10), 0);
  EXPECT_EQ(yields.count(), 500);
}

TEST(VolumeScan, UpwardSearchThenGeometricSteps) {
  // P = 1000/V meets 10 MPa at 100 cm3/mol: both modes take the volume just past it.
  for (int mode : {0, 1}) {
    const double V = Globals::ScanForStartVolume(mode, [](double V) { return 1000 / V; }, 10);
    EXPECT_GT(V, 100);
    EXPECT_LT(V / 1.005, 100);
  }
  // Upward from 16 in steps of 1 while the pressure is not positive.
  Recorded p{[](double V) { return V < 40 ? -1.0 : 1000 / V; }};
  Globals::ScanForStartVolume(0, std::ref(p), 10);
  ASSERT_GT(p.points.size(), 26u);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(p.points[i], 16 + i);
  EXPECT_EQ(p.points[25], 40 * 1.005);
  // Positive at 16: a crossing right after it is recorded at 16·1.005.
  const auto jump = [](double V) { return V <= 16 ? 20.0 : 5.0; };
  for (int mode : {0, 1}) EXPECT_EQ(Globals::ScanForStartVolume(mode, jump, 10), 16 * 1.005);
}

TEST(VolumeScan, EightCrossingsEndTheScanAndTheLargestModeTakesTheSeventh) {
  for (int mode : {0, 1}) {
    Recorded p{scripted({20, 5, 20, 5, 20, 5, 20, 5, 20})};
    const double V = Globals::ScanForStartVolume(mode, std::ref(p), 10);
    ASSERT_EQ(p.points.size(), 9u) << mode;
    double expected = 16;  // the first or the seventh scan volume, 16·1.005^k
    for (int k = 0; k < (mode == 0 ? 1 : 7); ++k) expected = expected * 1.005;
    EXPECT_EQ(V, expected);
  }
  // Above, then exactly the target, then below: no product is negative.
  for (int mode : {0, 1}) {
    const Residual touch = [n = 0](double) mutable { return ++n < 5 ? 20.0 : n == 5 ? 10.0 : 5.0; };
    EXPECT_EQ(Globals::ScanForStartVolume(mode, touch, 10), mode == 0 ? 15 : 1000);
  }
}

TEST(VolumeScan, FallbacksAndYields) {
  const auto p = [](double V) { return 1000 / V; };
  EXPECT_EQ(Globals::ScanForStartVolume(0, p, 1e6), 15);
  EXPECT_EQ(Globals::ScanForStartVolume(1, p, 1e6), 1000);
  EXPECT_EQ(Globals::ScanForStartVolume(2, p, 10), 0);
  EXPECT_EQ(Globals::ScanForStartVolume(-1, p, 10), 0);
  // One yield per pass: upward 16..20 (5), geometric 501, choice 6 in modes 0 and 1.
  const auto late = [](double V) { return V < 20 ? 0.0 : 1000 / V; };
  for (int mode : {0, 1, 2}) {
    YieldCounter yields;
    Globals::ScanForStartVolume(mode, late, 1e6);
    EXPECT_EQ(yields.count(), mode == 2 ? 5 + 501 : 5 + 501 + 6) << mode;
  }
  // A pressure that never turns positive (0, or NaN) ends the upward search
  // after 20000 steps.
  for (double never : {0.0, nan})
    for (int mode : {0, 1, 2}) {
      Recorded q{[never](double) { return never; }};
      YieldCounter yields;
      EXPECT_EQ(Globals::ScanForStartVolume(mode, std::ref(q), 10), mode == 0 ? 15 : mode == 1 ? 1000 : 0);
      EXPECT_EQ(q.points.size(), 20000u);
      EXPECT_EQ(q.points.back(), 20015);
      EXPECT_EQ(yields.count(), 20000);
    }
}

}  // namespace
