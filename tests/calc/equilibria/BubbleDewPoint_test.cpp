// The "Bubble-Dew point" window driven as a user does: the mode radios, the
// bulk-phase pictures, clear, the first approach, the bubble-point
// calculation and its verdicts (its unit radios and scroll panel:
// LiquidVapourEq_test).
#include "calc/equilibria/BubbleDewPoint.h"

#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using BubbleDewWindow = EquilibriumDriving<BubbleDewPoint>;

// At opening mode Th and Kelvin are on, no bulk phase; switching the mode
// relabels the sought quantity and empties only the other mode's entry.
TEST_F(BubbleDewWindow, OpensInModeThAndSwitchingModesEmptiesOnlyTheOtherEntry) {
  EXPECT_TRUE(On("RadioButtonTh") && On("Kelvin"));
  EXPECT_FALSE(On("Liquid") || On("Vapour") || On("RadioButtonPh"));
  EXPECT_FALSE(Shows("ImageWell1") || Shows("ImageWell2"));
  Put("dataEntryTh", "600");
  Press("FirstApproach");
  const QString start = w.Field("dataEntry2").Text();
  const struct {
    const char* mode;
    const char* emptied;
    const char* kept;
    const char* sought;
    const char* unit;
  } cases[] = {
      {"RadioButtonPh", "dataEntryTh", "dataEntryPh", "Homogenization Temperature", "Kelvin"},
      {"RadioButtonTh", "dataEntryPh", "dataEntryTh", "Homogenization Pressure", "MPa"}};
  for (const auto& c : cases) {
    Put(c.kept, "12");
    Put(c.emptied, "34");
    Choose(c.mode);
    EXPECT_EQ(w.Field(c.emptied).Text(), "") << c.mode;
    EXPECT_EQ(w.Field(c.kept).Text(), "12") << c.mode;
    for (const char* label : {"Homogen", "Homogen2"}) EXPECT_EQ(Shown(label), c.sought) << label;
    for (const char* label : {"Dimension", "Dimension2"}) EXPECT_EQ(Shown(label), c.unit) << label;
    EXPECT_EQ(w.Field("dataEntry2").Text(), start) << "the first approach stays";
    EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount(), 1);
  }
}

TEST_F(BubbleDewWindow, ThePictureOfTheBulkPhaseShowsAndClearHidesBoth) {
  Choose("Liquid");
  EXPECT_TRUE(Shows("ImageWell1"));
  Choose("Vapour");
  EXPECT_FALSE(Shows("ImageWell1"));
  EXPECT_TRUE(Shows("ImageWell2"));
  Choose("RadioButtonPh");
  Choose("Celsius");
  Put("dataEntryPh", "50");
  Press("FirstApproach");
  Press("Clear");
  EXPECT_FALSE(On("Liquid") || On("Vapour"));
  EXPECT_FALSE(Shows("ImageWell1") || Shows("ImageWell2"));
  for (const char* field : {"dataEntryTh", "dataEntryPh", "dataEntry2"})
    EXPECT_EQ(w.Field(field).Text(), "");
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_TRUE(On("RadioButtonPh") && On("Celsius")) << "modes and units stay";
  EXPECT_EQ(Shown("Homogen"), "Homogenization Temperature");
  EXPECT_EQ(Globals::PMPa_global, 50) << "clear leaves the shared state";
}

// The first approach reads the mode, unit and bulk-phase radios: the start
// value shown, the bulk fluid in the bulk phase's list.
TEST_F(BubbleDewWindow, FirstApproachSetsTheStartValueAndSplitsByBulkPhase) {
  Globals::fraction = {0.8, 0.1, 0, 0.07, 0.03};
  const QStringList bulk = {Str(0.8), Str(0.1), Str(0.07), Str(0.03)};
  Choose("Celsius");
  Put("dataEntryTh", "500");
  Choose("Vapour");
  Press("FirstApproach");
  EXPECT_EQ(Globals::TK_global, 773.15);
  EXPECT_EQ(w.Field("dataEntry2").Text(), Str(Globals::RaoultPressure(Globals::fraction, 773.15, 1) / 2.0));
  EXPECT_EQ(Column(ListOf("ListBoxPhaseY"), 1), bulk) << "in Vapour mode phase Y is the bulk fluid";
  EXPECT_EQ(ListOf("ListBoxPhaseX").Cell(2, 1), Str(Globals::xgas[3]));

  Choose("RadioButtonPh");
  Put("dataEntryPh", "75");
  Choose("Liquid");
  Press("FirstApproach");
  EXPECT_EQ(w.Field("dataEntry2").Text(), "298.15");
  EXPECT_EQ(Globals::PMPa_global, 75);
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 1), bulk) << "in Liquid mode phase X is the bulk fluid";
}

