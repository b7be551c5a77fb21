#include "app/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

struct MenuBarTest : ::testing::Test {
  void TearDown() override { ReleaseMenuBar(); }
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

TEST_F(MenuBarTest, EditItemsActOnTheFocusedField) {
  QWidget window;
  auto* field = new QLineEdit(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  field->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), field);
  auto menu = [](const char* item) { MenuBarInstance()->Item(item)->trigger(); };

  // Delete removes the selection and nothing else; Cut takes it away to be
  // pasted again.
  struct Case {
    int start, length;  // the selection; length 0: the cursor alone at start
    const char *item, *left;
  };
  const Case cases[] = {{0, 0, "EditClear", "573.15"}, {3, 0, "EditClear", "573.15"},
                        {6, 0, "EditClear", "573.15"}, {3, 3, "EditClear", "573"},
                        {1, 2, "EditClear", "5.15"},   {3, 3, "EditCut", "573"}};
  for (const Case& c : cases) {
    field->setText("573.15");
    if (c.length == 0) field->setCursorPosition(c.start);
    else field->setSelection(c.start, c.length);
    menu(c.item);
    EXPECT_EQ(field->text(), c.left) << c.item << " " << c.start << "+" << c.length;
  }
  menu("EditPaste");
  EXPECT_EQ(field->text(), "573.15");

  menu("EditSelectAll");
  EXPECT_EQ(field->selectedText(), "573.15");
  menu("EditClear");
  EXPECT_EQ(field->text(), "");
  menu("EditUndo");
  EXPECT_EQ(field->text(), "573.15");
}

}  // namespace
