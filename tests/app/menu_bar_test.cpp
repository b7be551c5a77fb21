#include "app/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <iterator>

namespace {

struct MenuBarTest : ::testing::Test {
  void TearDown() override { ReleaseMenuBar(); }
};

// Command shortcuts become Control ones; Delete and the separators have none.
TEST_F(MenuBarTest, MenusHoldTheirItemsInOrderWithTheirShortcuts) {
  struct Item {
    const char *name, *text, *shortcut;  // text "-": a separator
  };
  const Item items[] = {{"FileQuit", "&Quit", "Ctrl+Q"},          {"EditUndo", "&Undo", "Ctrl+Z"},
                        {"UntitledMenu1", "-", ""},               {"EditCut", "Cu&t", "Ctrl+X"},
                        {"EditCopy", "&Copy", "Ctrl+C"},          {"EditPaste", "&Paste", "Ctrl+V"},
                        {"EditClear", "&Delete", ""},             {"UntitledMenu0", "-", ""},
                        {"EditSelectAll", "Select &All", "Ctrl+A"}};
  MenuBar1* bar = MenuBarInstance();
  EXPECT_EQ(bar->fileMenu()->title(), "&File");
  EXPECT_EQ(bar->editMenu()->title(), "&Edit");
  ASSERT_EQ(bar->fileMenu()->actions().size(), 1);
  const QList<QAction*> shown = bar->fileMenu()->actions() + bar->editMenu()->actions();
  ASSERT_EQ(shown.size(), std::ssize(items));
  for (int i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i]->objectName(), items[i].name) << i;
    EXPECT_EQ(shown[i]->isSeparator() ? QString("-") : shown[i]->text(), items[i].text) << items[i].name;
    EXPECT_EQ(shown[i]->shortcut(), QKeySequence(items[i].shortcut)) << items[i].name;
    EXPECT_EQ(bar->Item(items[i].name), shown[i]);
  }
}

TEST_F(MenuBarTest, EditItemsActOnTheFocusedField) {
  QWidget window;
  auto* field = new QLineEdit(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  field->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), field);
  auto menu = [](const char* item) { MenuBarInstance()->Item(item)->trigger(); };

  // Delete removes the selection and nothing else.
  struct Case {
    int start, length;  // the selection; length 0: the cursor alone at start
    const char* left;
  };
  const Case cases[] = {{0, 0, "573.15"}, {3, 0, "573.15"}, {6, 0, "573.15"}, {3, 3, "573"}, {1, 2, "5.15"}};
  for (const Case& c : cases) {
    field->setText("573.15");
    if (c.length == 0) field->setCursorPosition(c.start);
    else field->setSelection(c.start, c.length);
    menu("EditClear");
    EXPECT_EQ(field->text(), c.left) << c.start << "+" << c.length;
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
