// The tall windows ("Activities", "Bubble-Dew point", "Liquid-Vapour
// Equilibrium") hold everything but their scroll bar `ScrollBar1` on one
// panel, `Rectangle1`, that the bar moves up and down.
#pragma once

#include "app/framework/Window.h"

namespace scroll_panel {

// `Rectangle1` follows the scroll bar.
void MovePanelToBar(fw::Window& window);
// At window height h the bar is h - 15 high and scrolls over content - h.
void FitBarToWindow(fw::Window& window, int contentHeight);

}  // namespace scroll_panel
