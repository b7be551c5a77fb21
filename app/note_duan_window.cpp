#include "app/note_duan_window.h"

#include "app/framework/Controls.h"
#include "app/picture_resources.h"

namespace {

constexpr std::string_view kSeriousErrors =
    "Duan et al. (1995 and 2003) contain a variety of serious errors, such as diagram "
    "manipulation and erroneous calculations of immiscibiity and molar volumes. Nevertheless, "
    "these publications are included in this software, to be able to compare the results with "
    "newer and correct equations of state.";

// Comment 6 is the figure below the label.
constexpr std::string_view kComments =
    "Comments:\r"
    "\r"
    "1. the value of a(CO2) is a function of temperature, however, the product of a and e(CO2) "
    "is constant (independent of temperature).\r"
    "\r"
    "2. The immiscibility field in Figure 2 in Duan et al (1995) cannot be reproduced, and the "
    "dashed line already indicates that the authors were not able to calculate these "
    "properties.\r"
    "\r"
    "3. the value of gamma(iij) and (ijj) is discontinueous at 773 K (Table 2, Duan et al. 1995)\r"
    "\r"
    "4. typographical errors in Table 5 (epsilon versus b)\r"
    "\r"
    "5. Table 6 (Duan et al., 1995) compares experimental data of molar volumes with Bowers and "
    "Helgeson equation and there own equation: both are completely wrong. The correct values "
    "often indicate that Bowers and Helgeson is a better fit.\r"
    "\r"
    "6.";

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Note Duan", 400, 650),
      fw::StoredOrder::Reversed,
      StaticText("StaticText1", 20, 10, 360, 70).Text(kSeriousErrors).Size(10).Multiline(),
      StaticText("StaticText2", 20, 80, 360, 250).Text(kComments).Size(10).Multiline(),
      Canvas("Canvas1", 48, 310, 300, 270).Picture(aH2OCH4x),
      StaticText("StaticText3", 25, 600, 360, 30)
          .Text("7. Incorrect calculate molar volumes in H2O-CH4 sysyem (Table 4, Duan et al. 2003)")
          .Size(10).Multiline());
});

}  // namespace

fw::WindowBlocks NoteDuan::Blocks() { return kBlocks; }
fw::Handlers NoteDuan::Handlers() { return {}; }

FW_REGISTER_WINDOW(NoteDuan);
