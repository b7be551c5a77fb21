// The "Quartz Solubility" window: at a typed pressure and temperature, the
// molar volume of the defined fluid, the effective partial molar volume of
// H2O (Akinfiev-Diamond) and the SiO2 molality at quartz saturation, the last
// two with the half-spread of the model's variants of the solute volumes.
// Pressure and temperature go on to the molar-volume "Mathematical Analysis"
// window through Globals::PMPa_global and Globals::TK_global.
#pragma once

#include "app/framework/Window.h"

class QtzSolubilityWindow : public fw::WindowClass<QtzSolubilityWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryV_TextChange();
  void Analysis1_Action();
  void calculate_Action();

 private:
  void EmptyResults();
};
