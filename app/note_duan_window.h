// The "Note Duan" window: remarks on the Duan et al. equations of state.
#pragma once

#include "app/framework/Window.h"

class NoteDuan : public fw::WindowClass<NoteDuan> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};
