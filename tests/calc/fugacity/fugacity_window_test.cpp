// The "Fugacities" window driven through its controls.
#include <string>
#include <tuple>

#include "calc/fugacity/FugacityWindow.h"
#include "tests/app/framework/test_windows.h"
#include "tests/calc/fugacity/fugacity_driving.h"

using namespace driving;

namespace {

const QString kPutNumberTV = "warning: put a number for temperature and molar volume";
const QString kPutNumberState = "warning: put a number for temperature, molar volume, and pressure";

class FugacityWindowTest : public Driving<FugacityWindow> {
 protected:
  void Fix(const char* mode, const QString& T, const QString& PV) {
    if (*mode) Choose(mode);
    Put("dataEntryT", T);
    Put("dataEntryPV", PV);
    Press("Calculation1");
  }
  const fw::Listbox& Table() const { return w.List("ListBox1"); }
};

// Water at 400 ˚C and 100 MPa: the volume solved, then one table row whose
// fugacity is the coefficient times the pressure.
TEST_F(FugacityWindowTest, PressureModeSolvesTheVolumeAndListsTheFugacities) {
  Fix("RadioButtonTP", "673.15", "100");
  const double V = AutomaticVolume(kWater, 673.15, 100);
  ASSERT_GT(V, 0);
  EXPECT_EQ(Shown("ResultPV"), Str(V));
  EXPECT_EQ(Shown("Density2"),
            "corresponding density = " + Str(Globals::Density(kWater, V)) + " g/cm3");
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global),
            std::tuple(673.15, 100.0, V));

  QTest::keyClick(w.Field("dataEntryPV").LineEdit(), Qt::Key_Return);  // the default button
  Globals::Fugacities(kWater, 673.15, 100, V);
  ASSERT_EQ(Table().ListCount(), 1);
  EXPECT_EQ(QStringList({Table().Cell(0, 0), Table().Cell(0, 1), Table().Cell(0, 2)}),
            QStringList({"H2O", Str(Globals::Fugacity[0]), Str(Globals::Coefficient[0])}));
  EXPECT_NEAR(Val(Table().Cell(0, 1)), Val(Table().Cell(0, 2)) * 100, 1e-5 * 100);
  EXPECT_EQ(Shown("warning"), "");
}

TEST_F(FugacityWindowTest, VolumeModeComputesThePressureAndTheTableHasOneRowPerComponentPresent) {
  Globals::fraction = {0.95, 0, 0, 0.1, -0.05};  // a negative fraction counts as present
  Fix("RadioButtonTV", "773.15", "25");
  const double P = Globals::Pressure(Globals::fraction, 773.15, 25);
  ASSERT_GT(P, 0);
  EXPECT_EQ(Shown("ResultPV"), Str(P));
  EXPECT_EQ(Shown("Density2"), "");
  Press("calculateFinal");
  EXPECT_EQ(Column(Table(), 0), (QStringList{"H2O", "NaCl", "KCl"}));
}

// Each mode relabels the inputs and results and empties entries and table.
TEST_F(FugacityWindowTest, ModesRelabelAndClearReturnsToPressureMode) {
  const QString pressureMode = "Pressure|MPa|||Molar Volume|cm /mol|3|corresponding density";
  const QString volumeMode = "Molar Volume|cm /mol|3|corresponding density|Pressure|MPa||";
  const auto shownLabels = [&] {
    QStringList texts;
    for (const char* l : {"Parameter", "Unit0", "Unitsup", "Density1", "Parameter1", "Unit1",
                          "UnitSup1", "Density2"})
      texts << Shown(l);
    return texts.join('|');
  };
  EXPECT_FALSE(On("RadioButtonTP") || On("RadioButtonTV"));
  Put("dataEntryPV", "20");  // no mode yet: the density labels stay
  EXPECT_EQ(Shown("Density1"), "corresponding density");

  Fix("RadioButtonTP", "673.15", "100");
  Press("calculateFinal");
  Choose("RadioButtonTV");
  EXPECT_EQ(shownLabels() + w.Button("Calculation1").Caption(), volumeMode + "pressure calculation");
  ExpectExponentsAfterTheirBases(w);
  EXPECT_EQ(w.Field("dataEntryT").Text() + w.Field("dataEntryPV").Text(), "");
  EXPECT_EQ(Table().ListCount(), 0);

  // The live density follows every positive volume typed and keeps the last.
  Put("dataEntryPV", "20");
  const QString density = "corresponding density = " + Str(Globals::Density(kWater, 20)) + " g/cm3";
  EXPECT_EQ(Shown("Density1"), density);
  Put("dataEntryPV", "");
  EXPECT_EQ(Shown("Density1"), density);

  Choose("Celsius");
  Press("Clear");
  EXPECT_TRUE(On("RadioButtonTP"));
  EXPECT_EQ(shownLabels() + w.Button("Calculation1").Caption(), pressureMode + "volume calculation");
  ExpectExponentsAfterTheirBases(w);
  EXPECT_TRUE(On("Celsius"));
}

