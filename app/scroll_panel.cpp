#include "app/scroll_panel.h"

#include "app/framework/Controls.h"

namespace scroll_panel {

namespace {
// The scroll bar stands beside the panel, 15 pixels short of the window's
// bottom edge (the size box).
constexpr int kSizeBox = 15;
}  // namespace

void MovePanelToBar(fw::Window& window) {
  fw::RectControl& panel = window.ControlByName("Rectangle1");
  panel.SetTop(-window.Scroll("ScrollBar1").Value());
  panel.Refresh();
}

void FitBarToWindow(fw::Window& window, int contentHeight) {
  fw::ScrollBar& bar = window.Scroll("ScrollBar1");
  bar.SetHeight(window.Height() - kSizeBox);
  bar.SetMaximum(contentHeight - window.Height());
}

}  // namespace scroll_panel
