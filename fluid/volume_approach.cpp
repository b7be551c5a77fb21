// Start volumes for the volume solver from a scan of the pressure over molar
// volume: the liquid-like root lies just past the first sign change of
// Pressure − P, the vapour-like root just past the last one.
#include <array>
#include <cmath>

#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {
namespace {

constexpr int32_t kSmallestRoot = 0;
constexpr int32_t kLargestRoot = 1;

constexpr double kScanStart = 15;  // cm3/mol, below any liquid root of interest
// Steps of 1 cm3/mol to find the first volume with positive pressure; only a
// state without one (no temperature, no fluid) needs more.
constexpr int kUpwardSteps = 20000;
constexpr double kGrowth = 1.005;
constexpr int kGeometricSteps = 501;  // spans a factor 1.005^501 ≈ 12.2
constexpr int kMaxRecorded = 8;
constexpr int kChoiceSlots = 7;  // only the first seven recorded volumes are chosen from

double fallback(int32_t mode) {
  switch (mode) {
    case kSmallestRoot: return 15;
    case kLargestRoot: return 1000;
    default: return 0;
  }
}

bool allFinite(const Composition& x, double T, double P) {
  for (double xi : x)
    if (!std::isfinite(xi)) return false;
  return std::isfinite(T) && std::isfinite(P);
}

}  // namespace

double Volume_Approach(int32_t mode, const Composition& x, double T, double P) {
  if (!allFinite(x, T, P)) return fallback(mode);

  double V = kScanStart;
  double p = 0;
  bool positive = false;
  for (int step = 0; step < kUpwardSteps && !positive; ++step) {
    V = V + 1;
    p = Pressure(x, T, V);
    positive = p > 0;
    RuntimeBackgroundTask();
  }
  if (!positive) return fallback(mode);

  std::array<double, 10> signChange{};
  int recorded = 0;
  double f = p - P;
  for (int step = 0; step < kGeometricSteps; ++step) {
    const double fOld = f;
    V = V * kGrowth;
    f = Pressure(x, T, V) - P;
    if (fOld * f < 0) {
      signChange[recorded] = V;
      ++recorded;
      if (recorded == kMaxRecorded) break;
    }
    RuntimeBackgroundTask();
  }

  double c = 0;
  if (mode == kSmallestRoot) {
    c = signChange[0];
    for (int k = 1; k < kChoiceSlots; ++k) {
      if (signChange[k] < c && signChange[k] != 0) c = signChange[k];
      RuntimeBackgroundTask();
    }
    if (c < kScanStart) c = fallback(mode);
  } else if (mode == kLargestRoot) {
    c = signChange[0];
    for (int k = 1; k < kChoiceSlots; ++k) {
      if (signChange[k] > c && signChange[k] != 0) c = signChange[k];
      RuntimeBackgroundTask();
    }
    if (c < kScanStart) c = fallback(mode);
  }
  return c;
}

}  // namespace Globals
