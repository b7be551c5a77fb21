// The molar-volume "Mathematical Analysis" window: the zero function of the
// pressure equation, p(V, T, x) - P, over 501 molar volumes rising by 1 %
// from the fluid's limiting volume, at the temperature and pressure that the
// opening window left in Globals::TK_global and Globals::PMPa_global. Where
// the second column changes sign, the equation of state meets the pressure.
#pragma once

#include "app/framework/Window.h"

class MathAnal : public fw::WindowClass<MathAnal> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void calculate_Action();
  void Event_Activate() override;

 private:
  bool filling_ = false;  // while calculate_Action appends its rows
};
