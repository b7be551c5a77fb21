// What the windows of the fugacity calculators share in their tests: the
// automatic first approach of the molar volume and the refusal of a state.
#pragma once

#include "calc/pvt/window_driving.h"

namespace driving {

inline const QString kPutNumber = "warning: put a number for temperature and pressure";

// The molar volume from the automatic start: the vapour-like estimate, else
// the liquid-like one.
inline double AutomaticVolume(const Globals::Composition& x, double T, double P) {
  double V0 = Globals::Volume_Holloway(2, x, T, P);
  if (!(V0 > 0)) V0 = Globals::Volume_Holloway(0, x, T, P);
  return Globals::Volume(x, T, P, V0);
}

}  // namespace driving
