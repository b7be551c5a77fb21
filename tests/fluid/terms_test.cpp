// The shared state, and the repulsive and dipolar terms: closed forms, the
// consistency identities, invalid input, yields and re-entrant calls. Input
// handling, yields and re-entrancy are checked for the perturbation term here too.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"
#include "fluid/term_consistency.h"
#include "fluid/states.h"
#include "yield_counter.h"

namespace {

using Globals::Composition;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const termcheck::Term kRepulsive{"Repulsive", &Globals::Repulsive, &Globals::dGrep};
const termcheck::Term kDipole{"Dipole", &Globals::Dipole, &Globals::dGdip};
const termcheck::Term kPerturbation{"Perturbation", &Globals::Perturbation, &Globals::dGper};
const Composition kWater{1, 0, 0, 0, 0}, kBrine{0.9, 0, 0, 0.1, 0}, kGas{0, 0.5, 0.5, 0, 0};

TEST(SharedState, StartUpZeroesEverythingAndConstantsStandExact) {
  Globals::Tcrit = {1, 2, 3, 4, 5};
  Globals::InitializeSharedArrays();
  using namespace Globals;
  for (const Composition* a : {&fraction, &ASnumber, &MASSnumber, &Mnumber, &Ttrip, &Tcrit, &Pcrit, &Vcrit,
                               &Acentric, &dGrep, &dGdip, &dGper, &Coefficient, &Fugacity, &Activity,
                               &K_liq_vap, &xgas, &ygas})
    EXPECT_EQ(*a, Composition{});
  for (double s : {TK_global, PMPa_global, Vm_global}) EXPECT_EQ(s, 0.0);
  struct Case { int i; double b, mu; };
  for (const Case& c : {Case{0, 28.4959, 1.85}, Case{1, 49.52, 0}, Case{2, 44.0, 0}, Case{3, 60.0124, 6.4},
                        Case{4, 81.783, 7.3}, Case{5, 0, 0}, Case{-1, 0, 0}}) {
    EXPECT_EQ(Globals::b_ind(c.i), c.b) << c.i;
    EXPECT_EQ(Globals::mu_ind(c.i), c.mu) << c.i;
  }
  Globals::CriticalValues();
  EXPECT_EQ(Globals::Tcrit[0], 647.096);
  EXPECT_EQ(Globals::Pcrit[0], 22.064);
  EXPECT_EQ(Globals::Ttrip[2], 90.6941);
  EXPECT_EQ(Globals::Vcrit[1], 94.118905);
  EXPECT_EQ(Globals::Vcrit[4], 80.0);
  EXPECT_EQ(Globals::Acentric[0], 0.344);
  EXPECT_EQ(Globals::Acentric[3], 0.0);
}

TEST(Terms, RepulsiveAndDipoleAreThermodynamicallyConsistent) {
  for (const termcheck::State& s : termcheck::stateSpread()) {
    termcheck::ExpectConsistent(kRepulsive, s.x, s.T, s.V);
    termcheck::ExpectConsistent(kDipole, s.x, s.T, s.V);
  }
}

// Boublik–Mansoori hard spheres in the moments ξ_k = (π·N_A/6)/V·Σ x_i·σ_i^k,
// with σ_i from b_i; for a pure fluid it reduces to Carnahan–Starling.
TEST(Repulsive, FollowsTheHardSphereMixtureForm) {
  const Composition mixtures[] = {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0},   {0, 0, 1, 0, 0},
                                  {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1},   {0.9, 0, 0, 0.1, 0},
                                  {0.5, 0.5, 0, 0, 0}, {0.4, 0.2, 0.15, 0.15, 0.1}};
  for (const Composition& x : mixtures) {
    for (double factor : {1.05, 4.0, 120.0}) {
      const double V = factor * termcheck::lowestVolume(x), T = 900;
      double xi[4] = {};
      for (int i = 0; i < 5; ++i) {
        const double sigma = std::cbrt(3 * Globals::b_ind(i) / (2 * M_PI * 6.02214e23));
        for (int k = 0; k < 4; ++k) xi[k] += M_PI * 6.02214e23 / 6 / V * x[i] * std::pow(sigma, k);
      }
      const double e = 1 - xi[3];
      const double z = 1 / e + 3 * xi[1] * xi[2] / (xi[0] * e * e) +
                       (3 - xi[3]) * std::pow(xi[2], 3) / (xi[0] * std::pow(e, 3)) - 1;
      const double c = std::pow(xi[2], 3) / (xi[0] * xi[3] * xi[3]);
      const double aRT = (c - 1) * std::log(e) + 3 * xi[1] * xi[2] / (xi[0] * e) +
                         std::pow(xi[2], 3) / (xi[0] * xi[3] * e * e);
      EXPECT_NEAR(Globals::Repulsive(0, x, T, V), z, 1e-12 * z) << x[0] << " " << V;
      EXPECT_NEAR(Globals::Repulsive(1, x, T, V) / (8.314472 * T), aRT, 1e-12 * aRT) << V;
    }
  }
}

