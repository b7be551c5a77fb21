// The "Intersection SLV Curve" window: on each activation it shows the state
// that the liquid-vapour window left and compares the isochore pressure with
// the SLV pressure of the fluid's salt ratio.
#include "calc/equilibria/SLV.h"

#include "calc/equilibria/LiquidVapourEq.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

// The SLV pressure at T for the fluid's salt percentages, computed apart from
// the window: curve 4 below the cotectic ratio, curve 3 from it up.
double SLVPressureAt(double T) {
  const double wNaCl = Globals::ASnumber[3] / 100, wKCl = Globals::ASnumber[4] / 100;
  const double r = wNaCl / (wNaCl + wKCl);
  const int c = r < Globals::Sorvik_Cotectic(5, T) ? 4 : 3;
  const double s = Globals::Sorvik_Molefraction(c, T, r);
  const double xNaCl = (1 - s) * r;
  return Globals::Sorvik_Pressure(c, s, xNaCl, (1 - xNaCl) - s, T);
}

class SLVWindow : public EquilibriumDriving<SLV> {
 protected:
  void ActivateWith(double T, double P, double Vm) {
    std::tie(Globals::TK_global, Globals::PMPa_global, Globals::Vm_global) = std::tuple(T, P, Vm);
    Activate(w);
  }
  QString ShownPictures() {
    QString shown;
    for (const char* canvas : {"CanvasHigh", "CanvasLow", "CanvasEqual"})
      if (Shows(canvas)) shown += canvas;
    return shown;
  }
};

// Salt ratios 0.75 and 0.25 lie on either side of the cotectic at 500 ˚C; from
// 650 ˚C on the SLV pressure depends on the liquid's H2O fraction too.
TEST_F(SLVWindow, ComparesTheIsochorePressureWithTheSLVPressureInABandOfOnePerMille) {
  for (const auto& [sodium, T] : {std::pair(15.0, 773.15), {5.0, 773.15}, {15.0, 973.15}}) {
    Globals::ASnumber = {80, 0, 0, sodium, 20 - sodium};
    const double slv = SLVPressureAt(T);
    const struct {
      double P;
      const char* shown;
    } cases[] = {{2 * slv, "CanvasHigh"},       {1.0011 * slv, "CanvasHigh"},
                 {slv, "CanvasEqual"},          {1.0009 * slv, "CanvasEqual"},
                 {slv / 1.0009, "CanvasEqual"}, {slv / 1.0011, "CanvasLow"}};
    for (const auto& c : cases) {
      ActivateWith(T, c.P, 31.5);
      const QStringList shown = {ShownPictures(), Shown("Cal_presSLV"), Shown("resultP"),
                                 Shown("presISO")};
      EXPECT_EQ(shown,
                QStringList({c.shown, Str(slv) + " MPa", Str(c.P - slv), Str(c.P) + " MPa"}));
    }
  }
  EXPECT_EQ(Shown("volISO") + "|" + Shown("tempISO"), "31.5 cm3/mol|973.15 K  ( 700 \u02DAC )");
}

// Without a temperature or a pressure the comparison of the state before
// stays; a fluid without NaCl and KCl (a 0/0 salt ratio) gets none at all.
// The button returns to the liquid-vapour window.
TEST_F(SLVWindow, MissingStatesLeaveTheComparisonAndASaltFreeFluidHasNone) {
  Globals::ASnumber = {80, 0, 0, 15, 5};
  ActivateWith(773.15, 1000, 30);
  const QString slvText = Shown("Cal_presSLV");
  ASSERT_EQ(ShownPictures(), "CanvasHigh");
  ActivateWith(0, 12.5, 30);
  EXPECT_EQ(Shown("tempISO") + "|" + Shown("presISO"), "temperature not selected|12.5 MPa");
  ActivateWith(600, 0, 0);
  EXPECT_EQ(Shown("tempISO") + "|" + Shown("presISO") + "|" + Shown("volISO"),
            "600 K  ( 326.85 \u02DAC )| pressure not calculated|0 cm3/mol");
  EXPECT_EQ(Shown("Cal_presSLV") + ShownPictures(), slvText + "CanvasHigh");

  Globals::ASnumber = {100, 0, 0, 0, 0};
  ActivateWith(773.15, 20, 30);
  EXPECT_EQ(ShownPictures() + "|" + Shown("Cal_presSLV") + "|" + Shown("presISO"),
            "|" + slvText + "|20 MPa");

  Press("LiqVapButton");
  const fw::Window* liquidVapour = LiquidVapourEq::OpenInstanceOf();
  EXPECT_TRUE(liquidVapour && liquidVapour->Frame()->isVisible());
  EXPECT_EQ(SLV::OpenInstanceOf(), &w) << "and stays open";
}

}  // namespace
