// The "Bubble-Dew point" window driven as a user does: the mode radios, the
// bulk-phase pictures, clear, the first approach and the bubble-point
// calculation (its unit radios and scroll panel: LiquidVapourEq_test).
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
  for (int row : {0, 1})
    EXPECT_NEAR(Val(ListOf("ListBoxPhaseX2").Cell(row, 1)),
                Val(ListOf("ListBoxPhaseY2").Cell(row, 1)), 1e-5 * P)
        << ListOf("ListBoxPhaseX2").Cell(row, 0).toStdString();
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0));
  EXPECT_NEAR(Globals::Pressure(kBrine, 873.15, VmX), P, 1e-4 * P);
  EXPECT_EQ(Globals::PMPa_global, Globals::RaoultPressure(kBrine, 873.15, 0))
      << "the result is not stored";

  Press("FirstApproach");
  EXPECT_EQ(Shown("PhaseX1"), "Phase X");
  EXPECT_EQ(Shown("Answer"), "");
  EXPECT_EQ(ListOf("ListBoxPhaseX2").ListCount(), 0);
}

}  // namespace
