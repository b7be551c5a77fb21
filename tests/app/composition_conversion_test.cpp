// The composition conversion against hand-written formulas with the grouping
// of each step, compared bit for bit (EXPECT_EQ on doubles on purpose).
#include "app/composition_conversion.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <ostream>
#include <string>

namespace {

using composition::Arrays;
using Globals::Composition;

struct Fixture : ::testing::Test {
  Composition w{}, n{}, b{};
  Arrays c{w, n, b};
};

using CompositionConversion = Fixture;

TEST(CompositionConstants, WaterPresetAndKclFactorAreTheDoublesOfTheirQuotientAndProduct) {
  EXPECT_EQ(composition::WaterPreset, 55.508435061791985);
  EXPECT_EQ(100.0 * Globals::MolarMass[4], 7457.143000000001);
}

TEST_F(CompositionConversion, MassPercentWaterAndSalt) {
  composition::EnterMassPercent(c, 0, 90);
  composition::EnterMassPercent(c, 3, 10);
  const double q = (((90 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 10 / 58.462468) + 0 / 74.57143;
  EXPECT_EQ(n[0], ((90 / 18.01528) * 100) / q);
  EXPECT_EQ(n[3], ((10 / 58.462468) * 100) / q);
  EXPECT_EQ(n[1], 0);
  const double f = 1000.0 / 90;
  EXPECT_EQ(b[0], (90 * f) / 18.01528);
  EXPECT_EQ(b[3], (10 * f) / 58.462468);
  EXPECT_EQ(b[4], 0);
  EXPECT_EQ(w, (Composition{90, 0, 0, 10, 0}));
}

TEST_F(CompositionConversion, WaterMolalityFromMassPercentMayDifferFromThePresetInTheLastBit) {
  composition::EnterMassPercent(c, 0, 99);
  EXPECT_EQ(b[0], 55.50843506179198);
}

TEST_F(CompositionConversion, MassPercentWithoutWaterGivesZeroMolalities) {
  b = {1, 2, 3, 4, 5};
  composition::EnterMassPercent(c, 1, 50);
  EXPECT_EQ(n, (Composition{0, 100, 0, 0, 0}));
  EXPECT_EQ(b, Composition{});
}

TEST_F(CompositionConversion, NegativeWaterMassKeepsAmountsAndMolalities) {
  n = {1, 2, 3, 4, 5};
  b = {6, 7, 8, 9, 10};
  composition::EnterMassPercent(c, 0, -5);
  EXPECT_EQ(w[0], -5);
  EXPECT_EQ(n, (Composition{1, 2, 3, 4, 5}));
  EXPECT_EQ(b, (Composition{6, 7, 8, 9, 10}));
}

TEST_F(CompositionConversion, AmountPercentWaterAndCarbonDioxide) {
  composition::EnterAmountPercent(c, 0, 90);
  composition::EnterAmountPercent(c, 1, 10);
  const double g = (((90 * 18.01528 + 10 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
  EXPECT_EQ(w[0], ((90.0 * 100) * 18.01528) / g);
  EXPECT_EQ(w[1], ((10.0 * 100) * 44.0098) / g);
  EXPECT_EQ(b[1], (w[1] * (1000 / w[0])) / 44.0098);
}

TEST_F(CompositionConversion, ErasedAmountLeavesTheMassPercentsAsTheyWere) {
  composition::EnterAmountPercent(c, 1, 10);
  EXPECT_EQ(w, (Composition{0, 100, 0, 0, 0}));
  EXPECT_EQ(b, Composition{});
  composition::EnterAmountPercent(c, 1, 0);
  EXPECT_EQ(w, (Composition{0, 100, 0, 0, 0}));
  EXPECT_EQ(n, Composition{});
}

TEST_F(CompositionConversion, MolalityOfPureWaterIgnoresTheTypedValue) {
  composition::EnterMolality(c, 0, 123);
  EXPECT_EQ(b, (Composition{composition::WaterPreset, 0, 0, 0, 0}));
  EXPECT_EQ(w[0], 100);
  EXPECT_EQ(n[0], 100);
}

TEST_F(CompositionConversion, MolalityOfSodiumChloride) {
  composition::EnterMolality(c, 3, 1);
  const double b0 = 55.508435061791985;
  const double grams = (((1000 + 0 * 44.0098) + 0 * 16.04276) + 1 * 58.462468) + 0 * 74.57143;
  EXPECT_EQ(w[0], (b0 * 1801.528) / grams);
  EXPECT_EQ(w[3], (1 * 5846.2468) / grams);
  const double s = b0 + 1;
  EXPECT_EQ(n[0], (b0 * 100) / s);
  EXPECT_EQ(n[3], 100 / s);
  EXPECT_EQ(b[3], 1);
}

TEST_F(CompositionConversion, NegativeMolalityKeepsMassPercentsButRecomputesAmounts) {
  w = {1, 2, 3, 4, 5};
  composition::EnterMolality(c, 1, -30);
  EXPECT_EQ(w, (Composition{1, 2, 3, 4, 5}));
  const double s = 55.508435061791985 - 30;
  EXPECT_EQ(n[1], (-30.0 * 100) / s);
  EXPECT_LT(n[1], 0);
}

struct TotalCase {
  double total;
  bool accepted;
};

void PrintTo(const TotalCase& c, std::ostream* out) { *out << std::setprecision(17) << c.total; }

class AcceptanceBounds : public ::testing::TestWithParam<TotalCase> {};

TEST_P(AcceptanceBounds, BoundsThemselvesAreAccepted) {
  EXPECT_EQ(composition::TotalAccepted(GetParam().total), GetParam().accepted) << GetParam().total;
}

INSTANTIATE_TEST_SUITE_P(Totals, AcceptanceBounds,
                         ::testing::Values(TotalCase{100, true}, TotalCase{99.999999, true},
                                           TotalCase{100.000001, true}, TotalCase{99.9999989, false},
                                           TotalCase{100.0000011, false}, TotalCase{0, false}),
                         [](const auto& info) { return std::string(info.param.accepted ? "accepted" : "refused") + std::to_string(info.index); });

TEST_F(CompositionConversion, MolalityTotalIsZeroWhenTheMolalitiesDoNotSumAboveZero) {
  b = {0, -1, 0, 1, 0};
  EXPECT_EQ(composition::AcceptanceTotal(c, composition::UnitMode::Molality), 0);
  b = {composition::WaterPreset, 1, 0, 0, 0};
  const double s = composition::WaterPreset + 1;
  EXPECT_EQ(composition::AcceptanceTotal(c, composition::UnitMode::Molality),
            (100 * composition::WaterPreset) / s + (100 * 1.0) / s);
}

TEST_F(CompositionConversion, MassAndAmountTotalsAddTheirOwnArray) {
  w = {90, 0, 0, 10, 0};
  n = {120, -20, 0, 0, 0};
  EXPECT_EQ(composition::AcceptanceTotal(c, composition::UnitMode::Mass), 100);
  EXPECT_EQ(composition::AcceptanceTotal(c, composition::UnitMode::Amount), 100);
}

}  // namespace
