// The "Pressures" window driven through its controls.
#include <cmath>
#include <string>

#include "calc/pvt/Isochore.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/window_driving.h"
#include "fluid/lowest_volume.h"

using namespace driving;

namespace {

const QString kPutNumber = "Warning: put a number for temperature and molar volume";
const QString kRangeWarning =
    "Warning: temperature range is 573 to 1200 K, maximum pressure is 500 MPa";
const QString kNoPressure = "Warning: molar volume too small, no pressure";

class PressureWindowTest : public Driving<PressureWindow> {
 protected:
  void Calculate(const QString& volume, const QString& temperature, bool celsius = false) {
    Choose(celsius ? "Celsius" : "Kelvin");
    Put("dataEntry", volume);
    Put("dataEntry1", temperature);
    Press("calculate");
  }
};

// A user's check by hand: water at unit density and 573.15 K, whose pressure
// the Isochore window, opened from here, reproduces at 300 ˚C.
TEST_F(PressureWindowTest, WaterAtUnitDensityAndItsIsochoreAt300Celsius) {
  Put("dataEntry", "18.01528");
  Put("dataEntry1", "573.15");
  QTest::keyClick(w.Field("dataEntry1").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(Shown("Density"), "corresponding density = 1 g/cm3");
  const double P = Globals::Pressure(kWater, 573.15, 18.01528);
  ASSERT_GT(P, 500);
  EXPECT_EQ(Shown("Result"), Str(P));
  EXPECT_EQ(Shown("warning"), "");
  EXPECT_EQ(Shown("warning1"), kRangeWarning);
  EXPECT_EQ(Globals::Vm_global, 18.01528);

  Press("PushButton1");
  Isochore* iso = Isochore::OpenInstanceOf();
  ASSERT_NE(iso, nullptr);
  Activate(*iso);
  EXPECT_EQ(iso->Label("ResultV").Text(), "18.01528");
  EXPECT_EQ(iso->Label("ResultV1").Text(), "1");
  Type(iso->Field("minimum"), "300");
  Type(iso->Field("maximum"), "301");
  Type(iso->Field("interval"), "1");
  Click(iso->Button("calculate"));
  EXPECT_EQ(iso->List("ListBox1").Cell(0, 0), "300");
  EXPECT_EQ(iso->List("ListBox1").Cell(0, 1), Shown("Result"));
}

// The typed volume is handed on before the check, also when it is refused.
// A number beyond the magnitudes a calculation can carry is none, and gives
// no density either.
TEST_F(PressureWindowTest, MissingOrNonPositiveInputsAreRefused) {
  const struct {
    const char* volume;
    const char* temperature;
    bool celsius;
  } cases[] = {
      {"", "600", false},   {"abc", "600", false}, {"0", "600", false},     {"-5", "600", false},
      {"42.5", "", false},  {"30", "0", false},    {"30", "-10", false},    {"30", "-273.15", true},
      {"30", "-300", true},
      // Read as 0 ˚C an empty or non-numeric temperature would pass.
      {"30", "", true},     {"30", "abc", true},   {"30", "12abc", true},
      {"40", "1e-320", false}, {"40", "1e308", false}, {"1e-320", "600", false},
      {"2.2250738585072014e-308", "600", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.volume) + " / " + c.temperature + (c.celsius ? " ˚C" : " K"));
    Calculate(c.volume, c.temperature, c.celsius);
    EXPECT_EQ(Shown("warning"), kPutNumber);
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Globals::Vm_global, Val(c.volume));
    if (!(Val(c.volume) > 0)) {
      EXPECT_EQ(Shown("Density"), "corresponding density");
    }
  }
}

