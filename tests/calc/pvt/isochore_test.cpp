// The "Isochore" window driven through its controls: its table, its export
// file, and what both share: the checks of the fields and of the molar
// volume, and one run at a time.
#include <string>

#include <sys/stat.h>

#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include "app/framework/YieldHook.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/window_driving.h"
#include "fluid/lowest_volume.h"
#include "tests/app/framework/file_size_limit.h"

using namespace driving;

namespace {

class IsochoreTest : public Driving<Isochore> {
 protected:
  void SetUp() override {
    Driving::SetUp();
    Globals::Vm_global = 30;
    Activate(w);
  }
  void Enter(const QString& min, const QString& max, const QString& step) {
    Put("minimum", min);
    Put("maximum", max);
    Put("interval", step);
  }
  void Tabulate(const QString& min, const QString& max, const QString& step) {
    Enter(min, max, step);
    Press("calculate");
  }

  DocumentsFolder documents;
  fw::Listbox& list = w.List("ListBox1");
};

TEST_F(IsochoreTest, ActivationShowsTheVolumeAndEmptiesTheTableButKeepsTheFields) {
  EXPECT_EQ(Shown("ResultV"), "30");
  EXPECT_EQ(Shown("ResultV1"), Str(Globals::Density(kWater, 30)));
  Tabulate("100", "200", "50");
  ASSERT_EQ(list.ListCount(), 3);
  Globals::Vm_global = 0;
  Activate(w);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.Heading(0), "Temperature (\u02DAC)");
  EXPECT_EQ(list.Heading(1), "Pressure (MPa)");
  EXPECT_EQ(Shown("ResultV"), "0");
  EXPECT_EQ(Shown("ResultV1"), "0");
  EXPECT_EQ(Shown("filename0"), "");
  EXPECT_EQ(w.Field("minimum").Text(), "100");
  EXPECT_EQ(w.Field("maximum").Text(), "200");
  EXPECT_EQ(w.Field("interval").Text(), "50");
}

// The temperature is accumulated by repeated addition; a row is made while
// it is not above the maximum, so a last step a rounding error above gives none.
TEST_F(IsochoreTest, RowsFollowTheAccumulatedTemperature) {
  const struct {
    const char* min;
    const char* max;
    const char* step;
    QStringList temperatures;
  } cases[] = {
      {"100", "200", "50", {"100", "150", "200"}},
      {"100", "120", "30", {"100"}},
      {"0", "1", "0.1", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.min) + ".." + c.max + " by " + c.step);
    Tabulate(c.min, c.max, c.step);
    EXPECT_EQ(Column(list, 0), c.temperatures);
    QStringList pressures;
    const double Tmax = Val(c.max) + 273.15;
    for (double T = Val(c.min) + 273.15 - Val(c.step);;) {
      T = T + Val(c.step);
      if (T > Tmax) break;
      pressures << Str(Globals::Pressure(kWater, T, 30));
    }
    EXPECT_EQ(Column(list, 1), pressures);
  }
}

TEST_F(IsochoreTest, VolumeIsReadWhenCalculatePressedNotAtActivation) {
  Globals::Vm_global = 50;
  Tabulate("500", "500.5", "1");
  EXPECT_EQ(list.Cell(0, 1), Str(Globals::Pressure(kWater, 773.15, 50)));
}

// Each failing field says "put number"; neither a table nor a file is made,
// and nothing claims data are available.
TEST_F(IsochoreTest, FailedChecksGiveNoTableAndNoFile) {
  // Which fields fail, as "min max step": a field without a number, a
  // minimum at or below absolute zero, a maximum not above a minimum, a step
  // that gives over 100 000 rows or never moves T.
  const QStringList cases[] = {
      {"100", "100", "10", "-x-"},   {"-300", "100", "10", "x--"}, {"-300", "-400", "0", "xxx"},
      {"100", "200", "", "--x"},     {"100", "200", "-5", "--x"},  {"100", "200", "0", "--x"},
      {"", "", "10", "xx-"},         {"0", "1", "0.000001", "--x"}, {"1e300", "2e300", "1", "xx-"},
      {"abc", "100", "10", "x--"},   {",", "-100", "10", "x--"},  {"-100", "1,5", "nan", "-xx"},
      {"", "100", "10", "x--"},      {"-273.15", "100", "10", "x--"},
  };
  for (const std::string button : {"calculate", "Export"}) {
    for (const QStringList& c : cases) {
      SCOPED_TRACE(button + " " + c.join(" ").toStdString());
      Tabulate("0", "10", "5");
      ASSERT_EQ(list.ListCount(), 3);
      Enter(c[0], c[1], c[2]);
      Press(button.c_str());
      EXPECT_EQ(list.ListCount(), button == "Export" ? 3 : 0);
      const char* fields[] = {"minimum", "maximum", "interval"};
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.Field(fields[i]).Text(), c[3][i] == 'x' ? "put number" : c[i]) << fields[i];
      EXPECT_EQ(Shown("filename0") + Shown("filename1"), "");
      EXPECT_TRUE(documents.Files().isEmpty());
    }
  }
  // "put number" reads as 0 on the next press.
  Tabulate("100", "200", "");
  Press("calculate");
  EXPECT_EQ(w.Field("interval").Text(), "put number");
  EXPECT_EQ(list.ListCount(), 0);
}

