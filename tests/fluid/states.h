// States shared by the tests of the equation of state and its terms.
#pragma once

#include <array>
#include <vector>

#include "fluid/Globals.h"

namespace termcheck {

struct State {
  Globals::Composition x;
  double T;  // K
  double V;  // cm3/mol
};

// The lowest volume at which the repulsive term is defined, Σ x_i·b_i / 4.
inline double lowestVolume(const Globals::Composition& x) {
  double b = 0;
  for (int i = 0; i < 5; ++i) b += x[i] * Globals::b_ind(i);
  return b / 4;
}

// For the terms: all five components, binaries, pure components and a trace
// component, from 300 to 1300 K, volumes from just above the hard-sphere
// limit to 1e5 cm3/mol.
inline std::vector<State> stateSpread() {
  // All five, pure components, brines, H2O–CO2, no dipole at all, a trace salt.
  const Globals::Composition compositions[] = {
      {0.4, 0.2, 0.15, 0.15, 0.1}, {1, 0, 0, 0, 0},      {0, 1, 0, 0, 0},       {0, 0, 1, 0, 0},
      {0, 0, 0, 1, 0},             {0, 0, 0, 0, 1},      {0.9, 0, 0, 0.1, 0},   {0.8, 0, 0, 0.12, 0.08},
      {0.7, 0.3, 0, 0, 0},         {0, 0.5, 0.5, 0, 0},  {0.999999, 0, 0, 0.000001, 0},
  };
  const double temperatures[] = {300, 700, 1300};
  const double limitMultiples[] = {1.01, 1.1, 2, 10};
  const double volumes[] = {100, 1e3, 1e4, 1e5};
  std::vector<State> states;
  for (const auto& x : compositions) {
    const double vmin = lowestVolume(x);
    for (double T : temperatures) {
      for (double m : limitMultiples) states.push_back({x, T, m * vmin});
      for (double V : volumes) {
        if (V > 10 * vmin) states.push_back({x, T, V});
      }
    }
  }
  return states;
}

}  // namespace termcheck

// For the whole equation of state: liquid-like and vapour-like, pure
// components and mixtures up to all five components.
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
