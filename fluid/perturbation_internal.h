// What the perturbation (attraction) term shares between its source files,
// its tests, and the pictures that plot the component parameters.
//
// The term is a density series in 1/V whose coefficients are mixture means of
// products of temperature-dependent component parameters over every
// combination of two to five components, each combination weighted by a
// combining factor. Everything here depends on T and the composition only;
// the volume enters in fluid/perturbation.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "fluid/Globals.h"

namespace Globals::perturbation {

// ---- Component parameters (fluid/perturbation_parameters.cpp) ------------

// Parameters of one component at temperature T (K): the attraction a in
// bar·cm6·mol−2, the co-volume b in cm3/mol, and the dimensionless c, d, e of
// the higher density terms.
struct ComponentParameters {
  double a = 0, b = 0, c = 0, d = 0, e = 0;
};

// For component 0 H2O, 1 CO2, 2 CH4, 3 NaCl, 4 KCl; T > 0.
ComponentParameters ComponentParametersAt(int32_t component, double T);

// The temperature functions every combining factor is built from.
struct TemperatureFunctions {
  double T = 0;       // K
  double t = 0;       // T/100
  double tau = 0;     // H2O–NaCl
  double tauKCl = 0;  // H2O–KCl
};

TemperatureFunctions TemperatureFunctionsAt(double T);

// ---- Combinations of components ----------------------------------------
// A combination of two to five components (repetition allowed, order
// irrelevant) is identified by how often each component occurs in it, written
// as the base-6 number Σ 6^component: its key.

enum Component : int32_t { H2O = 0, CO2 = 1, CH4 = 2, NaCl = 3, KCl = 4 };

constexpr std::array<int32_t, 5> ComponentWeight = {1, 6, 36, 216, 1296};
constexpr int32_t KeyCount = 5 * 1296 + 1;

// Every combination of two to five components has its own index
// 0 … CombinationCount − 1; other keys map to −1.
constexpr int32_t CombinationCount = 15 + 35 + 70 + 126;

namespace detail {
constexpr std::array<int16_t, KeyCount> makeCombinationIndex() {
  std::array<int16_t, KeyCount> index{};
  for (auto& entry : index) entry = -1;
  int16_t next = 0;
  for (int order = 2; order <= 5; ++order) {
    for (int32_t key = 0; key < KeyCount; ++key) {
      int32_t rest = key, size = 0;
      for (int c = 0; c < 5; ++c) {
        size += rest % 6;
        rest /= 6;
      }
      if (size == order) index[key] = next++;
    }
  }
  return index;
}
}  // namespace detail

inline constexpr std::array<int16_t, KeyCount> CombinationIndex = detail::makeCombinationIndex();

template <std::size_t N>
constexpr int32_t CombinationKey(const std::array<int32_t, N>& components) {
  int32_t key = 0;
  for (int32_t c : components) key += ComponentWeight[c];
  return key;
}

// ---- Combining factors (fluid/perturbation_factors.cpp) ------------------

// The combining factor of a combination by its own rule (1.0 where it has
// none); for the combinations of water with both salts this is the value that
// SaltWater*Factor below replaces.
double RuleFactor(int32_t key, const TemperatureFunctions& tf);

template <std::size_t N>
double RuleFactor(const std::array<int32_t, N>& components, const TemperatureFunctions& tf) {
  return RuleFactor(CombinationKey(components), tf);
}

// True for a triple or quadruple that holds H2O, NaCl and KCl together.
bool HoldsWaterAndBothSalts(int32_t key);

// Combinations that hold water and both salts together take, in place of
// their rule factors, geometric means over the combinations of the three pairs
// among them (triples and quadruples only; quintuples keep theirs).
double SaltWaterTripleFactor(const TemperatureFunctions& tf);
double SaltWaterQuadrupleFactor(const TemperatureFunctions& tf);

// The factor a combination finally carries in the mixture sums.
double CombiningFactor(int32_t key, const TemperatureFunctions& tf);

// The n-th root that keeps the sign of a negative argument.
double SignedRoot(double value, double exponent);
double SignedSquareRoot(double value);

// ---- Density-series coefficients (fluid/perturbation_series.cpp) ---------

// The mixture coefficients of the series
//   A_per = −(A1/V + A2/(4V²) + A3/(16V³) + A4/(64V⁴))/10   (J/mol)
// and, per component, the sums whose same series gives d(n·A_per)/dn_i.
struct SeriesCoefficients {
  std::array<double, 4> A{};                   // A1 (pairs) … A4 (quintuples)
  std::array<std::array<double, 4>, 5> D{};    // D1 … D4, by component index
  std::array<bool, 5> hasDerivative{};         // which rows of D were formed
};

// Components with x_i > 0 form the mixture. With derivatives, D is formed for
// every component: for an absent one it is the infinite-dilution value, the
// limit as its amount goes to zero.
SeriesCoefficients SeriesCoefficientsAt(const Composition& x, double T, bool withDerivatives);

}  // namespace Globals::perturbation
