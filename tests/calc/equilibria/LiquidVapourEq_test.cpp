// The "Liquid-Vapour Equilibrium" window driven as a user does: the unit
// radios, the scroll panel, the first approach, the phase lists, clear, the
// split calculation and the SLV window reading what it left.
#include "calc/equilibria/LiquidVapourEq.h"

#include <cmath>

#include "calc/equilibria/SLV.h"
#include "calc/equilibria/TPx_range.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

const char* const kResultLists[] = {
    "ListBoxVmX", "ListBoxDX", "ListBoxFracX", "ListBoxPhaseX1", "ListBoxPhaseX2",
    "ListBoxVmY", "ListBoxDY", "ListBoxFracY", "ListBoxPhaseY1", "ListBoxPhaseY2"};

class LiquidVapourWindow : public EquilibriumDriving<LiquidVapourEq> {
 protected:
  int RowsOfResults() {
    int rows = 0;
    for (const char* list : kResultLists) rows += ListOf(list).ListCount();
    return rows;
  }
};

TEST_F(LiquidVapourWindow, UnitRadiosRewordTheNoteAndTheUnitOnly) {
  EXPECT_TRUE(On("Kelvin"));
  EXPECT_EQ(Shown("StaticText6"), "* temperature must exceed 573.15 K in the system H2O-NaCl-KCl");
  Put("dataEntry1", "300");
  Choose("Celsius");
  EXPECT_EQ(Shown("StaticText6"),
            "* temperature must exceed 300.0 \u02DAC in the H2O-NaCl-KCl system");
  EXPECT_EQ(Shown("StaticText3"), "\u02DACelsius");
  Choose("Kelvin");
  EXPECT_EQ(Shown("StaticText6"), "* temperature must exceed 573.15 K in the H2O-NaCl-KCl system");
  EXPECT_EQ(Shown("StaticText3"), "Kelvin");
  EXPECT_EQ(w.Field("dataEntry1").Text(), "300");
  EXPECT_EQ(Globals::TK_global, 0) << "the radios leave the shared temperature";
}

TEST_F(LiquidVapourWindow, TheScrollBarRangeFollowsTheWindowHeight) {
  fw::ScrollBar& bar = w.Scroll("ScrollBar1");
  EXPECT_EQ(bar.Maximum(), 140);
  EXPECT_EQ(bar.Height(), 685);
  const struct { int height, maximum; } cases[] = {{840, 0}, {700, 140}, {64, 776}};
  for (const auto& c : cases) {
    ResizeTo(w, c.height);
    EXPECT_EQ(bar.Maximum(), c.maximum) << c.height;
    EXPECT_EQ(bar.Height(), c.height - 15) << c.height;
  }
  ResizeTo(w, 700);
  bar.SetValue(100);
  EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -100);
  EXPECT_EQ(w.Field("dataEntry").Top(), 20 - 100) << "the panel carries the controls";
}

TEST_F(LiquidVapourWindow, FirstApproachFillsTheStartValuesAndListsAndEmptiesTheResults) {
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
    w.Label("Answer").SetText("stale");
    Press("CalFirstApproach");
    EXPECT_DOUBLE_EQ(Globals::TK_global, c.T);
    const double mean =
        0.5 * (Globals::RaoultPressure(kBrine, c.T, 0) + Globals::RaoultPressure(kBrine, c.T, 1));
    EXPECT_EQ(w.Field("dataEntry2").Text(), Str(mean));
    EXPECT_EQ(w.Field("dataEntry3").Text(), "0.5");
    EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 0), QStringList({"H2O", "NaCl"}));
    EXPECT_EQ(Column(ListOf("ListBoxPhaseY"), 0), QStringList({"H2O", "NaCl"}));
    for (const char* list : {"ListBoxPhaseX", "ListBoxPhaseY"}) {
      double sum = 0;
      for (const QString& cell : Column(ListOf(list), 1)) sum += Val(cell);
      EXPECT_NEAR(sum, 1, 1e-6) << list;
    }
    EXPECT_EQ(ListOf("ListBoxPhaseX").Cell(1, 1), Str(Globals::xgas[3]));
    EXPECT_EQ(RowsOfResults(), 0);
    EXPECT_EQ(Shown("Answer"), "");
    EXPECT_EQ(w.Field("dataEntry").Text(), "40");
  }
}

