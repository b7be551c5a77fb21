#include "fluid/pressure_root.h"

#include <cmath>

#include "fluid/input_validity.h"

namespace Globals {

double PressureRoot(const Residual& pressureAt, double targetP, double start) {
  const Residual residual = [&](double u) { return targetP - pressureAt(u); };
  const DampedSecantResult r = DampedSecant(residual, start, start + 0.1, kPressureRootVariant);
  if (!r.converged) return 0;
  // A root only where the pressure meets a real target; an infinite or
  // non-positive target is met nowhere.
  if (!IsFinitePositive(targetP) || !(std::abs(r.residual) <= 1e-6 * targetP)) return 0;
  return r.value;
}

}  // namespace Globals
