// The temperature walk of the isochore table and export.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "calc/pvt/IsochoreTemperatures.h"

namespace {

using pvt::IsochoreRange;

std::vector<double> Walk(const IsochoreRange& r) {
  std::vector<double> T;
  pvt::ForEachIsochoreTemperature(r, [&](double t) {
    T.push_back(t);
    return true;
  });
  return T;
}

TEST(IsochoreTemperatures, LastTemperatureEqualToTheMaximumGetsItsRow) {
  EXPECT_EQ(Walk({373.15, 473.15, 50}), (std::vector<double>{373.15, 423.15, 473.15}));
}

TEST(IsochoreTemperatures, AccumulatedRoundingDropsTheLastRow) {
  const std::vector<double> T = Walk({273.15, 274.15, 0.1});
  ASSERT_EQ(T.size(), 10u);
  EXPECT_GT(T.back() + 0.1, 274.15);
}

TEST(IsochoreTemperatures, WalkStopsWhenTheVisitorSaysSo) {
  int visited = 0;
  const bool finished = pvt::ForEachIsochoreTemperature(IsochoreRange{0, 100, 1}, [&](double) {
    return ++visited < 5;
  });
  EXPECT_FALSE(finished);
  EXPECT_EQ(visited, 5);
}

struct EndsCase {
  IsochoreRange range;
  bool ends;
};

TEST(IsochoreTemperatures, RangeEndsWithinTheRowLimit) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double huge = 1e20;
  const EndsCase cases[] = {
      {{0, 99999, 1}, true},          // 100 000 rows: the limit itself
      {{0, 100000, 1}, false},        // 100 001 rows
      {{273.15, 274.15, 1e-6}, false},
      {{huge, std::nextafter(huge, inf) , 1000}, false},  // the step is lost in rounding
      {{huge, 2 * huge, 1}, false},
      {{0, 1e300, 1e299}, true},
      {{0, 100, inf}, false},
      {{273.15, 1273.15, 10}, true},
  };
  for (const EndsCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.range.Tmin << ".." << c.range.Tmax << " by "
                                    << c.range.step);
    EXPECT_EQ(pvt::IsochoreRangeEnds(c.range), c.ends);
  }
}

}  // namespace
