// The first-approach estimate of the "Liquid-Vapour Equilibrium" window, run
// by its "calculate first approach" button (`CalFirstApproach`).
//
// The window passes in the temperature unit radio that is on and the text of
// `dataEntry1`. The estimate sets Globals::TK_global from it, a start pressure
// P0 = the mean of the Raoult bubble and dew pressures, Globals::K_liq_vap
// from the Wilson correlation at T and P0, and the start compositions
// Globals::xgas / Globals::ygas from a split at the vapour fraction 0.5.
// Globals::PMPa_global and Globals::Vm_global are left as they are.
// It gives back the texts of `dataEntry2` (P0) and `dataEntry3` (0.5), which
// the calculation (liquid_vapour_split.h) reads back. The window then empties
// `ResultText`, refills its phase lists with FillPhaseLists (phase_lists.h),
// and empties `Answer` and the ten result lists. Nothing is checked: the
// calculation refuses what cannot be iterated.
#pragma once

#include <QString>

#include "calc/equilibria/equilibrium_types.h"

namespace equilibria {

struct LiquidVapourApproach {
  QString startPressure;  // `dataEntry2`, MPa
  QString startFraction;  // `dataEntry3`
};

LiquidVapourApproach LiquidVapourFirstApproach(TemperatureUnit unit,
                                               const QString& temperatureText);

}  // namespace equilibria
