// Molar volume and temperature from the equation of state by root search on
// the pressure.
#include "fluid/Globals.h"
#include "fluid/pressure_root.h"

namespace Globals {

double Volume(const Composition& x, double T, double P, double Vstart) {
  return PressureRoot([&](double V) { return Pressure(x, T, V); }, P, Vstart);
}

double Temperature(const Composition& x, double P, double V, double Tstart) {
  return PressureRoot([&](double T) { return Pressure(x, T, V); }, P, Tstart);
}

}  // namespace Globals
