// The "Temperatures" window: the temperature at which the defined fluid has
// a typed molar volume and pressure, a root of the pressure equation searched
// from an automatic (ideal-gas) or typed first approach, shown in K or ˚C.
// Its molar-volume and pressure fields hand their values on, through
// Globals::Vm_global and Globals::PMPa_global, to the temperature
// "Mathematical Analysis" window.
#pragma once

#include <optional>

#include "app/framework/Window.h"

class TemperatureWindow : public fw::WindowClass<TemperatureWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void dataEntryV_TextChange();
  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void Choice0_Action();
  void Choice1_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void Analysis_Action();
  void calculate_Action();
  void Event_Activate() override;

 private:
  void ResetFirstApproachAndResult();
  void EmptyResult();

  // The temperature this window's last calculation found, in K, which the
  // unit radios show in their unit. Only the next calculation that ends
  // (nothing when it fails) and Clear replace it: edits of the entries empty
  // the shown result but not this, as the radios show the last temperature
  // computed whatever the entries hold since.
  std::optional<double> lastResult_;
};
