#include "calc/equilibria/SLV.h"

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "app/picture_resources.h"
#include "calc/equilibria/LiquidVapourEq.h"
#include "fluid/Globals.h"

using fw::Str;

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Intersection SLV Curve", 690, 640),
      fw::StoredOrder::Table,
      StaticText("StaticText1", 20, 20, 643, 35)
          .Text("Calculation of the intersection of the selected isochore (within the "
                "immiscibility field)\rand the Solid+Liquid+Vapour curve within the ternary "
                "system H2O-NaCl-KCl")
          .Size(12).Multiline(),
      Canvas("Canvas5", 20, 60, 250, 185).Picture(Fig2last),
      Canvas("Canvas6", 280, 60, 250, 183).Picture(Fig4last),
      StaticText("StaticText2", 535, 55, 140, 17).Text("References:").Size(10).Italic(),
      StaticText("StaticText15", 535, 75, 140, 87)
          .Text("Sorvik (2012) Solid+liquid+vapour curves of the ternary system H2O-NaCl-KCl")
          .Size(10).Italic().Multiline(),
      StaticText("StaticText12", 535, 170, 140, 97)
          .Text("Sorvik (2012) Salt solubility and cotectic compositions in H2O-NaCl-KCl "
                "liquids")
          .Size(10).Italic().Multiline(),
      Line("Line1", 20, 275, 670, 275).LineColor(0x000000).BorderWidth(1),
      StaticText("StaticText3", 20, 285, 168, 20).Text("Pressure comparison:").Size(16),
      GroupBox("GroupBox1", 20, 320, 310, 82).Caption("Selected Values ").Italic().Size(12),
      StaticText("StaticText14", 30, 350, 115, 16).Text("Bulk molar volume:").Size(12),
      StaticText("volISO", 150, 350, 170, 16).Size(12),
      StaticText("StaticText4", 30, 375, 85, 16).Text("Temperature:").Size(12),
      StaticText("tempISO", 115, 375, 180, 16).Size(12),
      GroupBox("GroupBox2", 20, 420, 310, 110).Caption("Calculated Values ").Italic().Size(12),
      StaticText("StaticText5", 30, 450, 80, 16).Text("P (iso) =").Size(12),
      StaticText("presISO", 120, 450, 180, 16).Size(12),
      StaticText("StaticText11", 30, 475, 80, 16).Text("P (SLV) =").Size(12),
      StaticText("Cal_presSLV", 120, 475, 180, 16).Size(12),
      StaticText("StaticText16", 30, 500, 80, 16).Text("difference =").Size(12)
          .Parent("GroupBox2"),
      StaticText("resultP", 120, 500, 180, 16).Size(12).Parent("GroupBox2"),
      Canvas("CanvasHigh", 360, 290, 300, 255).Picture(intersectA0).Hidden(),
      Canvas("CanvasLow", 361, 290, 300, 255).Picture(intersectB0).Hidden(),
      Canvas("CanvasEqual", 362, 290, 300, 254).Picture(intersectC0).Hidden(),
      StaticText("StaticText7", 20, 555, 643, 32)
          .Text("The intersection of the isochore and the SLV curve is obtained if the pressure "
                "of both curves are equal at the selected temperature. This temperature "
                "corresponds to the dissolution temperture of salt.")
          .Size(12).Multiline(),
      PushButton("LiqVapButton", 425, 595, 240, 25)
          .Caption("return to \"Liquid-Vapour Equilibrium\"").Italic().Size(12));
});

constexpr double kCelsiusOffset = 273.15;
// Pressures within 0.1 % of each other count as equal.
constexpr double kEqualBand = 1.001;
// Curve 5 pairs the SLV curves 3 and 4, which meet at the cotectic ratio.
constexpr std::int32_t kCotecticLine = 5;
constexpr std::int32_t kCurveBelowCotectic = 4;
constexpr std::int32_t kCurveAboveCotectic = 3;

}  // namespace

fw::WindowBlocks SLV::Blocks() { return kBlocks; }
fw::Handlers SLV::Handlers() { return {FW_HANDLER(SLV, LiqVapButton, Action)}; }

FW_REGISTER_WINDOW(SLV);

void SLV::LiqVapButton_Action() { LiquidVapourEq::Instance().Show(); }

void SLV::ShowComparison(bool high, bool low, bool equal) {
  ControlByName("CanvasHigh").SetVisible(high);
  ControlByName("CanvasLow").SetVisible(low);
  ControlByName("CanvasEqual").SetVisible(equal);
}

void SLV::Event_Activate() {
  const double T = Globals::TK_global;
  const double P = Globals::PMPa_global;
  const double Vm = Globals::Vm_global;

  Label("volISO").SetText(Str(Vm) + " cm3/mol");
  if (T > 0)
    Label("tempISO").SetText(Str(T) + " K  ( " + Str(T - kCelsiusOffset) + " \u02DAC )");
  else
    Label("tempISO").SetText("temperature not selected");
  if (P > 0)
    Label("presISO").SetText(Str(P) + " MPa");
  else
    Label("presISO").SetText(" pressure not calculated");
  if (!(T > 0 && P > 0)) return;

  const double wNaCl = Globals::ASnumber[3] / 100;
  const double wKCl = Globals::ASnumber[4] / 100;
  // Without salt there is no SLV curve (the ratio would be 0/0): handled as
  // an SLV pressure the library could not give.
  if (!(wNaCl + wKCl > 0)) return ShowComparison(false, false, false);
  const double r = wNaCl / (wNaCl + wKCl);

  const double Xc = Globals::Sorvik_Cotectic(kCotecticLine, T);
  const std::int32_t c = Xc > r ? kCurveBelowCotectic : kCurveAboveCotectic;
  const double s = Globals::Sorvik_Molefraction(c, T, r);
  const double xNaCl = (1 - s) * r;
  const double xKCl = (1 - xNaCl) - s;
  const double P_SLV = Globals::Sorvik_Pressure(c, s, xNaCl, xKCl, T);

  if (!(P_SLV > 0)) return ShowComparison(false, false, false);

  Label("Cal_presSLV").SetText(Str(P_SLV) + " MPa");
  Label("resultP").SetText(Str(P - P_SLV));
  if (kEqualBand * P_SLV < P)
    ShowComparison(true, false, false);
  else if (kEqualBand * P < P_SLV)
    ShowComparison(false, true, false);
  else
    ShowComparison(false, false, true);
}
