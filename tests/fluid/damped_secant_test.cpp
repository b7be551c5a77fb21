#include "fluid/damped_secant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "yield_counter.h"

namespace {

using Globals::CurrentStart;
using Globals::DampedSecant;
using Globals::DampedSecantResult;
using Globals::DampedSecantVariant;

const DampedSecantVariant kSolver{.maxPasses = 500,
                                  .currentStart = CurrentStart::SmallerResidual,
                                  .upperBound = std::nullopt,
                                  .failOnNanStep = true};

// A residual that counts its evaluations.
struct Counted {
  std::function<double(double)> f;
  int calls = 0;
  double operator()(double u) {
    ++calls;
    return f(u);
  }
};

// Plays back fixed residuals in call order, whatever the point.
struct Scripted {
  std::vector<double> values;
  size_t next = 0;
  double operator()(double) { return values.at(next++); }
};

TEST(DampedSecant, FindsTheRootOfASmoothResidual) {
  Counted f{[](double u) { return 20 - u * u; }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 3, 3.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_NEAR(r.value, std::sqrt(20.0), 1e-10);
  EXPECT_EQ(r.residual, 20 - r.value * r.value);
}

TEST(DampedSecant, ResidualZeroAtTheFirstStartReturnsItAfterAZeroStep) {
  YieldCounter yields;
  Counted f{[](double u) { return u - 7; }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 7, 7.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_EQ(r.value, 7);
  EXPECT_EQ(f.calls, 3);
  EXPECT_EQ(yields.count(), 0);
}

TEST(DampedSecant, ResidualZeroAtTheSecondStartReturnsIt) {
  Counted f{[](double u) { return u == 7.1 ? 0.0 : 1.0; }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 7, 7.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_EQ(r.value, 7.1);
}

TEST(DampedSecant, FlatResidualCreepsToTwiceTheStartDistance) {
  // Equal non-zero residuals: c = u0 + 0.1, steps 0.05, 0.025, ... toward u0 + 0.2.
  const DampedSecantResult r = DampedSecant([](double) { return 3.0; }, 5, 5.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_NEAR(r.value, 5.2, 1e-10);
  EXPECT_EQ(r.residual, 3.0);
}

TEST(DampedSecant, StartSoLargeThatBothPointsCoincideIsReturnedUnchanged) {
  const double huge = 1e20;
  ASSERT_EQ(huge + 0.1, huge);
  const DampedSecantResult r = DampedSecant([](double) { return 3.0; }, huge, huge + 0.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_EQ(r.value, huge);
}

TEST(DampedSecant, ZeroOverZeroStepFailsAtOnce) {
  // Residual 0 at both start points: the secant step is 0/0.
  YieldCounter yields;
  Counted f{[](double) { return 0.0; }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 1, 1.1, kSolver);
  EXPECT_FALSE(r.converged);
  EXPECT_EQ(r.value, 0);
  EXPECT_EQ(f.calls, 2);
  EXPECT_EQ(yields.count(), 0);
}

TEST(DampedSecant, NanResidualFailsAtOnce) {
  YieldCounter yields;
  Counted f{[](double) { return std::numeric_limits<double>::quiet_NaN(); }};
  EXPECT_FALSE(DampedSecant(std::ref(f), 1, 1.1, kSolver).converged);
  EXPECT_EQ(f.calls, 2);
  EXPECT_EQ(yields.count(), 0);
}

TEST(DampedSecant, NanStepRunsOutItsPassesWhenTheVariantKeepsGoing) {
  YieldCounter yields;
  DampedSecantVariant variant = kSolver;
  variant.failOnNanStep = false;
  // Residual 0 at both start points only: NaN points then get residual 1.
  auto f = [](double u) { return u == 1 || u == 1.1 ? 0.0 : 1.0; };
  EXPECT_FALSE(DampedSecant(f, 1, 1.1, variant).converged);
  EXPECT_EQ(yields.count(), 500);
}

TEST(DampedSecant, NoRootExhaustsFiveHundredPassesWithOneYieldEach) {
  // (u − 2)² + 1 has no root; the secant wanders without settling or running away.
  YieldCounter yields;
  Counted f{[](double u) { return (u - 2) * (u - 2) + 1; }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 10, 10.1, kSolver);
  EXPECT_FALSE(r.converged);
  EXPECT_EQ(r.value, 0);
  EXPECT_EQ(yields.count(), 500);
  EXPECT_EQ(f.calls, 502);
}

TEST(DampedSecant, PassLimitIsAVariantPoint) {
  YieldCounter yields;
  DampedSecantVariant variant = kSolver;
  variant.maxPasses = 101;
  EXPECT_FALSE(DampedSecant([](double u) { return (u - 2) * (u - 2) + 1; }, 10, 10.1, variant)
                   .converged);
  EXPECT_EQ(yields.count(), 101);
}

TEST(DampedSecant, RunawayStepFailsWithoutYieldingInThatPass) {
  // 1/ln u falls ever more slowly, so each secant step outgrows the last.
  YieldCounter yields;
  Counted f{[](double u) { return 1 / std::log(u); }};
  const DampedSecantResult r = DampedSecant(std::ref(f), 10, 10.1, kSolver);
  EXPECT_FALSE(r.converged);
  EXPECT_GT(yields.count(), 0);
  EXPECT_LT(yields.count(), 500);
  EXPECT_EQ(f.calls, yields.count() + 3);
}

TEST(DampedSecant, RunawayStepFailsEvenOnAZeroResidual) {
  // Nearly equal residuals a huge distance apart give a step beyond 1e300.
  Scripted f{{1.0, std::nextafter(1.0, 2.0), 0.0}};
  EXPECT_FALSE(DampedSecant(std::ref(f), 1e295, 1.0, kSolver).converged);
  EXPECT_EQ(f.next, 3u);
}

TEST(DampedSecant, ZeroResidualEndsTheSearchWhateverTheStep) {
  // Residuals 1 and 2 give a step of −0.05 from u = 1; the new point's residual is 0.
  Scripted f{{1.0, 2.0, 0.0}};
  const DampedSecantResult r = DampedSecant(std::ref(f), 1, 1.1, kSolver);
  ASSERT_TRUE(r.converged);
  EXPECT_DOUBLE_EQ(r.value, 0.95);
}

TEST(DampedSecant, NonPositiveValueFallsBackToHalfThePrevious) {
  // Linear residual with its root at −10: the first step lands below 0.
  std::vector<double> points;
  auto f = [&](double u) {
    points.push_back(u);
    return u + 10;
  };
  DampedSecant(f, 1, 1.1, kSolver);
  ASSERT_GE(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[2], 0.5);  // half of the current start point 1
}

TEST(DampedSecant, StartOrderPicksTheCurrentPoint) {
  // With the first start value current, the first step moves away from 1; with
  // the second current, from 1.1. Both see residuals 1 (at 1) and 2 (at 1.1).
  struct Case {
    CurrentStart order;
    double firstNewPoint;
  };
  for (const Case& c : {Case{CurrentStart::SmallerResidual, 1 - 0.05},
                        Case{CurrentStart::LargerResidual, 1.1 - 0.1}}) {
    std::vector<double> points;
    auto f = [&](double u) {
      points.push_back(u);
      return points.size() == 1 ? 1.0 : 2.0;
    };
    DampedSecantVariant variant = kSolver;
    variant.maxPasses = 1;
    variant.currentStart = c.order;
    DampedSecant(f, 1, 1.1, variant);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(points[2], c.firstNewPoint);
  }
}

TEST(DampedSecant, UpperBoundMovesMidwayToIt) {
  // Root at 3 beyond the bound 1: the first step overshoots, the point lands
  // midway between the previous point and the bound.
  std::vector<double> points;
  auto f = [&](double u) {
    points.push_back(u);
    return 3 - u;
  };
  DampedSecantVariant variant = kSolver;
  variant.maxPasses = 1;
  variant.upperBound = 1.0;
  DampedSecant(f, 0.5, 0.9, variant);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[2], 0.9 + (1 - 0.9) / 2);
}

}  // namespace
