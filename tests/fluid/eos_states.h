// States of the whole equation of state shared by its tests: liquid-like and
// vapour-like, pure components and mixtures up to all five components.
#pragma once

#include <array>

#include "fluid/Globals.h"

namespace eos {

struct State {
  const char* name;
  Globals::Composition x;
  double T;  // K
  double V;  // cm3/mol
};

inline Globals::Composition pure(int i) {
  Globals::Composition x{};
  x[i] = 1;
  return x;
}

inline const std::array<State, 10> kStates = {{
    {"liquid water", {1, 0, 0, 0, 0}, 573.15, 22},
    {"water vapour", {1, 0, 0, 0, 0}, 673.15, 1500},
    {"dense supercritical water", {1, 0, 0, 0, 0}, 973.15, 30},
    {"CO2", {0, 1, 0, 0, 0}, 473.15, 80},
    {"CH4", {0, 0, 1, 0, 0}, 373.15, 150},
    {"H2O-CO2 liquid-like", {0.8, 0.2, 0, 0, 0}, 673.15, 30},
    {"H2O-CO2 vapour-like", {0.5, 0.5, 0, 0, 0}, 773.15, 400},
    {"H2O-NaCl brine", {0.9, 0, 0, 0.1, 0}, 873.15, 25},
    {"all five, liquid-like", {0.8, 0.05, 0.05, 0.07, 0.03}, 773.15, 28},
    {"all five, vapour-like", {0.6, 0.15, 0.15, 0.06, 0.04}, 873.15, 600},
}};

// Residual Helmholtz energy of the three terms, J/mol.
inline double residualHelmholtz(const Globals::Composition& x, double T, double V) {
  return Globals::Repulsive(1, x, T, V) + Globals::Dipole(1, x, T, V) +
         Globals::Perturbation(1, x, T, V);
}

}  // namespace eos
