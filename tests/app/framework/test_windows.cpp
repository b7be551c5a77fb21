#include "app/framework/test_windows.h"

using fw::StoredOrder;

// --- ExampleWindow -------------------------------------------------------------

fw::WindowBlocks ExampleWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Example", 360, 380).Placement(2), StoredOrder::Table,
        EditField("dataEntryT", 135, 20, 100, 25).Size(16),
        RadioButton("Kelvin", 262, 17, 70, 20).Caption("in K").Size(12).On(),
        RadioButton("Celsius", 262, 38, 70, 20).Caption("in \u02DAC").Size(12),
        PushButton("calculate", 20, 80, 105, 30).Caption("calculate").Size(18).Default(),
        StaticText("Result", 135, 85, 120, 25).Size(16),
        Listbox("ListBox1", 20, 170, 200, 195).Columns(2, "50%, 50%").Heading().Size(10));
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

// --- PanelWindow ---------------------------------------------------------------

fw::WindowBlocks PanelWindow::Blocks() {
  static constexpr auto kBlocks = fw::EncodeWindow([] {
    using namespace fw::decl;
    return fw::Declare(
        fw::decl::Window("Panel", 315, 200), StoredOrder::Reversed,
        Rectangle("Rectangle1", 0, 0, 300, 200).BorderWidth(0),
        GroupBox("GroupBox1", 20, 40, 200, 120).Caption("Units").Parent("Rectangle1").Size(14),
        RadioButton("A", 30, 60, 80, 20).Caption("in K").Parent("GroupBox1").On(),
        RadioButton("B", 30, 85, 80, 20).Caption("in \u02DAC").Parent("GroupBox1"),
        RadioButton("C", 230, 60, 80, 20).Caption("other").Parent("Rectangle1"));
  });
  return kBlocks;
}
FW_REGISTER_WINDOW(PanelWindow);
