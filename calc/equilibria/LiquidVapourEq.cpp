#include "calc/equilibria/LiquidVapourEq.h"

#include "app/framework/Controls.h"
#include "app/scroll_panel.h"
#include "calc/equilibria/ListDeclarations.h"
#include "calc/equilibria/ResultControls.h"
#include "calc/equilibria/SLV.h"
#include "calc/equilibria/TPx_range.h"
#include "calc/equilibria/liquid_vapour_first_approach.h"
#include "calc/equilibria/liquid_vapour_split.h"
#include "calc/equilibria/phase_lists.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  constexpr std::string_view kPanel = "Rectangle1";
  constexpr std::string_view kApproach = "FirstApproach";
  return fw::Declare(
      Window("Liquid-Vapour Equilibrium", 615, 700).Placement(2).Resizable()
          .Limits(615, 64, 615, 840),
      fw::StoredOrder::Table,
      Rectangle("Rectangle1", 0, 0, 600, 840).Fill(0xFFFFFF).BorderWidth(0),
      StaticText("MolarVolume1", 20, 20, 160, 25).Text("Bulk Molar Volume").Size(16).Parent(kPanel),
      StaticText("Temperature", 20, 60, 130, 25).Text("Temperature").Size(16).Parent(kPanel),
      StaticText("StaticText1", 330, 20, 80, 25).Text("cm /mol").Size(16).Parent(kPanel),
      StaticText("StaticText2", 352, 19, 16, 20).Text("3").Size(12).Parent(kPanel),
      StaticText("StaticText3", 330, 60, 80, 25).Text("Kelvin").Size(16).Parent(kPanel),
      EditField("dataEntry", 200, 20, 120, 25).Size(16).Parent(kPanel),
      EditField("dataEntry1", 200, 60, 120, 25).Size(16).Parent(kPanel),
      GroupBox("GroupBox1", 413, 60, 70, 54).Parent(kPanel),
      RadioButton("Kelvin", 420, 67, 56, 20).Caption("in K").Size(12).On().Parent("GroupBox1"),
      RadioButton("Celsius", 420, 88, 56, 20).Caption("in \u02DAC").Size(12).Parent("GroupBox1"),
      PushButton("CalFirstApproach", 195, 130, 205, 30).Caption("calculate first approach")
          .Size(16).Parent(kPanel),
      GroupBox("FirstApproach", 20, 165, 560, 215).Caption("First Approach").Italic().Size(14)
          .Parent(kPanel),
      StaticText("Pstart", 30, 200, 190, 20).Text("Pressure").Size(14).Parent(kApproach),
      StaticText("FracStart", 30, 232, 230, 20).Text("Volume fraction of vapour phase").Size(14)
          .Parent(kApproach),
      StaticText("Dimension", 375, 200, 50, 20).Text("MPa").Size(14).Parent(kApproach),
      EditField("dataEntry2", 265, 200, 100, 20).Size(14).Parent(kApproach),
      EditField("dataEntry3", 265, 232, 100, 20).Size(14).Parent(kApproach),
      StaticText("Composition", 30, 268, 100, 20).Text("Composition").Size(14).Parent(kApproach),
      StaticText("PhaseX", 150, 268, 60, 20).Text("Phase X").Size(14).Parent(kApproach),
      StaticText("PhaseY", 370, 268, 60, 20).Text("Phase Y").Size(14).Parent(kApproach),
      equilibria::PhaseList("ListBoxPhaseX", 150, 288, 190, 80, kApproach),
      equilibria::PhaseList("ListBoxPhaseY", 370, 288, 190, 80, kApproach),
      StaticText("StaticText4", 290, 380, 290, 15)
          .Text("* The values in \"First Approach\" can be manually changed").Size(10)
          .Parent(kPanel),
      PushButton("calculate", 30, 405, 100, 30).Caption("calculate").Size(18).Default()
          .Parent(kPanel),
      StaticText("MolarVolume", 20, 545, 150, 25).Text("Molar Volume").Size(16).Parent(kPanel),
      StaticText("Compositions", 20, 615, 150, 25).Text("Composition").Size(16).Parent(kPanel),
      StaticText("PhaseX1", 180, 485, 60, 20).Text("Phase X").Size(14).Parent(kPanel),
      StaticText("PhaseY1", 390, 485, 60, 20).Text("Phase Y").Size(14).Parent(kPanel),
      StaticText("ResultPressure", 20, 450, 100, 25).Text("Pressure").Size(16).Parent(kPanel),
      StaticText("Answer", 134, 450, 120, 25).Size(16).Parent(kPanel),
      StaticText("Dimension2", 264, 450, 70, 25).Text("MPa").Size(16).Parent(kPanel),
      equilibria::ValueList("ListBoxVmX", 180, 545, 190, 25, kPanel),
      equilibria::ValueList("ListBoxVmY", 390, 545, 190, 25, kPanel),
      equilibria::PhaseList("ListBoxPhaseX1", 180, 615, 190, 80, kPanel),
      equilibria::PhaseList("ListBoxPhaseY1", 390, 615, 190, 80, kPanel),
      StaticText("Fugacity", 20, 705, 150, 25).Text("Fugacity (MPa)").Size(16).Parent(kPanel),
      equilibria::PhaseList("ListBoxPhaseX2", 180, 705, 190, 80, kPanel),
      equilibria::PhaseList("ListBoxPhaseY2", 390, 705, 190, 80, kPanel),
      StaticText("ResultFraction", 20, 510, 150, 25).Text("Volume Fraction").Size(16)
          .Parent(kPanel),
      equilibria::ValueList("ListBoxFracX", 180, 510, 190, 25, kPanel),
      equilibria::ValueList("ListBoxFracY", 390, 510, 190, 25, kPanel),
      RoundRectangle("RoundRectangle1", 20, 795, 560, 25).Fill(0xFFFFFF).BorderWidth(1)
          .BorderColor(0x000000).Oval(16, 16).Parent(kPanel),
      StaticText("ResultText", 30, 798, 540, 19).Size(14).Parent("RoundRectangle1"),
      StaticText("Density", 20, 580, 150, 25).Text("Density").Size(16).Parent(kPanel),
      equilibria::ValueList("ListBoxDX", 180, 580, 190, 25, kPanel),
      equilibria::ValueList("ListBoxDY", 390, 580, 190, 25, kPanel),
      StaticText("StaticText5", 140, 430, 160, 15).Text("* extensive computation times")
          .Size(10).Parent(kPanel),
      PushButton("Clear", 530, 20, 50, 20).Caption("clear").Size(10).Parent(kPanel),
      ScrollBar("ScrollBar1", 600, 0, 15, 685).Range(0, 140).Value(0).Steps(1, 700),
      StaticText("StaticText6", 50, 90, 335, 14)
          .Text("* temperature must exceed 573.15 K in the system H2O-NaCl-KCl").Size(10)
          .Italic().Parent(kPanel),
      PushButton("SLVbutton", 340, 450, 170, 20).Caption("SLV pressure H20-NaCl-KCl").Size(10)
          .Italic().Parent(kPanel),
      PushButton("LVpoint", 470, 141, 100, 20).Caption("T-P-x range").Size(10).Parent(kPanel));
});

