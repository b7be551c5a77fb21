// The "Start" window: the program, its model and literature; leads on to the
// "Fluid" window and opens the two model notes.
#pragma once

#include "app/framework/Window.h"

class Start1Window : public fw::WindowClass<Start1Window> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void continue1_Action();
  void duzoror_Action();
  void duan_Action();
};
