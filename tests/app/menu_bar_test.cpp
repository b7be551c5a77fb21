#include "app/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "app/framework/test_windows.h"

namespace {

struct MenuBarTest : ::testing::Test {
  void TearDown() override {
    fw::ReleaseAllWindows();
    fw::SetFrameDecorator({});
    ReleaseMenuBar();
  }
};

// File holds Quit; Edit holds Undo, Cut, Copy, Paste, Delete and Select All
// with two separators. Command shortcuts become Control ones; Delete and the
// separators have none.
TEST_F(MenuBarTest, MenusHoldTheirItemsInOrderWithTheirShortcuts) {
  MenuBar1* bar = MenuBarInstance();
  EXPECT_EQ(bar->fileMenu()->title() + " " + bar->editMenu()->title(), "&File &Edit");
  QStringList shown;
  for (const QAction* item : bar->fileMenu()->actions() + bar->editMenu()->actions())
    shown << item->objectName() + " " + (item->isSeparator() ? "-" : item->text()) + " " +
                 item->shortcut().toString();
  EXPECT_EQ(shown, QStringList({"FileQuit &Quit Ctrl+Q", "EditUndo &Undo Ctrl+Z", "UntitledMenu1 - ",
                                "EditCut Cu&t Ctrl+X", "EditCopy &Copy Ctrl+C", "EditPaste &Paste Ctrl+V",
                                "EditClear &Delete ", "UntitledMenu0 - ", "EditSelectAll Select &All Ctrl+A"}));
}

// In a window's field, through the window's own menu bar: Delete removes the
// selection and leaves the clipboard alone, Cut takes the selection to the
// clipboard, Copy puts it there and leaves the text, Paste puts the clipboard
// in place of the selection or at the cursor.
TEST_F(MenuBarTest, EditItemsEachDoTheirOwnJobOnTheFocusedFieldAndTheClipboard) {
  fw::SetFrameDecorator([](QMainWindow& frame) { frame.setMenuBar(MenuBarInstance()->MakeBarFor(&frame)); });
  ExampleWindow& window = ExampleWindow::Instance();
  QLineEdit* field = window.Field("dataEntryT").LineEdit();
  QApplication::setActiveWindow(window.Frame());
  field->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), field);
  const auto menu = [&window](const char* item) {
    for (const QAction* title : window.Frame()->menuBar()->actions())
      if (auto* action = title->menu()->findChild<QAction*>(item)) return action->trigger();
    ADD_FAILURE() << "no item " << item;
  };

  struct Case {
    int start, length;  // the selection; length 0: the cursor alone at start
    const char *item, *left, *clipboard;
  };
  const Case cases[] = {{0, 0, "EditClear", "573.15", "K"},    {3, 0, "EditClear", "573.15", "K"},
                        {6, 0, "EditClear", "573.15", "K"},    {3, 3, "EditClear", "573", "K"},
                        {1, 2, "EditClear", "5.15", "K"},      {3, 3, "EditCut", "573", ".15"},
                        {3, 3, "EditCopy", "573.15", ".15"},   {3, 0, "EditPaste", "573K.15", "K"},
                        {3, 3, "EditPaste", "573K", "K"}};
  for (const Case& c : cases) {
    QApplication::clipboard()->setText("K");
    field->setText("573.15");
    if (c.length == 0) field->setCursorPosition(c.start);
    else field->setSelection(c.start, c.length);
    menu(c.item);
    EXPECT_EQ(field->text() + " " + QApplication::clipboard()->text(), QString(c.left) + " " + c.clipboard)
        << c.item << " " << c.start << "+" << c.length;
  }

  field->setText("573.15");
  menu("EditSelectAll");
  EXPECT_EQ(field->selectedText(), "573.15");
  menu("EditClear");
  EXPECT_EQ(field->text(), "");
  menu("EditUndo");
  EXPECT_EQ(field->text(), "573.15");
}

}  // namespace
