// The "Isochore" window driven through its controls: its table, its export
// file, and the checks of the fields and of the molar volume both share.
#include <sys/stat.h>

#include <optional>

#include "calc/pvt/Isochore.h"
#include "calc/pvt/window_driving.h"
#include "tests/app/framework/file_size_limit.h"

using namespace driving;

namespace {

class IsochoreTest : public WindowTest {
 protected:
  DocumentsFolder documents;
};

TEST_F(IsochoreTest, TableAndTheChecksOfItsFields) {
  Play({
      {"activation shows the volume and its density, and empties the table but not the fields",
       {"@V=30", ">Isochore", "ResultV?30", "ResultV1?0.6005093",
        "ListBox1^?Temperature (˚C)|Pressure (MPa)", "minimum=100", "maximum=200", "interval=50",
        "calculate", "ListBox1?100|-99.16011;150|-90.41592;200|-67.87198", "@V=0", "@activate",
        "ListBox1#?0", "ResultV?0", "ResultV1?0", "filename0?", "minimum?100", "maximum?200",
        "interval?50", "@V=50", "minimum=500", "maximum=500.5", "interval=1", "calculate",
        "filename0?volume too small", "ListBox1#?0", "@activate", "ResultV?50", "calculate",
        "ListBox1?500|64.12782"}},
      // The temperature is a running sum, and a row is made while it is not
      // above the maximum: 0.1 added ten times lands a little above 1.
      {"rows of the accumulated temperature",
       {"@V=30", ">Isochore", "minimum=100", "maximum=120", "interval=30", "calculate",
        "ListBox1?100|-99.16011", "minimum=0", "maximum=1", "interval=0.1", "calculate",
        "ListBox1#?10", "ListBox1[9]?0.9|327.0484"}},
      // A field without a number, a minimum at or below absolute zero, a
      // maximum not above the minimum, a step giving over 100 000 rows.
      {"each failing field says put number, and no table is made",
       {"@V=30", ">Isochore", "minimum=0", "maximum=10", "interval=5", "calculate", "maximum=0",
        "calculate", "minimum?0", "maximum?put number", "interval?5", "ListBox1#?0", "minimum=-300",
        "maximum=-400", "interval=0", "calculate", "minimum?put number", "maximum?put number",
        "interval?put number", "minimum=-273.15", "maximum=100", "interval=10", "calculate",
        "minimum?put number", "maximum?100", "minimum=", "maximum=", "calculate",
        "minimum?put number", "maximum?put number", "interval?10", "minimum=1e300", "maximum=2e300",
        "interval=1", "calculate", "minimum?put number", "maximum?put number", "minimum=-100",
        "maximum=1,5", "interval=nan", "calculate", "minimum?-100", "maximum?put number",
        "interval?put number", "minimum=0", "maximum=1", "interval=0.000001", "calculate",
        "interval?put number", "calculate", "interval?put number", "ListBox1#?0", "minimum=",
        "interval=0.000001", "calculate", "interval?0.000001", "Export",
        "filename0?", "filename1?"}},
      {"no pressure at or below the lowest volume of the fluid",
       {"@V=7.12", ">Isochore", "minimum=100", "maximum=200", "interval=50", "calculate",
        "filename0?volume too small", "ListBox1#?0", "Export", "filename0?volume too small",
        "filename1?"}},
      // Another window stores its molar volume while this one stays active.
      {"the table and the export are of the volume shown, not of one stored since",
       {"@V=40", ">Isochore", "@V=30", "minimum=100", "maximum=200", "interval=50", "calculate",
        "ListBox1?100|-83.82564;150|-69.23622;200|-49.87468", "Export",
        "filename0?data is available in:", "filename1?40.txt"}},
      // Yields 400 and 700 fall in the second and the third row.
      {"an export pressed or an activation while the table fills changes nothing of it",
       {"@V=30", ">Isochore", "minimum=100", "maximum=200", "interval=50", "@V=40",
        "@yield400:Export", "@yield700:@activate", "calculate",
        "ListBox1?100|-99.16011;150|-90.41592;200|-67.87198", "filename0?", "ResultV?30"}},
  });
  // The one file written is the export of the volume shown.
  EXPECT_EQ(documents.Files(), QStringList({"40.txt"}));
  EXPECT_TRUE(documents.Read("40.txt").endsWith("\n40 cm3/mol\n0.450382 g/cm3\n\n"
                                                "Temperature, Pressure\n(Celsius), (MPa)\n"
                                                "100, -83.82564\n150, -69.23622\n200, -49.87468\n"));
}

// The export file, named after the molar volume, in the user's documents
// folder, with lines ending in a line feed; it follows the fields, not the list.
class IsochoreExportTest : public IsochoreTest {
 protected:
  void SetUp() override {
    IsochoreTest::SetUp();
    Globals::Vm_global = 18.01528;
    Activate(w);
  }
  void Export(const QString& min, const QString& max, const QString& step) {
    Type(w.Field("minimum"), min);
    Type(w.Field("maximum"), max);
    Type(w.Field("interval"), step);
    Click(w.Button("Export"));
  }
  QByteArray Written() const { return documents.Read("18.01528.txt"); }
  QString Said() const { return w.Label("filename0").Text() + " " + w.Label("filename1").Text(); }
  mode_t Mode() const {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 0777;
  }