// Only component p carries a dipole: S2 = x_p²·b_p·μ*⁴, S3 = x_p³·b_p²·μ*⁶,
// while every component enters the co-volume b_ij = (b_i^⅓ + b_j^⅓)³/8. The
// dipole conversion has nine digits, the Boltzmann constant is that of 1986.
TEST(Dipole, OnePolarComponentFollowsItsClosedForm) {
  struct Case { int p; Composition x; };
  const double mu[] = {1.85, 0, 0, 6.4, 7.3};
  for (const Case& c : {Case{0, {1, 0, 0, 0, 0}}, Case{3, {0, 0, 0, 1, 0}},
                        Case{4, {0, 0, 0, 0, 1}}, Case{0, {0.5, 0.2, 0.3, 0, 0}},
                        Case{3, {0, 0.4, 0.1, 0.5, 0}}}) {
    const double bp = Globals::b_ind(c.p);
    double bq = 0;
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j)
        bq += c.x[i] * c.x[j] *
              std::pow(std::cbrt(Globals::b_ind(i)) + std::cbrt(Globals::b_ind(j)), 3) / 8;
    for (double T : {300.0, 1300.0}) {
      // 5 cm3/mol lies below the hard-sphere limit: this term evaluates it all the same.
      for (double V : {5.0, 15.0, 40.0, 2000.0}) {
        const double m2 = std::pow(3.16227766e-22 * mu[c.p], 2) /
                          (3 * bp / 3.7838200831266955e24 * 1.380658e-23 * T);
        const double eta = bq / (4 * V);
        const double J2 = 1 + 1.6054 * eta - 4.4521 * eta * eta + 10.0368 * std::pow(eta, 3);
        const double J3 = 1 + 0.35147 * eta - 1.83943 * eta * eta + 5.95676 * std::pow(eta, 3);
        const double A2 = -4.0 / 3 * J2 * std::pow(c.x[c.p], 2) * bp * m2 * m2 / (4 * V);
        const double A3 = 10.0 / 9 * J2 * J3 * std::pow(c.x[c.p], 3) * bp * bp *
                          std::pow(m2, 3) / (16 * V * V);
        const double expected = A2 * A2 / (A2 - A3) * 8.314472 * T;
        EXPECT_NEAR(Globals::Dipole(1, c.x, T, V), expected, 1e-12 * std::abs(expected))
            << "polar " << c.p << ", x0 " << c.x[0] << ", T " << T << ", V " << V;
      }
    }
  }
}

// No dipole at all, or the two Padé orders equal (a negative salt fraction
// and an absurdly small volume drive both to −∞): 0, and every derivative 0.
TEST(Dipole, NoDipoleOrEqualOrdersGiveZero) {
  struct Case { Composition x; double V; };
  for (const Case& c : {Case{{0, 1, 0, 0, 0}, 60}, Case{kGas, 60}, Case{{}, 60},
                        Case{{2, 0, 0, -1, 0}, 1e-110}}) {
    EXPECT_EQ(Globals::Dipole(0, c.x, 650, c.V), 0.0);
    EXPECT_EQ(Globals::Dipole(1, c.x, 650, c.V), 0.0);
    Globals::dGdip.fill(NaN);
    EXPECT_EQ(Globals::Dipole(2, c.x, 650, c.V), 0.0);
    EXPECT_EQ(Globals::dGdip, Composition{}) << "all five written, all 0";
  }
}

