// Every calculation that yields to the event loop computes with the fluid and
// the shared state point it started with: a fluid accepted in the "Fluid"
// window, or values another calculation writes, while it yields (also in the
// middle of one evaluation of the equation of state) reach none of its
// results.
#include <array>
#include <functional>
#include <vector>

#include "app/fluid_window.h"
#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/fugacity/ActivityWindow.h"
#include "calc/fugacity/QtzSolubilityWindow.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/MathAnalT.h"
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

// Everything the window shows: its labels and list cells.
QStringList ShownIn(const fw::Window& w) {
  QStringList texts;
  for (const auto& control : w.Controls()) {
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
  std::vector<const char*> steps;  // "field=text" typed, else a radio or button clicked
  const char* button;
};

template <class W>
fw::Window& Open() {
  return W::Instance();
}

TEST_F(RunsKeepTheirInputs, NewFluidOrStateWhileARunYieldsChangesNoneOfItsResults) {
  const std::vector<const char*> range = {"minimum=300", "maximum=500", "interval=50"};
  const std::vector<const char*> state = {"dataEntryP=100", "dataEntryT=673.15", "Choice0"};
  const YieldingRun runs[] = {
      {"Isochore table", Open<Isochore>, range, "calculate"},
      {"Isochore export", Open<Isochore>, range, "Export"},
      {"MathAnal", Open<MathAnal>, {}, "calculate"},
      {"MathAnalT", Open<MathAnalT>, {}, "calculate"},
      {"Molar Volumes", Open<VolumeWindow>, state, "calculate"},
      {"Activities", Open<ActivityWindow>, {state[0], state[1], state[2], "calculateVm",
                                            "StandardChoice0"}, "calculate"},
      {"Quartz Solubility", Open<QtzSolubilityWindow>, state, "calculate"},
      {"Bubble-Dew point", Open<BubbleDewPoint>, {"dataEntryTh=573.15", "Liquid", "FirstApproach"},
       "calculate"},
  };
  for (const YieldingRun& run : runs) {
    SCOPED_TRACE(run.name);
    const auto runFrom = [&](std::function<void(int)> onYield) {
      fw::ReleaseAllWindows();
      Globals::fraction = kWaterCO2;
      Globals::TK_global = 673.15;
      Globals::PMPa_global = 100;
      Globals::Vm_global = 30;
      fw::Window& w = run.open();
      Activate(w);
      for (const QString step : run.steps) {
        const QString name = step.section('=', 0, 0);
        if (step.contains('=')) Type(w.Field(name.toStdString()), step.section('=', 1));
        else if (auto* radio = dynamic_cast<fw::RadioButton*>(&w.ControlByName(name.toStdString())))
          Click(*radio);
        else Click(w.Button(name.toStdString()));
      }
      OnYield(std::move(onYield));
      Click(w.Button(run.button));
      SetRuntimeYieldHook({});
      return ShownIn(w) << documents.Read("30.txt");
    };
    int yields = 0;
    const QStringList undisturbed = runFrom([&](int n) { yields = n; });
    ASSERT_GT(yields, 100) << "the run calculated";
    // Another state at every yield; the new fluid late, to reach the pure
    // components of Molar Volumes and Activities.
    const QStringList disturbed = runFrom([&](int n) {
      WriteAnotherState();
      if (n == yields * 3 / 4) AcceptPureCO2();
    });
    EXPECT_EQ(Globals::fraction, kPureCO2) << "the new fluid was accepted";
    EXPECT_EQ(disturbed.join('|').toStdString(), undisturbed.join('|').toStdString());
  }
}

}  // namespace
