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

inline bool IsAdmissibleVolume(const LowestVolumes& lowest, double V) {
  return V > lowest.limit && V > lowest.repulsive;
}

}  // namespace Globals
