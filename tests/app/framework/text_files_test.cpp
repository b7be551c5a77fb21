// Export files: created, appended to, lines in Windows-1252 ended by a line
// feed (failures are told by the isochore export test).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/framework/TextFiles.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

TEST(TextFiles, CreateWritesWindows1252FromTheStartAndAppendAddsAtTheEnd) {
  QTemporaryDir folder;
  const fw::FolderItem item(folder.filePath("27.5.txt"));
  {
    const mode_t umaskBefore = ::umask(027);
    fw::TextOutputStream out = item.CreateTextFile();
    ::umask(umaskBefore);
    ASSERT_TRUE(out.IsOpen()) << out.Error().toStdString();
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(item.Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the mode the umask gives";
    EXPECT_TRUE(out.WriteLine(QString::fromUtf8("25 \u00B0C, caf\u00E9, 5 \u20AC")));
    // U+02DA RING ABOVE, the degree sign of the windows, is not in the code
    // page: the line is refused whole.
    EXPECT_FALSE(out.WriteLine(QString::fromUtf8("in \u02DAC")));
    EXPECT_FALSE(out.Error().isEmpty());
    EXPECT_TRUE(out.WriteLine(""));
    EXPECT_TRUE(out.Close());
    EXPECT_FALSE(out.WriteLine("late")) << "a closed stream refuses further work";
    EXPECT_FALSE(out.Close());
  }
  fw::TextOutputStream more = item.AppendToTextFile();
  EXPECT_TRUE(more.WriteLine("100, 12.5"));
  EXPECT_TRUE(more.Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray("25 \xB0" "C, caf\xE9, 5 \x80\n\n100, 12.5\n"));
  EXPECT_TRUE(item.CreateTextFile().Close());
  EXPECT_EQ(Contents(item.Path()), QByteArray()) << "creating again empties the file";
  EXPECT_EQ(fw::GetFolderItem("0.txt").Path(), QDir::current().absoluteFilePath("0.txt"));
}

}  // namespace
