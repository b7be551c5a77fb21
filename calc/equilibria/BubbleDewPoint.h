// The "Bubble-Dew point" window: where the defined fluid homogenizes, the
// pressure at a typed temperature or the temperature at a typed pressure, at
// its bubble point (the bulk fluid is the liquid) or its dew point (the bulk
// fluid is the vapour), iterated from a first approach that the user may
// change.
#pragma once

#include "app/framework/Window.h"
#include "calc/equilibria/bubble_dew_point.h"

class BubbleDewPoint : public fw::WindowClass<BubbleDewPoint> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void RadioButtonTh_Action();
  void RadioButtonPh_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Vapour_Action();
  void Liquid_Action();
  void FirstApproach_Action();
  void calculate_Action();
  bool ListBoxPhaseX_CellClick(int row, int column, int x, int y);
  bool ListBoxPhaseY_CellClick(int row, int column, int x, int y);
  void ListBoxPhaseX_CellTextChange(int row, int column);
  void ListBoxPhaseY_CellTextChange(int row, int column);
  void Clear_Action();
  void LVpoint_Action();
  void ScrollBar1_ValueChanged();
  void Event_Resizing() override;

 private:
  void NameSought(const char* quantity, const char* unit);
  void ShowCaptions(const QString& phaseX, const QString& phaseY);

  // What "calculate" starts from: the given temperature and pressure of the
  // last first approach of this window, and its start compositions as this
  // window's phase lists and runs left them. Other windows write the shared
  // scalars and phase compositions too; this window computes only at the
  // state it was given.
  equilibria::BubbleDewStart start_;
};
