#include "app/framework/test_windows.h"

#include "fluid/RuntimeBackgroundTask.h"

using fw::StoredOrder;

// --- ExampleWindow -------------------------------------------------------------

fw::WindowBlocks ExampleWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Example", 360, 380).Placement(2),
        StoredOrder::Table,
        StaticText("Temperature", 20, 20, 110, 25).Text("Temperature").Size(16),
        EditField("dataEntryT", 135, 20, 100, 25).Size(16),
        RadioButton("Kelvin", 262, 17, 70, 20).Caption("in K").Size(12).On(),
        RadioButton("Celsius", 262, 38, 70, 20).Caption("in \u02DAC").Size(12),
        GroupBox("GroupBox1", 255, 10, 85, 54),
        PushButton("calculate", 20, 80, 105, 30).Caption("calculate").Size(18).Default(),
        StaticText("Result", 135, 85, 120, 25).Size(16),
        StaticText("warning", 20, 130, 320, 30).Size(12).Color(0xFF0000).Multiline(),
        Listbox("ListBox1", 20, 170, 200, 195).Columns(2, "50%, 50%").Heading().Size(10),
        PushButton("fill", 230, 170, 60, 25).Caption("fill"));
  });
  return kBlocks;
}
FW_REGISTER_WINDOW(ExampleWindow);

bool ExampleWindow::ListBox1_CellClick(int row, int column, int, int) {
  clicks.emplace_back(row, column);
  List("ListBox1").SetCellType(row, 1, fw::Listbox::kEditable);
  List("ListBox1").EditCell(row, 1);
  return false;
}

void ExampleWindow::fill_Action() {
  fw::Listbox& list = List("ListBox1");
  list.SetHeading(1, "x");
  for (const char* name : {"H2O", "CO2", "CH4"}) {
    list.AddRow(name);
    list.SetCell(list.LastIndex(), 1, "0.5");
  }
}

// --- PanelWindow ---------------------------------------------------------------

fw::WindowBlocks PanelWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Panel", 315, 200).Resizable().Limits(100, 64, 315, 520),
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
  return kBlocks;
}
FW_REGISTER_WINDOW(PanelWindow);

// --- YieldWindow ---------------------------------------------------------------

fw::WindowBlocks YieldWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Yield", 200, 100),
        StoredOrder::Table,
        PushButton("run", 20, 20, 80, 25).Caption("run"),
        PushButton("other", 20, 55, 80, 25).Caption("other"),
        StaticText("progress", 110, 20, 80, 25));
  });
  return kBlocks;
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

// --- HiddenSetWindow -----------------------------------------------------------

fw::WindowBlocks HiddenSetWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Hidden", 200, 120).Hidden(),
        StoredOrder::Table,
        StaticText("StaticText2", 20, 20, 60, 20).Text("mass %").Index(0),
        StaticText("StaticText2", 100, 20, 60, 20).Text("as %").Index(1),
        StaticText("Pressure", 20, 50, 60, 20).Text("Pressure").Index(1),
        ImageWell("ImageWell1", 0, 80, 40, 30).Picture(&TestPicture<5>),
        Canvas("Canvas1", 50, 80, 40, 30).Picture(&TestPicture<6>),
        Canvas("Canvas2", 100, 80, 40, 30).Picture(&TestPicture<6>),
        Canvas("Canvas3", 150, 80, 40, 30).Picture(&TestPicture<7>));
  });
  return kBlocks;
}
FW_REGISTER_WINDOW(HiddenSetWindow);
