// The first-approach estimate of the "Liquid-Vapour Equilibrium" window, run
// by its "calculate first approach" button (`CalFirstApproach`).
//
// The window passes in the temperature of `dataEntry1` in K as its unit
// radios read it, nothing when the field holds no number: that alone is
// refused, and then nothing is changed and the window shows the refusal as
// the calculation shows its own (ShowResult). Otherwise the estimate sets
// Globals::TK_global from it (0 K too), a start pressure
// P0 = the mean of the Raoult bubble and dew pressures, Globals::K_liq_vap
// from the Wilson correlation at T and P0, and the start compositions
// Globals::xgas / Globals::ygas from a split at the vapour fraction 0.5.
// Globals::PMPa_global and Globals::Vm_global are left as they are.
// It gives back the texts of `dataEntry2` (P0) and `dataEntry3` (0.5), which
// the calculation (liquid_vapour_split.h) reads back, and the K-values, which
// the window keeps for it. The window then empties
// `ResultText`, refills its phase lists with FillPhaseLists (phase_lists.h),
// and empties `Answer` and the ten result lists. The calculation refuses what
// cannot be iterated.
#pragma once

#include <optional>

#include <QString>

#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

struct LiquidVapourApproach {
  QString startPressure;  // `dataEntry2`, MPa
  QString startFraction;  // `dataEntry3`
  QString refusal;        // for `ResultText` when the temperature held no number
  Composition K{};        // the Wilson constants written to Globals::K_liq_vap
};

LiquidVapourApproach LiquidVapourFirstApproach(const std::optional<double>& temperature);

}  // namespace equilibria
