// The "Bubble-Dew point" window driven as a user does: the mode radios, the
// bulk-phase pictures, the first approach, clear and the calculation with its
// verdicts (its unit radios and scroll panel: LiquidVapourEq_test).
#include "calc/equilibria/BubbleDewPoint.h"

#include "app/framework/PictureControls.h"
#include "app/picture_resources.h"
#include "calc/equilibria/LiquidVapourEq.h"
#include "calc/equilibria/TPx_range.h"
#include "calc/fugacity/ActivityWindow.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using BubbleDewWindow = EquilibriumDriving<BubbleDewPoint>;

// Other windows store their own states between the two steps: a temperature
// and a pressure typed in "Activities", and a first approach of
// "Liquid-Vapour Equilibrium" (its K-values and phase compositions).
void StoreOtherStates() {
  ActivityWindow& activities = ActivityWindow::Instance();
  Type(activities.Field("dataEntryT"), "563.15");
  Type(activities.Field("dataEntryP"), "25");
  LiquidVapourEq& split = LiquidVapourEq::Instance();
  Type(split.Field("dataEntry1"), "400");
  Click(split.Button("CalFirstApproach"));
}

// The first approach reads the mode, unit and bulk-phase radios: the start
// value, and the bulk fluid in the bulk phase's list with the other phase in
// proportion to the Wilson K-values (a salt, K = 0.001, enters phase X with a
// thousandfold weight). Switching the mode relabels the sought quantity and
// empties only the other mode's entry; clear empties entries and lists and
// turns the bulk phase off, never the shared state.
TEST_F(BubbleDewWindow, FirstApproachFollowsTheRadiosAndClearEmptiesTheWindow) {
  EXPECT_FALSE(On("Liquid") || On("Vapour") || Shows("ImageWell1") || Shows("ImageWell2"));
  Globals::fraction = {0.8, 0.1, 0, 0.07, 0.03};
  const auto pictures = [this](const char* well, const QPixmap& picture) {
    return Shows(well) && dynamic_cast<const fw::ImageWell&>(w.ControlByName(well)).Image()
                                  .cacheKey() == picture.cacheKey();
  };
  Choose("Liquid");
  EXPECT_TRUE(pictures("ImageWell1", Liquid2()) && !Shows("ImageWell2"));
  Choose("Vapour");
  EXPECT_TRUE(pictures("ImageWell2", Vapour2()) && !Shows("ImageWell1"));
  Choose("Celsius");
  Put("dataEntryTh", "500");
  ListOf("ListBoxVmX").AddRow("stale");
  Press("FirstApproach");
  const double P = Globals::RaoultPressure(Globals::fraction, 773.15, 1);  // dew point
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, w.Field("dataEntry2").Text()),
            std::tuple(773.15, P, Str(P / 2.0)));
  EXPECT_EQ(ListOf("ListBoxVmX").ListCount(), 0);
  const Globals::Composition K = Globals::WilsonDistribution(773.15, P);
  EXPECT_EQ(Globals::K_liq_vap, K);
  const QStringList bulk = {"0.8", "0.1", "0.07", "0.03"};
  EXPECT_EQ(Column(ListOf("ListBoxPhaseY"), 1), bulk);
  const double saltOverWater = (0.07 / 0.001) / (0.8 / K[0]);
  EXPECT_NEAR(Val(ListOf("ListBoxPhaseX").Cell(2, 1)) / Val(ListOf("ListBoxPhaseX").Cell(0, 1)),
              saltOverWater, 1e-5 * saltOverWater);

  Choose("RadioButtonPh");
  Put("dataEntryPh", "75");
  Choose("Liquid");
  Press("FirstApproach");
  EXPECT_EQ(std::tuple(w.Field("dataEntry2").Text(), Globals::TK_global, Globals::PMPa_global),
            std::tuple("298.15", 298.15, 75.0));
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 0), QStringList({"H2O", "CO2", "NaCl", "KCl"}));
  EXPECT_EQ(Column(ListOf("ListBoxPhaseX"), 1), bulk);
  const auto modeShown = [this] {
    const QStringList shown = {w.Field("dataEntryTh").Text(), w.Field("dataEntryPh").Text(),
                               Shown("Homogen"), Shown("Homogen2"), Shown("Dimension"),
                               Shown("Dimension2")};
    return shown.join("|");
  };
  Put("dataEntryTh", "12");
  Choose("RadioButtonTh");
  EXPECT_EQ(modeShown(), "12||Homogenization Pressure|Homogenization Pressure|MPa|MPa");
  Put("dataEntryPh", "34");
  Choose("RadioButtonPh");
  EXPECT_EQ(modeShown(), "|34|Homogenization Temperature|Homogenization Temperature|Kelvin|Kelvin");
  EXPECT_EQ(w.Field("dataEntry2").Text(), "298.15") << "the first approach stays";

  Choose("Vapour");
  Press("Clear");
  EXPECT_FALSE(On("Liquid") || On("Vapour") || Shows("ImageWell1") || Shows("ImageWell2"));
  EXPECT_EQ(modeShown() + w.Field("dataEntry2").Text(),
            "||Homogenization Temperature|Homogenization Temperature|Kelvin|Kelvin");
  EXPECT_EQ(ListOf("ListBoxPhaseX").ListCount() + ListOf("ListBoxPhaseY").ListCount(), 0);
  EXPECT_EQ(std::tuple(Globals::TK_global, Globals::PMPa_global, Globals::K_liq_vap),
            std::tuple(298.15, 75.0, Globals::WilsonDistribution(298.15, 75)));
  Press("LVpoint");
  EXPECT_NE(TPx_range::OpenInstanceOf(), nullptr);
}

