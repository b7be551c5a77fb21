#include "calc/equilibria/BubbleDewPoint.h"

#include "app/framework/Controls.h"
#include "app/scroll_panel.h"
#include "app/picture_resources.h"
#include "calc/equilibria/ListDeclarations.h"
#include "calc/equilibria/ResultControls.h"
#include "calc/equilibria/TPx_range.h"
#include "calc/equilibria/bubble_dew_first_approach.h"
#include "calc/equilibria/bubble_dew_point.h"
#include "calc/equilibria/phase_lists.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  constexpr std::string_view kPanel = "Rectangle1";
  constexpr std::string_view kSelect = "GroupBox6";
  constexpr std::string_view kMode = "GroupBox4";
  constexpr std::string_view kApproach = "GroupBox5";
  return fw::Declare(
      Window("Bubble-Dew point", 635, 700).Placement(2).Resizable().Limits(635, 400, 635, 925),
      fw::StoredOrder::Table,
      Rectangle("Rectangle1", 0, 0, 620, 925).Fill(0xFFFFFF).BorderWidth(0),
      GroupBox("GroupBox6", 20, 15, 460, 120).Caption("Select").Italic().Size(16).Parent(kPanel),
      RadioButton("RadioButtonTh", 30, 42, 258, 22).Caption("Homogenization Temperature")
          .Size(16).On().Parent(kSelect),
      EditField("dataEntryTh", 291, 42, 95, 22).Size(16).Parent(kSelect),
      StaticText("StaticText3", 392, 42, 84, 22).Text("Kelvin").Size(16).Parent(kSelect),
      RadioButton("RadioButtonPh", 30, 98, 258, 22).Caption("Homogenization Pressure")
          .Size(16).Parent(kSelect),
      EditField("dataEntryPh", 291, 98, 95, 22).Size(16).Parent(kSelect),
      StaticText("StaticText4", 392, 98, 84, 22).Text("MPa").Size(16).Parent(kSelect),
      StaticText("StaticText1", 50, 70, 400, 16)
          .Text("* temperature must exceed 573.15 K in the system H2O-NaCl-KCl").Size(10)
          .Italic().Parent(kSelect),
      GroupBox("GroupBox1", 490, 35, 70, 54).Parent(kPanel),
      RadioButton("Kelvin", 497, 42, 56, 20).Caption("in K").Size(12).On().Parent(kPanel),
      RadioButton("Celsius", 497, 63, 56, 20).Caption("in \u02DAC").Size(12).Parent(kPanel),
      PushButton("Clear", 560, 12, 50, 20).Caption("clear").Size(10).Parent(kPanel),
      GroupBox("GroupBox4", 20, 145, 280, 80).Caption("Mode").Italic().Size(16).Parent(kPanel),
      RadioButton("Vapour", 30, 170, 100, 22).Caption(" Vapour").Size(16).Parent(kMode),
      RadioButton("Liquid", 30, 196, 100, 22).Caption(" Liquid").Size(16).Parent(kMode),
      ImageWell("ImageWell1", 165, 168, 120, 45).Picture(Liquid2).Hidden().Parent(kMode),
      ImageWell("ImageWell2", 166, 168, 120, 45).Picture(Vapour2).Hidden().Parent(kMode),
      PushButton("LVpoint", 320, 180, 100, 20).Caption("T-P-x range").Size(10).Parent(kPanel),
      PushButton("FirstApproach", 195, 240, 230, 30).Caption("calculate first approach")
          .Size(16).Parent(kPanel),
      GroupBox("GroupBox5", 20, 280, 580, 205).Caption("First Approach").Italic().Size(16)
          .Parent(kPanel),
      StaticText("Homogen", 30, 308, 230, 20).Text("Homogenization Pressure").Size(14)
          .Parent(kApproach),
      EditField("dataEntry2", 265, 308, 100, 20).Size(14).Parent(kApproach),
      StaticText("Dimension", 375, 308, 80, 20).Text("MPa").Size(14).Parent(kApproach),
      StaticText("Composition", 30, 345, 110, 20).Text("Composition").Size(14)
          .Parent(kApproach),
      StaticText("PhaseX", 150, 345, 80, 20).Text("Phase X").Size(14).Parent(kApproach),
      StaticText("PhaseY", 370, 345, 80, 20).Text("Phase Y").Size(14).Parent(kApproach),
      equilibria::PhaseList("ListBoxPhaseX", 150, 367, 190, 105, kApproach),
      equilibria::PhaseList("ListBoxPhaseY", 370, 367, 190, 105, kApproach),
      StaticText("StaticText5", 290, 488, 310, 28)
          .Text("* The values in \"First Approach\" can be manually changed").Size(10)
          .Multiline().Parent(kPanel),
      PushButton("calculate", 30, 520, 100, 30).Caption("calculate").Size(18).Default()
          .Parent(kPanel),
      StaticText("StaticText6", 140, 535, 180, 15).Text("* extensive computation times")
          .Size(10).Parent(kPanel),
      StaticText("Homogen2", 20, 570, 220, 25).Text("Homogenization Pressure").Size(16)
          .Parent(kPanel),
      StaticText("Answer", 245, 570, 130, 25).Size(16).Parent(kPanel),
      StaticText("Dimension2", 380, 570, 80, 25).Text("MPa").Size(16).Parent(kPanel),
      StaticText("PhaseX1", 165, 605, 190, 20).Text("Phase X").Size(14).Parent(kPanel),
      StaticText("PhaseY1", 390, 605, 190, 20).Text("Phase Y").Size(14).Parent(kPanel),
      StaticText("MolarVolume", 20, 630, 140, 25).Text("Molar Volume").Size(16)
          .Parent(kPanel),
      equilibria::ValueList("ListBoxVmX", 165, 630, 190, 25, kPanel),
      equilibria::ValueList("ListBoxVmY", 390, 630, 190, 25, kPanel),
      StaticText("Density", 20, 665, 140, 25).Text("Density").Size(16).Parent(kPanel),
      equilibria::ValueList("ListBoxDX", 165, 665, 190, 25, kPanel),
      equilibria::ValueList("ListBoxDY", 390, 665, 190, 25, kPanel),
      StaticText("Compositions", 20, 700, 140, 25).Text("Composition").Size(16)
          .Parent(kPanel),
      equilibria::PhaseList("ListBoxPhaseX1", 165, 700, 190, 85, kPanel),
      equilibria::PhaseList("ListBoxPhaseY1", 390, 700, 190, 85, kPanel),
      StaticText("Fugacity", 20, 795, 140, 25).Text("Fugacity (MPa)").Size(16).Parent(kPanel),
      equilibria::PhaseList("ListBoxPhaseX2", 165, 795, 190, 85, kPanel),
      equilibria::PhaseList("ListBoxPhaseY2", 390, 795, 190, 85, kPanel),
      RoundRectangle("RoundRectangle1", 20, 890, 580, 28).Fill(0xFFFFFF).BorderWidth(1)
          .BorderColor(0x000000).Oval(16, 16).Parent(kPanel),
      StaticText("ResultText", 30, 894, 560, 20).Size(14).Parent("RoundRectangle1"),
      ScrollBar("ScrollBar1", 620, 0, 15, 685).Range(0, 225).Value(0).Steps(1, 700));
});

