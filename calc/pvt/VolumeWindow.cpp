#include "calc/pvt/VolumeWindow.h"

#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/ComponentNames.h"
#include "calc/pvt/FirstVolumeApproach.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Molar Volumes", 460, 510).Placement(2),
      fw::StoredOrder::Reversed,
      StaticText("ExcessMolarVolume", 30, 470, 180, 25).Text("Excess Molar Volume").Size(16),
      StaticText("ExcessVol", 220, 470, 120, 25).Size(16),
      StaticText("StaticText10", 350, 470, 75, 25).Text("cm /mol").Size(16),
      StaticText("StaticText11", 372, 469, 16, 20).Text("3").Size(12),
      StaticText("Pressure", 20, 20, 130, 25).Text("Pressure").Size(16),
      StaticText("Temperature", 20, 60, 130, 25).Text("Temperature").Size(16),
      EditField("dataEntryP", 155, 20, 120, 25).Size(16),
      EditField("dataEntryT", 155, 60, 120, 25).Size(16),
      StaticText("StaticText4", 285, 20, 80, 25).Text("MPa").Size(16),
      StaticText("StaticText3", 285, 60, 80, 25).Text("Kelvin").Size(16),
      RadioButton("Kelvin", 377, 67, 56, 20).Caption("in K").Size(12).On(),
      RadioButton("Celsius", 377, 88, 56, 20).Caption("in \u02DAC").Size(12),
      GroupBox("GroupBox1", 370, 60, 70, 54),
      PushButton("Clear", 390, 20, 50, 20).Caption("clear").Size(10),
      GroupBox("GroupBox3", 40, 130, 380, 195).Caption("Select a first approach").Size(16)
          .Italic(),
      StaticText("StaticText14", 60, 160, 340, 31)
          .Text("The complexity of the equation of state can result in a variety of "
                "solutions for the molar volume")
          .Size(12).Multiline().Parent("GroupBox3"),
      RadioButton("Choice0", 60, 200, 20, 20).Size(18).Font("palatino").Parent("GroupBox3"),
      StaticText("TextChoice01", 85, 200, 180, 20).Text("automatic").Size(14).Italic()
          .Parent("GroupBox3"),
      RadioButton("Choice1", 60, 225, 20, 20).Size(18).Font("palatino").Parent("GroupBox3"),
      StaticText("TextChoice11", 85, 225, 180, 20).Text("manual").Size(14).Italic()
          .Parent("GroupBox3"),
      StaticText("MolarVolume1", 100, 250, 100, 20).Text("Molar Volume").Size(14)
          .Parent("GroupBox3"),
      EditField("dataEntryV", 210, 250, 100, 20).Size(14).Parent("GroupBox3"),
      StaticText("StaticText15", 320, 250, 75, 20).Text("cm /mol").Size(14)
          .Parent("GroupBox3"),
      StaticText("StaticText5", 339, 246, 16, 20).Text("3").Size(11).Parent("GroupBox3"),
      PushButton("Analysis1", 270, 285, 130, 20).Caption("Mathematical Analysis").Size(10)
          .Parent("GroupBox3"),
      PushButton("calculate", 30, 340, 105, 30).Caption("calculate").Size(18).Default(),
      StaticText("warning", 160, 340, 270, 30).Size(12).Color(kRed).Multiline(),
      Line("Line1", 20, 385, 440, 385).LineColor(0x000000).BorderWidth(1),
      StaticText("Result", 220, 400, 120, 25).Size(16),
      StaticText("StaticText2", 350, 400, 75, 25).Text("cm /mol").Size(16),
      StaticText("StaticText16", 372, 399, 16, 20).Text("3").Size(12),
      StaticText("MolarVolume2", 30, 400, 180, 25).Text("Molar Volume").Size(16),
      StaticText("Density1", 30, 430, 180, 25).Text("Density").Size(16),
      StaticText("DensityResult", 220, 430, 120, 25).Size(16),
      StaticText("StaticText6", 350, 430, 55, 25).Text("g/cm").Size(16),
      StaticText("StaticText17", 390, 429, 16, 20).Text("3").Size(12));
});

const QString kPutNumber = "warning: put a number for temperature and pressure";
const QString kChangeFirstApproach = "Change first approach";
// The excess molar volume needs the molar volumes of the mixture and of
// every pure component present; without one of them there is none.
const QString kNoExcess = "no excess molar volume";
const QString kPureFailed = ": no molar volume of pure ";
const QString kNotShown = "warning: value " + fw::kTooLargeToShow;

}  // namespace

fw::WindowBlocks VolumeWindow::Blocks() { return kBlocks; }

fw::ExponentLabels VolumeWindow::Exponents() {
  return {{"StaticText10", "StaticText11"},
          {"StaticText15", "StaticText5"},
          {"StaticText2", "StaticText16"},
          {"StaticText6", "StaticText17"}};
}

