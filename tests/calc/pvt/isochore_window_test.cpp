// The "Isochore" table driven through its controls.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include "app/framework/ValStr.h"
#include "app/framework/YieldHook.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/PressureWindow.h"
#include "calc/pvt/pvt_window_test.h"

namespace {

using fw::Str;
using pvt_test::Activate;
using pvt_test::Click;
using pvt_test::Column;
using pvt_test::kPureWater;
using pvt_test::Type;

class IsochoreTest : public pvt_test::PvtWindowTest {
 protected:
  void SetUp() override {
    PvtWindowTest::SetUp();
    Globals::Vm_global = 30;
  }
  Isochore& Open() {
    Isochore& w = Isochore::Instance();
    Activate(w);
    return w;
  }
  void Tabulate(Isochore& w, const QString& min, const QString& max, const QString& step) {
    Type(w.Field("minimum"), min);
    Type(w.Field("maximum"), max);
    Type(w.Field("interval"), step);
    Click(w.Button("calculate"));
  }
  // The pressures of the table, computed as the table accumulates its temperatures.
  static QStringList Pressures(double minC, double maxC, double step, double V) {
    QStringList p;
    const double Tmax = maxC + 273.15;
    for (double T = minC + 273.15 - step;;) {
      T = T + step;
      if (T > Tmax) break;
      p << Str(Globals::Pressure(kPureWater, T, V));
    }
    return p;
  }
};

TEST_F(IsochoreTest, ActivationShowsTheHandedOnVolumeDensityAndHeadings) {
  Isochore& w = Open();
  EXPECT_EQ(w.Title(), "Isochore");
  EXPECT_EQ(w.Label("ResultV").Text(), "30");
  EXPECT_EQ(w.Label("ResultV1").Text(), Str(Globals::Density(kPureWater, 30)));
  EXPECT_EQ(w.List("ListBox1").Heading(0), "Temperature (\u02DAC)");
  EXPECT_EQ(w.List("ListBox1").Heading(1), "Pressure (MPa)");
}

struct TableCase {
  const char* min;
  const char* max;
  const char* step;
  QStringList temperatures;
};

TEST_F(IsochoreTest, RowsFollowTheAccumulatedTemperature) {
  const TableCase cases[] = {
      {"100", "200", "50", {"100", "150", "200"}},
      {"100", "120", "30", {"100"}},
      // Ten rows: the eleventh step lands a rounding error above 1 ˚C.
      {"0", "1", "0.1", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
  };
  Isochore& w = Open();
  for (const TableCase& c : cases) {
    SCOPED_TRACE(std::string(c.min) + ".." + c.max + " by " + c.step);
    Tabulate(w, c.min, c.max, c.step);
    fw::Listbox& list = w.List("ListBox1");
    EXPECT_EQ(Column(list, 0), c.temperatures);
    EXPECT_EQ(Column(list, 1),
              Pressures(fw::Val(c.min), fw::Val(c.max), fw::Val(c.step), 30));
  }
}

TEST_F(IsochoreTest, TableFromAbsoluteZeroStartsWithPressureZero) {
  Isochore& w = Open();
  Tabulate(w, "-273.15", "0", "100");
  fw::Listbox& list = w.List("ListBox1");
  EXPECT_EQ(Column(list, 0), QStringList({"-273.15", "-173.15", "-73.15"}));
  EXPECT_EQ(list.Cell(0, 1), "0");
  EXPECT_EQ(list.Cell(1, 1), Str(Globals::Pressure(kPureWater, 100, 30)));
}

struct CheckCase {
  const char* min;
  const char* max;
  const char* step;
  bool minPut, maxPut, stepPut;
};

TEST_F(IsochoreTest, EachFailingFieldShowsPutNumberAndNoRowIsMade) {
  const CheckCase cases[] = {
      {"100", "100", "10", false, true, false},
      {"-300", "100", "10", true, false, false},
      {"-300", "-400", "0", true, true, true},
      {"100", "200", "", false, false, true},
      {"100", "200", "-5", false, false, true},
      {"", "", "10", false, true, false},  // an empty minimum is 0 ˚C; so is the maximum
      // Too small a step: over 100 000 rows, or one that never moves T.
      {"0", "1", "0.000001", false, false, true},
      {"1e300", "2e300", "1", false, false, true},
  };
  Isochore& w = Open();
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(std::string(c.min) + ".." + c.max + " by " + c.step);
    Tabulate(w, "0", "10", "5");
    ASSERT_EQ(w.List("ListBox1").ListCount(), 3);
    Tabulate(w, c.min, c.max, c.step);
    EXPECT_EQ(w.List("ListBox1").ListCount(), 0);
    EXPECT_EQ(w.Field("minimum").Text(), c.minPut ? "put number" : c.min);
    EXPECT_EQ(w.Field("maximum").Text(), c.maxPut ? "put number" : c.max);
    EXPECT_EQ(w.Field("interval").Text(), c.stepPut ? "put number" : c.step);
    EXPECT_EQ(w.Label("filename0").Text(), "");
    EXPECT_EQ(w.Label("filename1").Text(), "");
  }
}

TEST_F(IsochoreTest, PutNumberIsReadAsZeroOnTheNextPress) {
  Isochore& w = Open();
  Tabulate(w, "100", "200", "");
  ASSERT_EQ(w.Field("interval").Text(), "put number");
  Click(w.Button("calculate"));
  EXPECT_EQ(w.Field("interval").Text(), "put number");
  EXPECT_EQ(w.List("ListBox1").ListCount(), 0);
}

TEST_F(IsochoreTest, VolumeWithoutPressureIsRefusedWithAMessage) {
  for (const double V : {0.0, 7.0, Globals::Vlimit(kPureWater), 7.12}) {
    SCOPED_TRACE(V);
    Globals::Vm_global = V;
    Isochore& w = Open();
    Tabulate(w, "100", "200", "50");
    EXPECT_EQ(w.List("ListBox1").ListCount(), 0);
    EXPECT_EQ(w.Label("filename0").Text(), "volume too small");
    EXPECT_EQ(w.Label("filename1").Text(), "");
  }
}

TEST_F(IsochoreTest, ReactivationEmptiesTableAndFileNoteButKeepsTheFields) {
  Isochore& w = Open();
  Tabulate(w, "100", "200", "50");
  ASSERT_EQ(w.List("ListBox1").ListCount(), 3);
  Globals::Vm_global = 40;
  Activate(w);
  EXPECT_EQ(w.List("ListBox1").ListCount(), 0);
  EXPECT_EQ(w.Label("ResultV").Text(), "40");
  EXPECT_EQ(w.Field("minimum").Text(), "100");
  EXPECT_EQ(w.Field("maximum").Text(), "200");
  EXPECT_EQ(w.Field("interval").Text(), "50");
  EXPECT_EQ(w.Label("filename0").Text(), "");
}

TEST_F(IsochoreTest, VolumeIsReadWhenCalculatePressedNotAtActivation) {
  Isochore& w = Open();
  Globals::Vm_global = 50;
  Tabulate(w, "500", "500.5", "1");
  EXPECT_EQ(w.List("ListBox1").Cell(0, 1), Str(Globals::Pressure(kPureWater, 773.15, 50)));
}

// A user's check by hand: water at unit density, 573.15 K, in both windows.
TEST_F(IsochoreTest, IsochoreReproducesThePressuresWindowAt300Celsius) {
  PressureWindow& p = PressureWindow::Instance();
  Type(p.Field("dataEntry"), "18.01528");
  Type(p.Field("dataEntry1"), "573.15");
  Click(p.Button("calculate"));
  EXPECT_EQ(p.Label("Density").Text(), "corresponding density = 1 g/cm3");
  const QString pressure = p.Label("Result").Text();
  ASSERT_NE(pressure, "");
  Click(p.Button("PushButton1"));
  Isochore& w = Open();
  EXPECT_EQ(w.Label("ResultV1").Text(), "1");
  Tabulate(w, "300", "301", "1");
  EXPECT_EQ(w.List("ListBox1").Cell(0, 0), "300");
  EXPECT_EQ(w.List("ListBox1").Cell(0, 1), pressure);
}

// Yields of a running table, turned into the user's actions.
void OnYield(std::function<void(int)> action) {
  auto count = std::make_shared<int>(0);
  SetRuntimeYieldHook([count, action] { action(++*count); });
}

TEST_F(IsochoreTest, ClosingTheWindowStopsARunningTable) {
  Isochore& w = Open();
  int rowsWhenClosed = -1;
  OnYield([&](int n) {
    if (n == 40 && w.IsOpen()) {
      rowsWhenClosed = w.List("ListBox1").ListCount();
      w.Close();
    }
  });
  Tabulate(w, "0", "1000", "1");
  ASSERT_GE(rowsWhenClosed, 0);
  EXPECT_LE(w.List("ListBox1").ListCount(), rowsWhenClosed + 1);
  EXPECT_FALSE(w.Running());
  SetRuntimeYieldHook({});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Isochore::OpenInstanceOf(), nullptr);
}

