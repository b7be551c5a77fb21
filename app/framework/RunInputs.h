// The inputs a calculation started from. The library yields to the event
// loop inside every solve, and meanwhile the user may close the window or
// edit an input, whose handler empties the results shown. What the
// calculation computed then belongs to inputs no longer on screen: it asks
// before it writes, and writes nothing once they are gone.
#pragma once

#include "app/framework/Window.h"

namespace fw {

class RunInputs {
 public:
  // Taken at the start of the calculation, before its first yield.
  explicit RunInputs(const Window& w) : window_(w), editsAtStart_(w.InputEditCount()) {}

  // Whether the window is open and still shows those inputs: none was
  // edited since.
  bool StillShown() const { return window_.IsOpen() && window_.InputEditCount() == editsAtStart_; }

 private:
  const Window& window_;
  long editsAtStart_;
};

}  // namespace fw
