// The "Molar Volumes" window driven through its controls.
#include <QString>

#include <cmath>
#include <string>

#include "app/framework/ValStr.h"
#include "app/procedures_window.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;
using fw::Str;

namespace {

const QString kPutNumber = "warning: put a number for temperature and pressure";

// The automatic first approach as the window forms it.
double AutomaticStart(const Globals::Composition& x, double T, double P) {
  const double smallest = Globals::Volume_Holloway(2, x, T, P);
  return smallest > 0 ? smallest : Globals::Volume_Holloway(0, x, T, P);
}

class VolumeWindowTest : public WindowTest {
 protected:
  VolumeWindow& w = VolumeWindow::Instance();

  void Enter(const QString& T, const QString& P) {
    Type(w.Field("dataEntryT"), T);
    Type(w.Field("dataEntryP"), P);
  }
  void Calculate() { Click(w.Button("calculate")); }
  QString Shown(const char* label) { return w.Label(label).Text(); }
};

TEST_F(VolumeWindowTest, IsBuiltEmptyWithKelvinOnAndNoFirstApproach) {
  EXPECT_EQ(w.Title(), "Molar Volumes");
  EXPECT_EQ(w.Width(), 460);
  EXPECT_EQ(w.Height(), 510);
  EXPECT_TRUE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_FALSE(w.Radio("Choice0").Value());
  EXPECT_FALSE(w.Radio("Choice1").Value());
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  for (const char* empty : {"Result", "DensityResult", "ExcessVol", "warning"})
    EXPECT_EQ(Shown(empty), "") << empty;
}

TEST_F(VolumeWindowTest, EachEditWritesTheSharedScalarInKelvinAndMPa) {
  Click(w.Radio("Celsius"));
  Enter("25", "100");
  EXPECT_EQ(Globals::TK_global, 25.0 + 273.15);
  EXPECT_EQ(Globals::PMPa_global, 100.0);
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");

  // Switching the unit changes only its label; the next edit converts anew.
  Click(w.Radio("Kelvin"));
  EXPECT_EQ(Globals::TK_global, 298.15);
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  Type(w.Field("dataEntryT"), "573.15");
  EXPECT_EQ(Globals::TK_global, 573.15);
}

TEST_F(VolumeWindowTest, TemperatureInCelsiusIsConvertedOnceForEverySolve) {
  Click(w.Radio("Celsius"));
  Enter("25", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  const double T = 298.15;
  const double Vm = Globals::Volume(kWater, T, 100, AutomaticStart(kWater, T, 100));
  ASSERT_GT(Vm, 0);
  EXPECT_EQ(Shown("Result"), Str(Vm));
  EXPECT_EQ(Shown("DensityResult"), Str(Globals::Density(kWater, Vm)));
  EXPECT_EQ(Shown("warning"), "");
}

struct Refusal {
  const char* unit;
  const char* temperature;
  const char* pressure;
};

TEST_F(VolumeWindowTest, RefusesAMissingOrNonPositiveTemperatureOrPressure) {
  const Refusal cases[] = {
      {"Celsius", "", "100"},         // an empty field is not 0 ˚C
      {"Celsius", "abc", "100"},      // nor is a text without a number
      {"Celsius", "-273.15", "100"},  // 0 K
      {"Celsius", "-300", "100"},
      {"Kelvin", "", "100"},
      {"Kelvin", "0", "100"},
      {"Kelvin", "-5", "100"},
      {"Kelvin", "573.15", ""},
      {"Kelvin", "573.15", "0"},
      {"Kelvin", "573.15", "x"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(std::string(c.unit) + " T='" + c.temperature + "' P='" + c.pressure + "'");
    Click(w.Radio(c.unit));
    Enter(c.temperature, c.pressure);
    Click(w.Radio("Choice0"));
    Globals::Vexcess = 1.5;
    Calculate();
    EXPECT_EQ(Shown("warning"), kPutNumber);
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Shown("ExcessVol"), "");
    EXPECT_EQ(Globals::Vexcess, 1.5);
  }
}

TEST_F(VolumeWindowTest, EmptyCelsiusFieldStillWritesItsSharedTemperature) {
  Click(w.Radio("Celsius"));
  Enter("5", "100");
  Type(w.Field("dataEntryT"), "");
  EXPECT_EQ(Globals::TK_global, 273.15);
}

TEST_F(VolumeWindowTest, ZeroCelsiusIsAccepted) {
  Click(w.Radio("Celsius"));
  Enter("0", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  const double Vm = Globals::Volume(kWater, 273.15, 100, AutomaticStart(kWater, 273.15, 100));
  ASSERT_GT(Vm, 0);
  EXPECT_EQ(Shown("Result"), Str(Vm));
}

TEST_F(VolumeWindowTest, RefusedCalculationLeavesTheLastResultsShown) {
  Enter("673.15", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  const QString result = Shown("Result");
  ASSERT_NE(result, "");
  Click(w.Radio("Celsius"));  // only the unit label changes
  Type(w.Field("dataEntryV"), "");
  EXPECT_EQ(Shown("Result"), result);
  w.Field("dataEntryT").LineEdit()->clear();  // the edit empties the results
  Calculate();
  EXPECT_EQ(Shown("warning"), kPutNumber);
}

TEST_F(VolumeWindowTest, OneComponentFluidHasAnExcessVolumeOfExactlyZero) {
  Enter("673.15", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  ASSERT_NE(Shown("Result"), "");
  EXPECT_EQ(Shown("ExcessVol"), "0");
  EXPECT_EQ(Globals::Vexcess, 0.0);
}

TEST_F(VolumeWindowTest, ExcessVolumeSubtractsThePureComponentVolumesInIndexOrder) {
  Globals::fraction = kWaterCO2;
  Enter("673.15", "100");
  Click(w.Radio("Choice0"));
  Calculate();
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

TEST_F(VolumeWindowTest, FailedMixtureSolveShowsNoExcessVolumeAndKeepsTheSharedOne) {
  Enter("673.15", "100");  // neither first approach: the search from 0 fails
  Globals::Vexcess = 1.5;
  Calculate();
  EXPECT_EQ(Shown("warning"), "Change first approach\rno excess molar volume");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("DensityResult"), "");
  EXPECT_EQ(Shown("ExcessVol"), "");
  EXPECT_EQ(Globals::Vexcess, 1.5);
}

TEST_F(VolumeWindowTest, FailedPureComponentSolveShowsNoExcessVolumeAndKeepsTheSharedOne) {
  Globals::fraction = kBrine;
  Enter("873.15", "50");
  Click(w.Radio("Choice0"));
  Globals::Vexcess = 1.5;
  Calculate();
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

TEST_F(VolumeWindowTest, ManualFirstApproachIsUsedOnlyWithItsRadioOn) {
  Enter("673.15", "100");
  Type(w.Field("dataEntryV"), "25");
  EXPECT_FALSE(w.Radio("Choice1").Value());  // typing does not choose
  Calculate();
  EXPECT_TRUE(Shown("warning").startsWith("Change first approach"));  // started from 0
  Click(w.Radio("Choice1"));
  Calculate();
  EXPECT_EQ(Shown("Result"), Str(Globals::Volume(kWater, 673.15, 100, 25.0)));
}

TEST_F(VolumeWindowTest, ChoosingAutomaticEmptiesTheManualVolumeAndTheResults) {
  Enter("673.15", "100");
  Click(w.Radio("Choice1"));
  Type(w.Field("dataEntryV"), "25");
  Calculate();
  ASSERT_NE(Shown("Result"), "");
  Click(w.Radio("Choice0"));
  EXPECT_EQ(w.Field("dataEntryV").Text(), "");
  for (const char* empty : {"Result", "DensityResult", "ExcessVol"}) EXPECT_EQ(Shown(empty), "");
}

TEST_F(VolumeWindowTest, EditingPressureOrTemperatureResetsTheFirstApproach) {
  for (const char* field : {"dataEntryP", "dataEntryT"}) {
    Enter("673.15", "100");
    Click(w.Radio("Choice1"));
    Type(w.Field("dataEntryV"), "25");
    Calculate();
    ASSERT_NE(Shown("Result"), "");
    Type(w.Field(field), "200");
    EXPECT_FALSE(w.Radio("Choice0").Value()) << field;
    EXPECT_FALSE(w.Radio("Choice1").Value()) << field;
    EXPECT_EQ(w.Field("dataEntryV").Text(), "") << field;
    EXPECT_EQ(Shown("Result"), "") << field;
    EXPECT_EQ(Shown("warning"), "") << field;
  }
}

TEST_F(VolumeWindowTest, ClearZeroesTheSharedScalarsLastAndKeepsTheUnit) {
  Click(w.Radio("Celsius"));
  Enter("25", "100");
  Click(w.Radio("Choice0"));
  Calculate();
  Globals::Vexcess = 1.5;
  Click(w.Button("Clear"));
  EXPECT_EQ(Globals::TK_global, 0.0);  // not the 273.15 of the emptied ˚C field
  EXPECT_EQ(Globals::PMPa_global, 0.0);
  EXPECT_EQ(Globals::Vexcess, 1.5);
  EXPECT_TRUE(w.Radio("Celsius").Value());
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  EXPECT_FALSE(w.Radio("Choice0").Value());
  for (const char* field : {"dataEntryP", "dataEntryT", "dataEntryV"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(Shown("Result"), "");
}

TEST_F(VolumeWindowTest, ReturnPressesCalculate) {
  Enter("673.15", "100");
  Click(w.Radio("Choice0"));
  QTest::keyClick(w.Field("dataEntryP").LineEdit(), Qt::Key_Return);
  EXPECT_NE(Shown("Result"), "");
}

TEST_F(VolumeWindowTest, AnalysisButtonOpensTheMolarVolumeAnalysis) {
  EXPECT_EQ(MathAnal::OpenInstanceOf(), nullptr);
  Click(w.Button("Analysis1"));
  ASSERT_NE(MathAnal::OpenInstanceOf(), nullptr);
  EXPECT_TRUE(MathAnal::OpenInstanceOf()->Frame()->isVisible());
}

// A molar volume found here, typed back with the seven digits shown, gives
// the typed pressure and temperature again.
TEST_F(VolumeWindowTest, SolvedMolarVolumeGivesBackPressureAndTemperature) {
  struct State {
    Globals::Composition x;
    const char* T;
    const char* P;
  };
  const State states[] = {
      {kWater, "873.15", "50"},
      {kWaterCO2, "673.15", "100"},
      {kFiveComponents, "573.15", "200"},
  };
  for (const State& s : states) {
    SCOPED_TRACE(std::string("T=") + s.T + " P=" + s.P);
    Globals::fraction = s.x;
    Enter(s.T, s.P);
    Click(w.Radio("Choice0"));
    Calculate();
    const QString volume = Shown("Result");
    ASSERT_NE(volume, "");
    const double T = QString(s.T).toDouble();
    const double P = QString(s.P).toDouble();

    PressureWindow& p = PressureWindow::Instance();
    Type(p.Field("dataEntry"), volume);
    Type(p.Field("dataEntry1"), s.T);
    Click(p.Button("calculate"));
    EXPECT_NEAR(fw::Val(p.Label("Result").Text()), P, 1e-4 * P);
    p.Close();

    TemperatureWindow& t = TemperatureWindow::Instance();
    t.Show();
    Type(t.Field("dataEntryV"), volume);
    Type(t.Field("dataEntryP"), s.P);
    // The temperature search starts at the typed temperature rounded to a kelvin:
    // the pressure equation may have another root at lower temperature.
    Click(t.Radio("Choice1"));
    Type(t.Field("dataEntryT"), QString::number(std::round(T)));
    Click(t.Button("calculate"));
    EXPECT_NEAR(fw::Val(t.Label("Result").Text()), T, 1e-4 * T);
    t.Close();
  }
}

TEST_F(VolumeWindowTest, ClosingTheWindowWhileItSolvesEndsTheCalculationCleanly) {
  Globals::fraction = kFiveComponents;
  Enter("673.15", "100");
  Click(w.Radio("Choice0"));
  int yields = 0;
  SetRuntimeYieldHook([&] {
    if (++yields == 1) w.Close();
  });
  Calculate();
  EXPECT_GT(yields, 0);
  EXPECT_EQ(VolumeWindow::OpenInstanceOf(), nullptr);
  ProcessDeferredDeletes();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

TEST_F(VolumeWindowTest, ProceduresRadioMolarVolumesOpensThisWindow) {
  Start3Window& procedures = Start3Window::Instance();
  Type(w.Field("dataEntryP"), "100");
  Click(procedures.Radio("MolarVolumes"));
  Click(procedures.Button("PushButton1"));
  EXPECT_EQ(VolumeWindow::OpenInstanceOf(), &w);
  EXPECT_EQ(w.Field("dataEntryP").Text(), "100");
  w.Close();
  ProcessDeferredDeletes();
  Click(procedures.Button("PushButton1"));
  VolumeWindow* fresh = VolumeWindow::OpenInstanceOf();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Frame()->isVisible());
  EXPECT_EQ(fresh->Field("dataEntryP").Text(), "");
}

}  // namespace
