// Repulsive (hard-sphere) term of the equation of state: a mixture of hard
// spheres sized from the co-volumes b_ind, in the Boublik–Mansoori–
// Carnahan–Starling–Leland form.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {

namespace {
constexpr double twoPiAvogadro = 3.7838200831266955e24;  // 2·π·N_A, 1/mol
constexpr double piAvogadro = 1.8919100415633478e24;     // π·N_A, 1/mol
constexpr double oneThird = 0.3333333333333333;
}  // namespace

double Repulsive(int32_t mode, const Composition& x, double T, double V) {
  Composition sigma{};  // hard-sphere diameters, cm
  double S1 = 0, S2 = 0, S3 = 0;
  for (int i = 0; i < 5; ++i) {
    const double b = b_ind(i);
    sigma[i] = std::pow(3 * b / twoPiAvogadro, oneThird);
    S1 = S1 + x[i] * sigma[i];
    S2 = S2 + x[i] * sigma[i] * sigma[i];
    S3 = S3 + x[i] * sigma[i] * sigma[i] * sigma[i];
    RuntimeBackgroundTask();
  }
  const double bmix = S3 * piAvogadro * 2 / 3;  // cm3/mol

  // The negated comparison also refuses NaN input.
  if (!(IsFinitePositive(T) && IsFinitePositive(V) && V > bmix / 4)) return 0;
  // No substance at all: the mixture's size ratios are undefined.
  if (S3 == 0) return 0;

  const double y = bmix / (4 * V);  // packing fraction
  const double a = 3 * S1 * S2 / S3;
  const double c = S2 * S2 * S2 / (S3 * S3);
  const double oneMinusY = 1 - y;

  const double Arep = ((3 * S1 * S2 * y / S3 - c) / oneMinusY + c / (oneMinusY * oneMinusY) +
                       (c - 1) * std::log(oneMinusY)) *
                      8.314472 * T;
  const double Zrep = ((1 - c) * (y * y * y) + (3 * c - a - 2) * (y * y) + (a + 1) * y) /
                      (oneMinusY * oneMinusY * oneMinusY);

  switch (mode) {
    case 0: return Zrep;
    case 1: return Arep;
    case 2: break;
    default: return 0;
  }

  // d(n·A_rep/RT)/dn_i at fixed T and total volume, for every component,
  // present or not. Collected locally and published only once complete: a
  // handler that runs during a yield may evaluate another state.
  Composition dG{};
  const double W = 4 * V;
  const double D = W - bmix;
  for (int i = 0; i < 5; ++i) {
    const double b = b_ind(i);
    const double s = sigma[i];
    const double s2 = s * s;
    const double s3 = s * s * s;
    const double d1 = (s * S2 + S1 * s2) / S3 - s3 * S1 * S2 / (S3 * S3);
    const double dc = 3 * s2 * (S2 * S2) / (S3 * S3) - 2 * s3 * (S2 * S2 * S2) / (S3 * S3 * S3);
    dG[i] = (a * b + 3 * d1 * bmix - dc * W) / D;
    dG[i] = dG[i] + b * (a * bmix - c * W) / (D * D);
    dG[i] = dG[i] + dc * W * W / (D * D);
    dG[i] = dG[i] + 2 * c * b * W * W / (D * D * D);
    dG[i] = dG[i] + (dc - 1) * std::log(D / W);
    dG[i] = dG[i] - (c - 1) * b / D;
    RuntimeBackgroundTask();
  }
  dGrep = dG;
  return Zrep;
}

}  // namespace Globals
