// Windows and their controls: one instance per class, controls by name,
// which events fire for the user's actions and for code, and what happens
// while a handler yields. Where controls stand: window_layout_test.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/fluid_window.h"
#include "app/framework/YieldHook.h"
#include "app/framework/test_windows.h"
#include "fluid/RuntimeBackgroundTask.h"

namespace {

using Windows = WindowTest;

TEST_F(Windows, AccessorGivesTheOpenWindowAsItWasAndAClosedOneAfresh) {
  ExampleWindow& first = ExampleWindow::Instance();
  EXPECT_EQ(first.Frame()->objectName(), "ExampleWindow");
  EXPECT_EQ(fw::GetImplicitWindow("ExampleWindow.ExampleWindow"), &first);
  first.Field("dataEntryT").SetText("573.15");
  ExampleWindow::Instance().Show();
  EXPECT_EQ(&ExampleWindow::Instance(), &first);
  EXPECT_EQ(first.Field("dataEntryT").Text(), "573.15");
  const int activations = first.activations;
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(first.Frame(), &activate);
  EXPECT_EQ(first.activations, activations + 1);

  first.Close();
  EXPECT_FALSE(first.IsOpen());
  EXPECT_EQ(ExampleWindow::OpenInstanceOf(), nullptr);
  EXPECT_EQ(fw::GetImplicitWindow("ExampleWindow"), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  ExampleWindow& second = ExampleWindow::Instance();
  EXPECT_EQ(second.Field("dataEntryT").Text(), "");
  EXPECT_TRUE(second.Radio("Kelvin").Value());
}

// The Fluid window's column headings "mass %" and "as %" are the members 0
// and 1 of the control set StaticText2.
TEST_F(Windows, ControlsAreFoundByNameAndIndexAndAMissingOneThrows) {
  ExampleWindow& example = ExampleWindow::Instance();
  EXPECT_THROW(example.ControlByName("nothing"), fw::NilObjectException);
  EXPECT_THROW(example.Field("calculate"), fw::NilObjectException) << "a button is no field";
  Start2Window& w = Start2Window::Instance();
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 0).Text(), "mass %");
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 1).Text(), "as %");
  EXPECT_THROW(w.ControlByNameIndex("StaticText2", 2), fw::NilObjectException);
  EXPECT_THROW(w.ControlByName("StaticText2"), fw::NilObjectException);
  EXPECT_THROW(w.ControlByNameIndex("Sum", 0), fw::NilObjectException);
}

TEST_F(Windows, ReturnOrEnterPressesTheDefaultButtonUnlessItIsDisabled) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Radio("Celsius").SetValue(true);
  QTest::keyClicks(w.Field("dataEntryT").LineEdit(), "26.85");
  w.Button("calculate").SetEnabled(false);
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(w.Label("Result").Text(), "");
  w.Button("calculate").SetEnabled(true);
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(w.Label("Result").Text(), "300 K");
  w.Field("dataEntryT").SetText("573.15");
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(w.Label("Result").Text(), "846.3 K");
}

TEST_F(Windows, RadioButtonsWithOneParentFormAGroupApartFromThoseAroundIt) {
  PanelWindow& w = PanelWindow::Instance();
  // C lies on the rectangle that holds the group box of A and B.
  QTest::mouseClick(w.Radio("C").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("A").Value());
  w.Radio("B").SetValue(true);
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_TRUE(w.Radio("C").Value());
  EXPECT_EQ(w.bActions + w.cActions, 2);
  EXPECT_EQ(w.lastMe, &w.ControlByName("B")) << "Me is the control whose event is handled";
  EXPECT_THROW(w.Me(), fw::NilObjectException) << "outside a handler there is no Me";
  w.Radio("C").SetValue(false);
  EXPECT_FALSE(w.Radio("C").Value()) << "code turns the last one off";
  EXPECT_TRUE(w.Radio("B").Value());
}

