#include "app/fluid_window.h"

#include <array>

#include "app/composition_conversion.h"
#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "app/picture_resources.h"
#include "app/procedures_window.h"
#include "fluid/Globals.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

constexpr std::uint32_t kBlack = 0x000000;

// One cell of the "Recalculated Composition" table is a framed box holding
// the label that shows the value.
constexpr fw::BlockDecl CellFrame(std::string_view name, std::int32_t left, std::int32_t top) {
  return fw::decl::Rectangle(name, left, top, 94, 22).Parent("GroupBox2").Fill(0xFFFFFF).BorderWidth(1).Bevel(kBlack, kBlack);
}

constexpr fw::BlockDecl CellLabel(std::string_view name, std::string_view frame, std::int32_t left, std::int32_t top) {
  return fw::decl::StaticText(name, left + 4, top + 2, 86, 18).Parent(frame).Font("system").Size(14);
}

constexpr fw::BlockDecl Entry(std::string_view name, std::int32_t top) {
  return fw::decl::EditField(name, 135, top, 100, 20).Font("system").Size(14);
}

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  // Columns of the result table and the tops of its rows.
  constexpr std::int32_t mass = 86, as = 206, mol = 326;
  constexpr std::int32_t row[5] = {328, 358, 388, 418, 448};
  return fw::Declare(
      Window("Fluid", 450, 545),
      fw::StoredOrder::Table,
      StaticText("Comp", 20, 20, 120, 25).Text("Composition").Font("system").Size(18).Multiline(),
      GroupBox("GroupBox1", 340, 80, 90, 90).Font("System"),
      RadioButton("Mass", 347, 90, 75, 20).Parent("GroupBox1").Caption("mass %").Font("system").Size(12).On(),
      RadioButton("Mole", 347, 115, 75, 20).Parent("GroupBox1").Caption("as %").Font("system").Size(12),
      RadioButton("Molality", 347, 140, 75, 20).Parent("GroupBox1").Caption("molality").Font("system").Size(12),
      StaticText("StaticText1", 135, 50, 150, 20).Text("mass %").Font("system").Size(16),
      Entry("dataEntry1", 80),
      Entry("dataEntry2", 110),
      Entry("dataEntry3", 140),
      Entry("dataEntry4", 170),
      Entry("dataEntry5", 200),
      StaticText("StaticText8", 130, 235, 305, 12)
          .Text("as % = amount-of-substance percentage (\"mole\" percentage)").Font("system").Size(10).Multiline(),
      GroupBox("GroupBox2", 20, 270, 410, 215).Caption("Recalculated Composition").Font("System").Size(16).Italic(),
      StaticText("StaticText2", 88, 300, 65, 20).Index(0).Parent("GroupBox2").Text("mass %").Font("system").Size(16),
      StaticText("StaticText2", 208, 300, 40, 20).Index(1).Parent("GroupBox2").Text("as %").Font("system").Size(16),
      CellFrame("Rectangle6", as, row[0]),
      CellLabel("asH2O", "Rectangle6", as, row[0]),
      StaticText("StaticText3", 328, 300, 70, 20).Parent("GroupBox2").Text("molality").Font("system").Size(16),
      CellFrame("Rectangle10", mass, row[0]),
      CellLabel("massH2O", "Rectangle10", mass, row[0]),
      CellFrame("Rectangle7", as, row[1]),
      CellLabel("asCO2", "Rectangle7", as, row[1]),
      CellFrame("Rectangle9", mol, row[1]),
      CellLabel("molCO2", "Rectangle9", mol, row[1]),
      CellFrame("Rectangle11", mass, row[1]),
      CellLabel("massCO2", "Rectangle11", mass, row[1]),
      CellFrame("Rectangle12", as, row[2]),
      CellLabel("asCH4", "Rectangle12", as, row[2]),
      CellFrame("Rectangle13", mol, row[2]),
      CellLabel("molCH4", "Rectangle13", mol, row[2]),
      CellFrame("Rectangle14", mass, row[2]),
      CellLabel("massCH4", "Rectangle14", mass, row[2]),
      CellFrame("Rectangle15", as, row[3]),
      CellLabel("asNaCl", "Rectangle15", as, row[3]),
      CellFrame("Rectangle16", mol, row[3]),
      CellLabel("molNaCl", "Rectangle16", mol, row[3]),
      CellFrame("Rectangle17", mass, row[3]),
      CellLabel("massNaCl", "Rectangle17", mass, row[3]),
      CellFrame("Rectangle18", as, row[4]),
      CellLabel("asKCl", "Rectangle18", as, row[4]),
      CellFrame("Rectangle19", mol, row[4]),
      CellLabel("molKCl", "Rectangle19", mol, row[4]),
      CellFrame("Rectangle20", mass, row[4]),
      CellLabel("massKCl", "Rectangle20", mass, row[4]),
      PushButton("continue2", 355, 500, 75, 25).Caption("continue").Font("system").Size(12).Default(),
      StaticText("Sum", 130, 505, 210, 18).Font("system").Size(14),
      PushButton("Clear", 375, 20, 50, 20).Caption("clear").Font("System").Size(10),
      // Formula labels of the entry rows, then of the result rows.
      Canvas("Canvas1", 80, 80, 31, 20).Picture(H2O),
      Canvas("Canvas2", 80, 110, 33, 20).Picture(CO2),
      Canvas("Canvas3", 80, 140, 32, 20).Picture(CH4),
      Canvas("Canvas4", 80, 170, 38, 16).Picture(NaCl),
      Canvas("Canvas5", 80, 200, 28, 16).Picture(KCl),
      Canvas("Canvas6", 28, 330, 31, 20).Parent("GroupBox2").Picture(H2O),
      Canvas("Canvas7", 28, 360, 33, 20).Parent("GroupBox2").Picture(CO2),
      Canvas("Canvas8", 28, 390, 32, 20).Parent("GroupBox2").Picture(CH4),
      Canvas("Canvas9", 28, 420, 38, 16).Parent("GroupBox2").Picture(NaCl),
      Canvas("Canvas10", 28, 450, 28, 16).Parent("GroupBox2").Picture(KCl));
});