// Height of everything the scroll panel holds.
constexpr int kContentHeight = 925;

}  // namespace

fw::WindowBlocks BubbleDewPoint::Blocks() { return kBlocks; }

fw::Handlers BubbleDewPoint::Handlers() {
  return {
      FW_HANDLER(BubbleDewPoint, RadioButtonTh, Action),
      FW_HANDLER(BubbleDewPoint, RadioButtonPh, Action),
      FW_HANDLER(BubbleDewPoint, Kelvin, Action),
      FW_HANDLER(BubbleDewPoint, Celsius, Action),
      FW_HANDLER(BubbleDewPoint, Vapour, Action),
      FW_HANDLER(BubbleDewPoint, Liquid, Action),
      FW_HANDLER(BubbleDewPoint, FirstApproach, Action),
      FW_HANDLER(BubbleDewPoint, calculate, Action),
      FW_HANDLER(BubbleDewPoint, ListBoxPhaseX, CellClick),
      FW_HANDLER(BubbleDewPoint, ListBoxPhaseY, CellClick),
      FW_HANDLER(BubbleDewPoint, ListBoxPhaseX, CellTextChange),
      FW_HANDLER(BubbleDewPoint, ListBoxPhaseY, CellTextChange),
      FW_HANDLER(BubbleDewPoint, Clear, Action),
      FW_HANDLER(BubbleDewPoint, LVpoint, Action),
      FW_HANDLER(BubbleDewPoint, ScrollBar1, ValueChanged),
  };
}

