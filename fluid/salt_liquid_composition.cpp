// Composition of H2O–NaCl–KCl liquids saturated in a solid: the H2O mole
// fraction on four saturation curves (1 ice, 2 to 4 further solids; 3 and 4
// the two salt-saturation curves), the ice-melting salinity, and the
// cotectic salt ratio at which two curves meet.
//
// Curve temperatures are in ˚C; r = xNaCl/(xNaCl + xKCl) is the salt ratio
// by amount of substance and k = 1 − r the KCl share of the salt.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/damped_secant.h"

namespace Globals {

namespace {

constexpr double kMolarMassH2O = 18.01528;   // g/mol
constexpr double kMolarMassNaCl = 58.462468;
constexpr double kMolarMassKCl = 74.57143;

// Curve 2: X = A0 + A1·t + A2·t^2 (H2O in amount-of-substance per cent).
//                                   1          r          r^2
constexpr double kCurve2[3][3] = {{84.289,    +5.8318,   0},          // A0 (no r^2 term)
                                  {0.10814,   -0.43499,  +0.27882},   // A1
                                  {-0.011262, +0.023776, -0.01173}};  // A2

// Curve 3: X = B0 + B1·t + ... + B5·t^5, each B a polynomial in k (no k^4).
//                                   1            k             k^2           k^3           k^5     k^6      k^7
constexpr double kCurve3[6][7] = {{90.1206,     -5.2839,      -4.5899,      +24.3,        +122.8, -732.39, +742.95},  // B0
                                  {-0.0023261,  -0.035774,    0,            0,            0,      0,       0},        // B1
                                  {-7.8436e-05, +0.00028266,  0,            0,            0,      0,       0},        // B2
                                  {2.1344e-07,  -8.4643e-07,  +1.9831e-07,  -2.8168e-06,  0,      0,       0},        // B3
                                  {-5.6929e-10, +7.6347e-10,  -6.6397e-10,  +4.8428e-09,  0,      0,       0},        // B4
                                  {2.627e-13,   -1.8389e-13,  -2.1647e-12,  +2.7548e-12,  0,      0,       0}};       // B5

// Cotectic lines: the two curves that meet on the line and the two start
// values of the salt ratio.
struct CotecticLine {
  int32_t curveA;
  int32_t curveB;
  double s1;
  double s2;
};
constexpr CotecticLine kCotecticLines[5] = {
    {1, 2, 0.9, 0.89},   // line 1
    {1, 4, 0.5, 0.6},    // line 2
    {2, 4, 0.85, 0.84},  // line 3
    {2, 3, 0.9, 0.89},   // line 4
    {3, 4, 0.49, 0.5},   // line 5
};

// The cotectic search: at most 101 passes, starting from the start value
// farther from the crossing, every new ratio kept below 1.
const DampedSecantVariant kCotecticSecant = {
    .maxPasses = 101,
    .currentStart = CurrentStart::LargerResidual,
    .upperBound = 1.0,
    .failOnNanStep = false,
};

// A true crossing leaves a residual of about 1e-11; a flat stretch where two
// curves run parallel can stop the secant far from any crossing.
constexpr double kCotecticResidualLimit = 1e-8;

// Ice-melting curve: the H2O per cent of the liquid whose salinity melts ice
// at TK.
double IceCurve(double TK, double r) {
  const double w = kMolarMassNaCl * r / (kMolarMassNaCl * r + kMolarMassKCl * (1 - r));
  const double S = Mass_Hall87(TK, w);
  if (S == 0) return 100;  // pure water
  const double massNaCl = w * S;
  const double massKCl = (1 - w) * S;
  const double massH2O = 100 - massNaCl - massKCl;
  const double nH2O = massH2O / kMolarMassH2O;
  const double nNaCl = massNaCl / kMolarMassNaCl;
  const double nKCl = massKCl / kMolarMassKCl;
  return 100 * nH2O / (nH2O + nNaCl + nKCl);
}

double Curve2(double t, double r) {
  const double basis[3] = {1, r, r * r};
  double A[3];
  for (int n = 0; n < 3; ++n) {
    A[n] = kCurve2[n][0] * basis[0] + kCurve2[n][1] * basis[1] + kCurve2[n][2] * basis[2];
  }
  return A[0] + A[1] * t + A[2] * (t * t);
}

double Curve3(double t, double k) {
  const double kBasis[7] = {1, k, k * k, k * k * k, std::pow(k, 5), std::pow(k, 6), std::pow(k, 7)};
  double B[6];
  for (int n = 0; n < 6; ++n) {
    B[n] = kCurve3[n][0];
    for (int j = 1; j < 7; ++j) B[n] = B[n] + kCurve3[n][j] * kBasis[j];
  }
  return B[0] + B[1] * t + B[2] * (t * t) + B[3] * (t * t * t) + B[4] * std::pow(t, 4) +
         B[5] * std::pow(t, 5);
}

double Curve4(double t, double k, double r) {
  const double C0 = 94.678 - 7.46512 * std::exp(-1.95722 * k) - 15.1276 * std::exp(-15.1442 * k);
  const double C1 = -0.0668981 - 0.107838 * std::exp(-6.98181 * k);
  const double C2 = -3.7964e-05 + 0.000346 * k - 0.00016211 * (k * k);
  const double C3 = -7.1777e-07 + 3.5629e-07 * k;
  const double C4 = 1.0423e-10 + 3.3412e-10 * r - 4.3135e-10 * (r * r) + 1.9585e-09 * (r * r * r) -
                    8.5994e-10 * std::pow(r, 4);
  return C0 + C1 * t + C2 * (t * t) + C3 * (t * t * t) + C4 * (t * t * t * t);
}

}  // namespace

double Mass_Hall87(double TK, double w) {
  if (!IsFinitePositive(TK) || !(w >= 0) || !(w <= 1)) return 0;
  // a·W + D·W^3 = freezing-point depression, W in mass per cent.
  const double dT = 273.15 - TK;
  const double a = 0.4597 + 0.144 * w;
  const double D = 0.0002227 + 0.0001999 * w + 4.633e-05 * (w * w) + 0.0001123 * (w * w * w);
  const CubicRoots roots = CubicEquation(0, a / D, -dT / D);
  double W = 0;
  for (int k = 0; k < 3; ++k) {
    if (roots[1][k] == 0) W = roots[0][k];
    RuntimeBackgroundTask();
  }
  return W;
}

double Sorvik_Molefraction(int32_t curve, double TK, double r) {
  if (!IsFinitePositive(TK)) return 0;
  const double t = TK - 273.15;
  const double k = 1 - r;
  double X = 0;  // H2O, amount-of-substance per cent
  switch (curve) {
    case 1: X = IceCurve(TK, r); break;
    case 2: X = Curve2(t, r); break;
    case 3: X = Curve3(t, k); break;
    case 4: X = Curve4(t, k, r); break;
    default: break;
  }
  return X / 100;
}

double Sorvik_Cotectic(int32_t line, double TK) {
  if (line < 1 || line > 5 || !IsFinitePositive(TK)) return 0;
  const CotecticLine& L = kCotecticLines[line - 1];
  auto g = [&](double u) {
    return Sorvik_Molefraction(L.curveA, TK, u) - Sorvik_Molefraction(L.curveB, TK, u);
  };
  const DampedSecantResult result = DampedSecant(g, L.s1, L.s2, kCotecticSecant);
  if (!result.converged || !(std::abs(result.residual) <= kCotecticResidualLimit)) return 0;
  return result.value;
}

}  // namespace Globals
