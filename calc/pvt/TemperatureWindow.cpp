#include "calc/pvt/TemperatureWindow.h"

#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/DensityHint.h"
#include "calc/pvt/MathAnalT.h"
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
      Window("Temperatures", 470, 494).Placement(2).Hidden(),
      fw::StoredOrder::Table,
      StaticText("MolarVolume", 20, 20, 130, 25).Text("Molar Volume").Size(16).Font("system"),
      EditField("dataEntryV", 155, 20, 120, 25).Size(16).Font("system"),
      StaticText("StaticText2", 307, 19, 16, 20).Text("3").Size(12).Font("system"),
      StaticText("StaticText1", 285, 20, 80, 25).Text("cm /mol").Size(16).Font("system"),
      StaticText("StaticText5", 155, 80, 290, 18).Size(12).Multiline().Font("system"),
      StaticText("Pressure", 20, 110, 130, 25).Index(1).Text("Pressure").Size(16)
          .Font("system"),
      EditField("dataEntryP", 155, 110, 120, 25).Size(16).Font("system"),
      StaticText("StaticText3", 285, 110, 80, 25).Text("MPa").Size(16).Font("system"),
      PushButton("Clear", 400, 20, 50, 20).Caption("clear").Size(10).Font("system"),
      StaticText("Density", 155, 55, 300, 15).Text("corresponding density").Size(12)
          .Font("system"),
      RadioButton("Kelvin", 372, 433, 56, 20).Caption("in K").Size(12).On().Font("system"),
      RadioButton("Celsius", 372, 454, 56, 20).Caption("in \u02DAC").Size(12).Font("system"),
      GroupBox("GroupBox1", 365, 426, 70, 54).Font("system"),
      GroupBox("GroupBox2", 45, 156, 380, 195).Caption("Select a first approach").Size(16)
          .Font("system"),
      StaticText("StaticText6", 65, 186, 340, 31)
          .Text("The complexity of the equation of state can result in a variety of "
                "solutions for the temperature")
          .Size(12).Multiline().Font("system").Parent("GroupBox2"),
      RadioButton("Choice0", 65, 226, 20, 20).Size(18).Font("palatino").Parent("GroupBox2"),
      StaticText("TextChoice0", 90, 226, 180, 20).Text("automatic").Size(14).Font("system")
          .Parent("GroupBox2"),
      RadioButton("Choice1", 65, 251, 20, 20).Size(18).Font("palatino").Parent("GroupBox2"),
      StaticText("TextChoice1", 90, 251, 180, 20).Text("manual").Size(14).Font("system")
          .Parent("GroupBox2"),
      StaticText("MolarVolume1", 105, 276, 100, 20).Text("Temperature").Size(14)
          .Font("system").Parent("GroupBox2"),
      EditField("dataEntryT", 215, 276, 100, 20).Size(14).Font("system").Parent("GroupBox2"),
      StaticText("StaticText7", 325, 276, 75, 20).Text("Kelvin").Size(14).Font("system")
          .Parent("GroupBox2"),
      PushButton("Analysis", 275, 311, 130, 20).Caption("Mathematical Analysis").Size(10)
          .Font("system").Parent("GroupBox2"),
      PushButton("calculate", 30, 366, 105, 30).Caption("calculate").Size(18).Default()
          .Font("system"),
      StaticText("warning", 155, 366, 270, 30).Size(12).Color(kRed).Multiline()
          .Font("system"),
      Line("Line1", 20, 411, 450, 411).LineColor(0x000000).BorderWidth(1),
      StaticText("Temperature", 30, 426, 115, 25).Text("Temperature").Size(16).Font("system"),
      StaticText("Result", 155, 426, 120, 25).Size(16).Font("system"),
      StaticText("StaticText8", 285, 426, 80, 25).Text("Kelvin").Size(16).Font("system"));
});

const QString kPutNumber = "warning: put a number for temperature and pressure";
const QString kChangeFirstApproach = "Change first approach";

// The automatic first approach is the ideal-gas temperature P·V/R (MPa ×
// cm3/mol / (J/(mol·K)) gives K), moved into the model's range when it
// falls outside: the replacements lie inside the bounds, not on them.
constexpr double kLowestStart = 273.15;
constexpr double kLowStartReplacement = 300.0;
constexpr double kHighestStart = 1200.0;
constexpr double kHighStartReplacement = 1100.0;

}  // namespace

fw::WindowBlocks TemperatureWindow::Blocks() { return kBlocks; }

fw::ExponentLabels TemperatureWindow::Exponents() { return {{"StaticText1", "StaticText2"}}; }

