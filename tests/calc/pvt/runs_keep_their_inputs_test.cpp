// Every calculation that yields to the event loop computes with the fluid and
// the shared state point it started with: a fluid accepted in the "Fluid"
// window, or values another calculation writes, while it yields (also in the
// middle of one evaluation of the equation of state) reach none of its
// results.
#include <functional>

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

// The user accepts pure CO2 in the "Fluid" window, and another calculation
// leaves its state point and results in the shared state.
void AcceptAnotherFluidAndState() {
  Start2Window& fluid = Start2Window::Instance();
  Type(fluid.Field("dataEntry2"), "100");
  Click(fluid.Button("continue2"));
  Globals::TK_global = 500;
  Globals::PMPa_global = 20;
  Globals::Vm_global = 80;
  Globals::xgas = Globals::ygas = {0.2, 0.2, 0.2, 0.2, 0.2};
  Globals::K_liq_vap.fill(3);
  Globals::Coefficient.fill(9);
  Globals::Fugacity.fill(9);
}

QStringList Labels(const fw::Window& w, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names) texts << w.Label(name).Text();
  return texts;
}

QStringList Columns(const fw::Window& w, const char* list) {
  QStringList cells;
  for (int c = 0; c < w.List(list).ColumnCount(); ++c) cells += Column(w.List(list), c);
  return cells;
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
  // Opens the window and enters what the run needs; gives the window.
  std::function<fw::Window&()> prepare;
  const char* button;
  std::function<QStringList(const fw::Window&)> results;
};

template <class W>
W& Opened() {
  W& w = W::Instance();
  Activate(w);
  return w;
}

fw::Window& IsochoreFrom300To500() {
  Isochore& w = Opened<Isochore>();
  Type(w.Field("minimum"), "300");
  Type(w.Field("maximum"), "500");
  Type(w.Field("interval"), "50");
  return w;
}

// Pressure 100 MPa, temperature 673.15 K, automatic first approach.
template <class W>
W& AtStatePoint() {
  W& w = Opened<W>();
  Type(w.Field("dataEntryP"), "100");
  Type(w.Field("dataEntryT"), "673.15");
  Click(w.Radio("Choice0"));
  return w;
}

TEST_F(RunsKeepTheirInputs, NewFluidOrStateWhileARunYieldsChangesNoneOfItsResults) {
  const YieldingRun runs[] = {
      {"Isochore table", IsochoreFrom300To500, "calculate",
       [](const fw::Window& w) { return Columns(w, "ListBox1"); }},
      {"Isochore export", IsochoreFrom300To500, "Export",
       [this](const fw::Window&) { return QString(documents.Read("30.txt")).split('\n'); }},
      {"MathAnal", [] () -> fw::Window& { return Opened<MathAnal>(); }, "calculate",
       [](const fw::Window& w) { return Columns(w, "ListBox1"); }},
      {"MathAnalT", [] () -> fw::Window& { return Opened<MathAnalT>(); }, "calculate",
       [](const fw::Window& w) { return Columns(w, "ListBox1"); }},
      {"Molar Volumes", [] () -> fw::Window& { return AtStatePoint<VolumeWindow>(); }, "calculate",
       [](const fw::Window& w) { return Labels(w, {"Result", "DensityResult", "ExcessVol"}); }},
      {"Activities",
       [] () -> fw::Window& {
         ActivityWindow& w = AtStatePoint<ActivityWindow>();
         Click(w.Button("calculateVm"));
         Click(w.Radio("StandardChoice0"));
         return w;
       },
       "calculate", [](const fw::Window& w) { return Columns(w, "ListBox1"); }},
      {"Quartz Solubility", [] () -> fw::Window& { return AtStatePoint<QtzSolubilityWindow>(); },
       "calculate",
       [](const fw::Window& w) { return Labels(w, {"Result", "Result1", "Result2"}); }},
      {"Bubble-Dew point",
       [] () -> fw::Window& {
         BubbleDewPoint& w = Opened<BubbleDewPoint>();
         Type(w.Field("dataEntryTh"), "573.15");
         Click(w.Radio("Liquid"));
         Click(w.Button("FirstApproach"));
         return w;
       },
       "calculate",
       [](const fw::Window& w) {
         QStringList shown = Labels(w, {"Answer", "ResultText"}) + Columns(w, "ListBoxPhaseY1");
         return shown << Str(Globals::ygas[1]);
       }},
  };
  for (const YieldingRun& run : runs) {
    SCOPED_TRACE(run.name);
    const auto runFrom = [&](std::function<void(int)> onYield) {
      fw::ReleaseAllWindows();
      Globals::fraction = kWaterCO2;
      Globals::TK_global = 673.15;
      Globals::PMPa_global = 100;
      Globals::Vm_global = 30;
      fw::Window& w = run.prepare();
      OnYield(std::move(onYield));
      Click(w.Button(run.button));
      SetRuntimeYieldHook({});
      return run.results(w);
    };
    int yields = 0;
    const QStringList undisturbed = runFrom([&](int n) { yields = n; });
    ASSERT_GT(yields, 100);
    // Late, to reach the pure components of Molar Volumes and Activities.
    const QStringList disturbed = runFrom([&](int n) {
      if (n == yields * 3 / 4) AcceptAnotherFluidAndState();
    });
    EXPECT_EQ(Globals::fraction, kPureCO2) << "the new fluid was accepted";
    EXPECT_GT(undisturbed.join("").size(), 20);
    EXPECT_EQ(disturbed.join('|').toStdString(), undisturbed.join('|').toStdString());
  }
}

}  // namespace
