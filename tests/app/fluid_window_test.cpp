// The worked conversions and the acceptance typed into the real window; the
// expected values are written with the grouping of each step and compared
// bit for bit.
#include "tests/app/fluid_window_test.h"

#include <ostream>
#include <string>

#include "app/procedures_window.h"

namespace {

using Globals::ASnumber;
using Globals::Composition;
using Globals::MASSnumber;
using Globals::Mnumber;
using fw::Str;

constexpr double kWater = 55.508435061791985;

TEST_F(FluidWindowTest, NewWindowIsInMassModeWithEverythingEmpty) {
  EXPECT_TRUE(window().Radio("Mass").Value());
  EXPECT_FALSE(window().Radio("Mole").Value());
  EXPECT_FALSE(window().Radio("Molality").Value());
  EXPECT_EQ(Shown("StaticText1"), "mass %");
  for (const char* field : {"dataEntry1", "dataEntry2", "dataEntry3", "dataEntry4", "dataEntry5"})
    EXPECT_EQ(window().Field(field).Text(), "") << field;
  PressContinue();
  EXPECT_EQ(Shown("Sum"), "sum ≠ 100%, adjust fractions!");
  EXPECT_EQ(Start3Window::OpenInstanceOf(), nullptr);
}

TEST_F(FluidWindowTest, MassPercentOfWaterAndSaltIsConvertedAndAccepted) {
  Type("dataEntry1", "90");
  Type("dataEntry4", "10");
  const double q = (((90 / 18.01528 + 0 / 44.0098) + 0 / 16.04276) + 10 / 58.462468) + 0 / 74.57143;
  const double f = 1000.0 / 90;
  const Composition amount = {((90 / 18.01528) * 100) / q, 0, 0, ((10 / 58.462468) * 100) / q, 0};
  EXPECT_EQ(MASSnumber, (Composition{90, 0, 0, 10, 0}));
  EXPECT_EQ(ASnumber, amount);
  EXPECT_EQ(Mnumber, (Composition{(90 * f) / 18.01528, 0, 0, (10 * f) / 58.462468, 0}));
  EXPECT_EQ(Shown("massH2O"), "90");
  EXPECT_EQ(Shown("asH2O"), Str(amount[0]));
  EXPECT_EQ(Shown("massNaCl"), "10");
  EXPECT_EQ(Shown("asNaCl"), Str(amount[3]));
  EXPECT_EQ(Shown("molNaCl"), Str((10 * f) / 58.462468));
  for (const char* empty : {"massCO2", "asCO2", "molCO2", "massCH4", "molCH4", "massKCl", "asKCl", "molKCl"})
    EXPECT_EQ(Shown(empty), "") << empty;

  PressContinue();
  EXPECT_EQ(Shown("Sum"), "");
  EXPECT_EQ(Globals::fraction, (Composition{amount[0] / 100, 0, 0, amount[3] / 100, 0}));
  ASSERT_NE(Start3Window::OpenInstanceOf(), nullptr);
  EXPECT_TRUE(Start2Window::OpenInstanceOf()) << "the Fluid window stays open";
}

TEST_F(FluidWindowTest, MassPercentWithoutWaterShowsZeroMolality) {
  Type("dataEntry2", "50");
  EXPECT_EQ(ASnumber[1], 100);
  EXPECT_EQ(Mnumber, Composition{});
  EXPECT_EQ(Shown("massCO2"), "50");
  EXPECT_EQ(Shown("asCO2"), "100");
  EXPECT_EQ(Shown("molCO2"), "0");
}

TEST_F(FluidWindowTest, NegativeWaterMassKeepsTheOtherUnitsAndEmptiesItsRow) {
  Type("dataEntry4", "10");
  Type("dataEntry1", "-5");
  EXPECT_EQ(MASSnumber[0], -5);
  const double salt = ((10 / 58.462468) * 100) / (10 / 58.462468);  // from "10" and "-" alone
  EXPECT_EQ(ASnumber, (Composition{0, 0, 0, salt, 0}));
  EXPECT_EQ(Mnumber, Composition{});
  EXPECT_EQ(Shown("massH2O"), "");
  EXPECT_EQ(Shown("asH2O"), "");
  EXPECT_EQ(Shown("asNaCl"), Str(salt));
}

TEST_F(FluidWindowTest, AmountPercentOfWaterAndCarbonDioxide) {
  Click("Mole");
  EXPECT_EQ(Shown("StaticText1"), "as %");
  Type("dataEntry1", "90");
  Type("dataEntry2", "10");
  const double g = (((90 * 18.01528 + 10 * 44.0098) + 0 * 16.04276) + 0 * 58.462468) + 0 * 74.57143;
  const double w0 = ((90.0 * 100) * 18.01528) / g, w1 = ((10.0 * 100) * 44.0098) / g;
  EXPECT_EQ(MASSnumber, (Composition{w0, w1, 0, 0, 0}));
  EXPECT_EQ(Mnumber[1], (w1 * (1000 / w0)) / 44.0098);
  EXPECT_EQ(Shown("molCO2"), Str(Mnumber[1]));
  EXPECT_EQ(Shown("asCO2"), "10");
}

TEST_F(FluidWindowTest, ErasedAmountLeavesTheLastMassPercentsShown) {
  Click("Mole");
  Type("dataEntry2", "10");
  EXPECT_EQ(Shown("massCO2"), "100");
  EXPECT_EQ(Shown("asCO2"), "10");
  EXPECT_EQ(Shown("molCO2"), "0");
  Erase("dataEntry2");
  EXPECT_EQ(MASSnumber[1], 100);
  EXPECT_EQ(Shown("massCO2"), "100");
  EXPECT_EQ(Shown("asCO2"), "0");
  EXPECT_EQ(Shown("molCO2"), "0");
}

TEST_F(FluidWindowTest, MolalityModeShowsTheWaterPresetWhateverIsTypedForWater) {
  Click("Molality");
  EXPECT_EQ(Shown("StaticText1"), "mole / kg H2O");
  EXPECT_EQ(window().Field("dataEntry1").Text(), Str(kWater));
  Type("dataEntry1", "7");
  EXPECT_EQ(window().Field("dataEntry1").Text(), Str(kWater));
  EXPECT_EQ(Mnumber[0], kWater);
  EXPECT_EQ(MASSnumber[0], 100);
  EXPECT_EQ(ASnumber[0], 100);
}

TEST_F(FluidWindowTest, MolalityOfSodiumChloride) {
  Click("Molality");
  Type("dataEntry4", "1");
  const double grams = 1000 + 1 * 58.462468;
  EXPECT_EQ(MASSnumber[0], (kWater * 1801.528) / grams);
  EXPECT_EQ(MASSnumber[3], (1 * 5846.2468) / grams);
  EXPECT_EQ(ASnumber[0], (kWater * 100) / (kWater + 1));
  EXPECT_EQ(ASnumber[3], 100 / (kWater + 1));
  EXPECT_EQ(Shown("molNaCl"), "1");
}

TEST_F(FluidWindowTest, NegativeMolalityKeepsTheMassPercentsOfTheLastPositiveDivisor) {
  Click("Molality");
  Type("dataEntry2", "-30");
  // "-3" still gave 1000 g + (-3 mol × 44.0098 g/mol) > 0; "-30" does not.
  const double lastGrams = 1000 + -3 * 44.0098;
  EXPECT_EQ(MASSnumber[1], (-3 * 4400.98) / lastGrams);
  EXPECT_EQ(MASSnumber[0], (kWater * 1801.528) / lastGrams);
  EXPECT_EQ(ASnumber[1], (-30.0 * 100) / (kWater + -30));
  EXPECT_LT(ASnumber[1], 0);
  EXPECT_EQ(Shown("asCO2"), "") << "the CO2 row follows its negative mass per cent";
}

TEST_F(FluidWindowTest, MolalityAcceptsWaterWithCarbonDioxide) {
  Click("Molality");
  Type("dataEntry2", "1");
  PressContinue();
  EXPECT_EQ(Shown("Sum"), "");
  EXPECT_EQ(Globals::fraction, (Composition{ASnumber[0] / 100, ASnumber[1] / 100, 0, 0, 0}));
  EXPECT_EQ(ASnumber[1], (1.0 * 100) / (kWater + 1));
}

TEST_F(FluidWindowTest, MolalitiesSummingBelowZeroAreRefused) {
  Click("Molality");
  Type("dataEntry2", "-60");
  PressContinue();
  EXPECT_EQ(Shown("Sum"), "sum ≠ 100%, adjust fractions!");
  EXPECT_EQ(Globals::fraction, Composition{});
}

TEST_F(FluidWindowTest, NegativeAmountsSummingTo100AreAcceptedAsTyped) {
  Click("Mole");
  Type("dataEntry1", "120");
  Type("dataEntry2", "-20");
  PressContinue();
  EXPECT_EQ(Globals::fraction, (Composition{1.2, -0.2, 0, 0, 0}));
}

struct BoundCase {
  const char* water;
  bool accepted;
};

void PrintTo(const BoundCase& c, std::ostream* out) { *out << c.water; }

class FluidAcceptanceBounds : public FluidWindowTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(FluidAcceptanceBounds, TotalsAtTheBoundsAreAcceptedAndJustBeyondRefused) {
  Click("Mole");
  Globals::fraction = {9, 9, 9, 9, 9};
  Type("dataEntry1", GetParam().water);
  PressContinue();
  if (GetParam().accepted) {
    EXPECT_EQ(Shown("Sum"), "");
    EXPECT_EQ(Globals::fraction[0], fw::Val(GetParam().water) / 100);
    EXPECT_NE(Start3Window::OpenInstanceOf(), nullptr);
  } else {
    EXPECT_EQ(Shown("Sum"), "sum ≠ 100%, adjust fractions!");
    EXPECT_EQ(Globals::fraction, (Composition{9, 9, 9, 9, 9})) << "a refusal leaves the fractions";
    EXPECT_EQ(Start3Window::OpenInstanceOf(), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Bounds, FluidAcceptanceBounds,
                         ::testing::Values(BoundCase{"99.999999", true}, BoundCase{"100.000001", true},
                                           BoundCase{"99.9999989", false}, BoundCase{"100.0000011", false}),
                         [](const auto& info) { return std::string(info.param.accepted ? "accepted" : "refused") + std::to_string(info.index); });

TEST_F(FluidWindowTest, EditingAnEntryEmptiesTheSumMessage) {
  PressContinue();
  ASSERT_FALSE(Shown("Sum").isEmpty());
  Type("dataEntry3", "0");
  EXPECT_EQ(Shown("Sum"), "");
}

TEST_F(FluidWindowTest, SwitchingTheUnitEmptiesEverythingAndZeroesTheArrays) {
  Type("dataEntry1", "90");
  Type("dataEntry4", "10");
  Click("Mole");
  EXPECT_EQ(MASSnumber, Composition{});
  EXPECT_EQ(ASnumber, Composition{});
  EXPECT_EQ(Mnumber, Composition{});
  EXPECT_EQ(window().Field("dataEntry4").Text(), "");
  EXPECT_EQ(Shown("massH2O"), "");
  PressContinue();
  EXPECT_EQ(Shown("Sum"), "sum ≠ 100%, adjust fractions!");
}

TEST_F(FluidWindowTest, ClickingTheRadioThatIsOnChangesNothing) {
  Type("dataEntry1", "90");
  Click("Mass");
  EXPECT_EQ(window().Field("dataEntry1").Text(), "90");
  EXPECT_EQ(MASSnumber[0], 90);
}

TEST_F(FluidWindowTest, ClearInMolalityModeKeepsTheModeAndShowsTheWaterPreset) {
  Click("Molality");
  Type("dataEntry4", "2");
  QTest::mouseClick(window().Button("Clear").Button(), Qt::LeftButton);
  EXPECT_TRUE(window().Radio("Molality").Value());
  EXPECT_EQ(Shown("StaticText1"), "mole / kg H2O");
  EXPECT_EQ(window().Field("dataEntry1").Text(), Str(kWater));
  EXPECT_EQ(window().Field("dataEntry4").Text(), "");
  EXPECT_EQ(Mnumber, Composition{});
  EXPECT_EQ(MASSnumber, Composition{});
  EXPECT_EQ(Shown("molNaCl"), "");
}

TEST_F(FluidWindowTest, ReturnPressesContinue) {
  Type("dataEntry1", "100");
  QTest::keyClick(window().Field("dataEntry1").LineEdit(), Qt::Key_Return);
  EXPECT_NE(Start3Window::OpenInstanceOf(), nullptr);
  EXPECT_EQ(Globals::fraction[0], 1);
}

TEST_F(FluidWindowTest, RebuiltWindowJudgesTheArraysTheLastWindowLeft) {
  Type("dataEntry1", "100");
  window().Close();
  fw::ReleaseAllWindows();
  Start2Window& fresh = Start2Window::Instance();
  EXPECT_EQ(fresh.Field("dataEntry1").Text(), "");
  QTest::mouseClick(fresh.Button("continue2").Button(), Qt::LeftButton);
  EXPECT_EQ(Globals::fraction[0], 1);
}

}  // namespace
