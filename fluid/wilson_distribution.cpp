// Liquid/vapour distribution coefficients K = y/x by the Wilson correlation,
// the first estimate of a phase split.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/input_validity.h"

namespace Globals {

namespace {
// The salts stay almost entirely in the liquid.
constexpr double kSaltDistribution = 0.001;
}  // namespace

Composition WilsonDistribution(double T, double P) {
  // Without a usable temperature and pressure the volatile components are
  // split evenly (K = 1).
  Composition K = {1, 1, 1, 1, 1};
  if (IsFinitePositive(T) && IsFinitePositive(P)) {
    CriticalValues();
    for (int i = 0; i < 3; ++i) {
      K[i] = std::exp(std::log(Pcrit[i] / P) + 5.373 * (1 + Acentric[i]) * (1 - Tcrit[i] / T));
      RuntimeBackgroundTask();
    }
  }
  K[3] = kSaltDistribution;
  K[4] = kSaltDistribution;
  return K;
}

}  // namespace Globals
