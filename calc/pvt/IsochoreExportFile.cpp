#include "calc/pvt/IsochoreExportFile.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "app/framework/ValStr.h"

namespace pvt {

QString IsochoreExportFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return folder;
}

QString IsochoreExportFileName(double Vm) { return fw::Str(Vm) + ".txt"; }

std::vector<QString> IsochoreExportHeader(double Vm, double density) {
  return {
      "H2O-CO2-CH4-NaCl-KCl",
      "references:",
      "Duzoror & Vozira (1993) GCA, 57, 1675-1680*",
      "Duzoror & Vozira (1993) GCA, 57, 4885-4897*",
      "*note: include abundant typographical errors in equations",
      "*note: the correct equations were obtained by personal communication",
      "Duan et al. (1995) GCA, 59, 2869-2882*",
      "Duan et al. (2003) GCA, 67, 671-680*",
      "*note: contain major errors and manipulated diagrams",
      "",
      fw::Str(Vm) + " cm3/mol",
      fw::Str(density) + " g/cm3",
      "",
      "Temperature, Pressure",
      "(Celsius), (MPa)",
  };
}

QString IsochoreExportDataLine(double T, double P) {
  return fw::Str(T - 273.15) + ", " + fw::ResultText(P);
}

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissions = 0777;

// Whether a file is there that must not be replaced: one without any write
// permission (the rename would replace it regardless, and the superuser may
// write any file), or one this user may not write.
bool IsReadOnly(const QByteArray& path) {
  struct stat st {};
  if (::stat(path.constData(), &st) != 0) return false;  // none there: a new one is made
  return (st.st_mode & kAnyWrite) == 0 || ::access(path.constData(), W_OK) != 0;
}

// Makes an empty file beside the target (a rename does not cross file
// systems) under a name no other file has, and gives that name; empty when
// none can be made. Made as any new file is, with the mode the user's umask
// gives; an export replacing an earlier file keeps that file's mode.
QString MakeTemporaryBeside(const QString& target) {
  struct stat existing {};
  const bool replacing = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString name =
        target + "." + QString::number(QRandomGenerator::global()->generate(), 36);
    const QByteArray encoded = QFile::encodeName(name);
    const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return {};
    }
    if (replacing) ::fchmod(fd, existing.st_mode & kPermissions);
    ::close(fd);
    return name;
  }
  return {};
}

}  // namespace

IsochoreExportFile::IsochoreExportFile(const QString& path) : path_(path) {}

IsochoreExportFile::~IsochoreExportFile() { Discard(); }

bool IsochoreExportFile::Open() {
  failed_ = true;
  if (path_.isEmpty() || !temporaryPath_.isEmpty()) return false;
  if (IsReadOnly(QFile::encodeName(path_))) return false;
  temporaryPath_ = MakeTemporaryBeside(path_);
  if (temporaryPath_.isEmpty()) return false;
  stream_ = fw::GetFolderItem(temporaryPath_).CreateTextFile();
  if (!stream_.IsOpen()) {
    Discard();
    return false;
  }
  failed_ = false;
  return true;
}

bool IsochoreExportFile::WriteLine(const QString& line) {
  if (failed_) return false;
  failed_ = !stream_.WriteLine(line);
  return !failed_;
}

bool IsochoreExportFile::Commit() {
  if (failed_ || !stream_.Close()) {
    Discard();
    return false;
  }
  // rename replaces an earlier export in one step: the name always holds
  // either the old file or the complete new one. The target is asked again:
  // it may have been made read-only while the export ran.
  if (IsReadOnly(QFile::encodeName(path_)) ||
      std::rename(QFile::encodeName(temporaryPath_).constData(),
                  QFile::encodeName(path_).constData()) != 0) {
    Discard();
    return false;
  }
  temporaryPath_.clear();
  failed_ = true;  // committed once: nothing more goes to this export
  return true;
}

void IsochoreExportFile::Discard() {
  failed_ = true;
  stream_ = fw::TextOutputStream();
  if (temporaryPath_.isEmpty()) return;
  ::unlink(QFile::encodeName(temporaryPath_).constData());
  temporaryPath_.clear();
}

}  // namespace pvt
