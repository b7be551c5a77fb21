// Controls stand where their blocks put them in window coordinates, whatever
// their parent; texts are sized in pixels; decoration never takes a click.
#include <QAbstractSlider>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include "app/framework/test_windows.h"

namespace {

using Geometry = WindowTest;

struct Place {
  const char* name;
  int left, top, width, height;
};

TEST_F(Geometry, ChildrenOfGroupBoxesAndRectanglesStandAtTheirWindowCoordinates) {
  PanelWindow& w = PanelWindow::Instance();
  for (const Place& p : {Place{"Rectangle1", 0, 0, 300, 500}, Place{"GroupBox1", 20, 40, 200, 120},
                         Place{"A", 30, 60, 80, 20}, Place{"B", 30, 85, 80, 20},
                         Place{"C", 130, 60, 80, 20}, Place{"Deep", 40, 130, 150, 20},
                         Place{"Bottom", 20, 470, 200, 20}, Place{"ScrollBar1", 300, 0, 15, 200},
                         Place{"Line1", 20, 300, 261, 1}}) {
    const fw::RectControl& c = w.ControlByName(p.name);
    EXPECT_EQ(c.Left(), p.left) << p.name;
    EXPECT_EQ(c.Top(), p.top) << p.name;
    EXPECT_EQ(c.Width(), p.width) << p.name;
    EXPECT_EQ(c.Height(), p.height) << p.name;
    // The same place as Qt sees it on the window's content.
    EXPECT_EQ(c.Widget()->mapTo(w.Content(), QPoint(0, 0)), QPoint(p.left, p.top)) << p.name;
  }
  EXPECT_EQ(w.ControlByName("Deep").Parent(), &w.ControlByName("GroupBox1"));
  EXPECT_EQ(w.ControlByName("GroupBox1").Parent(), &w.ControlByName("Rectangle1"));
  EXPECT_EQ(w.ControlByName("ScrollBar1").Parent(), nullptr);
}

TEST_F(Geometry, ScrollBarMovesThePanelAndResizingClampsItsMaximum) {
  PanelWindow& w = PanelWindow::Instance();
  fw::ScrollBar& bar = w.Scroll("ScrollBar1");
  fw::RectControl& deep = w.ControlByName("Deep");
  bar.Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar.Value(), 200);
  EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -200);
  EXPECT_EQ(deep.Top(), -70);
  bar.SetValue(100);
  EXPECT_EQ(deep.Top(), 30);
  deep.SetTop(50);  // window coordinates, inside a moved panel and group box
  EXPECT_EQ(deep.Top(), 50);
  EXPECT_EQ(deep.Widget()->y(), 50 - (-100 + 40));

  w.Frame()->resize(w.Frame()->width(), 300);
  EXPECT_GT(w.resizings, 0);
  EXPECT_EQ(w.Height(), 300);
  EXPECT_EQ(bar.Height(), 300);
  EXPECT_EQ(bar.Maximum(), 200);
  bar.SetValue(200);
  w.Frame()->resize(w.Frame()->width(), 520);
  EXPECT_EQ(bar.Minimum(), 0);
  EXPECT_EQ(bar.Maximum(), 0) << "500 - 520 is clamped to the minimum";
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(w.ControlByName("Rectangle1").Top(), 0) << "the clamped value moved the panel";
}

TEST_F(Geometry, TextSizesArePixelsAndTheDesignedLabelHoldsItsText) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.Label("warning").Label()->font().pixelSize(), 12);
  EXPECT_EQ(w.Button("calculate").Widget()->font().pixelSize(), 18);
  const QLabel* label = w.Label("Temperature").Label();
  EXPECT_EQ(label->font().pixelSize(), 16);
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
  EXPECT_LE(QFontMetrics(label->font()).height(), label->height());
}

TEST_F(Geometry, GroupBoxesPassClicksToTheControlsOverOrInThem) {
  // Hit-testing as the window does it for a click at that point.
  PanelWindow& panel = PanelWindow::Instance();
  QWidget* b = panel.Radio("B").Widget();
  EXPECT_EQ(panel.Content()->childAt(b->mapTo(panel.Content(), b->rect().center())), b);
  // The example's group box is created after its radios, over them.
  ExampleWindow& w = ExampleWindow::Instance();
  QWidget* celsius = w.Radio("Celsius").Widget();
  EXPECT_EQ(w.Content()->childAt(celsius->geometry().center()), celsius);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Frame()));
  const QPoint inWindow = celsius->mapTo(w.Frame(), celsius->rect().center());
  QTest::mouseClick(w.Frame()->windowHandle(), Qt::LeftButton, {}, inWindow);
  EXPECT_TRUE(w.Radio("Celsius").Value());
  EXPECT_FALSE(w.Radio("Kelvin").Value());
}

TEST_F(Geometry, HeightIsTheContentHeightBesideAMenuBar) {
  fw::SetFrameDecorator([](QMainWindow& frame) { frame.menuBar()->addMenu("&File"); });
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_NE(w.Frame()->menuWidget(), nullptr);
  EXPECT_EQ(w.Height(), 380);
  EXPECT_EQ(w.Width(), 360);
  fw::SetFrameDecorator({});
}

}  // namespace
