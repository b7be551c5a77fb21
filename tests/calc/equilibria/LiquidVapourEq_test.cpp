// The "Liquid-Vapour Equilibrium" window driven as a user does: the first
// approach, the phase lists, clear, the split calculation and the SLV window
// reading what it left; with the "Bubble-Dew point" window, its unit radios
// and scroll panel.
#include "calc/equilibria/LiquidVapourEq.h"

#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/equilibria/SLV.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using LiquidVapourWindow = EquilibriumDriving<LiquidVapourEq>;

template <class W>
fw::Window& Open() {
  return W::Instance();
}

// Both windows: the unit radios reword the note only, and the scroll range is
// what the window's height leaves of the panel's content.
using EquilibriumWindows = WindowTest;

TEST_F(EquilibriumWindows, UnitRadiosRewordTheNoteAndTheScrollBarFollowsTheHeight) {
  const struct {
    fw::Window& (*open)();
    const char* note;
    int content, minimum, calculateTop;
  } windows[] = {{Open<LiquidVapourEq>, "StaticText6", 840, 64, 405},
                 {Open<BubbleDewPoint>, "StaticText1", 925, 400, 520}};
  for (const auto& c : windows) {
    fw::Window& w = c.open();
    SCOPED_TRACE(w.Title().toStdString());
    EXPECT_EQ(w.Label(c.note).Text(),
              "* temperature must exceed 573.15 K in the system H2O-NaCl-KCl");
    Click(w.Radio("Celsius"));
    EXPECT_EQ(w.Label(c.note).Text(),
              "* temperature must exceed 300.0 \u02DAC in the H2O-NaCl-KCl system");
    EXPECT_EQ(w.Label("StaticText3").Text(), "\u02DACelsius");
    Click(w.Radio("Kelvin"));
    EXPECT_EQ(w.Label(c.note).Text(),
              "* temperature must exceed 573.15 K in the H2O-NaCl-KCl system");
    EXPECT_EQ(w.Label("StaticText3").Text(), "Kelvin");
    EXPECT_EQ(Globals::TK_global, 0) << "the radios leave the shared temperature";

    fw::ScrollBar& bar = w.Scroll("ScrollBar1");
    EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(c.content - 700, 685));
    for (int height : {c.content, c.minimum, 700}) {
      ResizeTo(w, height);
      EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(c.content - height, height - 15));
    }
    bar.SetValue(100);
    EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -100);
    EXPECT_EQ(w.Button("calculate").Top(), c.calculateTop - 100)
        << "the panel carries the controls";
  }
}

TEST_F(LiquidVapourWindow, FirstApproachFillsTheStartValuesAndListsAndClearEmptiesThem) {
  Globals::fraction = kBrine;
  const struct {
    const char* unit;
    const char* typed;
    double T;
  } cases[] = {{"Kelvin", "600", 600}, {"Celsius", "300", 573.15}};
  for (const auto& c : cases) {
    Choose(c.unit);
    Put("dataEntry", "40");
    Put("dataEntry1", c.typed);
    Put("dataEntry3", "0.9");
    ListOf("ListBoxVmX").AddRow("stale");
    Press("CalFirstApproach");
    EXPECT_DOUBLE_EQ(Globals::TK_global, c.T);
    const double Pb = Globals::RaoultPressure(kBrine, c.T, 0);
    EXPECT_EQ(w.Field("dataEntry2").Text(),
              Str(0.5 * (Pb + Globals::RaoultPressure(kBrine, c.T, 1))));
    EXPECT_EQ(w.Field("dataEntry3").Text(), "0.5");
    for (const char* list : {"ListBoxPhaseX", "ListBoxPhaseY"}) {
      EXPECT_EQ(Column(ListOf(list), 0), QStringList({"H2O", "NaCl"}));
      EXPECT_NEAR(Val(ListOf(list).Cell(0, 1)) + Val(ListOf(list).Cell(1, 1)), 1, 1e-6);
    }
    EXPECT_EQ(ListOf("ListBoxPhaseX").Cell(1, 1), Str(Globals::xgas[3]));
    EXPECT_EQ(ListOf("ListBoxVmX").ListCount(), 0);
    EXPECT_EQ(w.Field("dataEntry").Text(), "40");
  }
  const auto shared = std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas);
  Press("Clear");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_TRUE(On("Celsius"));
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas), shared);
}

