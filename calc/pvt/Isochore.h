// The "Isochore" window: the pressure of the defined fluid along the isochore
// of the molar volume it shows (Globals::Vm_global as it was when the window
// last became active), tabulated over a temperature range in ˚C, and the
// same series exported to a text file.
#pragma once

#include "app/framework/Window.h"

class Isochore : public fw::WindowClass<Isochore> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void calculate_Action();
  void Export_Action();
  void Event_Activate() override;

  // True while a table or an export is being made.
  bool Running() const { return running_; }

 private:
  bool running_ = false;
  // The molar volume shown, cm3/mol: another window may store a new one in
  // Globals::Vm_global while this one stays active.
  double volume_ = 0;
};
