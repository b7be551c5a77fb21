// Molar volume of the H2O–CO2–CH4 part of a fluid by the modified
// Redlich–Kwong equation in Holloway's form: the first approach of the
// volume solver. The salts are ignored.
//
// Attraction parameters are in atm·cm6·K^0.5/mol^2 (the published form) and
// are turned into the MPa-based units of R = 8.314472 J/(mol·K) by the factor
// 1.01325/10. The H2O–CO2 cross term is enlarged by the constant of the
// H2O·CO2 complex formation.
#include <array>
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/input_validity.h"

namespace Globals {

namespace {

constexpr int kH2O = 0, kCO2 = 1, kCH4 = 2;

// Square of the gas constant in cm3·atm/(mol·K).
constexpr double kRatmSquared = 6733.426523378758;
// kRatmSquared·1.01325/10: the same in the MPa-based units.
constexpr double kRatmSquaredMPa = 682.2644424813527;

// H2O·CO2 complex-formation constant. Below 100.925 K the exponential
// overflows its useful range; 1e100 is about its value there.
double ComplexFormationConstant(double T) {
  if (T > 100.925) {
    return std::exp(-11.071 + 5953.0 / T - 2746000.0 / (T * T) + 464600000.0 / (T * T * T));
  }
  return 1e100;
}

// Converts an attraction parameter from atm-based to MPa-based units.
double ToMPaUnits(double a) { return a * 1.01325 / 10; }

}  // namespace

double Volume_Holloway(int32_t mode, const Composition& x, double T, double P) {
  CriticalValues();
  // Outside a finite positive temperature and pressure the equation has no
  // meaning (√T, R·T/P); 0 is the failure value.
  if (!IsFinitePositive(T) || !IsFinitePositive(P)) return 0;
  const double t = T - 273.15;  // ˚C

  const double s = x[kH2O] + x[kCO2] + x[kCH4];
  if (!(s > 0)) return 0;  // no H2O, CO2 or CH4
  std::array<double, 3> y{};
  for (int i = 0; i < 3; ++i) {
    y[i] = x[i] / s;
    RuntimeBackgroundTask();
  }

  const double cubeRootOfTwoLessOne = std::pow(2.0, 0.3333333333333333) - 1;
  const double aCH4 = kRatmSquared * Tcrit[kCH4] * Tcrit[kCH4] * std::sqrt(Tcrit[kCH4]) /
                      ((Pcrit[kCH4] * 10 / 1.01325) * 9 * cubeRootOfTwoLessOne);

  // Cross-term parameters a0, own parameters a and co-volumes b (cm3/mol).
  const std::array<double, 3> a0 = {35000000.0, 46000000.0, aCH4};
  const std::array<double, 3> a = {
      166800000.0 - 193080.0 * t + 186.4 * (t * t) - 0.071288 * (t * t * t),
      73030000.0 - 71400.0 * t + 21.57 * (t * t),
      aCH4};
  const std::array<double, 3> b = {
      14.6,
      cubeRootOfTwoLessOne * R * Tcrit[kCO2] / (3 * Pcrit[kCO2]),
      cubeRootOfTwoLessOne * R * Tcrit[kCH4] / (3 * Pcrit[kCH4])};

  std::array<std::array<double, 3>, 3> A{};
  for (int i = 0; i < 3; ++i) A[i][i] = ToMPaUnits(a[i]);
  for (int k : {kH2O, kCO2}) {
    A[k][kCH4] = ToMPaUnits(std::sqrt(a0[k] * a[kCH4]));
    A[kCH4][k] = A[k][kCH4];
  }
  A[kH2O][kCO2] = ToMPaUnits(std::sqrt(a0[kH2O] * a0[kCO2])) +
                  kRatmSquaredMPa * (T * T) * std::sqrt(T) * ComplexFormationConstant(T) / 2;
  A[kCO2][kH2O] = A[kH2O][kCO2];

  double aMix = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      aMix = aMix + y[i] * y[j] * A[i][j];
      RuntimeBackgroundTask();
    }
  }
  double bMix = 0;
  for (int i = 0; i < 3; ++i) {
    bMix = bMix + y[i] * b[i];
    RuntimeBackgroundTask();
  }

  // P = R·T/(V − b) − a/(√T·V·(V + b)) multiplied out to a cubic in V.
  const double c1 = -R * T / P;
  const double c2 = -(bMix * bMix) - R * T * bMix / P + aMix / (P * std::sqrt(T));
  const double c3 = -aMix * bMix / (P * std::sqrt(T));
  const CubicRoots roots = CubicEquation(c1, c2, c3);

  // Complex roots take part in the comparisons with real part 0; the last
  // real column is the choice when the mode picks none.
  std::array<double, 3> re{};
  int realRoots = 0;
  double choice = 0;
  for (int k = 0; k < 3; ++k) {
    if (roots[1][k] == 0) {
      ++realRoots;
      re[k] = roots[0][k];
      choice = re[k];
    } else {
      re[k] = 0;
    }
  }
  if (realRoots < 2) return choice;

  for (int k = 0; k < 3; ++k) {
    const double other1 = re[(k + 1) % 3];
    const double other2 = re[(k + 2) % 3];
    switch (mode) {
      case 0:  // largest root: vapour-like
        if (other1 <= re[k] && other2 <= re[k]) choice = re[k];
        break;
      case 2:  // smallest root: liquid-like
        if (re[k] <= other1 && re[k] <= other2) choice = re[k];
        break;
      case 1:  // middle root for the column order of CubicEquation
        if (k == 0 && re[1] <= re[0] && re[0] <= re[2]) choice = re[0];
        if (k == 1 && re[0] <= re[1] && re[1] <= re[2]) choice = re[1];
        if (k == 2 && re[0] <= re[2] && re[2] <= re[1]) choice = re[2];
        break;
      default:
        break;
    }
  }
  return choice;
}

}  // namespace Globals
