// The "Molar Volumes" window driven through its controls.
#include <cmath>
#include <string>
#include <tuple>

#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

const QString kPutNumber = "warning: put a number for temperature and pressure";

// The automatic first approach as the window forms it.
double AutomaticStart(const Globals::Composition& x, double T, double P) {
  const double smallest = Globals::Volume_Holloway(2, x, T, P);
  return smallest > 0 ? smallest : Globals::Volume_Holloway(0, x, T, P);
}

class VolumeWindowTest : public Driving<VolumeWindow> {
 protected:
  void Enter(const QString& T, const QString& P) {
    Put("dataEntryT", T);
    Put("dataEntryP", P);
  }
  void Calculate() { Press("calculate"); }
  void Solve(const QString& T, const QString& P, const char* choice = "Choice0") {
    Enter(T, P);
    Choose(choice);
    Calculate();
  }
};

// Switching the unit changes only its label; the next edit converts anew.
TEST_F(VolumeWindowTest, EditsWriteTheSharedScalarsInKelvinAndMPaAndClearZeroesThem) {
  Choose("Celsius");
  Enter("25", "100");
  EXPECT_EQ(Globals::TK_global, 25.0 + 273.15);
  EXPECT_EQ(Globals::PMPa_global, 100.0);
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  Put("dataEntryT", "");
  EXPECT_EQ(Globals::TK_global, 273.15);
  Choose("Kelvin");
  EXPECT_EQ(Globals::TK_global, 273.15);
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  Put("dataEntryT", "573.15");
  EXPECT_EQ(Globals::TK_global, 573.15);

  // Clear zeroes the shared scalars last and keeps the unit.
  Choose("Celsius");
  Solve("25", "100");
  Globals::Vexcess = 1.5;
  Press("Clear");
  EXPECT_EQ(Globals::TK_global, 0.0);  // not the 273.15 of the emptied ˚C field
  EXPECT_EQ(Globals::PMPa_global, 0.0);
  EXPECT_EQ(Globals::Vexcess, 1.5);
  EXPECT_TRUE(On("Celsius"));
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  EXPECT_FALSE(On("Choice0"));
  for (const char* field : {"dataEntryP", "dataEntryT", "dataEntryV"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(Shown("Result"), "");
}

// 0 ˚C is a temperature; water alone has an excess volume of exactly 0.
TEST_F(VolumeWindowTest, ZeroCelsiusIsSolvedOnceConvertedAndPureWaterHasNoExcess) {
  Choose("Celsius");
  Enter("0", "100");
  Choose("Choice0");
  Globals::Vexcess = 1.5;
  Calculate();
  const double Vm = Globals::Volume(kWater, 273.15, 100, AutomaticStart(kWater, 273.15, 100));
  ASSERT_GT(Vm, 0);
  EXPECT_EQ(Shown("Result"), Str(Vm));
  EXPECT_EQ(Shown("DensityResult"), Str(Globals::Density(kWater, Vm)));
  EXPECT_EQ(Shown("warning"), "");
  EXPECT_EQ(Shown("ExcessVol"), "0");
  EXPECT_EQ(Globals::Vexcess, 0.0);
  Choose("Kelvin");  // only the unit label changes
  Put("dataEntryV", "");  // an unchanged text raises no edit
  EXPECT_EQ(Shown("Result"), Str(Vm));
}

TEST_F(VolumeWindowTest, RefusesAMissingOrNonPositiveTemperatureOrPressure) {
  // An empty or non-numeric field is no 0 ˚C.
  for (const auto& [unit, T, P] :
       {std::tuple{"Celsius", "", "100"}, {"Celsius", "abc", "100"}, {"Celsius", "-273.15", "100"},
        {"Celsius", "-300", "100"}, {"Kelvin", "", "100"}, {"Kelvin", "0", "100"},
        {"Kelvin", "-5", "100"}, {"Kelvin", "573.15", ""}, {"Kelvin", "573.15", "0"},
        {"Kelvin", "573.15", "x"}}) {
    SCOPED_TRACE(std::string(unit) + " T='" + T + "' P='" + P + "'");
    Choose(unit);
    Enter(T, P);
    Choose("Choice0");
    Globals::Vexcess = 1.5;
    Calculate();
    EXPECT_EQ(Shown("warning"), kPutNumber);
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Shown("ExcessVol"), "");
    EXPECT_EQ(Globals::Vexcess, 1.5);
  }
}

TEST_F(VolumeWindowTest, ExcessVolumeSubtractsThePureComponentVolumesInIndexOrder) {
  Globals::fraction = kWaterCO2;
  Solve("673.15", "100");
  const double V0 = AutomaticStart(kWaterCO2, 673.15, 100);
  const double Vm = Globals::Volume(kWaterCO2, 673.15, 100, V0);
  const double Vwater = Globals::Volume({1, 0, 0, 0, 0}, 673.15, 100, V0);
  const double Vco2 = Globals::Volume({0, 1, 0, 0, 0}, 673.15, 100, V0);
  ASSERT_GT(Vm, 0);
  ASSERT_GT(Vwater, 0);
  ASSERT_GT(Vco2, 0);
  double excess = Vm;
  excess = excess - 0.9 * Vwater;
  excess = excess - 0.1 * Vco2;
  EXPECT_EQ(Globals::Vexcess, excess);
  EXPECT_EQ(Shown("ExcessVol"), Str(excess));
  EXPECT_EQ(Shown("Result"), Str(Vm));
}

// A failed solve of the mixture or of a pure component present gives no
// excess volume: the warning says so, in full within its label.
TEST_F(VolumeWindowTest, FailedSolveShowsNoExcessVolumeAndKeepsTheSharedOne) {
  Enter("673.15", "100");  // neither first approach: the search from 0 fails
  Globals::Vexcess = 1.5;
  Calculate();
  EXPECT_EQ(Shown("warning"), "Change first approach\rno excess molar volume");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
  for (const char* empty : {"Result", "DensityResult", "ExcessVol"}) EXPECT_EQ(Shown(empty), "");
  EXPECT_EQ(Globals::Vexcess, 1.5);

  Globals::fraction = kBrine;
  Solve("873.15", "50");
  const double V0 = AutomaticStart(kBrine, 873.15, 50);
  const double Vm = Globals::Volume(kBrine, 873.15, 50, V0);
  ASSERT_GT(Vm, 0);
  ASSERT_FALSE(Globals::Volume({0, 0, 0, 1, 0}, 873.15, 50, V0) > 0);  // pure NaCl
  EXPECT_EQ(Shown("Result"), Str(Vm));
  EXPECT_EQ(Shown("warning"), "no excess molar volume: no molar volume of pure NaCl");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
  EXPECT_EQ(Shown("ExcessVol"), "");
  EXPECT_EQ(Globals::Vexcess, 1.5);
}

// Typing a volume chooses nothing; choosing "automatic" empties it again, and
// so does an edit of pressure or temperature, which turns both radios off.
TEST_F(VolumeWindowTest, ManualFirstApproachIsUsedOnlyWithItsRadioOn) {
  Enter("673.15", "100");
  Put("dataEntryV", "25");
  EXPECT_FALSE(On("Choice1"));
  Calculate();
  EXPECT_TRUE(Shown("warning").startsWith("Change first approach"));  // started from 0
  Choose("Choice1");
  Calculate();
  EXPECT_EQ(Shown("Result"), Str(Globals::Volume(kWater, 673.15, 100, 25.0)));
  Choose("Choice0");
  EXPECT_EQ(w.Field("dataEntryV").Text(), "");
  for (const char* empty : {"Result", "DensityResult", "ExcessVol"}) EXPECT_EQ(Shown(empty), "");

  // A new pressure or temperature asks for a new choice.
  for (const char* field : {"dataEntryP", "dataEntryT"}) {
    SCOPED_TRACE(field);
    Enter("673.15", "100");
    Choose("Choice1");
    Put("dataEntryV", "25");
    Calculate();
    ASSERT_NE(Shown("Result"), "");
    Put(field, "200");
    EXPECT_FALSE(On("Choice0") || On("Choice1"));
    EXPECT_EQ(w.Field("dataEntryV").Text() + Shown("Result") + Shown("warning"), "");
  }
}

// A molar volume found here, typed back with the seven digits shown, gives
// the typed pressure and temperature again.
TEST_F(VolumeWindowTest, SolvedMolarVolumeGivesBackPressureAndTemperature) {
  for (const auto& [x, T, P] : {std::tuple{kWater, "873.15", "50"},
                               {kWaterCO2, "673.15", "100"}, {kFiveComponents, "573.15", "200"}}) {
    SCOPED_TRACE(std::string("T=") + T + " P=" + P);
    Globals::fraction = x;
    Solve(T, P);
    const QString volume = Shown("Result");
    ASSERT_NE(volume, "");

    PressureWindow& p = PressureWindow::Instance();
    Type(p.Field("dataEntry"), volume);
    Type(p.Field("dataEntry1"), T);
    Click(p.Button("calculate"));
    EXPECT_NEAR(Val(p.Label("Result").Text()), Val(P), 1e-4 * Val(P));
    p.Close();

    TemperatureWindow& t = TemperatureWindow::Instance();
    t.Show();
    Type(t.Field("dataEntryV"), volume);
    Type(t.Field("dataEntryP"), P);
    // From the typed temperature rounded to a kelvin: the pressure equation
    // may have another root at lower temperature.
    Click(t.Radio("Choice1"));
    Type(t.Field("dataEntryT"), QString::number(std::round(Val(T))));
    Click(t.Button("calculate"));
    EXPECT_NEAR(Val(t.Label("Result").Text()), Val(T), 1e-4 * Val(T));
    t.Close();
  }
}

}  // namespace
