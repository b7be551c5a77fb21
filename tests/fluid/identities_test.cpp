// Thermodynamic identities that tie the three terms' energies, compressibility
// shares and derivatives together, and the fugacity coefficients to the
// pressure alone: a transcription error in any one of them breaks one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace {

using Globals::Composition;
using TermFunction = double (*)(int32_t mode, const Composition& x, double T, double V);

double Scaled(double v) { return std::max(1.0, std::abs(v)); }

// n·A_t/RT for the amounts n_i in the total volume Vt.
double TotalReducedEnergy(TermFunction term, const Composition& n, double T, double Vt) {
  double sum = 0;
  for (double ni : n) sum += ni;
  Composition x{};
  for (int i = 0; i < 5; ++i) x[i] = n[i] / sum;
  return sum * term(1, x, T, Vt / sum) / (Globals::R * T);
}

// f'(0) by central differences, Richardson-extrapolated (error O(h^4)): near
// the hard-sphere limit a plain central difference is not close enough.
template <class F>
double CentralSlope(F f, double h) {
  return (4 * (f(h / 2) - f(-h / 2)) / h - (f(h) - f(-h)) / (2 * h)) / 3;
}

// f'(0) from f(0) … f(5h): exact for a polynomial of degree 5, for an amount
// that cannot go below 0.
template <class F>
double ForwardSlope(F f, double h) {
  const double w[6] = {-137, 300, -300, 200, -75, 12};
  double s = 0;
  for (int k = 0; k < 6; ++k) s += w[k] * f(k * h);
  return s / (60 * h);
}

// For each term t, with Z_t its share of Z, A_t its Helmholtz energy and
// dG_i = d(n·A_t/RT)/dn_i at fixed T and total volume:
//   Z_t = −V·∂(A_t/RT)/∂V,   Σ x_i·dG_i = A_t/RT + Z_t,
//   dG_i against a difference quotient in n_i (forward for absent components,
//   whose infinite-dilution value is written too).
// At fixed T and total volume n·A_per is a polynomial of degree 5 in each
// amount, so its forward quotient may take a wide step.
TEST(Identities, TermsEnergiesSharesAndDerivativesAgree) {
  struct Term { const char* name; TermFunction f; const Composition* dG; double absentStep; };
  const Term terms[] = {{"repulsive", Globals::Repulsive, &Globals::dGrep, 1e-5},
                        {"dipolar", Globals::Dipole, &Globals::dGdip, 1e-5},
                        {"perturbation", Globals::Perturbation, &Globals::dGper, 1e-3}};
  const Composition fluids[] = {{1, 0, 0, 0, 0},     {0, 1, 0, 0, 0},       {0, 0, 0, 0, 1},
                                {0.7, 0.3, 0, 0, 0}, {0.9, 0, 0, 0.1, 0},   {0, 0.5, 0.5, 0, 0},
                                {0, 0.3, 0, 0.7, 0}, {0.85, 0, 0, 0.1, 0.05}, {0.4, 0.2, 0.15, 0.15, 0.1}};
  for (const Term& t : terms)
    for (const Composition& x : fluids)
      for (double T : {300.0, 560.0, 700.0, 1100.0})
        for (double factor : {1.01, 1.5, 10.0}) {
          const double V = factor * Globals::LowestVolumesOf(x).repulsive, RT = Globals::R * T;
          SCOPED_TRACE(testing::Message() << t.name << " at x = {" << x[0] << ", " << x[1] << ", " << x[2] << ", "
                                          << x[3] << ", " << x[4] << "}, " << T << " K, " << V << " cm3/mol");
          const double z = t.f(0, x, T, V), a = t.f(1, x, T, V) / RT;
          ASSERT_EQ(t.f(2, x, T, V), z);
          const Composition dG = *t.dG;
          const double zFromA = -V * CentralSlope([&](double h) { return t.f(1, x, T, V + h) / RT; }, 1e-5 * V);
          EXPECT_NEAR(z, zFromA, 1e-7 * Scaled(z));
          double sum = 0;
          for (int i = 0; i < 5; ++i) sum += x[i] * dG[i];
          EXPECT_NEAR(sum, a + z, 1e-7 * Scaled(a + z));
          for (int i = 0; i < 5; ++i) {
            const auto F = [&](double dn) {
              Composition n = x;
              n[i] += dn;
              return TotalReducedEnergy(t.f, n, T, V);
            };
            const double numeric = x[i] > 0 ? CentralSlope(F, 1e-5) : ForwardSlope(F, t.absentStep);
            EXPECT_NEAR(dG[i], numeric, 1e-7 * Scaled(numeric)) << "component " << i;
          }
        }
}

// ln φ = ∫_V^∞ (Z − 1)/V′ dV′ + Z − 1 − ln Z for a pure component, the integral
// taken over the density 0 … 1/V by composite five-point Gauss–Legendre
// quadrature, Z from the pressure alone.
TEST(Identities, PureComponentCoefficientFollowsFromThePressure) {
  static constexpr double node[5] = {-0.9061798459386640, -0.5384693101056831, 0, 0.5384693101056831,
                                     0.9061798459386640};
  static constexpr double weight[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                       0.4786286704993665, 0.2369268850561891};
  struct Case { int component; double T, V; };
  for (const Case& c : {Case{0, 673.15, 25}, Case{0, 873.15, 300}, Case{1, 473.15, 70}, Case{2, 373.15, 120},
                        Case{3, 1273.15, 35}, Case{4, 1273.15, 40}}) {
    SCOPED_TRACE(c.component);
    Composition x{};
    x[c.component] = 1;
    const int panels = 24;
    const double width = 1 / c.V / panels;
    double integral = 0;
    for (int p = 0; p < panels; ++p)
      for (int k = 0; k < 5; ++k) {
        const double rho = (p + 0.5) * width + node[k] * width / 2;
        const double Z = Globals::Pressure(x, c.T, 1 / rho) / (Globals::R * c.T * rho);
        integral += weight[k] * (Z - 1) / rho * width / 2;
      }
    const double Z = Globals::Compressibility(x, c.T, c.V);
    const double expected = integral + Z - 1 - std::log(Z);
    Globals::Fugacities(x, c.T, Globals::Pressure(x, c.T, c.V), c.V);
    EXPECT_NEAR(std::log(Globals::Coefficient[c.component]), expected, 1e-8 * Scaled(expected));
  }
}

}  // namespace
