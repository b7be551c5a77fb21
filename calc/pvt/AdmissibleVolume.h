// Whether the equation of state has a pressure at a molar volume: the very
// test the library makes, so that a window never refuses a volume the
// library would take, nor shows the library's failure value 0 as a pressure.
#pragma once

#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace pvt {

// V in cm3/mol. With H2O present the lowest admissible volume lies a little
// above Globals::Vlimit, the minimum the windows show as a hint.
inline bool HasPressure(const Globals::Composition& x, double V) {
  return Globals::IsAdmissibleVolume(Globals::LowestVolumesOf(x), V);
}

}  // namespace pvt
