// The hint beside a molar-volume entry: the lowest volume of the fluid now
// defined, in cm3/mol.
#pragma once

#include <QString>

#include "app/framework/ValStr.h"
#include "fluid/Globals.h"

namespace pvt {

// Of one fluid: the lowest volume yields, and a fluid may be accepted meanwhile.
inline QString MinimumVolumeHint() {
  const Globals::Composition x = Globals::fraction;
  return "*minimum value = " + fw::Str(Globals::Vlimit(x)) + " cc/mol";
}

}  // namespace pvt
