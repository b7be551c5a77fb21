// Every calculation that yields to the event loop computes with the fluid and
// the shared state point it started with: a fluid accepted in the "Fluid"
// window, or values another calculation writes, while it yields (also in the
// middle of one evaluation of the equation of state) reach none of its
// results. An edit of the window's own inputs meanwhile, or closing it,
// leaves the run nothing to show.
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "app/fluid_window.h"
#include "app/procedures_window.h"
#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/fugacity/ActivityWindow.h"
#include "calc/fugacity/FugacityWindow.h"
#include "calc/fugacity/QtzSolubilityWindow.h"
#include "calc/pvt/FirstVolumeApproach.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/MathAnalT.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

constexpr Globals::Composition kPureCO2 = {0, 1, 0, 0, 0};

// What other calculations leave in the shared state.
void WriteAnotherState() {
  Globals::TK_global = 500;
  Globals::PMPa_global = 20;
  Globals::Vm_global = 80;
  Globals::xgas = Globals::ygas = {0.2, 0.2, 0.2, 0.2, 0.2};
  Globals::K_liq_vap.fill(3);
  Globals::Coefficient.fill(9);
  Globals::Fugacity.fill(9);
}

// The user accepts pure CO2 in the "Fluid" window.
void AcceptPureCO2() {
  Start2Window& fluid = Start2Window::Instance();
  Type(fluid.Field("dataEntry2"), "100");
  Click(fluid.Button("continue2"));
}

// What the window shows in its labels and list cells (in those named, if
// any are).
QStringList ShownIn(const fw::Window& w, const std::vector<const char*>& named = {}) {
  QStringList texts;
  for (const auto& control : w.Controls()) {
    if (!named.empty() && std::none_of(named.begin(), named.end(), [&](const char* name) {
          return control->Name() == QLatin1String(name);
        }))
      continue;
    if (const auto* label = dynamic_cast<const fw::StaticText*>(control.get()))
      texts << label->Text();
    if (const auto* list = dynamic_cast<const fw::Listbox*>(control.get()))
      for (int c = 0; c < list->ColumnCount(); ++c) texts += Column(*list, c);
  }
  return texts;
}

// Also keeps the shared arrays that the Fluid window and the calculations write.
class RunsKeepTheirInputs : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    for (std::size_t i = 0; i < kKept.size(); ++i) saved_[i] = *kKept[i];
  }
  void TearDown() override {
    WindowTest::TearDown();
    for (std::size_t i = 0; i < kKept.size(); ++i) *kKept[i] = saved_[i];
  }
  DocumentsFolder documents;

 private:
  static constexpr std::array<Globals::Composition*, 8> kKept = {
      &Globals::ASnumber, &Globals::MASSnumber, &Globals::Mnumber,     &Globals::xgas,
      &Globals::ygas,     &Globals::K_liq_vap,  &Globals::Coefficient, &Globals::Fugacity};
  std::array<Globals::Composition, 8> saved_;
};

struct YieldingRun {
  const char* name;
  fw::Window& (*open)();
  std::vector<const char*> steps;         // taken before the run
  const char* button;                     // starts it
  const char* edit = nullptr;             // a radio or button taken while it yields
  std::vector<const char*> results = {};  // the labels and lists it writes
  Globals::Composition fluid = kWaterCO2;
  bool unitIsInput = true;  // false: a new unit keeps a result shown
};

template <class W>
fw::Window& Open() {
  return W::Instance();
}

// A step: "field=text" typed, else a radio or button clicked.
void Take(fw::Window& w, const QString& step) {
  const std::string name = step.section('=', 0, 0).toStdString();
  if (step.contains('=')) Type(w.Field(name), step.section('=', 1));
  else if (auto* radio = dynamic_cast<fw::RadioButton*>(&w.ControlByName(name))) Click(*radio);
  else Click(w.Button(name));
}

// Opens the run's window afresh on its fluid, with a state point in the
// shared scalars, takes its steps and presses its button; onYield(w, n) acts
// at its n-th yield.
fw::Window& Drive(const YieldingRun& run, const std::function<void(fw::Window&, int)>& onYield) {
  fw::ReleaseAllWindows();
  Globals::MASSnumber = Globals::ASnumber = Globals::Mnumber = {};
  Globals::fraction = run.fluid;
  Globals::TK_global = 673.15;
  Globals::PMPa_global = 100;
  Globals::Vm_global = 30;
  fw::Window& w = run.open();
  Activate(w);
  for (const char* step : run.steps) Take(w, step);
  OnYield([&](int n) { onYield(w, n); });
  Click(w.Button(run.button));
  SetRuntimeYieldHook({});
  return w;
}