// No pressure at or below the lowest admissible volume, which for water lies
// a little above the minimum the Pressures window shows.
TEST_F(IsochoreTest, VolumeWithoutPressureIsRefusedWithAMessage) {
  const Globals::LowestVolumes lowest = Globals::LowestVolumesOf(kWater);
  for (const double V : {0.0, 7.0, lowest.limit, 7.12, lowest.repulsive}) {
    for (const char* button : {"calculate", "Export"}) {
      SCOPED_TRACE(testing::Message() << button << " V = " << V);
      Globals::Vm_global = V;
      Enter("100", "200", "50");
      Press(button);
      EXPECT_EQ(list.ListCount(), 0);
      EXPECT_EQ(Shown("filename0"), "volume too small");
      EXPECT_TRUE(FitsItsLabel(w.Label("filename0")));
      EXPECT_EQ(Shown("filename1"), "");
      EXPECT_TRUE(documents.Files().isEmpty());
    }
  }
}

// Presses at the 20th yield of a run: neither a table nor an export starts,
// and an activation leaves the table and the export alone.
TEST_F(IsochoreTest, NoSecondTableOrExportStartsWhileOneRuns) {
  for (const std::string running : {"calculate", "Export"}) {
    SCOPED_TRACE(running);
    Activate(w);
    Enter("0", "50", "1");
    int pressed = 0;
    OnYield([&](int n) {
      if (n != 20) return;
      ++pressed;
      Type(w.Field("interval"), "25");
      Press("calculate");
      Press("Export");
      Activate(w);
    });
    Click(w.Button(running));
    SetRuntimeYieldHook({});
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(w.Running());
    if (running == "calculate") {
      EXPECT_EQ(list.ListCount(), 51);
      EXPECT_EQ(Shown("filename0"), "");
      EXPECT_TRUE(documents.Files().isEmpty());
    } else {
      EXPECT_EQ(list.ListCount(), 0);
      EXPECT_EQ(Shown("filename0"), "data is available in:");
      EXPECT_EQ(documents.Read("30.txt").count('\n'), 15 + 51);
    }
  }
}

// Through the program's own yield, which lets Qt run pending events: a close
// queued before the run arrives at its first yield. An earlier export stays.
TEST_F(IsochoreTest, ClosingTheWindowStopsTableAndExportCleanly) {
  Tabulate("100", "200", "50");
  Press("Export");
  const QByteArray good = documents.Read("30.txt");
  ASSERT_EQ(good.count('\n'), 15 + 3);
  for (const char* button : {"calculate", "Export"}) {
    SCOPED_TRACE(button);
    Isochore& iso = Isochore::Instance();
    Activate(iso);
    QPointer<QObject> alive(&iso);
    Type(iso.Field("minimum"), "0");
    Type(iso.Field("maximum"), "50000");
    Type(iso.Field("interval"), "1");
    fw::InstallRuntimeYield(0);
    QTimer::singleShot(0, &iso, [&iso] { iso.Close(); });
    Click(iso.Button(button));
    fw::RemoveRuntimeYield();
    EXPECT_FALSE(iso.IsOpen());
    EXPECT_FALSE(iso.Running());
    EXPECT_LE(iso.List("ListBox1").ListCount(), 1);
    EXPECT_EQ(iso.Label("filename0").Text(), "");
    ProcessDeferredDeletes();
    EXPECT_TRUE(alive.isNull());
  }
  EXPECT_EQ(documents.Read("30.txt"), good);
  EXPECT_EQ(documents.Files(), QStringList({"30.txt"}));
}

