// The liquid-vapour split of the "Liquid-Vapour Equilibrium" window, run by
// its `calculate` button: the pressure at which the fluid of bulk molar
// volume Vm splits at T into phase X and phase Y, whose molar volumes share
// Vm by the lever rule.
//
// The window passes in the temperature of `dataEntry1` in K as its unit
// radios read it (nothing when the field holds no number), the texts of
// `dataEntry` (bulk molar volume, cm3/mol), `dataEntry2` (start pressure,
// MPa) and `dataEntry3` (start vapour fraction), and a callable telling
// whether the window is still open (IsOpen()).
// The run starts its first split from the K-values the window keeps (its
// first approach's Wilson constants, or those of the last pass of its run
// before: what another window leaves in Globals::K_liq_vap does not reach
// it), leaves there those of its last pass, rewrites Globals::K_liq_vap in
// every pass, and leaves Globals::xgas / Globals::ygas (the first-approach
// lists) alone. It stores Vm and T in Globals::Vm_global and
// Globals::TK_global at its start and the pressure of its last pass in
// Globals::PMPa_global at its end (0 when that is no finite number), with or
// without a solution and also when the window was closed, for the
// "Intersection SLV Curve" window.
//
// Refused before anything is written: a field without a number, in the
// order of the window (volume, temperature, pressure, fraction), and a
// temperature not above 0 K. A bulk volume of 0 splits every pass half and
// half and shows the start fraction; a start pressure of 0 stays at 0 MPa and
// ends in the first pass.
//
// It gives back every text of the result controls (equilibrium_result.h,
// with the volume fractions of ListBoxFracX / ListBoxFracY). A converged run
// whose phases are not in equilibrium (IsEquilibrium, phase_split.h) shows
// "No solution" unless a trivial solution or a fraction out of range was
// found. The captions `PhaseX1` and `PhaseY1` are not touched. With
// `stopped` the window writes nothing; with `onlyMessage` it shows resultText
// and empties the other result controls; otherwise it writes every field.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QString>

#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

struct LiquidVapourInput {
  QString volumeText;                 // `dataEntry`
  std::optional<double> temperature;  // `dataEntry1`, K
  QString pressureText;               // `dataEntry2`
  QString fractionText;               // `dataEntry3`
};

// Passes at most: passes 0 to 1000.
constexpr int32_t kLiquidVapourPassLimit = 1000;

EquilibriumResult CalculateLiquidVapourSplit(const LiquidVapourInput& input, Composition& K,
                                             const std::function<bool()>& stillOpen);

// The vapour mole fraction of a pass from the molar volumes of its phases at
// bulk molar volume Vm (all cm3/mol). `phi`, the vapour volume fraction, is
// updated when the lever rule applies (Vm > 0, VmX ≠ VmY, and a finite
// fraction comes out); otherwise the split is made half and half. A fraction
// far outside [0, 1] is pulled back: above 2 to 0.5, below −1 to 0.
double LeverRuleVapourFraction(double Vm, double VmX, double VmY, double& phi);

}  // namespace equilibria
