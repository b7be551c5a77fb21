// The "Activities" window: activities and activity coefficients of the
// components of the defined fluid against a chosen standard state. The user
// works down the window: pressure and temperature, a first approach and the
// molar volume of the fluid, a standard state (with its reference pressure),
// then the table. An edit of any step empties what the later steps produced.
// Pressure and temperature go on to the molar-volume "Mathematical Analysis"
// window through Globals::PMPa_global and Globals::TK_global.
#pragma once

#include "app/framework/Window.h"

class ActivityWindow : public fw::WindowClass<ActivityWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void dataEntryV_TextChange();
  void dataEntryPref_TextChange();
  void calculateVm_Action();
  void Clear_Action();
  void Analysis1_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Choice0_Action();
  void Choice1_Action();
  void StandardChoice0_Action();
  void StandardChoice1_Action();
  void StandardChoice2_Action();
  void ScrollBar1_ValueChanged();
  void Event_Activate() override;
  void Event_Resizing() override;

  // The activity table (ActivityCalculation.cpp).
  void calculate_Action();

 private:
  void DropFirstApproachOn();
  void DropStandardStateOn();
};