// The export file of the same window, named after the molar volume.
class IsochoreExportTest : public IsochoreTest {
 protected:
  void SetUp() override {
    IsochoreTest::SetUp();
    Globals::Vm_global = 18.01528;
  }
  void Export(const QString& min, const QString& max, const QString& step) {
    Enter(min, max, step);
    Press("Export");
  }
  QByteArray Written() const { return documents.Read("18.01528.txt"); }
  void ExpectFailureShown() {
    EXPECT_EQ(Shown("filename0"), "could not write:");
    EXPECT_EQ(Shown("filename1"), "18.01528.txt");
  }

  const QString path = documents.Path() + "/18.01528.txt";
};

// In the user's documents folder, lines ending in a line feed; the export
// follows the fields, not the list.
TEST_F(IsochoreExportTest, SmallTableGivesExactlyTheseBytes) {
  Put("minimum", "0");
  Put("maximum", "1");
  Put("interval", "0.1");
  Press("calculate");
  Export("100", "200", "50");
  EXPECT_EQ(w.List("ListBox1").ListCount(), 10);
  EXPECT_EQ(Shown("filename0"), "data is available in:");
  EXPECT_EQ(Shown("filename1"), "18.01528.txt");
  EXPECT_EQ(w.Label("filename1").Label()->toolTip(), path);

  QByteArray expected =
      "H2O-CO2-CH4-NaCl-KCl\n"
      "references:\n"
      "Duzoror & Vozira (1993) GCA, 57, 1675-1680*\n"
      "Duzoror & Vozira (1993) GCA, 57, 4885-4897*\n"
      "*note: include abundant typographical errors in equations\n"
      "*note: the correct equations were obtained by personal communication\n"
      "Duan et al. (1995) GCA, 59, 2869-2882*\n"
      "Duan et al. (2003) GCA, 67, 671-680*\n"
      "*note: contain major errors and manipulated diagrams\n"
      "\n"
      "18.01528 cm3/mol\n"
      "1 g/cm3\n"
      "\n"
      "Temperature, Pressure\n"
      "(Celsius), (MPa)\n";
  // 373.15 K, then 50 K steps added one after another.
  double T = 373.15 - 50;
  for (const char* celsius : {"100", "150", "200"}) {
    T = T + 50;
    const double P = Globals::Pressure(kWater, T, 18.01528);
    ASSERT_GT(P, 0);
    expected += QByteArray(celsius) + ", " + Str(P).toLatin1() + "\n";
  }
  EXPECT_EQ(Written(), expected);
  EXPECT_EQ(documents.Files(), QStringList({"18.01528.txt"}));

}

TEST_F(IsochoreExportTest, UnusableFolderShowsFailureNotSuccess) {
  documents.MakeUnusable();
  Export("100", "200", "50");
  ExpectFailureShown();
}

TEST_F(IsochoreExportTest, FailedWriteKeepsTheEarlierFileAndLeavesNoPartOne) {
  Export("100", "200", "50");
  const QByteArray good = Written();
  ASSERT_EQ(good.count('\n'), 18);
  {
    FileSizeLimit limit(1000);
    Export("0", "100", "1");
  }
  ExpectFailureShown();
  EXPECT_EQ(Written(), good);
  EXPECT_EQ(documents.Files(), QStringList({"18.01528.txt"}));
}

// A new file gets the mode of the user's umask; a replaced one keeps its
// mode; a read-only one is not replaced.
TEST_F(IsochoreExportTest, FileModesFollowTheUmaskAndAReadOnlyFileStaysAsItWas) {
  const auto mode = [this] {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 0777;
  };
  const mode_t umaskBefore = ::umask(0);
  for (const mode_t umask : {022, 077, 002}) {
    ::umask(umask);
    QFile::remove(path);
    Export("100", "200", "50");
    EXPECT_EQ(mode(), 0666 & ~umask) << std::oct << umask;
  }
  ::umask(022);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
  Export("100", "150", "50");
  EXPECT_EQ(mode(), 0604u);
  ASSERT_EQ(Written().count('\n'), 15 + 2);

  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  Export("100", "200", "50");
  ExpectFailureShown();
  EXPECT_EQ(Written().count('\n'), 15 + 2);
  EXPECT_EQ(mode(), 0444u);
  EXPECT_EQ(documents.Files(), QStringList({"18.01528.txt"}));
  ::umask(umaskBefore);
}

TEST_F(IsochoreExportTest, NameTakenByAFolderShowsFailureAndLeavesNoPartFile) {
  ASSERT_TRUE(QDir().mkpath(path));
  Export("100", "200", "50");
  ExpectFailureShown();
  EXPECT_TRUE(documents.Files().isEmpty());
  EXPECT_TRUE(QFileInfo(path).isDir());
}

}  // namespace
