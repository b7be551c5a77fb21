// The "Spinodal" note window: the procedure is not available yet; the note
// names the method it is to follow.
#pragma once

#include "app/framework/Window.h"

class ConstructionSpinodal : public fw::WindowClass<ConstructionSpinodal> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};
