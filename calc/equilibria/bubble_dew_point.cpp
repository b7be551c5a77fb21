#include "calc/equilibria/bubble_dew_point.h"

#include <optional>

#include "app/framework/ValStr.h"
#include "calc/equilibria/phase_split.h"
#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/input_validity.h"

namespace equilibria {

namespace {

// Marks the phase that differs from the bulk fluid: the denser one (smaller
// molar volume) at a bubble point, the lighter one at a dew point.
void MarkSolutionColumn(BulkPhase bulk, double VmX, double VmY, BubbleDewResult& r) {
  if (bulk == BulkPhase::Liquid) {
    r.captionX = VmX < VmY ? kPhaseXSolution : kPhaseX;
    r.captionY = VmY < VmX ? kPhaseYSolution : kPhaseY;
  }
  if (bulk == BulkPhase::Vapour) {
    r.captionY = VmX < VmY ? kPhaseYSolution : kPhaseY;
    r.captionX = VmY < VmX ? kPhaseXSolution : kPhaseX;
  }
}

// Why a run found no solution: empty for a solution.
QString NoSolutionReason(const PhaseSplitResult& run, const Composition& z,
                         const Composition& x, const Composition& y) {
  if (run.outcome != SplitOutcome::Converged) return kNoSolution;
  switch (JudgeSplit(z, x, y, run, /*checkFugacities=*/true)) {
    case Verdict::None: break;
    case Verdict::TrivialSolution: return kTrivialSolution;
    case Verdict::FugacitiesNotEqual: return kFugacitiesNotEqual;
  }
  return IsEquilibrium(z, x, y, run) ? QString() : kNoSolution;
}

}  // namespace

BubbleDewResult CalculateBubbleDewPoint(const BubbleDewInput& input, BubbleDewStart& start,
                                        const std::function<bool()>& stillOpen) {
  BubbleDewResult result;
  const auto refuse = [&result](const QString& message) {
    static_cast<EquilibriumResult&>(result) = MessageOnly(message);
    return result;
  };
  // The mode is taken once for the whole run: a mode switched while the run
  // yields would feed the sought pressure in as a temperature, or the other
  // way round.
  const bool pressureSought = input.mode == HomogenizationMode::Temperature;
  // The given quantity is the one of the window's last first approach.
  const double given = pressureSought ? start.temperature : start.pressure;
  const std::optional<double> typedStart = fw::ParseNumber(input.startText);
  // The bulk fluid of this run: a composition entered anew during the run
  // must not mix into it.
  const Composition z = Globals::fraction;
  const double beta = input.bulk == BulkPhase::Vapour ? 1 : 0;

  // The start-volume scan needs a temperature above 0 K: the given one in
  // mode Th, the start value in mode Ph (the step's correction keeps a
  // positive start above 0). A start pressure of 0 runs.
  if (pressureSought && !Globals::IsFinitePositive(given)) return refuse(kPutTemperature);
  if (pressureSought && !typedStart) return refuse(kPutPressure);
  if (!pressureSought && !(typedStart && Globals::IsFinitePositive(*typedStart)))
    return refuse(kPutTemperature);
  const double u0 = *typedStart;

  // The run iterates on copies of the phase compositions: an edit of the
  // phase lists, or a first approach, while it yields must not mix in.
  Composition x = start.x;
  Composition y = start.y;
  const double Sx0 = x[0] + x[1] + x[2] + x[3] + x[4];
  const double Sy0 = y[0] + y[1] + y[2] + y[3] + y[4];
  // Without a first approach (or with its values all deleted) there are no
  // start compositions to normalise.
  if (!Globals::IsFinitePositive(Sx0) || !Globals::IsFinitePositive(Sy0))
    return refuse(kNoSolution);
  for (int i = 0; i < 5; ++i) {
    x[i] = x[i] / Sx0;
    y[i] = y[i] / Sy0;
    RuntimeBackgroundTask();
  }

  PhaseSplitSetup setup;
  setup.sought = pressureSought ? Sought::Pressure : Sought::Temperature;
  setup.fixed = given;
  setup.u = u0;
  setup.uPrev = pressureSought ? 0.9 * u0 : u0 - 10.0;
  setup.fPrev = -0.01;
  setup.f = 0.01;
  setup.step = (setup.u - setup.uPrev) / 2;
  setup.passLimit = kBubbleDewPassLimit;
  setup.beta = [beta](double, double) { return beta; };
  if (pressureSought) {
    setup.bound = [](double& u, double& step) {
      if (u > kHighestPressure) {
        u = (u - step) / 2;
        step = step / 10;
      }
    };
  }
  setup.stillOpen = stillOpen;

  const PhaseSplitResult run = RunPhaseSplit(setup, z, x, y);
  start.x = Globals::xgas = x;
  start.y = Globals::ygas = y;
  if (run.outcome == SplitOutcome::Stopped) {
    result.stopped = true;
    return result;
  }
  if (run.outcome == SplitOutcome::NotFinite) return refuse(kNoSolution);

  result.answer = fw::Str(run.u);
  DescribePhases(z, x, y, run, result);
  result.resultText = NoSolutionReason(run, z, x, y);
  if (!result.resultText.isEmpty()) return result;
  result.resultText = SolutionCount(run.lastPass);
  // Only a solution has a column to mark. The bulk-phase radios are read
  // again now: one switched during the run marks the captions, though the
  // run split with the beta of its start.
  MarkSolutionColumn(input.bulkAfterRun ? input.bulkAfterRun() : input.bulk, run.VmX, run.VmY,
                     result);
  return result;
}

}  // namespace equilibria
