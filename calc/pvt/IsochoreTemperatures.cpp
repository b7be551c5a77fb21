#include "calc/pvt/IsochoreTemperatures.h"

namespace pvt {

bool IsochoreRangeEnds(const IsochoreRange& range) {
  // Walk the same accumulation as the table, without the pressures: cheap
  // next to one pressure per row, and exact where a formula for the row
  // count would be off by one near rounding.
  int64_t rows = 0;
  double T = range.Tmin - range.step;
  for (;;) {
    const double next = T + range.step;
    if (!(next > T)) return false;  // stuck, or NaN
    T = next;
    if (T > range.Tmax) return true;
    if (++rows > kIsochoreRowLimit) return false;
  }
}

}  // namespace pvt
