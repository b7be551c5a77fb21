// The short damped secant iteration of the H2O–NaCl–KCl correlations (the
// cotectic salt ratio and the SLV pressure at 650 ˚C): half the secant step,
// a special step for equal residuals, a new value that is not positive
// replaced by half the previous one, at most 101 passes, one event-loop yield
// per unfinished pass. The caller orders the start pair.
#pragma once

#include <cmath>

#include "fluid/RuntimeBackgroundTask.h"

namespace Globals::detail {

struct SecantResult {
  bool converged = false;
  double value = 0;
  double residual = 0;  // residual at value
};

struct SecantStart {
  double current;
  double currentResidual;
  double previous;
  double previousResidual;
};

enum class UpperBound {
  None,
  BelowOne,  // a value at or above 1 is moved midway between the previous value and 1
};

template <class Residual>
SecantResult CorrelationSecant(Residual residual, SecantStart start, UpperBound bound) {
  double u = start.current, f = start.currentResidual;
  double uPrev = start.previous, fPrev = start.previousResidual;
  double step = (u - uPrev) / 2;
  for (int pass = 0; pass <= 100; ++pass) {
    if (f == fPrev && f != 0) {
      // Flat residual: the secant is undefined.
      step = uPrev == u ? 2 * step : (u - uPrev) / 2;
    } else {
      step = 0.5 * (uPrev - u) * f / (f - fPrev);
    }
    uPrev = u;
    fPrev = f;
    u = u + step;
    if (!(u > 0)) u = (u - step) / 2;
    if (bound == UpperBound::BelowOne && !(u < 1)) {
      const double p = u - step;
      u = p + (1 - p) / 2;
    }
    f = residual(u);
    if (std::abs(step) > 1e300) return {};
    if (std::abs(step / u) < 1e-12 || f == 0) return {true, u, f};
    RuntimeBackgroundTask();
  }
  return {};
}

}  // namespace Globals::detail
