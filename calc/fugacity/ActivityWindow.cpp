#include "calc/fugacity/ActivityWindow.h"

#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "app/scroll_panel.h"
#include "calc/fugacity/ComponentList.h"
#include "calc/pvt/FirstVolumeApproach.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

// Controls in creation order; places in window coordinates with the scroll
// panel Rectangle1 at its opening position.
constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Activities", 480, 700).Placement(2).Resizable().Limits(480, 400, 480, 870),
      fw::StoredOrder::Table,
      Rectangle("Rectangle1", 0, 0, 465, 870).Fill(0xFFFFFF).BorderWidth(0),
      StaticText("Pressure", 20, 20, 130, 25).Text("Pressure").Size(16).Parent("Rectangle1"),
      StaticText("Temperature", 20, 60, 130, 25).Text("Temperature").Size(16)
          .Parent("Rectangle1"),
      EditField("dataEntryP", 155, 20, 120, 25).Size(16).Parent("Rectangle1"),
      EditField("dataEntryT", 155, 60, 120, 25).Size(16).Parent("Rectangle1"),
      PushButton("calculateVm", 45, 340, 185, 30).Caption("calculate molar volume").Size(14)
          .Default().Parent("Rectangle1"),
      StaticText("StaticText3", 285, 60, 80, 25).Text("Kelvin").Size(16).Parent("Rectangle1"),
      StaticText("StaticText4", 285, 20, 80, 25).Text("MPa").Size(16).Parent("Rectangle1"),
      RadioButton("Kelvin", 377, 67, 56, 20).Caption("in K").Size(12).On().Parent("Rectangle1"),
      RadioButton("Celsius", 377, 88, 56, 20).Caption("in \u02DAC").Size(12)
          .Parent("Rectangle1"),
      GroupBox("GroupBox1", 370, 60, 70, 54).Parent("Rectangle1"),
      GroupBox("GroupBox3", 20, 670, 420, 190).Caption("Activities").Size(18)
          .Parent("Rectangle1"),
      Listbox("ListBox1", 34, 705, 390, 140).Columns(3, "20%, 40%, 40%").Heading().Italic()
          .Size(13).SetNumber("GridLinesVertical", 3).Parent("Rectangle1"),
      GroupBox("GroupBox4", 45, 440, 380, 170).Caption("Standard State Conditions").Size(16)
          .Italic().Parent("Rectangle1"),
      RadioButton("StandardChoice0", 60, 473, 20, 20).Parent("GroupBox4"),
      RadioButton("StandardChoice2", 60, 524, 20, 20).Parent("GroupBox4"),
      RadioButton("StandardChoice1", 60, 499, 20, 20).Parent("GroupBox4"),
      StaticText("StandardText1", 85, 499, 320, 20)
          .Text("Pure real gases/salts at selected T and P(ref.)").Size(14).Parent("GroupBox4"),
      StaticText("StandardText2", 85, 524, 320, 20)
          .Text("Pure ideal gases/salts at selected T and P(ref.)").Size(14).Parent("GroupBox4"),
      StaticText("StandardText0", 85, 474, 320, 20)
          .Text("Pure real gases/salts at selected T and P").Size(14).Parent("GroupBox4"),
      StaticText("StaticText9", 330, 570, 35, 20).Text("MPa").Size(14).Parent("GroupBox4"),
      StaticText("PressureRef", 60, 570, 140, 20).Text("Reference Pressure").Size(14)
          .Parent("GroupBox4"),
      EditField("dataEntryPref", 200, 568, 120, 25).Size(14).Parent("GroupBox4"),
      PushButton("calculate", 20, 625, 100, 30).Caption("calculate").Size(18).Default()
          .Parent("Rectangle1"),
      PushButton("Clear", 390, 20, 50, 20).Caption("clear").Size(10).Parent("Rectangle1"),
      ScrollBar("ScrollBar1", 465, 0, 15, 685).Range(0, 170).Value(0).Steps(1, 700),
      GroupBox("GroupBox5", 40, 130, 380, 195).Caption("Select a first approach Molar Volume")
          .Size(16).Italic().Parent("Rectangle1"),
      StaticText("StaticText10", 60, 160, 340, 31)
          .Text("The complexity of the equation of state can result in a variety of "
                "solutions for the molar volume")
          .Size(12).Multiline().Parent("GroupBox5"),
      RadioButton("Choice0", 60, 200, 20, 20).Parent("GroupBox5"),
      StaticText("TextChoice01", 85, 200, 180, 20).Text("automatic").Size(14).Italic()
          .Parent("GroupBox5"),
      RadioButton("Choice1", 60, 225, 20, 20).Parent("GroupBox5"),
      StaticText("TextChoice11", 85, 225, 180, 20).Text("manual").Size(14).Italic()
          .Parent("GroupBox5"),
      StaticText("MolarVolume1", 100, 250, 100, 20).Text("Molar Volume").Size(14)
          .Parent("GroupBox5"),
      EditField("dataEntryV", 210, 250, 100, 20).Size(14).Parent("GroupBox5"),
      StaticText("StaticText11", 320, 250, 75, 20).Text("cm /mol").Size(14).Parent("GroupBox5"),
      StaticText("StaticText5", 339, 246, 16, 20).Text("3").Size(11).Parent("GroupBox5"),
      PushButton("Analysis1", 270, 285, 130, 20).Caption("Mathematical Analysis").Size(10)
          .Parent("GroupBox5"),
      StaticText("ResultV", 175, 390, 120, 25).Size(16).Parent("Rectangle1"),
      StaticText("StaticText12", 305, 390, 75, 25).Text("cm /mol").Size(16).Parent("Rectangle1"),
      StaticText("StaticText13", 327, 389, 16, 20).Text("3").Size(12).Parent("Rectangle1"),
      StaticText("MolarVolume2", 45, 390, 120, 25).Text("Molar Volume").Size(16)
          .Parent("Rectangle1"),
      StaticText("warning", 245, 340, 195, 30).Size(12).Color(kRed).Multiline()
          .Parent("Rectangle1"),
      StaticText("warning1", 140, 625, 260, 30).Size(12).Color(kRed).Multiline()
          .Parent("Rectangle1"));
});

