// The "Activities" window driven through its controls.
#include <string>
#include <tuple>

#include "calc/fugacity/ActivityWindow.h"
#include "calc/pvt/MathAnal.h"
#include "tests/calc/fugacity/fugacity_driving.h"

using namespace driving;

namespace {

const QString kPutNumber1 = "put a number for pressure, temperature, and molar volume";

// The reference fugacity of pure component i at T and P as the activity step
// finds it: a start volume below or above the saturation pressure, then Vm.
double PureFugacity(int i, double T, double P, double Vm) {
  Globals::Composition pure{};
  pure[i] = 1.0;
  double V0 = 25.0;
  if (i <= 2) V0 = P < Globals::SaturationPressure(i, T) ? 18.0 : 1000.0;
  double V = Globals::Volume(pure, T, P, V0);
  if (!(V > 0)) V = Globals::Volume(pure, T, P, Vm);
  Globals::Fugacities(pure, T, P, V);
  return Globals::Fugacity[i];
}

class ActivityWindowTest : public Driving<ActivityWindow> {
 protected:
  // Steps 1 and 2: state point and molar volume, automatic first approach.
  void MolarVolume(const QString& P, const QString& T) {
    Put("dataEntryP", P);
    Put("dataEntryT", T);
    Choose("Choice0");
    Press("calculateVm");
  }
  void Activities(const char* standard, const QString& Pref = "") {
    Choose(standard);
    if (!Pref.isEmpty()) Put("dataEntryPref", Pref);
    Press("calculate");
  }
  const fw::Listbox& Table() const { return w.List("ListBox1"); }
};

// H2O-CO2 at 400 ˚C and 100 MPa against the pure real components at T and P.
TEST_F(ActivityWindowTest, ActivitiesAgainstPureRealComponentsAtTAndP) {
  Globals::fraction = kWaterCO2;
  MolarVolume("100", "673.15");
  const double Vm = AutomaticVolume(kWaterCO2, 673.15, 100);
  ASSERT_GT(Vm, 0);
  EXPECT_EQ(Shown("ResultV"), Str(Vm));
  Activities("StandardChoice0");
  EXPECT_EQ(w.Field("dataEntryPref").Text(), "100");

  const double shownVm = Val(Str(Vm));
  Globals::Fugacities(kWaterCO2, 673.15, 100, shownVm);
  const Globals::Composition mixture = Globals::Fugacity;
  ASSERT_EQ(Table().ListCount(), 2);
  for (int i : {0, 1}) {
    SCOPED_TRACE(i);
    const double a = mixture[i] / PureFugacity(i, 673.15, 100, shownVm);
    EXPECT_EQ(Table().Cell(i, 1), Str(a));
    EXPECT_EQ(Table().Cell(i, 2), Str(a / kWaterCO2[i]));
    EXPECT_EQ(Globals::Activity[i], a);
  }
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global),
            std::tuple(673.15, 100.0, shownVm));
  // The same standard state at P(ref.) = P gives the same table.
  const QStringList choice0 = Column(Table(), 1);
  Activities("StandardChoice1", "100");
  EXPECT_EQ(Column(Table(), 1), choice0);
}

// Pure water against itself: activity and coefficient 1 but for the seven
// digits with which the molar volume of the fluid passes through ResultV.
TEST_F(ActivityWindowTest, PureWaterAgainstItselfHasActivityNearOne) {
  for (const auto& [P, T] : {std::tuple{"100", "673.15"}, {"10", "473.15"}, {"1", "773.15"}}) {
    SCOPED_TRACE(std::string(P) + " MPa " + T + " K");
    MolarVolume(P, T);
    Activities("StandardChoice0");
    ASSERT_EQ(Table().ListCount(), 1);
    EXPECT_NEAR(Val(Table().Cell(0, 1)), 1, 1e-3);
    EXPECT_EQ(Table().Cell(0, 2), Table().Cell(0, 1));
  }
}

// The activity step reads the molar volume back from its text: the number as
// shown, not the unrounded one found, and whatever ResultV holds. The ideal
// standard state is the mole fraction times P(ref.).
TEST_F(ActivityWindowTest, IdealStandardStateAtTheMolarVolumeShown) {
  MolarVolume("10", "473.15");  // liquid water: the rounding moves the pressure
  const double found = AutomaticVolume(kWater, 473.15, 10);
  ASSERT_EQ(Shown("ResultV"), Str(found));
  ASSERT_NE(Val(Str(found)), found);
  const double brineVm = Val(Str(AutomaticVolume(kBrine, 873.15, 200)));
  const struct {
    Globals::Composition x;
    const char *P, *T;
    double Vm;
    int row, i;
  } cases[] = {{kWater, "10", "473.15", Val(Str(found)), 0, 0},
               {kWater, "10", "473.15", 20.0, 0, 0},
               {kBrine, "200", "873.15", brineVm, 1, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Vm);
    Globals::fraction = c.x;
    MolarVolume(c.P, c.T);
    w.Label("ResultV").SetText(Str(c.Vm));
    Activities("StandardChoice2", "0.1");
    EXPECT_EQ(Globals::Vm_global, c.Vm);
    Globals::Fugacities(c.x, Val(c.T), Val(c.P), c.Vm);
    const double f = Globals::Fugacity[c.i];
    ASSERT_GT(f, 0);
    EXPECT_EQ(Table().Cell(c.row, 1), Str(f / (c.x[c.i] * 0.1)));
    EXPECT_EQ(Table().Cell(c.row, 2), Str(f / (c.x[c.i] * 0.1) / c.x[c.i]));
  }
  EXPECT_EQ(Column(Table(), 0), (QStringList{"H2O", "NaCl"}));
  EXPECT_EQ(Globals::Fugacity[1], 0.0);
}

