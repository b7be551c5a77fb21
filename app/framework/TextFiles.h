// Text files for export: created or appended to, one line at a time, each
// line converted to Windows-1252 (the Windows ANSI code page) by iconv. Every
// failure (file not opened, a character outside the code page, a write or a
// close that fails) is reported to the caller.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace fw {

// Ends every line, as Windows programs expect of a Windows-1252 file.
inline constexpr char kLineEnd[] = "\r\n";

// The text in Windows-1252, or nothing (and the reason in *error).
std::optional<QByteArray> ConvertToWindowsAnsi(const QString& text, QString* error = nullptr);

class TextOutputStream {
 public:
  TextOutputStream() = default;
  TextOutputStream(TextOutputStream&& other) noexcept;
  TextOutputStream& operator=(TextOutputStream&& other) noexcept;
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;
  ~TextOutputStream();  // closes a stream left open

  bool IsOpen() const { return fd_ >= 0; }
  // Writes the line in Windows-1252 and the line end; false on failure (the
  // line is then not written, see Error()).
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
