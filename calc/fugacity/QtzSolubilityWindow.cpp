#include "calc/fugacity/QtzSolubilityWindow.h"

#include <cmath>

#include "app/framework/Controls.h"
#include "app/framework/RunInputs.h"
#include "app/framework/ValStr.h"
#include "calc/pvt/FirstVolumeApproach.h"
#include "calc/pvt/MathAnal.h"
#include "calc/pvt/TemperatureUnit.h"
#include "fluid/Globals.h"

using fw::Str;
using fw::Val;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

// Controls in creation order; places in window coordinates (also inside the
// group box).
constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Quartz Solubility", 530, 710),
      fw::StoredOrder::Table,
      StaticText("StaticText1", 20, 20, 490, 25)
          .Text("Solubility of quartz in H2O-CO2-NaCl-KCl fluids").Size(16),
      StaticText("StaticText2", 30, 60, 480, 109)
          .Text("Akinfiev N.N., Diamond L.W. (2009) A simple predictive model of quartz "
                "solubility in water-salt-CO2 systems at temperatures up to 1000 \u02DAC and "
                "pressures up to 1000 MPa. Geochimica et Cosmochimica Acta 73, 1597-1608.\r\r"
                "Doveziz (1994) The solubility of quartz in H2O in the lower crust and upper "
                "mantle. Geochimica et Cosmochimica Acta 58, 4831-4839.")
          .Size(12).Multiline(),
      StaticText("Pressure", 20, 180, 130, 25).Text("Pressure").Size(16),
      StaticText("Temperature", 20, 220, 130, 25).Text("Temperature").Size(16),
      EditField("dataEntryP", 155, 180, 120, 25).Size(16),
      EditField("dataEntryT", 155, 220, 120, 25).Size(16),
      StaticText("StaticText3", 285, 180, 80, 25).Text("MPa").Size(16),
      StaticText("StaticText4", 285, 220, 80, 25).Text("Kelvin").Size(16),
      RadioButton("Kelvin", 377, 227, 56, 20).Caption("in K").Size(12).On(),
      RadioButton("Celsius", 377, 248, 56, 20).Caption("in \u02DAC").Size(12),
      GroupBox("GroupBox1", 370, 220, 70, 54),
      StaticText("Result", 230, 560, 170, 25).Size(14),
      StaticText("StaticText11", 410, 560, 75, 25).Text("cm /mol").Size(14),
      StaticText("StaticText12", 429, 559, 16, 20).Text("3").Size(11),
      StaticText("Effective", 30, 600, 195, 25).Text("Effective partial Vm of H2O").Size(14),
      StaticText("Result1", 230, 600, 170, 25).Size(14),
      StaticText("StaticText13", 410, 600, 75, 25).Text("cm /mol").Size(14),
      StaticText("StaticText14", 429, 599, 16, 20).Text("3").Size(11),
      StaticText("MolarVolume2", 30, 560, 195, 25).Text("Molar Volume fluid mixture").Size(14),
      StaticText("Molality", 30, 640, 195, 25).Text("Molality of SiO2").Size(14),
      StaticText("Result2", 230, 640, 170, 25).Size(14),
      StaticText("StaticText15", 410, 640, 110, 25).Text("mol / kg H2O").Size(14),
      StaticText("StaticText16", 200, 680, 310, 15)
          .Text("* uncertainty analyses are based on intrinsic volume of solutes").Size(10),
      PushButton("Clear", 460, 175, 50, 20).Caption("clear").Size(10),
      GroupBox("GroupBox3", 70, 290, 380, 195).Caption("Select a first approach Molar Volume")
          .Size(16).Italic(),
      StaticText("StaticText17", 90, 320, 340, 31)
          .Text("The complexity of the equation of state can result in a variety of "
                "solutions for the molar volume")
          .Size(12).Multiline().Parent("GroupBox3"),
      RadioButton("Choice0", 90, 360, 20, 20).Parent("GroupBox3"),
      StaticText("TextChoice01", 115, 360, 180, 20).Text("automatic").Size(14).Italic()
          .Parent("GroupBox3"),
      RadioButton("Choice1", 90, 385, 20, 20).Parent("GroupBox3"),
      StaticText("TextChoice11", 115, 385, 180, 20).Text("manual").Size(14).Italic()
          .Parent("GroupBox3"),
      StaticText("MolarVolume1", 130, 410, 100, 20).Text("Molar Volume").Size(14)
          .Parent("GroupBox3"),
      EditField("dataEntryV", 240, 410, 100, 20).Size(14).Parent("GroupBox3"),
      StaticText("StaticText18", 350, 410, 75, 20).Text("cm /mol").Size(14).Parent("GroupBox3"),
      StaticText("StaticText6", 369, 406, 16, 20).Text("3").Size(11).Parent("GroupBox3"),
      PushButton("Analysis1", 300, 445, 130, 20).Caption("Mathematical Analysis").Size(10)
          .Parent("GroupBox3"),
      PushButton("calculate", 28, 500, 105, 30).Caption("calculate").Size(18).Default(),
      StaticText("warning", 235, 500, 270, 30).Size(12).Color(kRed).Multiline(),
      Line("Line1", 20, 545, 510, 545).LineColor(0x000000).BorderWidth(1));
});

