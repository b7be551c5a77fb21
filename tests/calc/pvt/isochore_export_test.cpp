// The isochore export file, written through the window's "export" button.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "app/framework/ValStr.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/pvt_window_test.h"

namespace {

using fw::Str;
using pvt_test::Activate;
using pvt_test::Click;
using pvt_test::kPureWater;
using pvt_test::Type;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

class IsochoreExportTest : public pvt_test::PvtWindowTest {
 protected:
  void SetUp() override {
    PvtWindowTest::SetUp();
    Globals::Vm_global = 18.01528;
    w = &Isochore::Instance();
    Activate(*w);
  }
  void Export(const QString& min, const QString& max, const QString& step) {
    Type(w->Field("minimum"), min);
    Type(w->Field("maximum"), max);
    Type(w->Field("interval"), step);
    Click(w->Button("Export"));
  }
  QString Note() const { return w->Label("filename0").Text(); }
  QString Name() const { return w->Label("filename1").Text(); }
  QStringList FilesInDocuments() const {
    return QDir(documents.Path()).entryList(QDir::Files | QDir::Hidden);
  }

  pvt_test::DocumentsFolder documents;
  Isochore* w = nullptr;
};

TEST_F(IsochoreExportTest, SmallTableGivesExactlyTheseBytes) {
  Export("100", "200", "50");
  const QString path = documents.Path() + "/18.01528.txt";
  EXPECT_EQ(Note(), "data is available in:");
  EXPECT_EQ(Name(), "18.01528.txt");
  EXPECT_EQ(w->Label("filename1").Label()->toolTip(), path);

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
    const double P = Globals::Pressure(kPureWater, T, 18.01528);
    ASSERT_GT(P, 0);
    expected += QByteArray(celsius) + ", " + Str(P).toLatin1() + "\n";
  }
  const QByteArray written = ReadAll(path);
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.count('\n'), 18);
  EXPECT_FALSE(written.contains('\r'));
  EXPECT_EQ(FilesInDocuments(), QStringList({"18.01528.txt"}));
}

TEST_F(IsochoreExportTest, ExportFollowsTheFieldsNotTheList) {
  Type(w->Field("minimum"), "100");
  Type(w->Field("maximum"), "200");
  Type(w->Field("interval"), "50");
  Click(w->Button("calculate"));
  ASSERT_EQ(w->List("ListBox1").ListCount(), 3);
  Export("0", "1", "0.1");
  EXPECT_EQ(w->List("ListBox1").ListCount(), 3);
  const QList<QByteArray> lines = ReadAll(documents.Path() + "/18.01528.txt").split('\n');
  ASSERT_EQ(lines.size(), 15 + 10 + 1);  // the last line feed leaves an empty tail
  EXPECT_TRUE(lines[15].startsWith("0, "));
  EXPECT_TRUE(lines[24].startsWith("0.9, "));
  EXPECT_EQ(lines[25], "");
}

TEST_F(IsochoreExportTest, FailedCheckWritesNothingAndReportsNothing) {
  for (const auto& [min, max, step] : {std::tuple{"100", "200", ""}, {"100", "200", "0"},
                                       {"100", "100", "10"}, {"-300", "0", "10"},
                                       {"0", "1", "0.000001"}}) {
    SCOPED_TRACE(std::string(min) + ".." + max + " by " + step);
    Export(min, max, step);
    EXPECT_EQ(Note(), "");
    EXPECT_EQ(Name(), "");
    EXPECT_TRUE(FilesInDocuments().isEmpty());
  }
}

TEST_F(IsochoreExportTest, VolumeWithoutPressureWritesNoFile) {
  for (const double V : {0.0, 5.0, 7.12}) {
    Globals::Vm_global = V;
    Export("100", "200", "50");
    EXPECT_EQ(Note(), "volume too small");
    EXPECT_EQ(Name(), "");
    EXPECT_TRUE(FilesInDocuments().isEmpty());
  }
}

TEST_F(IsochoreExportTest, UnusableFolderShowsFailureNotSuccess) {
  documents.MakeUnusable();
  Export("100", "200", "50");
  EXPECT_EQ(Note(), "could not write:");
  EXPECT_EQ(Name(), "18.01528.txt");
}

// The process may write files of at most `bytes` while it lives; a longer
// write fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(IsochoreExportTest, FailedWriteKeepsTheEarlierFileAndLeavesNoPartOne) {
  Export("100", "200", "50");
  const QString path = documents.Path() + "/18.01528.txt";
  const QByteArray good = ReadAll(path);
  ASSERT_EQ(good.count('\n'), 18);
  {
    FileSizeLimit limit(1000);
    Export("0", "100", "1");
  }
  EXPECT_EQ(Note(), "could not write:");
  EXPECT_EQ(Name(), "18.01528.txt");
  EXPECT_EQ(ReadAll(path), good);
  EXPECT_EQ(FilesInDocuments(), QStringList({"18.01528.txt"}));
}

TEST_F(IsochoreExportTest, NameTakenByAFolderShowsFailureAndLeavesNoPartFile) {
  ASSERT_TRUE(QDir().mkpath(documents.Path() + "/18.01528.txt"));
  Export("100", "200", "50");
  EXPECT_EQ(Note(), "could not write:");
  EXPECT_EQ(Name(), "18.01528.txt");
  EXPECT_TRUE(FilesInDocuments().isEmpty());
  EXPECT_TRUE(QFileInfo(documents.Path() + "/18.01528.txt").isDir());
}

TEST_F(IsochoreExportTest, ClosingTheWindowMidExportLeavesTheEarlierFile) {
  Export("100", "200", "50");
  const QString path = documents.Path() + "/18.01528.txt";
  const QByteArray good = ReadAll(path);
  auto count = std::make_shared<int>(0);
  Isochore* window = w;
  SetRuntimeYieldHook([count, window] {
    if (++*count == 30) window->Close();
  });
  Export("0", "500", "1");
  SetRuntimeYieldHook({});
  EXPECT_FALSE(window->IsOpen());
  EXPECT_EQ(ReadAll(path), good);
  EXPECT_EQ(FilesInDocuments(), QStringList({"18.01528.txt"}));
}

TEST_F(IsochoreExportTest, NoTableStartsWhileAnExportRuns) {
  auto count = std::make_shared<int>(0);
  Isochore* window = w;
  SetRuntimeYieldHook([count, window] {
    if (++*count == 30) {
      Type(window->Field("interval"), "25");
      Click(window->Button("calculate"));
    }
  });
  Export("100", "200", "1");
  SetRuntimeYieldHook({});
  EXPECT_EQ(w->List("ListBox1").ListCount(), 0);
  EXPECT_EQ(Note(), "data is available in:");
  EXPECT_EQ(ReadAll(documents.Path() + "/18.01528.txt").count('\n'), 15 + 101);
}

}  // namespace
