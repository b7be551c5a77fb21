// The "Fluid" window: the composition of the fluid in mass per cent,
// amount-of-substance per cent or molality, recalculated into the other two
// units at every keystroke; "continue" accepts a composition summing to 100
// per cent, stores its mole fractions and opens the "Procedures" window.
#pragma once

#include "app/framework/Window.h"

class Start2Window : public fw::WindowClass<Start2Window> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void Mass_Action();
  void Mole_Action();
  void Molality_Action();
  void dataEntry1_TextChange();
  void dataEntry2_TextChange();
  void dataEntry3_TextChange();
  void dataEntry4_TextChange();
  void dataEntry5_TextChange();
  void continue2_Action();
  void Clear_Action();

 private:
  // The entry of component k (0 H2O ... 4 KCl) changed.
  void ConvertEntry(int k);
  void ShowRecalculatedComposition();
  // A unit radio turned on: everything is typed again in the new unit.
  void StartUnitMode(const char* radio, const QString& unitLabel, const QString& waterEntry);
  void EmptyResultLabels();
};
