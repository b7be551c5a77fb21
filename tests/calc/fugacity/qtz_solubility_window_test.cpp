// The "Quartz Solubility" window driven through its controls.
#include <cmath>
#include <string>
#include <tuple>

#include "calc/fugacity/QtzSolubilityWindow.h"
#include "calc/pvt/MathAnal.h"
#include "tests/calc/fugacity/fugacity_driving.h"

using namespace driving;

namespace {


class QtzSolubilityWindowTest : public Driving<QtzSolubilityWindow> {
 protected:
  void Enter(const QString& P, const QString& T) {
    Put("dataEntryP", P);
    Put("dataEntryT", T);
  }
  void Solve(const QString& P, const QString& T) {
    Enter(P, T);
    Choose("Choice0");
    Press("calculate");
  }
  QStringList Results() const { return {Shown("Result"), Shown("Result1"), Shown("Result2")}; }
};

// The three results with the half-spread of the solute-volume variants; with
// KCl present that spread is unknown.
TEST_F(QtzSolubilityWindowTest, EffectiveWaterVolumeAndSilicaMolalityWithTheirSpread) {
  const Globals::Composition withoutKCl = {0.8, 0.1, 0, 0.1, 0};
  const Globals::Composition withKCl = {0.8, 0.1, 0, 0.05, 0.05};
  for (const auto& x : {withoutKCl, withKCl}) {
    SCOPED_TRACE(x[4]);
    Globals::fraction = x;
    Solve("200", "873.15");
    const double Vm = AutomaticVolume(x, 873.15, 200);
    ASSERT_GT(Vm, 0);
    const double VH[3] = {Globals::VH2O_Akinfiev(0, x, Vm), Globals::VH2O_Akinfiev(1, x, Vm),
                          Globals::VH2O_Akinfiev(2, x, Vm)};
    double m[3];
    for (int v = 0; v < 3; ++v) m[v] = Globals::mSiO2_Akinfiev(0.8, 873.15, VH[v]);
    const bool kcl = x[4] > 0;
    EXPECT_EQ(Results(),
              (QStringList{Str(Vm),
                           Str(VH[0]) + (kcl ? " \u00B1 ?" : " \u00B1 " + Str(std::abs((VH[1] - VH[2]) / 2))),
                           Str(m[0]) + (kcl ? " \u00B1 ?" : " \u00B1 " + Str(std::abs((m[1] - m[2]) / 2)))}));
    EXPECT_EQ(Shown("warning"), "");
    Press("calculate");  // nothing carried from one calculation to the next
    EXPECT_EQ(Shown("Result2").left(Str(m[0]).size()), Str(m[0]));
  }
  EXPECT_EQ(Globals::Vm_global, 0.0);  // this window keeps its volume to itself
}

TEST_F(QtzSolubilityWindowTest, FluidWithoutWaterHasAVolumeButNoEffectiveWaterVolume) {
  Globals::fraction = {0, 1, 0, 0, 0};
  Solve("200", "873.15");
  EXPECT_GT(Val(Shown("Result")), 0);
  EXPECT_EQ(Shown("Result1") + Shown("Result2"), "fault, no waterfault, no water");
}

// The temperature counts in kelvin, read with the unit radio on at the
// calculation; an empty field is none in either unit; 0 ˚C and -50 ˚C are
// temperatures.
TEST_F(QtzSolubilityWindowTest, CalculationReadsTheTemperatureInTheUnitOnNow) {
  Enter("100", "300");
  EXPECT_EQ(std::tuple(Globals::PMPa_global, Globals::TK_global), std::tuple(100.0, 300.0));
  Choose("Celsius");
  EXPECT_EQ(Shown("StaticText4"), "\u02DACelsius");
  EXPECT_EQ(Globals::TK_global, 300.0);
  Choose("Choice0");
  Press("calculate");
  EXPECT_EQ(Globals::TK_global, 573.15);
  EXPECT_EQ(Shown("warning"), "");

  // Without typing, the refusal leaves the results of the state before.
  for (const auto& [unit, T, P, accepted, typed] :
       {std::tuple{"Celsius", "-50", "100", true, true}, {"Kelvin", "-50", "100", false, false},
        {"Celsius", "-273.15", "100", false, true}, {"Celsius", "", "100", false, true},
        {"Celsius", "abc", "100", false, true}, {"Kelvin", "573.15", "0", false, true},
        {"Kelvin", "573.15", "", false, true}, {"Celsius", "0", "100", true, true}}) {
    SCOPED_TRACE(std::string(unit) + " T='" + T + "' P='" + P + "'");
    const QStringList before = Results();
    Choose(unit);
    if (typed) {
      Solve(P, T);
    } else {
      Press("calculate");
      EXPECT_EQ(Results(), before);
    }
    EXPECT_EQ(Shown("warning"), accepted ? "" : kPutNumber);
  }
}

// A start from which no volume is found is said, not shown as a volume of 0
// and a fluid without water. Edits empty the results; clear the inputs.
TEST_F(QtzSolubilityWindowTest, VolumeNotFoundIsSaidAndEditsEmptyTheResults) {
  const QStringList none = {"", "", ""};
  Enter("100", "673.15");
  Press("calculate");  // no first approach: the search starts from 0
  EXPECT_EQ(Shown("warning"), "Change first approach");
  EXPECT_EQ(Results(), none);
  Choose("Choice1");  // manual with nothing typed: the same
  Press("calculate");
  EXPECT_EQ(Shown("warning"), "Change first approach");
  Put("dataEntryV", "20");
  EXPECT_EQ(Shown("warning"), "");
  Press("calculate");
  EXPECT_EQ(Shown("Result"), Str(Globals::Volume(kWater, 673.15, 100, 20)));
  Choose("Choice0");  // a new choice empties the typed start
  EXPECT_EQ(w.Field("dataEntryV").Text(), "");
  EXPECT_EQ(Results(), none);

  Press("calculate");
  ASSERT_NE(Shown("Result"), "");
  Put("dataEntryP", "150");
  EXPECT_EQ(Globals::PMPa_global, 150.0);
  EXPECT_FALSE(On("Choice0") || On("Choice1"));
  EXPECT_EQ(Results(), none);

  Choose("Celsius");
  Solve("100", "400");
  Press("Clear");
  for (const char* field : {"dataEntryP", "dataEntryT", "dataEntryV"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(Results(), none);
  EXPECT_TRUE(On("Celsius"));
  Press("calculate");
  EXPECT_EQ(Shown("warning"), kPutNumber);
  Press("Analysis1");
  EXPECT_NE(MathAnal::OpenInstanceOf(), nullptr);
}

}  // namespace
