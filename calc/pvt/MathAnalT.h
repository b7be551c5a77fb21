// The temperature "Mathematical Analysis" window: the zero function of the
// pressure equation, p(V, T, x) - P, over 1001 temperatures from 273.16 K in
// steps of 1 K, at the molar volume and pressure last typed in the
// "Temperatures" window (Globals::Vm_global, Globals::PMPa_global). A sign
// change of the second column brackets a temperature of the equation of state.
#pragma once

#include "app/framework/Window.h"

class MathAnalT : public fw::WindowClass<MathAnalT> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void calculate_Action();
  void Event_Activate() override;

 private:
  bool filling_ = false;  // while calculate_Action appends its rows
};
