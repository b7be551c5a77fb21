// Windows and their controls: one instance per class, controls by name, and
// which events fire for the user's actions and for code.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/framework/test_windows.h"

namespace {

using Windows = WindowTest;

TEST_F(Windows, AccessorGivesTheOpenWindowAsItWasAndAClosedOneAfresh) {
  ExampleWindow& first = ExampleWindow::Instance();
  EXPECT_EQ(first.Title(), "Example");
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

TEST_F(Windows, ControlsAreFoundByNameAndIndexAndAMissingOneThrows) {
  ExampleWindow& example = ExampleWindow::Instance();
  EXPECT_THROW(example.ControlByName("nothing"), fw::NilObjectException);
  EXPECT_THROW(example.Field("calculate"), fw::NilObjectException) << "a button is no field";
  HiddenSetWindow& w = HiddenSetWindow::Instance();
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 0).Text(), "mass %");
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 1).Text(), "as %");
  EXPECT_EQ(w.Named<fw::StaticText>("Pressure", 1).Text(), "Pressure");
  EXPECT_THROW(w.ControlByNameIndex("Pressure", 0), fw::NilObjectException);
  EXPECT_THROW(w.ControlByName("Pressure"), fw::NilObjectException);
  EXPECT_FALSE(w.Frame()->isVisible());
  w.Show();
  EXPECT_TRUE(w.Frame()->isVisible());
}

TEST_F(Windows, TextsSetByCodeReadBack) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Button("calculate").SetCaption("volume calculation");
  EXPECT_EQ(w.Button("calculate").Button()->text(), "volume calculation");
  w.Label("warning").SetText("first\rsecond");
  EXPECT_EQ(w.Label("warning").Text(), "first\rsecond");
  EXPECT_EQ(w.Label("warning").Label()->text(), "first\nsecond") << "a return breaks the line";
}

TEST_F(Windows, TypingAndCodeBothRaiseTextChange) {
  ExampleWindow& w = ExampleWindow::Instance();
  QTest::keyClicks(w.Field("dataEntryT").LineEdit(), "12");
  EXPECT_EQ(w.textChanges, 2);
  w.Field("dataEntryT").SetText("");
  EXPECT_EQ(w.textChanges, 3);
  w.Field("dataEntryT").SetText("");  // no change, no event
  EXPECT_EQ(w.textChanges, 3);
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

TEST_F(Windows, RadioActionFiresWhenTheButtonTurnsOnByUserOrCodeAndCodeTurnsAllOff) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.kelvinActions, 0) << "the block's Value is applied before handlers connect";
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_EQ(w.celsiusActions, 1);
  EXPECT_FALSE(w.Radio("Kelvin").Value());
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_EQ(w.celsiusActions, 1) << "clicking a button already on is no change";
  w.Radio("Kelvin").SetValue(true);
  EXPECT_EQ(w.kelvinActions, 1);
  EXPECT_FALSE(w.Radio("Celsius").Value());
  w.Radio("Kelvin").SetValue(false);
  EXPECT_FALSE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_EQ(w.kelvinActions + w.celsiusActions, 2) << "turning off raises nothing";
  // The group still works afterwards.
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("Celsius").Value());
  QTest::mouseClick(w.Radio("Kelvin").Button(), Qt::LeftButton);
  EXPECT_FALSE(w.Radio("Celsius").Value());
}

TEST_F(Windows, RadioButtonsWithOneParentFormAGroupApartFromThoseAroundIt) {
  PanelWindow& w = PanelWindow::Instance();
  // C lies on the rectangle that holds the group box of A and B.
  QTest::mouseClick(w.Radio("C").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("C").Value());
  EXPECT_TRUE(w.Radio("A").Value());
  w.Radio("B").SetValue(true);
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_TRUE(w.Radio("C").Value());
  EXPECT_EQ(w.bActions, 1);
  EXPECT_EQ(w.cActions, 1);
  EXPECT_EQ(w.lastMe, &w.ControlByName("B")) << "Me is the control whose event is handled";
  EXPECT_THROW(w.Me(), fw::NilObjectException) << "outside a handler there is no Me";
  w.Radio("C").SetValue(false);
  EXPECT_TRUE(w.Radio("B").Value());
  w.Radio("B").SetValue(false);
  QTest::mouseClick(w.Radio("C").Button(), Qt::LeftButton);
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_FALSE(w.Radio("B").Value());
}

TEST_F(Windows, CodeFillsAListSilentlyAndAUsersEditOfAClickedCellRaisesCellTextChange) {
  EXPECT_EQ(fw::ColumnWidthsFor("40% 60%", 2, 200), (std::vector<int>{80, 120}));
  EXPECT_EQ(fw::ColumnWidthsFor("120, *", 2, 200), (std::vector<int>{120, 80}));
  EXPECT_EQ(fw::ColumnWidthsFor("", 2, 200), (std::vector<int>{100, 100}));
  ExampleWindow& w = ExampleWindow::Instance();
  fw::Listbox& list = w.List("ListBox1");
  QTableWidget* table = list.Table();
  EXPECT_NEAR(table->columnWidth(0), table->viewport()->width() / 2, 1) << "50%, 50%";
  w.Button("fill").Push();
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
  list.DeleteAllRows();
  EXPECT_EQ(w.edits.size(), 1u) << "writing from code raises nothing";
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.LastIndex(), -1);
}

}  // namespace
