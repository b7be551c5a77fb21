// The "Select a first approach" group of the Molar Volumes, Quartz
// Solubility and Activities windows: the radios "Choice0" (automatic) and
// "Choice1" (manual, the start typed in "dataEntryV"), from which the molar
// volume is searched as a root of the pressure equation.
#pragma once

#include "app/framework/Window.h"
#include "fluid/Globals.h"

namespace pvt {

// The automatic start in cm3/mol at T in K and P in MPa: the liquid-like
// (smallest) modified Redlich-Kwong root, or the vapour-like (largest) where
// there is none.
double AutomaticFirstVolume(const Globals::Composition& x, double T, double P);

// The start the group asks for: 0 with neither radio on.
double ChosenFirstVolume(const fw::Window& w, const Globals::Composition& x, double T, double P);

// Both radios off, the typed start and the warning emptied: a new pressure or
// temperature asks for a new choice.
void ResetFirstApproach(const fw::Window& w);

}  // namespace pvt
