// Combining factors of the perturbation term: the temperature-dependent
// weights of the pair, triple, quadruple and quintuple combinations of
// components in the mixture coefficients. A combination without a rule of its
// own has the factor 1.0; tau carries the H2O–NaCl rules, tau_KCl the H2O–KCl
// ones.
#include <cmath>

#include "fluid/perturbation_internal.h"

namespace Globals::perturbation {
namespace {

using FactorFunction = double (*)(const TemperatureFunctions&);

// c0 + c1·T + c2·T² + cInv/T, the power formed as (c2·T)·T; a zero cInv means
// the rule has no 1/T term.
struct TemperaturePolynomial {
  double c0, c1, c2, cInv;
};

double evaluate(const TemperaturePolynomial& p, double T) {
  double value = (p.c0 + p.c1 * T) + (p.c2 * T) * T;
  if (p.cInv != 0) value = value + p.cInv / T;
  return value;
}

// ---- Pairs ---------------------------------------------------------------

//                                                c0            c1              c2               1/T
constexpr TemperaturePolynomial waterCO2Pair     {0.88868,     -0.00017347,    4.038e-07,       0};
constexpr TemperaturePolynomial waterCH4PairLow  {-9.66938,    0.017232,       -8.0121744e-06,  1856.526};
constexpr TemperaturePolynomial waterCH4PairHigh {1.8132932,   -0.0004084253,  1.11761627e-07,  -416.07276};
constexpr TemperaturePolynomial co2NaClPair      {-1.73355444, 0.00560408826,  -2.70381422e-06, 0};
constexpr TemperaturePolynomial ch4NaClPair      {-9.91854,    0.0154923,      -6.1422041e-06,  2219.4295};

double waterCO2(const TemperatureFunctions& f) { return evaluate(waterCO2Pair, f.T); }

double waterCH4(const TemperatureFunctions& f) {
  return f.T < 621.79 ? evaluate(waterCH4PairLow, f.T) : evaluate(waterCH4PairHigh, f.T);
}

double waterNaCl(const TemperatureFunctions& f) {
  const double t = f.t;
  const double bracket = -3.0873 + 1.2688 * t - (0.1185 * t) * t + ((0.0036853 * t) * t) * t +
                         0.4213 * std::exp(-1.3614 * ((t - 5.491) * (t - 5.491)));
  return bracket * f.tau;
}

double waterKCl(const TemperatureFunctions& f) {
  const double bracket = 1.7748 - 0.05493 * f.t + 0.03794 * std::exp(0.4159 * (f.t - 5.107));
  return bracket * f.tauKCl;
}

double co2NaCl(const TemperatureFunctions& f) { return evaluate(co2NaClPair, f.T); }
double ch4NaCl(const TemperatureFunctions& f) { return evaluate(ch4NaClPair, f.T); }
double naclKCl(const TemperatureFunctions&) { return 1.0308; }

// ---- Triples -------------------------------------------------------------

//                                                   c0           c1               c2          1/T
constexpr TemperaturePolynomial carbonDioxideTripleLow  {1.41683554, -0.000702857143, 0,          0};
constexpr TemperaturePolynomial carbonDioxideTripleHigh {1.03463,    -0.0002,         0,          0};
constexpr TemperaturePolynomial waterCO2NaClTriple      {-0.207,     0.00227,         -1.051e-06, 0};
constexpr TemperaturePolynomial waterCH4NaClTriple      {2.1535,     -0.0027075,      1.25e-06,   0};

// The linear rules carry no T² term: evaluated as c0 + c1·T alone.
double linear(const TemperaturePolynomial& p, double T) { return p.c0 + p.c1 * T; }

// H2O–H2O–CO2, H2O–CO2–CO2, CO2–CO2–NaCl and CO2–NaCl–NaCl.
double carbonDioxideTriple(const TemperatureFunctions& f) {
  return f.T < 760.068 ? linear(carbonDioxideTripleLow, f.T) : linear(carbonDioxideTripleHigh, f.T);
}

double waterWaterNaCl(const TemperatureFunctions& f) {
  const double t = f.t;
  const double bracket =
      0.7865 + 0.1487 * t + 0.2537 * std::exp(-1.162e-06 * std::pow(t - 0.57315, 8.0));
  return bracket * f.tau;
}

double waterNaClNaCl(const TemperatureFunctions& f) {
  const double t = f.t;
  const double bracket = 1.4194 + 0.06552 * t + 0.2058 * std::exp(-1.604 * ((t - 5.667) * (t - 5.667)));
  return bracket * f.tau;
}

double waterWaterKCl(const TemperatureFunctions& f) { return (1.6227 + 0.04733 * f.t) * f.tauKCl; }

// Above 1000 K the published coefficients 2.3277 and 0.0049 are taken as the
// value and slope (per K) of the branch below at 1000 K, so the factor runs on
// continuously; applied to T itself they would jump to about 7.2.
double waterKClKCl(const TemperatureFunctions& f) {
  double bracket;
  if (f.T < 1000) {
    bracket = 2.12 + 2.403e-05 * std::exp(2.371 * (f.t - 6.177));
  } else {
    bracket = 2.3277 + 0.0049 * (f.T - 1000);
  }
  return bracket * f.tauKCl;
}

double ch4NaClSalt(const TemperatureFunctions&) { return 0.9; }
double naclNaClKCl(const TemperatureFunctions&) { return 0.9886; }
double waterCO2NaCl(const TemperatureFunctions& f) { return evaluate(waterCO2NaClTriple, f.T); }
double waterCH4NaCl(const TemperatureFunctions& f) { return evaluate(waterCH4NaClTriple, f.T); }

// ---- Quadruples ----------------------------------------------------------

double quadrupleWWWN(const TemperatureFunctions& f) { return 1.293 * f.tau; }
double quadrupleWWNN(const TemperatureFunctions& f) { return 1.389 * f.tau; }
double quadrupleWNNN(const TemperatureFunctions& f) {
  const double s = (f.t - 5.7315) * (f.t - 5.7315);
  return (1.306 + 0.091 * std::exp(-1.72 * s)) * f.tau;
}
double quadrupleWWWK(const TemperatureFunctions& f) { return 1.34 * f.tauKCl; }
double quadrupleWWKK(const TemperatureFunctions& f) { return 1.49 * f.tauKCl; }
double quadrupleWKKK(const TemperatureFunctions& f) { return 1.43 * f.tauKCl; }

// ---- Quintuples ----------------------------------------------------------

double tau(const TemperatureFunctions& f) { return f.tau; }
double tauKCl(const TemperatureFunctions& f) { return f.tauKCl; }

double k5CO2(const TemperatureFunctions& f) {
  return (1.28262 - 0.000732919762 * f.T) + (3.51190476e-07 * f.T) * f.T;
}

double k5CH4(const TemperatureFunctions& f) {
  return ((-1.24172253 + 0.00255545498 * f.T) - (8.0087098e-07 * f.T) * f.T) + 477.226866 / f.T;
}

// ---- The tables, one combination a row (component indices ascending) ----

template <std::size_t N>
struct Row {
  std::array<int32_t, N> components;
  FactorFunction factor;
};

constexpr Row<2> pairRows[] = {
    {{H2O, CO2}, waterCO2},
    {{H2O, CH4}, waterCH4},
    {{H2O, NaCl}, waterNaCl},
    {{H2O, KCl}, waterKCl},
    {{CO2, NaCl}, co2NaCl},
    {{CH4, NaCl}, ch4NaCl},
    {{NaCl, KCl}, naclKCl},
};

constexpr Row<3> tripleRows[] = {
    {{H2O, H2O, CO2}, carbonDioxideTriple},
    {{H2O, CO2, CO2}, carbonDioxideTriple},
    {{H2O, H2O, NaCl}, waterWaterNaCl},
    {{H2O, NaCl, NaCl}, waterNaClNaCl},
    {{H2O, H2O, KCl}, waterWaterKCl},
    {{H2O, KCl, KCl}, waterKClKCl},
    {{CO2, CO2, NaCl}, carbonDioxideTriple},
    {{CO2, NaCl, NaCl}, carbonDioxideTriple},
    {{CH4, CH4, NaCl}, ch4NaClSalt},
    {{CH4, NaCl, NaCl}, ch4NaClSalt},
    {{NaCl, NaCl, KCl}, naclNaClKCl},
    {{H2O, CO2, NaCl}, waterCO2NaCl},
    {{H2O, CH4, NaCl}, waterCH4NaCl},
};

constexpr Row<4> quadrupleRows[] = {
    {{H2O, H2O, H2O, NaCl}, quadrupleWWWN},
    {{H2O, H2O, NaCl, NaCl}, quadrupleWWNN},
    {{H2O, NaCl, NaCl, NaCl}, quadrupleWNNN},
    {{H2O, H2O, H2O, KCl}, quadrupleWWWK},
    {{H2O, H2O, KCl, KCl}, quadrupleWWKK},
    {{H2O, KCl, KCl, KCl}, quadrupleWKKK},
};

constexpr Row<5> quintupleRows[] = {
    {{H2O, H2O, H2O, H2O, NaCl}, tau},
    {{H2O, H2O, H2O, NaCl, NaCl}, tau},
    {{H2O, H2O, NaCl, NaCl, NaCl}, tau},
    {{H2O, NaCl, NaCl, NaCl, NaCl}, tau},
    {{H2O, H2O, H2O, H2O, KCl}, tauKCl},
    {{H2O, H2O, H2O, KCl, KCl}, tauKCl},
    {{H2O, H2O, KCl, KCl, KCl}, tauKCl},
    {{H2O, KCl, KCl, KCl, KCl}, tauKCl},
    {{H2O, H2O, H2O, H2O, CO2}, k5CO2},
    {{H2O, H2O, H2O, CO2, CO2}, k5CO2},
    {{H2O, H2O, CO2, CO2, CO2}, k5CO2},
    {{H2O, CO2, CO2, CO2, CO2}, k5CO2},
    {{CO2, CO2, CO2, CO2, NaCl}, k5CO2},
    {{CO2, CO2, CO2, NaCl, NaCl}, k5CO2},
    {{CO2, CO2, NaCl, NaCl, NaCl}, k5CO2},
    {{CO2, NaCl, NaCl, NaCl, NaCl}, k5CO2},
    {{H2O, H2O, H2O, CO2, NaCl}, k5CO2},
    {{H2O, H2O, CO2, CO2, NaCl}, k5CO2},
    {{H2O, H2O, CO2, NaCl, NaCl}, k5CO2},
    {{H2O, CO2, CO2, CO2, NaCl}, k5CO2},
    {{H2O, CO2, CO2, NaCl, NaCl}, k5CO2},
    {{H2O, CO2, NaCl, NaCl, NaCl}, k5CO2},
    {{H2O, H2O, H2O, H2O, CH4}, k5CH4},
    {{H2O, H2O, H2O, CH4, CH4}, k5CH4},
    {{H2O, H2O, CH4, CH4, CH4}, k5CH4},
    {{H2O, CH4, CH4, CH4, CH4}, k5CH4},
    {{CH4, CH4, CH4, CH4, NaCl}, k5CH4},
    {{CH4, CH4, CH4, NaCl, NaCl}, k5CH4},
    {{CH4, CH4, NaCl, NaCl, NaCl}, k5CH4},
    {{CH4, NaCl, NaCl, NaCl, NaCl}, k5CH4},
    {{H2O, H2O, H2O, CH4, NaCl}, k5CH4},
    {{H2O, H2O, CH4, CH4, NaCl}, k5CH4},
    {{H2O, H2O, CH4, NaCl, NaCl}, k5CH4},
    {{H2O, CH4, CH4, CH4, NaCl}, k5CH4},
    {{H2O, CH4, CH4, NaCl, NaCl}, k5CH4},
    {{H2O, CH4, NaCl, NaCl, NaCl}, k5CH4},
};

// The rule of every combination, found by its index instead of a search.
struct RuleTable {
  std::array<FactorFunction, CombinationCount> byIndex{};
};

template <std::size_t N, std::size_t M>
constexpr void enter(RuleTable& table, const Row<N> (&rows)[M]) {
  for (const Row<N>& row : rows) table.byIndex[CombinationIndex[CombinationKey(row.components)]] = row.factor;
}

constexpr RuleTable makeRuleTable() {
  RuleTable table;
  enter(table, pairRows);
  enter(table, tripleRows);
  enter(table, quadrupleRows);
  enter(table, quintupleRows);
  return table;
}

constexpr RuleTable rules = makeRuleTable();

constexpr int32_t keyOf(std::initializer_list<int32_t> components) {
  int32_t key = 0;
  for (int32_t c : components) key += ComponentWeight[c];
  return key;
}

}  // namespace

double RuleFactor(int32_t key, const TemperatureFunctions& tf) {
  const FactorFunction rule = rules.byIndex[CombinationIndex[key]];
  return rule ? rule(tf) : 1.0;
}

bool HoldsWaterAndBothSalts(int32_t key) {
  return key == keyOf({H2O, NaCl, KCl}) || key == keyOf({H2O, H2O, NaCl, KCl}) ||
         key == keyOf({H2O, NaCl, NaCl, KCl}) || key == keyOf({H2O, NaCl, KCl, KCl});
}

double SignedRoot(double value, double exponent) {
  return value >= 0 ? std::pow(value, exponent) : -std::pow(-value, exponent);
}

double SignedSquareRoot(double value) { return value >= 0 ? std::sqrt(value) : -std::sqrt(-value); }

double SaltWaterTripleFactor(const TemperatureFunctions& tf) {
  const double product =
      RuleFactor(keyOf({H2O, H2O, NaCl}), tf) * RuleFactor(keyOf({H2O, NaCl, NaCl}), tf) *
      RuleFactor(keyOf({H2O, H2O, KCl}), tf) * RuleFactor(keyOf({H2O, KCl, KCl}), tf) *
      RuleFactor(keyOf({NaCl, NaCl, KCl}), tf) * RuleFactor(keyOf({NaCl, KCl, KCl}), tf);
  return SignedRoot(product, 1.0 / 6.0);
}

double SaltWaterQuadrupleFactor(const TemperatureFunctions& tf) {
  // Above about 1450 K tau turns negative and so does this product: the
  // signed root keeps the factor a number there.
  const double product =
      RuleFactor(keyOf({H2O, H2O, H2O, NaCl}), tf) * RuleFactor(keyOf({H2O, H2O, NaCl, NaCl}), tf) *
      RuleFactor(keyOf({H2O, NaCl, NaCl, NaCl}), tf) * RuleFactor(keyOf({H2O, H2O, H2O, KCl}), tf) *
      RuleFactor(keyOf({H2O, H2O, KCl, KCl}), tf) * RuleFactor(keyOf({H2O, KCl, KCl, KCl}), tf) *
      RuleFactor(keyOf({NaCl, NaCl, NaCl, KCl}), tf) * RuleFactor(keyOf({NaCl, NaCl, KCl, KCl}), tf) *
      RuleFactor(keyOf({NaCl, KCl, KCl, KCl}), tf);
  return SignedRoot(product, 1.0 / 9.0);
}

double CombiningFactor(int32_t key, const TemperatureFunctions& tf) {
  if (HoldsWaterAndBothSalts(key)) {
    return key == keyOf({H2O, NaCl, KCl}) ? SaltWaterTripleFactor(tf) : SaltWaterQuadrupleFactor(tf);
  }
  return RuleFactor(key, tf);
}

}  // namespace Globals::perturbation
