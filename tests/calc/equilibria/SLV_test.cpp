// The "Intersection SLV Curve" window: on each activation it shows the state
// that the liquid-vapour window left and compares the isochore pressure with
// the SLV pressure of the fluid's salt ratio.
#include "calc/equilibria/SLV.h"

#include <cmath>

#include "calc/equilibria/LiquidVapourEq.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

// The SLV pressure at T for the salt ratio r, computed apart from the window.
double SLVPressureAt(double T, double r, int* curve = nullptr) {
  const int c = Globals::Sorvik_Cotectic(5, T) > r ? 4 : 3;
  if (curve) *curve = c;
  const double s = Globals::Sorvik_Molefraction(c, T, r);
  const double xNaCl = (1 - s) * r;
  return Globals::Sorvik_Pressure(c, s, xNaCl, (1 - xNaCl) - s, T);
}

class SLVWindow : public EquilibriumDriving<SLV> {
 protected:
  void SetUp() override {
    EquilibriumDriving::SetUp();
    Globals::ASnumber = {80, 0, 0, 15, 5};  // NaCl/(NaCl + KCl) = 0.75
  }
  void ActivateWith(double T, double P, double Vm) {
    Globals::TK_global = T;
    Globals::PMPa_global = P;
    Globals::Vm_global = Vm;
    Activate(w);
  }
  std::string ShownPictures() {
    std::string shown;
    for (const char* canvas : {"CanvasHigh", "CanvasLow", "CanvasEqual"})
      if (Shows(canvas)) shown += canvas;
    return shown;
  }
};

TEST_F(SLVWindow, ComparesTheIsochorePressureWithTheSLVPressureInABandOfOnePerMille) {
  const double T = 773.15;
  const double slv = SLVPressureAt(T, 0.75);
  ASSERT_GT(slv, 0);
  EXPECT_EQ(ShownPictures(), "") << "all three hidden at opening";
  const struct {
    double P;
    const char* shown;
  } cases[] = {{2 * slv, "CanvasHigh"},       {1.0011 * slv, "CanvasHigh"},
               {slv, "CanvasEqual"},          {1.0009 * slv, "CanvasEqual"},
               {slv / 1.0009, "CanvasEqual"}, {slv / 1.0011, "CanvasLow"},
               {0.5 * slv, "CanvasLow"}};
  for (const auto& c : cases) {
    ActivateWith(T, c.P, 31.5);
    EXPECT_EQ(ShownPictures(), c.shown) << c.P / slv;
    EXPECT_EQ(Shown("Cal_presSLV"), Str(slv) + " MPa");
    EXPECT_EQ(Shown("resultP"), Str(c.P - slv));
    EXPECT_EQ(Shown("presISO"), Str(c.P) + " MPa");
  }
  EXPECT_EQ(Shown("volISO"), "31.5 cm3/mol");
  EXPECT_EQ(Shown("tempISO"), "773.15 K  ( 500 \u02DAC )");
}

TEST_F(SLVWindow, PicksTheCurveOnTheSideOfTheCotecticRatio) {
  const double T = 673.15;
  const double cotectic = Globals::Sorvik_Cotectic(5, T);
  ASSERT_GT(cotectic, 0.2);
  ASSERT_LT(cotectic, 0.8);
  for (double r : {cotectic - 0.15, cotectic + 0.15}) {
    Globals::ASnumber = {90, 0, 0, 10 * r, 10 * (1 - r)};
    int curve = 0;
    const double wNaCl = Globals::ASnumber[3] / 100, wKCl = Globals::ASnumber[4] / 100;
    const double slv = SLVPressureAt(T, wNaCl / (wNaCl + wKCl), &curve);
    EXPECT_EQ(curve, r < cotectic ? 4 : 3);
    ActivateWith(T, 10, 30);
    EXPECT_EQ(Shown("Cal_presSLV"), Str(slv) + " MPa") << r;
  }
}

TEST_F(SLVWindow, WithoutTemperatureOrPressureShowsWhatIsMissingAndLeavesTheComparison) {
  ActivateWith(773.15, 1000, 30);
  const QString slvText = Shown("Cal_presSLV");
  ASSERT_EQ(ShownPictures(), "CanvasHigh");

  ActivateWith(0, 12.5, 30);
  EXPECT_EQ(Shown("tempISO"), "temperature not selected");
  EXPECT_EQ(Shown("presISO"), "12.5 MPa");
  ActivateWith(600, 0, 0);
  EXPECT_EQ(Shown("tempISO"), "600 K  ( 326.85 \u02DAC )");
  EXPECT_EQ(Shown("presISO"), " pressure not calculated");
  EXPECT_EQ(Shown("volISO"), "0 cm3/mol");
  EXPECT_EQ(Shown("Cal_presSLV"), slvText);
  EXPECT_EQ(ShownPictures(), "CanvasHigh") << "the earlier comparison stays";
}

TEST_F(SLVWindow, AtOrBelow453KTheFallbackSLVPressureIsComparedLikeAnyOther) {
  ActivateWith(450, 0.1, 18);
  EXPECT_EQ(Shown("Cal_presSLV"), "0.1 MPa");
  EXPECT_EQ(Shown("resultP"), "0");
  EXPECT_EQ(ShownPictures(), "CanvasEqual");
}

// A fluid without NaCl and KCl has no salt ratio (0/0): no SLV pressure is
// computed from a not-a-number ratio, and no comparison picture stays.
TEST_F(SLVWindow, ASaltFreeFluidHasNoSLVPressure) {
  ActivateWith(773.15, 1000, 30);
  ASSERT_EQ(ShownPictures(), "CanvasHigh");
  const QString slvText = Shown("Cal_presSLV");
  Globals::ASnumber = {100, 0, 0, 0, 0};
  ActivateWith(773.15, 20, 30);
  EXPECT_EQ(ShownPictures(), "");
  EXPECT_EQ(Shown("Cal_presSLV"), slvText);
  EXPECT_FALSE(Shown("resultP").contains("nan"));
  EXPECT_EQ(Shown("presISO"), "20 MPa");
}

TEST_F(SLVWindow, ReturnsToTheLiquidVapourWindowAndStaysOpen) {
  Press("LiqVapButton");
  ASSERT_NE(LiquidVapourEq::OpenInstanceOf(), nullptr);
  EXPECT_TRUE(LiquidVapourEq::OpenInstanceOf()->Frame()->isVisible());
  EXPECT_EQ(SLV::OpenInstanceOf(), &w);
  EXPECT_EQ(w.Button("LiqVapButton").Caption(), "return to \"Liquid-Vapour Equilibrium\"");
}

}  // namespace
