// What the "calculate" button of either phase-equilibrium window shows: the
// texts of its result controls, ready to be written as they stand.
#pragma once

#include <vector>

#include <QString>

#include "calc/equilibria/equilibrium_types.h"
#include "calc/equilibria/phase_split.h"

namespace equilibria {

// The results of one phase (phase X: ListBox...X..., phase Y: ListBox...Y...).
struct PhaseResult {
  QString volumeFraction;  // the one row of ListBoxFracX / ListBoxFracY (liquid-vapour only)
  QString molarVolume;     // the one row of ListBoxVmX / ListBoxVmY, cm3/mol
  QString density;         // the one row of ListBoxDX / ListBoxDY, g/cm3
  std::vector<ComponentRow> composition;  // rows of ListBoxPhaseX1 / ListBoxPhaseY1
  std::vector<ComponentRow> fugacity;     // rows of ListBoxPhaseX2 / ListBoxPhaseY2, MPa
};

struct EquilibriumResult {
  // The window was closed during the run: write nothing.
  bool stopped = false;
  // Only resultText has something to show: the run was refused before it
  // started (a field without a number, no usable temperature or start
  // composition), or its last pass gave no finite numbers. Every other text
  // below is empty, so writing them all clears the previous result.
  bool onlyMessage = false;
  QString answer;      // `Answer`: pressure in MPa, or temperature in K
  PhaseResult phaseX;
  PhaseResult phaseY;
  QString resultText;  // `ResultText`: the count of passes or the verdict
};

// Fills molar volume, density, composition and fugacity rows of both phases
// from the last pass of a run: a row for each component whose bulk fraction
// z(i) is not 0, in component order; fugacities x(i)·phi(i)·P in MPa.
void DescribePhases(const Composition& z, const Composition& x, const Composition& y,
                    const PhaseSplitResult& run, EquilibriumResult& result);

// A result that is only a message in `ResultText`.
EquilibriumResult MessageOnly(const QString& message);

// Refusals of a field that holds no number. A temperature must also be above
// 0 K for the calculations, which the start-volume scan of the equation of
// state needs.
inline const QString kPutTemperature = "warning: put a number for temperature";
inline const QString kPutPressure = "warning: put a number for pressure";
inline const QString kPutMolarVolume = "warning: put a number for molar volume";
inline const QString kPutVolumeFraction = "warning: put a number for volume fraction";

// "Solution after k iterations".
QString SolutionCount(int32_t lastPass);

}  // namespace equilibria
