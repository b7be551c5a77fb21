#include "calc/pvt/MathAnalT.h"

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

void MathAnalT::Event_Activate() { pvt::ResetResultList(*this, "Temperature", "Zero-function"); }

// Appends the rows below those already listed; the temperature is a running
// sum. Molar volume and pressure are read anew for every row: typing in the
// "Temperatures" window while this one yields changes the rows after it.
void MathAnalT::calculate_Action() {
  double T = kFirstTemperature - kTemperatureStep;
  for (int i = 0; i < kRows; ++i) {
    T = T + kTemperatureStep;
    const double d =
        Globals::Pressure(Globals::fraction, T, Globals::Vm_global) - Globals::PMPa_global;
    if (!pvt::AppendRowAndYield(*this, T, d)) return;
  }
}