// The isochore table and the equilibrium windows have no edit: typing in
// their fields clears nothing, and their runs go on. A run that fills a
// table, or the bubble-dew run, is not started again by a second press.
TEST_F(RunsKeepTheirInputs, OthersChangeNoResultOfARunAndAnEditOrCloseOfItsWindowLeavesNone) {
  const std::vector<const char*> range = {"minimum=300", "maximum=500", "interval=50"};
  const std::vector<const char*> state = {"dataEntryP=100", "dataEntryT=673.15", "Choice0"};
  const std::vector<const char*> pointTP = {"RadioButtonTP", "dataEntryT=673.15",
                                            "dataEntryPV=100", "Calculation1"};
  const YieldingRun runs[] = {
      {"Isochore table", Open<Isochore>, range, "calculate"},
      {"Isochore export", Open<Isochore>, range, "Export"},
      {"MathAnal", Open<MathAnal>, {}, "calculate"},
      {"MathAnalT", Open<MathAnalT>, {}, "calculate"},
      {"Bubble-Dew point", Open<BubbleDewPoint>, {"dataEntryTh=573.15", "Liquid", "FirstApproach"},
       "calculate"},
      {"Pressures", Open<PressureWindow>, {"dataEntry=30", "dataEntry1=673.15"}, "calculate",
       "dataEntry1=700", {"Result", "warning", "warning1"}},
      {"Molar Volumes", Open<VolumeWindow>, state, "calculate", "Choice1",
       {"Result", "DensityResult", "ExcessVol", "warning"}, kWaterCO2, false},
      // Its last yield lies in the solve of pure NaCl, which finds no volume.
      {"Molar Volumes, a pure component without volume", Open<VolumeWindow>,
       {"dataEntryP=50", "dataEntryT=873.15", "Choice0"}, "calculate", "Celsius",
       {"Result", "DensityResult", "ExcessVol", "warning"}, kBrine, false},
      {"Temperatures", Open<TemperatureWindow>, {"dataEntryV=30", "dataEntryP=100", "Choice0"},
       "calculate", "Choice1", {"Result", "warning"}, kWaterCO2, false},
      {"Quartz Solubility", Open<QtzSolubilityWindow>, state, "calculate", "Celsius",
       {"Result", "Result1", "Result2", "warning"}},
      {"Fugacities, state point", Open<FugacityWindow>, {pointTP.begin(), pointTP.end() - 1},
       "Calculation1", "RadioButtonTV", {"ResultPV", "warning"}},
      // A new unit clears no table: the rows the run wrote go.
      {"Fugacities, table", Open<FugacityWindow>, pointTP, "calculateFinal", "Celsius",
       {"ListBox1", "warning"}},
      {"Activities, molar volume", Open<ActivityWindow>, state, "calculateVm", "Choice1",
       {"ResultV", "warning"}},
      {"Activities, table", Open<ActivityWindow>,
       {state[0], state[1], state[2], "calculateVm", "StandardChoice0"}, "calculate", "Celsius",
       {"ListBox1", "warning1"}},
      // Its result: the fluid, and the Procedures window opened.
      {"Fluid", Open<Start2Window>, {"dataEntry1=90", "dataEntry2=10"}, "continue2", "Mole",
       {"Sum"}},
  };
  for (const YieldingRun& run : runs) {
    SCOPED_TRACE(run.name);
    const bool accepting = run.open == Open<Start2Window>;
    // What the window shows (all of it, with the export file, where no
    // results are named).
    const auto shown = [&](const fw::Window& w, const char* separator = "|") {
      QStringList texts = ShownIn(w, run.results);
      if (run.results.empty()) texts << documents.Read("30.txt");
      if (accepting && (Start3Window::OpenInstanceOf() || Globals::fraction != kWaterCO2))
        texts << "accepted";
      return texts.join(separator).toStdString();
    };
    int yields = 0;
    const fw::Window& quiet = Drive(run, [&](fw::Window&, int n) { yields = n; });
    const std::string undisturbed = shown(quiet);
    EXPECT_NE(shown(quiet, ""), "") << "a result shown";
    ASSERT_GT(yields, accepting ? 1 : 100) << "the run calculated";
    // Its own edit early, and at the last yield each field and each radio
    // that is off.
    std::vector<std::pair<int, QString>> edits;
    for (const auto& control : quiet.Controls()) {
      const QString name = control->Name();
      const auto* radio = dynamic_cast<const fw::RadioButton*>(control.get());
      const bool unit = name == "Kelvin" || name == "Celsius";
      if (run.edit && control->Class() == fw::BlockClass::EditField) edits.emplace_back(yields, name + "=1");
      if (run.edit && radio && !radio->Value() && (run.unitIsInput || !unit)) edits.emplace_back(yields, name);
    }
    if (run.edit) edits.emplace_back(1, run.edit);

    // Another state at every yield; the new fluid late, to reach the pure
    // components of Molar Volumes and Activities.
    if (!accepting) {
      const std::string disturbed = shown(Drive(run, [&](fw::Window&, int n) {
        WriteAnotherState();
        if (n == yields * 3 / 4) AcceptPureCO2();
      }));
      EXPECT_EQ(Globals::fraction, kPureCO2) << "the new fluid was accepted";
      EXPECT_EQ(disturbed, undisturbed);
    }

    // A second press while it runs, a click or Return, starts nothing.
    if (run.results.empty()) {
      int pressedYields = 0;
      const std::string pressed = shown(Drive(run, [&](fw::Window& w, int n) {
        if (n == 1 || n == yields / 2) {
          Click(w.Button(run.button));
          QTest::keyClick(w.Frame(), Qt::Key_Return);
        }
        pressedYields = n;
      }));
      EXPECT_EQ(std::pair(pressed, pressedYields), std::pair(undisturbed, yields));
    }

    for (const auto& [at, edit] : edits) {
      const fw::Window& edited = Drive(run, [&](fw::Window& w, int n) {
        if (n == at) Take(w, edit);
      });
      EXPECT_EQ(shown(edited, ""), "") << edit.toStdString() << " at yield " << at << " of " << yields;
    }

    // Closed: the window goes once the run has ended, an earlier export
    // stays, and a run of rows ends before its next row.
    const QByteArray exported = documents.Read("30.txt");
    int closedYields = 0;
    Drive(run, [&](fw::Window& w, int n) {
      if (n == 1) w.Close();
      closedYields = n;
    });
    ProcessDeferredDeletes();
    EXPECT_EQ(fw::LiveWindowCount(), 0);
    EXPECT_EQ(documents.Read("30.txt"), exported);
    if (run.results.empty()) {
      EXPECT_LT(closedYields, yields);
    }
  }
}

