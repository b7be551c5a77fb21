#include "app/start_window.h"

#include "app/fluid_window.h"
#include "app/framework/Controls.h"
#include "app/note_duan_window.h"
#include "app/note_duzoror_window.h"
#include "app/picture_resources.h"

namespace {

// Line breaks in the labels are carriage returns.
constexpr std::string_view kDuzororVoziraReferences =
    "Duzoror and Vozira (1993a) An equation of state representation of phase equilibria and "
    "volumetric properties of the system NaCl-H2O above 573 K.\r"
    "  Geochimica et Cosmochimica Acta, vol. 57, 1657-1680.\r"
    "\r"
    "Duzoror and Vozira (1993b) Phase equilibria and volumetric properties of the systems "
    "KCl-H2O and NaCl-KCl-H2O above 573 K: equation of state representation.\r"
    "  Geochimica Cosmochimica Acta, 57, 4885-4897.";

constexpr std::string_view kDuanReferences =
    "Duan et al. (1995) An equation of state for the NaCl-H2O-CO2 system: prediction of phase "
    "equilibria and volumetric properties.\r"
    "  Geochimica Cosmochimica Acta, 59, 2869-2882.\r"
    "\r"
    "Duan et al. (2003) Equation of state for the NaCl-H2O-CH4 system and the "
    "NaCl-H2O-CO2-CH4 system: phase equilibria and volumetric properties above 573 K.\r"
    "  Geochimica Cosmochimica Acta, 67, 671-680.";

constexpr std::string_view kMakerAndDate = "FluidCalc project, 2026\rupdated 2026-12-06";
constexpr std::string_view kWebAddress = "fluidcalc.example.org";

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Start", 590, 685),
      fw::StoredOrder::Table,
      StaticText("StaticText1", 168, 155, 255, 25).Text("Orvane, v.2").Font("system").Size(18).Centred(),
      StaticText("StaticText2", 195, 120, 180, 30).Text("Tamsel AP").Font("system").Size(24).Centred(),
      StaticText("StaticText3", 20, 315, 550, 110).Text(kDuzororVoziraReferences).Font("system").Size(12).Multiline(),
      PushButton("continue1", 470, 639, 100, 25).Caption("continue").Font("system").Size(14).Default(),
      ImageWell("ImageWell2", 1, 1, 368, 87).Picture(Logo10),
      StaticText("StaticText18", 420, 73, 170, 15).Text(kWebAddress).Font("system").Size(12),
      Line("Line1", 0, 90, 590, 90).BorderWidth(1).LineColor(0x000000),
      StaticText("StaticText6", 20, 245, 225, 20).Text("Equation (Helmholtz energy function):").Font("system").Size(12),
      StaticText("StaticText7", 450, 0, 135, 35).Text(kMakerAndDate).Font("system").Size(12).RightAligned().Multiline(),
      Canvas("Canvas1", 30, 270, 542, 28).Picture(Duzoror0),
      StaticText("StaticText4", 20, 465, 550, 110).Text(kDuanReferences).Font("system").Size(12).Multiline(),
      PushButton("duzoror", 460, 425, 100, 20).Caption("note Duzoror").Font("System").Size(10),
      PushButton("duan", 460, 575, 100, 20).Caption("note Duan").Font("System").Size(10),
      StaticText("StaticText20", 20, 225, 430, 20).Text("Temperature limit: > 300 ˚C").Font("system").Size(12),
      StaticText("StaticText21", 20, 609, 550, 20)
          .Text("Extra: quartz solubility according to Akinfiev and Diamond (2009) and Doveziz (1994)")
          .Font("system").Size(12).Multiline(),
      Canvas("Canvas2", 20, 195, 313, 20).Picture(fluidsystem));
});

}  // namespace

fw::WindowBlocks Start1Window::Blocks() { return kBlocks; }

fw::Handlers Start1Window::Handlers() {
  return {FW_HANDLER(Start1Window, continue1, Action), FW_HANDLER(Start1Window, duzoror, Action),
          FW_HANDLER(Start1Window, duan, Action)};
}

FW_REGISTER_WINDOW(Start1Window);

void Start1Window::continue1_Action() { Start2Window::Instance().Show(); }

void Start1Window::duzoror_Action() { NoteDuzoror::Instance().Show(); }

void Start1Window::duan_Action() { NoteDuan::Instance().Show(); }
