// The "Intersection SLV Curve" window: where the isochore that the
// liquid-vapour window left in the shared scalars stands against the
// solid+liquid+vapour curve of H2O-NaCl-KCl at the same temperature. It
// recomputes on every activation and writes no shared state.
#pragma once

#include "app/framework/Window.h"

class SLV : public fw::WindowClass<SLV> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void LiqVapButton_Action();
  void Event_Activate() override;

 private:
  void ShowComparison(bool high, bool low, bool equal);
};
