// The "Pressures" window driven through its controls.
#include <gtest/gtest.h>

#include <cmath>

#include "app/framework/ValStr.h"
#include "app/procedures_window.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/pvt_window_test.h"
#include "fluid/lowest_volume.h"

namespace {

using fw::Str;
using pvt_test::Activate;
using pvt_test::Click;
using pvt_test::kPureWater;
using pvt_test::Type;

const QString kPutNumber = "Warning: put a number for temperature and molar volume";
const QString kRangeWarning =
    "Warning: temperature range is 573 to 1200 K, maximum pressure is 500 MPa";
const QString kNoPressure = "Warning: molar volume too small, no pressure";

// Full precision, so that the typed volume is the double meant.
QString Exact(double v) { return QString::number(v, 'g', 17); }

class PressureWindowTest : public pvt_test::PvtWindowTest {
 protected:
  PressureWindow& w = PressureWindow::Instance();

  void Calculate(const QString& volume, const QString& temperature, bool celsius = false) {
    Click(w.Radio(celsius ? "Celsius" : "Kelvin"));
    Type(w.Field("dataEntry"), volume);
    Type(w.Field("dataEntry1"), temperature);
    Click(w.Button("calculate"));
  }
  QString Text(const char* label) { return w.Label(label).Text(); }
};

TEST_F(PressureWindowTest, OpensWithKelvinOnAndTheDensityCaption) {
  EXPECT_EQ(w.Title(), "Pressures");
  EXPECT_EQ(w.Width(), 470);
  EXPECT_EQ(w.Height(), 320);
  EXPECT_TRUE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_EQ(Text("StaticText3"), "Kelvin");
  EXPECT_EQ(Text("Density"), "corresponding density");
  EXPECT_EQ(Text("Result"), "");
}

TEST_F(PressureWindowTest, PureWaterAtUnitDensityGivesThePressureOfTheEquationOfState) {
  Calculate("18.01528", "573.15");
  EXPECT_EQ(Text("Density"), "corresponding density = 1 g/cm3");
  const double P = Globals::Pressure(kPureWater, 573.15, 18.01528);
  ASSERT_GT(P, 0);
  EXPECT_EQ(Text("Result"), Str(P));
  EXPECT_EQ(Text("warning"), "");
  EXPECT_EQ(Text("warning1"), P > 500 ? kRangeWarning : "");
  EXPECT_EQ(Globals::Vm_global, 18.01528);
}

TEST_F(PressureWindowTest, CelsiusAddsTheOffsetOnce) {
  Calculate("30", "300", /*celsius=*/true);
  EXPECT_EQ(Text("StaticText3"), "\u02DACelsius");
  EXPECT_EQ(Text("Result"), Str(Globals::Pressure(kPureWater, 300 + 273.15, 30)));
}

struct RefusedCase {
  const char* volume;
  const char* temperature;
  bool celsius;
};

TEST_F(PressureWindowTest, MissingOrNonPositiveInputsAreRefused) {
  const RefusedCase cases[] = {
      {"", "600", false},      {"abc", "600", false},  {"0", "600", false},
      {"-5", "600", false},    {"30", "", false},      {"30", "0", false},
      {"30", "-10", false},    {"30", "-273.15", true}, {"30", "-300", true},
      // Read as 0 ˚C an empty or non-numeric temperature would pass.
      {"30", "", true},        {"30", "abc", true},    {"30", "12abc", true},
  };
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(std::string(c.volume) + " / " + c.temperature + (c.celsius ? " ˚C" : " K"));
    Calculate(c.volume, c.temperature, c.celsius);
    EXPECT_EQ(Text("warning"), kPutNumber);
    EXPECT_EQ(Text("Result"), "");
  }
}

