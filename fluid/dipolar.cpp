// Dipolar term of the equation of state: the Helmholtz energy of the
// permanent dipoles of H2O, NaCl and KCl (CO2 and CH4 carry none), pair and
// triplet interactions joined in the Padé form A = A2 / (1 − A3/A2).
//
// Every pass of every loop, outer and inner, yields to the event loop. The
// cost is fixed: all pairs and triples are visited, present or not.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {

namespace {
constexpr double debyeToSI = 3.16227766e-22;            // (debyeToSI·μ)² in J·cm3
constexpr double boltzmann = 1.380658e-23;              // J/K
constexpr double twoPiAvogadro = 3.7838200831266955e24;  // 1/mol
constexpr double gasConstant = 8.314472;                 // J/(mol·K)
constexpr double oneThird = 0.3333333333333333;
constexpr double secondOrder = -1.3333333333333333;
constexpr double thirdOrder = 1.1111111111111112;

// Density functions in the reduced density η: 1 + c1·η + c2·η² + c3·η³.
//                                c1       c2        c3
constexpr double J2coef[3] = {1.6054,  -4.4521,  10.0368};
constexpr double J3coef[3] = {0.35147, -1.83943, 5.95676};
}  // namespace

double Dipole(int32_t mode, const Composition& x, double T, double V) {
  // The negated comparison also refuses NaN input.
  if (!(IsFinitePositive(T) && IsFinitePositive(V))) return 0;

  Composition b{};
  Composition mu2{};  // squared reduced dipole moments
  for (int i = 0; i < 5; ++i) {
    b[i] = b_ind(i);
    const double mu = mu_ind(i);
    const double sigma = std::pow(3 * b[i] / twoPiAvogadro, oneThird);  // cm
    double muReduced = 0;
    if (sigma > 0) {
      muReduced = std::sqrt(debyeToSI * mu * (debyeToSI * mu) /
                            (sigma * sigma * sigma * boltzmann * T));
    }
    mu2[i] = muReduced * muReduced;
    RuntimeBackgroundTask();
  }

  // Pair co-volumes, cm3/mol.
  double bij[5][5];
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      const double sum = std::pow(b[i], oneThird) + std::pow(b[j], oneThird);
      bij[i][j] = sum * sum * sum / 8;
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }

  // The co-volume of this term is quadratic in the mole fractions.
  double bq = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      bq = bq + x[i] * x[j] * bij[i][j];
      RuntimeBackgroundTask();
    }
    RuntimeBackgroundTask();
  }
  Composition s{};  // d(n·bq)/dn_i
  for (int i = 0; i < 5; ++i) {
    double sum = 0;
    for (int j = 0; j < 5; ++j) {
      sum = sum + x[j] * bij[i][j];
      RuntimeBackgroundTask();
    }
    s[i] = 2 * sum - bq;
    RuntimeBackgroundTask();
  }

  const double eta = bq / (4 * V);
  const double J2 = 1 + J2coef[0] * eta + J2coef[1] * (eta * eta) + J2coef[2] * (eta * eta * eta);
  const double J3 = 1 + J3coef[0] * eta + J3coef[1] * (eta * eta) + J3coef[2] * (eta * eta * eta);
  const double J23 = J2 * J3;
  const double J2eta = J2coef[0] + 2 * J2coef[1] * eta + 3 * J2coef[2] * (eta * eta);
  const double J3eta = J3coef[0] + 2 * J3coef[1] * eta + 3 * J3coef[2] * (eta * eta);
  const double J2V = -(eta / V) * J2eta;
  const double J3V = -(eta / V) * J3eta;
  const double J23V = J2V * J3 + J2 * J3V;
  Composition J2n{}, J23n{};  // composition derivatives of J2 and J23
  for (int i = 0; i < 5; ++i) {
    J2n[i] = s[i] * J2eta / (4 * V);
    const double J3n = s[i] * J3eta / (4 * V);
    J23n[i] = J2n[i] * J3 + J2 * J3n;
    RuntimeBackgroundTask();
  }

  // Second-order sum and its composition derivatives.
  double S2 = 0;
  Composition D2{};
  for (int i = 0; i < 5; ++i) {
    double sum = 0;
    for (int j = 0; j < 5; ++j) {
      S2 = S2 + x[i] * x[j] * (b[i] * b[j] / bij[i][j]) * mu2[i] * mu2[j];
      sum = sum + x[j] * (b[j] / bij[i][j]) * mu2[j];
      RuntimeBackgroundTask();
    }
    D2[i] = 2 * b[i] * mu2[i] * sum;
    RuntimeBackgroundTask();
  }

  // Third-order sum and its composition derivatives.
  double S3 = 0;
  Composition D3{};
  for (int i = 0; i < 5; ++i) {
    double sum = 0;
    for (int j = 0; j < 5; ++j) {
      for (int k = 0; k < 5; ++k) {
        const double root = std::pow(bij[i][j] * bij[j][k] * bij[i][k], oneThird);
        S3 = S3 + x[i] * x[j] * x[k] * (b[i] * b[j] * b[k] / root) * mu2[i] * mu2[j] * mu2[k];
        sum = sum + x[j] * x[k] * (b[j] * b[k] / root) * mu2[j] * mu2[k];
        RuntimeBackgroundTask();
      }
      RuntimeBackgroundTask();
    }
    D3[i] = 3 * b[i] * mu2[i] * sum;
    RuntimeBackgroundTask();
  }

  // Second- and third-order terms, already divided by RT.
  const double A2 = secondOrder * J2 * S2 / (4 * V);
  const double A3 = thirdOrder * J23 * S3 / (16 * (V * V));
  const double A2V = secondOrder * S2 * (-J2 / (4 * (V * V)) + J2V / (4 * V));
  const double A3V = thirdOrder * S3 * (-2 * J23 / (16 * (V * V * V)) + J23V / (16 * (V * V)));
  Composition G2{}, G3{};  // d(n·A2)/dn_i and d(n·A3)/dn_i
  for (int i = 0; i < 5; ++i) {
    G2[i] = secondOrder * (J2 * D2[i] + J2n[i] * S2) / (4 * V);
    G3[i] = thirdOrder * (J23 * D3[i] + J23n[i] * S3) / (16 * (V * V));
    RuntimeBackgroundTask();
  }

  // Without a polar component both orders vanish; the Padé quotient is then
  // formed only where it is defined.
  const bool pade = A2 != 0 && A2 != A3;
  double Adip = 0;  // J/mol
  double Zdip = 0;
  if (pade) {
    const double denominator = 1 - A3 / A2;
    Adip = A2 / denominator * gasConstant * T;
    Zdip = -V * ((1 - 2 * A3 / A2) * A2V + A3V) / (denominator * denominator);
  }

  switch (mode) {
    case 0: return Zdip;
    case 1: return Adip;
    case 2: break;
    default: return 0;
  }

  // Collected locally and published only once complete: a handler that runs
  // during a yield may evaluate another state.
  Composition dG{};
  for (int i = 0; i < 5; ++i) {
    if (pade) {
      dG[i] = 2 * A2 * G2[i] / (A2 - A3) -
              A2 * A2 * (G2[i] - G3[i]) / ((A2 - A3) * (A2 - A3));
    }
    RuntimeBackgroundTask();
  }
  dGdip = dG;
  return Zdip;
}

}  // namespace Globals
