// The "Bubble-Dew point" window driven as a user does: the mode radios, the
// bulk-phase pictures, the first approach, clear and the calculation with its
// verdicts (its unit radios and scroll panel: LiquidVapourEq_test).
#include "calc/equilibria/BubbleDewPoint.h"

#include "calc/equilibria/TPx_range.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using BubbleDewWindow = EquilibriumDriving<BubbleDewPoint>;

// The first approach reads the mode, unit and bulk-phase radios: the start
// value, and the bulk fluid in the bulk phase's list with the other phase in
// proportion to the Wilson K-values. Switching the mode relabels the sought
// quantity and empties only the other mode's entry; clear empties entries and
// lists and turns the bulk phase off, never the shared state.
TEST_F(BubbleDewWindow, FirstApproachFollowsTheRadiosAndClearEmptiesTheWindow) {
  EXPECT_TRUE(On("RadioButtonTh") && On("Kelvin"));
  EXPECT_FALSE(On("Liquid") || On("Vapour") || On("RadioButtonPh"));
  EXPECT_FALSE(Shows("ImageWell1") || Shows("ImageWell2"));
  const Globals::Composition z = {0.8, 0.1, 0, 0.07, 0.03};
  Globals::fraction = z;
  Choose("Liquid");
  EXPECT_TRUE(Shows("ImageWell1") && !Shows("ImageWell2"));
  Choose("Vapour");
  EXPECT_TRUE(Shows("ImageWell2") && !Shows("ImageWell1"));
  Choose("Celsius");
  Put("dataEntryTh", "500");
  Press("FirstApproach");
  const double P = Globals::RaoultPressure(z, 773.15, 1);  // dew point
  EXPECT_EQ(std::pair(Globals::TK_global, Globals::PMPa_global), std::pair(773.15, P));
  EXPECT_EQ(w.Field("dataEntry2").Text(), Str(P / 2.0));
  const QStringList bulk = {"0.8", "0.1", "0.07", "0.03"};
  // The salts (K = 0.001) enter phase X with a thousandfold weight.
  Globals::Composition K = Globals::WilsonDistribution(773.15, P);
  EXPECT_EQ(Globals::K_liq_vap, K);
  EXPECT_EQ(Column(ListOf("ListBoxPhaseY"), 1), bulk);
  EXPECT_NEAR(Val(ListOf("ListBoxPhaseX").Cell(2, 1)) / Val(ListOf("ListBoxPhaseX").Cell(0, 1)),
              (0.07 / 0.001) / (0.8 / K[0]), 1e-5 * 70 * K[0] / 0.8);

  Choose("RadioButtonPh");
  Put("dataEntryPh", "75");
  Choose("Liquid");
  Press("FirstApproach");
  K = Globals::WilsonDistribution(298.15, 75);
  EXPECT_EQ(std::tuple(w.Field("dataEntry2").Text(), Globals::TK_global, Globals::PMPa_global),
            std::tuple("298.15", 298.15, 75.0));
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 0), QStringList({"H2O", "CO2", "NaCl", "KCl"}));
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 1), bulk);
  EXPECT_NEAR(Val(ListOf("ListBoxPhaseY").Cell(1, 1)) / Val(ListOf("ListBoxPhaseY").Cell(0, 1)),
              K[1] * 0.1 / (K[0] * 0.8), 1e-5 * K[1] * 0.1 / (K[0] * 0.8));

  for (const char* mode : {"RadioButtonTh", "RadioButtonPh"}) {
    const bool th = QString(mode).endsWith("Th");
    Put("dataEntryTh", "12");
    Put("dataEntryPh", "34");
    Choose(mode);
    EXPECT_EQ(w.Field("dataEntryTh").Text() + w.Field("dataEntryPh").Text(), th ? "12" : "34");
    for (const char* label : {"Homogen", "Homogen2"})
      EXPECT_EQ(Shown(label), th ? "Homogenization Pressure" : "Homogenization Temperature");
    for (const char* label : {"Dimension", "Dimension2"}) EXPECT_EQ(Shown(label), th ? "MPa" : "Kelvin");
    EXPECT_EQ(w.Field("dataEntry2").Text(), "298.15") << "the first approach stays";
    EXPECT_EQ(ListOf("ListBoxPhaseY").ListCount(), 4);
  }

  Press("Clear");
  EXPECT_FALSE(On("Liquid") || On("Vapour") || Shows("ImageWell1") || Shows("ImageWell2"));
  for (const char* field : {"dataEntryTh", "dataEntryPh", "dataEntry2"})
    EXPECT_EQ(w.Field(field).Text(), "");
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_TRUE(On("RadioButtonPh") && On("Celsius")) << "modes and units stay";
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::K_liq_vap),
            std::tuple(298.15, 75.0, K));

  Press("LVpoint");
  EXPECT_NE(TPx_range::OpenInstanceOf(), nullptr);
}