// The temperature is judged as typed, before its conversion to kelvin: 0 ˚C
// and below are refused; an empty field is none in either unit.
TEST_F(FugacityWindowTest, EntriesAreJudgedWithTheTemperatureAsTyped) {
  const struct {
    const char* mode;
    const char* unit;
    const char* T;
    const char* PV;
    QString warning;
    double kelvin;
  } cases[] = {
      {"RadioButtonTP", "Celsius", "-5", "50", kPutNumber, 0},
      {"RadioButtonTV", "Celsius", "0", "30", kPutNumberTV, 0},
      {"RadioButtonTP", "Celsius", "0.5", "50", "", 273.65},
      {"RadioButtonTP", "Celsius", "", "50", kPutNumber, 0},
      {"RadioButtonTP", "Celsius", "-273.15", "50", kPutNumber, 0},
      {"RadioButtonTP", "Kelvin", "-5", "50", kPutNumber, 0},
      {"RadioButtonTP", "Kelvin", "673.15", "0", kPutNumber, 0},
      {"RadioButtonTV", "Kelvin", "673.15", "abc", kPutNumberTV, 0},
      {"RadioButtonTV", "Kelvin", "x", "30", kPutNumberTV, 0},
      {"RadioButtonTV", "Kelvin", "1e-320", "30", kPutNumberTV, 0},  // no number to carry
      {"RadioButtonTP", "Kelvin", "1e308", "50", kPutNumber, 0},
      {"", "Kelvin", "600", "50", "", 600},  // no mode: the temperature alone is stored
      {"", "Kelvin", "600", "", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.unit + " T='" + c.T + "' PV='" + c.PV + "'");
    Choose(c.unit);
    if (*c.mode == 0) {
      w.Radio("RadioButtonTP").SetValue(false);
      w.Radio("RadioButtonTV").SetValue(false);
    }
    if (*c.mode) Choose(c.mode);
    Put("dataEntryT", c.T);
    Put("dataEntryPV", c.PV);
    // What the calculation button alone stores.
    Globals::TK_global = 0;
    Globals::PMPa_global = Globals::Vm_global = 7;
    Press("Calculation1");
    EXPECT_EQ(Shown("warning"), c.warning);
    EXPECT_EQ(Globals::TK_global, c.kelvin);
    if (!c.warning.isEmpty() || *c.mode == 0) {
      EXPECT_EQ(Globals::PMPa_global + Globals::Vm_global, 14.0);
    }
  }
}

// No volume found, or no pressure below the lowest volume: a message instead
// of a result of 0, and "calculate" refuses the state.
TEST_F(FugacityWindowTest, FailedStepsSayWhyAndCalculateRefuses) {
  Globals::fraction = {0, 0, 0, 1, 0};  // pure salt: no automatic start volume
  Fix("RadioButtonTP", "873.15", "50");
  EXPECT_EQ(Shown("ResultPV"), "");
  EXPECT_EQ(Shown("warning"), "warning: no molar volume found");
  EXPECT_EQ(Globals::Vm_global, 0.0);
  Press("calculateFinal");
  EXPECT_EQ(Shown("warning"), kPutNumberState);

  Globals::fraction = kWater;
  Fix("RadioButtonTV", "673.15", QString::number(Globals::Vlimit(kWater) * 0.99));
  EXPECT_EQ(Shown("ResultPV"), "");
  EXPECT_EQ(Shown("warning"), "warning: molar volume too small, no pressure");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
  Press("calculateFinal");
  EXPECT_EQ(Shown("warning"), kPutNumberState);
  EXPECT_EQ(Table().ListCount(), 0);
}

