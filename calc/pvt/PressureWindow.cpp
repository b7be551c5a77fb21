#include "calc/pvt/PressureWindow.h"

#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/AdmissibleVolume.h"
#include "calc/pvt/DensityHint.h"
#include "calc/pvt/Isochore.h"
#include "calc/pvt/MinimumVolumeHint.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Pressures", 470, 320).Placement(2),
      fw::StoredOrder::Reversed,
      StaticText("MolarVolume", 20, 20, 130, 25).Text("Molar Volume").Size(16),
      StaticText("Temperature", 20, 115, 130, 25).Text("Temperature").Size(16),
      EditField("dataEntry", 155, 20, 120, 25).Size(16),
      EditField("dataEntry1", 155, 115, 120, 25).Size(16),
      PushButton("calculate", 20, 175, 105, 30).Caption("calculate").Size(18).Default(),
      StaticText("StaticText1", 285, 20, 75, 25).Text("cm /mol").Size(16),
      StaticText("StaticText2", 307, 19, 16, 20).Text("3").Size(12),
      StaticText("StaticText3", 285, 115, 70, 25).Text("Kelvin").Size(16),
      RadioButton("Kelvin", 382, 117, 56, 20).Caption("in K").Size(12).On(),
      RadioButton("Celsius", 382, 138, 56, 20).Caption("in \u02DAC").Size(12),
      GroupBox("GroupBox1", 375, 110, 70, 54),
      StaticText("StaticText5", 155, 80, 290, 18).Size(12).Multiline(),
      PushButton("PushButton1", 309, 275, 140, 25).Caption("Isochore calculation").Size(12),
      PushButton("Clear", 395, 20, 50, 20).Caption("clear").Size(10),
      StaticText("Density", 155, 55, 300, 15).Text("corresponding density").Size(12),
      StaticText("PressureText", 22, 235, 100, 25).Text("Pressure").Size(16),
      StaticText("Result", 155, 235, 120, 25).Size(16),
      Line("Line1", 20, 220, 450, 220).LineColor(0x000000).BorderWidth(1),
      StaticText("StaticText6", 290, 235, 45, 25).Text("MPa").Size(16),
      StaticText("warning", 180, 180, 270, 30).Size(12).Color(kRed).Multiline(),
      StaticText("warning1", 27, 275, 250, 30).Size(12).Color(kRed).Multiline());
});

const QString kPutNumber = "Warning: put a number for temperature and molar volume";
const QString kRangeWarning =
    "Warning: temperature range is 573 to 1200 K, maximum pressure is 500 MPa";
// The equation of state has no pressure at or below the lowest admissible
// volume, which lies at or a little above the minimum the hint shows.
const QString kNoPressure = "Warning: molar volume too small, no pressure";
const QString kPressureNotShown = "Warning: pressure " + fw::kTooLargeToShow;

}  // namespace

fw::WindowBlocks PressureWindow::Blocks() { return kBlocks; }

fw::ExponentLabels PressureWindow::Exponents() { return {{"StaticText1", "StaticText2"}}; }

fw::Handlers PressureWindow::Handlers() {
  return {
      FW_HANDLER(PressureWindow, dataEntry, TextChange),
      FW_HANDLER(PressureWindow, dataEntry1, TextChange),
      FW_HANDLER(PressureWindow, calculate, Action),
      FW_HANDLER(PressureWindow, Kelvin, Action),
      FW_HANDLER(PressureWindow, Celsius, Action),
      FW_HANDLER(PressureWindow, PushButton1, Action),
      FW_HANDLER(PressureWindow, Clear, Action),
  };
}

FW_REGISTER_WINDOW(PressureWindow);

void PressureWindow::calculate_Action() {
  const fw::RunInputs inputs(*this);
  const std::optional<double> T = pvt::TypedKelvin(*this, Field("dataEntry1").Text());
  // Stored before the check: the Isochore window works with the volume typed
  // last, also a refused one.
  Globals::Vm_global = Val(Field("dataEntry").Text());
  if (!(Globals::Vm_global > 0) || !pvt::IsPositiveKelvin(T)) {
    Label("warning").SetText(kPutNumber);
    return;
  }
  // One fluid and volume for the test and the pressure, both of which yield.
  const Globals::Composition x = Globals::fraction;
  const double V = Globals::Vm_global;
  const bool hasPressure = pvt::HasPressure(x, V);
  if (!inputs.StillShown()) return;
  if (!hasPressure) {
    Label("warning").SetText(kNoPressure);
    return;
  }
  const double P = Globals::Pressure(x, *T, V);
  if (!inputs.StillShown()) return;
  // A pressure the equation overflowed to is no result: none stays shown.
  if (!fw::IsShowable(P)) {
    Label("Result").SetText("");
    Label("warning").SetText(kPressureNotShown);
    Label("warning1").SetText("");
    return;
  }
  Label("Result").SetText(Str(P));
  if (*T < 573.15 || *T > 1200.0 || P > 500.0)
    Label("warning1").SetText(kRangeWarning);
  else
    Label("warning1").SetText("");
}

// Every edit of an input empties the result and the warnings: a calculation
// still running for the inputs before shows nothing either.
void PressureWindow::dataEntry_TextChange() {
  NoteInputEdit();
  const double V = Val(Field("dataEntry").Text());
  if (V > 0)
    Label("Density").SetText(pvt::DensityHintAt(V));
  else
    Label("Density").SetText(pvt::kNoDensityHint);
  Label("Result").SetText("");
  Label("warning").SetText("");
  Label("warning1").SetText("");
}

void PressureWindow::dataEntry1_TextChange() {
  NoteInputEdit();
  Label("Result").SetText("");
  Label("warning").SetText("");
  Label("warning1").SetText("");
}

// The unit takes effect at the next calculation; one still running, which
// read the temperature in the other unit, shows nothing.
void PressureWindow::Kelvin_Action() {
  if (pvt::NameUnitOf(*this, "Kelvin", "StaticText3")) NoteInputEdit();
}

void PressureWindow::Celsius_Action() {
  if (pvt::NameUnitOf(*this, "Celsius", "StaticText3")) NoteInputEdit();
}

void PressureWindow::Clear_Action() {
  NoteInputEdit();
  Field("dataEntry").SetText("");
  Field("dataEntry1").SetText("");
  Label("Density").SetText("");
  Label("Result").SetText("");
  Radio("Celsius").SetValue(false);
  Radio("Kelvin").SetValue(true);
  Label("warning").SetText("");
  Label("warning1").SetText("");
}

void PressureWindow::PushButton1_Action() { Isochore::Instance().Show(); }

void PressureWindow::Event_Activate() { Label("StaticText5").SetText(pvt::MinimumVolumeHint()); }
