// Controls stand where their blocks put them in window coordinates, whatever
// their parent; texts are sized in pixels; decoration never takes a click.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "app/framework/example_window.h"
#include "app/framework/test_windows.h"

namespace {

class Geometry : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::ReleaseAllWindows();
    fw::SetFrameDecorator({});
  }
};

struct Place {
  const char* name;
  int left, top, width, height;
};

TEST_F(Geometry, ChildrenOfGroupBoxesAndRectanglesStandAtTheirWindowCoordinates) {
  PanelWindow& w = PanelWindow::Instance();
  for (const Place& p : {Place{"Rectangle1", 0, 0, 300, 500}, Place{"GroupBox1", 20, 40, 200, 120},
                         Place{"A", 30, 60, 80, 20}, Place{"B", 30, 85, 80, 20},
                         Place{"C", 130, 60, 80, 20}, Place{"Deep", 40, 130, 150, 20},
                         Place{"Bottom", 20, 470, 200, 20}, Place{"ScrollBar1", 300, 0, 15, 200}}) {
    const fw::RectControl& c = w.ControlByName(p.name);
    EXPECT_EQ(c.Left(), p.left) << p.name;
    EXPECT_EQ(c.Top(), p.top) << p.name;
    EXPECT_EQ(c.Width(), p.width) << p.name;
    EXPECT_EQ(c.Height(), p.height) << p.name;
    // The same place as Qt sees it on the window's content.
    const QPoint onContent = c.Widget()->mapTo(w.Content(), QPoint(0, 0));
    EXPECT_EQ(onContent, QPoint(p.left, p.top)) << p.name;
  }
  EXPECT_EQ(w.ControlByName("Deep").Parent(), &w.ControlByName("GroupBox1"));
  EXPECT_EQ(w.ControlByName("GroupBox1").Parent(), &w.ControlByName("Rectangle1"));
  EXPECT_EQ(w.ControlByName("ScrollBar1").Parent(), nullptr);
}

TEST_F(Geometry, LineCoversItsPointsWidenedByItsWidth) {
  PanelWindow& w = PanelWindow::Instance();
  const fw::RectControl& line = w.ControlByName("Line1");
  EXPECT_EQ(line.Left(), 20);
  EXPECT_EQ(line.Width(), 261);
  EXPECT_EQ(line.Top(), 300);
  EXPECT_EQ(line.Height(), 1);
}

TEST_F(Geometry, SettingTopMovesAControlInWindowCoordinatesWithItsChildren) {
  PanelWindow& w = PanelWindow::Instance();
  w.ControlByName("Rectangle1").SetTop(-100);
  EXPECT_EQ(w.ControlByName("Deep").Top(), 30);
  w.ControlByName("Deep").SetTop(50);
  EXPECT_EQ(w.ControlByName("Deep").Top(), 50);
  EXPECT_EQ(w.ControlByName("Deep").Widget()->y(), 50 - (-100 + 40));
  w.ControlByName("Deep").SetVisible(false);
  EXPECT_FALSE(w.ControlByName("Deep").Visible());
}

TEST_F(Geometry, TextSizesArePixels) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.Label("Temperature").Label()->font().pixelSize(), 16);
  EXPECT_EQ(w.Label("warning").Label()->font().pixelSize(), 12);
  EXPECT_EQ(w.Button("calculate").Widget()->font().pixelSize(), 18);
  // The designed label holds its text.
  const QLabel* label = w.Label("Temperature").Label();
  EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
  EXPECT_LE(QFontMetrics(label->font()).height(), label->height());
}

TEST_F(Geometry, GroupBoxCreatedOverRadioButtonsDoesNotTakeTheirClicks) {
  ExampleWindow& w = ExampleWindow::Instance();
  QWidget* celsius = w.Radio("Celsius").Widget();
  const QPoint centre = celsius->geometry().center();
  // Hit-testing as the window does it for a click at that point.
  EXPECT_EQ(w.Content()->childAt(centre), celsius);

  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.Frame()));
  const QPoint inWindow = celsius->mapTo(w.Frame(), celsius->rect().center());
  QTest::mouseClick(w.Frame()->windowHandle(), Qt::LeftButton, {}, inWindow);
  EXPECT_TRUE(w.Radio("Celsius").Value());
  EXPECT_FALSE(w.Radio("Kelvin").Value());
}

TEST_F(Geometry, GroupBoxHoldingControlsStillPassesTheirClicks) {
  PanelWindow& w = PanelWindow::Instance();
  QWidget* b = w.Radio("B").Widget();
  const QPoint centre = b->mapTo(w.Content(), b->rect().center());
  EXPECT_EQ(w.Content()->childAt(centre), b);
}

TEST_F(Geometry, HeightIsTheContentHeightBesideAMenuBar) {
  fw::SetFrameDecorator([](QMainWindow& frame) { frame.menuBar()->addMenu("&File"); });
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.Height(), 200);
  EXPECT_EQ(w.Width(), 360);
  EXPECT_NE(w.Frame()->menuWidget(), nullptr);
}

}  // namespace
