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
  // The run was refused before it started (no usable temperature or start
  // composition): every text below but resultText is empty, so writing them
  // all clears the previous result.
  bool refused = false;
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

// A run refused for want of a temperature above 0 K, which the start-volume
// scan of the equation of state needs.
inline const QString kPutTemperature = "warning: put a number for temperature";

// "Solution after k iterations".
QString SolutionCount(int32_t lastPass);

}  // namespace equilibria