// Height of everything the scroll panel holds.
constexpr int kContentHeight = 840;

}  // namespace

fw::WindowBlocks LiquidVapourEq::Blocks() { return kBlocks; }

fw::ExponentLabels LiquidVapourEq::Exponents() { return {{"StaticText1", "StaticText2"}}; }

fw::Handlers LiquidVapourEq::Handlers() {
  return {
      FW_HANDLER(LiquidVapourEq, Kelvin, Action),
      FW_HANDLER(LiquidVapourEq, Celsius, Action),
      FW_HANDLER(LiquidVapourEq, CalFirstApproach, Action),
      FW_HANDLER(LiquidVapourEq, calculate, Action),
      FW_HANDLER(LiquidVapourEq, ListBoxPhaseX, CellClick),
      FW_HANDLER(LiquidVapourEq, ListBoxPhaseY, CellClick),
      FW_HANDLER(LiquidVapourEq, ListBoxPhaseX, CellTextChange),
      FW_HANDLER(LiquidVapourEq, ListBoxPhaseY, CellTextChange),
      FW_HANDLER(LiquidVapourEq, Clear, Action),
      FW_HANDLER(LiquidVapourEq, SLVbutton, Action),
      FW_HANDLER(LiquidVapourEq, LVpoint, Action),
      FW_HANDLER(LiquidVapourEq, ScrollBar1, ValueChanged),
  };
}

