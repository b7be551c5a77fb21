// The temperatures of one isochore, shared by the Isochore table and its
// export file so that both list exactly the same rows.
//
// The user gives the range in ˚C and the step in degrees; here everything is
// in K. The temperature is accumulated by repeated addition of the step, not
// computed as Tmin + k·step, and a row is made while T ≤ Tmax: a last step
// that lands a rounding error above Tmax therefore gives no row.
#pragma once

#include <cstdint>

namespace pvt {

struct IsochoreRange {
  double Tmin = 0;  // K
  double Tmax = 0;  // K
  double step = 0;  // K
};

// A longer table is refused: it would take minutes to fill and nobody reads it.
constexpr int64_t kIsochoreRowLimit = 100000;

// Whether stepping through the range ends within kIsochoreRowLimit rows. A
// step below half the spacing of doubles at the running temperature leaves T
// unchanged and would never reach Tmax; an infinite or NaN step never ends
// either. Only meaningful once step > 0 and Tmax > Tmin have been checked.
bool IsochoreRangeEnds(const IsochoreRange& range);

// Calls visit(T) for every temperature of the range, in order, while visit
// returns true. Returns false when visit stopped the walk.
template <class Visit>
bool ForEachIsochoreTemperature(const IsochoreRange& range, Visit&& visit) {
  double T = range.Tmin - range.step;
  for (;;) {
    T = T + range.step;
    if (T > range.Tmax) return true;
    if (!visit(T)) return false;
  }
}

}  // namespace pvt
