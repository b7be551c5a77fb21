// The "Molar Volumes" window: molar volume, density and excess molar volume
// of the defined fluid at a typed pressure and temperature. The molar volume
// is a root of the pressure equation, searched from a first approach that the
// user chooses: automatic (the modified Redlich-Kwong volume) or typed. Its
// pressure and temperature fields hand their values on, through
// Globals::PMPa_global and Globals::TK_global, to the molar-volume
// "Mathematical Analysis" window.
#pragma once

#include "app/framework/Window.h"

class VolumeWindow : public fw::WindowClass<VolumeWindow> {
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