// "Solution" only for phases in equilibrium, never a "nan", no field read as
// 0 when it holds no number: each row from a new first approach, whose
// refusals show at once, and the same result whatever other windows store
// before "calculate". A solution, and nothing else, is marked on the phase
// with the smaller molar volume when the bulk fluid is Liquid, the larger
// when Vapour.
TEST_F(BubbleDewWindow, SolutionOnlyForPhasesInEquilibriumAndFieldsWithoutANumberRefused) {
  const QString kTrivial =
      "Possible trivial solution, optional: adjust First Approach and try again";
  const QString kPutT = "warning: put a number for temperature";
  const QString kPutP = "warning: put a number for pressure";
  const char *kTh = "RadioButtonTh", *kPh = "RadioButtonPh", *kPlain = "Phase X|Phase Y";
  const Globals::Composition kWaterCO2_5 = {0.95, 0.05, 0, 0, 0};
  const struct {
    const char* what;
    Globals::Composition z;
    const char *mode, *unit, *bulk, *Th, *Ph;
    const char* start;  // typed over the first approach's
    QString message, answer;
    const char* captions;
    bool othersBetween = false;        // StoreOtherStates before "calculate"
    const char* whileRunning = nullptr;  // a radio clicked at the run's first yield
  } cases[] = {
      {"no first approach", kBrine, kTh, "Kelvin", nullptr, nullptr, nullptr, "10", kPutT, "",
       kPlain},
      // A component the fluid lacks gave K = inf/inf and "-nan" before.
      {"pure water from 298.15 K: both phases one", kWater, kPh, "Kelvin", nullptr, "", "8.48114",
       nullptr, kTrivial, "295.65", kPlain},
      {"H2O-CO2 90/10 mass %", OfMassPercent({90, 10, 0, 0, 0}), kPh, "Kelvin", "Liquid", "", "10",
       nullptr, "Solution after 37 iterations", "317.5663", "Phase X, solution|Phase Y"},
      {"no bulk phase: as Liquid", OfMassPercent({90, 10, 0, 0, 0}), kPh, "Kelvin", nullptr, "",
       "10", nullptr, "Solution after 37 iterations", "317.5663", kPlain},
      {"a typed 0 MPa is a pressure", kWaterCO2, kPh, "Kelvin", nullptr, "", "0", nullptr,
       kTrivial, "295.65", kPlain},
      {"H2O-CO2 dew point", kWaterCO2, kTh, "Kelvin", "Vapour", "573.15", "", nullptr,
       "Solution after 39 iterations", "9.931546", "Phase X|Phase Y, solution"},
      {"no pressure", kBrine, kPh, "Kelvin", nullptr, "", "ten", nullptr, kPutP, "", kPlain},
      {"salts", {0.8, 0.1, 0, 0.05, 0.05}, kTh, "Kelvin", "Vapour", "573.15", "", nullptr,
       "Fugacities are not equal: adjust First Approach and try again", "0.4514601", kPlain},
      // Solved the equations, with a phase X of NaCl alone.
      {"brine dew point at 473.15 K", kBrine, kTh, "Kelvin", "Vapour", "473.15", "", nullptr,
       "No solution, adjust First Approach and try again", "45.92245", kPlain},
      {"no temperature in ˚C", kBrine, kTh, "Celsius", nullptr, "", "", nullptr, kPutT, "",
       kPlain},
      {"no start pressure", kBrine, kTh, "Celsius", nullptr, "300", "", "", kPutP, "", kPlain},
      {"no start temperature", kBrine, kPh, "Kelvin", nullptr, "", "10", "K", kPutT, "", kPlain},
      // What the same runs find when no other window stores anything between.
      {"5 mol % CO2, other states between", kWaterCO2_5, kTh, "Kelvin", "Liquid", "573.15", "",
       nullptr, "Solution after 44 iterations", "31.87587", "Phase X, solution|Phase Y", true},
      {"its temperature, other states between", kWaterCO2_5, kPh, "Kelvin", "Liquid", "",
       "31.87587", "560", "Solution after 40 iterations", "573.15", "Phase X, solution|Phase Y",
       true},
      // The phase found at this dew point is the lighter one, phase X.
      {"brine dew point", kBrine, kPh, "Kelvin", "Vapour", "", "50", "880",
       "Solution after 38 iterations", "762.7451", "Phase X, solution|Phase Y"},
      {"captions as the radios stand at its end", kBrine, kPh, "Kelvin", "Vapour", "", "50", "880",
       "Solution after 38 iterations", "762.7451", "Phase X|Phase Y, solution", false, "Liquid"},
      {"all passes at 473.15 K: no solution, no mark", kWaterCO2_5, kTh, "Kelvin", "Liquid",
       "473.15", "", nullptr, "No solution, adjust First Approach and try again", "54.37122",
       kPlain},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Globals::fraction = c.z;
    Press("Clear");
    EXPECT_EQ(Shown("Answer") + Shown("ResultText"), "");
    for (const char* radio : {c.mode, c.unit, c.bulk})
      if (radio) Choose(radio);
    if (c.Th) {
      Put("dataEntryTh", c.Th);
      Put("dataEntryPh", c.Ph);
      Press("FirstApproach");
    }
    if (Shown("ResultText").isEmpty()) {
      if (c.start) Put("dataEntry2", c.start);
      if (c.othersBetween) StoreOtherStates();
      OnYield([&](int n) {
        if (n == 1 && c.whileRunning) Choose(c.whileRunning);
      });
      Press("calculate");
      SetRuntimeYieldHook({});
    }
    EXPECT_EQ(Shown("ResultText"), c.message);
    EXPECT_EQ(Shown("Answer"), c.answer);
    EXPECT_EQ(Shown("PhaseX1") + "|" + Shown("PhaseY1"), c.captions);
    EXPECT_TRUE(ShowsOnlyNumbers(w));
    const bool ph = c.mode == kPh;
    if (c.message.startsWith("Solution"))
      ExpectPhasesInEquilibrium(w, Val(ph ? c.answer : c.Th), Val(ph ? c.Ph : c.answer));
  }
}

