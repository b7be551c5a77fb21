// A window as large as the largest of the program (60 controls, ten lists),
// so that its compile-time encoding stays within the compiler's limits.
#include <array>
#include <utility>

#include "app/framework/Window.h"

namespace {

class LargeWindow : public fw::WindowClass<LargeWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() { return {}; }
};

constexpr int kControls = 59;  // beside the group box holding most of them

// "c01", "c02", ...: a name of its own for every control.
constexpr auto kNames = [] {
  std::array<std::array<char, 4>, kControls + 1> names{};
  for (int i = 1; i <= kControls; ++i) names[i] = {'c', char('0' + i / 10), char('0' + i % 10)};
  return names;
}();

constexpr fw::BlockDecl Control(int i) {
  using namespace fw::decl;
  const std::string_view name(kNames[i].data());
  const int left = 20 + 110 * (i % 5), top = 30 + 45 * (i / 5);
  switch ((i - 1) % 6) {
    case 0: return EditField(name, left, top, 100, 20).Size(14).Parent("GroupBox1");
    case 1: return PushButton(name, left, top, 100, 20).Caption("press").Size(10);
    case 2: return RadioButton(name, left, top, 100, 20).Caption("radio").Parent("GroupBox1");
    case 3:
      return Listbox(name, left, top, 100, 40).Columns(2, "50%, 50%").Heading().Size(10)
          .SetNumber("GridLinesVertical", 3);
    case 4: return Canvas(name, left, top, 30, 20).Parent("GroupBox1");
    default:
      return StaticText(name, left, top, 100, 20).Text("a label as long as the longest one")
          .Size(12).Multiline();
  }
}

template <std::size_t... I>
constexpr auto DeclareLarge(std::index_sequence<I...>) {
  using namespace fw::decl;
  return fw::Declare(
      Window("Large", 635, 700).Resizable().Limits(635, 64, 635, 935), fw::StoredOrder::Table,
      GroupBox("GroupBox1", 10, 10, 600, 600).Caption("Recalculated Composition").Size(16).Italic(),
      Control(static_cast<int>(I) + 1)...);
}

fw::WindowBlocks LargeWindow::Blocks() {
  static constexpr auto kBlocks =
      fw::EncodeWindow([] { return DeclareLarge(std::make_index_sequence<kControls>{}); });
  return kBlocks;
}

FW_REGISTER_WINDOW(LargeWindow);

}  // namespace
