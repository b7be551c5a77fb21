// The liquid-vapour split of the "Liquid-Vapour Equilibrium" window, run by
// its `calculate` button: the pressure at which the fluid of bulk molar
// volume Vm splits at T into phase X and phase Y, whose molar volumes share
// Vm by the lever rule.
//
// The window passes in the unit radio that is on, the texts of `dataEntry`
// (bulk molar volume, cm3/mol), `dataEntry1` (temperature), `dataEntry2`
// (start pressure, MPa) and `dataEntry3` (start vapour fraction), and a
// callable telling whether the window is still open (IsOpen()).
// The run starts its first split from Globals::K_liq_vap (the first
// approach's Wilson constants, or those of the last pass of the run before),
// rewrites it in every pass, and leaves Globals::xgas / Globals::ygas (the
// first-approach lists) alone. It stores Vm and T in Globals::Vm_global and
// Globals::TK_global at its start and the pressure of its last pass in
// Globals::PMPa_global at its end, with or without a solution and also when
// the window was closed, for the "Intersection SLV Curve" window.
//
// Only a temperature that is not a finite number above 0 K is refused, before
// anything is written. An empty bulk volume (0) splits every pass half and
// half and shows the start fraction; an empty start pressure (0) stays at
// 0 MPa and ends in the first pass.
//
// It gives back every text of the result controls (equilibrium_result.h,
// with the volume fractions of ListBoxFracX / ListBoxFracY). The captions
// `PhaseX1` and `PhaseY1` are not touched. With `stopped` the window writes
// nothing; with `refused` it shows resultText and empties the other result
// controls; otherwise it writes every field.
#pragma once

#include <cstdint>
#include <functional>

#include <QString>

#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

struct LiquidVapourInput {
  TemperatureUnit unit = TemperatureUnit::Kelvin;
  QString volumeText;       // `dataEntry`
  QString temperatureText;  // `dataEntry1`
  QString pressureText;     // `dataEntry2`
  QString fractionText;     // `dataEntry3`
};

// Passes at most: passes 0 to 1000.
constexpr int32_t kLiquidVapourPassLimit = 1000;

EquilibriumResult CalculateLiquidVapourSplit(const LiquidVapourInput& input,
                                             const std::function<bool()>& stillOpen);

// The vapour mole fraction of a pass from the molar volumes of its phases at
// bulk molar volume Vm (all cm3/mol). `phi`, the vapour volume fraction, is
// updated when the lever rule applies (Vm > 0, VmX ≠ VmY); otherwise the
// split is made half and half. A fraction far outside [0, 1] is pulled back:
// above 2 to 0.5, below −1 to 0.
double LeverRuleVapourFraction(double Vm, double VmX, double VmY, double& phi);

}  // namespace equilibria
