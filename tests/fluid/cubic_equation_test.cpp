#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>

#include "fluid/Globals.h"

namespace {

using Globals::CubicEquation;
using Globals::CubicRoots;
using Complex = std::complex<double>;

Complex Root(const CubicRoots& z, int k) { return {z[0][k], z[1][k]}; }

// The callers pick roots by column, so the expected roots are given per
// column (real part, imaginary part).
TEST(CubicEquation, WorkedCubicsKeepTheirColumnOrder) {
  struct Case {
    const char* cubic;
    double a, b, c;
    double re[3], im[3];
  };
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
    const CubicRoots z = CubicEquation(c.a, c.b, c.c);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(z[0][k], c.re[k], 1e-12) << c.cubic << ", column " << k;
      EXPECT_NEAR(z[1][k], c.im[k], 1e-12) << c.cubic << ", column " << k;
    }
  }
}

// On random cubics, every root solves its cubic and the three roots satisfy
// Vieta's identities; three real roots stand as middle, smallest, largest.
TEST(CubicEquation, RandomCubicsRootsSolveTheCubicAndVietaHolds) {
  std::mt19937_64 rng(20261206);
  std::uniform_real_distribution<double> coefficient(-50, 50);
  int threeReal = 0, oneReal = 0;
  for (int n = 0; n < 4000; ++n) {
    const double a = coefficient(rng), b = coefficient(rng), c = coefficient(rng);
    const CubicRoots z = CubicEquation(a, b, c);
    const Complex r0 = Root(z, 0), r1 = Root(z, 1), r2 = Root(z, 2);
    const double scale = 1 + std::max({std::abs(r0), std::abs(r1), std::abs(r2)});
    for (const Complex& r : {r0, r1, r2}) {
      const Complex value = ((r + a) * r + b) * r + c;
      EXPECT_LT(std::abs(value), 1e-9 * scale * scale * scale) << a << " " << b << " " << c;
    }
    EXPECT_LT(std::abs(r0 + r1 + r2 + a), 1e-9 * scale) << a << " " << b << " " << c;
    EXPECT_LT(std::abs(r0 * r1 + r0 * r2 + r1 * r2 - b), 1e-9 * scale * scale);
    EXPECT_LT(std::abs(r0 * r1 * r2 + c), 1e-9 * scale * scale * scale);

    EXPECT_EQ(z[1][0], 0.0);
    if (z[1][1] == 0 && z[1][2] == 0) {
      ++threeReal;
      EXPECT_LE(z[0][1], z[0][0]);
      EXPECT_LE(z[0][0], z[0][2]);
    } else {
      ++oneReal;
      EXPECT_NE(z[1][1], 0);
      EXPECT_EQ(z[1][1], -z[1][2]);
      EXPECT_EQ(z[0][1], z[0][2]);
    }
  }
  // Both the trigonometric and the hyperbolic forms were exercised.
  EXPECT_GT(threeReal, 100);
  EXPECT_GT(oneReal, 100);
}

// Cubics built from three chosen real roots, with the shift a/3 included:
// the roots come back in the order middle, smallest, largest.
TEST(CubicEquation, ThreeChosenRootsComeBackInColumnOrder) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> root(-100, 100);
  for (int n = 0; n < 1000; ++n) {
    double r[3] = {root(rng), root(rng), root(rng)};
    std::sort(r, r + 3);
    if (r[1] - r[0] < 1 || r[2] - r[1] < 1) continue;  // keep clear of double roots
    const double a = -(r[0] + r[1] + r[2]);
    const double b = r[0] * r[1] + r[0] * r[2] + r[1] * r[2];
    const double c = -(r[0] * r[1] * r[2]);
    const CubicRoots z = CubicEquation(a, b, c);
    EXPECT_NEAR(z[0][1], r[0], 1e-8 * 100);
    EXPECT_NEAR(z[0][0], r[1], 1e-8 * 100);
    EXPECT_NEAR(z[0][2], r[2], 1e-8 * 100);
  }
}

}  // namespace
