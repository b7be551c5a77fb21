// The lowest molar volumes of a composition, cm3/mol.
//
// Two co-volume tables meet here: the one of the lower limit shown to the user
// (Globals::Vlimit, H2O 28.459) and the one of the equation-of-state terms
// (Globals::b_ind, H2O 28.4959). Below the latter the hard-sphere term has no
// value, so with H2O present the band between the two is no admissible state
// either.
#pragma once

#include "fluid/Globals.h"

namespace Globals {

struct LowestVolumes {
  double limit;      // Vlimit
  double repulsive;  // the hard-sphere term's own lowest volume
};

// One pass per component, each yielding once to the event loop.
LowestVolumes LowestVolumesOf(const Composition& x);

// A composition without any substance (all fractions 0) has no hard spheres
// to size, so no volume of it is a state: the terms give their failure value
// 0 there, and so do the compressibility factor and the pressure.
inline bool IsAdmissibleVolume(const LowestVolumes& lowest, double V) {
  return lowest.repulsive != 0 && V > lowest.limit && V > lowest.repulsive;
}

}  // namespace Globals
