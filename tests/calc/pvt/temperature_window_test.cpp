// The "Temperatures" window driven through its controls.
#include <string>

#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

const QString kPutNumber = "warning: put a number for temperature and pressure";

class TemperatureWindowTest : public WindowTest {
 protected:
  TemperatureWindow& w = OpenShown();

  static TemperatureWindow& OpenShown() {
    TemperatureWindow& t = TemperatureWindow::Instance();
    t.Show();
    return t;
  }
  void Enter(const QString& V, const QString& P) {
    Type(w.Field("dataEntryV"), V);
    Type(w.Field("dataEntryP"), P);
  }
  void Calculate() { Click(w.Button("calculate")); }
  QString Shown(const char* label) { return w.Label(label).Text(); }
};

// Built hidden; every activation shows the minimum volume of the fluid now
// defined.
TEST_F(TemperatureWindowTest, IsBuiltHiddenAndShowsTheMinimumOnActivation) {
  w.Close();
  ProcessDeferredDeletes();
  TemperatureWindow& fresh = TemperatureWindow::Instance();
  EXPECT_FALSE(fresh.Frame()->isVisible());
  // The single member of the control set "Pressure".
  EXPECT_EQ(fresh.ControlByNameIndex("Pressure", 1).Index(), 1);
  EXPECT_EQ(fresh.FindControl("Pressure", 0), nullptr);
  Activate(fresh);
  EXPECT_EQ(fresh.Label("StaticText5").Text(), "*minimum value = 7.11475 cc/mol");
  Globals::fraction = kWaterCO2;
  Activate(fresh);
  EXPECT_EQ(fresh.Label("StaticText5").Text(),
            "*minimum value = " + Str(Globals::Vlimit(kWaterCO2)) + " cc/mol");
}

// The automatic start is P·V/R, replaced by 300 K below 273.15 K and by
// 1100 K above 1200 K. The shared temperature keeps every bit of the result,
// and the iteration ends on different bits from different starts.
TEST_F(TemperatureWindowTest, AutomaticStartIsTheIdealGasTemperatureWithItsTwoReplacements) {
  const struct {
    const char* V;
    const char* P;
    double start;
    double bound;  // the start a clamp to the bound itself would give
  } cases[] = {
      {"20", "100", 300.0, 273.15},
      {"100", "50", 50.0 * 100.0 / 8.314472, 0},
      {"60", "200", 1100.0, 1200.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("V=") + c.V + " P=" + c.P);
    Enter(c.V, c.P);
    Click(w.Radio("Choice0"));
    Calculate();
    const double expected = Globals::Temperature(kWater, Val(c.P), Val(c.V), c.start);
    ASSERT_GT(expected, 0);
    EXPECT_EQ(Globals::TK_global, expected);
    if (c.bound > 0) {
      EXPECT_NE(Globals::TK_global, Globals::Temperature(kWater, Val(c.P), Val(c.V), c.bound));
    }
    EXPECT_EQ(Shown("Result"), Str(expected));
    EXPECT_EQ(Shown("warning"), "");
  }
}

// A typed start is in kelvin whatever the unit shown, and counts only with
// "manual" on.
TEST_F(TemperatureWindowTest, ManualStartIsKelvinAndUsedOnlyWithItsRadioOn) {
  Enter("20", "100");
  Type(w.Field("dataEntryT"), "500");
  EXPECT_FALSE(w.Radio("Choice1").Value());
  Calculate();  // from 0
  const double fromZero = Globals::Temperature(kWater, 100, 20, 0.0);
  EXPECT_EQ(Globals::TK_global, fromZero);
  if (fromZero > 0) {
    EXPECT_EQ(Shown("Result"), Str(fromZero));
  } else {
    EXPECT_EQ(Shown("warning"), "Change first approach");
  }

  Click(w.Radio("Celsius"));
  Click(w.Radio("Choice1"));
  Type(w.Field("dataEntryT"), "500");
  Calculate();
  const double T = Globals::Temperature(kWater, 100, 20, 500.0);
  ASSERT_GT(T, 0);
  EXPECT_EQ(Globals::TK_global, T);
  EXPECT_EQ(Shown("Result"), Str(T - 273.15));
}

TEST_F(TemperatureWindowTest, RefusesAMissingOrNonPositiveVolumeOrPressure) {
  const char* cases[][2] = {{"", "100"}, {"20", ""}, {"0", "100"}, {"20", "-1"}, {"abc", "100"}};
  for (auto& c : cases) {
    SCOPED_TRACE(std::string("V='") + c[0] + "' P='" + c[1] + "'");
    Globals::TK_global = 42;
    Enter(c[0], c[1]);
    Click(w.Radio("Choice0"));
    Calculate();
    EXPECT_EQ(Shown("warning"), kPutNumber);
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Globals::TK_global, 42.0);
  }
}

