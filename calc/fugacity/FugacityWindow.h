// The "Fugacities" window: fugacities and fugacity coefficients of the
// defined fluid. Its first step fixes a state point from a temperature and a
// pressure (the molar volume is solved) or a molar volume (the pressure is
// computed) and leaves it in Globals::TK_global, Globals::PMPa_global and
// Globals::Vm_global for other windows; "calculate" then lists every
// component present at the temperature of the window's field and the
// pressure and molar volume of its own first step.
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
  void StoreTypedTemperature();
  void DropTemperature();

  // The state point "calculate" lists the fugacities at. The temperature
  // follows the field as read in its unit (0 after a unit switch, until the
  // next edit or first step); the pressure and molar volume are those of the
  // last first step, 0 when there is none or the second entry or the mode
  // changed since. Other windows write the shared scalars meanwhile.
  double temperature_ = 0;
  double pressure_ = 0;
  double volume_ = 0;
};
