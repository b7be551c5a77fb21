// The frame of the equation of state: the compressibility factor as the sum of
// the three terms, the pressure, the lowest admissible volume and the density.
#include "fluid/Globals.h"
#include "fluid/lowest_volume.h"

namespace Globals {

double Compressibility(const Composition& x, double T, double V) {
  const LowestVolumes lowest = LowestVolumesOf(x);
  // NaN fails both tests.
  if (!(T > 0) || !IsAdmissibleVolume(lowest, V)) return 0;
  double Z = 1 + Repulsive(0, x, T, V);
  Z = Z + Dipole(0, x, T, V);
  Z = Z + Perturbation(0, x, T, V);
  return Z;
}

double Pressure(const Composition& x, double T, double V) {
  const double Z = Compressibility(x, T, V);
  if (!(T > 0 && V > 0)) return 0;
  // J/cm3 is MPa.
  return Z * R * T / V;
}

double Vlimit(const Composition& x) { return LowestVolumesOf(x).limit; }

double Density(const Composition& x, double V) {
  if (!(V > 0)) return 0;
  double mass = 0;
  for (int i = 0; i < 5; ++i) mass += x[i] * MolarMass[i];
  return mass / V;
}

}  // namespace Globals
