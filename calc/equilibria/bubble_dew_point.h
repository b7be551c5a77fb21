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
// The given temperature or pressure and the start compositions are the
// window's own (BubbleDewStart): those of its last first approach
// (bubble_dew_first_approach.h), with the edits of its own phase lists, or
// the final compositions of its last run. What other windows write into
// Globals::TK_global, Globals::PMPa_global, Globals::xgas or Globals::ygas
// meanwhile does not reach the run.
// Refused: a `dataEntry2` without a number, a temperature that is not above
// 0 K (the given one in mode Th, the start value in mode Ph), and start
// compositions that do not sum to a number above 0; a start pressure of 0
// runs.
// The run leaves its final compositions in the window's start and in
// Globals::xgas and Globals::ygas, and the K-values of its last pass in
// Globals::K_liq_vap. Nothing else of Globals is written.
//
// It gives back every text of the result controls (equilibrium_result.h)
// and the two column captions `PhaseX1` / `PhaseY1`: "Phase X, solution"
// marks the bulk phase's counterpart found, and only beside "Solution
// after ...". A converged run whose phases are not in equilibrium
// (IsEquilibrium, phase_split.h) shows "Fugacities are not equal" or "No
// solution". With `stopped` the
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

// What a calculation starts from, kept by the window between its steps: the
// given temperature (K, mode Th) and pressure (MPa, mode Ph) and the start
// compositions of phase X and phase Y. All 0 before a first approach.
struct BubbleDewStart {
  double temperature = 0;
  double pressure = 0;
  Composition x{};
  Composition y{};
};

struct BubbleDewResult : EquilibriumResult {
  QString captionX = kPhaseX;  // `PhaseX1`
  QString captionY = kPhaseY;  // `PhaseY1`
};

// Passes at most: passes 0 to 1500.
constexpr int32_t kBubbleDewPassLimit = 1500;
// Homogenization pressures above this (MPa) are pulled back.
constexpr double kHighestPressure = 600.0;

// Runs from `start` and leaves there the final compositions of the run.
BubbleDewResult CalculateBubbleDewPoint(const BubbleDewInput& input, BubbleDewStart& start,
                                        const std::function<bool()>& stillOpen);

}  // namespace equilibria