TEST_F(PressureWindowTest, RefusedPressStillHandsTheTypedVolumeOn) {
  Calculate("42.5", "", false);
  EXPECT_EQ(Text("warning"), kPutNumber);
  EXPECT_EQ(Globals::Vm_global, 42.5);
  Calculate("abc", "600", false);
  EXPECT_EQ(Globals::Vm_global, 0);
  Calculate("25", "600", false);
  EXPECT_EQ(Text("warning"), "");
  EXPECT_EQ(Globals::Vm_global, 25);
}

struct RangeCase {
  const char* temperature;
  bool warned;
};

TEST_F(PressureWindowTest, RangeWarningOutsideTheTemperatureLimits) {
  const RangeCase cases[] = {
      {"573.15", false}, {"573", true},  {"573.1499", true}, {"1200", false},
      {"1200.0001", true}, {"900", false},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.temperature);
    Calculate("40", c.temperature);
    const double P = Globals::Pressure(kPureWater, fw::Val(c.temperature), 40);
    ASSERT_LE(P, 500);
    EXPECT_EQ(Text("Result"), Str(P));
    EXPECT_EQ(Text("warning1"), c.warned ? kRangeWarning : "");
  }
}

TEST_F(PressureWindowTest, NegativePressureIsShownAsComputedWithoutWarning) {
  Calculate("30", "573.15");
  const double P = Globals::Pressure(kPureWater, 573.15, 30);
  ASSERT_LT(P, 0);
  EXPECT_EQ(Text("Result"), Str(P));
  EXPECT_EQ(Text("warning"), "");
  EXPECT_EQ(Text("warning1"), "");
}

TEST_F(PressureWindowTest, EveryActivationShowsTheMinimumOfTheCurrentFluid) {
  Activate(w);
  EXPECT_EQ(Text("StaticText5"), "*minimum value = 7.11475 cc/mol");
  Globals::fraction = {0, 1, 0, 0, 0};
  Activate(w);
  EXPECT_EQ(Text("StaticText5"), "*minimum value = 12.38 cc/mol");
}

TEST_F(PressureWindowTest, RangeWarningAbove500MPa) {
  const double T = 1000;
  const double V500 = Globals::Volume(kPureWater, T, 500, 15);
  ASSERT_GT(V500, 0);
  const double below = V500 * (1 + 1e-6);  // a little larger volume: below 500 MPa
  const double above = V500 * (1 - 1e-6);
  ASSERT_LE(Globals::Pressure(kPureWater, T, below), 500);
  ASSERT_GT(Globals::Pressure(kPureWater, T, above), 500);
  Calculate(Exact(below), "1000");
  EXPECT_EQ(Text("warning1"), "");
  Calculate(Exact(above), "1000");
  EXPECT_EQ(Text("warning1"), kRangeWarning);
}

// With water the hard-sphere term's lowest volume lies a little above the
// minimum shown: between the two the equation has no pressure either.
TEST_F(PressureWindowTest, VolumeWithoutPressureIsRefusedNotShownAsZero) {
  Activate(w);
  const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(kPureWater);
  EXPECT_EQ(Text("StaticText5"), "*minimum value = " + Str(lowest.limit) + " cc/mol");
  ASSERT_GT(lowest.repulsive, 7.12);
  for (const QString& volume :
       {QString("7"), Exact(lowest.limit), QString("7.12"), Exact(lowest.repulsive)}) {
    SCOPED_TRACE(volume.toStdString());
    Calculate(volume, "600");
    EXPECT_EQ(Text("warning"), kNoPressure);
    EXPECT_EQ(Text("Result"), "");
    EXPECT_EQ(Text("warning1"), "");
  }
  Calculate(Exact(std::nextafter(lowest.repulsive, 100.0)), "600");
  EXPECT_EQ(Text("warning"), "");
  EXPECT_NE(Text("Result"), "");
}