FW_REGISTER_WINDOW(BubbleDewPoint);

void BubbleDewPoint::NameSought(const char* quantity, const char* unit) {
  Label("Homogen").SetText(quantity);
  Label("Homogen2").SetText(quantity);
  Label("Dimension").SetText(unit);
  Label("Dimension2").SetText(unit);
}

// The captions over the result columns of phase X and phase Y.
void BubbleDewPoint::ShowCaptions(const QString& phaseX, const QString& phaseY) {
  Label("PhaseX1").SetText(phaseX);
  Label("PhaseY1").SetText(phaseY);
}

void BubbleDewPoint::RadioButtonTh_Action() {
  if (!Radio("RadioButtonTh").Value()) return;
  Field("dataEntryPh").SetText("");
  NameSought("Homogenization Pressure", "MPa");
}

void BubbleDewPoint::RadioButtonPh_Action() {
  if (!Radio("RadioButtonPh").Value()) return;
  Field("dataEntryTh").SetText("");
  NameSought("Homogenization Temperature", "Kelvin");
}

void BubbleDewPoint::Kelvin_Action() {
  if (!Radio("Kelvin").Value()) return;
  Label("StaticText1").SetText("* temperature must exceed 573.15 K in the H2O-NaCl-KCl system");
  Label("StaticText3").SetText("Kelvin");
}

void BubbleDewPoint::Celsius_Action() {
  if (!Radio("Celsius").Value()) return;
  Label("StaticText1").SetText(
      "* temperature must exceed 300.0 \u02DAC in the H2O-NaCl-KCl system");
  Label("StaticText3").SetText("\u02DACelsius");
}

void BubbleDewPoint::Vapour_Action() {
  if (Radio("Vapour").Value()) {
    ControlByName("ImageWell2").SetVisible(true);
    ControlByName("ImageWell1").SetVisible(false);
  } else {
    ControlByName("ImageWell2").SetVisible(false);
  }
}

void BubbleDewPoint::Liquid_Action() {
  if (Radio("Liquid").Value()) {
    ControlByName("ImageWell1").SetVisible(true);
    ControlByName("ImageWell2").SetVisible(false);
  } else {
    ControlByName("ImageWell1").SetVisible(false);
  }
}

namespace {

equilibria::HomogenizationMode ModeOf(const BubbleDewPoint& w) {
  return w.Radio("RadioButtonPh").Value() ? equilibria::HomogenizationMode::Pressure
                                          : equilibria::HomogenizationMode::Temperature;
}

equilibria::BulkPhase BulkOf(const BubbleDewPoint& w) {
  if (w.Radio("Vapour").Value()) return equilibria::BulkPhase::Vapour;
  if (w.Radio("Liquid").Value()) return equilibria::BulkPhase::Liquid;
  return equilibria::BulkPhase::None;
}

}  // namespace

