// Conversion of a fluid composition between mass per cent, amount-of-substance
// per cent and molality (mol per kg H2O), as the Fluid window does it at every
// keystroke, and the acceptance test of its "continue" button.
//
// The three arrays are those of the shared fluid state (Globals::MASSnumber,
// Globals::ASnumber, Globals::Mnumber); they are passed in so that the
// arithmetic can be checked apart from the window. Every formula keeps its
// grouping, so stored values agree to the last bit with the window's history.
#pragma once

#include "fluid/Globals.h"

namespace composition {

using Globals::Composition;

// Molality of H2O in pure water, mol/kg: the moles of H2O in 1000 g.
inline constexpr double WaterPreset = 1000.0 / 18.01528;

// The composition as the Fluid window holds it.
struct Arrays {
  Composition& mass;      // mass per cent
  Composition& amount;    // amount-of-substance per cent
  Composition& molality;  // mol per kg H2O; element 0 is water itself
};

// The shared arrays of module Globals.
Arrays SharedArrays();

// One entry typed for component k (0 H2O ... 4 KCl) in the given unit; the
// other two units are recomputed from all five elements. An array whose
// divisor is not positive keeps its previous values.
void EnterMassPercent(const Arrays& c, int k, double typed);
void EnterAmountPercent(const Arrays& c, int k, double typed);
// For k = 0 the typed value is not used: water is always WaterPreset.
// Every entry in this unit also sets molality[0] to WaterPreset.
void EnterMolality(const Arrays& c, int k, double typed);

// Molalities from mass per cents: zero when there is no water, unchanged when
// the water entry is negative.
void MolalitiesFromMassPercent(const Arrays& c);

enum class UnitMode { Mass, Amount, Molality };

// The total that "continue" judges: the sum of the array of the unit mode; in
// molality mode the sum of the percentages (100 b(i)) / S, 0 when S is not
// positive.
double AcceptanceTotal(const Arrays& c, UnitMode mode);
// The bounds themselves are accepted.
bool TotalAccepted(double total);

}  // namespace composition
