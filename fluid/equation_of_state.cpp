// The frame of the equation of state: the compressibility factor as the sum of
// the three terms, and the pressure.
#include "fluid/Globals.h"
#include "fluid/input_validity.h"
#include "fluid/lowest_volume.h"

namespace Globals {

double Compressibility(const Composition& x, double T, double V) {
  const LowestVolumes lowest = LowestVolumesOf(x);
  // Only above both lowest volumes do all three terms have a value; with H2O
  // present the hard-sphere term's lies a little above Vlimit. NaN fails.
  if (!IsFinitePositive(T) || !IsFinitePositive(V) || !IsAdmissibleVolume(lowest, V)) return 0;
  double Z = 1 + Repulsive(0, x, T, V);
  Z = Z + Dipole(0, x, T, V);
  Z = Z + Perturbation(0, x, T, V);
  return Z;
}

double Pressure(const Composition& x, double T, double V) {
  const double Z = Compressibility(x, T, V);
  if (!(IsFinitePositive(T) && IsFinitePositive(V))) return 0;
  // J/cm3 is MPa.
  return Z * R * T / V;
}

}  // namespace Globals
