// The first-approach estimate of the "Bubble-Dew point" window, run by its
// "calculate first approach" button (`FirstApproach`).
//
// The window passes in the homogenization mode, the bulk-phase mode and the
// temperature unit radio that are on, and the texts of `dataEntryTh` and
// `dataEntryPh`. The estimate sets, for the calculation
// (bubble_dew_point.h):
//   - mode Th (temperature given): Globals::TK_global from `dataEntryTh` and
//     Globals::PMPa_global = the Raoult bubble (Liquid) or dew (Vapour)
//     pressure; the start pressure shown is half of it;
//   - mode Ph (pressure given): Globals::PMPa_global from `dataEntryPh` and
//     Globals::TK_global = the start temperature 298.15 K;
//   - Globals::K_liq_vap from the Wilson correlation, and the start
//     compositions Globals::xgas / Globals::ygas: the bulk fluid as phase X
//     (Liquid, or neither radio) or as phase Y (Vapour), the other phase by K.
// It gives back the text for `dataEntry2`. The window then refills its
// phase lists from Globals::xgas / ygas with FillPhaseLists (phase_lists.h),
// sets `PhaseX1` / `PhaseY1` to "Phase X" / "Phase Y" and empties `Answer`,
// `ResultText` and the result lists. Nothing is checked: an empty entry
// counts as 0, and the calculation refuses what cannot be iterated.
#pragma once

#include <QString>

#include "calc/equilibria/bubble_dew_point.h"
#include "calc/equilibria/equilibrium_types.h"

namespace equilibria {

struct BubbleDewApproachInput {
  HomogenizationMode mode = HomogenizationMode::Temperature;
  BulkPhase bulk = BulkPhase::None;
  TemperatureUnit unit = TemperatureUnit::Kelvin;
  QString temperatureText;  // `dataEntryTh`
  QString pressureText;     // `dataEntryPh`
};

// The start temperature of a homogenization temperature search, K.
constexpr double kStartTemperature = 298.15;

// Returns the text of `dataEntry2`: the start pressure (MPa) or temperature (K).
QString BubbleDewFirstApproach(const BubbleDewApproachInput& input);

}  // namespace equilibria
