#include "fluid/damped_secant.h"

#include <cmath>

#include "fluid/RuntimeBackgroundTask.h"

namespace Globals {

DampedSecantResult DampedSecant(const Residual& f, double u0, double u1,
                                const DampedSecantVariant& variant) {
  const double f0 = f(u0);
  const double f1 = f(u1);

  const bool firstIsCurrent = variant.currentStart == CurrentStart::SmallerResidual
                                  ? std::abs(f0) < std::abs(f1)
                                  : std::abs(f1) < std::abs(f0);
  double c = firstIsCurrent ? u0 : u1;
  double fc = firstIsCurrent ? f0 : f1;
  double p = firstIsCurrent ? u1 : u0;
  double fp = firstIsCurrent ? f1 : f0;
  double s = (c - p) / 2;

  for (int pass = 0; pass < variant.maxPasses; ++pass) {
    if (fc == fp && fc != 0) {
      // Equal residuals leave the secant undefined: keep walking, doubling the
      // last step when both points coincide.
      s = c == p ? 2 * s : (c - p) / 2;
    } else {
      s = 0.5 * (p - c) * fc / (fc - fp);
    }
    if (variant.failOnNanStep && std::isnan(s)) return {};

    p = c;
    fp = fc;
    c = c + s;
    if (!(c > 0)) c = (c - s) / 2;
    if (variant.upperBound && !(c < *variant.upperBound)) {
      const double previous = c - s;
      c = previous + (*variant.upperBound - previous) / 2;
    }
    fc = f(c);

    if (std::abs(s) > 1e300) return {};
    if (std::abs(s / c) < 1e-12 || fc == 0) return {true, c, fc};

    RuntimeBackgroundTask();
  }
  return {};
}

}  // namespace Globals