// Each edit empties what the later steps produced, never the messages.
TEST_F(ActivityWindowTest, EditsEmptyTheLaterSteps) {
  const auto fillAll = [&] {
    MolarVolume("100", "673.15");
    Activities("StandardChoice1", "50");
    ASSERT_EQ(Table().ListCount(), 1);
    w.Label("warning").SetText("kept");
  };
  fillAll();
  Put("dataEntryP", "12");  // per key: 1, then 12
  EXPECT_EQ(Globals::PMPa_global, 12.0);
  EXPECT_EQ(Globals::Vm_global, 0.0);
  EXPECT_FALSE(On("Choice0") || On("StandardChoice1"));
  EXPECT_EQ(Shown("ResultV") + w.Field("dataEntryPref").Text() + Shown("warning"), "kept");
  EXPECT_EQ(Table().ListCount(), 0);

  fillAll();
  const double Vm = Globals::Vm_global;
  Put("dataEntryV", "20");  // the first approach and the shared volume stay
  EXPECT_TRUE(On("Choice0"));
  EXPECT_EQ(Globals::Vm_global, Vm);
  EXPECT_EQ(Shown("ResultV"), "");
  EXPECT_FALSE(On("StandardChoice1"));
  Press("calculate");
  EXPECT_EQ(Shown("warning1"), kPutNumber1);

  fillAll();
  Put("dataEntryPref", "60");
  EXPECT_TRUE(On("StandardChoice1"));
  EXPECT_NE(Shown("ResultV"), "");
  EXPECT_EQ(Table().ListCount(), 0);

  Choose("Celsius");
  w.Label("warning1").SetText("kept");
  Press("Clear");
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global),
            std::tuple(0.0, 0.0, 0.0));
  EXPECT_TRUE(On("Celsius"));
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  EXPECT_EQ(Shown("warning1"), "kept");
  Press("Analysis1");
  ASSERT_NE(MathAnal::OpenInstanceOf(), nullptr);
}

// The temperature counts in kelvin; an empty field is none, also in ˚C.
TEST_F(ActivityWindowTest, MolarVolumeStepChecksPressureAndKelvin) {
  const struct {
    const char* unit;
    const char* T;
    const char* P;
    bool accepted;
  } cases[] = {{"Celsius", "-10", "100", true}, {"Kelvin", "-10", "100", false},
               {"Celsius", "", "100", false},   {"Celsius", "-273.15", "100", false},
               {"Kelvin", "673.15", "", false}, {"Kelvin", "673.15", "-1", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.unit) + " T='" + c.T + "' P='" + c.P + "'");
    Choose(c.unit);
    MolarVolume(c.P, c.T);
    EXPECT_EQ(Shown("warning"), c.accepted ? "" : kPutNumber);
    EXPECT_EQ(Shown("ResultV") != "", c.accepted);
  }
}

// A volume not found, a missing standard state or reference pressure, and a
// pure component without volume are said, never shown as 0 or stale values.
TEST_F(ActivityWindowTest, FailuresAreSaidNotListed) {
  MolarVolume("100", "673.15");
  Choose("Choice1");  // manual, no volume typed: the search from 0 fails
  Press("calculateVm");
  EXPECT_EQ(Shown("warning"), "Change first approach");
  EXPECT_EQ(Shown("ResultV"), "");

  MolarVolume("100", "673.15");
  Press("calculate");
  EXPECT_EQ(Shown("warning1"), "choose a standard state");
  EXPECT_EQ(Table().ListCount(), 0);
  for (const char* standard : {"StandardChoice1", "StandardChoice2"}) {
    for (const char* Pref : {"0", "-5", "x"}) {
      Activities(standard, Pref);
      EXPECT_EQ(Shown("warning1"), "put a number for reference pressure") << standard << Pref;
      EXPECT_EQ(Table().ListCount(), 0);
    }
  }

  Globals::fraction = kBrine;
  MolarVolume("200", "873.15");
  ASSERT_NE(Shown("ResultV"), "");
  Activities("StandardChoice1", "0.001");
  ASSERT_FALSE(Globals::Volume({0, 0, 0, 1, 0}, 873.15, 0.001, 25.0) > 0);
  EXPECT_EQ(Column(Table(), 0), (QStringList{"H2O", "NaCl"}));
  EXPECT_EQ(Table().Cell(1, 1) + Table().Cell(1, 2), "");
  EXPECT_EQ(Shown("warning1"), "no molar volume of pure NaCl");
  EXPECT_TRUE(FitsItsLabel(w.Label("warning1")));
}

}  // namespace
