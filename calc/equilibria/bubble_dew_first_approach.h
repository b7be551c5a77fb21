// The first-approach estimate of the "Bubble-Dew point" window, run by its
// "calculate first approach" button (`FirstApproach`).
//
// The window passes in the homogenization mode and the bulk-phase mode that
// are on, the temperature of `dataEntryTh` in K as its unit radios read it
// (nothing when the field holds no number) and the text of `dataEntryPh`.
// The estimate sets, for the calculation (bubble_dew_point.h):
//   - mode Th (temperature given): Globals::TK_global from `dataEntryTh` and
//     Globals::PMPa_global = the Raoult bubble (Liquid) or dew (Vapour)
//     pressure; the start pressure shown is half of it;
//   - mode Ph (pressure given): Globals::PMPa_global from `dataEntryPh` and
//     Globals::TK_global = the start temperature 298.15 K;
//   - Globals::K_liq_vap from the Wilson correlation, and the start
//     compositions Globals::xgas / Globals::ygas: the bulk fluid as phase X
//     (Liquid, or neither radio) or as phase Y (Vapour), the other phase by K.
// It gives back the text for `dataEntry2`, and the temperature, pressure and
// compositions it wrote, which the window keeps for its calculation
// (BubbleDewStart). The window then refills its
// phase lists from Globals::xgas / ygas with FillPhaseLists (phase_lists.h),
// sets `PhaseX1` / `PhaseY1` to "Phase X" / "Phase Y" and empties `Answer`,
// `ResultText` and the result lists.
// The entry of the mode is refused when it holds no number: nothing is
// changed, and the window shows the refusal as it shows the calculation's
// (ShowResult). Any number is taken, 0 too: the calculation refuses what
// cannot be iterated.
#pragma once

#include <optional>

#include <QString>

#include "calc/equilibria/bubble_dew_point.h"
#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

struct BubbleDewApproachInput {
  HomogenizationMode mode = HomogenizationMode::Temperature;
  BulkPhase bulk = BulkPhase::None;
  std::optional<double> temperature;  // `dataEntryTh`, K
  QString pressureText;               // `dataEntryPh`
};

struct BubbleDewApproach {
  QString start;    // `dataEntry2`: the start pressure (MPa) or temperature (K)
  QString refusal;  // for `ResultText` when the entry held no number
  BubbleDewStart state;
};

// The start temperature of a homogenization temperature search, K.
constexpr double kStartTemperature = 298.15;

BubbleDewApproach BubbleDewFirstApproach(const BubbleDewApproachInput& input);

}  // namespace equilibria
