// A window as large as the largest of the program (60 controls, ten lists),
// so that its compile-time encoding stays within the compiler's limits.
#include "app/framework/Window.h"

namespace {

class LargeWindow : public fw::WindowClass<LargeWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() { return {}; }
};

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Large", 635, 700).Resizable().Limits(635, 64, 635, 935),
      fw::StoredOrder::Table,
      GroupBox("GroupBox1", 10, 10, 600, 600).Caption("Recalculated Composition").Size(16).Italic(),
      EditField("dataEntry1", 130, 30, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button2", 240, 30, 100, 20).Caption("press 2").Size(10),
      RadioButton("radio3", 350, 30, 100, 20).Caption("radio 3").Size(12).Parent("GroupBox1"),
      Listbox("ListBox4", 460, 30, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas5", 20, 75, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText6", 130, 75, 100, 20).Text("label number 6 with a longer text").Size(12).Multiline(),
      EditField("dataEntry7", 240, 75, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button8", 350, 75, 100, 20).Caption("press 8").Size(10),
      RadioButton("radio9", 460, 75, 100, 20).Caption("radio 9").Size(12).Parent("GroupBox1"),
      Listbox("ListBox10", 20, 120, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas11", 130, 120, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText12", 240, 120, 100, 20).Text("label number 12 with a longer text").Size(12).Multiline(),
      EditField("dataEntry13", 350, 120, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button14", 460, 120, 100, 20).Caption("press 14").Size(10),
      RadioButton("radio15", 20, 165, 100, 20).Caption("radio 15").Size(12).Parent("GroupBox1"),
      Listbox("ListBox16", 130, 165, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas17", 240, 165, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText18", 350, 165, 100, 20).Text("label number 18 with a longer text").Size(12).Multiline(),
      EditField("dataEntry19", 460, 165, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button20", 20, 210, 100, 20).Caption("press 20").Size(10),
      RadioButton("radio21", 130, 210, 100, 20).Caption("radio 21").Size(12).Parent("GroupBox1"),
      Listbox("ListBox22", 240, 210, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas23", 350, 210, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText24", 460, 210, 100, 20).Text("label number 24 with a longer text").Size(12).Multiline(),
      EditField("dataEntry25", 20, 255, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button26", 130, 255, 100, 20).Caption("press 26").Size(10),
      RadioButton("radio27", 240, 255, 100, 20).Caption("radio 27").Size(12).Parent("GroupBox1"),
      Listbox("ListBox28", 350, 255, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas29", 460, 255, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText30", 20, 300, 100, 20).Text("label number 30 with a longer text").Size(12).Multiline(),
      EditField("dataEntry31", 130, 300, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button32", 240, 300, 100, 20).Caption("press 32").Size(10),
      RadioButton("radio33", 350, 300, 100, 20).Caption("radio 33").Size(12).Parent("GroupBox1"),
      Listbox("ListBox34", 460, 300, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas35", 20, 345, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText36", 130, 345, 100, 20).Text("label number 36 with a longer text").Size(12).Multiline(),
      EditField("dataEntry37", 240, 345, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button38", 350, 345, 100, 20).Caption("press 38").Size(10),
      RadioButton("radio39", 460, 345, 100, 20).Caption("radio 39").Size(12).Parent("GroupBox1"),
      Listbox("ListBox40", 20, 390, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas41", 130, 390, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText42", 240, 390, 100, 20).Text("label number 42 with a longer text").Size(12).Multiline(),
      EditField("dataEntry43", 350, 390, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button44", 460, 390, 100, 20).Caption("press 44").Size(10),
      RadioButton("radio45", 20, 435, 100, 20).Caption("radio 45").Size(12).Parent("GroupBox1"),
      Listbox("ListBox46", 130, 435, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas47", 240, 435, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText48", 350, 435, 100, 20).Text("label number 48 with a longer text").Size(12).Multiline(),
      EditField("dataEntry49", 460, 435, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button50", 20, 480, 100, 20).Caption("press 50").Size(10),
      RadioButton("radio51", 130, 480, 100, 20).Caption("radio 51").Size(12).Parent("GroupBox1"),
      Listbox("ListBox52", 240, 480, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas53", 350, 480, 30, 20).Parent("GroupBox1"),
      StaticText("StaticText54", 460, 480, 100, 20).Text("label number 54 with a longer text").Size(12).Multiline(),
      EditField("dataEntry55", 20, 525, 100, 20).Size(14).Parent("GroupBox1"),
      PushButton("button56", 130, 525, 100, 20).Caption("press 56").Size(10),
      RadioButton("radio57", 240, 525, 100, 20).Caption("radio 57").Size(12).Parent("GroupBox1"),
      Listbox("ListBox58", 350, 525, 100, 40).Columns(2, "50%, 50%").Heading().Size(10).SetNumber("GridLinesVertical", 3),
      Canvas("Canvas59", 460, 525, 30, 20).Parent("GroupBox1"));
});

fw::WindowBlocks LargeWindow::Blocks() { return kBlocks; }

FW_REGISTER_WINDOW(LargeWindow);

}  // namespace