// 573.15 K, 1200 K and 500 MPa are all inside the range; a negative pressure
// is shown as computed and raises nothing by itself.
TEST_F(PressureWindowTest, RangeWarningOutsideTheTemperatureAndPressureLimits) {
  const double V500 = Globals::Volume(kWater, 1000, 500, 15);
  ASSERT_GT(V500, 0);
  const struct {
    QString volume;
    const char* temperature;
    bool over500MPa, warned;
  } cases[] = {
      {"40", "573.15", false, false},  {"40", "573", false, true},
      {"40", "573.1499", false, true}, {"40", "1200", false, false},
      {"40", "1200.0001", false, true},
      {Exact(V500 * (1 + 1e-6)), "1000", false, false},
      {Exact(V500 * (1 - 1e-6)), "1000", true, true},
      {"30", "573.15", false, false},  // a negative pressure
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.volume.toStdString() + " / " + c.temperature);
    Calculate(c.volume, c.temperature);
    const double P = Globals::Pressure(kWater, Val(c.temperature), Val(c.volume));
    ASSERT_EQ(P > 500, c.over500MPa);
    if (c.volume == "30") {
      ASSERT_LT(P, 0);
    }
    EXPECT_EQ(Shown("Result"), Str(P));
    EXPECT_EQ(Shown("warning"), "");
    EXPECT_EQ(Shown("warning1"), c.warned ? kRangeWarning : "");
  }
}

// With water the hard-sphere term's lowest volume lies a little above the
// minimum shown: between the two the equation has no pressure either.
TEST_F(PressureWindowTest, VolumeWithoutPressureIsRefusedNotShownAsZero) {
  Activate(w);
  EXPECT_EQ(Shown("StaticText5"), "*minimum value = 7.11475 cc/mol");
  const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(kWater);
  ASSERT_GT(lowest.repulsive, 7.12);
  for (const QString& volume :
       {QString("7"), Exact(lowest.limit), QString("7.12"), Exact(lowest.repulsive)}) {
    SCOPED_TRACE(volume.toStdString());
    Calculate(volume, "600");
    EXPECT_EQ(Shown("warning"), kNoPressure);
    EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
    EXPECT_EQ(Shown("Result"), "");
    EXPECT_EQ(Shown("warning1"), "");
  }
  Calculate(Exact(std::nextafter(lowest.repulsive, 100.0)), "600");
  EXPECT_EQ(Shown("warning"), "");
  EXPECT_NE(Shown("Result"), "");

  Globals::fraction = {0, 1, 0, 0, 0};
  Activate(w);
  EXPECT_EQ(Shown("StaticText5"), "*minimum value = 12.38 cc/mol");
}

// A result stays until a field changes or the next calculation: the unit
// takes effect only then.
TEST_F(PressureWindowTest, EditsClearTheResultAndAUnitChangeAloneDoesNot) {
  Calculate("40", "", false);
  ASSERT_EQ(Shown("warning"), kPutNumber);
  Choose("Celsius");
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  Press("calculate");  // an empty field is no temperature in ˚C either
  EXPECT_EQ(Shown("warning"), kPutNumber);
  Put("dataEntry1", "700");
  Press("calculate");
  const QString inCelsius = Shown("Result");
  EXPECT_EQ(inCelsius, Str(Globals::Pressure(kWater, 700 + 273.15, 40)));
  Choose("Kelvin");
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  EXPECT_EQ(Shown("Result"), inCelsius);
  Press("calculate");
  EXPECT_EQ(Shown("Result"), Str(Globals::Pressure(kWater, 700, 40)));
  Put("dataEntry1", "500");
  Press("calculate");
  ASSERT_EQ(Shown("warning1"), kRangeWarning);

  QTest::keyClicks(w.Field("dataEntry1").LineEdit(), "1");
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("warning1"), "");
  Press("calculate");
  QTest::keyClicks(w.Field("dataEntry").LineEdit(), "0");
  EXPECT_EQ(Shown("Result"), "");
  EXPECT_EQ(Shown("Density"),
            "corresponding density = " + Str(Globals::Density(kWater, 400)) + " g/cm3");
}

TEST_F(PressureWindowTest, ClearEmptiesEverythingAndReturnsToKelvin) {
  Calculate("40", "300", /*celsius=*/true);
  Press("Clear");
  for (const char* field : {"dataEntry", "dataEntry1"}) EXPECT_EQ(w.Field(field).Text(), "");
  for (const char* label : {"Density", "Result", "warning", "warning1"})
    EXPECT_EQ(Shown(label), "") << label;
  EXPECT_TRUE(On("Kelvin"));
  EXPECT_FALSE(On("Celsius"));
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  EXPECT_EQ(Globals::Vm_global, 40);
}

}  // namespace
