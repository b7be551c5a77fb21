// The "Critical Point" note window: the procedure is not available yet; the
// note names the method it is to follow and shows approximate conditions.
#pragma once

#include "app/framework/Window.h"

class ConstructionCritical : public fw::WindowClass<ConstructionCritical> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};