constexpr std::array<const char*, 5> kEntries = {"dataEntry1", "dataEntry2", "dataEntry3", "dataEntry4", "dataEntry5"};
constexpr std::array<const char*, 5> kMassLabels = {"massH2O", "massCO2", "massCH4", "massNaCl", "massKCl"};
constexpr std::array<const char*, 5> kAmountLabels = {"asH2O", "asCO2", "asCH4", "asNaCl", "asKCl"};
// H2O has no molality label: its molality shows only in its entry field.
constexpr std::array<const char*, 5> kMolalityLabels = {nullptr, "molCO2", "molCH4", "molNaCl", "molKCl"};

constexpr const char* kSumMessage = "sum ≠ 100%, adjust fractions!";

void ZeroCompositionArrays() {
  for (int i = 0; i < 5; ++i) {
    Globals::MASSnumber[i] = 0;
    Globals::ASnumber[i] = 0;
    Globals::Mnumber[i] = 0;
    RuntimeBackgroundTask();
  }
}

}  // namespace

fw::WindowBlocks Start2Window::Blocks() { return kBlocks; }

fw::Handlers Start2Window::Handlers() {
  return {FW_HANDLER(Start2Window, Mass, Action),
          FW_HANDLER(Start2Window, Mole, Action),
          FW_HANDLER(Start2Window, Molality, Action),
          FW_HANDLER(Start2Window, dataEntry1, TextChange),
          FW_HANDLER(Start2Window, dataEntry2, TextChange),
          FW_HANDLER(Start2Window, dataEntry3, TextChange),
          FW_HANDLER(Start2Window, dataEntry4, TextChange),
          FW_HANDLER(Start2Window, dataEntry5, TextChange),
          FW_HANDLER(Start2Window, continue2, Action),
          FW_HANDLER(Start2Window, Clear, Action)};
}

FW_REGISTER_WINDOW(Start2Window);

void Start2Window::Mass_Action() { StartUnitMode("Mass", "mass %", ""); }
void Start2Window::Mole_Action() { StartUnitMode("Mole", "as %", ""); }
void Start2Window::Molality_Action() {
  StartUnitMode("Molality", "mole / kg H2O", fw::Str(composition::WaterPreset));
}

