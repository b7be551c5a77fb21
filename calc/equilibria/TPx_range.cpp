#include "calc/equilibria/TPx_range.h"

#include "app/framework/Controls.h"
#include "app/picture_resources.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Liquid - Vapour Equilibrium", 640, 730),
      fw::StoredOrder::Reversed,
      Canvas("Canvas1", 20, 60, 300, 344).Picture(DuzororLV1o),
      Canvas("Canvas2", 330, 60, 300, 344).Picture(DuzororLV2o),
      StaticText("StaticText1", 20, 20, 594, 34)
          .Text("The range of T-P-x values for the immiscibility (liquid and vapour) in the binary "
                "H2O-NaCl system are illustrated in Duzoror and Vozira (1993a), compared to data "
                "from experiments (1989) ")
          .Size(12).Multiline(),
      Canvas("Canvas3", 330, 410, 300, 312).Picture(DuzororLV3o),
      StaticText("StaticText2", 20, 420, 300, 58)
          .Text("The range of T-P-x values at higher temperatures (800 and 900 C) are compared to "
                "recalculated data from the experimental literature (1987).")
          .Size(12).Multiline());
});

}  // namespace

fw::WindowBlocks TPx_range::Blocks() { return kBlocks; }
fw::Handlers TPx_range::Handlers() { return {}; }

FW_REGISTER_WINDOW(TPx_range);