FW_REGISTER_WINDOW(LiquidVapourEq);

void LiquidVapourEq::Kelvin_Action() {
  if (!Radio("Kelvin").Value()) return;
  Label("StaticText6").SetText("* temperature must exceed 573.15 K in the H2O-NaCl-KCl system");
  Label("StaticText3").SetText("Kelvin");
}

void LiquidVapourEq::Celsius_Action() {
  if (!Radio("Celsius").Value()) return;
  Label("StaticText6").SetText(
      "* temperature must exceed 300.0 \u02DAC in the H2O-NaCl-KCl system");
  Label("StaticText3").SetText("\u02DACelsius");
}

void LiquidVapourEq::CalFirstApproach_Action() {
  Label("ResultText").SetText("");
  const equilibria::LiquidVapourApproach approach = equilibria::LiquidVapourFirstApproach(
      pvt::TypedKelvin(*this, Field("dataEntry1").Text()));
  if (!approach.refusal.isEmpty()) {
    equilibria::ShowResult(*this, equilibria::MessageOnly(approach.refusal), true);
    return;
  }
  startK_ = approach.K;
  Field("dataEntry3").SetText(approach.startFraction);
  Field("dataEntry2").SetText(approach.startPressure);
  equilibria::FillPhaseLists(List("ListBoxPhaseX"), List("ListBoxPhaseY"));
  Label("Answer").SetText("");
  equilibria::EmptyResultLists(*this, true);
}

void LiquidVapourEq::calculate_Action() {
  equilibria::LiquidVapourInput input;
  input.volumeText = Field("dataEntry").Text();
  input.temperature = pvt::TypedKelvin(*this, Field("dataEntry1").Text());
  input.pressureText = Field("dataEntry2").Text();
  input.fractionText = Field("dataEntry3").Text();
  const equilibria::EquilibriumResult result =
      equilibria::CalculateLiquidVapourSplit(input, startK_, [this] { return IsOpen(); });
  if (result.stopped) return;
  equilibria::ShowResult(*this, result, true);
}

bool LiquidVapourEq::ListBoxPhaseX_CellClick(int row, int, int, int) {
  return equilibria::OpenValueCell(List("ListBoxPhaseX"), row);
}
bool LiquidVapourEq::ListBoxPhaseY_CellClick(int row, int, int, int) {
  return equilibria::OpenValueCell(List("ListBoxPhaseY"), row);
}
void LiquidVapourEq::ListBoxPhaseX_CellTextChange(int row, int) {
  equilibria::StoreEditedFraction(List("ListBoxPhaseX"), row, Globals::xgas);
}
void LiquidVapourEq::ListBoxPhaseY_CellTextChange(int row, int) {
  equilibria::StoreEditedFraction(List("ListBoxPhaseY"), row, Globals::ygas);
}

void LiquidVapourEq::Clear_Action() {
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    Field(field).SetText("");
  Label("Answer").SetText("");
  Label("ResultText").SetText("");
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxFracX", "ListBoxPhaseX",
                           "ListBoxPhaseX1", "ListBoxPhaseX2", "ListBoxVmY", "ListBoxDY",
                           "ListBoxFracY", "ListBoxPhaseY", "ListBoxPhaseY1", "ListBoxPhaseY2"})
    List(list).DeleteAllRows();
}

void LiquidVapourEq::SLVbutton_Action() { SLV::Instance().Show(); }
void LiquidVapourEq::LVpoint_Action() { TPx_range::Instance().Show(); }

void LiquidVapourEq::ScrollBar1_ValueChanged() { scroll_panel::MovePanelToBar(*this); }
void LiquidVapourEq::Event_Resizing() { scroll_panel::FitBarToWindow(*this, kContentHeight); }
