// The "Temperatures" window driven through its controls.
#include <string>
#include <tuple>
#include <utility>

#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

const QString kPutNumber = "warning: put a number for temperature and pressure";

// Built hidden: shown as its opener shows it.
class TemperatureWindowTest : public Driving<TemperatureWindow> {
 protected:
  void SetUp() override {
    Driving::SetUp();
    w.Show();
  }
  void Enter(const QString& V, const QString& P) {
    Put("dataEntryV", V);
    Put("dataEntryP", P);
  }
  void Calculate() { Press("calculate"); }
  // With the first approach `choice` and, for "manual", the typed start.
  void Solve(const QString& V, const QString& P, const char* choice, const QString& start = {}) {
    Enter(V, P);
    Choose(choice);
    if (!start.isEmpty()) Put("dataEntryT", start);
    Calculate();
  }
};

TEST_F(TemperatureWindowTest, EveryActivationShowsTheMinimumVolumeOfTheFluidNowDefined) {
  Activate(w);
  EXPECT_EQ(Shown("StaticText5"), "*minimum value = 7.11475 cc/mol");
  Globals::fraction = kWaterCO2;
  Activate(w);
  EXPECT_EQ(Shown("StaticText5"),
            "*minimum value = " + Str(Globals::Vlimit(kWaterCO2)) + " cc/mol");
}

// The automatic start is P·V/R, replaced by 300 K below 273.15 K and by
// 1100 K above 1200 K. The shared temperature keeps every bit of the result,
// and the iteration ends on different bits from different starts.
TEST_F(TemperatureWindowTest, AutomaticStartIsTheIdealGasTemperatureWithItsTwoReplacements) {
  // The last number: the start a clamp to the bound itself would give.
  for (const auto& [V, P, start, bound] : {std::tuple{20.0, 100.0, 300.0, 273.15},
                                           {100.0, 50.0, 50.0 * 100.0 / 8.314472, 0.0},
                                           {60.0, 200.0, 1100.0, 1200.0}}) {
    SCOPED_TRACE(testing::Message() << "V=" << V << " P=" << P);
    Solve(Str(V), Str(P), "Choice0");
    const double expected = Globals::Temperature(kWater, P, V, start);
    ASSERT_GT(expected, 0);
    EXPECT_EQ(Globals::TK_global, expected);
    if (bound > 0) {
      EXPECT_NE(Globals::TK_global, Globals::Temperature(kWater, P, V, bound));
    }
    EXPECT_EQ(Shown("Result"), Str(expected));
    EXPECT_EQ(Shown("warning"), "");
  }
}

// A typed start is in kelvin whatever the unit shown, and counts only with
// "manual" on.
TEST_F(TemperatureWindowTest, ManualStartIsKelvinAndUsedOnlyWithItsRadioOn) {
  Enter("20", "100");
  Put("dataEntryT", "500");
  EXPECT_FALSE(On("Choice1"));
  Calculate();  // from 0
  const double fromZero = Globals::Temperature(kWater, 100, 20, 0.0);
  EXPECT_EQ(Globals::TK_global, fromZero);
  if (fromZero > 0) {
    EXPECT_EQ(Shown("Result"), Str(fromZero));
  } else {
    EXPECT_EQ(Shown("warning"), "Change first approach");
  }

  Choose("Celsius");
  Solve("20", "100", "Choice1", "500");
  const double T = Globals::Temperature(kWater, 100, 20, 500.0);
  ASSERT_GT(T, 0);
  EXPECT_EQ(Globals::TK_global, T);
  EXPECT_EQ(Shown("Result"), Str(T - 273.15));
}

TEST_F(TemperatureWindowTest, RefusesAMissingOrNonPositiveVolumeOrPressure) {
  for (const auto& [V, P] : {std::pair{"", "100"}, {"20", ""}, {"0", "100"}, {"20", "-1"},
                            {"abc", "100"}}) {
    SCOPED_TRACE(std::string("V='") + V + "' P='" + P + "'");
    Globals::TK_global = 42;
    Solve(V, P, "Choice0");
    EXPECT_EQ(Shown("warning"), kPutNumber);
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Globals::TK_global, 42.0);
  }
}

