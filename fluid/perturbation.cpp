// The perturbation (attraction) term of the equation of state: its Helmholtz
// energy, its share of the compressibility factor and, in term mode 2, the
// derivatives d(n·A_per/RT)/dn_i in Globals::dGper.
//
// The mixture coefficients of the density series depend on T and the
// composition only (fluid/perturbation_series.cpp); here the volume enters.
#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/perturbation_internal.h"

namespace Globals {

double Perturbation(int32_t mode, const Composition& x, double T, double V) {
  if (!(IsFinitePositive(T) && IsFinitePositive(V))) return 0;

  // Term mode 2 also writes the derivative of every absent component: its
  // infinite-dilution value, formed by the same sums with the absent
  // component as the outer index. So a fugacity coefficient of a component
  // that is not in the fluid does not depend on what was evaluated before.
  const bool derivatives = mode == 2;
  const perturbation::SeriesCoefficients s = perturbation::SeriesCoefficientsAt(x, T, derivatives);

  // Powers of the volume, coefficient first; the bracket is in bar·cm3/mol,
  // and dividing by 10 gives J/mol.
  const double v2 = (4 * V) * V;
  const double v3 = ((16 * V) * V) * V;
  const double v4 = (((64 * V) * V) * V) * V;
  const auto& A = s.A;
  const double A_per = -(A[0] / V + A[1] / v2 + A[2] / v3 + A[3] / v4) / 10;
  const double Z_per = (A[0] / V + 2 * A[1] / v2 + 3 * A[2] / v3 + 4 * A[3] / v4) / (-83.14472 * T);

  switch (mode) {
    case 0:
      return Z_per;
    case 1:
      return A_per;
    case 2: {
      Composition dG = dGper;
      for (int c = 0; c < 5; ++c) {
        if (!s.hasDerivative[c]) continue;
        const auto& D = s.D[c];
        const double dAper = -(D[0] / V + D[1] / v2 + D[2] / v3 + D[3] / v4) / 10;
        dG[c] = dAper / (8.314472 * T);
      }
      dGper = dG;
      return Z_per;
    }
    default:
      return 0;
  }
}

}  // namespace Globals