// The unit radios show no 0 K or "0" ˚C for a search that found nothing.
TEST_F(TemperatureWindowTest, FailedSearchZeroesTheSharedTemperatureAndShowsNothing) {
  Enter("20", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  ASSERT_NE(Shown("Result"), "");
  Click(w.Radio("Choice1"));
  Type(w.Field("dataEntryT"), "-50");
  ASSERT_FALSE(Globals::Temperature(kWater, 100, 20, -50.0) > 0);
  Calculate();
  EXPECT_EQ(Shown("warning"), "Change first approach");
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Globals::TK_global, 0.0);
  Click(w.Radio("Celsius"));
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("StaticText8"), "\u02DACelsius");
  Click(w.Radio("Kelvin"));
  EXPECT_EQ(Shown("Result"), "");
}

// Edits empty the shown result; the radios show the last one again until a
// calculation replaces it or Clear drops it, never another window's.
TEST_F(TemperatureWindowTest, UnitRadiosShowThisWindowsOwnLastResult) {
  Type(VolumeWindow::Instance().Field("dataEntryT"), "573.15");
  ASSERT_EQ(Globals::TK_global, 573.15);
  Click(w.Radio("Celsius"));
  EXPECT_EQ(Shown("Result"), "");
  Click(w.Radio("Kelvin"));
  EXPECT_EQ(Shown("Result"), "");

  Enter("20", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  const double T = Globals::TK_global;
  ASSERT_GT(T, 0);
  Globals::TK_global = 1000;  // another window's temperature
  Click(w.Radio("Choice1"));
  Type(w.Field("dataEntryT"), "400");
  Click(w.Radio("Choice0"));
  Type(w.Field("dataEntryV"), "25");
  Type(w.Field("dataEntryP"), "90");
  ASSERT_EQ(Shown("Result"), "");
  Click(w.Radio("Celsius"));
  EXPECT_EQ(Shown("Result"), Str(T - 273.15));
  Click(w.Radio("Kelvin"));
  EXPECT_EQ(Shown("Result"), Str(T));
  EXPECT_EQ(Shown("StaticText8"), "Kelvin");
  Click(w.Button("Clear"));
  Click(w.Radio("Celsius"));
  EXPECT_EQ(Shown("Result"), "");
}

TEST_F(TemperatureWindowTest, VolumeAndPressureEditsWriteTheSharedScalars) {
  Type(w.Field("dataEntryV"), "20");
  EXPECT_EQ(Globals::Vm_global, 20.0);
  EXPECT_EQ(Shown("Density"),
            "corresponding density = " + Str(Globals::Density(kWater, 20.0)) + " g/cm3");
  for (const char* nonPositive : {"0", "-3"}) {
    Type(w.Field("dataEntryV"), nonPositive);
    EXPECT_EQ(Globals::Vm_global, Val(nonPositive));
    EXPECT_EQ(Shown("Density"), "corresponding density");
  }
  Type(w.Field("dataEntryP"), "150");
  EXPECT_EQ(Globals::PMPa_global, 150.0);
  EXPECT_EQ(Shown("Density"), "corresponding density");
}

TEST_F(TemperatureWindowTest, VolumeOrPressureEditResetsTheFirstApproachAndResult) {
  for (const char* field : {"dataEntryV", "dataEntryP"}) {
    SCOPED_TRACE(field);
    Enter("20", "100");
    Click(w.Radio("Choice1"));
    Type(w.Field("dataEntryT"), "500");
    Calculate();
    ASSERT_NE(Shown("Result"), "");
    Type(w.Field(field), "30");
    EXPECT_FALSE(w.Radio("Choice0").Value());
    EXPECT_FALSE(w.Radio("Choice1").Value());
    EXPECT_EQ(w.Field("dataEntryT").Text(), "");
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Shown("warning"), "");
  }
}

// The first-approach radios lie in a group box inside the window that holds
// the unit radios: two groups, each with at most one radio on.
TEST_F(TemperatureWindowTest, ClearEmptiesTheWindowAndSelectsKelvin) {
  Click(w.Radio("Choice0"));
  Click(w.Radio("Celsius"));
  EXPECT_FALSE(w.Radio("Kelvin").Value());
  EXPECT_TRUE(w.Radio("Choice0").Value());
  Click(w.Radio("Celsius"));  // clicking the radio that is on leaves it on
  EXPECT_TRUE(w.Radio("Celsius").Value());
  Click(w.Radio("Choice1"));
  EXPECT_FALSE(w.Radio("Choice0").Value());
  EXPECT_TRUE(w.Radio("Celsius").Value());
  Enter("20", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  Click(w.Button("Clear"));
  EXPECT_TRUE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_EQ(Shown("StaticText8"), "Kelvin");
  EXPECT_FALSE(w.Radio("Choice0").Value());
  for (const char* field : {"dataEntryV", "dataEntryP", "dataEntryT"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("warning"), "");
}

}  // namespace