const QString kPutNumber = "warning: put a number for temperature and pressure";
// The solver's failure value 0 is no molar volume: another start may find one.
const QString kNoVolume = "Change first approach";
const QString kNoWater = "fault, no water";
const QString kPlusMinus = " \u00B1 ";
// With KCl present the spread of the solute volumes is not known.
const QString kUnknownSpread = " \u00B1 ?";
const QString kNotShown = "warning: value " + fw::kTooLargeToShow;

// Variants of the solute volumes of the effective H2O volume: the central
// one, and the two whose spread is the uncertainty.
constexpr std::int32_t kCentral = 0;
constexpr std::int32_t kUpper = 1;
constexpr std::int32_t kLower = 2;

// A result with its spread; none when either is not showable.
QString WithSpread(double value, double spread, bool withKCl) {
  if (!fw::IsShowable(value, spread)) return QString();
  return Str(value) + (withKCl ? kUnknownSpread : kPlusMinus + Str(std::abs(spread)));
}

}  // namespace

fw::WindowBlocks QtzSolubilityWindow::Blocks() { return kBlocks; }

fw::ExponentLabels QtzSolubilityWindow::Exponents() {
  return {{"StaticText11", "StaticText12"},
          {"StaticText13", "StaticText14"},
          {"StaticText18", "StaticText6"}};
}

fw::Handlers QtzSolubilityWindow::Handlers() {
  return {
      FW_HANDLER(QtzSolubilityWindow, dataEntryP, TextChange),
      FW_HANDLER(QtzSolubilityWindow, dataEntryT, TextChange),
      FW_HANDLER(QtzSolubilityWindow, Kelvin, Action),
      FW_HANDLER(QtzSolubilityWindow, Celsius, Action),
      FW_HANDLER(QtzSolubilityWindow, Clear, Action),
      FW_HANDLER(QtzSolubilityWindow, Choice0, Action),
      FW_HANDLER(QtzSolubilityWindow, Choice1, Action),
      FW_HANDLER(QtzSolubilityWindow, dataEntryV, TextChange),
      FW_HANDLER(QtzSolubilityWindow, Analysis1, Action),
      FW_HANDLER(QtzSolubilityWindow, calculate, Action),
  };
}

FW_REGISTER_WINDOW(QtzSolubilityWindow);

void QtzSolubilityWindow::EmptyResults() {
  Label("Result").SetText("");
  Label("Result1").SetText("");
  Label("Result2").SetText("");
}

// Every edit of an input empties the results: a calculation still running
// for the inputs before shows nothing either.
void QtzSolubilityWindow::dataEntryP_TextChange() {
  NoteInputEdit();
  Globals::PMPa_global = Val(Field("dataEntryP").Text());
  EmptyResults();
  pvt::ResetFirstApproach(*this);
}

