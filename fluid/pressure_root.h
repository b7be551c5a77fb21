// The root search behind Globals::Volume and Globals::Temperature: the value
// of one state variable at which a pressure function meets a target pressure.
#pragma once

#include "fluid/damped_secant.h"

namespace Globals {

// Passes of the volume and temperature solvers: their counter runs to 1000 but
// advances twice per pass.
constexpr DampedSecantVariant kPressureRootVariant{.maxPasses = 500,
                                                   .currentStart = CurrentStart::SmallerResidual,
                                                   .upperBound = std::nullopt,
                                                   .failOnNanStep = true};

// Searches from start and start + 0.1. The result is 0 unless the iteration
// converges at a point where |pressureAt(u) - targetP| <= 1e-6·targetP: a
// flat residual (the pressure function 0 on both start points) also ends in
// a tiny step, and that is no root.
double PressureRoot(const Residual& pressureAt, double targetP, double start);

}  // namespace Globals
