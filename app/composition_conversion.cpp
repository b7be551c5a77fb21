#include "app/composition_conversion.h"

namespace composition {

namespace {
using Globals::MolarMass;

// Moles in 100 g of fluid.
double MolesPerHundredGrams(const Composition& w) {
  double q = w[0] / MolarMass[0];
  for (int i = 1; i < 5; ++i) q = q + w[i] / MolarMass[i];
  return q;
}

// Grams in 100 mol of fluid.
double GramsPerHundredMoles(const Composition& n) {
  double g = n[0] * MolarMass[0];
  for (int i = 1; i < 5; ++i) g = g + n[i] * MolarMass[i];
  return g;
}

void AmountFromMassPercent(const Arrays& c) {
  const double q = MolesPerHundredGrams(c.mass);
  if (q > 0) {
    for (int i = 0; i < 5; ++i) c.amount[i] = ((c.mass[i] / MolarMass[i]) * 100) / q;
  }
}

void MassFromAmountPercent(const Arrays& c) {
  const double g = GramsPerHundredMoles(c.amount);
  if (g > 0) {
    for (int i = 0; i < 5; ++i) c.mass[i] = ((c.amount[i] * 100) * MolarMass[i]) / g;
  }
}

// Grams of fluid per kg H2O; the water term is the 1000 g themselves.
double GramsPerKilogramWater(const Composition& b) {
  double total = 1000.0;
  for (int i = 1; i < 5; ++i) total = total + b[i] * MolarMass[i];
  return total;
}

// Moles per kg H2O, water included.
double MolesPerKilogramWater(const Composition& b) {
  double s = b[0];
  for (int i = 1; i < 5; ++i) s = s + b[i];
  return s;
}
}  // namespace

Arrays SharedArrays() { return Arrays{Globals::MASSnumber, Globals::ASnumber, Globals::Mnumber}; }

void MolalitiesFromMassPercent(const Arrays& c) {
  const double water = c.mass[0];
  if (water == 0) {
    c.molality = Composition{};
  } else if (water > 0) {
    const double f = 1000 / water;  // kg of fluid per kg of water, times 1000 / 100
    for (int i = 0; i < 5; ++i) c.molality[i] = (c.mass[i] * f) / MolarMass[i];
  }
}

void EnterMassPercent(const Arrays& c, int k, double typed) {
  c.mass[k] = typed;
  AmountFromMassPercent(c);
  MolalitiesFromMassPercent(c);
}

void EnterAmountPercent(const Arrays& c, int k, double typed) {
  c.amount[k] = typed;
  MassFromAmountPercent(c);
  MolalitiesFromMassPercent(c);
}

void EnterMolality(const Arrays& c, int k, double typed) {
  if (k != 0) c.molality[k] = typed;
  c.molality[0] = WaterPreset;

  const double grams = GramsPerKilogramWater(c.molality);
  if (grams > 0) {
    for (int i = 0; i < 5; ++i) c.mass[i] = (c.molality[i] * (100.0 * MolarMass[i])) / grams;
  }
  const double moles = MolesPerKilogramWater(c.molality);
  if (moles > 0) {
    for (int i = 0; i < 5; ++i) c.amount[i] = (c.molality[i] * 100) / moles;
  }
}

double AcceptanceTotal(const Arrays& c, UnitMode mode) {
  double total = 0;
  switch (mode) {
    case UnitMode::Mass:
      for (int i = 0; i < 5; ++i) total = total + c.mass[i];
      break;
    case UnitMode::Amount:
      for (int i = 0; i < 5; ++i) total = total + c.amount[i];
      break;
    case UnitMode::Molality: {
      const double s = MolesPerKilogramWater(c.molality);
      if (s > 0) {
        for (int i = 0; i < 5; ++i) total = total + (100 * c.molality[i]) / s;
      }
      break;
    }
  }
  return total;
}

bool TotalAccepted(double total) { return !(total < 99.999999 || total > 100.000001); }

}  // namespace composition
