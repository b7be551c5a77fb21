// Fugacity coefficients and fugacities from the three terms of the equation of
// state: ln φ_i = Σ_terms d(n·A_term/RT)/dn_i − ln Z.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/lowest_volume.h"

namespace Globals {

void Fugacities(const Composition& x, double T, double P, double V) {
  // Each term leaves its derivatives in a shared array, which a calculation
  // run during any later yield may overwrite: take them at once.
  const double zRep = Repulsive(2, x, T, V);
  const Composition rep = dGrep;
  const double zDip = Dipole(2, x, T, V);
  const Composition dip = dGdip;
  const double zPer = Perturbation(2, x, T, V);
  const Composition per = dGper;

  double Z = 1 + zRep;
  Z = Z + zDip;
  Z = Z + zPer;

  // Below either lowest volume some term has written no derivatives.
  const LowestVolumes lowest = LowestVolumesOf(x);
  const bool valid = IsFinitePositive(T) && IsFinitePositive(P) && IsFinitePositive(V) &&
                     IsAdmissibleVolume(lowest, V) && Z > 0;

  // Both arrays are written at once at the end: a calculation run during a
  // yield of this loop may call Fugacities itself, and neither array may end
  // up holding entries of two calls.
  Composition coefficient, fugacity;
  for (int i = 0; i < 5; ++i) {
    if (valid) {
      coefficient[i] = std::exp(rep[i] + dip[i] + per[i] - std::log(Z));
      fugacity[i] = x[i] * coefficient[i] * P;
    } else {
      coefficient[i] = 1;
      fugacity[i] = 0;
    }
    RuntimeBackgroundTask();
  }
  Coefficient = coefficient;
  Fugacity = fugacity;
}

}  // namespace Globals
