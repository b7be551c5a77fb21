#include "fluid/term_consistency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace termcheck {
namespace {

double scaled(double value) { return std::max(1.0, std::abs(value)); }

std::string describe(const Term& term, const Globals::Composition& x, double T, double V) {
  std::ostringstream s;
  s.precision(17);
  s << term.name << " at x = {" << x[0] << ", " << x[1] << ", " << x[2] << ", " << x[3] << ", "
    << x[4] << "}, T = " << T << " K, V = " << V << " cm3/mol";
  return s.str();
}

// n·A/RT for amounts n_i in a fixed total volume.
double totalReducedHelmholtz(const Term& term, const Globals::Composition& amounts, double T,
                             double totalVolume) {
  double n = 0;
  for (double ni : amounts) n += ni;
  Globals::Composition x{};
  for (int i = 0; i < 5; ++i) x[i] = amounts[i] / n;
  return n * term.function(1, x, T, totalVolume / n) / (Globals::R * T);
}

}  // namespace

void ExpectConsistent(const Term& term, const Globals::Composition& x, double T, double V,
                      double tolerance) {
  SCOPED_TRACE(describe(term, x, T, V));
  const double RT = Globals::R * T;

  const double z0 = term.function(0, x, T, V);
  const double a = term.function(1, x, T, V) / RT;
  const double z2 = term.function(2, x, T, V);
  const Globals::Composition dG = *term.derivatives;
  EXPECT_EQ(z0, z2) << "modes 0 and 2 give different shares of Z";

  // Z_t = -V dA/dV, central difference in ln V.
  const double hV = 1e-5 * V;
  const double dAdV = (term.function(1, x, T, V + hV) - term.function(1, x, T, V - hV)) /
                      (2 * hV) / RT;
  const double zFromA = -V * dAdV;
  EXPECT_LE(std::abs(z0 - zFromA), tolerance * scaled(z0))
      << "Z_t = " << z0 << " but -V·d(A/RT)/dV = " << zFromA;

  // Euler's identity for a normalised composition.
  double sum = 0, xs = 0;
  for (int i = 0; i < 5; ++i) {
    sum += x[i] * dG[i];
    xs += x[i];
  }
  if (std::abs(xs - 1) < 1e-12) {
    EXPECT_LE(std::abs(sum - (a + z0)), tolerance * scaled(a + z0))
        << "Σ x_i·dG_i = " << sum << " but A/RT + Z = " << a + z0;
  }

  // Each derivative against a difference in n_i at fixed total volume.
  const double totalVolume = V * xs;
  for (int i = 0; i < 5; ++i) {
    const double h = 1e-5 * std::max(xs, 1e-3);
    double numeric = 0;
    if (x[i] > 0) {
      if (x[i] <= h) continue;  // too dilute for a central difference
      Globals::Composition up = x, down = x;
      up[i] += h;
      down[i] -= h;
      numeric = (totalReducedHelmholtz(term, up, T, totalVolume) -
                 totalReducedHelmholtz(term, down, T, totalVolume)) / (2 * h);
    } else {
      if (term.absent == AbsentComponents::Skip) continue;
      // Second-order one-sided difference from n_i = 0.
      Globals::Composition one = x, two = x;
      one[i] = h;
      two[i] = 2 * h;
      const double f0 = totalReducedHelmholtz(term, x, T, totalVolume);
      numeric = (-3 * f0 + 4 * totalReducedHelmholtz(term, one, T, totalVolume) -
                 totalReducedHelmholtz(term, two, T, totalVolume)) / (2 * h);
    }
    EXPECT_LE(std::abs(dG[i] - numeric), tolerance * scaled(numeric))
        << "dG[" << i << "] = " << dG[i] << " but the difference quotient gives " << numeric;
  }
}

}  // namespace termcheck
