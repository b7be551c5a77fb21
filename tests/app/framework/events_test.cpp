// Which events fire, for the user's actions and for code.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "app/framework/example_window.h"
#include "app/framework/test_windows.h"

namespace {

class Events : public ::testing::Test {
 protected:
  void TearDown() override { fw::ReleaseAllWindows(); }
};

TEST_F(Events, RadioActionFiresWhenTheButtonTurnsOnByUserOrCodeOnly) {
  ExampleWindow& w = ExampleWindow::Instance();
  EXPECT_EQ(w.kelvinActions, 0) << "the block's Value is applied before handlers connect";
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_EQ(w.celsiusActions, 1);
  EXPECT_FALSE(w.Radio("Kelvin").Value());
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_EQ(w.celsiusActions, 1) << "clicking a button already on is no change";
  w.Radio("Kelvin").SetValue(true);
  EXPECT_EQ(w.kelvinActions, 1);
  EXPECT_EQ(w.celsiusActions, 1) << "turning off raises nothing";
  EXPECT_FALSE(w.Radio("Celsius").Value());
}

TEST_F(Events, CodeTurnsEveryRadioOfAGroupOff) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Radio("Kelvin").SetValue(false);
  EXPECT_FALSE(w.Radio("Kelvin").Value());
  EXPECT_FALSE(w.Radio("Celsius").Value());
  EXPECT_EQ(w.kelvinActions + w.celsiusActions, 0);
  // The group still works afterwards.
  QTest::mouseClick(w.Radio("Kelvin").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("Kelvin").Value());
  QTest::mouseClick(w.Radio("Celsius").Button(), Qt::LeftButton);
  EXPECT_FALSE(w.Radio("Kelvin").Value());
}

TEST_F(Events, RadioButtonsWithOneParentFormAGroup) {
  PanelWindow& w = PanelWindow::Instance();
  EXPECT_TRUE(w.Radio("A").Value());
  w.Radio("C").SetValue(true);  // another parent: another group
  EXPECT_TRUE(w.Radio("A").Value());
  w.Radio("B").SetValue(true);
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_TRUE(w.Radio("C").Value());
  EXPECT_EQ(w.bActions, 1);
  EXPECT_EQ(w.cActions, 1);
}

TEST_F(Events, PushButtonCaptionIsSetByCode) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Button("calculate").SetCaption("volume calculation");
  EXPECT_EQ(w.Button("calculate").Button()->text(), "volume calculation");
}

TEST_F(Events, ReturnDoesNothingWhileTheDefaultButtonIsDisabled) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Field("dataEntryT").SetText("300");
  w.Button("calculate").SetEnabled(false);
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Return);
  EXPECT_EQ(w.Label("Result").Text(), "");
  w.Button("calculate").SetEnabled(true);
  QTest::keyClick(w.Field("dataEntryT").LineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(w.Label("Result").Text(), "300 K");
}

TEST_F(Events, LabelTextReadsBackAsSetWithCarriageReturnsShownAsLineBreaks) {
  ExampleWindow& w = ExampleWindow::Instance();
  w.Label("warning").SetText("first\rsecond");
  EXPECT_EQ(w.Label("warning").Text(), "first\rsecond");
  EXPECT_EQ(w.Label("warning").Label()->text(), "first\nsecond");
}

TEST_F(Events, CodeFillsAListWithoutCellTextChange) {
  ListWindow& w = ListWindow::Instance();
  w.Button("fill").Push();
  fw::Listbox& list = w.List("ListBox1");
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.LastIndex(), 2);
  EXPECT_EQ(list.Cell(1, 0), "CO2");
  EXPECT_EQ(list.Cell(1, 1), "0.5");
  EXPECT_EQ(list.Heading(1), "x");
  EXPECT_TRUE(list.Table()->horizontalHeader()->isVisible());
  EXPECT_TRUE(w.edits.empty());
  EXPECT_THROW(list.Cell(3, 0), fw::NilObjectException);
  list.DeleteAllRows();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.LastIndex(), -1);
}

