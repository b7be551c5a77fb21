// The "Liquid-Vapour Equilibrium" window driven as a user does: the first
// approach, the phase lists, clear, the split calculation and the SLV window
// reading what it left; with the "Bubble-Dew point" window, its unit radios
// and scroll panel.
#include "calc/equilibria/LiquidVapourEq.h"

#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/equilibria/SLV.h"
#include "calc/equilibria/phase_lists.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using LiquidVapourWindow = EquilibriumDriving<LiquidVapourEq>;

// Both windows: the unit radios reword the note only, and the scroll range is
// what the window's height leaves of the panel's content.
using EquilibriumWindows = WindowTest;

TEST_F(EquilibriumWindows, UnitRadiosRewordTheNoteAndTheScrollBarFollowsTheHeight) {
  const std::tuple<fw::Window&, const char*, int, int> windows[] = {
      {LiquidVapourEq::Instance(), "StaticText6", 840, 64},
      {BubbleDewPoint::Instance(), "StaticText1", 925, 400}};
  for (const auto& [w, note, content, minimum] : windows) {
    SCOPED_TRACE(note);
    EXPECT_EQ(w.Label(note).Text(),
              "* temperature must exceed 573.15 K in the system H2O-NaCl-KCl");
    Click(w.Radio("Celsius"));
    EXPECT_EQ(w.Label(note).Text() + "|" + w.Label("StaticText3").Text(),
              "* temperature must exceed 300.0 \u02DAC in the H2O-NaCl-KCl system|\u02DACelsius");
    Click(w.Radio("Kelvin"));
    EXPECT_EQ(w.Label(note).Text() + "|" + w.Label("StaticText3").Text(),
              "* temperature must exceed 573.15 K in the H2O-NaCl-KCl system|Kelvin");

    fw::ScrollBar& bar = w.Scroll("ScrollBar1");
    EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(content - 700, 685));
    for (int height : {content, minimum}) {
      w.Frame()->resize(w.Frame()->width(), w.Frame()->height() - w.Height() + height);
      QCoreApplication::processEvents();
      EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(content - height, height - 15));
    }
    bar.SetValue(100);
    EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -100);
  }
}

// The lists hold a row per present component; a click anywhere in a row opens
// its value, and the edit is stored at once, as typed, into the composition of
// the row's component, with no range check and no normalising.
TEST_F(LiquidVapourWindow, PhaseListEditsAreStoredAsTypedByComponentName) {
  Globals::fraction = {0.7, 0, 0.2, 0.05, 0.05};  // without CO2 the second row is CH4
  Globals::xgas = {0.7, 0.5, 0.2, 0.05, 0.05};
  Globals::ygas = {0.125, 0, 0.75, 0, 0.125};
  fw::Listbox& X = ListOf("ListBoxPhaseX");
  fw::Listbox& Y = ListOf("ListBoxPhaseY");
  equilibria::FillPhaseLists(X, Y);
  EXPECT_EQ(Column(Y, 0) + Column(Y, 1),
            QStringList({"H2O", "CH4", "NaCl", "KCl", "0.125", "0.75", "0", "0.125"}));
  EditRow(Y, 1, 0, "");    // CH4, clicked on its name
  EditRow(X, 2, 1, "-1");  // NaCl
  EXPECT_EQ(X.CellType(2, 0), 0) << "the name column is never editable";
  EXPECT_EQ(Globals::xgas, (Globals::Composition{0.7, 0.5, 0.2, -1, 0.05}));
  EXPECT_EQ(Globals::ygas, (Globals::Composition{0.125, 0, 0, 0, 0.125}));
}

