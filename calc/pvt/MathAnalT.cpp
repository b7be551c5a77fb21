#include "calc/pvt/MathAnalT.h"

#include <QScopedValueRollback>

#include "app/framework/Controls.h"
#include "calc/pvt/AnalysisCalculateButton.h"
#include "calc/pvt/ResultList.h"
#include "fluid/Globals.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Mathematical Analysis", 260, 425),
      fw::StoredOrder::Reversed,
      Listbox("ListBox1", 20, 105, 220, 300).Columns(2, "50%, 50%").Heading().Size(10)
          .SetNumber("GridLinesVertical", 3),
      pvt::kAnalysisCalculateButton,
      StaticText("StaticText1", 20, 20, 215, 30)
          .Text("Zero function = p(v,T,x) - Pressure\rvariable temperature").Size(12)
          .Multiline());
});

constexpr int kRows = 1001;
// The first row is the triple point of water, 273.16 K.
constexpr double kFirstTemperature = 273.16;
constexpr double kTemperatureStep = 1.0;  // K

}  // namespace

fw::WindowBlocks MathAnalT::Blocks() { return kBlocks; }

fw::Handlers MathAnalT::Handlers() { return {FW_HANDLER(MathAnalT, calculate, Action)}; }

FW_REGISTER_WINDOW(MathAnalT);

// While the table fills, an activation leaves its rows alone.
void MathAnalT::Event_Activate() {
  if (!filling_) pvt::ResetResultList(*this, "Temperature", "Zero-function");
}

// Appends the rows below those already listed; the temperature is a running
// sum. The fluid, molar volume and pressure are taken once at the start:
// typing in the "Temperatures" window while this one yields does not reach
// the rows.
void MathAnalT::calculate_Action() {
  const QScopedValueRollback<bool> filling(filling_, true);
  const Globals::Composition x = Globals::fraction;
  const double V = Globals::Vm_global;
  const double P = Globals::PMPa_global;
  double T = kFirstTemperature - kTemperatureStep;
  for (int i = 0; i < kRows; ++i) {
    T = T + kTemperatureStep;
    const double d = Globals::Pressure(x, T, V) - P;
    if (!pvt::AppendRowAndYield(*this, T, d)) return;
  }
}
