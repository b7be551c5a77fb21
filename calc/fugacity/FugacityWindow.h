// The "Fugacities" window: fugacities and fugacity coefficients of the
// defined fluid. Its first step fixes a state point from a temperature and a
// pressure (the molar volume is solved) or a molar volume (the pressure is
// computed) and leaves it in Globals::TK_global, Globals::PMPa_global and
// Globals::Vm_global; "calculate" then lists every component present at the
// state point those scalars hold, whichever window stored it.
#pragma once

#include "app/framework/Window.h"

class FugacityWindow : public fw::WindowClass<FugacityWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void dataEntryPV_TextChange();
  void RadioButtonTP_Action();
  void RadioButtonTV_Action();
  void dataEntryT_TextChange();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void Event_Activate() override;

  // The two calculation steps (FugacityCalculation.cpp).
  void Calculation1_Action();
  void calculateFinal_Action();

 private:
  void EnterPressureMode();
  void EnterVolumeMode();
};