// Brine at 600 ˚C and a bulk volume between those of its liquid and vapour.
// The first approach starts from the mean of the bubble and dew Raoult
// pressures and an even split, and empties the results. The split ends where
// both phases are in equilibrium and their volumes share the bulk volume; a
// second run, from the K-values of the first, finds it again. Clear empties
// the window, not the state that the SLV window shows.
TEST_F(LiquidVapourWindow, SplitsBrineIntoPhasesInEquilibriumThatShareTheBulkVolume) {
  Globals::fraction = kBrine;
  Choose("Celsius");
  Put("dataEntry1", "600");
  Put("dataEntry", "40");
  Put("dataEntry3", "0.9");
  ListOf("ListBoxVmX").AddRow("stale");
  w.Label("Answer").SetText("stale");
  Press("CalFirstApproach");
  const double T = 873.15;
  const double bubbleAndDew =
      Globals::RaoultPressure(kBrine, T, 0) + Globals::RaoultPressure(kBrine, T, 1);
  EXPECT_EQ(w.Field("dataEntry2").Text() + "|" + w.Field("dataEntry3").Text() + "|" +
                Column(ListOf("ListBoxVmX"), 0).join("") + Shown("Answer"),
            Str(0.5 * bubbleAndDew) + "|0.5|");
  EXPECT_GT(Val(ListOf("ListBoxPhaseX").Cell(1, 1)), 0.1) << "the salt gathers in phase X";
  const Globals::Composition firstApproach = Globals::xgas;
  for (int run = 0; run < 2; ++run) {
    Press("calculate");
    ASSERT_TRUE(Shown("ResultText").startsWith("Solution after ")) << run;
    for (const char* list : {"ListBoxFracX", "ListBoxVmX", "ListBoxDY"})
      EXPECT_EQ(ListOf(list).ListCount(), 1) << list;
  }
  const double P = Val(Shown("Answer"));
  EXPECT_EQ(Str(Globals::PMPa_global), Shown("Answer"));
  EXPECT_EQ(Globals::xgas, firstApproach) << "the split keeps its compositions to itself";
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0));
  const double VmY = Val(ListOf("ListBoxVmY").Cell(0, 0));
  const double phi = Val(ListOf("ListBoxFracY").Cell(0, 0));
  EXPECT_NEAR(Val(ListOf("ListBoxFracX").Cell(0, 0)) + phi, 1, 1e-6);
  EXPECT_NEAR(1 / ((1 - phi) / VmX + phi / VmY), 40, 1e-3) << "the phases fill the bulk volume";
  ExpectPhasesInEquilibrium(w, T, P);

  Press("CalFirstApproach");
  EXPECT_EQ(Shown("ResultText"), "") << "a new first approach, no result";
  Press("SLVbutton");
  Press("Clear");
  EXPECT_EQ(Shown("Answer") + Shown("ResultText") + w.Field("dataEntry").Text() +
                w.Field("dataEntry3").Text() + Column(ListOf("ListBoxPhaseX"), 0).join("") +
                Column(ListOf("ListBoxFracY"), 0).join(""),
            "");
  SLV* slv = SLV::OpenInstanceOf();
  ASSERT_NE(slv, nullptr);
  Activate(*slv);
  EXPECT_EQ(QStringList({slv->Label("presISO").Text(), slv->Label("volISO").Text(),
                         slv->Label("tempISO").Text()}),
            QStringList({Str(P) + " MPa", "40 cm3/mol", "873.15 K  ( 600 \u02DAC )"}));
}