fw::Handlers TemperatureWindow::Handlers() {
  return {
      FW_HANDLER(TemperatureWindow, dataEntryV, TextChange),
      FW_HANDLER(TemperatureWindow, dataEntryP, TextChange),
      FW_HANDLER(TemperatureWindow, dataEntryT, TextChange),
      FW_HANDLER(TemperatureWindow, Choice0, Action),
      FW_HANDLER(TemperatureWindow, Choice1, Action),
      FW_HANDLER(TemperatureWindow, Kelvin, Action),
      FW_HANDLER(TemperatureWindow, Celsius, Action),
      FW_HANDLER(TemperatureWindow, Clear, Action),
      FW_HANDLER(TemperatureWindow, Analysis, Action),
      FW_HANDLER(TemperatureWindow, calculate, Action),
  };
}

FW_REGISTER_WINDOW(TemperatureWindow);

void TemperatureWindow::EmptyResult() { Label("Result").SetText(""); }

// A new molar volume or pressure asks for a new choice of first approach.
void TemperatureWindow::ResetFirstApproachAndResult() {
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  Field("dataEntryT").SetText("");
  EmptyResult();
  Label("warning").SetText("");
}

// Every edit of an input empties the result: a calculation still running
// for the inputs before shows nothing either.
void TemperatureWindow::dataEntryV_TextChange() {
  NoteInputEdit();
  ResetFirstApproachAndResult();
  Globals::Vm_global = Val(Field("dataEntryV").Text());
  const double rho = Globals::Density(Globals::fraction, Globals::Vm_global);
  if (rho > 0)
    Label("Density").SetText(pvt::DensityHint(rho));
  else
    Label("Density").SetText(pvt::kNoDensityHint);
}

void TemperatureWindow::dataEntryP_TextChange() {
  NoteInputEdit();
  ResetFirstApproachAndResult();
  Globals::PMPa_global = Val(Field("dataEntryP").Text());
}

void TemperatureWindow::dataEntryT_TextChange() {
  NoteInputEdit();
  EmptyResult();
  Label("warning").SetText("");
}

void TemperatureWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  NoteInputEdit();
  Field("dataEntryT").SetText("");
  EmptyResult();
}

void TemperatureWindow::Choice1_Action() {
  if (!Radio("Choice1").Value()) return;
  NoteInputEdit();
  EmptyResult();
}

// The unit radios show this window's own result in their unit, never a
// temperature another window left in Globals::TK_global. They are no input:
// a calculation running meanwhile shows its result in the unit then on.
void TemperatureWindow::Kelvin_Action() {
  if (!pvt::NameUnitOf(*this, "Kelvin", "StaticText8")) return;
  Label("Result").SetText(lastResult_ ? Str(*lastResult_) : QString());
}

void TemperatureWindow::Celsius_Action() {
  if (!pvt::NameUnitOf(*this, "Celsius", "StaticText8")) return;
  Label("Result").SetText(lastResult_ ? Str(*lastResult_ - 273.15) : QString());
}

void TemperatureWindow::Clear_Action() {
  NoteInputEdit();
  lastResult_.reset();
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  Radio("Celsius").SetValue(false);
  Radio("Kelvin").SetValue(true);
  Label("Density").SetText("");
  Field("dataEntryV").SetText("");
  Field("dataEntryP").SetText("");
  Field("dataEntryT").SetText("");
  Label("Result").SetText("");
  Label("warning").SetText("");
}

void TemperatureWindow::Analysis_Action() { MathAnalT::Instance().Show(); }

void TemperatureWindow::calculate_Action() {
  const fw::RunInputs inputs(*this);
  const double V = Val(Field("dataEntryV").Text());
  const double P = Val(Field("dataEntryP").Text());
  if (!(V > 0) || !(P > 0)) {
    Label("warning").SetText(kPutNumber);
    return;
  }
  Label("warning").SetText("");

  // First approach: with neither radio on, the search starts from 0. A typed
  // start is in kelvin whatever the unit radios show.
  double T0 = 0;
  if (Radio("Choice0").Value()) {
    T0 = P * V / Globals::R;
    if (T0 < kLowestStart) T0 = kLowStartReplacement;
    if (T0 > kHighestStart) T0 = kHighStartReplacement;
  }
  if (Radio("Choice1").Value()) T0 = Val(Field("dataEntryT").Text());

  // A copy: a fluid accepted while the search yields must not enter it.
  const Globals::Composition x = Globals::fraction;
  const double T = Globals::Temperature(x, P, V, T0);
  Globals::TK_global = T;
  if (!inputs.StillShown()) return;
  if (T > 0) {
    lastResult_ = T;
    if (Radio("Celsius").Value()) Label("Result").SetText(Str(T - 273.15));
    if (Radio("Kelvin").Value()) Label("Result").SetText(Str(T));
  } else {
    lastResult_.reset();
    Label("warning").SetText(kChangeFirstApproach);
    EmptyResult();
  }
}

void TemperatureWindow::Event_Activate() { Label("StaticText5").SetText(pvt::MinimumVolumeHint()); }
