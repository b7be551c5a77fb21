// Text files for export: created or appended to, one line at a time, each
// line converted to Windows-1252 (the Windows ANSI code page) by iconv and
// ended by a line feed. Every failure (file not opened, a character outside
// the code page, a write that fails or stops short, a close that fails) is
// reported to the caller.
#pragma once

#include <utility>

#include <QString>

namespace fw {

class TextOutputStream {
 public:
  TextOutputStream() = default;
  TextOutputStream(TextOutputStream&& other) noexcept;
  TextOutputStream& operator=(TextOutputStream&& other) noexcept;
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;
  ~TextOutputStream();  // closes a stream left open

  bool IsOpen() const { return fd_ >= 0; }
  // Writes the line in Windows-1252 and a line feed; false on failure (see
  // Error()). A line outside the code page is not written at all; after a
  // failed write part of the line may be in the file.
  bool WriteLine(const QString& line);
  // False when the data could not be written out.
  bool Close();
  const QString& Error() const { return error_; }

 private:
  friend class FolderItem;
  TextOutputStream(int fd, QString path, QString error);

  int fd_ = -1;
  QString path_;
  QString error_;
};

class FolderItem {
 public:
  explicit FolderItem(QString path) : path_(std::move(path)) {}
  const QString& Path() const { return path_; }
  // A stream at the start of an empty file (an existing file is emptied).
  // When the file cannot be made, the stream is not open and says why.
  TextOutputStream CreateTextFile() const;
  // A stream at the end of the file (made when missing).
  TextOutputStream AppendToTextFile() const;

 private:
  TextOutputStream Open(int flags) const;
  QString path_;
};

// The item of a path; a bare file name lies in the current folder.
FolderItem GetFolderItem(const QString& name);

}  // namespace fw