// "Solution" only for phases in equilibrium, never a "nan", no field read as
// 0 when it holds no number; each row from a new first approach, whose
// K-values a first approach of "Bubble-Dew point" does not replace. The
// pressure step alone had ended the first four runs as solutions.
TEST_F(LiquidVapourWindow, SolutionOnlyForPhasesInEquilibriumAndFieldsWithoutANumberRefused) {
  const QString kNoSolution = "No solution, adjust First Approach and try again";
  const QString kOutOfRange = "The fractions must have a number between 0 and 1";
  const Globals::Composition salts = OfMassPercent({80, 0, 0, 10, 10});
  const struct {
    const char* what;
    Globals::Composition z;
    const char *T, *Vm, *pressure, *fraction;  // the last two typed over the first approach's
    QString message, answer;
    bool otherApproachBetween = false;
  } cases[] = {
      {"H2O fugacity 3.352 vs 0.790 MPa", {0.98, 0, 0, 0.02, 0}, "523.15", "25", nullptr, nullptr,
       kNoSolution, "2.920036"},
      {"five components", kFiveComponents, "673.15", "50", nullptr, nullptr, kNoSolution,
       "42.93456"},
      {"brine at 773.15 K", kBrine, "773.15", "120", nullptr, nullptr, kNoSolution, "35.11616"},
      {"NaCl-KCl, H2O fugacities 0.14 % apart", salts, "473", "35", nullptr, nullptr, kNoSolution,
       "1.099066"},
      {"NaCl-KCl", salts, "523", "120", nullptr, nullptr, "Solution after 49 iterations",
       "5.504404"},
      {"H2O-CO2", kWaterCO2, "473.15", "100", nullptr, nullptr, "Solution after 38 iterations",
       "6.105058"},
      {"the same, another first approach between", kWaterCO2, "473.15", "100", nullptr, nullptr,
       "Solution after 38 iterations", "6.105058", true},
      {"H2O-CO2 converging on one phase", kWaterCO2, "573.15", "100", nullptr, nullptr,
       kOutOfRange, "47.16425"},
      // At 0 MPa every coefficient is 1: both phases are the feed in the first, last pass.
      {"0 MPa", kWaterCO2, "473.15", "100", "0", nullptr,
       "Possible trivial solution, optional: adjust First Approach and try again", "0"},
      {"0 MPa, start fraction 0", kWaterCO2, "473.15", "100", "0", "0", kOutOfRange, "0"},
      // The coefficient of NaCl overflows in the first pass: "-nan" before.
      {"brine 90/10 mass % at 344 K", OfMassPercent({90, 0, 0, 10, 0}), "344", "6", nullptr,
       nullptr, kNoSolution, ""},
      // With no volume to share the fraction stays as typed: 1 is in range.
      {"a vapour fraction of 1", kWaterCO2, "473.15", "0", nullptr, "1", kNoSolution, "1.781169"},
      // A coefficient of the last pass overflows, the residual stays finite.
      {"brine at 344 K", kBrine, "344", "100", nullptr, nullptr, kNoSolution, ""},
      {"no temperature", kBrine, "", "25", nullptr, nullptr,
       "warning: put a number for temperature", ""},
      {"no volume", kBrine, "523.15", "x", nullptr, nullptr,
       "warning: put a number for molar volume", ""},
      {"no start pressure", kBrine, "523.15", "25", "p", nullptr,
       "warning: put a number for pressure", ""},
      {"no start fraction", kBrine, "523.15", "25", nullptr, "",
       "warning: put a number for volume fraction", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = c.z;
    Press("Clear");
    Put("dataEntry1", c.T);
    Press("CalFirstApproach");
    if (w.Field("dataEntry2").Text().isEmpty()) { EXPECT_EQ(Shown("ResultText"), c.message); }
    Put("dataEntry", c.Vm);
    if (c.pressure) Put("dataEntry2", c.pressure);
    if (c.fraction) Put("dataEntry3", c.fraction);
    if (c.otherApproachBetween) {
      BubbleDewPoint& other = BubbleDewPoint::Instance();
      Type(other.Field("dataEntryTh"), "300");
      Click(other.Button("FirstApproach"));
    }
    Press("calculate");
    EXPECT_EQ(Shown("ResultText"), c.message);
    EXPECT_EQ(Shown("Answer"), c.answer);
    EXPECT_TRUE(ShowsOnlyNumbers(w));
    if (c.message.startsWith("Solution")) ExpectPhasesInEquilibrium(w, Val(c.T), Val(c.answer));
  }
}

#define NO_RESULTS NO_PHASE_RESULTS, "ListBoxFracX#?0", "ListBoxFracY#?0"

// Sessions on the window as a user plays them.
TEST_F(WindowTest, LiquidVapourEq) {
  PhaseStateKept kept;
  Play({
      // A second run starts from the K-values of the first one's last pass,
      // a new first approach from Wilson's again.
      {"a new first approach, or a refusal, empties every result",
       {"@x=0.9,0.1,0,0,0", ">LiquidVapourEq", "dataEntry1=473.15", "dataEntry=100",
        "CalFirstApproach", "calculate", "ResultText?Solution after 38 iterations", "calculate",
        "ResultText?Solution after 37 iterations", "CalFirstApproach", NO_RESULTS, "calculate",
        "ResultText?Solution after 38 iterations", "dataEntry1=", "CalFirstApproach",
        "ResultText?warning: put a number for temperature", NO_RESULTS, "dataEntry1=473.15",
        "CalFirstApproach", "calculate", "dataEntry1=-5", "calculate",
        "ResultText?warning: put a number for temperature", NO_RESULTS}},
  });
}

}  // namespace
