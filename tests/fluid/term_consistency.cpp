#include "fluid/term_consistency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace termcheck {
namespace {

double scaled(double value) { return std::max(1.0, std::abs(value)); }

// n·A/RT for amounts n_i in a fixed total volume.
double totalReducedHelmholtz(const Term& term, const Globals::Composition& amounts, double T,
                             double totalVolume) {
  double n = 0;
  for (double ni : amounts) n += ni;
  Globals::Composition x{};
  for (int i = 0; i < 5; ++i) x[i] = amounts[i] / n;
  return n * term.function(1, x, T, totalVolume / n) / (Globals::R * T);
}

// f'(0) from central differences, Richardson-extrapolated (error O(h^4)):
// near the hard-sphere limit the functions are steep enough that a plain
// central difference misses a 1e-7 tolerance.
template <class F>
double centralDerivative(F f, double h) {
  const double wide = (f(h) - f(-h)) / (2 * h);
  const double narrow = (f(h / 2) - f(-h / 2)) / h;
  return (4 * narrow - wide) / 3;
}

// f'(0) from f(0), f(h), ..., f(4h) only (error O(h^4)), where f cannot be
// evaluated below 0.
template <class F>
double forwardDerivative(F f, double h) {
  return (-25 * f(0.0) + 48 * f(h) - 36 * f(2 * h) + 16 * f(3 * h) - 3 * f(4 * h)) / (12 * h);
}

// A quiet NaN with a payload no arithmetic produces, to tell "not written".
const double kUnwritten = std::bit_cast<double>(std::uint64_t{0x7ff8dead0000beefULL});

bool isUnwritten(double v) {
  return std::bit_cast<std::uint64_t>(v) == std::bit_cast<std::uint64_t>(kUnwritten);
}

}  // namespace

void ExpectConsistent(const Term& term, const Globals::Composition& x, double T, double V,
                      double tolerance) {
  SCOPED_TRACE(testing::Message() << term.name << " at x = {" << x[0] << ", " << x[1] << ", " << x[2]
                                  << ", " << x[3] << ", " << x[4] << "}, T = " << T << " K, V = " << V);
  const double RT = Globals::R * T;

  double xs = 0;
  for (double xi : x) xs += xi;
  ASSERT_LT(std::abs(xs - 1), 1e-12) << "the identities hold for mole fractions summing to 1";

  // The shared derivative array is written by term mode 2 only. It is the
  // library's own (non-const) array, seen here read-only.
  auto& shared = const_cast<Globals::Composition&>(*term.derivatives);
  shared.fill(kUnwritten);

  const double z0 = term.function(0, x, T, V);
  const double a = term.function(1, x, T, V) / RT;
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(isUnwritten(shared[i])) << "term mode 0 or 1 wrote derivative " << i;
  }
  const double z2 = term.function(2, x, T, V);
  const Globals::Composition dG = shared;
  EXPECT_EQ(z0, z2) << "modes 0 and 2 give different shares of Z";

  // Z_t = -V·d(A/RT)/dV at fixed T and composition.
  const double dAdV = centralDerivative(
      [&](double h) { return term.function(1, x, T, V + h) / RT; }, 1e-5 * V);
  const double zFromA = -V * dAdV;
  EXPECT_LE(std::abs(z0 - zFromA), tolerance * scaled(z0))
      << "Z_t = " << z0 << " but -V·d(A/RT)/dV = " << zFromA;

  // Euler's identity.
  double sum = 0;
  for (int i = 0; i < 5; ++i) sum += x[i] * dG[i];
  EXPECT_LE(std::abs(sum - (a + z0)), tolerance * scaled(a + z0))
      << "Σ x_i·dG_i = " << sum << " but A/RT + Z = " << a + z0;

  // Each derivative against n·A/RT differenced in n_i at fixed total volume
  // (one mole in V).
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE("component " + std::to_string(i));
    if (x[i] <= 0 && term.absent == AbsentComponents::Skip) continue;
    ASSERT_FALSE(isUnwritten(dG[i])) << "term mode 2 left the derivative unwritten";
    const auto F = [&](double dn) {
      Globals::Composition amounts = x;
      amounts[i] += dn;
      return totalReducedHelmholtz(term, amounts, T, V);
    };
    const double h = 1e-5;
    // An absent or very dilute component cannot lose amount: difference
    // forward from its own amount.
    const double numeric = x[i] > h ? centralDerivative(F, h) : forwardDerivative(F, h / 5);
    EXPECT_LE(std::abs(dG[i] - numeric), tolerance * scaled(numeric))
        << "dG[" << i << "] = " << dG[i] << " but the difference quotient gives " << numeric;
  }
}

}  // namespace termcheck