// The Fluid window's Clear yields once per component. The close arrives
// through the event queue, as a click on the close box would, while Clear
// still has controls to write.
TEST_F(Windows, WindowClosedWhileItsHandlerYieldsGoesOnlyAfterTheHandlerReturns) {
  fw::InstallRuntimeYield(0, 1);  // every yield handles events
  Start2Window& w = Start2Window::Instance();
  QMetaObject::invokeMethod(w.Frame(), "close", Qt::QueuedConnection);
  w.Button("Clear").Push();
  EXPECT_FALSE(w.Frame()->isVisible());
  EXPECT_EQ(Start2Window::OpenInstanceOf(), nullptr) << "the next accessor call builds anew";
  EXPECT_EQ(fw::LiveWindowCount(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  fw::RemoveRuntimeYield();
}

TEST_F(Windows, CodeFillsAListSilentlyAndAUsersEditOfAClickedCellRaisesCellTextChange) {
  EXPECT_EQ(fw::ColumnWidthsFor("40% 60%", 2, 200), (std::vector<int>{80, 120}));
  EXPECT_EQ(fw::ColumnWidthsFor("120, *", 2, 200), (std::vector<int>{120, 80}));
  EXPECT_EQ(fw::ColumnWidthsFor("", 2, 200), (std::vector<int>{100, 100}));
  ExampleWindow& w = ExampleWindow::Instance();
  fw::Listbox& list = w.List("ListBox1");
  QTableWidget* table = list.Table();
  EXPECT_NEAR(table->columnWidth(0), table->viewport()->width() / 2, 1) << "50%, 50%";
  list.SetHeading(1, "x");
  for (const char* name : {"H2O", "CO2", "CH4"}) {
    list.AddRow(name);
    list.SetCell(list.LastIndex(), 1, "0.5");
  }
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.LastIndex(), 2);
  EXPECT_EQ(list.Cell(1, 0), "CO2");
  EXPECT_EQ(list.Cell(1, 1), "0.5");
  EXPECT_EQ(list.Heading(1), "x");
  EXPECT_TRUE(table->horizontalHeader()->isVisible());
  EXPECT_THROW(list.Cell(3, 0), fw::NilObjectException);
  EXPECT_TRUE(w.edits.empty());

  const QRect cell = table->visualRect(table->model()->index(1, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(w.clicks, (std::vector<std::pair<int, int>>{{1, 0}}));
  EXPECT_EQ(list.CellType(1, 1), fw::Listbox::kEditable);
  EXPECT_EQ(list.CellType(0, 1), 0);
  QCoreApplication::processEvents();  // the editor opens after the click
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "0.25");
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();  // the list takes the edit after the key
  EXPECT_EQ(list.Cell(1, 1), "0.25");
  EXPECT_EQ(w.edits, (std::vector<std::pair<int, int>>{{1, 1}}));
  list.SetCell(1, 1, "0.3");

  // Refilling the list drops an open editor unstored, and an edit that a
  // click asked for but that has not opened yet: the rows are others now.
  const auto editing = [table] { return table->indexWidget(table->currentIndex()) != nullptr; };
  const auto refill = [&list] {
    list.DeleteAllRows();
    for (int row = 0; row < 3; ++row) list.AddRow("H2O");
  };
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QCoreApplication::processEvents();
  QTest::keyClicks(QApplication::focusWidget(), "9");
  refill();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  refill();
  list.SetCellType(1, 1, fw::Listbox::kEditable);
  QCoreApplication::processEvents();
  EXPECT_FALSE(editing());
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QCoreApplication::processEvents();
  EXPECT_TRUE(editing()) << "the list takes edits again";
  list.DeleteAllRows();
  EXPECT_EQ(w.edits.size(), 1u) << "writing from code raises nothing";
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.LastIndex(), -1);
}

// The library yields every few nanoseconds of work: the event loop runs at
// most once an interval.
TEST(RuntimeYield, EventsAreHandledAtMostOnceAnInterval) {
  fw::InstallRuntimeYield(60'000, 1);  // a minute apart: no second turn within this test
  const long served = fw::RuntimeYieldsServed();
  for (int i = 0; i < 3; ++i) RuntimeBackgroundTask();
  EXPECT_EQ(fw::RuntimeYieldsServed() - served, 1) << "the first yield after installing only";
  fw::RemoveRuntimeYield();
}

}  // namespace
