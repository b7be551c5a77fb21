// What the two phase-equilibrium windows ("Bubble-Dew point" and
// "Liquid-Vapour Equilibrium") do alike with their result controls: the
// writing of a calculation's results into the result lists.
#pragma once

#include "app/framework/Window.h"
#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

// Writes `Answer`, the volume fractions (when the window has them), molar
// volumes, densities, compositions and fugacities of both phases, then
// `ResultText`. A result that is only a message empties every other result
// control.
void ShowResult(fw::Window& window, const EquilibriumResult& result, bool withFractions);

// Empties the one-row and component result lists of both phases.
void EmptyResultLists(fw::Window& window, bool withFractions);

}  // namespace equilibria
