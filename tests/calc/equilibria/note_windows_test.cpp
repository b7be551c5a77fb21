// The note windows of the phase-equilibrium calculators: the T-P-x range,
// "Spinodal" and "Critical Point" windows with their texts and pictures.
#include "app/framework/Pictures.h"
#include "calc/equilibria/BubbleDewPoint.h"
#include "calc/equilibria/ConstructionCritical.h"
#include "calc/equilibria/ConstructionSpinodal.h"
#include "calc/equilibria/LiquidVapourEq.h"
#include "calc/equilibria/TPx_range.h"
#include "tests/calc/equilibria/equilibrium_driving.h"

namespace {

using namespace equilibrium_driving;

struct NoteWindow {
  fw::Window& (*open)();
  QString title;
  int width, height;
  std::vector<const char*> canvases;
  bool minimizable;
};

using NoteWindows = WindowTest;

template <class W>
fw::Window& Open() {
  return W::Instance();
}

// clang-format off
const NoteWindow kNotes[] = {
    {Open<TPx_range>, "Liquid - Vapour Equilibrium", 640, 730, {"Canvas1", "Canvas2", "Canvas3"}, false},
    {Open<ConstructionSpinodal>, "Spinodal", 655, 120, {}, true},
    {Open<ConstructionCritical>, "Critical Point", 655, 425, {"Canvas1", "Canvas2"}, false},
};
// clang-format on

TEST_F(NoteWindows, EachNoteWindowOpensWithItsPicturesAndNothingToOperate) {
  for (const NoteWindow& note : kNotes) {
    fw::Window& w = note.open();
    SCOPED_TRACE(note.title.toStdString());
    EXPECT_EQ(w.Title(), note.title);
    EXPECT_EQ(QSize(w.Width(), w.Height()), QSize(note.width, note.height));
    EXPECT_TRUE(w.Frame()->isVisible());
    EXPECT_EQ(bool(w.Frame()->windowFlags() & Qt::WindowMinimizeButtonHint), note.minimizable);
    for (const char* canvas : note.canvases) {
      const auto& picture = w.Named<fw::Canvas>(canvas).Backdrop();
      EXPECT_FALSE(picture.isNull()) << canvas;
      EXPECT_EQ(picture.deviceIndependentSize().toSize(), w.ControlByName(canvas).Widget()->size())
          << canvas << " fills its canvas";
    }
    for (const auto& control : w.Controls()) {
      if (auto* label = dynamic_cast<fw::StaticText*>(control.get())) {
        EXPECT_TRUE(FitsItsLabel(*label)) << label->Name().toStdString();
      }
    }
  }
  const fw::Window& spinodal = ConstructionSpinodal::Instance();
  const fw::Window& critical = ConstructionCritical::Instance();
  EXPECT_EQ(spinodal.Label("StaticText1").Text(), "Under Construction");
  EXPECT_EQ(critical.Label("StaticText1").Text(), spinodal.Label("StaticText1").Text());
  EXPECT_EQ(critical.Label("StaticText1").Label()->palette().color(QPalette::WindowText),
            QColor(Qt::red));
  EXPECT_TRUE(spinodal.Label("StaticText2").Text().endsWith("."));
  EXPECT_TRUE(critical.Label("StaticText3").Text().endsWith(":"));
}

TEST_F(NoteWindows, BothEquilibriumWindowsOpenOneRangeWindow) {
  Click(BubbleDewPoint::Instance().Button("LVpoint"));
  TPx_range* range = TPx_range::OpenInstanceOf();
  ASSERT_NE(range, nullptr);
  Click(LiquidVapourEq::Instance().Button("LVpoint"));
  EXPECT_EQ(TPx_range::OpenInstanceOf(), range);
  EXPECT_EQ(fw::LiveWindowCount(), 3);
}

TEST_F(NoteWindows, AMissingPictureLeavesItsCanvasEmptyAndTheWindowOpens) {
  fw::ReleasePictures();
  fw::SetPictureFolder("/nonexistent");
  ConstructionCritical& w = ConstructionCritical::Instance();
  EXPECT_TRUE(w.Named<fw::Canvas>("Canvas1").Backdrop().isNull());
  EXPECT_TRUE(w.Frame()->isVisible());
  fw::ReleaseAllWindows();
  fw::SetPictureFolder(":/pictures");
  EXPECT_FALSE(ConstructionCritical::Instance().Named<fw::Canvas>("Canvas1").Backdrop().isNull())
      << "the next build tries again";
}

}  // namespace
