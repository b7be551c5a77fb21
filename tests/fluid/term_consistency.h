// Thermodynamic consistency of one equation-of-state term at one state.
//
// A term gives, at composition x, temperature T and molar volume V,
//   mode 0: its share Z_t of the compressibility factor,
//   mode 1: its Helmholtz energy A_t in J/mol,
//   mode 2: Z_t, and dG_i = d(n·A_t/RT)/dn_i at fixed T and total volume.
// The checks tie the three together by identities that any transcription
// error in one of them breaks:
//   Z_t = -V · d(A_t/RT)/dV                       (central difference in V)
//   Σ x_i·dG_i = A_t/RT + Z_t                     (Euler, for Σ x_i = 1)
//   dG_i = d(n·A_t/RT)/dn_i at fixed n·V          (central difference in n_i,
//                                                  forward for absent or trace i)
// The differences are Richardson-extrapolated, so that states just above the
// hard-sphere limit are checked as tightly as dilute ones.
// Each with |error| <= tolerance·max(1, |value|). x must sum to 1.
// Also checked: modes 0 and 1 leave the shared derivative array untouched,
// mode 2 gives the same Z_t as mode 0 and writes every checked entry.
#pragma once

#include <cstdint>
#include <string>

#include "fluid/Globals.h"

namespace termcheck {

using TermFunction = double (*)(int32_t mode, const Globals::Composition& x, double T, double V);

// How the derivative of an absent component (x_i = 0) is checked.
enum class AbsentComponents {
  OneSided,  // against a forward difference (the term writes the infinite-dilution value)
  Skip,      // not checked here: the caller checks it by a finer scheme
};

struct Term {
  std::string name;
  TermFunction function;
  const Globals::Composition* derivatives;  // the shared array mode 2 writes
  AbsentComponents absent = AbsentComponents::OneSided;
};

// Adds a GoogleTest failure, naming the term and the state, for every
// identity that does not hold.
void ExpectConsistent(const Term& term, const Globals::Composition& x, double T, double V,
                      double tolerance = 1e-7);

}  // namespace termcheck
