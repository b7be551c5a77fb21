#include "calc/equilibria/ConstructionSpinodal.h"

#include "app/framework/Controls.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Spinodal", 655, 120).MinimizeButton(),
      fw::StoredOrder::Reversed,
      StaticText("StaticText1", 20, 20, 180, 25).Text("Under Construction").Size(18)
          .Color(0xFF0000).Multiline(),
      StaticText("StaticText2", 20, 50, 614, 51)
          .Text("Calculation of the spinodal according to the general consideration in "
                "(Duzoror, 2012).")
          .Size(12).Multiline());
});

}  // namespace

fw::WindowBlocks ConstructionSpinodal::Blocks() { return kBlocks; }
fw::Handlers ConstructionSpinodal::Handlers() { return {}; }

FW_REGISTER_WINDOW(ConstructionSpinodal);
