// Quartz solubility in the fluid by the Akinfiev–Diamond approach: the
// mixture's molar volume less fixed partial molar volumes of CO2, NaCl and
// KCl gives an effective volume of H2O, whose density enters Doveziz's
// quartz-solubility equation.
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/input_validity.h"

namespace Globals {

namespace {

// Partial molar volumes, cm3/mol: central values (variant 0) and central
// values plus (1) and minus (2) their uncertainty. CH4 has none: its share
// of the volume stays with the water.
struct PartialMolarVolumes {
  double CO2;
  double NaCl;
  double KCl;
};
constexpr PartialMolarVolumes kPartialMolarVolumes[3] = {
    {29.9, 30.8, 45.5},  // variant 0
    {33.3, 32.1, 45.5},  // variant 1
    {26.5, 29.5, 45.5},  // variant 2
};

constexpr double kMolarMassH2O = 18.01528;  // g/mol

}  // namespace

double VH2O_Akinfiev(int32_t variant, const Composition& x, double Vm) {
  if (!IsFinitePositive(Vm)) return 0;
  if (!(x[0] > 0)) return 0;  // no water
  // Another variant subtracts nothing: the whole volume is the water's.
  PartialMolarVolumes v{0, 0, 0};
  if (variant >= 0 && variant <= 2) v = kPartialMolarVolumes[variant];
  return (Vm - x[1] * v.CO2 - x[3] * v.NaCl - x[4] * v.KCl) / x[0];
}

double mSiO2_Akinfiev(double xH2O, double TK, double VH2O) {
  if (!IsFinitePositive(TK) || !IsFinitePositive(VH2O) || !(xH2O > 0)) return 0;
  const double T = TK;
  const double A = 4.262 - 5764.2 / T + 1751300 / (T * T) - 228690000 / ((T * T) * T);
  const double B = 2.8454 - 1006.9 / T + 356890 / (T * T);
  const double logDensity = std::log(kMolarMassH2O / VH2O) / std::log(10.0);  // g/cm3
  const double logWater = std::log(xH2O) / std::log(10.0);
  // log10 m = A + B·log10 ρ + 2·log10 xH2O; the last term dilutes the water.
  return std::pow(10.0, (A + B * logDensity) + 2 * logWater);
}

}  // namespace Globals
