#include "fluid/volume_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "yield_counter.h"

namespace {

using Globals::ScanForStartVolume;

// A stand-in pressure function that records where it was asked.
struct Recorded {
  std::function<double(double)> pressure;
  std::vector<double> volumes{};
  double operator()(double V) {
    volumes.push_back(V);
    return pressure(V);
  }
};

// The scan volumes after the upward search stopped at V0: V0·1.005^(k+1).
double scanVolume(double V0, int k) {
  double V = V0;
  for (int i = 0; i <= k; ++i) V = V * 1.005;
  return V;
}

TEST(VolumeScan, OneCrossingGivesTheVolumeJustPastItInBothModes) {
  // P = 1000/V meets 10 MPa at 100 cm3/mol.
  for (int mode : {0, 1}) {
    const double V = ScanForStartVolume(mode, [](double V) { return 1000 / V; }, 10);
    EXPECT_GT(V, 100);
    EXPECT_LT(V / 1.005, 100);
  }
}

TEST(VolumeScan, UpwardSearchStartsAt16AndStepsByOne) {
  Recorded p{[](double V) { return V < 40 ? -1.0 : 1000 / V; }};
  ScanForStartVolume(0, std::ref(p), 10);
  ASSERT_GT(p.volumes.size(), 26u);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(p.volumes[i], 16 + i);
  EXPECT_EQ(p.volumes[25], 40 * 1.005);
}

TEST(VolumeScan, PositiveAt16StartsTheGrowthThere) {
  // A crossing between 16 and 16·1.005 is recorded at 16·1.005, above 15.
  const auto p = [](double V) { return V <= 16 ? 20.0 : 5.0; };
  EXPECT_EQ(ScanForStartVolume(0, p, 10), 16 * 1.005);
  EXPECT_EQ(ScanForStartVolume(1, p, 10), 16 * 1.005);
}

TEST(VolumeScan, EightCrossingsEndTheScanAndTheLargestModeTakesTheSeventh) {
  // Above the target at 16, then below and above it in turn on every step.
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    Recorded p{[calls = 0](double) mutable { return ++calls % 2 == 1 ? 20.0 : 5.0; }};
    const double V = ScanForStartVolume(mode, std::ref(p), 10);
    ASSERT_EQ(p.volumes.size(), 1u + 8u);
    // The first recorded volume, or the seventh: not the eighth.
    EXPECT_EQ(V, mode == 0 ? scanVolume(16, 0) : scanVolume(16, 6));
    EXPECT_EQ(V, p.volumes[mode == 0 ? 1 : 7]);
  }
}

TEST(VolumeScan, ExactlyMeetingTheTargetIsNoCrossing) {
  // Above, then exactly the target, then below: neither product is negative.
  int call = 0;
  const auto p = [&](double) {
    ++call;
    return call < 5 ? 20.0 : call == 5 ? 10.0 : 5.0;
  };
  EXPECT_EQ(ScanForStartVolume(0, p, 10), 15);
  call = 0;
  EXPECT_EQ(ScanForStartVolume(1, p, 10), 1000);
}

TEST(VolumeScan, NoCrossingGivesTheFallbackOfTheMode) {
  const auto p = [](double V) { return 1000 / V; };
  EXPECT_EQ(ScanForStartVolume(0, p, 1e6), 15);
  EXPECT_EQ(ScanForStartVolume(1, p, 1e6), 1000);
  EXPECT_EQ(ScanForStartVolume(2, p, 10), 0);
  EXPECT_EQ(ScanForStartVolume(-1, p, 10), 0);
}

TEST(VolumeScan, YieldsOncePerPassOfEveryLoop) {
  const auto p = [](double V) { return V < 20 ? 0.0 : 1000 / V; };
  struct Case {
    int mode;
    int yields;
  };
  // Upward 16..20 (5), geometric 501, choice 6 in modes 0 and 1.
  for (const Case& c : {Case{0, 5 + 501 + 6}, Case{1, 5 + 501 + 6}, Case{2, 5 + 501}}) {
    YieldCounter yields;
    ScanForStartVolume(c.mode, p, 1e6);
    EXPECT_EQ(yields.count(), c.yields) << c.mode;
  }
}

TEST(VolumeScan, PressureThatNeverTurnsPositiveEndsAfter20000Steps) {
  for (int mode : {0, 1, 2}) {
    Recorded p{[](double) { return 0.0; }};
    YieldCounter yields;
    EXPECT_EQ(ScanForStartVolume(mode, std::ref(p), 10), Globals::ScanFallback(mode));
    EXPECT_EQ(p.volumes.size(), 20000u);
    EXPECT_EQ(p.volumes.back(), 20015);
    EXPECT_EQ(yields.count(), 20000);
  }
  EXPECT_EQ(Globals::ScanFallback(0), 15);
  EXPECT_EQ(Globals::ScanFallback(1), 1000);
  EXPECT_EQ(Globals::ScanFallback(2), 0);
}

TEST(VolumeScan, NanPressureNeverCountsAsPositive) {
  EXPECT_EQ(ScanForStartVolume(1, [](double) { return std::nan(""); }, 10), 1000);
}

}  // namespace