// Without a first approach there is no temperature: the run is refused. A
// brine's bubble point at 600 ˚C: its fugacities equal those of the vapour.
// The bulk-phase radio switched to Vapour during the run leaves the bubble
// point found but marks the captions: the vapour, the lighter phase, is the
// solution.
TEST_F(BubbleDewWindow, FindsTheBubblePressureOfABrineWithEqualFugacities) {
  Globals::fraction = kBrine;
  Press("calculate");
  EXPECT_EQ(Shown("ResultText"), "warning: put a number for temperature");
  EXPECT_EQ(ListOf("ListBoxVmX").ListCount(), 0);

  Put("dataEntryTh", "873.15");
  Choose("Liquid");
  Press("FirstApproach");
  OnYield([this](int n) {
    if (n == 40) Choose("Vapour");
  });
  Press("calculate");
  SetRuntimeYieldHook({});
  ASSERT_TRUE(Shown("ResultText").startsWith("Solution after "))
      << Shown("ResultText").toStdString();
  const double P = Val(Shown("Answer"));
  EXPECT_GT(P, 0);
  EXPECT_EQ(Shown("PhaseX1"), "Phase X");
  EXPECT_EQ(Shown("PhaseY1"), "Phase Y, solution");
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX1"), 1), QStringList({Str(0.9), Str(0.1)}));
  ExpectEqualFugacities(w);
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0));
  EXPECT_NEAR(Globals::Pressure(kBrine, 873.15, VmX), P, 1e-4 * P);
  EXPECT_EQ(Globals::PMPa_global, Globals::RaoultPressure(kBrine, 873.15, 0))
      << "the result is not stored";

  Press("FirstApproach");
  EXPECT_EQ(Shown("PhaseX1"), "Phase X");
  EXPECT_EQ(Shown("Answer"), "");
  EXPECT_EQ(ListOf("ListBoxPhaseX2").ListCount(), 0);
}

// "Solution" only for phases in equilibrium, never a "nan", no field read
// as 0 when it holds no number: each row from a new first approach, the
// refusals of the first approach shown at once.
TEST_F(BubbleDewWindow, SolutionOnlyForPhasesInEquilibriumAndFieldsWithoutANumberRefused) {
  const QString kNoSolution = "No solution, adjust First Approach and try again";
  const QString kTrivial =
      "Possible trivial solution, optional: adjust First Approach and try again";
  const QString kPutTemperature = "warning: put a number for temperature";
  const QString kPutPressure = "warning: put a number for pressure";
  const struct {
    const char* what;
    Globals::Composition z;
    const char *mode, *unit, *bulk, *Th, *Ph;
    const char* start;  // typed over the first approach's start value
    QString message, answer;
  } cases[] = {
      // A component the fluid lacks gave K = inf/inf and "-nan" before.
      {"pure water from 298.15 K: both phases one", kWater, "RadioButtonPh", "Kelvin", nullptr,
       "", "8.48114", nullptr, kTrivial, "295.65"},
      {"H2O-CO2 90/10 mass %", OfMassPercent({90, 10, 0, 0, 0}), "RadioButtonPh", "Kelvin",
       "Liquid", "", "10", nullptr, "Solution after 37 iterations", "317.5663"},
      {"a typed 0 MPa is a pressure", kWaterCO2, "RadioButtonPh", "Kelvin", nullptr, "", "0",
       nullptr, kTrivial, "295.65"},
      // Solved the equations, with a phase X of NaCl alone.
      {"brine dew point at 473.15 K", kBrine, "RadioButtonTh", "Kelvin", "Vapour", "473.15", "",
       nullptr, kNoSolution, "45.92245"},
      {"no temperature in ˚C", kBrine, "RadioButtonTh", "Celsius", nullptr, "", "", nullptr,
       kPutTemperature, ""},
      {"no pressure", kBrine, "RadioButtonPh", "Kelvin", nullptr, "", "ten", nullptr,
       kPutPressure, ""},
      {"no start pressure", kBrine, "RadioButtonTh", "Celsius", nullptr, "300", "", "",
       kPutPressure, ""},
      {"no start temperature", kBrine, "RadioButtonPh", "Kelvin", nullptr, "", "10", "K",
       kPutTemperature, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = c.z;
    Press("Clear");
    for (const char* radio : {c.mode, c.unit, c.bulk})
      if (radio) Choose(radio);
    Put("dataEntryTh", c.Th);
    Put("dataEntryPh", c.Ph);
    Press("FirstApproach");
    if (Shown("ResultText").isEmpty()) {
      if (c.start) Put("dataEntry2", c.start);
      Press("calculate");
    }
    EXPECT_EQ(Shown("ResultText"), c.message);
    EXPECT_EQ(Shown("Answer"), c.answer);
    EXPECT_TRUE(ShowsOnlyNumbers(w, false));
    if (c.message.startsWith("Solution")) ExpectEqualFugacities(w);
  }
}

}  // namespace
