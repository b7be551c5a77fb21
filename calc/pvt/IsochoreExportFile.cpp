#include "calc/pvt/IsochoreExportFile.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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

// Reserves a name no other file has, in the target's folder (a rename does
// not cross file systems), and gives it; empty when none can be made there.
QString ReserveTemporaryName(const QString& target) {
  QByteArray name = QFile::encodeName(target + ".XXXXXX");
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return {};
  // As readable as any other file the export writes.
  ::fchmod(fd, 0644);
  ::close(fd);
  return QFile::decodeName(name);
}

}  // namespace

IsochoreExportFile::IsochoreExportFile(const QString& path) : path_(path) {}

IsochoreExportFile::~IsochoreExportFile() { Discard(); }

bool IsochoreExportFile::Open() {
  failed_ = true;
  if (path_.isEmpty() || !temporaryPath_.isEmpty()) return false;
  temporaryPath_ = ReserveTemporaryName(path_);
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
  // either the old file or the complete new one.
  if (std::rename(QFile::encodeName(temporaryPath_).constData(),
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
