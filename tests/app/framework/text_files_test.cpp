// Export files: created, appended to, lines in Windows-1252 ended by a line
// feed, every failure told.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/framework/TextFiles.h"
#include "tests/app/framework/file_size_limit.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

class TextFiles : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
};

TEST_F(TextFiles, CreateWritesFromTheStartAndAppendAddsAtTheEnd) {
  ASSERT_TRUE(folder.isValid());
  const fw::FolderItem item(Path("27.5.txt"));
  {
    const mode_t umaskBefore = ::umask(027);
    fw::TextOutputStream out = item.CreateTextFile();
    ::umask(umaskBefore);
    ASSERT_TRUE(out.IsOpen()) << out.Error().toStdString();
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(item.Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the mode the umask gives";
    EXPECT_TRUE(out.WriteLine("H2O-CO2-CH4-NaCl-KCl"));
    EXPECT_TRUE(out.WriteLine(""));
    EXPECT_TRUE(out.Close());
  }
  {
    fw::TextOutputStream out = item.AppendToTextFile();
    EXPECT_TRUE(out.WriteLine("100, 12.5"));
    EXPECT_TRUE(out.Close());
  }
  EXPECT_EQ(Contents(item.Path()), QByteArray("H2O-CO2-CH4-NaCl-KCl\n\n100, 12.5\n"));
  // Creating again empties the file.
  fw::TextOutputStream again = item.CreateTextFile();
  EXPECT_TRUE(again.Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray());
}

TEST_F(TextFiles, LinesAreWrittenInWindows1252) {
  const fw::FolderItem item(Path("ansi.txt"));
  fw::TextOutputStream out = item.CreateTextFile();
  EXPECT_TRUE(out.WriteLine(QString::fromUtf8("25 \u00B0C, caf\u00E9, 5 \u20AC")));
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray("25 \xB0" "C, caf\xE9, 5 \x80\n"));
}

TEST_F(TextFiles, CharacterOutsideWindows1252IsReportedAndNothingOfTheLineWritten) {
  const fw::FolderItem item(Path("ring.txt"));
  fw::TextOutputStream out = item.CreateTextFile();
  // U+02DA RING ABOVE, the degree sign of the windows, is not in the code page.
  EXPECT_FALSE(out.WriteLine(QString::fromUtf8("in \u02DAC")));
  EXPECT_FALSE(out.Error().isEmpty());
  EXPECT_TRUE(out.WriteLine("ok"));
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray("ok\n"));
}

TEST_F(TextFiles, FileThatCannotBeMadeGivesAClosedStreamThatSaysWhy) {
  const fw::FolderItem item(Path("no such folder/file.txt"));
  fw::TextOutputStream out = item.CreateTextFile();
  EXPECT_FALSE(out.IsOpen());
  EXPECT_FALSE(out.Error().isEmpty());
  EXPECT_FALSE(out.WriteLine("x"));
  EXPECT_FALSE(out.Close());
  EXPECT_FALSE(item.AppendToTextFile().IsOpen());
}

TEST_F(TextFiles, StreamClosedOnceRefusesFurtherWork) {
  fw::TextOutputStream out = fw::FolderItem(Path("once.txt")).CreateTextFile();
  EXPECT_TRUE(out.Close());
  EXPECT_FALSE(out.WriteLine("late"));
  EXPECT_FALSE(out.Close());
  EXPECT_FALSE(out.Error().isEmpty());
}

TEST_F(TextFiles, FullDiskIsReported) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fw::TextOutputStream out = fw::FolderItem("/dev/full").AppendToTextFile();
  ASSERT_TRUE(out.IsOpen());
  EXPECT_FALSE(out.WriteLine("x"));
  EXPECT_FALSE(out.Error().isEmpty());
}

TEST_F(TextFiles, LineThatStopsShortIsReported) {
  const fw::FolderItem item(Path("short.txt"));
  fw::TextOutputStream out = item.CreateTextFile();
  ASSERT_TRUE(out.IsOpen());
  {
    FileSizeLimit limit(10);
    EXPECT_TRUE(out.WriteLine("100, 1"));
    // Three of these bytes fit; the rest cannot follow.
    EXPECT_FALSE(out.WriteLine("150, 2.5"));
  }
  EXPECT_FALSE(out.Error().isEmpty());
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray("100, 1\n150"));
}

TEST_F(TextFiles, BareNameLiesInTheCurrentFolder) {
  EXPECT_EQ(fw::GetFolderItem("0.txt").Path(), QDir::current().absoluteFilePath("0.txt"));
  EXPECT_EQ(fw::GetFolderItem(Path("a.txt")).Path(), Path("a.txt"));
}

}  // namespace
