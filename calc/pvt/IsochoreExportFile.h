// The isochore export file: a fixed header citing the equation of state, the
// molar volume and density, column captions, then one "T, P" line per
// temperature (˚C, MPa). Windows-1252, lines ended by a line feed. The file
// is named after the molar volume and lies in the user's documents folder.
#pragma once

#include <QString>
#include <vector>

#include "app/framework/TextFiles.h"

namespace pvt {

// The user's documents folder, made when missing; empty when it cannot be.
QString IsochoreExportFolder();

// The molar volume's text with ".txt".
QString IsochoreExportFileName(double Vm);

// The fifteen lines before the data: Vm in cm3/mol, density in g/cm3.
std::vector<QString> IsochoreExportHeader(double Vm, double density);

// One data line; T in K, written in ˚C, P in MPa. A pressure the table
// cannot show is written as the table shows it.
QString IsochoreExportDataLine(double T, double P);

// An export in the making. The lines go to a temporary file beside the
// target, which replaces the target only on Commit, so a failed or abandoned
// export leaves no partial file and an earlier export untouched. A read-only
// target is never replaced: Open and Commit fail.
class IsochoreExportFile {
 public:
  explicit IsochoreExportFile(const QString& path);
  ~IsochoreExportFile();
  IsochoreExportFile(const IsochoreExportFile&) = delete;
  IsochoreExportFile& operator=(const IsochoreExportFile&) = delete;

  bool Open();
  // The line in Windows-1252 and a line feed; false once anything failed.
  bool WriteLine(const QString& line);
  // Puts the complete file in place; false when it could not be written.
  bool Commit();

 private:
  void Discard();

  QString path_;
  QString temporaryPath_;  // empty when there is no temporary file
  fw::TextOutputStream stream_;
  bool failed_ = false;
};

}  // namespace pvt