int YieldsOf(const std::function<void()>& work) {
  int yields = 0;
  OnYield([&](int n) { yields = n; });
  work();
  SetRuntimeYieldHook({});
  return yields;
}

// Beyond the yields of the library's solves: the pure-component and excess
// loops of Molar Volumes, the standard-state and table loops of Activities,
// five passes each.
TEST_F(RunsKeepTheirInputs, EveryLoopOfARunYieldsOncePerPass) {
  const int solves = YieldsOf([] {
    const double V0 = pvt::AutomaticFirstVolume(kWater, 673.15, 100);
    Globals::Volume(kWater, 673.15, 100, V0);
    Globals::Volume(kWater, 673.15, 100, V0);
  });
  for (const char* step : {"dataEntryP=100", "dataEntryT=673.15", "Choice0"})
    Take(VolumeWindow::Instance(), step);
  EXPECT_EQ(YieldsOf([] { Click(VolumeWindow::Instance().Button("calculate")); }), solves + 10);

  ActivityWindow& a = ActivityWindow::Instance();
  for (const char* step : {"dataEntryP=100", "dataEntryT=673.15", "Choice0", "calculateVm",
                           "StandardChoice2", "dataEntryPref=0.1"})
    Take(a, step);
  const int fugacities =
      YieldsOf([&] { Globals::Fugacities(kWater, 673.15, 100, Val(a.Label("ResultV").Text())); });
  EXPECT_EQ(YieldsOf([&] { Click(a.Button("calculate")); }), fugacities + 1 + 10);
}

}  // namespace
