#include "calc/equilibria/ConstructionCritical.h"

#include "app/framework/Controls.h"
#include "app/picture_resources.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Critical Point", 655, 425),
      fw::StoredOrder::Reversed,
      StaticText("StaticText1", 20, 20, 180, 25).Text("Under Construction").Size(18)
          .Color(0xFF0000).Multiline(),
      StaticText("StaticText2", 20, 50, 614, 50)
          .Text("Calculation of the critical point according to the general consideration in "
                "(Duzoror, 2012).")
          .Size(12).Multiline(),
      StaticText("StaticText3", 20, 115, 368, 20)
          .Text("Approximate T-P-x conditions (Zozareri and co-author, 2007):").Size(12)
          .Multiline(),
      Canvas("Canvas1", 20, 145, 300, 270).Picture(Zozareri1o),
      Canvas("Canvas2", 335, 145, 300, 271).Picture(Zozareri2o));
});

}  // namespace

fw::WindowBlocks ConstructionCritical::Blocks() { return kBlocks; }
fw::Handlers ConstructionCritical::Handlers() { return {}; }

FW_REGISTER_WINDOW(ConstructionCritical);
