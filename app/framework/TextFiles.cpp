#include "app/framework/TextFiles.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace fw {

namespace {

QString SystemError(const QString& what, int error) {
  return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

// The text in Windows-1252, or nothing (and the reason in *error).
std::optional<QByteArray> ConvertToWindowsAnsi(const QString& text, QString* error) {
  const auto fail = [error](const QString& why) -> std::optional<QByteArray> {
    if (error) *error = why;
    return std::nullopt;
  };
  iconv_t converter = iconv_open("WINDOWS-1252", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1))
    return fail(SystemError(QStringLiteral("no conversion to Windows-1252"), errno));

  QByteArray in = text.toUtf8();
  // One byte per character in Windows-1252: never more bytes than UTF-8 has.
  QByteArray out(in.size() + 1, '\0');
  char* inPtr = in.data();
  std::size_t inLeft = static_cast<std::size_t>(in.size());
  char* outPtr = out.data();
  std::size_t outLeft = static_cast<std::size_t>(out.size());
  const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  const int convertError = errno;
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) {
    if (convertError == EILSEQ) {
      const qsizetype at = inPtr - in.data();
      return fail(QStringLiteral("\"%1\" holds a character that Windows-1252 lacks at byte %2")
                      .arg(text)
                      .arg(at));
    }
    return fail(SystemError(QStringLiteral("conversion to Windows-1252 failed"), convertError));
  }
  out.truncate(outPtr - out.data());
  return out;
}

}  // namespace

TextOutputStream::TextOutputStream(int fd, QString path, QString error)
    : fd_(fd), path_(std::move(path)), error_(std::move(error)) {}

TextOutputStream::TextOutputStream(TextOutputStream&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      error_(std::move(other.error_)) {}

TextOutputStream& TextOutputStream::operator=(TextOutputStream&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    error_ = std::move(other.error_);
  }
  return *this;
}

TextOutputStream::~TextOutputStream() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextOutputStream::WriteLine(const QString& line) {
  if (fd_ < 0) {
    if (error_.isEmpty()) error_ = QStringLiteral("the file %1 is not open").arg(path_);
    return false;
  }
  QString conversionError;
  std::optional<QByteArray> bytes = ConvertToWindowsAnsi(line, &conversionError);
  if (!bytes) {
    error_ = conversionError;
    return false;
  }
  bytes->append('\n');
  // A write may stop short (a full disk, a file size limit): the rest is
  // written again until all is out or the system reports why it cannot be.
  const char* data = bytes->constData();
  std::size_t left = static_cast<std::size_t>(bytes->size());
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = SystemError(QStringLiteral("writing %1").arg(path_), errno);
      return false;
    }
    if (written == 0) {
      error_ = QStringLiteral("writing %1: nothing more could be written").arg(path_);
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

bool TextOutputStream::Close() {
  if (fd_ < 0) {
    if (error_.isEmpty()) error_ = QStringLiteral("the file %1 is not open").arg(path_);
    return false;
  }
  const int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0) {
    error_ = SystemError(QStringLiteral("closing %1").arg(path_), errno);
    return false;
  }
  return true;
}

TextOutputStream FolderItem::Open(int flags) const {
  const QByteArray path = QFile::encodeName(path_);
  // A new file gets the mode the user's umask gives.
  const int fd = ::open(path.constData(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return TextOutputStream(-1, path_, SystemError(QStringLiteral("opening %1").arg(path_), errno));
  return TextOutputStream(fd, path_, QString());
}

TextOutputStream FolderItem::CreateTextFile() const { return Open(O_TRUNC); }

TextOutputStream FolderItem::AppendToTextFile() const { return Open(O_APPEND); }

FolderItem GetFolderItem(const QString& name) {
  return FolderItem(QDir::current().absoluteFilePath(name));
}

}  // namespace fw
