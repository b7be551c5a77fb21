// The "Note Duzoror" window: remarks on the published a(NaCl) and tau
// parameters of the Duzoror-Vozira model and how this program extends them.
#pragma once

#include "app/framework/Window.h"

class NoteDuzoror : public fw::WindowClass<NoteDuzoror> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};
