// The "Pressures" window: the pressure of the defined fluid at a typed
// temperature and molar volume. Its calculation hands the molar volume on to
// the "Isochore" window through Globals::Vm_global.
#pragma once

#include "app/framework/Window.h"

class PressureWindow : public fw::WindowClass<PressureWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void calculate_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void PushButton1_Action();
  void Clear_Action();
  void Event_Activate() override;
};
