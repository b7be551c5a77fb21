// The bubble and dew point calculation of the "Bubble-Dew point" window, run
// by its `calculate` button.
//
// The window passes in:
//   - the homogenization mode: HomogenizationMode::Temperature when
//     `RadioButtonTh` is on (T given, the pressure sought), ::Pressure when
//     `RadioButtonPh` is on (P given, the temperature sought);
//   - the bulk-phase mode from `Liquid` / `Vapour` (BulkPhase::None when
//     neither is on: computed as Liquid, no solution column marked), and a
//     callable that reads those radios again after the run for the captions;
//   - the text of `dataEntry2`, the start value of the sought quantity (MPa,
//     or K whatever the unit radios show);
//   - a callable telling whether the window is still open (IsOpen()).
// The given temperature or pressure is the one the first approach left in
// Globals::TK_global or Globals::PMPa_global (bubble_dew_first_approach.h).
// Refused: a `dataEntry2` without a number, a temperature that is not above
// 0 K (the given one in mode Th, the start value in mode Ph), and start
// compositions that do not sum to a number above 0; a start pressure of 0
// runs.
// The start compositions are Globals::xgas and Globals::ygas, as the first
// approach left them or as edited in the phase lists (also while the run
// yields); the run leaves its final compositions there and the K-values of
// its last pass in Globals::K_liq_vap. Nothing else of Globals is written.
//
// It gives back every text of the result controls (equilibrium_result.h)
// and the two column captions `PhaseX1` / `PhaseY1` ("Phase X, solution"
// marks the bulk phase's counterpart found). A converged run whose phases
// are not in equilibrium (IsEquilibrium, phase_split.h) shows "Fugacities
// are not equal" or "No solution" and plain captions. With `stopped` the
// window writes nothing; with `onlyMessage` it shows resultText and empties
// the other result controls; otherwise it writes every field.
#pragma once

#include <functional>

#include <QString>

#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

enum class HomogenizationMode {
  Temperature,  // `RadioButtonTh`: the homogenization pressure is sought
  Pressure,     // `RadioButtonPh`: the homogenization temperature is sought
};

enum class BulkPhase {
  None,    // neither radio on: treated as Liquid
  Liquid,  // bubble point: the bulk fluid is phase X
  Vapour,  // dew point: the bulk fluid is phase Y
};

inline const QString kPhaseX = "Phase X";
inline const QString kPhaseY = "Phase Y";
inline const QString kPhaseXSolution = "Phase X, solution";
inline const QString kPhaseYSolution = "Phase Y, solution";

struct BubbleDewInput {
  HomogenizationMode mode = HomogenizationMode::Temperature;
  BulkPhase bulk = BulkPhase::None;
  QString startText;  // `dataEntry2`
  // The bulk-phase mode as the radios show it after the run, for the
  // captions; when empty, `bulk` marks them.
  std::function<BulkPhase()> bulkAfterRun = nullptr;
};

struct BubbleDewResult : EquilibriumResult {
  QString captionX = kPhaseX;  // `PhaseX1`
  QString captionY = kPhaseY;  // `PhaseY1`
};

// Passes at most: passes 0 to 1500.
constexpr int32_t kBubbleDewPassLimit = 1500;
// Homogenization pressures above this (MPa) are pulled back.
constexpr double kHighestPressure = 600.0;

BubbleDewResult CalculateBubbleDewPoint(const BubbleDewInput& input,
                                        const std::function<bool()>& stillOpen);

}  // namespace equilibria
