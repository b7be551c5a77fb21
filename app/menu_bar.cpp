#include "app/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "app/framework/Window.h"

#include <memory>

namespace {
std::unique_ptr<MenuBar1>& implicitInstance() {
  static std::unique_ptr<MenuBar1> instance;
  return instance;
}

// The designed shortcut texts name the Command key; on this platform it is Ctrl.
QKeySequence Shortcut(const QString& text) {
  QString portable = text;
  portable.replace("Cmd+", "Ctrl+");
  return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

// Edit commands on the focused text field; other widgets ignore them.
enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

void ApplyToFocusedField(EditCommand command) {
  QWidget* focus = QApplication::focusWidget();
  // Every text the user types into is a line edit: the fields, and the
  // editor of a list cell.
  auto* line = qobject_cast<QLineEdit*>(focus);
  if (!line) return;
  switch (command) {
    case EditCommand::Undo: line->undo(); break;
    case EditCommand::Cut: line->cut(); break;
    case EditCommand::Copy: line->copy(); break;
    case EditCommand::Paste: line->paste(); break;
    // Delete clears the selection only; with none it leaves the text alone.
    case EditCommand::Delete:
      if (line->hasSelectedText()) line->del();
      break;
    case EditCommand::SelectAll: line->selectAll(); break;
  }
}
}  // namespace

MenuBar1* MenuBarInstance() {
  if (!implicitInstance()) implicitInstance() = std::make_unique<MenuBar1>();
  return implicitInstance().get();
}

void ReleaseMenuBar() { implicitInstance().reset(); }

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

MenuBar1::~MenuBar1() {
  delete file_;
  delete edit_;
}

void MenuBar1::Untitled0() {
  file_ = new QMenu("&File");
  file_->setObjectName("FileMenu");
  auto* quit = new QAction("&Quit", file_);
  quit->setObjectName("FileQuit");
  quit->setMenuRole(QAction::QuitRole);
  quit->setShortcut(Shortcut("Cmd+Q"));
  QObject::connect(quit, &QAction::triggered, [] { fw::Quit(); });
  file_->addAction(quit);
}

void MenuBar1::Untitled1() {
  edit_ = new QMenu("&Edit");
  edit_->setObjectName("EditMenu");
  struct Row {
    const char* name;
    const char* text;
    const char* shortcut;  // empty: none
    EditCommand command;
  };
  const Row rows[] = {
      {"EditUndo", "&Undo", "Cmd+Z", EditCommand::Undo},
      {"UntitledMenu1", "-", "", EditCommand::Undo},
      {"EditCut", "Cu&t", "Cmd+X", EditCommand::Cut},
      {"EditCopy", "&Copy", "Cmd+C", EditCommand::Copy},
      {"EditPaste", "&Paste", "Cmd+V", EditCommand::Paste},
      {"EditClear", "&Delete", "", EditCommand::Delete},
      {"UntitledMenu0", "-", "", EditCommand::Undo},
      {"EditSelectAll", "Select &All", "Cmd+A", EditCommand::SelectAll},
  };
  for (const Row& row : rows) {
    auto* item = new QAction(row.text, edit_);
    item->setObjectName(row.name);
    if (QString(row.text) == "-") {
      item->setSeparator(true);
    } else {
      if (*row.shortcut) item->setShortcut(Shortcut(row.shortcut));
      const EditCommand command = row.command;
      QObject::connect(item, &QAction::triggered, [command] { ApplyToFocusedField(command); });
    }
    edit_->addAction(item);
  }
}

QMenuBar* MenuBar1::MakeBarFor(QWidget* window) const {
  auto* bar = new QMenuBar(window);
  bar->setObjectName("MenuBar1");
  bar->addMenu(file_);
  bar->addMenu(edit_);
  return bar;
}

QAction* MenuBar1::Item(const QString& name) const {
  for (QMenu* menu : {file_, edit_}) {
    if (auto* item = menu->findChild<QAction*>(name)) return item;
  }
  return nullptr;
}