  Isochore& w = Isochore::Instance();
  const QString path = documents.Path() + "/18.01528.txt";
  const QString kFailed = "could not write: 18.01528.txt";
};

TEST_F(IsochoreExportTest, HeaderThenOneLinePerRow) {
  Export("0", "1", "0.1");
  Click(w.Button("calculate"));
  Export("100", "200", "50");
  EXPECT_EQ(w.List("ListBox1").ListCount(), 10);
  EXPECT_EQ(Said(), "data is available in: 18.01528.txt");
  EXPECT_EQ(w.Label("filename1").Label()->toolTip(), path);
  EXPECT_EQ(Written(),
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
            "(Celsius), (MPa)\n"
            "100, 100.0913\n"
            "150, 190.555\n"
            "200, 311.3695\n");
  EXPECT_EQ(documents.Files(), QStringList({"18.01528.txt"}));
}

// A new file gets the mode the user's umask leaves of 0666; a replaced one
// keeps its mode.
TEST_F(IsochoreExportTest, FileModesFollowTheUmask) {
  const mode_t umaskBefore = ::umask(0);
  for (const mode_t umask : {022, 077, 002}) {
    ::umask(umask);
    QFile::remove(path);
    Export("100", "200", "50");
    EXPECT_EQ(Mode(), 0666 & ~umask) << std::oct << umask;
  }
  ::umask(022);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
  Export("100", "150", "50");
  EXPECT_EQ(Mode(), 0604u);
  EXPECT_EQ(Written().count('\n'), 15 + 2);
  ::umask(umaskBefore);
}

// A failed export says so, and leaves no part of a file and the earlier file
// as it was.
TEST_F(IsochoreExportTest, FailureIsSaidAndKeepsTheEarlierFile) {
  std::optional<FileSizeLimit> diskFull;
  const std::function<void()> spoilers[] = {
      [&] { ::chmod(QFile::encodeName(path).constData(), 0444); },
      [&] { diskFull.emplace(1000); },
      [&] { QFile::remove(path); QDir().mkpath(path); },  // a folder of the name
      [&] { documents.MakeUnusable(); },
  };
  for (const auto& spoil : spoilers) {
    Export("100", "200", "50");
    spoil();
    const QByteArray before = Written();
    Export("0", "100", "1");
    diskFull.reset();
    EXPECT_EQ(Said(), kFailed);
    EXPECT_EQ(Written(), before);
    EXPECT_LE(documents.Files().size(), 1);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QDir().rmdir(path);
  }
}

}  // namespace