// A temperature edit stores the new temperature, converted in the unit on;
// "calculate" then lists the fugacities at it with the pressure and molar
// volume of the last calculation.
TEST_F(FugacityWindowTest, TemperatureEditMovesTheStoredTemperatureOnly) {
  Fix("RadioButtonTP", "673.15", "100");
  const double V = Globals::Vm_global;
  const QString density = Shown("Density2");
  Press("calculateFinal");
  ASSERT_EQ(Table().ListCount(), 1);
  Put("dataEntryT", "773.15");
  EXPECT_EQ(Shown("ResultPV"), "");
  EXPECT_EQ(Shown("Density2"), density);
  EXPECT_EQ(Table().ListCount(), 0);
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global),
            std::tuple(773.15, 100.0, V));
  Press("calculateFinal");
  Globals::Fugacities(kWater, 773.15, 100, V);
  EXPECT_EQ(Column(Table(), 1), QStringList{Str(Globals::Fugacity[0])});
  EXPECT_EQ(Column(Table(), 2), QStringList{Str(Globals::Coefficient[0])});

  Choose("Celsius");
  Put("dataEntryT", "500");
  EXPECT_EQ(Globals::TK_global, 500 + 273.15);
  Put("dataEntryT", "");
  EXPECT_EQ(Globals::TK_global, 273.15);
  Choose("Kelvin");
  Put("dataEntryT", "");
  EXPECT_EQ(Globals::TK_global, 0.0);
}

// A unit switch drops the stored temperature: "calculate" refuses until the
// temperature is edited or the calculation button is pressed again.
TEST_F(FugacityWindowTest, UnitSwitchDropsTheStoredTemperature) {
  for (const char* next : {"edit", "calculation"}) {
    SCOPED_TRACE(next);
    Choose("Kelvin");
    Fix("RadioButtonTP", "673.15", "100");
    Choose("Celsius");
    EXPECT_EQ(Shown("StaticText1"), "\u02DACelsius");
    EXPECT_NE(Shown("ResultPV"), "");
    EXPECT_EQ(Globals::TK_global, 0.0);
    Press("calculateFinal");
    EXPECT_EQ(Shown("warning"), kPutNumberState);
    if (std::string(next) == "edit")
      Put("dataEntryT", "400");
    else
      Press("Calculation1");
    // The text read in the new unit.
    EXPECT_EQ(Globals::TK_global, Val(w.Field("dataEntryT").Text()) + 273.15);
    Press("calculateFinal");
    EXPECT_EQ(Table().ListCount(), 1);
  }
}

// The table is of whatever state point the shared scalars hold, while the
// window's own temperature field holds a number: an empty one must not pass
// for the temperature another window left. A state the equation of state has
// no fugacities for is refused, not listed as 0 and 1.
TEST_F(FugacityWindowTest, TableIsOfTheStoredStatePointFromAnyWindow) {
  const double V = AutomaticVolume(kWaterCO2, 773.15, 200);
  Globals::fraction = kWaterCO2;
  for (const char* ownTemperature : {"", "abc", "700"}) {
    SCOPED_TRACE(ownTemperature);
    Put("dataEntryT", ownTemperature);
    std::tie(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global) =
        std::tuple(773.15, 200.0, V);
    Press("calculateFinal");
    EXPECT_EQ(Shown("warning"), *ownTemperature == '7' ? "" : kPutNumberState);
  }
  Globals::Fugacities(kWaterCO2, 773.15, 200, V);
  EXPECT_EQ(Column(Table(), 1),
            (QStringList{Str(Globals::Fugacity[0]), Str(Globals::Fugacity[1])}));

  Globals::Vm_global = Globals::Vlimit(kWaterCO2) * 0.5;
  Press("calculateFinal");
  EXPECT_EQ(Shown("warning"), "warning: no fugacities at the stored state point");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning")));
  EXPECT_EQ(Table().ListCount(), 0);
}

}  // namespace
