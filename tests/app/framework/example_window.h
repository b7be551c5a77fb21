// A small window written as the program's windows are: a temperature entry
// with its unit radios, a default button, a result label.
#pragma once

#include "app/framework/Window.h"

class ExampleWindow : public fw::WindowClass<ExampleWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void dataEntryT_TextChange();
  void Kelvin_Action();
  void Celsius_Action();
  void calculate_Action();
  void Event_Activate() override;

  int activations = 0;
  int textChanges = 0;
  int kelvinActions = 0;
  int celsiusActions = 0;
};
