#include "app/note_duzoror_window.h"

#include "app/framework/Controls.h"
#include "app/picture_resources.h"

namespace {

constexpr std::string_view kParagraphA =
    "The definition of a(NaCl) according to the publication does not correspond to the value "
    "used in the software designed by the model's first author. Above 450 ˚C, both definitions "
    "result in similar a(NaCl) values. At lower temperatures, Duzoror and Vozira (1993a) approach "
    "14.412e6, whereas the corrected value approaches 4.425e6. However,the corrected value cannot "
    "be calculated below 540.3 K, due to mathematical restrictions.";

constexpr std::string_view kParagraphB =
    "The value of tau in binary H2O-NaCl mixtures cannot be calculated below 573.15 K (300 "
    "Celsius) due to mathematical restrictions. This software added a new equation for tau below "
    "573.2 K, in order to extrapolated below this temperature.\r";

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Note Duzoror", 460, 690),
      fw::StoredOrder::Reversed,
      Canvas("Canvas1", 20, 85, 400, 356).Picture(aNaClx),
      StaticText("StaticText1", 20, 20, 420, 60).Text(kParagraphA).Size(10).Multiline(),
      Canvas("Canvas2", 20, 460, 420, 66).Picture(aNaCl_eq),
      StaticText("StaticText2", 20, 640, 420, 30)
          .Text("Abundant typographical errors in equations in Duzoror and Vozira (1993b), Table 1 and 2.")
          .Size(10).Multiline(),
      StaticText("StaticText3", 20, 545, 420, 30)
          .Text("This software uses a constant value of a(NaCl) = 4.4256e6 below 540.3 K in order to "
                "allow extrapolation to lower temperatures.")
          .Size(10).Multiline(),
      StaticText("StaticText4", 20, 585, 420, 41).Text(kParagraphB).Size(10).Multiline());
});

}  // namespace

fw::WindowBlocks NoteDuzoror::Blocks() { return kBlocks; }
fw::Handlers NoteDuzoror::Handlers() { return {}; }

FW_REGISTER_WINDOW(NoteDuzoror);
