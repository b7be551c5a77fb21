#include "calc/equilibria/liquid_vapour_split.h"

#include <cmath>

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"
#include "fluid/input_validity.h"

namespace equilibria {

namespace {

// Where an out-of-range vapour fraction is pulled back to: half way from
// this value towards 1 above the upper bound, half of it below the lower.
constexpr double kPullBack = 0;

}  // namespace

double LeverRuleVapourFraction(double Vm, double VmX, double VmY, double& phi) {
  double beta = 0.5;
  if (Vm > 0 && VmX - VmY != 0) {
    const double share = VmY * (VmX - Vm) / (Vm * (VmX - VmY));
    // Only a bulk volume near the ends of the number range overflows.
    if (std::isfinite(share)) {
      phi = share;
      beta = phi * VmX / (VmY + phi * (VmX - VmY));
    }
  }
  if (beta > 2.0) beta = (kPullBack + 1) / 2;
  if (beta < -1.0) beta = kPullBack / 2;
  return beta;
}

EquilibriumResult CalculateLiquidVapourSplit(const LiquidVapourInput& input, Composition& K,
                                             const std::function<bool()>& stillOpen) {
  const Composition z = Globals::fraction;
  const std::optional<double> typedVm = fw::ParseNumber(input.volumeText);
  const std::optional<double> typedP0 = fw::ParseNumber(input.pressureText);
  const std::optional<double> typedS = fw::ParseNumber(input.fractionText);
  // The start-volume scan needs a temperature above 0 K. A bulk volume or a
  // start pressure of 0 runs: the split is then made half and half, or held
  // at 0 MPa where every coefficient is 1.
  if (!typedVm) return MessageOnly(kPutMolarVolume);
  if (!input.temperature || !Globals::IsFinitePositive(*input.temperature))
    return MessageOnly(kPutTemperature);
  if (!typedP0) return MessageOnly(kPutPressure);
  if (!typedS) return MessageOnly(kPutVolumeFraction);
  const double Vm = *typedVm;
  const double T = *input.temperature;
  const double P0 = *typedP0;
  const double s = *typedS;
  Globals::Vm_global = Vm;
  Globals::TK_global = T;

  // First split with the distribution constants at hand (a copy: the split
  // yields, and a first approach meanwhile writes anew); the start value
  // typed as a volume fraction serves as the vapour mole fraction.
  const Composition startK = K;
  Composition x{};
  Composition y{};
  const SplitSums start =
      RachfordRiceSplit(z, startK, s, x, y, AbsentComponents::FractionNotAbove0);

  double phi = s;
  PhaseSplitSetup setup;
  setup.sought = Sought::Pressure;
  setup.fixed = T;
  setup.u = P0;
  setup.uPrev = 0.9 * P0;
  setup.f = start.Sx - start.Sy;
  setup.fPrev = -0.01;
  setup.step = (P0 - setup.uPrev) / 2;
  setup.passLimit = kLiquidVapourPassLimit;
  setup.absent = AbsentComponents::FractionNotAbove0;
  setup.beta = [Vm, &phi](double VmX, double VmY) {
    return LeverRuleVapourFraction(Vm, VmX, VmY, phi);
  };
  setup.stillOpen = stillOpen;

  const PhaseSplitResult run = RunPhaseSplit(setup, z, x, y);
  K = run.K;
  // The SLV window reads the pressure of the last pass whatever the outcome,
  // also after this window was closed; a pressure that is no number is none.
  Globals::PMPa_global = std::isfinite(run.P) ? run.P : 0;
  if (run.outcome == SplitOutcome::Stopped) {
    EquilibriumResult stopped;
    stopped.stopped = true;
    return stopped;
  }
  if (run.outcome == SplitOutcome::NotFinite) return MessageOnly(kNoSolution);

  EquilibriumResult result;
  result.answer = fw::Str(run.P);
  result.phaseX.volumeFraction = fw::Str(1 - phi);
  result.phaseY.volumeFraction = fw::Str(phi);
  DescribePhases(z, x, y, run, result);

  result.resultText = SolutionCount(run.lastPass);
  if (run.outcome != SplitOutcome::Converged) {
    result.resultText = kNoSolution;
    return result;
  }
  const bool trivial = JudgeSplit(z, x, y, run, /*checkFugacities=*/false) != Verdict::None;
  const bool fractionOutOfRange = phi > 1 || !(phi > 0);
  if (trivial) result.resultText = kTrivialSolution;
  if (fractionOutOfRange) result.resultText = kFractionsOutOfRange;
  if (!trivial && !fractionOutOfRange && !IsEquilibrium(z, x, y, run))
    result.resultText = kNoSolution;
  return result;
}

}  // namespace equilibria
