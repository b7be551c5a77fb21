// The note windows of the phase-equilibrium calculators: their pictures, and
// one range window for both calculators.
#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/equilibria/ConstructionCritical.h"
#include "calc/equilibria/LiquidVapourEq.h"
#include "calc/equilibria/TPx_range.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

using NoteWindows = WindowTest;

TEST_F(NoteWindows, PicturesFillTheirCanvasesAndBothCalculatorsOpenOneRangeWindow) {
  const std::pair<fw::Window*, std::vector<const char*>> notes[] = {
      {&TPx_range::Instance(), {"Canvas1", "Canvas2", "Canvas3"}},
      {&ConstructionCritical::Instance(), {"Canvas1", "Canvas2"}}};
  for (const auto& [w, canvases] : notes) {
    for (const char* canvas : canvases) {
      const auto& picture = w->Named<fw::Canvas>(canvas).Backdrop();
      EXPECT_FALSE(picture.isNull()) << canvas;
      EXPECT_EQ(picture.deviceIndependentSize().toSize(), w->ControlByName(canvas).Widget()->size())
          << w->Title().toStdString() << " " << canvas;
    }
  }
  fw::ReleaseAllWindows();
  Click(BubbleDewPoint::Instance().Button("LVpoint"));
  TPx_range* range = TPx_range::OpenInstanceOf();
  ASSERT_NE(range, nullptr);
  Click(LiquidVapourEq::Instance().Button("LVpoint"));
  EXPECT_EQ(TPx_range::OpenInstanceOf(), range);
  EXPECT_EQ(fw::LiveWindowCount(), 3);
}

}  // namespace