TEST_F(LiquidVapourWindow, PhaseListEditsAreStoredAsTypedByComponentName) {
  Globals::fraction = {0.8, 0, 0.1, 0.05, 0.05};  // no CO2: row 1 is CH4
  Put("dataEntry1", "600");
  Press("CalFirstApproach");
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  EditRow(ListOf("ListBoxPhaseY"), 1, 0, "0.25");  // a click on the name opens the value
  EXPECT_EQ(ListOf("ListBoxPhaseY").Cell(1, 0), "CH4");
  Globals::Composition expected = y;
  expected[2] = 0.25;
  EXPECT_EQ(Globals::ygas, expected);
  EXPECT_EQ(Globals::xgas, x);
  EditRow(ListOf("ListBoxPhaseX"), 3, 1, "");
  expected = x;
  expected[4] = 0;
  EXPECT_EQ(Globals::xgas, expected) << "an emptied KCl cell stores 0";
}

TEST_F(LiquidVapourWindow, ClearEmptiesTheWindowButNotTheSharedState) {
  Put("dataEntry", "100");
  Put("dataEntry1", "600");
  Press("CalFirstApproach");
  Choose("Celsius");
  const auto shared = std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas);
  Press("Clear");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_TRUE(On("Celsius"));
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas), shared);
}

TEST_F(LiquidVapourWindow, ACalculationWithoutVolumeOrTemperatureIsRefused) {
  Put("dataEntry1", "600");
  Press("CalFirstApproach");
  ListOf("ListBoxVmX").AddRow("stale");
  Press("calculate");  // no bulk molar volume
  EXPECT_EQ(Shown("ResultText"),
            "warning: put a number for molar volume, temperature and pressure");
  EXPECT_EQ(RowsOfResults(), 0);
  EXPECT_EQ(Globals::PMPa_global, 0);
}

// Brine at 600 ˚C and a bulk volume between those of its liquid and vapour:
// the split ends at a pressure where both phases have the same fugacities
// and their volumes share the bulk volume; the SLV window then shows that
// state.
TEST_F(LiquidVapourWindow, SplitsBrineIntoPhasesOfEqualFugacityThatShareTheBulkVolume) {
  Globals::fraction = kBrine;
  Put("dataEntry", "40");
  Put("dataEntry1", "873.15");
  Press("CalFirstApproach");
  const Globals::Composition firstApproach = Globals::xgas;
  Press("calculate");
  ASSERT_TRUE(Shown("ResultText").startsWith("Solution after "))
      << Shown("ResultText").toStdString();
  EXPECT_TRUE(Shown("ResultText").endsWith(" iterations"));
  const double P = Val(Shown("Answer"));
  EXPECT_NEAR(P, Globals::PMPa_global, 1e-6 * P);
  EXPECT_EQ(Globals::Vm_global, 40);
  EXPECT_EQ(Globals::xgas, firstApproach) << "the split keeps its compositions to itself";
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0)),
               VmY = Val(ListOf("ListBoxVmY").Cell(0, 0));
  const double phi = Val(ListOf("ListBoxFracY").Cell(0, 0));
  EXPECT_NEAR(Val(ListOf("ListBoxFracX").Cell(0, 0)) + phi, 1, 1e-6);
  EXPECT_NEAR(1 / ((1 - phi) / VmX + phi / VmY), 40, 1e-3) << "the phases fill the bulk volume";
  for (int row : {0, 1})
    EXPECT_NEAR(Val(ListOf("ListBoxPhaseX2").Cell(row, 1)),
                Val(ListOf("ListBoxPhaseY2").Cell(row, 1)), 1e-5 * P)
        << ListOf("ListBoxPhaseX2").Cell(row, 0).toStdString();
  Globals::Composition x{};
  x[0] = Val(ListOf("ListBoxPhaseX1").Cell(0, 1));
  x[3] = Val(ListOf("ListBoxPhaseX1").Cell(1, 1));
  EXPECT_NEAR(Val(ListOf("ListBoxDX").Cell(0, 0)), Globals::Density(x, VmX), 1e-5);
  EXPECT_NEAR(Globals::Pressure(x, 873.15, VmX), P, 1e-4 * P)
      << "the phase volume solves the pressure";

  Press("SLVbutton");
  SLV* slv = SLV::OpenInstanceOf();
  ASSERT_NE(slv, nullptr);
  Activate(*slv);
  EXPECT_EQ(slv->Label("presISO").Text(), Str(P) + " MPa");
  EXPECT_EQ(slv->Label("volISO").Text(), "40 cm3/mol");
  EXPECT_EQ(slv->Label("tempISO").Text(), "873.15 K  ( 600 \u02DAC )");
  Press("Clear");
  Activate(*slv);
  EXPECT_EQ(slv->Label("presISO").Text(), Str(P) + " MPa") << "clear leaves the shared state";
}

}  // namespace

namespace {

// Closing the window while its calculation yields ends the run; nothing is
// written into the closed window and the shared pressure keeps its value.
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
  SetRuntimeYieldHook({});
  EXPECT_EQ(Globals::PMPa_global, 7);
  ProcessDeferredDeletes();
  EXPECT_EQ(LiquidVapourEq::OpenInstanceOf(), nullptr);
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

}  // namespace
