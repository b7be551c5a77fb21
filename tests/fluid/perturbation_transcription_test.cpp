// The library's evaluation (combination-keyed factors, remembered roots) keeps
// every bit of the step-by-step transcription.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "fluid/Globals.h"
#include "fluid/perturbation_transcription.h"

namespace {

using Globals::Composition;

const Composition fluids[] = {
    {1, 0, 0, 0, 0},           {0, 1, 0, 0, 0},          {0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0},           {0, 0, 0, 0, 1},          {0.7, 0.3, 0, 0, 0},
    {0.9, 0, 0, 0.1, 0},       {0.85, 0, 0, 0.1, 0.05},  {0, 0.3, 0, 0.7, 0},
    {0.6, 0.1, 0.1, 0.1, 0.1}, {0.2, 0.2, 0.2, 0.2, 0.2}, {0.5, 0.25, 0.25, 0, 0},
    {0.3, 0, 0.6, 0.1, 0},     {0, 0, 0, 0.4, 0.6},      {0.123, 0.456, 0.0789, 0.2, 0.1421},
};
const double temperatures[] = {150, 300, 540.3, 573.2, 621.79, 760.068, 999.9, 1000, 1300, 1500};
const double volumes[] = {20, 35.5, 120, 2500};

uint64_t bits(double v) { return std::bit_cast<uint64_t>(v); }

TEST(PerturbationTranscription, EveryModeAndDerivativeAgreesToTheLastBit) {
  for (const Composition& x : fluids)
    for (double T : temperatures)
      for (double V : volumes)
        for (int32_t mode : {0, 1, 2, 3}) {
          SCOPED_TRACE(testing::Message() << "x = {" << x[0] << ", " << x[1] << ", " << x[2]
                                          << ", " << x[3] << ", " << x[4] << "}, T = " << T
                                          << ", V = " << V << ", mode " << mode);
          const transcription::Result expected = transcription::Perturbation(mode, x, T, V);
          const double value = Globals::Perturbation(mode, x, T, V);
          ASSERT_EQ(bits(value), bits(expected.value)) << value << " vs " << expected.value;
          if (mode != 2) continue;
          for (int c = 0; c < 5; ++c) {
            if (!expected.written[c]) continue;
            ASSERT_EQ(bits(Globals::dGper[c]), bits(expected.dG[c]))
                << "component " << c << ": " << Globals::dGper[c] << " vs " << expected.dG[c];
          }
        }
}

}  // namespace
