// The two "Mathematical Analysis" windows driven through their controls:
// MathAnal over molar volume, MathAnalT over temperature.
#include <initializer_list>
#include <utility>

#include "calc/pvt/MathAnal.h"
#include "calc/pvt/MathAnalT.h"
#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

struct Analysis {
  const char* name;
  fw::Window& (*open)();
  int rows;
  const char* heading0;
};

const Analysis kAnalyses[] = {
    {"MathAnal", []() -> fw::Window& { return MathAnal::Instance(); }, 501, "Molar Volume"},
    {"MathAnalT", []() -> fw::Window& { return MathAnalT::Instance(); }, 1001, "Temperature"},
};

class AnalysisTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Globals::TK_global = 673.15;
    Globals::Vm_global = 30;
    Globals::PMPa_global = 100;
  }
  static void Calculate(fw::Window& w) { Click(w.Button("calculate")); }
};

// Each press appends a table; an activation empties it.
TEST_F(AnalysisTest, TwoPressesAppendTwoEqualTablesAndActivationEmptiesThem) {
  for (const Analysis& a : kAnalyses) {
    SCOPED_TRACE(a.name);
    fw::Window& w = a.open();
    fw::Listbox& list = w.List("ListBox1");
    Calculate(w);
    Calculate(w);
    ASSERT_EQ(list.ListCount(), 2 * a.rows);
    for (int i : {0, a.rows / 2, a.rows - 1}) {
      EXPECT_EQ(list.Cell(i, 0), list.Cell(i + a.rows, 0));
      EXPECT_EQ(list.Cell(i, 1), list.Cell(i + a.rows, 1));
    }
    Activate(w);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.Heading(0), a.heading0);
    EXPECT_EQ(list.Heading(1), "Zero-function");
  }
}

// No temperature for the one, no molar volume for the other: the equation
// gives 0 and every row shows minus the pressure.
TEST_F(AnalysisTest, WithoutStateEveryRowIsMinusThePressure) {
  Globals::TK_global = 0;
  Globals::Vm_global = 0;
  Globals::PMPa_global = 75;
  for (const Analysis& a : kAnalyses) {
    SCOPED_TRACE(a.name);
    fw::Window& w = a.open();
    Calculate(w);
    ASSERT_EQ(w.List("ListBox1").ListCount(), a.rows);
    for (int i = 0; i < a.rows; ++i) ASSERT_EQ(w.List("ListBox1").Cell(i, 1), "-75") << i;
  }
}

// A second press, and an activation, while the table fills leave it alone.
TEST_F(AnalysisTest, SecondPressOrActivationWhileTheTableFillsDoesNothingAndClosingStopsIt) {
  for (const Analysis& a : kAnalyses) {
    SCOPED_TRACE(a.name);
    fw::Window& w = a.open();
    fw::Listbox& list = w.List("ListBox1");
    int presses = 0;
    SetRuntimeYieldHook([&] {
      if (list.ListCount() == 10 && presses++ == 0) {
        Calculate(w);
        QTest::keyClick(w.Frame(), Qt::Key_Return);
        Activate(w);
      }
    });
    Calculate(w);
    EXPECT_EQ(list.ListCount(), a.rows);

    Activate(w);
    SetRuntimeYieldHook([&] {
      if (w.IsOpen() && list.ListCount() == 10) w.Close();
    });
    Calculate(w);  // returns once the fill has stopped
    SetRuntimeYieldHook({});
    EXPECT_EQ(list.ListCount(), 10);
    EXPECT_FALSE(w.IsOpen());
    ProcessDeferredDeletes();
    EXPECT_EQ(fw::LiveWindowCount(), 0);
  }
}

// Volumes by repeated multiplication from 1.01 × Vlimit, never Vlimit itself.
TEST_F(AnalysisTest, MolarVolumeRowsFollowTheRepeatedOnePerCentStep) {
  Globals::fraction = kWaterCO2;
  MathAnal& w = MathAnal::Instance();
  Calculate(w);
  const fw::Listbox& list = w.List("ListBox1");
  double V = Globals::Vlimit(kWaterCO2) * 1.01;
  EXPECT_EQ(list.Cell(0, 0), Str(V));
  EXPECT_EQ(list.Cell(0, 1), Str(Globals::Pressure(kWaterCO2, 673.15, V) - 100));
  for (int i = 1; i <= 500; ++i) V = V * 1.01;
  EXPECT_EQ(list.Cell(500, 0), Str(V));
  EXPECT_EQ(list.Cell(500, 1), Str(Globals::Pressure(kWaterCO2, 673.15, V) - 100));
}

// Temperatures as a running sum from 273.16 K (not 273.15) in steps of 1 K.
TEST_F(AnalysisTest, TemperatureRowsFollowTheRunningSum) {
  MathAnalT& w = MathAnalT::Instance();
  Calculate(w);
  const fw::Listbox& list = w.List("ListBox1");
  EXPECT_EQ(list.Cell(0, 0), "273.16");
  EXPECT_EQ(list.Cell(0, 1), Str(Globals::Pressure(kWater, 273.16, 30) - 100));
  double T = 273.16;
  for (int i = 1; i <= 1000; ++i) T = T + 1.0;
  EXPECT_EQ(list.Cell(1000, 0), Str(T));
  EXPECT_EQ(list.Cell(1000, 1), Str(Globals::Pressure(kWater, T, 30) - 100));
}

// As the user goes: in the opening window the two entries typed, the
// automatic first approach solved; then its analysis window opened and filled.
template <class Opener, class AnalysisWindow>
std::pair<double, AnalysisWindow*> SolveThenAnalyse(
    std::initializer_list<std::pair<const char*, const char*>> entries, const char* button) {
  Opener& o = Opener::Instance();
  o.Show();
  for (const auto& [field, text] : entries) Type(o.Field(field), text);
  Click(o.Radio("Choice0"));
  Click(o.Button("calculate"));
  Click(o.Button(button));
  AnalysisWindow* a = AnalysisWindow::OpenInstanceOf();
  if (a) Click(a->Button("calculate"));
  return {Val(o.Label("Result").Text()), a};
}

TEST_F(AnalysisTest, SignChangeBracketsTheValueSolvedInTheOpeningWindow) {
  Globals::fraction = kWaterCO2;
  const auto [Vm, volumes] = SolveThenAnalyse<VolumeWindow, MathAnal>(
      {{"dataEntryT", "673.15"}, {"dataEntryP", "100"}}, "Analysis1");
  ASSERT_GT(Vm, 0);
  ASSERT_NE(volumes, nullptr);
  EXPECT_TRUE(volumes->Frame()->isVisible());
  EXPECT_TRUE(SignChangeBrackets(volumes->List("ListBox1"), Vm)) << "Vm = " << Vm;

  Globals::fraction = kWater;
  const auto [T, temperatures] = SolveThenAnalyse<TemperatureWindow, MathAnalT>(
      {{"dataEntryV", "100"}, {"dataEntryP", "50"}}, "Analysis");
  ASSERT_GT(T, 0);
  ASSERT_NE(temperatures, nullptr);
  EXPECT_TRUE(temperatures->Frame()->isVisible());
  EXPECT_TRUE(SignChangeBrackets(temperatures->List("ListBox1"), T)) << "T = " << T;
}

}  // namespace
