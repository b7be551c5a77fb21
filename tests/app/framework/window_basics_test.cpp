// The window layer on the example window: one instance per class, controls
// by name, handlers by control and event.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "app/framework/example_window.h"

namespace {

class WindowBasics : public ::testing::Test {
 protected:
  void TearDown() override { fw::ReleaseAllWindows(); }
};

void ProcessDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

TEST_F(WindowBasics, AccessorGivesTheOpenWindowWithItsFieldsAsTheyWere) {
  ExampleWindow& first = ExampleWindow::Instance();
  first.Field("dataEntryT").SetText("573.15");
  ExampleWindow& second = ExampleWindow::Instance();
  second.Show();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.Field("dataEntryT").Text(), "573.15");
}

TEST_F(WindowBasics, ClosedWindowIsBuiltAfreshByTheNextAccessorCall) {
  ExampleWindow& first = ExampleWindow::Instance();
  first.Field("dataEntryT").SetText("300");
  first.Close();
  EXPECT_FALSE(first.IsOpen());
  EXPECT_EQ(ExampleWindow::OpenInstanceOf(), nullptr);
  ProcessDeferredDeletes();
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  ExampleWindow& second = ExampleWindow::Instance();
  EXPECT_EQ(second.Field("dataEntryT").Text(), "");
  EXPECT_TRUE(second.Radio("Kelvin").Value());
}

TEST_F(WindowBasics, WindowWithVisibleBlockShowsItselfWithItsTitleAndContentSize) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_TRUE(w.Frame()->isVisible());
  EXPECT_EQ(w.Title(), "Example");
  EXPECT_EQ(w.Width(), 360);
  EXPECT_EQ(w.Height(), 200);
}

TEST_F(WindowBasics, ControlsAreFoundByNameAndCarryItAsQtObjectName) {
  ExampleWindow& w = ExampleWindow::Instance();
  auto* edit = w.Frame()->findChild<QLineEdit*>("dataEntryT");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(w.Field("dataEntryT").LineEdit(), edit);
  EXPECT_EQ(w.ControlByName("calculate").Class(), fw::BlockClass::PushButton);
  EXPECT_THROW(w.ControlByName("nothing"), fw::NilObjectException);
  EXPECT_THROW(w.Field("calculate"), fw::NilObjectException);
}

TEST_F(WindowBasics, TypingAndCodeBothRaiseTextChange) {
  ExampleWindow& w = ExampleWindow::Instance();
  QTest::keyClicks(w.Field("dataEntryT").LineEdit(), "12");
  EXPECT_EQ(w.textChanges, 2);
  w.Field("dataEntryT").SetText("");
  EXPECT_EQ(w.textChanges, 3);
  w.Field("dataEntryT").SetText("");  // no change, no event
  EXPECT_EQ(w.textChanges, 3);
}

TEST_F(WindowBasics, ReturnInAFieldPressesTheDefaultButton) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Radio("Celsius").SetValue(true);
  QTest::keyClicks(w.Field("dataEntryT").LineEdit(), "26.85");
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(w.Label("Result").Text(), "300 K");
}

TEST_F(WindowBasics, ActivationRunsEventActivate) {
  ExampleWindow& w = ExampleWindow::Instance();
  const int before = w.activations;
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(w.Frame(), &activate);
  EXPECT_EQ(w.activations, before + 1);
}

}  // namespace

namespace {

TEST(WindowFrames, QtWindowIsNamedAfterItsClass) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.Frame()->objectName(), "ExampleWindow");
  EXPECT_EQ(fw::GetImplicitWindow("ExampleWindow.ExampleWindow"), &w);
  fw::ReleaseAllWindows();
  EXPECT_EQ(fw::GetImplicitWindow("ExampleWindow"), nullptr);
}

}  // namespace
