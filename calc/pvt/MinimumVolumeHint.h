// The hint beside a molar-volume entry: the lowest volume of the fluid now
// defined, in cm3/mol.
#pragma once

#include <QString>

#include "app/framework/ValStr.h"
#include "fluid/Globals.h"

namespace pvt {

inline QString MinimumVolumeHint() {
  return "*minimum value = " + fw::Str(Globals::Vlimit(Globals::fraction)) + " cc/mol";
}

}  // namespace pvt