// Every result of a run gone, and no column marked.
#define NO_RESULTS NO_PHASE_RESULTS, "PhaseX1?Phase X", "PhaseY1?Phase Y"
#define TRIVIAL "Possible trivial solution, optional: adjust First Approach and try again"

// Sessions on the window as a user plays them.
TEST_F(WindowTest, BubbleDewPoint) {
  PhaseStateKept kept;
  Play({
      // Another window's first approach writes the shared phase compositions
      // between the two steps. Each edit of a start value goes into its own
      // phase: phase Y's water to 0.01 takes 65 passes; phase X's CO2 to 0.5
      // (that of phase Y) ends where both phases are one.
      {"a run starts from the window's own first approach, and from each edit in its own phase",
       {"@x=0.9,0.1,0,0,0", ">BubbleDewPoint", "dataEntryTh=573.15", "Vapour", "FirstApproach",
        ">LiquidVapourEq", "dataEntry1=400", "CalFirstApproach", "<BubbleDewPoint", "calculate",
        "ResultText?Solution after 39 iterations", "Answer?9.931546", "PhaseY1?Phase Y, solution",
        "FirstApproach", NO_RESULTS, "ListBoxPhaseY[0]=0.01", "calculate",
        "ResultText?Solution after 65 iterations", "FirstApproach", "ListBoxPhaseX[1]=0.5",
        "calculate", "ResultText?" TRIVIAL, "Answer?4.644903", "dataEntry2=", "calculate",
        "ResultText?warning: put a number for pressure", NO_RESULTS}},
      // One component: the automatic first approach gives two equal phases.
      {"pure water from a start typed near its vapour pressure",
       {">BubbleDewPoint", "dataEntryTh=630", "FirstApproach", "dataEntry2=18", "calculate",
        "ResultText?Solution after 34 iterations", "Answer?17.80133"}},
      // A mark left by the first run would stand beside the second run's
      // numbers while it iterates. The second run goes on from the
      // compositions where the first ended, and a refused first approach
      // empties every result.
      {"a second run marks no column until it ends: mode Th, Vapour",
       {"@x=0.8,0.2,0,0,0", ">BubbleDewPoint", "dataEntryTh=573.15", "Vapour", "FirstApproach",
        "calculate", "ResultText?Solution after 39 iterations", "PhaseX1?Phase X",
        "PhaseY1?Phase Y, solution", "@yield1:PhaseX1?Phase X", "@yield1:PhaseY1?Phase Y",
        "calculate", "ResultText?Solution after 40 iterations", "Answer?11.98336",
        "PhaseX1?Phase X", "PhaseY1?Phase Y, solution"}},
      {"a second run marks no column until it ends: mode Ph, Liquid",
       {"@x=0.95,0.05,0,0,0", ">BubbleDewPoint", "RadioButtonPh", "Liquid",
        "dataEntryPh=31.87587", "FirstApproach", "dataEntry2=560", "calculate",
        "ResultText?Solution after 40 iterations", "Answer?573.15", "PhaseX1?Phase X, solution",
        "PhaseY1?Phase Y", "@yield1:PhaseX1?Phase X", "@yield1:PhaseY1?Phase Y", "calculate",
        "ResultText?Solution after 39 iterations", "Answer?573.15",
        "PhaseX1?Phase X, solution", "PhaseY1?Phase Y", "dataEntryPh=", "FirstApproach",
        "ResultText?warning: put a number for pressure", NO_RESULTS}},
  });
}

}  // namespace
