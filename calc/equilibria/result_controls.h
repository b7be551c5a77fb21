// Writes an EquilibriumResult into the result controls that both
// phase-equilibrium windows name alike: `Answer`, `ResultText`, `ListBoxVmX`,
// `ListBoxVmY`, `ListBoxDX`, `ListBoxDY`, `ListBoxPhaseX1`, `ListBoxPhaseY1`,
// `ListBoxPhaseX2`, `ListBoxPhaseY2`, and `ListBoxFracX`, `ListBoxFracY`
// where the window has them. An empty value leaves its one-row list empty,
// so ShowEquilibriumResult(w, {}) clears every result.
#pragma once

#include "app/framework/Window.h"
#include "calc/equilibria/equilibrium_result.h"

namespace equilibria {

void ShowEquilibriumResult(const fw::Window& w, const EquilibriumResult& result);

}  // namespace equilibria
