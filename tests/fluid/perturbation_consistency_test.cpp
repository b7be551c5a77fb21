// The perturbation term's energy, compressibility share and derivatives agree
// with each other across compositions, temperatures on both sides of every
// switch of its correlations, and volumes down to the densest admissible; and
// the term is continuous as a component vanishes from the fluid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/term_consistency.h"
#include "fluid/states.h"

namespace {

using Globals::Composition;
using termcheck::lowestVolume;

const Composition fluids[] = {
    {1, 0, 0, 0, 0},     {0, 1, 0, 0, 0},         {0, 0, 1, 0, 0},     {0, 0, 0, 1, 0},
    {0, 0, 0, 0, 1},     {0.7, 0.3, 0, 0, 0},     {0.8, 0, 0.2, 0, 0}, {0.9, 0, 0, 0.1, 0},
    {0.92, 0, 0, 0, 0.08}, {0, 0.5, 0.5, 0, 0},   {0, 0.3, 0, 0.7, 0}, {0, 0, 0.6, 0.4, 0},
    {0, 0, 0, 0.4, 0.6}, {0.85, 0, 0, 0.1, 0.05}, {0.5, 0.3, 0.2, 0, 0}, {0.8, 0.1, 0, 0.1, 0},
    {0.6, 0.1, 0.1, 0.1, 0.1},
};

// Both sides of the switches: the KCl and NaCl attractions (508.95295 K,
// 540.3 K), tau (573.2 K), H2O–CH4 (621.79 K), the CO2 triples (760.068 K)
// and H2O–KCl–KCl (1000 K).
const double temperatures[] = {300,    508.95, 508.96,  540.29, 540.31, 573.19, 573.21,
                               621.78, 621.8,  760.06, 760.07, 999.99, 1000.01, 1300};
const double limitMultiples[] = {1.01, 2.0, 10.0};

// n·A_per/RT for amounts n_i in the total volume Vt.
double totalReducedEnergy(const Composition& amounts, double T, double Vt) {
  double n = 0;
  for (double ni : amounts) n += ni;
  Composition x{};
  for (int i = 0; i < 5; ++i) x[i] = amounts[i] / n;
  return n * Globals::Perturbation(1, x, T, Vt / n) / (Globals::R * T);
}

// Absent components get their infinite-dilution derivative. At fixed T and
// total volume n·A_per is a polynomial of degree 5 in each amount, so a
// six-point one-sided difference gives its slope at n_i = 0 exactly, up to
// rounding; the shared check's generic difference is not fine enough at
// dense states with a dilute large molecule, so it skips them there.
TEST(PerturbationConsistency, EnergyCompressibilityAndDerivativesAgree) {
  const termcheck::Term term{"perturbation", Globals::Perturbation, &Globals::dGper,
                             termcheck::AbsentComponents::Skip};
  constexpr double h = 1e-3;
  constexpr double weights[6] = {-137, 300, -300, 200, -75, 12};
  for (const Composition& x : fluids)
    for (double T : temperatures)
      for (double factor : limitMultiples) {
        const double V = factor * lowestVolume(x);
        termcheck::ExpectConsistent(term, x, T, V);
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
              << "absent component " << i << " at " << T << " K, " << V << " cm3/mol in {"
              << x[0] << ", " << x[1] << ", " << x[2] << ", " << x[3] << ", " << x[4] << "}";
        }
      }
}

// A factor indexed by position instead of component shows as a step here.
TEST(PerturbationConsistency, VanishingComponentLeavesNoStep) {
  for (const Composition& base : fluids) {
    for (int i = 0; i < 5; ++i) {
      if (base[i] <= 0 || base[i] == 1) continue;
      Composition without = base, dilute = base;
      without[i] = 0;
      dilute[i] = 1e-12;
      for (double T : {450.0, 800.0, 1200.0}) {
        const double V = 1.5 * lowestVolume(base);
        SCOPED_TRACE(testing::Message() << "component " << i << " of fluid {" << base[0] << ", "
                                        << base[1] << ", " << base[2] << ", " << base[3] << ", "
                                        << base[4] << "} at " << T << " K");
        const auto near = [](double a, double b) { EXPECT_NEAR(a, b, 1e-7 * std::max(1.0, std::abs(b))); };
        near(Globals::Perturbation(1, dilute, T, V), Globals::Perturbation(1, without, T, V));
        const double z0 = Globals::Perturbation(2, without, T, V);
        const Composition dG0 = Globals::dGper;
        near(Globals::Perturbation(2, dilute, T, V), z0);
        for (int c = 0; c < 5; ++c) near(Globals::dGper[c], dG0[c]);
      }
    }
  }
}

}  // namespace
