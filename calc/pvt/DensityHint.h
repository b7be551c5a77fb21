// The "corresponding density" line beside a molar-volume entry or result:
// the density of the fluid now defined at that molar volume, in g/cm3.
#pragma once

#include <QString>

#include "app/framework/ValStr.h"
#include "fluid/Globals.h"

namespace pvt {

// The line without a density, shown while there is no molar volume.
inline const QString kNoDensityHint = "corresponding density";

inline QString DensityHint(double rho) {
  if (!fw::IsShowable(rho)) return kNoDensityHint + " " + fw::kTooLargeToShow;
  return kNoDensityHint + " = " + fw::Str(rho) + " g/cm3";
}

// The hint at molar volume V in cm3/mol.
inline QString DensityHintAt(double V) { return DensityHint(Globals::Density(Globals::fraction, V)); }

}  // namespace pvt
