// Pressure of the solid+liquid+vapour equilibrium of H2O–NaCl–KCl liquids
// saturated on salt-saturation curve 3 or 4: a polynomial in temperature and
// salt ratio from 180 to 650 ˚C, and from 650 ˚C upwards the pressure at
// which the liquid lies on the curve at 650 ˚C.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/damped_secant.h"

namespace Globals {

namespace {

// P = c0 + c1·r + c2·r^2 (MPa), each c a polynomial in tau = (t − 200)/800.
//                                  1         tau       tau^2     tau^3     tau^4     tau^5     tau^6     tau^7
constexpr double kCurve3[3][8] = {{0.75256,  +15.562,  +128.58,  -2240,    +4684.6,  +4948.3,  -12269,   0},         // c0
                                  {0.52636,  +14.081,  -442.05,  +10489,   -31176,   +10569,   +22891,   0},         // c1
                                  {-0.12016, -13.202,  +446.98,  -7727.1,  +25875,   -17444,   -8696.2,  0}};        // c2
constexpr double kCurve4[3][8] = {{1.0394,   +18.206,  +61.329,  +574.41,  -1713.2,  +1006.8,  0,        0},         // c0
                                  {-0.16783, +20.501,  -420.56,  +2956.7,  -9690.3,  +9066.6,  0,        0},         // c1
                                  {-0.35811, -8.3786,  -76.987,  +1103.9,  -20596,   +98723,   -162440,  +85207}};   // c2

// The polynomial holds between these temperatures (both excluded), K.
constexpr double kLowestT = 453.15;   // 180 ˚C
constexpr double kHighestT = 923.15;  // 650 ˚C

// The pressure when no curve value applies, MPa.
constexpr double kNoCurvePressure = 0.1;

double Polynomial(const double (&c)[3][8], double tau, double r) {
  const double tauBasis[8] = {1,
                              tau,
                              tau * tau,
                              tau * tau * tau,
                              std::pow(tau, 4),
                              std::pow(tau, 5),
                              std::pow(tau, 6),
                              std::pow(tau, 7)};
  double ci[3];
  for (int n = 0; n < 3; ++n) {
    ci[n] = c[n][0];
    for (int j = 1; j < 8; ++j) ci[n] = ci[n] + c[n][j] * tauBasis[j];
  }
  return ci[0] + ci[1] * r + ci[2] * (r * r);
}

// The H2O mole fraction on the curve at 650 ˚C, as a function of the
// pressure and of the mole fraction of the salt that does not saturate.
double Curve3At650(double P, double xKCl) {
  return (0.0096226 * P - 3.9359e-06 * (P * P) + 1.7538e-06 * (P * P * P)) +
         (0.020061 * P + 0.0017448 * (P * P)) * xKCl;
}
double Curve4At650(double P, double xNaCl) {
  return (0.030798 * P - 0.0025605 * (P * P) + 0.00015204 * (P * P * P) -
          2.8959e-06 * (P * P * P * P)) +
         (-0.0085533 * P + 0.00036598 * (P * P) + 0.0003538 * (P * P * P) -
          1.1178e-05 * (P * P * P * P)) *
             xNaCl;
}

// The pressure search at 650 ˚C: at most 101 passes from 2.0 and 2.1 MPa,
// starting from the one closer to the root; no upper bound.
const DampedSecantVariant k650Secant = {
    .maxPasses = 101,
    .currentStart = CurrentStart::SmallerResidual,
    .upperBound = std::nullopt,
    .failOnNanStep = false,
};

}  // namespace

double Sorvik_Pressure(int32_t curve, double xH2O, double xNaCl, double xKCl, double TK) {
  // A liquid without salt has no solid+liquid+vapour curve.
  if (!(xNaCl + xKCl > 0)) return 0;
  const double r = xNaCl / (xNaCl + xKCl);
  const double t = TK - 273.15;
  const double tau = (t - 200) / 800;
  if (curve != 3 && curve != 4) return kNoCurvePressure;
  if (kLowestT < TK && TK < kHighestT) return Polynomial(curve == 3 ? kCurve3 : kCurve4, tau, r);
  if (TK >= kHighestT && std::isfinite(TK)) return Sorvik_Pressure650(curve, xH2O, xNaCl, xKCl);
  return kNoCurvePressure;
}

double Sorvik_Pressure650(int32_t curve, double xH2O, double xNaCl, double xKCl) {
  if (curve != 3 && curve != 4) return 0;
  auto h = [&](double P) {
    return curve == 3 ? Curve3At650(P, xKCl) - xH2O : Curve4At650(P, xNaCl) - xH2O;
  };
  const DampedSecantResult result = DampedSecant(h, 2.0, 2.1, k650Secant);
  return result.converged ? result.value : 0;
}

}  // namespace Globals
