// What the two phase-equilibrium windows ("Bubble-Dew point" and
// "Liquid-Vapour Equilibrium") and their calculations share: component names,
// the rows of the per-component lists and the texts of the result line.
#pragma once

#include <QString>

#include "calc/pvt/ComponentNames.h"
#include "fluid/Globals.h"

namespace equilibria {

using Globals::Composition;

// Column 0 of every per-component row, by component index.
using pvt::kComponentNames;

// One row of a per-component list: name in column 0, value text in column 1.
struct ComponentRow {
  QString name;
  QString value;
  bool operator==(const ComponentRow&) const = default;
};

// Texts of the result line `ResultText`.
inline const QString kSolutionAfter = "Solution after ";
inline const QString kIterations = " iterations";
inline const QString kNoSolution = "No solution, adjust First Approach and try again";
inline const QString kTrivialSolution =
    "Possible trivial solution, optional: adjust First Approach and try again";
inline const QString kFugacitiesNotEqual =
    "Fugacities are not equal: adjust First Approach and try again";
inline const QString kFractionsOutOfRange = "The fractions must have a number between 0 and 1";

}  // namespace equilibria
