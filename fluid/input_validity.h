// Validity of a state variable handed to the library.
#pragma once

#include <cmath>

namespace Globals {

// A temperature, pressure or molar volume is usable only as a finite number
// above 0; NaN, infinities and non-positive values get the failure value.
inline bool IsFinitePositive(double v) { return v > 0 && std::isfinite(v); }

}  // namespace Globals
