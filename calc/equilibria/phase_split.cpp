#include "calc/equilibria/phase_split.h"

#include <algorithm>
#include <cmath>

#include "fluid/RuntimeBackgroundTask.h"
#include "fluid/input_validity.h"

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
// Equilibrium: fugacities equal to this share of the larger one.
constexpr double kSameFugacity = 1e-4;
// A phase with less H2O + CO2 + CH4 than this (mole fraction) is salt alone.
constexpr double kLeastVolatiles = 1e-9;

bool IsAbsent(double zi, AbsentComponents absent) {
  return absent == AbsentComponents::FractionNotAbove0 ? !(zi > 0) : zi == 0;
}

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

// K = phiX/phiY, or 1 where phiY is not above 0. The coefficients of a
// component the fluid lacks are those of an infinitely dilute one and may
// overflow; it takes no part in the split, and gets K = 1 rather than a NaN.
double DistributionConstant(double phiX, double phiY, bool absent) {
  const double K = phiY > 0 ? phiX / phiY : 1.0;
  if (absent && !(std::isfinite(phiX) && std::isfinite(phiY) && std::isfinite(K))) return 1.0;
  return K;
}

bool SameVolume(double VmX, double VmY) {
  return VmX > 0 && std::abs((VmX - VmY) / VmX) < kSameVolume;
}

// Fugacity over pressure of each present component, the same in both phases
// (P cancels, and a pressure of 0 needs no exception). Not finite: unequal.
bool FugacitiesEqual(const Composition& z, const Composition& x, const Composition& y,
                     const PhaseSplitResult& run) {
  for (int i = 0; i < 5; ++i) {
    if (z[i] == 0) continue;
    const double fX = x[i] * run.phiX[i];
    const double fY = y[i] * run.phiY[i];
    if (!(std::abs(fX - fY) <= kSameFugacity * std::max(std::abs(fX), std::abs(fY))))
      return false;
  }
  return true;
}

bool HoldsVolatiles(const Composition& phase) {
  return phase[0] + phase[1] + phase[2] >= kLeastVolatiles;
}

// Whether the volumes and the coefficients of the present components, from
// which the fugacities shown are made, are finite numbers.
bool ShowsFiniteNumbers(const PhaseSplitResult& r, const Composition& z,
                        AbsentComponents absent) {
  if (!std::isfinite(r.VmX) || !std::isfinite(r.VmY)) return false;
  for (int i = 0; i < 5; ++i) {
    if (IsAbsent(z[i], absent)) continue;
    if (!std::isfinite(r.phiX[i]) || !std::isfinite(r.phiY[i])) return false;
  }
  return true;
}

}  // namespace

SplitSums RachfordRiceSplit(const Composition& z, const Composition& K, double beta,
                            Composition& x, Composition& y, AbsentComponents absent) {
  for (int i = 0; i < 5; ++i) {
    if (IsAbsent(z[i], absent)) {
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
  const bool xHasSum = Globals::IsFinitePositive(sums.Sx);
  const bool yHasSum = Globals::IsFinitePositive(sums.Sy);
  for (int i = 0; i < 5; ++i) {
    x[i] = xHasSum ? x[i] / sums.Sx : 0;
    y[i] = yHasSum ? y[i] / sums.Sy : 0;
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
  bool notFinite = false;
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

    for (int i = 0; i < 5; ++i) {
      r.K[i] = DistributionConstant(r.phiX[i], r.phiY[i], IsAbsent(z[i], setup.absent));
      Globals::K_liq_vap[i] = r.K[i];
      RuntimeBackgroundTask();
    }
    const double beta = setup.beta ? setup.beta(r.VmX, r.VmY) : 0;

    const SplitSums sums = RachfordRiceSplit(z, r.K, beta, x, y, setup.absent);
    f = sums.Sx - sums.Sy;

    if (!std::isfinite(T) || !std::isfinite(P) || !std::isfinite(f)) {
      notFinite = true;  // nothing to step on from, nothing to show
    } else if (std::abs(step) > kDivergedStep) {
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
    if (notFinite || diverged || converged) break;
  }
  if (!ShowsFiniteNumbers(r, z, setup.absent)) notFinite = true;

  r.outcome = notFinite   ? SplitOutcome::NotFinite
              : converged ? SplitOutcome::Converged
              : diverged  ? SplitOutcome::Diverged
                          : SplitOutcome::PassLimit;
  r.u = u;
  r.T = T;
  r.P = P;
  return r;
}

bool IsEquilibrium(const Composition& z, const Composition& x, const Composition& y,
                   const PhaseSplitResult& run) {
  return run.VmX > 0 && run.VmY > 0 && HoldsVolatiles(x) && HoldsVolatiles(y) &&
         FugacitiesEqual(z, x, y, run);
}

Verdict JudgeSplit(const Composition& z, const Composition& x, const Composition& y,
                   const PhaseSplitResult& run, bool checkFugacities) {
  const bool fugacitiesDiffer = checkFugacities && !FugacitiesEqual(z, x, y, run);
  Verdict verdict = Verdict::None;
  for (int i = 0; i < 5; ++i) {
    if (z[i] > 0 && z[i] < 1) {
      if (std::abs(x[i] - y[i]) < kSameComposition) verdict = Verdict::TrivialSolution;
      if (SameVolume(run.VmX, run.VmY)) verdict = Verdict::TrivialSolution;
    }
    if (z[i] > 0 && fugacitiesDiffer) verdict = Verdict::FugacitiesNotEqual;
    // A single-component fluid has one composition: only the volumes tell.
    if (z[i] == 1 && SameVolume(run.VmX, run.VmY)) verdict = Verdict::TrivialSolution;
    if (z[i] > 0) break;
  }
  return verdict;
}

}  // namespace equilibria
