// Start volumes for the volume solver from a scan of the equation-of-state
// pressure over molar volume: the liquid-like root lies just past the first
// sign change of Pressure − P, the vapour-like root just past the last one.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/volume_scan.h"

namespace Globals {

double Volume_Approach(int32_t mode, const Composition& x, double T, double P) {
  // No pressure can be scanned for such input.
  for (double xi : x)
    if (!std::isfinite(xi)) return ScanFallback(mode);
  if (!std::isfinite(T) || !IsFinitePositive(P)) return ScanFallback(mode);

  return ScanForStartVolume(mode, [&](double V) { return Pressure(x, T, V); }, P);
}

}  // namespace Globals