const QString kPutNumber = "warning: put a number for temperature and pressure";
// The solver's failure value 0 is no molar volume: another start may find one.
const QString kNoVolume = "Change first approach";

// The scroll panel's content reaches down to the lower edge of GroupBox3.
constexpr int kPanelExtent = 860;

}  // namespace

fw::WindowBlocks ActivityWindow::Blocks() { return kBlocks; }

fw::ExponentLabels ActivityWindow::Exponents() {
  return {{"StaticText11", "StaticText5"}, {"StaticText12", "StaticText13"}};
}

fw::Handlers ActivityWindow::Handlers() {
  return {
      FW_HANDLER(ActivityWindow, dataEntryP, TextChange),
      FW_HANDLER(ActivityWindow, dataEntryT, TextChange),
      FW_HANDLER(ActivityWindow, calculateVm, Action),
      FW_HANDLER(ActivityWindow, Kelvin, Action),
      FW_HANDLER(ActivityWindow, Celsius, Action),
      FW_HANDLER(ActivityWindow, StandardChoice0, Action),
      FW_HANDLER(ActivityWindow, StandardChoice2, Action),
      FW_HANDLER(ActivityWindow, StandardChoice1, Action),
      FW_HANDLER(ActivityWindow, dataEntryPref, TextChange),
      FW_HANDLER(ActivityWindow, calculate, Action),
      FW_HANDLER(ActivityWindow, Clear, Action),
      FW_HANDLER(ActivityWindow, ScrollBar1, ValueChanged),
      FW_HANDLER(ActivityWindow, Choice0, Action),
      FW_HANDLER(ActivityWindow, Choice1, Action),
      FW_HANDLER(ActivityWindow, dataEntryV, TextChange),
      FW_HANDLER(ActivityWindow, Analysis1, Action),
  };
}

FW_REGISTER_WINDOW(ActivityWindow);

void ActivityWindow::Event_Activate() { fugacity::SetComponentListHeadings(*this, "activity"); }

void ActivityWindow::ScrollBar1_ValueChanged() { scroll_panel::MovePanelToBar(*this); }
void ActivityWindow::Event_Resizing() { scroll_panel::FitBarToWindow(*this, kPanelExtent); }

// A new state point or first approach: no molar volume yet, and everything
// after it goes too.
void ActivityWindow::DropFirstApproachOn() {
  Field("dataEntryV").SetText("");
  Label("ResultV").SetText("");
  Globals::Vm_global = 0;
  DropStandardStateOn();
}

