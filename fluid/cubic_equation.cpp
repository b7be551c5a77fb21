// Closed-form roots of the monic cubic z^3 + a·z^2 + b·z + c = 0.
//
// The cubic is reduced to t^3 + p·t + q = 0 (z = t − a/3) and solved in the
// hyperbolic-sine form (p > 0), the hyperbolic-cosine form (p < 0, |r| > 1)
// or the trigonometric form (p < 0, |r| ≤ 1). The column order of the roots
// is part of the contract: the modified Redlich–Kwong volume and the
// ice-melting salinity pick their roots by column.
#include <cmath>

#include "fluid/Globals.h"

namespace Globals {

namespace {
constexpr double kOneThird = 0.3333333333333333;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;
}  // namespace

CubicRoots CubicEquation(double a, double b, double c) {
  CubicRoots z{};  // row 0 real parts, row 1 imaginary parts
  const double p = (3 * b - a * a) / 3;
  const double q = (2 * a * a * a - 9 * a * b + 27 * c) / 27;

  // A depressed cubic without its linear or its constant term (the triple
  // root among them) is not solved: all six entries stay 0.
  if (p * q == 0) return z;

  const double sqrt3 = std::sqrt(3.0);
  if (p > 0) {
    // One real root and a complex-conjugate pair.
    const double m = 2 * std::sqrt(p / 3);
    const double r = 3 * q / (p * m);
    const double w = r + std::sqrt(r * r + 1);
    const double e1 = std::pow(w, kOneThird);
    const double e2 = std::pow(w, -kOneThird);
    z[0][0] = -m * (e1 - e2) / 2;
    z[0][1] = m * (e1 - e2) / 4;
    z[0][2] = m * (e1 - e2) / 4;
    z[1][0] = 0;
    z[1][1] = -m * sqrt3 * (e1 + e2) / 4;
    z[1][2] = +m * sqrt3 * (e1 + e2) / 4;
  } else if (p < 0) {
    const double m = 2 * std::sqrt(-p / 3);
    const double r = 3 * q / (2 * p * std::sqrt(-p / 3));
    if (r > 1 || r < -1) {
      // One real root and a complex-conjugate pair.
      if (r < -1) {
        const double w = -r + std::sqrt(r * r - 1);
        const double e1 = std::pow(w, kOneThird);
        const double e2 = std::pow(w, -kOneThird);
        z[0][2] = m * (e1 + e2) / 4;
        z[1][2] = -m * sqrt3 * (e1 - e2) / 4;
      } else {
        const double w = r + std::sqrt(r * r - 1);
        const double e1 = std::pow(w, kOneThird);
        const double e2 = std::pow(w, -kOneThird);
        z[0][2] = -m * (e1 + e2) / 4;
        z[1][2] = +m * sqrt3 * (e1 - e2) / 4;
      }
      z[0][1] = z[0][2];
      z[1][1] = -z[1][2];
      z[0][0] = -2 * z[0][2];
      z[1][0] = 0;
    } else {
      // Three real roots: column 2 the largest, 0 the middle, 1 the smallest.
      double theta;
      if (r == 1) {
        theta = 0;
      } else if (r == -1) {
        theta = kPi;
      } else {
        theta = kHalfPi - std::atan(r / std::sqrt(1 - r * r));  // arccos r
      }
      z[0][0] = m * std::cos((theta + kFourPi) / 3);
      z[0][1] = m * std::cos((theta + kTwoPi) / 3);
      z[0][2] = m * std::cos(theta / 3);
      z[1][0] = 0;
      z[1][1] = 0;
      z[1][2] = 0;
    }
  }

  for (int k = 0; k < 3; ++k) z[0][k] = z[0][k] - a / 3;
  return z;
}

}  // namespace Globals
