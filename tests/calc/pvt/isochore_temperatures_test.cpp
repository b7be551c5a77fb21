// Whether the temperature walk of the isochore table and export ends within
// its row limit; the rows themselves are tested through the window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/pvt/IsochoreTemperatures.h"

namespace {

TEST(IsochoreTemperatures, RangeEndsWithinTheRowLimit) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double huge = 1e20;
  const struct {
    pvt::IsochoreRange range;
    bool ends;
  } cases[] = {
      {{0, 99999, 1}, true},  // 100 000 rows: the limit itself
      {{0, 100000, 1}, false},
      {{273.15, 274.15, 1e-6}, false},
      {{huge, std::nextafter(huge, inf), 1000}, false},  // the step is lost in rounding
      {{huge, 2 * huge, 1}, false},
      {{0, 1e300, 1e299}, true},
      {{0, 100, inf}, false},
      {{273.15, 1273.15, 10}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.range.Tmin << ".." << c.range.Tmax << " by "
                                    << c.range.step);
    EXPECT_EQ(pvt::IsochoreRangeEnds(c.range), c.ends);
  }
}

}  // namespace
