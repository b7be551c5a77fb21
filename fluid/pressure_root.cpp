#include "fluid/pressure_root.h"

#include <cmath>

namespace Globals {

double PressureRoot(const Residual& pressureAt, double targetP, double start) {
  const Residual residual = [&](double u) { return targetP - pressureAt(u); };
  const DampedSecantResult r = DampedSecant(residual, start, start + 0.1, kPressureRootVariant);
  if (!r.converged) return 0;
  if (!(std::abs(r.residual) <= 1e-6 * std::abs(targetP))) return 0;
  return r.value;
}

}  // namespace Globals
