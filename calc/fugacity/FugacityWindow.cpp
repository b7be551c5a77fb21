#include "calc/fugacity/FugacityWindow.h"

#include <optional>

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "calc/fugacity/ComponentList.h"
#include "calc/pvt/DensityHint.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

// Controls in creation order; places in window coordinates.
constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Fugacities", 460, 615).Placement(2),
      fw::StoredOrder::Table,
      GroupBox("GroupBox3", 20, 405, 420, 190).Caption("Fugacities").Size(18),
      Listbox("ListBox1", 34, 440, 390, 140).Columns(3, "20%, 40%, 40%").Heading().Italic()
          .Size(13).SetNumber("GridLinesVertical", 3).Parent("GroupBox3"),
      StaticText("Parameter", 20, 190, 130, 25).Text("parameter").Size(16),
      EditField("dataEntryPV", 160, 190, 120, 25).Size(16),
      StaticText("Parameter1", 20, 290, 130, 25).Text("parameter").Size(16),
      StaticText("Unit1", 290, 290, 75, 25).Text("unit").Size(16),
      StaticText("UnitSup1", 312, 289, 16, 20).Size(12),
      PushButton("Calculation1", 135, 250, 171, 25).Caption("calculation"),
      Line("Line1", 20, 395, 440, 395).LineColor(0x000000).BorderWidth(1),
      GroupBox("GroupBox1", 20, 20, 292, 95).Caption("Select Parameters").Size(16).Italic(),
      RadioButton("RadioButtonTP", 40, 49, 250, 25).Caption(" Temperature and Pressure").Size(14)
          .Parent("GroupBox1"),
      RadioButton("RadioButtonTV", 40, 79, 250, 25).Caption(" Temperature and Molar Volume")
          .Size(14).Parent("GroupBox1"),
      StaticText("Unit0", 290, 190, 75, 25).Text("unit").Size(16),
      StaticText("Unitsup", 312, 189, 16, 20).Size(12),
      StaticText("ResultPV", 160, 290, 120, 25).Size(16),
      StaticText("Temperature", 20, 130, 119, 25).Text("Temperature").Size(16),
      EditField("dataEntryT", 145, 130, 120, 25).Size(16),
      StaticText("StaticText1", 275, 130, 80, 25).Text("Kelvin").Size(16),
      GroupBox("GroupBox4", 365, 120, 70, 54),
      RadioButton("Kelvin", 372, 127, 56, 20).Caption("in K").Size(12).On().Parent("GroupBox4"),
      RadioButton("Celsius", 372, 148, 56, 20).Caption("in \u02DAC").Size(12).Parent("GroupBox4"),
      StaticText("Density1", 160, 220, 280, 15).Text("corresponding density").Size(12),
      StaticText("Density2", 160, 320, 280, 15).Text("corresponding density").Size(12),
      StaticText("warning", 160, 350, 270, 30).Size(12).Color(kRed).Multiline(),
      PushButton("calculateFinal", 30, 350, 105, 30).Caption("calculate").Size(18).Default(),
      PushButton("Clear", 393, 20, 50, 20).Caption("clear").Size(10));
});

// Molar volumes are written "cm /mol" with the "3" raised over the blank by a
// small label of its own.
const QString kVolumeUnit = "cm /mol";
const QString kPressureUnit = "MPa";

}  // namespace

fw::WindowBlocks FugacityWindow::Blocks() { return kBlocks; }

fw::ExponentLabels FugacityWindow::Exponents() {
  return {{"Unit0", "Unitsup"}, {"Unit1", "UnitSup1"}};
}

fw::Handlers FugacityWindow::Handlers() {
  return {
      FW_HANDLER(FugacityWindow, dataEntryPV, TextChange),
      FW_HANDLER(FugacityWindow, Calculation1, Action),
      FW_HANDLER(FugacityWindow, RadioButtonTP, Action),
      FW_HANDLER(FugacityWindow, RadioButtonTV, Action),
      FW_HANDLER(FugacityWindow, dataEntryT, TextChange),
      FW_HANDLER(FugacityWindow, Kelvin, Action),
      FW_HANDLER(FugacityWindow, Celsius, Action),
      FW_HANDLER(FugacityWindow, calculateFinal, Action),
      FW_HANDLER(FugacityWindow, Clear, Action),
  };
}