TEST_F(LiquidVapourWindow, PhaseListEditsAreStoredAsTypedByComponentName) {
  Globals::fraction = {0.8, 0, 0.1, 0.05, 0.05};  // no CO2: row 1 is CH4
  Put("dataEntry1", "600");
  Press("CalFirstApproach");
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  EditRow(ListOf("ListBoxPhaseY"), 1, 0, "0.25");  // a click on the name opens the value
  Globals::Composition expected = y;
  expected[2] = 0.25;
  EXPECT_EQ(Globals::ygas, expected);
  EXPECT_EQ(Globals::xgas, x);
  EditRow(ListOf("ListBoxPhaseX"), 3, 1, "");
  expected = x;
  expected[4] = 0;
  EXPECT_EQ(Globals::xgas, expected) << "an emptied KCl cell stores 0";
}

// Brine at 600 ˚C and a bulk volume between those of its liquid and vapour:
// the split ends where both phases have the same fugacities and their
// volumes share the bulk volume; the SLV window then shows that state, also
// after clear. A calculation without a temperature is refused.
TEST_F(LiquidVapourWindow, SplitsBrineIntoPhasesOfEqualFugacityThatShareTheBulkVolume) {
  Globals::fraction = kBrine;
  Put("dataEntry1", "873.15");
  Press("CalFirstApproach");
  Put("dataEntry1", "");
  Press("calculate");
  EXPECT_EQ(Shown("ResultText"), "warning: put a number for temperature");
  EXPECT_EQ(Globals::PMPa_global, 0);

  Put("dataEntry1", "873.15");
  Put("dataEntry", "40");
  const Globals::Composition firstApproach = Globals::xgas;
  Press("calculate");
  ASSERT_TRUE(Shown("ResultText").startsWith("Solution after "))
      << Shown("ResultText").toStdString();
  const double P = Val(Shown("Answer"));
  EXPECT_NEAR(P, Globals::PMPa_global, 1e-6 * P);
  EXPECT_EQ(Globals::xgas, firstApproach) << "the split keeps its compositions to itself";
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0)),
               VmY = Val(ListOf("ListBoxVmY").Cell(0, 0));
  const double phi = Val(ListOf("ListBoxFracY").Cell(0, 0));
  EXPECT_NEAR(Val(ListOf("ListBoxFracX").Cell(0, 0)) + phi, 1, 1e-6);
  EXPECT_NEAR(1 / ((1 - phi) / VmX + phi / VmY), 40, 1e-3) << "the phases fill the bulk volume";
  for (int row : {0, 1})
    EXPECT_NEAR(Val(ListOf("ListBoxPhaseX2").Cell(row, 1)),
                Val(ListOf("ListBoxPhaseY2").Cell(row, 1)), 1e-5 * P);
  const Globals::Composition x = {Val(ListOf("ListBoxPhaseX1").Cell(0, 1)), 0, 0,
                                  Val(ListOf("ListBoxPhaseX1").Cell(1, 1)), 0};
  EXPECT_NEAR(Val(ListOf("ListBoxDX").Cell(0, 0)), Globals::Density(x, VmX), 1e-5);
  EXPECT_NEAR(Globals::Pressure(x, 873.15, VmX), P, 1e-4 * P)
      << "the phase volume solves the pressure";

  Press("SLVbutton");
  Press("Clear");
  SLV* slv = SLV::OpenInstanceOf();
  ASSERT_NE(slv, nullptr);
  Activate(*slv);
  EXPECT_EQ(slv->Label("presISO").Text(), Str(P) + " MPa");
  EXPECT_EQ(slv->Label("volISO").Text(), "40 cm3/mol");
  EXPECT_EQ(slv->Label("tempISO").Text(), "873.15 K  ( 600 \u02DAC )");
}

// Closing the window while its calculation yields ends the run; nothing is
// written into the closed window, but the shared pressure takes that of the
// last pass.
TEST_F(LiquidVapourWindow, ClosingTheWindowDuringARunStopsIt) {
  Globals::fraction = kBrine;
  Put("dataEntry", "40");
  Put("dataEntry1", "873.15");
  Press("CalFirstApproach");
  Globals::PMPa_global = 7;
  OnYield([this](int n) {
    if (n == 40) w.Close();
  });
  Press("calculate");
  EXPECT_NE(Globals::PMPa_global, 7);
  EXPECT_GT(Globals::PMPa_global, 0);
  ProcessDeferredDeletes();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

}  // namespace
