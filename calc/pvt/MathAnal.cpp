#include "calc/pvt/MathAnal.h"

#include <QScopedValueRollback>

#include "app/framework/Controls.h"
#include "calc/pvt/AnalysisCalculateButton.h"
#include "calc/pvt/ResultList.h"
#include "fluid/Globals.h"

namespace {

constexpr auto kBlocks = fw::EncodeWindow([] {
  using namespace fw::decl;
  return fw::Declare(
      Window("Mathematical Analysis", 260, 430),
      fw::StoredOrder::Reversed,
      Listbox("ListBox1", 20, 110, 220, 300).Columns(2, "50%, 50%").Heading().Size(10)
          .SetNumber("GridLinesVertical", 3),
      pvt::kAnalysisCalculateButton,
      StaticText("StaticText2", 20, 20, 215, 30)
          .Text("Zero function = p(v,T,x) - Pressure\rvariable molar volume").Size(12)
          .Multiline());
});

constexpr int kRows = 501;
// Each row's molar volume is the one before times this factor.
constexpr double kVolumeStep = 1.01;

}  // namespace

fw::WindowBlocks MathAnal::Blocks() { return kBlocks; }

fw::Handlers MathAnal::Handlers() { return {FW_HANDLER(MathAnal, calculate, Action)}; }

FW_REGISTER_WINDOW(MathAnal);

// While the table fills, an activation leaves its rows alone.
void MathAnal::Event_Activate() {
  if (!filling_) pvt::ResetResultList(*this, "Molar Volume", "Zero-function");
}

// Appends the rows below those already listed. The fluid, temperature and
// pressure are taken once at the start: what another window writes while
// this one yields does not reach the rows.
void MathAnal::calculate_Action() {
  const QScopedValueRollback<bool> filling(filling_, true);
  const Globals::Composition x = Globals::fraction;
  const double T = Globals::TK_global;
  const double P = Globals::PMPa_global;
  double V = Globals::Vlimit(x);
  for (int i = 0; i < kRows; ++i) {
    V = V * kVolumeStep;
    const double z = Globals::Pressure(x, T, V) - P;
    if (!pvt::AppendRowAndYield(*this, V, z)) return;
  }
}
