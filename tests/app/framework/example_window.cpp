#include "example_window.h"

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"

using fw::Str;
using fw::Val;

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Example", 360, 200).Placement(2),
      fw::StoredOrder::Table,
      StaticText("Temperature", 20, 20, 110, 25).Text("Temperature").Size(16),
      EditField("dataEntryT", 135, 20, 100, 25).Size(16),
      RadioButton("Kelvin", 262, 17, 70, 20).Caption("in K").Size(12).On(),
      RadioButton("Celsius", 262, 38, 70, 20).Caption("in \u02DAC").Size(12),
      GroupBox("GroupBox1", 255, 10, 85, 54),
      PushButton("calculate", 20, 80, 105, 30).Caption("calculate").Size(18).Default(),
      StaticText("Result", 135, 85, 120, 25).Size(16),
      StaticText("warning", 20, 130, 320, 30).Size(12).Color(0xFF0000).Multiline());
});

}  // namespace

fw::WindowBlocks ExampleWindow::Blocks() { return kBlocks; }

fw::Handlers ExampleWindow::Handlers() {
  return {
      FW_HANDLER(ExampleWindow, dataEntryT, TextChange),
      FW_HANDLER(ExampleWindow, Kelvin, Action),
      FW_HANDLER(ExampleWindow, Celsius, Action),
      FW_HANDLER(ExampleWindow, calculate, Action),
  };
}

FW_REGISTER_WINDOW(ExampleWindow);

void ExampleWindow::dataEntryT_TextChange() {
  ++textChanges;
  Label("Result").SetText("");
  Label("warning").SetText("");
}

void ExampleWindow::Kelvin_Action() { ++kelvinActions; }
void ExampleWindow::Celsius_Action() { ++celsiusActions; }

void ExampleWindow::calculate_Action() {
  double T = 0;
  if (Radio("Celsius").Value()) T = Val(Field("dataEntryT").Text()) + 273.15;
  if (Radio("Kelvin").Value()) T = Val(Field("dataEntryT").Text());
  if (!(T > 0)) {
    Label("warning").SetText("Warning: put a number for temperature");
    return;
  }
  Label("Result").SetText(Str(T) + " K");
}

void ExampleWindow::Event_Activate() { ++activations; }