// A brine's bubble point at 600 ˚C. The bulk-phase radio switched to Vapour
// during the run leaves the bubble point found but marks the captions: the
// vapour, the lighter phase, is the solution. The result is not stored; a new
// first approach takes the marks and results away.
TEST_F(BubbleDewWindow, FindsTheBubblePressureOfABrine) {
  Globals::fraction = kBrine;
  Put("dataEntryTh", "873.15");
  Choose("Liquid");
  Press("FirstApproach");
  OnYield([this](int n) {
    if (n == 40) Choose("Vapour");
  });
  Press("calculate");
  SetRuntimeYieldHook({});
  ASSERT_TRUE(Shown("ResultText").startsWith("Solution after ")) << Shown("ResultText").toStdString();
  EXPECT_EQ(Shown("PhaseX1"), "Phase X");
  EXPECT_EQ(Shown("PhaseY1"), "Phase Y, solution");
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX1"), 1), QStringList({"0.9", "0.1"}));
  ExpectPhasesInEquilibrium(w, 873.15, Val(Shown("Answer")));
  EXPECT_EQ(Globals::PMPa_global, Globals::RaoultPressure(kBrine, 873.15, 0));

  Press("FirstApproach");
  EXPECT_EQ(Shown("PhaseY1") + Shown("Answer") + Shown("ResultText"), "Phase Y");
  EXPECT_EQ(ListOf("ListBoxPhaseX2").ListCount(), 0);
}

// "Solution" only for phases in equilibrium, never a "nan", no field read
// as 0 when it holds no number: each row from a new first approach, the
// refusals of the first approach shown at once. At a solution the bulk mode
// marks the caption of the phase with the smaller (Liquid) or larger
// (Vapour) molar volume.
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
    const char* captionX;
  } cases[] = {
      {"no first approach", kBrine, "RadioButtonTh", "Kelvin", nullptr, nullptr, nullptr, "10",
       kPutTemperature, "", "Phase X"},
      // A component the fluid lacks gave K = inf/inf and "-nan" before.
      {"pure water from 298.15 K: both phases one", kWater, "RadioButtonPh", "Kelvin", nullptr,
       "", "8.48114", nullptr, kTrivial, "295.65", "Phase X"},
      {"H2O-CO2 90/10 mass %", OfMassPercent({90, 10, 0, 0, 0}), "RadioButtonPh", "Kelvin",
       "Liquid", "", "10", nullptr, "Solution after 37 iterations", "317.5663",
       "Phase X, solution"},
      {"a typed 0 MPa is a pressure", kWaterCO2, "RadioButtonPh", "Kelvin", nullptr, "", "0",
       nullptr, kTrivial, "295.65", "Phase X"},
      {"H2O-CO2-NaCl-KCl dew point", {0.8, 0.1, 0, 0.05, 0.05}, "RadioButtonTh", "Kelvin",
       "Vapour", "573.15", "", nullptr,
       "Fugacities are not equal: adjust First Approach and try again", "0.4514601", "Phase X"},
      // Solved the equations, with a phase X of NaCl alone.
      {"brine dew point at 473.15 K", kBrine, "RadioButtonTh", "Kelvin", "Vapour", "473.15", "",
       nullptr, kNoSolution, "45.92245", "Phase X"},
      {"no temperature in ˚C", kBrine, "RadioButtonTh", "Celsius", nullptr, "", "", nullptr,
       kPutTemperature, "", "Phase X"},
      {"no pressure", kBrine, "RadioButtonPh", "Kelvin", nullptr, "", "ten", nullptr,
       kPutPressure, "", "Phase X"},
      {"no start pressure", kBrine, "RadioButtonTh", "Celsius", nullptr, "300", "", "",
       kPutPressure, "", "Phase X"},
      {"no start temperature", kBrine, "RadioButtonPh", "Kelvin", nullptr, "", "10", "K",
       kPutTemperature, "", "Phase X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = c.z;
    Press("Clear");
    for (const char* radio : {c.mode, c.unit, c.bulk})
      if (radio) Choose(radio);
    if (c.Th) {
      Put("dataEntryTh", c.Th);
      Put("dataEntryPh", c.Ph);
      Press("FirstApproach");
    }
    if (Shown("ResultText").isEmpty()) {
      if (c.start) Put("dataEntry2", c.start);
      Press("calculate");
    }
    EXPECT_EQ(Shown("ResultText"), c.message);
    EXPECT_EQ(Shown("Answer"), c.answer);
    EXPECT_EQ(Shown("PhaseX1"), c.captionX);
    EXPECT_EQ(Shown("PhaseY1"), "Phase Y");
    EXPECT_TRUE(ShowsOnlyNumbers(w));
    if (c.message.startsWith("Solution"))
      ExpectPhasesInEquilibrium(w, Val(c.answer), Globals::PMPa_global);
  }
}

}  // namespace
