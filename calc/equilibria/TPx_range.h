// The "Liquid - Vapour Equilibrium" note window: the T-P-x range of
// liquid-vapour immiscibility in H2O-NaCl as this program's model gives it,
// beside the data it is compared with. Opened from both equilibrium windows.
#pragma once

#include "app/framework/Window.h"

class TPx_range : public fw::WindowClass<TPx_range> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};
