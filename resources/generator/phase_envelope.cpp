#include "phase_envelope.h"

#include <cmath>

#include "fluid/Globals.h"

namespace {
constexpr int kH2O = 0, kNaCl = 3;

struct Phase {
  Globals::Composition x{};
  double V = 0;
  Globals::Composition phi{};
};

// Molar volume and fugacity coefficients of a phase at T, P; the start-volume
// scan (mode 0 the smallest, 1 the largest root) only without a volume yet.
void Evaluate(Phase& phase, int approachMode, double T, double P) {
  const double start = phase.V > 0 ? phase.V : Globals::Volume_Approach(approachMode, phase.x, T, P);
  phase.V = Globals::Volume(phase.x, T, P, start);
  Globals::Fugacities(phase.x, T, P, phase.V);
  phase.phi = Globals::Coefficient;
}

// Successive substitution on the vapour composition with the pressure scaled
// by the sum of K·x; false when it does not settle.
bool BubblePoint(double T, Phase& liquid, Phase& vapour, double& P) {
  for (int pass = 0; pass < 600; ++pass) {
    if (pass < 3) liquid.V = vapour.V = 0;
    Evaluate(liquid, 0, T, P);
    Evaluate(vapour, 1, T, P);
    double sum = 0;
    Globals::Composition y{};
    for (int i = 0; i < 5; ++i) {
      if (liquid.x[i] <= 0 || vapour.phi[i] <= 0) continue;
      y[i] = liquid.x[i] * liquid.phi[i] / vapour.phi[i];
      sum += y[i];
    }
    if (!(sum > 0) || !std::isfinite(sum)) return false;
    for (int i = 0; i < 5; ++i) vapour.x[i] = y[i] / sum;
    P *= sum;
    if (!(P > 0) || P > 2000) return false;
    if (std::abs(sum - 1) < 1e-7) return true;
  }
  return false;
}
}  // namespace

std::vector<CoexistingPair> SodiumChlorideBubblePoints(double T, double richest, double poorest) {
  std::vector<CoexistingPair> pairs;
  Phase liquid, vapour;
  vapour.x[kH2O] = 1;
  double P = 100;
  for (double xNaCl = richest; xNaCl >= poorest; xNaCl *= 0.93) {
    liquid.x = {};
    liquid.x[kH2O] = 1 - xNaCl;
    liquid.x[kNaCl] = xNaCl;
    // The first liquid tries a few start pressures; later ones follow on.
    double trial = P;
    Phase trialVapour = vapour;
    bool found = BubblePoint(T, liquid, trialVapour, trial);
    for (double start : {30.0, 60.0, 150.0, 250.0}) {
      if (found || !pairs.empty()) break;
      trial = start;
      trialVapour = vapour;
      found = BubblePoint(T, liquid, trialVapour, trial);
    }
    if (!found && pairs.empty()) continue;  // no start yet: a poorer liquid may give one
    if (!found) break;
    if (std::abs(liquid.V - trialVapour.V) < 0.03 * liquid.V) break;  // phases alike: critical region
    P = trial;
    vapour = trialVapour;
    pairs.push_back({P, xNaCl, vapour.x[kNaCl]});
  }
  return pairs;
}
