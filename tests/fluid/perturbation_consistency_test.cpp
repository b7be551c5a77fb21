// The perturbation term's energy, compressibility share and derivatives agree
// with each other (finite differences, Euler's identity) across compositions,
// temperatures on both sides of every switch of its correlations, and volumes
// down to the densest admissible; and the term is continuous as a component
// vanishes from the fluid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/term_consistency.h"

namespace {

using Globals::Composition;

// Absent components get their infinite-dilution derivative. The shared check
// compares it with a second-order one-sided difference, whose truncation error
// at dense states with a dilute large molecule (KCl in water at twice the
// water's lowest volume) exceeds 1e-7; there the exact check below stands in.
const termcheck::Term perturbation{"perturbation", Globals::Perturbation, &Globals::dGper,
                                   termcheck::AbsentComponents::OneSided};
const termcheck::Term perturbationPresentOnly{"perturbation", Globals::Perturbation,
                                              &Globals::dGper, termcheck::AbsentComponents::Skip};

const Composition fluids[] = {
    {1, 0, 0, 0, 0},          {0, 1, 0, 0, 0},         {0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0},          {0, 0, 0, 0, 1},         {0.7, 0.3, 0, 0, 0},
    {0.8, 0, 0.2, 0, 0},      {0.9, 0, 0, 0.1, 0},     {0.92, 0, 0, 0, 0.08},
    {0, 0.5, 0.5, 0, 0},      {0, 0.3, 0, 0.7, 0},     {0, 0, 0.6, 0.4, 0},
    {0, 0, 0, 0.4, 0.6},      {0.85, 0, 0, 0.1, 0.05}, {0.5, 0.3, 0.2, 0, 0},
    {0.8, 0.1, 0, 0.1, 0},    {0.6, 0.1, 0.1, 0.1, 0.1},
};

// Both sides of the switches: the KCl and NaCl attractions (508.95295 K,
// 540.3 K), tau (573.2 K), H2O–CH4 (621.79 K), the CO2 triples (760.068 K)
// and H2O–KCl–KCl (1000 K).
const double temperatures[] = {300,    508.95, 508.96,  540.29, 540.31, 573.19, 573.21,
                               621.78, 621.8,  760.06, 760.07, 999.99, 1000.01, 1300};

// The densest state the equation of state admits: a quarter of the co-volume.
double lowestVolume(const Composition& x) {
  double b = 0;
  for (int i = 0; i < 5; ++i) b += x[i] * Globals::b_ind(i);
  return b / 4;
}

TEST(PerturbationConsistency, EnergyCompressibilityAndDerivativesAgree) {
  for (const Composition& x : fluids)
    for (double T : temperatures)
      for (double factor : {1.01, 2.0, 10.0})
        termcheck::ExpectConsistent(factor < 10 ? perturbationPresentOnly : perturbation, x, T,
                                    factor * lowestVolume(x));
}

// n·A_per/RT for amounts n_i in the total volume Vt.
double totalReducedEnergy(const Composition& amounts, double T, double Vt) {
  double n = 0;
  for (double ni : amounts) n += ni;
  Composition x{};
  for (int i = 0; i < 5; ++i) x[i] = amounts[i] / n;
  return n * Globals::Perturbation(1, x, T, Vt / n) / (Globals::R * T);
}

// At fixed T and total volume, n·A_per is a polynomial of degree 5 in each
// amount, so a six-point one-sided difference gives its slope at n_i = 0
// exactly, up to rounding.
TEST(PerturbationConsistency, AbsentComponentsGetTheirInfiniteDilutionDerivative) {
  constexpr double h = 1e-3;
  constexpr double weights[6] = {-137, 300, -300, 200, -75, 12};
  for (const Composition& x : fluids)
    for (double T : temperatures)
      for (double factor : {1.01, 2.0, 10.0}) {
        const double V = factor * lowestVolume(x);
        Globals::Perturbation(2, x, T, V);
        const Composition dG = Globals::dGper;
        for (int i = 0; i < 5; ++i) {
          if (x[i] > 0) continue;
          double numeric = 0;
          for (int s = 0; s < 6; ++s) {
            Composition amounts = x;
            amounts[i] = s * h;
            numeric += weights[s] * totalReducedEnergy(amounts, T, V);
          }
          numeric /= 60 * h;
          EXPECT_NEAR(dG[i], numeric, 1e-7 * std::max(1.0, std::abs(numeric)))
              << "component " << i << " at " << T << " K, " << V << " cm3/mol in {" << x[0]
              << ", " << x[1] << ", " << x[2] << ", " << x[3] << ", " << x[4] << "}";
        }
      }
}

TEST(PerturbationConsistency, VanishingComponentLeavesNoStep) {
  constexpr double eps = 1e-12;
  for (const Composition& base : fluids) {
    for (int i = 0; i < 5; ++i) {
      if (base[i] <= 0 || base[i] == 1) continue;
      Composition without = base, dilute = base;
      without[i] = 0;
      dilute[i] = eps;
      for (double T : {450.0, 800.0, 1200.0}) {
        const double V = 1.5 * lowestVolume(base);
        SCOPED_TRACE(testing::Message() << "component " << i << " of fluid {" << base[0] << ", "
                                        << base[1] << ", " << base[2] << ", " << base[3] << ", "
                                        << base[4] << "} at " << T << " K");
        const double z0 = Globals::Perturbation(2, without, T, V);
        const Composition dG0 = Globals::dGper;
        const double zEps = Globals::Perturbation(2, dilute, T, V);
        const Composition dGEps = Globals::dGper;
        EXPECT_NEAR(zEps, z0, 1e-7 * std::max(1.0, std::abs(z0)));
        EXPECT_NEAR(Globals::Perturbation(1, dilute, T, V), Globals::Perturbation(1, without, T, V),
                    1e-7 * std::max(1.0, std::abs(Globals::Perturbation(1, without, T, V))));
        for (int c = 0; c < 5; ++c)
          EXPECT_NEAR(dGEps[c], dG0[c], 1e-7 * std::max(1.0, std::abs(dG0[c]))) << "dG " << c;
      }
    }
  }
}

}  // namespace