fw::Handlers VolumeWindow::Handlers() {
  return {
      FW_HANDLER(VolumeWindow, dataEntryP, TextChange),
      FW_HANDLER(VolumeWindow, dataEntryT, TextChange),
      FW_HANDLER(VolumeWindow, Kelvin, Action),
      FW_HANDLER(VolumeWindow, Celsius, Action),
      FW_HANDLER(VolumeWindow, Clear, Action),
      FW_HANDLER(VolumeWindow, Choice0, Action),
      FW_HANDLER(VolumeWindow, Choice1, Action),
      FW_HANDLER(VolumeWindow, dataEntryV, TextChange),
      FW_HANDLER(VolumeWindow, Analysis1, Action),
      FW_HANDLER(VolumeWindow, calculate, Action),
  };
}

FW_REGISTER_WINDOW(VolumeWindow);

void VolumeWindow::EmptyResults() {
  Label("Result").SetText("");
  Label("DensityResult").SetText("");
  Label("ExcessVol").SetText("");
}

// Every edit of an input empties the results: a calculation still running
// for the inputs before shows nothing either.
void VolumeWindow::dataEntryP_TextChange() {
  NoteInputEdit();
  Globals::PMPa_global = Val(Field("dataEntryP").Text());
  EmptyResults();
  pvt::ResetFirstApproach(*this);
}

// The analysis window reads the temperature in kelvin as the unit radios
// stood when the text was last edited.
void VolumeWindow::dataEntryT_TextChange() {
  NoteInputEdit();
  pvt::StoreTypedKelvin(*this);
  EmptyResults();
  pvt::ResetFirstApproach(*this);
}

void VolumeWindow::dataEntryV_TextChange() {
  NoteInputEdit();
  EmptyResults();
  Label("warning").SetText("");
}

// A result shown stays; a calculation still running, which read the
// temperature in the other unit, shows nothing.
void VolumeWindow::Kelvin_Action() {
  if (pvt::NameUnitOf(*this, "Kelvin", "StaticText3")) NoteInputEdit();
}

void VolumeWindow::Celsius_Action() {
  if (pvt::NameUnitOf(*this, "Celsius", "StaticText3")) NoteInputEdit();
}

void VolumeWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  NoteInputEdit();
  Field("dataEntryV").SetText("");
  EmptyResults();
}

void VolumeWindow::Choice1_Action() {
  if (!Radio("Choice1").Value()) return;
  NoteInputEdit();
  EmptyResults();
}

// The shared scalars are zeroed last: emptying the temperature field in ˚C
// writes 273.15 on the way.
void VolumeWindow::Clear_Action() {
  NoteInputEdit();
  Field("dataEntryP").SetText("");
  Field("dataEntryT").SetText("");
  Field("dataEntryV").SetText("");
  Label("Result").SetText("");
  Label("ExcessVol").SetText("");
  Label("DensityResult").SetText("");
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  Label("warning").SetText("");
  Globals::TK_global = 0;
  Globals::PMPa_global = 0;
}

void VolumeWindow::Analysis1_Action() { MathAnal::Instance().Show(); }

void VolumeWindow::calculate_Action() {
  const fw::RunInputs inputs(*this);
  // Read afresh from the fields, in kelvin after the conversion.
  const std::optional<double> typedT = pvt::TypedKelvin(*this, Field("dataEntryT").Text());
  const double P = Val(Field("dataEntryP").Text());
  if (!(P > 0) || !pvt::IsPositiveKelvin(typedT)) {
    Label("warning").SetText(kPutNumber);
    return;
  }
  const double T = *typedT;
  Label("warning").SetText("");
  // The fluid of this run: one accepted while it yields reaches neither the
  // mixture, nor the pure components, nor the excess volume.
  const Globals::Composition x = Globals::fraction;

  // First approach: with neither radio on, the search starts from 0.
  const double V0 = pvt::ChosenFirstVolume(*this, x, T, P);

  const double Vm = Globals::Volume(x, T, P, V0);
  if (!inputs.StillShown()) return;
  if (!(Vm > 0)) {
    Label("warning").SetText(kChangeFirstApproach + "\r" + kNoExcess);
    EmptyResults();
    return;
  }
  Label("Result").SetText(Str(Vm));
  const double density = Globals::Density(x, Vm);
  Label("DensityResult").SetText(Str(density));
  if (!fw::IsShowable(density)) Label("warning").SetText(kNotShown);

  // Molar volumes of the pure components present, at the same T and P and
  // from the same first approach as the mixture.
  Globals::Composition pure{};
  Globals::Composition pureVolume{};
  for (int i = 0; i < 5; ++i) {
    if (x[i] > 0) {
      pure[i] = 1.0;
      pureVolume[i] = Globals::Volume(pure, T, P, V0);
      pure[i] = 0;
      if (!inputs.StillShown()) return;
      if (!(pureVolume[i] > 0)) {
        Label("warning").SetText(kNoExcess + kPureFailed + pvt::kComponentNames[i]);
        Label("ExcessVol").SetText("");
        return;
      }
    }
    RuntimeBackgroundTask();
    if (!inputs.StillShown()) return;
  }

  Globals::Vexcess = Vm;
  for (int i = 0; i < 5; ++i) {
    if (x[i] > 0) Globals::Vexcess = Globals::Vexcess - x[i] * pureVolume[i];
    RuntimeBackgroundTask();
  }
  if (!inputs.StillShown()) return;
  Label("ExcessVol").SetText(Str(Globals::Vexcess));
  if (!fw::IsShowable(Globals::Vexcess)) Label("warning").SetText(kNotShown);
}