FW_REGISTER_WINDOW(FugacityWindow);

void FugacityWindow::Event_Activate() {
  fugacity::SetComponentListHeadings(*this, "fugacity (in MPa)");
}

// Mode T-P: temperature and pressure given, the molar volume is solved. A
// new mode, like every edit of an input, leaves a calculation still running
// for the inputs before nothing to show.
void FugacityWindow::EnterPressureMode() {
  NoteInputEdit();
  pressure_ = volume_ = 0;
  Field("dataEntryPV").SetText("");
  Field("dataEntryT").SetText("");
  Label("Parameter").SetText("Pressure");
  Label("Unit0").SetText(kPressureUnit);
  Label("Unitsup").SetText("");
  Label("Density1").SetText("");
  Label("Parameter1").SetText("Molar Volume");
  Label("Unit1").SetText(kVolumeUnit);
  Label("UnitSup1").SetText("3");
  Label("Density2").SetText(pvt::kNoDensityHint);
  Button("Calculation1").SetCaption("volume calculation");
  List("ListBox1").DeleteAllRows();
}

// Mode T-V: temperature and molar volume given, the pressure is computed.
void FugacityWindow::EnterVolumeMode() {
  NoteInputEdit();
  pressure_ = volume_ = 0;
  Field("dataEntryPV").SetText("");
  Field("dataEntryT").SetText("");
  Label("Parameter").SetText("Molar Volume");
  Label("Unit0").SetText(kVolumeUnit);
  Label("Unitsup").SetText("3");
  Label("Density1").SetText(pvt::kNoDensityHint);
  Label("Parameter1").SetText("Pressure");
  Label("Unit1").SetText(kPressureUnit);
  Label("UnitSup1").SetText("");
  Label("Density2").SetText("");
  Button("Calculation1").SetCaption("pressure calculation");
  List("ListBox1").DeleteAllRows();
}

void FugacityWindow::RadioButtonTP_Action() {
  if (Radio("RadioButtonTP").Value()) EnterPressureMode();
}

void FugacityWindow::RadioButtonTV_Action() {
  if (Radio("RadioButtonTV").Value()) EnterVolumeMode();
}

// Back to mode T-P with everything empty; the temperature unit stays.
void FugacityWindow::Clear_Action() {
  Radio("RadioButtonTP").SetValue(true);
  EnterPressureMode();
}

// The temperature follows the text at once; the pressure and molar volume
// stay those of the last calculation, so "calculate" lists the fugacities at
// the new temperature with them.
void FugacityWindow::dataEntryT_TextChange() {
  NoteInputEdit();
  Label("ResultPV").SetText("");
  Label("warning").SetText("");
  List("ListBox1").DeleteAllRows();
  StoreTypedTemperature();
}

// A new pressure or molar volume is no longer that of the first step.
void FugacityWindow::dataEntryPV_TextChange() {
  NoteInputEdit();
  pressure_ = volume_ = 0;
  Label("ResultPV").SetText("");
  Label("warning").SetText("");
  List("ListBox1").DeleteAllRows();
  if (Radio("RadioButtonTV").Value()) {
    const double V = Val(Field("dataEntryPV").Text());
    if (V > 0)
      Label("Density1").SetText(pvt::DensityHintAt(V));
  }
  if (Radio("RadioButtonTP").Value()) Label("Density2").SetText(pvt::kNoDensityHint);
}

void FugacityWindow::StoreTypedTemperature() {
  if (const std::optional<double> T = pvt::StoreTypedKelvin(*this)) temperature_ = *T;
}

// A new unit drops the temperature: the typed one means another one.
void FugacityWindow::DropTemperature() {
  NoteInputEdit();
  Globals::TK_global = temperature_ = 0;
}

void FugacityWindow::Kelvin_Action() {
  if (pvt::NameUnitOf(*this, "Kelvin", "StaticText1")) DropTemperature();
}

void FugacityWindow::Celsius_Action() {
  if (pvt::NameUnitOf(*this, "Celsius", "StaticText1")) DropTemperature();
}
