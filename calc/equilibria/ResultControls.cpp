#include "calc/equilibria/ResultControls.h"

#include "app/framework/Controls.h"
#include "calc/equilibria/phase_lists.h"

namespace equilibria {

void EmptyResultLists(fw::Window& window, bool withFractions) {
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxFracX", "ListBoxPhaseX1",
                           "ListBoxPhaseX2", "ListBoxVmY", "ListBoxDY", "ListBoxFracY",
                           "ListBoxPhaseY1", "ListBoxPhaseY2"}) {
    if (!withFractions && QString(list).startsWith("ListBoxFrac")) continue;
    window.List(list).DeleteAllRows();
  }
}

void ShowResult(fw::Window& window, const EquilibriumResult& result, bool withFractions) {
  if (result.onlyMessage) {
    window.Label("Answer").SetText("");
    EmptyResultLists(window, withFractions);
    window.Label("ResultText").SetText(result.resultText);
    return;
  }
  window.Label("Answer").SetText(result.answer);
  if (withFractions) {
    ShowSingleValue(window.List("ListBoxFracX"), result.phaseX.volumeFraction);
    ShowSingleValue(window.List("ListBoxFracY"), result.phaseY.volumeFraction);
  }
  ShowSingleValue(window.List("ListBoxVmX"), result.phaseX.molarVolume);
  ShowSingleValue(window.List("ListBoxDX"), result.phaseX.density);
  ShowSingleValue(window.List("ListBoxVmY"), result.phaseY.molarVolume);
  ShowSingleValue(window.List("ListBoxDY"), result.phaseY.density);
  FillComponentList(window.List("ListBoxPhaseX1"), result.phaseX.composition);
  FillComponentList(window.List("ListBoxPhaseY1"), result.phaseY.composition);
  FillComponentList(window.List("ListBoxPhaseX2"), result.phaseX.fugacity);
  FillComponentList(window.List("ListBoxPhaseY2"), result.phaseY.fugacity);
  window.Label("ResultText").SetText(result.resultText);
}

}  // namespace equilibria
