#include "calc/equilibria/result_controls.h"

#include "app/framework/Controls.h"
#include "calc/equilibria/phase_lists.h"

namespace equilibria {

void ShowEquilibriumResult(const fw::Window& w, const EquilibriumResult& result) {
  w.Label("Answer").SetText(result.answer);
  // Only the liquid-vapour window shows volume fractions.
  if (w.FindControl("ListBoxFracX")) {
    ShowSingleValue(w.List("ListBoxFracX"), result.phaseX.volumeFraction);
    ShowSingleValue(w.List("ListBoxFracY"), result.phaseY.volumeFraction);
  }
  ShowSingleValue(w.List("ListBoxVmX"), result.phaseX.molarVolume);
  ShowSingleValue(w.List("ListBoxDX"), result.phaseX.density);
  ShowSingleValue(w.List("ListBoxVmY"), result.phaseY.molarVolume);
  ShowSingleValue(w.List("ListBoxDY"), result.phaseY.density);
  FillComponentList(w.List("ListBoxPhaseX1"), result.phaseX.composition);
  FillComponentList(w.List("ListBoxPhaseY1"), result.phaseY.composition);
  FillComponentList(w.List("ListBoxPhaseX2"), result.phaseX.fugacity);
  FillComponentList(w.List("ListBoxPhaseY2"), result.phaseY.fugacity);
  w.Label("ResultText").SetText(result.resultText);
}

}  // namespace equilibria
