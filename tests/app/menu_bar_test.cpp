#include "app/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct MenuBarTest : ::testing::Test {
  void TearDown() override { ReleaseMenuBar(); }
};

QStringList Texts(QMenu* menu) {
  QStringList texts;
  for (QAction* item : menu->actions()) texts << (item->isSeparator() ? QString("-") : item->text());
  return texts;
}

TEST_F(MenuBarTest, FileHoldsQuitAndEditReadsInItsDesignedOrder) {
  MenuBar1* bar = MenuBarInstance();
  EXPECT_EQ(bar->fileMenu()->title(), "&File");
  EXPECT_EQ(Texts(bar->fileMenu()), QStringList{"&Quit"});
  EXPECT_EQ(bar->editMenu()->title(), "&Edit");
  EXPECT_EQ(Texts(bar->editMenu()),
            (QStringList{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}));
}

TEST_F(MenuBarTest, CommandShortcutsBecomeControlAndDeleteAndSeparatorsHaveNone) {
  MenuBar1* bar = MenuBarInstance();
  struct Case {
    const char* name;
    QKeySequence expected;
  };
  const Case cases[] = {{"FileQuit", QKeySequence("Ctrl+Q")},    {"EditUndo", QKeySequence("Ctrl+Z")},
                        {"EditCut", QKeySequence("Ctrl+X")},     {"EditCopy", QKeySequence("Ctrl+C")},
                        {"EditPaste", QKeySequence("Ctrl+V")},   {"EditClear", QKeySequence()},
                        {"EditSelectAll", QKeySequence("Ctrl+A")}, {"UntitledMenu0", QKeySequence()},
                        {"UntitledMenu1", QKeySequence()}};
  for (const Case& c : cases) {
    QAction* item = bar->Item(c.name);
    ASSERT_NE(item, nullptr) << c.name;
    EXPECT_EQ(item->shortcut(), c.expected) << c.name;
  }
}

TEST_F(MenuBarTest, SecondRequestGivesTheSameMenusAndEveryWindowShowsThem) {
  MenuBar1* first = MenuBarInstance();
  EXPECT_EQ(MenuBarInstance(), first);
  QWidget a, b;
  QMenuBar* barA = first->MakeBarFor(&a);
  QMenuBar* barB = first->MakeBarFor(&b);
  EXPECT_EQ(barA->actions().size(), 2);
  EXPECT_EQ(barA->actions(), barB->actions());
}

TEST_F(MenuBarTest, QuitEndsTheEventLoop) {
  QAction* quit = MenuBarInstance()->Item("FileQuit");
  QTimer::singleShot(0, quit, &QAction::trigger);
  QTimer fallback;  // ends a loop that Quit failed to end
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  fallback.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
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
