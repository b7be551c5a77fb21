// Vapour pressures of the components and the Raoult's-law pressure of a
// fluid: first estimates of bubble and dew points, and the activity window's
// choice between a liquid-like and a gas-like start volume.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {

namespace {

// ln(P/Pcrit) = (Tcrit/T)·Σ a_k·τ^(t_k), τ = 1 − T/Tcrit, valid from the
// triple point to the critical point. The H2O row is the six-term IAPWS
// saturation-pressure equation.
struct VapourPressureTerm {
  double a;  // coefficient
  double t;  // exponent of τ
};
struct VapourPressureEquation {
  int terms;
  VapourPressureTerm term[6];
};
constexpr VapourPressureEquation kVapourPressure[3] = {
    {6, {{-7.85951783, 1}, {1.84408259, 1.5}, {-11.7866497, 3}, {22.6807411, 3.5}, {-15.9618719, 4}, {1.80122502, 7.5}}},  // H2O
    {4, {{-7.057346, 1},   {1.932188, 1.5},   {-1.636312, 2},   {-3.31247, 4}}},                                            // CO2
    {4, {{-6.036219, 1},   {1.409353, 1.5},   {-0.4945199, 2},  {-1.443048, 4.5}}},                                         // CH4
};

// log10 P = A/T + B, used below the triple point and above the critical point.
struct OutsideRange {
  double A;
  double B;
};
constexpr OutsideRange kOutsideRange[3] = {
    {-2125.7, 4.6637},     // H2O
    {-918.2444, 3.8871},   // CO2
    {-492.3749, 3.2462},   // CH4
};

// The salts are treated as if they had a constant vapour pressure, MPa.
constexpr double kSaltVapourPressure = 0.1;

}  // namespace

double SaturationPressure(int32_t i, double T) {
  CriticalValues();
  if (i < 0 || i > 4) return 0;  // not a component
  if (i == 3 || i == 4) return kSaltVapourPressure;
  if (!IsFinitePositive(T)) return 0;

  const double tau = 1 - T / Tcrit[i];
  if (Ttrip[i] <= T && T <= Tcrit[i]) {
    const VapourPressureEquation& eq = kVapourPressure[i];
    double s = eq.term[0].a * tau;
    for (int k = 1; k < eq.terms; ++k) s = s + eq.term[k].a * std::pow(tau, eq.term[k].t);
    s = s * Tcrit[i] / T;
    return Pcrit[i] * std::exp(s);
  }
  return std::pow(10.0, kOutsideRange[i].A / T + kOutsideRange[i].B);
}

double RaoultPressure(const Composition& x, double T, int32_t mode) {
  // Without a temperature no component has a vapour pressure: a dew-point
  // estimate falls back to its 0.1 MPa, any other estimate is 0.
  if (!IsFinitePositive(T)) return mode == 1 ? 0.1 : 0;

  Composition Psat{};
  double sum = 0;
  for (int i = 0; i < 5; ++i) {
    Psat[i] = SaturationPressure(i, T);
    if (mode == 0) {
      sum = sum + x[i] * Psat[i];  // bubble point: x is the liquid
    } else if (Psat[i] > 0) {
      sum = sum + x[i] / Psat[i];  // dew point: x is the vapour
    }
    RuntimeBackgroundTask();
  }
  if (mode == 1) return sum > 0 ? 1 / sum : 0.1;
  return sum;
}

}  // namespace Globals