// Invalid input gives 0 in every mode and leaves the derivatives of the last
// valid call in place.
TEST(Terms, InvalidInputGivesZeroAndWritesNothing) {
  const termcheck::Term* all[] = {&kRepulsive, &kDipole, &kPerturbation};
  struct Case { const char* what; Composition x; double T, V; const termcheck::Term* only; };
  const Case cases[] = {
      {"T = 0", kBrine, 0, 50, nullptr},         {"T < 0", kBrine, -300, 50, nullptr},
      {"T NaN", kBrine, NaN, 50, nullptr},       {"V = 0", kBrine, 700, 0, nullptr},
      {"V < 0", kBrine, 700, -50, nullptr},      {"V NaN", kBrine, 700, NaN, nullptr},
      // Below, at, and just under the hard-sphere term's own lowest volume
      // 28.4959/4 (the equation of state's lowest volume uses 28.459/4).
      {"H2O at 28.459/4", kWater, 700, 28.459 / 4, &kRepulsive},
      {"H2O at its hard-sphere limit", kWater, 700,
       Globals::LowestVolumesOf(kWater).repulsive, &kRepulsive},
      {"brine below its hard-sphere limit", kBrine, 700, 7.9, &kRepulsive},
      // Without any substance there is no mixture to size.
      {"all-zero composition", Composition{}, 700, 50, &kRepulsive},
  };
  for (const Case& c : cases) {
    for (const termcheck::Term* term : all) {
      if (c.only && c.only != term) continue;
      auto& shared = const_cast<Composition&>(*term->derivatives);
      for (int mode : {0, 1, 2, 3, -1}) {
        const Composition before = {1.5, -2.5, 3.5, -4.5, 5.5};
        shared = before;
        const double T = mode > 2 || mode < 0 ? 700 : c.T;  // other modes: valid state
        const double V = mode > 2 || mode < 0 ? 50 : c.V;
        EXPECT_EQ(term->function(mode, c.x, T, V), 0.0) << term->name << ", " << c.what << ", mode " << mode;
        EXPECT_EQ(shared, before) << term->name << ", " << c.what << ", mode " << mode;
      }
    }
  }
  const double above = std::nextafter(Globals::LowestVolumesOf(kWater).repulsive, 1e9);
  EXPECT_GT(Globals::Repulsive(0, kWater, 700, above), 1e40);
  EXPECT_TRUE(std::isfinite(Globals::Repulsive(0, kWater, 700, above)));
}

// The repulsive diameter loop runs before the input is checked, mode 2 adds
// the derivative loop; the dipolar term loops over all 125 triples, present
// and polar or not, and refuses invalid input first; the perturbation term's
// innermost loop over five present components runs 3125 times.
TEST(Terms, YieldOncePerLoopPass) {
  const auto yieldsOf = [](termcheck::TermFunction f, int mode, const Composition& x, double T) {
    YieldCounter y;
    f(mode, x, T, 40);
    return y.count();
  };
  const int dipole = yieldsOf(Globals::Dipole, 0, kBrine, 650);
  EXPECT_GE(dipole, 125);
  struct Case { termcheck::TermFunction f; int mode; Composition x; double T; int yields; };
  for (const Case& c : {Case{Globals::Repulsive, 0, kBrine, 700, 5}, Case{Globals::Repulsive, 7, kBrine, 700, 5},
                        Case{Globals::Repulsive, 2, kBrine, 700, 10}, Case{Globals::Repulsive, 2, kBrine, -1, 5},
                        Case{Globals::Dipole, 0, kGas, 650, dipole}, Case{Globals::Dipole, 1, kBrine, 650, dipole},
                        Case{Globals::Dipole, 3, kBrine, 650, dipole}, Case{Globals::Dipole, 2, kBrine, 650, dipole + 5},
                        Case{Globals::Dipole, 2, kBrine, -1, 0}})
    EXPECT_EQ(yieldsOf(c.f, c.mode, c.x, c.T), c.yields) << (c.f == Globals::Dipole) << " " << c.mode << " " << c.T;
  EXPECT_GT(yieldsOf(Globals::Perturbation, 2, {0.6, 0.1, 0.1, 0.1, 0.1}, 820), 3125);
}

// Another window's calculation may run while this one yields; the shared
// derivatives and the result must be those of this call, not a mixture.
TEST(Terms, AReentrantCalculationDuringAYieldDoesNotMixStates) {
  const Composition allFive = {0.6, 0.1, 0.1, 0.1, 0.1};
  for (const termcheck::Term* term : {&kRepulsive, &kDipole, &kPerturbation}) {
    SCOPED_TRACE(term->name);
    const double expectedZ = term->function(2, allFive, 820, 37);
    const Composition expected = *term->derivatives;
    int yields = 0;
    bool inside = false;
    const RuntimeYieldHook previous = SetRuntimeYieldHook([&] {
      if (inside || ++yields % 7 != 1) return;
      inside = true;
      term->function(2, kGas, 400, 300);
      term->function(2, kBrine, 500, 60);
      inside = false;
    });
    const double z = term->function(2, allFive, 820, 37);
    SetRuntimeYieldHook(previous);
    EXPECT_GT(yields, 1);
    EXPECT_EQ(z, expectedZ);
    EXPECT_EQ(*term->derivatives, expected);
  }
}

}  // namespace