void BubbleDewPoint::FirstApproach_Action() {
  Label("ResultText").SetText("");
  ShowCaptions(equilibria::kPhaseX, equilibria::kPhaseY);
  equilibria::BubbleDewApproachInput input;
  input.mode = ModeOf(*this);
  input.bulk = BulkOf(*this);
  input.temperature = pvt::TypedKelvin(*this, Field("dataEntryTh").Text());
  input.pressureText = Field("dataEntryPh").Text();
  const equilibria::BubbleDewApproach approach = equilibria::BubbleDewFirstApproach(input);
  if (!approach.refusal.isEmpty()) {
    equilibria::ShowResult(*this, equilibria::MessageOnly(approach.refusal), false);
    return;
  }
  start_ = approach.state;
  Field("dataEntry2").SetText(approach.start);
  equilibria::FillPhaseLists(List("ListBoxPhaseX"), List("ListBoxPhaseY"));
  equilibria::EmptyResultLists(*this, false);
  Label("ResultText").SetText("");
  Label("Answer").SetText("");
}

void BubbleDewPoint::calculate_Action() {
  equilibria::BubbleDewInput input;
  // Read once: a mode switched during the run would swap pressure and
  // temperature inside it. The bulk-phase radios are read again after it.
  input.mode = ModeOf(*this);
  input.bulk = BulkOf(*this);
  input.startText = Field("dataEntry2").Text();
  input.bulkAfterRun = [this] { return BulkOf(*this); };
  // While the run iterates, no column is marked: a mark left by the last run
  // would stand beside results that are no longer this run's.
  ShowCaptions(equilibria::kPhaseX, equilibria::kPhaseY);
  const equilibria::BubbleDewResult result =
      equilibria::CalculateBubbleDewPoint(input, start_, [this] { return IsOpen(); });
  if (result.stopped) return;
  equilibria::ShowResult(*this, result, false);
  ShowCaptions(result.captionX, result.captionY);
}

bool BubbleDewPoint::ListBoxPhaseX_CellClick(int row, int, int, int) {
  return equilibria::OpenValueCell(List("ListBoxPhaseX"), row);
}
bool BubbleDewPoint::ListBoxPhaseY_CellClick(int row, int, int, int) {
  return equilibria::OpenValueCell(List("ListBoxPhaseY"), row);
}
// Stored in the shared phase compositions and in this window's start.
void BubbleDewPoint::ListBoxPhaseX_CellTextChange(int row, int) {
  equilibria::StoreEditedFraction(List("ListBoxPhaseX"), row, Globals::xgas);
  equilibria::StoreEditedFraction(List("ListBoxPhaseX"), row, start_.x);
}
void BubbleDewPoint::ListBoxPhaseY_CellTextChange(int row, int) {
  equilibria::StoreEditedFraction(List("ListBoxPhaseY"), row, Globals::ygas);
  equilibria::StoreEditedFraction(List("ListBoxPhaseY"), row, start_.y);
}

void BubbleDewPoint::Clear_Action() {
  Field("dataEntry2").SetText("");
  Label("Answer").SetText("");
  Field("dataEntryTh").SetText("");
  Field("dataEntryPh").SetText("");
  Label("ResultText").SetText("");
  Radio("Liquid").SetValue(false);
  Radio("Vapour").SetValue(false);
  ControlByName("ImageWell1").SetVisible(false);
  ControlByName("ImageWell2").SetVisible(false);
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxPhaseX", "ListBoxPhaseX1",
                           "ListBoxPhaseX2", "ListBoxVmY", "ListBoxDY", "ListBoxPhaseY",
                           "ListBoxPhaseY1", "ListBoxPhaseY2"})
    List(list).DeleteAllRows();
}

void BubbleDewPoint::LVpoint_Action() { TPx_range::Instance().Show(); }

void BubbleDewPoint::ScrollBar1_ValueChanged() { scroll_panel::MovePanelToBar(*this); }
void BubbleDewPoint::Event_Resizing() { scroll_panel::FitBarToWindow(*this, kContentHeight); }
