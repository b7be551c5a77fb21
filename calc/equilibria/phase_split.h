// The phase-split iteration behind both phase-equilibrium windows, and the
// Rachford-Rice split that their first approaches share with it.
//
// One state variable u (the pressure in MPa or the temperature in K) is
// sought by a damped secant iteration. Each pass solves the molar volume of
// phase X (liquid-like start volume) and of phase Y (vapour-like start volume)
// at the pass's T and P, takes their fugacity coefficients, forms
// K(i) = phiX(i)/phiY(i) into Globals::K_liq_vap, splits the bulk composition
// z at the pass's vapour mole fraction beta, and drives u by the residual
// Sx − Sy of the split. The caller supplies the start values, the pass limit,
// the rule for beta and an optional bound on u (the two callers are
// bubble_dew_point.h and liquid_vapour_split.h).
//
// Every loop over the components yields to the event loop once per component
// and every pass once more; after each pass `stillOpen` is asked whether the
// calling window is still there, and the run stops when it is not.
//
// A failed volume solve leaves 0 and neutral coefficients (1), and the next
// pass after the third starts its solve from that 0. A split that settles on
// neutral coefficients makes both phases the feed; the step rule alone can
// also settle on two phases that are not in equilibrium. So a converged run
// is a solution only when IsEquilibrium says so. A pass whose temperature,
// pressure or residual is not a finite number ends the run at once, and a
// last pass whose volumes or coefficients of present components are not
// leaves nothing to show (SplitOutcome::NotFinite).
#pragma once

#include <cstdint>
#include <functional>

#include "fluid/Globals.h"

namespace equilibria {

using Globals::Composition;

// ---- Rachford-Rice split --------------------------------------------------

// Which components of the bulk fluid are absent: they take no part in a
// split (x(i) = y(i) = 0 whatever their K), and their coefficients, which
// are never shown, need not be finite numbers.
enum class AbsentComponents {
  ZeroFraction,       // z(i) = 0; a negative fraction is split like the others
  FractionNotAbove0,  // z(i) not above 0 (the liquid-vapour split)
};

// Sums of the phase compositions taken before normalising.
struct SplitSums {
  double Sx = 0;
  double Sy = 0;
};

// Splits z at the distribution constants K and vapour mole fraction beta:
// x(i) = z(i)/((K(i) − 1)·beta + 1), left at z(i) when that divisor is not
// positive (or not a number), y(i) = K(i)·x(i), and 0 in both phases for an
// absent component; then normalises each phase to a sum of 1 (a phase whose
// sum is not a finite number above 0 becomes all 0). Returns the sums before
// normalising. x and y may be the shared Globals::xgas and Globals::ygas; z
// must be neither.
SplitSums RachfordRiceSplit(const Composition& z, const Composition& K, double beta,
                            Composition& x, Composition& y,
                            AbsentComponents absent = AbsentComponents::ZeroFraction);

// ---- The iteration --------------------------------------------------------

enum class Sought { Pressure, Temperature };

// How a run ended.
enum class SplitOutcome {
  PassLimit,  // all passes used
  Diverged,   // a step above 1e300
  Converged,  // relative step below 1e-12, or a residual of exactly 0
  NotFinite,  // the last pass gave a temperature, pressure, residual or
              // coefficient of a present component that is not a finite
              // number: nothing of it can be shown
  Stopped,    // the calling window was closed; nothing is to be shown
};

struct PhaseSplitSetup {
  Sought sought = Sought::Pressure;
  double fixed = 0;  // the other variable: T in K when P is sought, P in MPa when T is
  // Start values of the secant iteration.
  double u = 0;
  double uPrev = 0;
  double f = 0;
  double fPrev = 0;
  double step = 0;
  int32_t passLimit = 0;  // N: passes 0 to N are run at most
  AbsentComponents absent = AbsentComponents::ZeroFraction;
  // Vapour mole fraction of a pass, asked once the pass's K-values are known,
  // with the molar volumes of the pass (cm3/mol).
  std::function<double(double VmX, double VmY)> beta;
  // Optional bound on each new u, after the correction of a u not above 0;
  // may change u and step.
  std::function<void(double& u, double& step)> bound;
  // Asked after every pass; the run stops when it gives false.
  std::function<bool()> stillOpen;
};

struct PhaseSplitResult {
  SplitOutcome outcome = SplitOutcome::PassLimit;
  double u = 0;     // the sought variable after the last pass
  double T = 0;     // K, of the last pass
  double P = 0;     // MPa, of the last pass
  double VmX = 0;   // cm3/mol, 0 when no pass ran
  double VmY = 0;
  Composition phiX{1, 1, 1, 1, 1};  // fugacity coefficients of the last pass
  Composition phiY{1, 1, 1, 1, 1};
  Composition K{};  // distribution constants of the last pass
  int32_t lastPass = 0;  // 0-based index of the last pass run: the count shown
};

// Runs the iteration on z (read in every pass) with the start compositions
// in x and y, which it replaces by the normalised compositions of each pass.
// Writes Globals::K_liq_vap in every pass; an absent component whose
// coefficients are not finite numbers gets K = 1.
PhaseSplitResult RunPhaseSplit(const PhaseSplitSetup& setup, const Composition& z,
                               Composition& x, Composition& y);

// ---- Verdict after a converged run ---------------------------------------

enum class Verdict {
  None,                // the count message stands
  TrivialSolution,     // both phases the same in composition or molar volume
  FugacitiesNotEqual,  // some present component has unequal fugacities
};

// Tests the first component, in index order, with a positive bulk fraction,
// in this order (the last failing test decides): for 0 < z < 1 the
// composition and the volume test; then, when asked, whether every present
// component has equal fugacities (as IsEquilibrium tests them); for z = 1 the
// volume test.
Verdict JudgeSplit(const Composition& z, const Composition& x, const Composition& y,
                   const PhaseSplitResult& run, bool checkFugacities);

// Whether the last pass of a converged run is two phases in equilibrium: both
// molar volumes found, each phase holding H2O, CO2 or CH4 (a phase of salts
// alone is no fluid phase), and each component present in z (z(i) ≠ 0) with
// fugacities x(i)·phiX(i)·P and y(i)·phiY(i)·P that differ by at most 1e-4
// of the larger. A run that fails it is no solution, whatever its step did.
bool IsEquilibrium(const Composition& z, const Composition& x, const Composition& y,
                   const PhaseSplitResult& run);

}  // namespace equilibria