// Edits empty the shown result; the radios show the last one again until a
// calculation replaces it (with nothing when it fails) or Clear drops it,
// never another window's temperature.
TEST_F(TemperatureWindowTest, UnitRadiosShowThisWindowsOwnLastResult) {
  Type(VolumeWindow::Instance().Field("dataEntryT"), "573.15");
  ASSERT_EQ(Globals::TK_global, 573.15);
  Choose("Celsius");
  EXPECT_EQ(Shown("Result"), "");
  Choose("Kelvin");
  EXPECT_EQ(Shown("Result"), "");

  Solve("20", "100", "Choice0");
  const double T = Globals::TK_global;
  ASSERT_GT(T, 0);
  Globals::TK_global = 1000;  // another window's temperature
  Choose("Choice1");
  Put("dataEntryT", "400");
  Choose("Choice0");
  Put("dataEntryV", "25");
  Put("dataEntryP", "90");
  ASSERT_EQ(Shown("Result"), "");
  Choose("Celsius");
  EXPECT_EQ(Shown("Result"), Str(T - 273.15));
  Choose("Kelvin");
  EXPECT_EQ(Shown("Result"), Str(T));
  EXPECT_EQ(Shown("StaticText8"), "Kelvin");
  Press("Clear");
  Choose("Celsius");
  EXPECT_EQ(Shown("Result"), "");

  // A search that found nothing leaves no 0 K or "0" ˚C to show.
  Solve("20", "100", "Choice0");
  ASSERT_NE(Shown("Result"), "");
  ASSERT_FALSE(Globals::Temperature(kWater, 100, 20, -50.0) > 0);
  Solve("20", "100", "Choice1", "-50");
  EXPECT_EQ(Shown("warning"), "Change first approach");
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Globals::TK_global, 0.0);
  Choose("Kelvin");
  EXPECT_EQ(Shown("Result"), "");
  Choose("Celsius");
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("StaticText8"), "\u02DACelsius");
}

// Each edit writes its shared scalar, resets the first approach and empties
// the result.
TEST_F(TemperatureWindowTest, VolumeAndPressureEditsWriteTheSharedScalarsAndReset) {
  for (const char* nonPositive : {"0", "-3"}) {
    Put("dataEntryV", nonPositive);
    EXPECT_EQ(Globals::Vm_global, Val(nonPositive));
    EXPECT_EQ(Shown("Density"), "corresponding density");
  }
  for (const char* field : {"dataEntryV", "dataEntryP"}) {
    SCOPED_TRACE(field);
    Solve("20", "100", "Choice1", "500");
    EXPECT_EQ(Globals::Vm_global, 20.0);
    EXPECT_EQ(Globals::PMPa_global, 100.0);
    EXPECT_EQ(Shown("Density"),
              "corresponding density = " + Str(Globals::Density(kWater, 20.0)) + " g/cm3");
    ASSERT_NE(Shown("Result"), "");
    Put(field, "30");
    EXPECT_EQ(field == std::string("dataEntryV") ? Globals::Vm_global : Globals::PMPa_global, 30);
    EXPECT_FALSE(On("Choice0") || On("Choice1"));
    EXPECT_EQ(w.Field("dataEntryT").Text() + Shown("Result") + Shown("warning"), "");
  }
}

// The first-approach radios lie in a group box inside the window that holds
// the unit radios: two groups, each with at most one radio on.
TEST_F(TemperatureWindowTest, ClearEmptiesTheWindowAndSelectsKelvin) {
  Choose("Choice0");
  Choose("Celsius");
  EXPECT_FALSE(On("Kelvin"));
  EXPECT_TRUE(On("Choice0"));
  Choose("Celsius");  // clicking the radio that is on leaves it on
  EXPECT_TRUE(On("Celsius"));
  Choose("Choice1");
  EXPECT_FALSE(On("Choice0"));
  EXPECT_TRUE(On("Celsius"));
  Solve("20", "100", "Choice0");
  Press("Clear");
  EXPECT_TRUE(On("Kelvin"));
  EXPECT_FALSE(On("Celsius"));
  EXPECT_EQ(Shown("StaticText8"), "Kelvin");
  EXPECT_FALSE(On("Choice0"));
  for (const char* field : {"dataEntryV", "dataEntryP", "dataEntryT"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(Shown("Result") + Shown("warning"), "");
}

}  // namespace