TEST_F(Events, ClickedCellOpensForTypingAndTheUsersEditRaisesCellTextChange) {
  ListWindow& w = ListWindow::Instance();
  w.Button("fill").Push();
  fw::Listbox& list = w.List("ListBox1");
  QTableWidget* table = list.Table();
  const QRect cell = table->visualRect(table->model()->index(1, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_EQ(w.clicks.size(), 1u);
  EXPECT_EQ(w.clicks[0], std::make_pair(1, 0));
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
  ASSERT_EQ(w.edits.size(), 1u);
  EXPECT_EQ(w.edits[0], std::make_pair(1, 1));
  // Writing the cell from code afterwards raises nothing.
  list.SetCell(1, 1, "0.3");
  EXPECT_EQ(w.edits.size(), 1u);
}

TEST_F(Events, ColumnWidthsFollowTheWrittenProportions) {
  EXPECT_EQ(fw::ColumnWidthsFor("50%, 50%", 2, 200), (std::vector<int>{100, 100}));
  EXPECT_EQ(fw::ColumnWidthsFor("40% 60%", 2, 200), (std::vector<int>{80, 120}));
  EXPECT_EQ(fw::ColumnWidthsFor("120, *", 2, 200), (std::vector<int>{120, 80}));
  EXPECT_EQ(fw::ColumnWidthsFor("", 2, 200), (std::vector<int>{100, 100}));
  ListWindow& w = ListWindow::Instance();
  QTableWidget* table = w.List("ListBox1").Table();
  EXPECT_NEAR(table->columnWidth(0), table->viewport()->width() / 2, 1);
}

TEST_F(Events, ScrollBarMovesThePanel) {
  PanelWindow& w = PanelWindow::Instance();
  fw::ScrollBar& bar = w.Scroll("ScrollBar1");
  bar.Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar.Value(), 200);
  EXPECT_EQ(w.ControlByName("Rectangle1").Top(), -200);
  EXPECT_EQ(w.ControlByName("Deep").Top(), -70);
  bar.SetValue(0);
  EXPECT_EQ(w.ControlByName("Deep").Top(), 130);
}

TEST_F(Events, ResizingSetsTheScrollBarAndAMaximumBelowTheMinimumIsClamped) {
  PanelWindow& w = PanelWindow::Instance();
  fw::ScrollBar& bar = w.Scroll("ScrollBar1");
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

TEST_F(Events, WindowWithVisibleZeroIsBuiltHiddenUntilShown) {
  HiddenSetWindow& w = HiddenSetWindow::Instance();
  EXPECT_FALSE(w.Frame()->isVisible());
  w.Show();
  EXPECT_TRUE(w.Frame()->isVisible());
}

TEST_F(Events, ControlSetMembersAreReachedByNameAndIndex) {
  HiddenSetWindow& w = HiddenSetWindow::Instance();
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 0).Text(), "mass %");
  EXPECT_EQ(w.Named<fw::StaticText>("StaticText2", 1).Text(), "as %");
  EXPECT_EQ(w.Named<fw::StaticText>("Pressure", 1).Text(), "Pressure");
  EXPECT_THROW(w.ControlByNameIndex("Pressure", 0), fw::NilObjectException);
  EXPECT_THROW(w.ControlByName("Pressure"), fw::NilObjectException);
  EXPECT_EQ(w.ControlByNameIndex("Pressure", 1).Index(), 1);
}

}  // namespace

namespace {

TEST_F(Events, RadiosOfAGroupBoxStayApartFromTheRadiosAroundIt) {
  PanelWindow& w = PanelWindow::Instance();
  // C lies on the rectangle that holds the group box of A and B.
  QTest::mouseClick(w.Radio("C").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("C").Value());
  EXPECT_TRUE(w.Radio("A").Value());
  QTest::mouseClick(w.Radio("B").Button(), Qt::LeftButton);
  EXPECT_TRUE(w.Radio("B").Value());
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_TRUE(w.Radio("C").Value());
  w.Radio("C").SetValue(false);
  EXPECT_TRUE(w.Radio("B").Value());
  w.Radio("B").SetValue(false);
  QTest::mouseClick(w.Radio("C").Button(), Qt::LeftButton);
  EXPECT_FALSE(w.Radio("A").Value());
  EXPECT_FALSE(w.Radio("B").Value());
}

}  // namespace
