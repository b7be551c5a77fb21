// The "Procedures" window: ten calculation procedures as radio buttons and a
// "continue" button that opens the calculator window of the chosen one.
#pragma once

#include <string_view>

#include "app/framework/Window.h"

class Start3Window : public fw::WindowClass<Start3Window> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();

  void PushButton1_Action();
};

// A procedure: its radio button and the window class of its calculator.
struct Procedure {
  std::string_view radio;
  std::string_view windowClass;
};

// In the order "continue" tests them.
inline constexpr Procedure kProcedures[] = {
    {"MolarVolumes", "VolumeWindow"},
    {"Pressures", "PressureWindow"},
    {"Temperatures", "TemperatureWindow"},
    {"QtzSolubility", "QtzSolubilityWindow"},
    {"Fugacities", "FugacityWindow"},
    {"Activities", "ActivityWindow"},
    {"Homogenisation", "BubbleDewPoint"},
    {"LiquidVapour", "LiquidVapourEq"},
    {"Spinodal", "ConstructionSpinodal"},
    {"CriticalPoint", "ConstructionCritical"},
};

// The calculator window of a class, open or newly built, through the window
// registry; nullptr while the program has no window of that class.
fw::Window* CalculatorWindow(std::string_view windowClass);
