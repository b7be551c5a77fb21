#include "calc/equilibria/phase_split.h"

#include <cmath>

#include "fluid/RuntimeBackgroundTask.h"

namespace equilibria {

namespace {

constexpr double kTolerance = 1e-12;     // relative step of a converged run
constexpr double kDivergedStep = 1e300;  // a step beyond this will not come back

// Start volume modes of Globals::Volume_Approach.
constexpr int32_t kLiquidLike = 0;
constexpr int32_t kVapourLike = 1;
// The start-volume scan is costly: after three passes the volume of the
// previous pass is close enough to start the solver from.
constexpr int32_t kScannedPasses = 3;

// The equal-phase tests of the verdict.
constexpr double kSameComposition = 0.0001;
constexpr double kSameVolume = 0.01;        // relative
constexpr double kSameFugacity = 0.0001;    // fugacity over pressure

// Molar volume and fugacity coefficients of one phase at T and P.
void SolvePhase(int32_t scanMode, const Composition& phase, double T, double P, int32_t pass,
                double& Vm, Composition& phi) {
  const bool scan = pass < kScannedPasses;
  const double V0 = scan ? Globals::Volume_Approach(scanMode, phase, T, P) : Vm;
  Vm = Globals::Volume(phase, T, P, V0);
  Globals::Fugacities(phase, T, P, Vm);
  // Taken at once: a calculation run during a yield may write them anew.
  const Composition coefficients = Globals::Coefficient;
  for (int i = 0; i < 5; ++i) {
    phi[i] = coefficients[i];
    RuntimeBackgroundTask();
  }
}

bool SameVolume(double VmX, double VmY) {
  return VmX > 0 && std::abs((VmX - VmY) / VmX) < kSameVolume;
}

}  // namespace

SplitSums RachfordRiceSplit(const Composition& z, const Composition& K, double beta,
                            Composition& x, Composition& y, AbsentComponents absent) {
  for (int i = 0; i < 5; ++i) {
    if (absent == AbsentComponents::Zero && !(z[i] > 0)) {
      x[i] = 0;
      y[i] = 0;
    } else {
      const double d = (K[i] - 1) * beta + 1;
      x[i] = d > 0 ? z[i] / d : z[i];  // also when d is not a number
      y[i] = K[i] * x[i];
    }
    RuntimeBackgroundTask();
  }
  SplitSums sums;
  sums.Sx = x[0] + x[1] + x[2] + x[3] + x[4];
  sums.Sy = y[0] + y[1] + y[2] + y[3] + y[4];
  for (int i = 0; i < 5; ++i) {
    x[i] = sums.Sx > 0 ? x[i] / sums.Sx : 0;
    y[i] = sums.Sy > 0 ? y[i] / sums.Sy : 0;
    RuntimeBackgroundTask();
  }
  return sums;
}

PhaseSplitResult RunPhaseSplit(const PhaseSplitSetup& setup, const Composition& z,
                               Composition& x, Composition& y) {
  PhaseSplitResult r;
  const int32_t N = setup.passLimit;
  double u = setup.u;
  double uPrev = setup.uPrev;
  double f = setup.f;
  double fPrev = setup.fPrev;
  double step = setup.step;
  double T = setup.sought == Sought::Pressure ? setup.fixed : 0;
  double P = setup.sought == Sought::Temperature ? setup.fixed : 0;

  bool converged = false;
  bool diverged = false;
  for (int32_t n = 0; n <= N; ++n) {
    r.lastPass = n;

    // Damped secant step; equal residuals give no slope, so the step is
    // doubled (u did not move) or halved from the last change of u.
    if (f == fPrev) {
      step = uPrev == u ? 2 * step : (u - uPrev) / 2;
    } else {
      step = 0.5 * (uPrev - u) * f / (f - fPrev);
    }
    uPrev = u;
    fPrev = f;
    u = u + step;
    // Pressure and temperature stay positive: halve the previous value.
    if (!(u > 0)) u = (u - step) / 2;
    if (setup.bound) setup.bound(u, step);

    if (setup.sought == Sought::Pressure) P = u; else T = u;

    SolvePhase(kLiquidLike, x, T, P, n, r.VmX, r.phiX);
    SolvePhase(kVapourLike, y, T, P, n, r.VmY, r.phiY);

    Composition K;
    for (int i = 0; i < 5; ++i) {
      K[i] = r.phiY[i] > 0 ? r.phiX[i] / r.phiY[i] : 1.0;
      Globals::K_liq_vap[i] = K[i];
      RuntimeBackgroundTask();
    }
    const double beta = setup.beta ? setup.beta(r.VmX, r.VmY) : 0;

    const SplitSums sums = RachfordRiceSplit(z, K, beta, x, y, setup.absent);
    f = sums.Sx - sums.Sy;

    if (std::abs(step) > kDivergedStep) {
      diverged = true;
    } else if (std::abs(step / u) < kTolerance || f == 0) {
      converged = true;
    }

    RuntimeBackgroundTask();
    if (setup.stillOpen && !setup.stillOpen()) {
      r.outcome = SplitOutcome::Stopped;
      r.u = u;
      r.T = T;
      r.P = P;
      return r;
    }
    if (diverged || converged) break;
  }

  r.outcome = converged  ? SplitOutcome::Converged
              : diverged ? SplitOutcome::Diverged
                         : SplitOutcome::PassLimit;
  r.u = u;
  r.T = T;
  r.P = P;
  return r;
}

bool PhaseLost(const PhaseSplitResult& run) { return !(run.VmX > 0 && run.VmY > 0); }

Verdict JudgeSplit(const Composition& z, const Composition& x, const Composition& y,
                   const PhaseSplitResult& run, bool checkFugacities) {
  Verdict verdict = Verdict::None;
  for (int i = 0; i < 5; ++i) {
    if (z[i] > 0 && z[i] < 1) {
      if (std::abs(x[i] - y[i]) < kSameComposition) verdict = Verdict::TrivialSolution;
      if (SameVolume(run.VmX, run.VmY)) verdict = Verdict::TrivialSolution;
      if (checkFugacities &&
          std::abs(x[i] * run.phiX[i] - y[i] * run.phiY[i]) > kSameFugacity)
        verdict = Verdict::FugacitiesNotEqual;
    }
    // A single-component fluid has one composition: only the volumes tell.
    if (z[i] == 1 && SameVolume(run.VmX, run.VmY)) verdict = Verdict::TrivialSolution;
    if (z[i] > 0) break;
  }
  return verdict;
}

}  // namespace equilibria
