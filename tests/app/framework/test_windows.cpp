#include "app/framework/test_windows.h"

#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

using fw::StoredOrder;

constexpr auto kPanelBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Panel", 315, 200).Resizable().Limits(100, 64, 315, 520),
      StoredOrder::Reversed,
      Rectangle("Rectangle1", 0, 0, 300, 500).BorderWidth(0),
      GroupBox("GroupBox1", 20, 40, 200, 120).Caption("Units").Parent("Rectangle1").Size(14),
      RadioButton("A", 30, 60, 80, 20).Caption("in K").Parent("GroupBox1").On(),
      RadioButton("B", 30, 85, 80, 20).Caption("in \u02DAC").Parent("GroupBox1"),
      RadioButton("C", 130, 60, 80, 20).Caption("other").Parent("Rectangle1"),
      StaticText("Deep", 40, 130, 150, 20).Text("inside").Parent("GroupBox1").Size(16),
      Line("Line1", 20, 300, 280, 300).Parent("Rectangle1"),
      StaticText("Bottom", 20, 470, 200, 20).Text("bottom").Parent("Rectangle1"),
      ScrollBar("ScrollBar1", 300, 0, 15, 200).Range(0, 300).Steps(1, 200));
});

constexpr auto kListBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Lists", 300, 260),
      StoredOrder::Table,
      Listbox("ListBox1", 20, 20, 200, 195).Columns(2, "50%, 50%").Heading().Size(10),
      PushButton("fill", 230, 20, 60, 25).Caption("fill"));
});

constexpr auto kYieldBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Yield", 200, 100),
      StoredOrder::Table,
      PushButton("run", 20, 20, 80, 25).Caption("run"),
      PushButton("other", 20, 55, 80, 25).Caption("other"),
      StaticText("progress", 110, 20, 80, 25));
});

constexpr auto kHiddenSetBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Hidden", 200, 120).Hidden(),
      StoredOrder::Table,
      StaticText("StaticText2", 20, 20, 60, 20).Text("mass %").Index(0),
      StaticText("StaticText2", 100, 20, 60, 20).Text("as %").Index(1),
      StaticText("Pressure", 20, 60, 60, 20).Text("Pressure").Index(1));
});

constexpr auto kPictureBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Pictures", 200, 120),
      StoredOrder::Table,
      ImageWell("ImageWell1", 0, 0, 40, 30).Picture(&TestPicture5),
      Canvas("Canvas1", 50, 0, 40, 30).Picture(&TestPicture6),
      Canvas("Canvas2", 100, 0, 40, 30).Picture(&TestPicture6),
      Canvas("Canvas3", 150, 0, 40, 30).Picture(&MissingPicture));
});

}  // namespace

// --- PanelWindow ---------------------------------------------------------

fw::WindowBlocks PanelWindow::Blocks() { return kPanelBlocks; }
fw::Handlers PanelWindow::Handlers() {
  return {FW_HANDLER(PanelWindow, ScrollBar1, ValueChanged), FW_HANDLER(PanelWindow, A, Action),
          FW_HANDLER(PanelWindow, B, Action), FW_HANDLER(PanelWindow, C, Action)};
}
FW_REGISTER_WINDOW(PanelWindow);

void PanelWindow::ScrollBar1_ValueChanged() {
  ControlByName("Rectangle1").SetTop(-Scroll("ScrollBar1").Value());
  ControlByName("Rectangle1").Refresh(true);
}
void PanelWindow::A_Action() { ++aActions; }
void PanelWindow::B_Action() { ++bActions; }
void PanelWindow::C_Action() { ++cActions; }
void PanelWindow::Event_Resizing() {
  ++resizings;
  ControlByName("ScrollBar1").SetHeight(Height());
  Scroll("ScrollBar1").SetMaximum(500 - Height());
}

// --- ListWindow ------------------------------------------------------------

fw::WindowBlocks ListWindow::Blocks() { return kListBlocks; }
fw::Handlers ListWindow::Handlers() {
  return {FW_HANDLER(ListWindow, ListBox1, CellClick),
          FW_HANDLER(ListWindow, ListBox1, CellTextChange), FW_HANDLER(ListWindow, fill, Action)};
}
FW_REGISTER_WINDOW(ListWindow);

bool ListWindow::ListBox1_CellClick(int row, int column, int, int) {
  clicks.emplace_back(row, column);
  List("ListBox1").SetCellType(row, 1, fw::Listbox::kEditable);
  List("ListBox1").EditCell(row, 1);
  return false;
}

void ListWindow::ListBox1_CellTextChange(int row, int column) { edits.emplace_back(row, column); }

void ListWindow::fill_Action() {
  fw::Listbox& list = List("ListBox1");
  list.DeleteAllRows();
  list.SetHeading(0, "Component");
  list.SetHeading(1, "x");
  for (const char* name : {"H2O", "CO2", "CH4"}) {
    list.AddRow(name);
    list.SetCell(list.LastIndex(), 1, "0.5");
  }
}

// --- YieldWindow -------------------------------------------------------------

int YieldWindow::passesWanted = 0;
int YieldWindow::passesDone = 0;
int YieldWindow::starts = 0;
bool YieldWindow::stoppedEarly = false;
bool YieldWindow::windowOpenAtEnd = false;
bool (*YieldWindow::onPass)(YieldWindow&, int) = nullptr;

fw::WindowBlocks YieldWindow::Blocks() { return kYieldBlocks; }
fw::Handlers YieldWindow::Handlers() {
  return {FW_HANDLER(YieldWindow, run, Action), FW_HANDLER(YieldWindow, other, Action)};
}
FW_REGISTER_WINDOW(YieldWindow);

void YieldWindow::run_Action() {
  ++starts;
  stoppedEarly = false;
  for (int pass = 0; pass < passesWanted; ++pass) {
    RuntimeBackgroundTask();
    if (onPass && !onPass(*this, pass)) break;
    if (!IsOpen()) {
      stoppedEarly = true;
      break;
    }
    Label("progress").SetText(QString::number(pass));
    ++passesDone;
  }
  windowOpenAtEnd = IsOpen();
}

void YieldWindow::other_Action() { ++otherActions; }

// --- HiddenSetWindow ----------------------------------------------------------

fw::WindowBlocks HiddenSetWindow::Blocks() { return kHiddenSetBlocks; }
fw::Handlers HiddenSetWindow::Handlers() { return {}; }
FW_REGISTER_WINDOW(HiddenSetWindow);

// --- PictureWindow --------------------------------------------------------------

fw::WindowBlocks PictureWindow::Blocks() { return kPictureBlocks; }
fw::Handlers PictureWindow::Handlers() { return {}; }
FW_REGISTER_WINDOW(PictureWindow);

const QPixmap& TestPicture5() {
  static fw::KeptPicture picture(5);
  return picture.Get();
}
const QPixmap& TestPicture6() {
  static fw::KeptPicture picture(6);
  return picture.Get();
}
const QPixmap& MissingPicture() {
  static fw::KeptPicture picture(7);
  return picture.Get();
}
