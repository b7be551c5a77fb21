// The molar-volume "Mathematical Analysis" window driven through its controls.
#include <QString>

#include "app/framework/ValStr.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/VolumeWindow.h"
#include "calc/pvt/window_driving.h"

using namespace driving;
using fw::Str;

namespace {

class MathAnalTest : public WindowTest {
 protected:
  MathAnal& w = MathAnal::Instance();
  fw::Listbox& list = w.List("ListBox1");

  void Calculate() { Click(w.Button("calculate")); }
};

TEST_F(MathAnalTest, ActivationEmptiesTheTableAndWritesTheHeadings) {
  EXPECT_EQ(w.Title(), "Mathematical Analysis");
  EXPECT_EQ(w.Width(), 260);
  EXPECT_EQ(w.Height(), 430);
  EXPECT_EQ(w.Label("StaticText2").Text(),
            "Zero function = p(v,T,x) - Pressure\rvariable molar volume");
  Calculate();
  ASSERT_EQ(list.ListCount(), 501);
  Activate(w);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.Heading(0), "Molar Volume");
  EXPECT_EQ(list.Heading(1), "Zero-function");
}

// Volumes by repeated multiplication from 1.01 × Vlimit: the first row is
// never Vlimit itself.
TEST_F(MathAnalTest, FirstAndLastRowsFollowTheRepeatedOnePerCentStep) {
  Globals::fraction = kWaterCO2;
  Globals::TK_global = 673.15;
  Globals::PMPa_global = 100;
  Calculate();
  ASSERT_EQ(list.ListCount(), 501);
  double V = Globals::Vlimit(kWaterCO2) * 1.01;
  EXPECT_EQ(list.Cell(0, 0), Str(V));
  EXPECT_EQ(list.Cell(0, 1), Str(Globals::Pressure(kWaterCO2, 673.15, V) - 100));
  for (int i = 1; i <= 500; ++i) V = V * 1.01;
  EXPECT_EQ(list.Cell(500, 0), Str(V));
  EXPECT_EQ(list.Cell(500, 1), Str(Globals::Pressure(kWaterCO2, 673.15, V) - 100));
}

TEST_F(MathAnalTest, WithoutTemperatureEveryRowIsMinusThePressure) {
  Globals::TK_global = 0;
  Globals::PMPa_global = 100;
  Calculate();
  ASSERT_EQ(list.ListCount(), 501);
  for (int i = 0; i < 501; ++i) ASSERT_EQ(list.Cell(i, 1), Str(-100.0)) << "row " << i;
}

TEST_F(MathAnalTest, TwoPressesAppendTwoEqualTables) {
  Globals::TK_global = 673.15;
  Globals::PMPa_global = 100;
  Calculate();
  Calculate();
  ASSERT_EQ(list.ListCount(), 1002);
  for (int i : {0, 250, 500}) {
    EXPECT_EQ(list.Cell(i, 0), list.Cell(i + 501, 0));
    EXPECT_EQ(list.Cell(i, 1), list.Cell(i + 501, 1));
  }
}

// From the Molar Volumes window, as the user goes: the temperature and
// pressure typed there, the molar volume solved there.
TEST_F(MathAnalTest, SignChangeBracketsTheMolarVolumeSolvedInMolarVolumes) {
  Globals::fraction = kWaterCO2;
  VolumeWindow& v = VolumeWindow::Instance();
  Type(v.Field("dataEntryT"), "673.15");
  Type(v.Field("dataEntryP"), "100");
  Click(v.Radio("Choice0"));
  Click(v.Button("calculate"));
  const double Vm = fw::Val(v.Label("Result").Text());
  ASSERT_GT(Vm, 0);
  Click(v.Button("Analysis1"));
  ASSERT_EQ(MathAnal::OpenInstanceOf(), &w);
  Calculate();
  const std::vector<int> changes = SignChanges(list);
  ASSERT_FALSE(changes.empty());
  bool bracketed = false;
  for (int i : changes)
    bracketed |= fw::Val(list.Cell(i, 0)) <= Vm && Vm <= fw::Val(list.Cell(i + 1, 0));
  EXPECT_TRUE(bracketed) << "Vm = " << Vm;
}

TEST_F(MathAnalTest, SecondPressWhileTheTableFillsDoesNothing) {
  Globals::TK_global = 673.15;
  Globals::PMPa_global = 100;
  int presses = 0;
  SetRuntimeYieldHook([&] {
    if (list.ListCount() == 10 && presses == 0) {
      ++presses;
      Calculate();
      QTest::keyClick(w.Frame(), Qt::Key_Return);
    }
  });
  Calculate();
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(list.ListCount(), 501);
}

TEST_F(MathAnalTest, ClosingTheWindowMidFillStopsTheFill) {
  Globals::TK_global = 673.15;
  Globals::PMPa_global = 100;
  int rowsAtClose = -1;
  SetRuntimeYieldHook([&] {
    if (rowsAtClose < 0 && list.ListCount() == 10) {
      rowsAtClose = list.ListCount();
      w.Close();
    }
  });
  Calculate();  // returns once the fill has stopped
  EXPECT_EQ(rowsAtClose, 10);
  EXPECT_EQ(list.ListCount(), 10);
  EXPECT_EQ(MathAnal::OpenInstanceOf(), nullptr);
  ProcessDeferredDeletes();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
}

}  // namespace
