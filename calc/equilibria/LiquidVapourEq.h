// The "Liquid-Vapour Equilibrium" window: the split of the defined fluid
// into two coexisting phases at a typed temperature and bulk molar volume,
// iterated from a first approach that the user may change. Its calculation
// leaves temperature, pressure and molar volume in the shared scalars for
// the "Intersection SLV Curve" window, which its SLV button opens.
#pragma once

#include "app/framework/Window.h"
#include "fluid/Globals.h"

class LiquidVapourEq : public fw::WindowClass<LiquidVapourEq> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  static fw::ExponentLabels Exponents();

  void Kelvin_Action();
  void Celsius_Action();
  void CalFirstApproach_Action();
  void calculate_Action();
  bool ListBoxPhaseX_CellClick(int row, int column, int x, int y);
  bool ListBoxPhaseY_CellClick(int row, int column, int x, int y);
  void ListBoxPhaseX_CellTextChange(int row, int column);
  void ListBoxPhaseY_CellTextChange(int row, int column);
  void Clear_Action();
  void SLVbutton_Action();
  void LVpoint_Action();
  void ScrollBar1_ValueChanged();
  void Event_Resizing() override;

 private:
  // The K-values "calculate" starts from: those of this window's last first
  // approach or of the last pass of its last run, whatever other windows
  // leave in the shared ones meanwhile. All 0 before a first approach.
  Globals::Composition startK_{};
};
