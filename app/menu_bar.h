// The application's menu bar: File (Quit) and Edit (Undo, Cut, Copy, Paste,
// Delete, Select All). The menus are built once; on this platform each window
// shows them in a menu bar of its own, all sharing the same menus and items.
// Quit ends the event loop; the Edit items act on the focused text field.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class MenuBar1 : public QObject {
 public:
  MenuBar1();
  ~MenuBar1() override;

  // A menu bar for one window, showing the shared menus.
  QMenuBar* MakeBarFor(QWidget* window) const;

  // An item by its name ("FileQuit", "EditCopy", ...); nullptr for none.
  QAction* Item(const QString& name) const;
  QMenu* fileMenu() const { return file_; }
  QMenu* editMenu() const { return edit_; }

 private:
  void Untitled0();  // File menu
  void Untitled1();  // Edit menu

  QMenu* file_ = nullptr;
  QMenu* edit_ = nullptr;
};

// The one menu bar of the application, built on first use.
MenuBar1* MenuBarInstance();
// Shut-down: drops the menu bar.
void ReleaseMenuBar();