TEST_F(PressureWindowTest, EditingEitherFieldClearsResultAndWarnings) {
  Calculate("40", "500");
  ASSERT_NE(Text("Result"), "");
  ASSERT_EQ(Text("warning1"), kRangeWarning);
  QTest::keyClicks(w.Field("dataEntry1").LineEdit(), "1");
  EXPECT_EQ(Text("Result"), "");
  EXPECT_EQ(Text("warning1"), "");
  Click(w.Button("calculate"));
  ASSERT_NE(Text("Result"), "");
  QTest::keyClicks(w.Field("dataEntry").LineEdit(), "0");
  EXPECT_EQ(Text("Result"), "");
  EXPECT_EQ(Text("Density"), "corresponding density = " +
                                 Str(Globals::Density(kPureWater, 400)) + " g/cm3");
}

TEST_F(PressureWindowTest, UnitChangeAloneNeitherClearsNorRecomputes) {
  Calculate("40", "", false);
  ASSERT_EQ(Text("warning"), kPutNumber);
  Click(w.Radio("Celsius"));
  Click(w.Button("calculate"));  // an empty field is no temperature in ˚C either
  EXPECT_EQ(Text("warning"), kPutNumber);
  EXPECT_EQ(Text("Result"), "");
  Type(w.Field("dataEntry1"), "700");
  Click(w.Button("calculate"));
  const QString inCelsius = Text("Result");
  EXPECT_EQ(inCelsius, Str(Globals::Pressure(kPureWater, 700 + 273.15, 40)));
  Click(w.Radio("Kelvin"));
  EXPECT_EQ(Text("StaticText3"), "Kelvin");
  EXPECT_EQ(Text("Result"), inCelsius);
  Click(w.Button("calculate"));
  EXPECT_EQ(Text("Result"), Str(Globals::Pressure(kPureWater, 700, 40)));
}

TEST_F(PressureWindowTest, ClearEmptiesEverythingAndReturnsToKelvin) {
  Calculate("40", "300", /*celsius=*/true);
  Click(w.Button("Clear"));
  EXPECT_EQ(w.Field("dataEntry").Text(), "");
  EXPECT_EQ(w.Field("dataEntry1").Text(), "");
  EXPECT_EQ(Text("Density"), "");
  EXPECT_EQ(Text("Result"), "");
  EXPECT_EQ(Text("warning"), "");
  EXPECT_EQ(Text("warning1"), "");
  EXPECT_TRUE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_EQ(Text("StaticText3"), "Kelvin");
  EXPECT_EQ(Globals::Vm_global, 40);
}

TEST_F(PressureWindowTest, ReturnPressesCalculate) {
  Type(w.Field("dataEntry"), "40");
  Type(w.Field("dataEntry1"), "800");
  QTest::keyClick(w.Field("dataEntry1").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(Text("Result"), Str(Globals::Pressure(kPureWater, 800, 40)));
}

TEST_F(PressureWindowTest, IsochoreButtonOpensTheIsochoreOfTheLastPress) {
  Calculate("18.01528", "573.15");
  Click(w.Button("PushButton1"));
  Isochore* iso = Isochore::OpenInstanceOf();
  ASSERT_NE(iso, nullptr);
  Activate(*iso);
  EXPECT_EQ(iso->Label("ResultV").Text(), "18.01528");
  EXPECT_EQ(iso->Label("ResultV1").Text(), "1");
}

TEST(PressureWindowOpening, ProceduresRadioPressuresOpensOneWindow) {
  Start3Window& procedures = Start3Window::Instance();
  Click(procedures.Radio("Pressures"));
  Click(procedures.Button("PushButton1"));
  PressureWindow* opened = PressureWindow::OpenInstanceOf();
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->Frame()->isVisible());
  opened->Field("dataEntry").SetText("40");
  Click(procedures.Button("PushButton1"));
  EXPECT_EQ(PressureWindow::OpenInstanceOf(), opened);
  EXPECT_EQ(opened->Field("dataEntry").Text(), "40");
  fw::ReleaseAllWindows();
}

}  // namespace
