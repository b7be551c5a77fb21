// The damped secant iteration shared by the root solvers of the library.
//
// It looks for a root of a residual f(u) in one positive variable u (a molar
// volume, a temperature, a pressure or a salt ratio) from two start values.
// Each pass takes half of the secant step, so the iteration creeps rather than
// leaps across the loops and kinks of an equation of state; a new value that is
// not positive falls back to half the previous one. Every unfinished pass
// yields once to the event loop.
//
// The callers differ only in the points listed in DampedSecantVariant.
#pragma once

#include <functional>
#include <optional>

namespace Globals {

using Residual = std::function<double(double)>;

// Which start value becomes the current point; on equal residual magnitudes
// it is always the second one.
enum class CurrentStart {
  SmallerResidual,  // the start value closer to the root
  LargerResidual,   // the start value farther from it
};

struct DampedSecantVariant {
  int maxPasses = 500;
  CurrentStart currentStart = CurrentStart::SmallerResidual;
  // A new value at or above this bound moves midway between the previous
  // value and the bound (for variables confined below, e.g. a ratio below 1).
  std::optional<double> upperBound;
  // A 0/0 secant step (NaN) cannot lead anywhere: end as a failure at once
  // rather than carrying NaN through the remaining passes.
  bool failOnNanStep = true;
};

struct DampedSecantResult {
  bool converged = false;
  double value = 0;     // the root, or 0 when not converged
  double residual = 0;  // f(value) when converged
};

// Runs the iteration from the start values u0 and u1 (evaluated in this order).
// Converged when |step/u| < 1e-12 or the residual is exactly 0; fails when a
// step exceeds 1e300 in magnitude or after maxPasses passes.
DampedSecantResult DampedSecant(const Residual& f, double u0, double u1,
                                const DampedSecantVariant& variant);

}  // namespace Globals
