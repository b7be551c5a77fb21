#include "fluid/volume_scan.h"

#include <array>

#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {
namespace {

constexpr int32_t kSmallestRoot = 0;
constexpr int32_t kLargestRoot = 1;

constexpr double kScanStart = 15;  // cm3/mol
// Steps of 1 cm3/mol to the first volume with positive pressure; only a state
// without one (no temperature, no fluid) needs more.
constexpr int kUpwardSteps = 20000;
constexpr double kGrowth = 1.005;
constexpr int kGeometricSteps = 501;  // spans a factor 1.005^501 ≈ 12.2
constexpr int kMaxRecorded = 8;
constexpr int kChoiceSlots = 7;  // only the first seven recorded volumes are chosen from

}  // namespace

double ScanFallback(int32_t mode) {
  switch (mode) {
    case kSmallestRoot: return 15;
    case kLargestRoot: return 1000;
    default: return 0;
  }
}

double ScanForStartVolume(int32_t mode, const std::function<double(double)>& pressureAt,
                          double P) {
  double V = kScanStart;
  double p = 0;
  bool positive = false;
  for (int step = 0; step < kUpwardSteps && !positive; ++step) {
    V = V + 1;
    p = pressureAt(V);
    positive = p > 0;
    RuntimeBackgroundTask();
  }
  if (!positive) return ScanFallback(mode);

  std::array<double, 10> signChange{};
  int recorded = 0;
  double f = p - P;
  for (int step = 0; step < kGeometricSteps; ++step) {
    const double fOld = f;
    V = V * kGrowth;
    f = pressureAt(V) - P;
    // An exact zero is no sign change with either neighbour.
    if (fOld * f < 0) {
      signChange[recorded] = V;
      ++recorded;
      if (recorded == kMaxRecorded) break;
    }
    RuntimeBackgroundTask();
  }

  // Every recorded volume exceeds 15, so a choice below it means none was found.
  double c = 0;
  if (mode == kSmallestRoot) {
    c = signChange[0];
    for (int k = 1; k < kChoiceSlots; ++k) {
      if (signChange[k] < c && signChange[k] != 0) c = signChange[k];
      RuntimeBackgroundTask();
    }
    if (c < kScanStart) c = ScanFallback(mode);
  } else if (mode == kLargestRoot) {
    c = signChange[0];
    for (int k = 1; k < kChoiceSlots; ++k) {
      if (signChange[k] > c && signChange[k] != 0) c = signChange[k];
      RuntimeBackgroundTask();
    }
    if (c < kScanStart) c = ScanFallback(mode);
  }
  return c;
}

}  // namespace Globals
