#include "calc/pvt/IsochoreExportFile.h"

#include <QDir>
#include <QStandardPaths>

#include "app/framework/TextFiles.h"
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
  return fw::Str(T - 273.15) + ", " + fw::Str(P);
}

IsochoreExportFile::IsochoreExportFile(const QString& path) : file_(path) {}

IsochoreExportFile::~IsochoreExportFile() {
  if (file_.isOpen()) file_.cancelWriting();
}

bool IsochoreExportFile::Open() {
  // Unbuffered: a buffered save file takes a short write (a full disk) for
  // a complete one and commits a truncated file.
  failed_ = !file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  return !failed_;
}

bool IsochoreExportFile::WriteLine(const QString& line) {
  if (failed_) return false;
  std::optional<QByteArray> bytes = fw::ConvertToWindowsAnsi(line);
  if (!bytes) {
    failed_ = true;
    return false;
  }
  bytes->append('\n');
  failed_ = file_.write(*bytes) != bytes->size();
  return !failed_;
}

bool IsochoreExportFile::Commit() {
  if (failed_) {
    file_.cancelWriting();
    return false;
  }
  return file_.commit();
}

}  // namespace pvt