TEST_F(IsochoreTest, NoSecondTableOrExportStartsWhileATableRuns) {
  pvt_test::DocumentsFolder documents;
  Isochore& w = Open();
  int pressed = 0;
  OnYield([&](int n) {
    if (n != 20) return;
    ++pressed;
    Type(w.Field("interval"), "100");
    Click(w.Button("calculate"));
    Click(w.Button("Export"));
  });
  Tabulate(w, "0", "50", "1");
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(w.List("ListBox1").ListCount(), 51);
  EXPECT_EQ(w.Label("filename0").Text(), "");
  EXPECT_FALSE(QFileInfo::exists(documents.Path() + "/30.txt"));
}

// The program's own yield, which lets Qt run pending events: a close queued
// before the table starts arrives at its first yield.
TEST_F(IsochoreTest, ClosingThroughTheEventLoopStopsTableAndExport) {
  pvt_test::DocumentsFolder documents;
  for (const char* button : {"calculate", "Export"}) {
    SCOPED_TRACE(button);
    Isochore& w = Open();
    QPointer<QObject> alive(&w);
    Type(w.Field("minimum"), "0");
    Type(w.Field("maximum"), "50000");
    Type(w.Field("interval"), "1");
    fw::InstallRuntimeYield(0);
    QTimer::singleShot(0, &w, [&w] { w.Close(); });
    Click(w.Button(button));
    fw::RemoveRuntimeYield();
    EXPECT_FALSE(w.IsOpen());
    EXPECT_LE(w.List("ListBox1").ListCount(), 1);
    EXPECT_EQ(w.Label("filename0").Text(), "");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
  }
  EXPECT_TRUE(QDir(documents.Path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