void Start2Window::dataEntry1_TextChange() { ConvertEntry(0); }
void Start2Window::dataEntry2_TextChange() { ConvertEntry(1); }
void Start2Window::dataEntry3_TextChange() { ConvertEntry(2); }
void Start2Window::dataEntry4_TextChange() { ConvertEntry(3); }
void Start2Window::dataEntry5_TextChange() { ConvertEntry(4); }

void Start2Window::StartUnitMode(const char* radio, const QString& unitLabel, const QString& waterEntry) {
  if (!Radio(radio).Value()) return;
  NoteInputEdit();
  ZeroCompositionArrays();
  Label("StaticText1").SetText(unitLabel);
  EmptyResultLabels();
  Field("dataEntry1").SetText(waterEntry);
  for (int k = 1; k < 5; ++k) Field(kEntries[k]).SetText("");
  Label("Sum").SetText("");
}

void Start2Window::Clear_Action() {
  NoteInputEdit();
  for (const char* entry : kEntries) Field(entry).SetText("");
  EmptyResultLabels();
  Label("Sum").SetText("");
  ZeroCompositionArrays();
  if (Radio("Molality").Value()) Field("dataEntry1").SetText(fw::Str(composition::WaterPreset));
}

void Start2Window::ConvertEntry(int k) {
  NoteInputEdit();
  Label("Sum").SetText("");
  const composition::Arrays arrays = composition::SharedArrays();
  // Three separate tests, each on the radio as it is at that moment.
  if (Radio("Mass").Value()) composition::EnterMassPercent(arrays, k, fw::Val(Field(kEntries[k]).Text()));
  if (Radio("Mole").Value()) composition::EnterAmountPercent(arrays, k, fw::Val(Field(kEntries[k]).Text()));
  if (Radio("Molality").Value()) {
    if (k == 0) {
      // Water in itself: whatever was typed becomes the preset.
      arrays.molality[0] = composition::WaterPreset;
      Field("dataEntry1").SetText(fw::Str(composition::WaterPreset));
      composition::EnterMolality(arrays, 0, composition::WaterPreset);
    } else {
      composition::EnterMolality(arrays, k, fw::Val(Field(kEntries[k]).Text()));
    }
  }
  ShowRecalculatedComposition();
}

void Start2Window::ShowRecalculatedComposition() {
  for (int i = 0; i < 5; ++i) {
    // A component shows its row only while its mass per cent is positive.
    const bool shown = Globals::MASSnumber[i] > 0;
    Label(kMassLabels[i]).SetText(shown ? fw::Str(Globals::MASSnumber[i]) : "");
    Label(kAmountLabels[i]).SetText(shown ? fw::Str(Globals::ASnumber[i]) : "");
    if (kMolalityLabels[i]) Label(kMolalityLabels[i]).SetText(shown ? fw::Str(Globals::Mnumber[i]) : "");
  }
}

void Start2Window::EmptyResultLabels() {
  for (const char* label : kMassLabels) Label(label).SetText("");
  for (const char* label : kAmountLabels) Label(label).SetText("");
  for (const char* label : kMolalityLabels) {
    if (label) Label(label).SetText("");
  }
}

// The composition accepted is the one judged: an edit while the acceptance
// yields (or closing the window) leaves the fluid as it was.
void Start2Window::continue2_Action() {
  const fw::RunInputs inputs(*this);
  const composition::Arrays arrays = composition::SharedArrays();
  double total = 0;
  if (Radio("Mass").Value()) {
    total = composition::AcceptanceTotal(arrays, composition::UnitMode::Mass);
  } else if (Radio("Mole").Value()) {
    total = composition::AcceptanceTotal(arrays, composition::UnitMode::Amount);
  } else if (Radio("Molality").Value()) {
    total = composition::AcceptanceTotal(arrays, composition::UnitMode::Molality);
  }
  if (!composition::TotalAccepted(total)) {
    Label("Sum").SetText(kSumMessage);
    return;
  }
  Globals::Composition accepted{};
  for (int i = 0; i < 5; ++i) {
    accepted[i] = Globals::ASnumber[i] / 100;
    RuntimeBackgroundTask();
  }
  if (!inputs.StillShown()) return;
  Globals::fraction = accepted;
  Label("Sum").SetText("");
  Start3Window::Instance().Show();
}
