// The temperature "Mathematical Analysis" window driven through its controls.
#include <QString>

#include "app/framework/ValStr.h"
#include "calc/pvt/MathAnalT.h"
#include "calc/pvt/TemperatureWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;
using fw::Str;

namespace {

class MathAnalTTest : public WindowTest {
 protected:
  MathAnalT& w = MathAnalT::Instance();
  fw::Listbox& list = w.List("ListBox1");

  void Calculate() { Click(w.Button("calculate")); }
};

TEST_F(MathAnalTTest, ActivationEmptiesTheTableAndWritesTheHeadings) {
  EXPECT_EQ(w.Title(), "Mathematical Analysis");
  EXPECT_EQ(w.Width(), 260);
  EXPECT_EQ(w.Height(), 425);
  EXPECT_EQ(w.Label("StaticText1").Text(),
            "Zero function = p(v,T,x) - Pressure\rvariable temperature");
  Calculate();
  ASSERT_EQ(list.ListCount(), 1001);
  Activate(w);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.Heading(0), "Temperature");
  EXPECT_EQ(list.Heading(1), "Zero-function");
}

// Temperatures as a running sum from 273.16 K (not 273.15) in steps of 1 K.
TEST_F(MathAnalTTest, FirstAndLastRowsFollowTheRunningSum) {
  Globals::Vm_global = 30;
  Globals::PMPa_global = 100;
  Calculate();
  ASSERT_EQ(list.ListCount(), 1001);
  EXPECT_EQ(list.Cell(0, 0), "273.16");
  EXPECT_EQ(list.Cell(0, 1), Str(Globals::Pressure(kWater, 273.16, 30) - 100));
  double T = 273.16;
  for (int i = 1; i <= 1000; ++i) T = T + 1.0;
  EXPECT_EQ(list.Cell(1000, 0), Str(T));
  EXPECT_EQ(list.Cell(1000, 1), Str(Globals::Pressure(kWater, T, 30) - 100));
}

TEST_F(MathAnalTTest, WithoutMolarVolumeEveryRowIsMinusThePressure) {
  Globals::Vm_global = 0;
  Globals::PMPa_global = 75;
  Calculate();
  ASSERT_EQ(list.ListCount(), 1001);
  for (int i = 0; i < 1001; ++i) ASSERT_EQ(list.Cell(i, 1), Str(-75.0)) << "row " << i;
}

TEST_F(MathAnalTTest, TwoPressesAppendTwoEqualTables) {
  Globals::Vm_global = 30;
  Globals::PMPa_global = 100;
  Calculate();
  Calculate();
  ASSERT_EQ(list.ListCount(), 2002);
  for (int i : {0, 500, 1000}) {
    EXPECT_EQ(list.Cell(i, 0), list.Cell(i + 1001, 0));
    EXPECT_EQ(list.Cell(i, 1), list.Cell(i + 1001, 1));
  }
}

// From the Temperatures window, as the user goes: the molar volume and
// pressure typed there, the temperature solved there.
TEST_F(MathAnalTTest, SignChangeBracketsTheTemperatureSolvedInTemperatures) {
  TemperatureWindow& t = TemperatureWindow::Instance();
  t.Show();
  Type(t.Field("dataEntryV"), "100");
  Type(t.Field("dataEntryP"), "50");
  Click(t.Radio("Choice0"));
  Click(t.Button("calculate"));
  const double T = fw::Val(t.Label("Result").Text());
  ASSERT_GT(T, 0);
  Click(t.Button("Analysis"));
  ASSERT_EQ(MathAnalT::OpenInstanceOf(), &w);
  Calculate();
  const std::vector<int> changes = SignChanges(list);
  ASSERT_FALSE(changes.empty());
  bool bracketed = false;
  for (int i : changes)
    bracketed |= fw::Val(list.Cell(i, 0)) <= T && T <= fw::Val(list.Cell(i + 1, 0));
  EXPECT_TRUE(bracketed) << "T = " << T;
}

TEST_F(MathAnalTTest, EditInTheTemperaturesWindowChangesTheRowsAfterIt) {
  TemperatureWindow& t = TemperatureWindow::Instance();
  Type(t.Field("dataEntryV"), "30");
  Type(t.Field("dataEntryP"), "100");
  SetRuntimeYieldHook([&] {
    if (list.ListCount() == 100 && t.Field("dataEntryP").Text() == "100")
      Type(t.Field("dataEntryP"), "200");
  });
  Calculate();
  ASSERT_EQ(list.ListCount(), 1001);
  EXPECT_EQ(list.Cell(99, 1), Str(Globals::Pressure(kWater, 273.16 + 99, 30) - 100));
  EXPECT_EQ(list.Cell(100, 1), Str(Globals::Pressure(kWater, 273.16 + 100, 30) - 200));
}

TEST_F(MathAnalTTest, SecondPressWhileTheTableFillsDoesNothing) {
  Globals::Vm_global = 30;
  Globals::PMPa_global = 100;
  int presses = 0;
  SetRuntimeYieldHook([&] {
    if (list.ListCount() == 10 && presses == 0) {
      ++presses;
      Calculate();
    }
  });
  Calculate();
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(list.ListCount(), 1001);
}

TEST_F(MathAnalTTest, ClosingTheWindowMidFillStopsTheFill) {
  Globals::Vm_global = 30;
  Globals::PMPa_global = 100;
  int rowsAtClose = -1;
  SetRuntimeYieldHook([&] {
    if (rowsAtClose < 0 && list.ListCount() == 10) {
      rowsAtClose = list.ListCount();
      w.Close();
    }
  });
  Calculate();
  EXPECT_EQ(rowsAtClose, 10);
  EXPECT_EQ(list.ListCount(), 10);
  EXPECT_EQ(MathAnalT::OpenInstanceOf(), nullptr);
  ProcessDeferredDeletes();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

}  // namespace
