// The isochore export file, written through the window's "export" button.
#include <sys/resource.h>

#include <csignal>

#include <QFileInfo>

#include "calc/pvt/Isochore.h"
#include "calc/pvt/window_driving.h"

using namespace driving;

namespace {

class IsochoreExportTest : public Driving<Isochore> {
 protected:
  void SetUp() override {
    Driving::SetUp();
    Globals::Vm_global = 18.01528;
    Activate(w);
  }
  void Export(const QString& min, const QString& max, const QString& step) {
    Put("minimum", min);
    Put("maximum", max);
    Put("interval", step);
    Press("Export");
  }
  QByteArray Written() const { return documents.Read("18.01528.txt"); }
  void ExpectFailureShown() {
    EXPECT_EQ(Shown("filename0"), "could not write:");
    EXPECT_EQ(Shown("filename1"), "18.01528.txt");
  }

  DocumentsFolder documents;
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

  Export("0", "1", "0.1");
  const QList<QByteArray> lines = Written().split('\n');
  ASSERT_EQ(lines.size(), 15 + 10 + 1);  // the last line feed leaves an empty tail
  EXPECT_TRUE(lines[15].startsWith("0, "));
  EXPECT_TRUE(lines[24].startsWith("0.9, "));
}

TEST_F(IsochoreExportTest, UnusableFolderShowsFailureNotSuccess) {
  documents.MakeUnusable();
  Export("100", "200", "50");
  ExpectFailureShown();
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

TEST_F(IsochoreExportTest, NameTakenByAFolderShowsFailureAndLeavesNoPartFile) {
  ASSERT_TRUE(QDir().mkpath(path));
  Export("100", "200", "50");
  ExpectFailureShown();
  EXPECT_TRUE(documents.Files().isEmpty());
  EXPECT_TRUE(QFileInfo(path).isDir());
}

}  // namespace