// The analysis window reads the temperature in kelvin as the unit radios
// stood when the text was last edited.
void QtzSolubilityWindow::dataEntryT_TextChange() {
  NoteInputEdit();
  pvt::StoreTypedKelvin(*this);
  EmptyResults();
  pvt::ResetFirstApproach(*this);
}

void QtzSolubilityWindow::dataEntryV_TextChange() {
  NoteInputEdit();
  EmptyResults();
  Label("warning").SetText("");
}

// The unit takes effect at the next edit of the temperature or calculation;
// a calculation still running, which read the temperature in the other unit,
// shows nothing.
void QtzSolubilityWindow::Kelvin_Action() {
  if (pvt::NameUnitOf(*this, "Kelvin", "StaticText4")) NoteInputEdit();
}

void QtzSolubilityWindow::Celsius_Action() {
  if (pvt::NameUnitOf(*this, "Celsius", "StaticText4")) NoteInputEdit();
}

void QtzSolubilityWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  NoteInputEdit();
  Field("dataEntryV").SetText("");
  Label("warning").SetText("");
  EmptyResults();
}

void QtzSolubilityWindow::Choice1_Action() {
  if (!Radio("Choice1").Value()) return;
  NoteInputEdit();
  Field("dataEntryV").SetText("");
  Label("warning").SetText("");
  EmptyResults();
}

void QtzSolubilityWindow::Clear_Action() {
  NoteInputEdit();
  Field("dataEntryP").SetText("");
  Field("dataEntryT").SetText("");
  pvt::ResetFirstApproach(*this);
  EmptyResults();
}

void QtzSolubilityWindow::Analysis1_Action() { MathAnal::Instance().Show(); }

void QtzSolubilityWindow::calculate_Action() {
  const fw::RunInputs inputs(*this);
  // The shared scalars take the inputs as read, also when they are refused;
  // the check judges the temperature once in kelvin, and an empty or
  // non-numeric field is none, also in ˚C.
  const std::optional<double> typedT = pvt::TypedKelvin(*this, Field("dataEntryT").Text());
  const double T = pvt::KelvinInUnitOn(*this, Field("dataEntryT").Text()).value_or(0);
  Globals::TK_global = T;
  const double P = Val(Field("dataEntryP").Text());
  Globals::PMPa_global = P;
  if (!(P > 0) || !pvt::IsPositiveKelvin(typedT)) {
    Label("warning").SetText(kPutNumber);
    return;
  }
  Label("warning").SetText("");
  const Globals::Composition x = Globals::fraction;

  // First approach: with neither radio on, the search starts from 0.
  const double V0 = pvt::ChosenFirstVolume(*this, x, T, P);

  const double Vm = Globals::Volume(x, T, P, V0);
  if (!inputs.StillShown()) return;
  if (!(Vm > 0)) {
    EmptyResults();
    Label("warning").SetText(kNoVolume);
    return;
  }
  Label("Result").SetText(Str(Vm));

  const double VH0 = Globals::VH2O_Akinfiev(kCentral, x, Vm);
  if (VH0 == 0) {
    Label("Result1").SetText(kNoWater);
    Label("Result2").SetText(kNoWater);
    return;
  }
  const double VH1 = Globals::VH2O_Akinfiev(kUpper, x, Vm);
  const double VH2 = Globals::VH2O_Akinfiev(kLower, x, Vm);
  const double dV = (VH1 - VH2) / 2;
  const bool withKCl = x[4] > 0;
  Label("Result1").SetText(WithSpread(VH0, dV, withKCl));

  const double m0 = Globals::mSiO2_Akinfiev(x[0], T, VH0);
  const double m1 = Globals::mSiO2_Akinfiev(x[0], T, VH1);
  const double m2 = Globals::mSiO2_Akinfiev(x[0], T, VH2);
  const double dm = (m1 - m2) / 2;
  Label("Result2").SetText(WithSpread(m0, dm, withKCl));
  if (!fw::IsShowable(VH0, dV, m0, dm)) Label("warning").SetText(kNotShown);
}
