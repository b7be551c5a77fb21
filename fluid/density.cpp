// Mass density in g/cm3 from the molar volume in cm3/mol.
#include "fluid/Globals.h"
#include "fluid/input_validity.h"

namespace Globals {

double Density(const Composition& x, double V) {
  if (!IsFinitePositive(V)) return 0;
  double mass = 0;
  for (int i = 0; i < 5; ++i) mass += x[i] * MolarMass[i];
  return mass / V;
}

}  // namespace Globals
