#include "calc/equilibria/equilibrium_result.h"

#include "app/framework/ValStr.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace equilibria {

using fw::Str;

void DescribePhases(const Composition& z, const Composition& x, const Composition& y,
                    const PhaseSplitResult& run, EquilibriumResult& result) {
  result.phaseX.molarVolume = Str(run.VmX);
  result.phaseX.density = Str(Globals::Density(x, run.VmX));
  result.phaseY.molarVolume = Str(run.VmY);
  result.phaseY.density = Str(Globals::Density(y, run.VmY));
  for (int i = 0; i < 5; ++i) {
    if (z[i] != 0) {
      const QString& name = kComponentNames[i];
      result.phaseX.composition.push_back({name, Str(x[i])});
      result.phaseY.composition.push_back({name, Str(y[i])});
      result.phaseX.fugacity.push_back({name, Str(x[i] * run.phiX[i] * run.P)});
      result.phaseY.fugacity.push_back({name, Str(y[i] * run.phiY[i] * run.P)});
    }
    RuntimeBackgroundTask();
  }
}

EquilibriumResult MessageOnly(const QString& message) {
  EquilibriumResult result;
  result.onlyMessage = true;
  result.resultText = message;
  return result;
}

QString SolutionCount(int32_t lastPass) { return kSolutionAfter + Str(lastPass) + kIterations; }

}  // namespace equilibria