void ActivityWindow::DropStandardStateOn() {
  Radio("StandardChoice0").SetValue(false);
  Radio("StandardChoice1").SetValue(false);
  Radio("StandardChoice2").SetValue(false);
  Field("dataEntryPref").SetText("");
  List("ListBox1").DeleteAllRows();
}

void ActivityWindow::dataEntryP_TextChange() {
  NoteInputEdit();
  Globals::PMPa_global = Val(Field("dataEntryP").Text());
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  DropFirstApproachOn();
}

// The analysis window reads the temperature in kelvin as the unit radios
// stood when the text was last edited.
void ActivityWindow::dataEntryT_TextChange() {
  NoteInputEdit();
  Globals::TK_global = pvt::KelvinUnlessCelsius(*this, Field("dataEntryT").Text());
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  DropFirstApproachOn();
}

void ActivityWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  NoteInputEdit();
  DropFirstApproachOn();
}

void ActivityWindow::Choice1_Action() {
  if (!Radio("Choice1").Value()) return;
  NoteInputEdit();
  DropFirstApproachOn();
}

// A new start volume keeps the shared molar volume but no longer the shown
// one, which the activity step reads.
void ActivityWindow::dataEntryV_TextChange() {
  NoteInputEdit();
  Label("ResultV").SetText("");
  DropStandardStateOn();
}

// The standard state's pressure is this window's own: the shared one may be
// another window's by now.
void ActivityWindow::StandardChoice0_Action() {
  NoteInputEdit();
  List("ListBox1").DeleteAllRows();
  if (Radio("StandardChoice0").Value())
    Field("dataEntryPref").SetText(Str(Val(Field("dataEntryP").Text())));
}

void ActivityWindow::StandardChoice1_Action() {
  NoteInputEdit();
  List("ListBox1").DeleteAllRows();
  if (Radio("StandardChoice1").Value()) Field("dataEntryPref").SetText("");
}

void ActivityWindow::StandardChoice2_Action() {
  NoteInputEdit();
  List("ListBox1").DeleteAllRows();
  if (Radio("StandardChoice2").Value()) Field("dataEntryPref").SetText("");
}

void ActivityWindow::dataEntryPref_TextChange() {
  NoteInputEdit();
  List("ListBox1").DeleteAllRows();
}

// The unit applies from the next edit of the temperature or the next step;
// a running step stops, as the typed temperature now means another one.
void ActivityWindow::Kelvin_Action() {
  if (pvt::NameUnitOf(*this, "Kelvin", "StaticText3")) NoteInputEdit();
}

void ActivityWindow::Celsius_Action() {
  if (pvt::NameUnitOf(*this, "Celsius", "StaticText3")) NoteInputEdit();
}

// Everything but the temperature unit and the messages.
void ActivityWindow::Clear_Action() {
  NoteInputEdit();
  Field("dataEntryP").SetText("");
  Globals::PMPa_global = 0;
  Field("dataEntryT").SetText("");
  Globals::TK_global = 0;
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
  DropFirstApproachOn();
}

void ActivityWindow::Analysis1_Action() { MathAnal::Instance().Show(); }

// An empty or non-numeric temperature field is no temperature, also in ˚C.
// A molar volume found for inputs edited (or read in another unit) while the
// solve yields is neither shown nor stored: an edit has dropped it.
void ActivityWindow::calculateVm_Action() {
  const fw::RunInputs inputs(*this);
  const std::optional<double> typedT = pvt::TypedKelvin(*this, Field("dataEntryT").Text());
  const double P = Val(Field("dataEntryP").Text());
  Globals::PMPa_global = P;
  Globals::TK_global = pvt::KelvinUnlessCelsius(*this, Field("dataEntryT").Text());
  if (!(P > 0) || !pvt::IsPositiveKelvin(typedT)) {
    Label("warning").SetText(kPutNumber);
    return;
  }
  const double T = *typedT;
  Label("warning").SetText("");
  // One fluid for the start and the search, whatever is accepted meanwhile.
  const Globals::Composition x = Globals::fraction;

  // First approach: with neither radio on, the search starts from 0.
  const double V0 = pvt::ChosenFirstVolume(*this, x, T, P);

  const double Vm = Globals::Volume(x, T, P, V0);
  if (!inputs.StillShown()) return;
  Globals::Vm_global = Vm;
  if (!(Vm > 0)) {
    Label("ResultV").SetText("");
    Label("warning").SetText(kNoVolume);
    return;
  }
  Label("ResultV").SetText(Str(Vm));
}
