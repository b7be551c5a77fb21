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
      w.Frame()->resize(w.Frame()->width(), w.Frame()->height() - w.Height() + height);
      QCoreApplication::processEvents();
      EXPECT_EQ(std::pair(bar.Maximum(), bar.Height()), std::pair(c.content - height, height - 15));
    }
    bar.SetValue(100);
    EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -100);
    EXPECT_EQ(w.Button("calculate").Top(), c.calculateTop - 100)
        << "the panel carries the controls";
  }
}

// The first approach reads the temperature in the unit on and empties the
// results; clear empties the entries and lists, never the shared state.
TEST_F(LiquidVapourWindow, FirstApproachFillsTheStartValuesAndListsAndClearEmptiesThem) {
  Globals::fraction = kBrine;
  Choose("Celsius");
  Put("dataEntry", "40");
  Put("dataEntry1", "300");
  Put("dataEntry3", "0.9");
  ListOf("ListBoxVmX").AddRow("stale");
  Press("CalFirstApproach");
  EXPECT_DOUBLE_EQ(Globals::TK_global, 573.15);
  EXPECT_EQ(w.Field("dataEntry2").Text(), Str(0.5 * (Globals::RaoultPressure(kBrine, 573.15, 0) +
                                                     Globals::RaoultPressure(kBrine, 573.15, 1))));
  EXPECT_EQ(w.Field("dataEntry3").Text() + w.Field("dataEntry").Text(), "0.540");
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 1), QStringList({Str(Globals::xgas[0]), Str(Globals::xgas[3])}));
  EXPECT_EQ(ListOf("ListBoxVmX").ListCount(), 0);
  const auto shared = std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas);
  Press("Clear");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    EXPECT_EQ(w.Field(field).Text(), "") << field;
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_TRUE(On("Celsius"));
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::K_liq_vap, Globals::xgas), shared);
}

// The lists hold a row per present component; an edit of either list is
// stored at once, as typed, into the composition of its row's component.
TEST_F(LiquidVapourWindow, PhaseListEditsAreStoredAsTypedByComponentName) {
  Globals::fraction = {0.7, 0, 0.2, 0.05, 0.05};  // without CO2 the second row is CH4
  Globals::xgas = {0.7, 0.5, 0.2, 0.05, 0.05};
  Globals::ygas = {0.125, 0, 0.75, 0, 0.125};
  fw::Listbox& X = ListOf("ListBoxPhaseX");
  fw::Listbox& Y = ListOf("ListBoxPhaseY");
  equilibria::FillPhaseLists(X, Y);
  EXPECT_EQ(Column(X, 0), QStringList({"H2O", "CH4", "NaCl", "KCl"}));
  EXPECT_EQ(Column(Y, 0), Column(X, 0));
  EXPECT_EQ(Column(Y, 1), QStringList({"0.125", "0.75", "0", "0.125"}));
  const struct {
    fw::Listbox& list;
    int row, clicked;
    QString typed;
    Globals::Composition x, y;
  } edits[] = {
      {Y, 1, 0, "0.25", {0.7, 0.5, 0.2, 0.05, 0.05}, {0.125, 0, 0.25, 0, 0.125}},  // not normalised
      {X, 2, 1, "0.3", {0.7, 0.5, 0.2, 0.3, 0.05}, {0.125, 0, 0.25, 0, 0.125}},    // NaCl
      {X, 3, 0, "-1", {0.7, 0.5, 0.2, 0.3, -1}, {0.125, 0, 0.25, 0, 0.125}},       // no range check
      {X, 0, 0, "", {0, 0.5, 0.2, 0.3, -1}, {0.125, 0, 0.25, 0, 0.125}},           // emptied: 0
  };
  for (const auto& e : edits) {
    SCOPED_TRACE(e.typed.toStdString());
    EditRow(e.list, e.row, e.clicked, e.typed);
    EXPECT_EQ(e.list.CellType(e.row, 0), 0) << "the name column is never editable";
    EXPECT_EQ(std::pair(Globals::xgas, Globals::ygas), std::pair(e.x, e.y));
  }
  X.SetCell(0, 0, "h2o");  // names no component
  equilibria::StoreEditedFraction(X, 0, Globals::xgas);
  equilibria::StoreEditedFraction(X, 9, Globals::xgas);
  EXPECT_EQ(Globals::xgas, edits[3].x);

  // An edit asked for by a click but not yet open, or open with a value
  // typed, when the first approach refills the lists goes with its row.
  static QStringList messages;
  const QtMessageHandler qtHandler = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
  Put("dataEntry1", "873.15");
  ClickCell(X, 1, 1);
  Press("CalFirstApproach");
  QCoreApplication::processEvents();
  ClickCell(X, 1, 1);
  QCoreApplication::processEvents();
  QWidget* editor = X.Table()->indexWidget(X.Table()->currentIndex());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "0.5");
  Press("CalFirstApproach");
  QCoreApplication::processEvents();
  qInstallMessageHandler(qtHandler);
  EXPECT_EQ(messages.join("; ").toStdString(), "") << "no Qt warning";
  EXPECT_EQ(X.Table()->indexWidget(X.Table()->currentIndex()), nullptr) << "no editor open";
  EXPECT_EQ(Column(X, 1), QStringList({Str(Globals::xgas[0]), Str(Globals::xgas[2]),
                                       Str(Globals::xgas[3]), Str(Globals::xgas[4])}));
  EXPECT_NE(Globals::xgas[2], 0.5);
}

// Brine at 600 ˚C and a bulk volume between those of its liquid and vapour:
// the split ends where both phases are in equilibrium and their volumes share
// the bulk volume; a second run, from the K-values of the first, finds it
// again. The SLV window then shows that state, also after clear.
TEST_F(LiquidVapourWindow, SplitsBrineIntoPhasesInEquilibriumThatShareTheBulkVolume) {
  Globals::fraction = kBrine;
  Put("dataEntry1", "873.15");
  Press("CalFirstApproach");
  Put("dataEntry", "40");
  const Globals::Composition firstApproach = Globals::xgas;
  for (int run = 0; run < 2; ++run) {
    Press("calculate");
    ASSERT_TRUE(Shown("ResultText").startsWith("Solution after ")) << Shown("ResultText").toStdString();
    for (const char* list : {"ListBoxFracX", "ListBoxVmX", "ListBoxDY"})
      EXPECT_EQ(ListOf(list).ListCount(), 1) << list;
  }
  const double P = Val(Shown("Answer"));
  EXPECT_EQ(Str(Globals::PMPa_global), Shown("Answer"));
  EXPECT_EQ(Globals::xgas, firstApproach) << "the split keeps its compositions to itself";
  const double VmX = Val(ListOf("ListBoxVmX").Cell(0, 0)), VmY = Val(ListOf("ListBoxVmY").Cell(0, 0));
  const double phi = Val(ListOf("ListBoxFracY").Cell(0, 0));
  EXPECT_NEAR(Val(ListOf("ListBoxFracX").Cell(0, 0)) + phi, 1, 1e-6);
  EXPECT_NEAR(1 / ((1 - phi) / VmX + phi / VmY), 40, 1e-3) << "the phases fill the bulk volume";
  ExpectPhasesInEquilibrium(w, 873.15, P);

  Press("SLVbutton");
  Press("Clear");
  SLV* slv = SLV::OpenInstanceOf();
  ASSERT_NE(slv, nullptr);
  Activate(*slv);
  EXPECT_EQ(slv->Label("presISO").Text(), Str(P) + " MPa");
  EXPECT_EQ(slv->Label("volISO").Text(), "40 cm3/mol");
  EXPECT_EQ(slv->Label("tempISO").Text(), "873.15 K  ( 600 \u02DAC )");
}

// "Solution" only for phases in equilibrium, never a "nan", no field read as
// 0 when it holds no number; each row from a new first approach. The pressure
// step alone had ended the first four runs as solutions.
TEST_F(LiquidVapourWindow, SolutionOnlyForPhasesInEquilibriumAndFieldsWithoutANumberRefused) {
  const QString kNoSolution = "No solution, adjust First Approach and try again";
  const QString kPutTemperature = "warning: put a number for temperature";
  const Globals::Composition saltsByMass = OfMassPercent({80, 0, 0, 10, 10});
  const struct {
    const char* what;
    Globals::Composition z;
    const char *unit, *T, *Vm;
    const char *pressure, *fraction;  // typed over the first approach's values
    QString message, answer;
  } cases[] = {
      {"H2O fugacity 3.352 vs 0.790 MPa", {0.98, 0, 0, 0.02, 0}, "Kelvin", "523.15", "25",
       nullptr, nullptr, kNoSolution, "2.920036"},
      {"five components", kFiveComponents, "Kelvin", "673.15", "50", nullptr, nullptr,
       kNoSolution, "42.93456"},
      {"brine at 773.15 K", kBrine, "Kelvin", "773.15", "120", nullptr, nullptr, kNoSolution,
       "35.11616"},
      {"NaCl-KCl, H2O fugacities 0.14 % apart", saltsByMass, "Kelvin", "473", "35", nullptr,
       nullptr, kNoSolution, "1.099066"},
      {"NaCl-KCl in equilibrium", saltsByMass, "Kelvin", "523", "120", nullptr, nullptr,
       "Solution after 49 iterations", "5.504404"},
      {"H2O-CO2 in equilibrium", kWaterCO2, "Kelvin", "473.15", "100", nullptr, nullptr,
       "Solution after 38 iterations", "6.105058"},
      {"H2O-CO2 converging on one phase", kWaterCO2, "Kelvin", "573.15", "100", nullptr, nullptr,
       "The fractions must have a number between 0 and 1", "47.16425"},
      // The coefficient of NaCl overflows in the first pass: "-nan" before.
      {"brine 90/10 mass % at 344 K", OfMassPercent({90, 0, 0, 10, 0}), "Kelvin", "344", "6",
       nullptr, nullptr, kNoSolution, ""},
      {"no temperature in ˚C", kBrine, "Celsius", "", "25", nullptr, nullptr, kPutTemperature,
       ""},
      {"no volume", kBrine, "Kelvin", "523.15", "x", nullptr, nullptr,
       "warning: put a number for molar volume", ""},
      {"no start pressure", kBrine, "Kelvin", "523.15", "25", "p", nullptr,
       "warning: put a number for pressure", ""},
      {"no start fraction", kBrine, "Kelvin", "523.15", "25", nullptr, "",
       "warning: put a number for volume fraction", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = c.z;
    Press("Clear");
    Choose(c.unit);
    Put("dataEntry1", c.T);
    Press("CalFirstApproach");
    if (w.Field("dataEntry2").Text().isEmpty()) {
      EXPECT_EQ(Shown("ResultText"), c.message) << "the first approach refuses too";
    }
    Put("dataEntry", c.Vm);
    if (c.pressure) Put("dataEntry2", c.pressure);
    if (c.fraction) Put("dataEntry3", c.fraction);
    Press("calculate");
    EXPECT_EQ(Shown("ResultText"), c.message);
    EXPECT_EQ(Shown("Answer"), c.answer);
    EXPECT_TRUE(ShowsOnlyNumbers(w));
    if (c.message.startsWith("Solution")) ExpectPhasesInEquilibrium(w, Val(c.T), Val(c.answer));
  }
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
