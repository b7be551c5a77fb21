// Small windows declared for the tests of the window layer.
#pragma once

#include <vector>

#include "app/framework/Window.h"

// A scroll panel: a rectangle holding a group box holding two radio buttons,
// moved by a scroll bar; blocks stored in reverse order; resizable.
class PanelWindow : public fw::WindowClass<PanelWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  void ScrollBar1_ValueChanged();
  void A_Action();
  void B_Action();
  void C_Action();
  void Event_Resizing() override;

  int aActions = 0, bActions = 0, cActions = 0, resizings = 0;
};

// A list whose value cells the user may edit after a click.
class ListWindow : public fw::WindowClass<ListWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  bool ListBox1_CellClick(int row, int column, int x, int y);
  void ListBox1_CellTextChange(int row, int column);
  void fill_Action();

  std::vector<std::pair<int, int>> clicks, edits;
};

// A long calculation that yields once per pass.
class YieldWindow : public fw::WindowClass<YieldWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
  void run_Action();
  void other_Action();

  static int passesWanted;
  static int passesDone;
  static int starts;
  static bool stoppedEarly;
  static bool windowOpenAtEnd;
  static bool (*onPass)(YieldWindow&, int pass);  // false: stop
  int otherActions = 0;
};

// Built hidden (Visible 0), with the two kinds of control-set members.
class HiddenSetWindow : public fw::WindowClass<HiddenSetWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};

// Pictures set before the blocks are applied.
class PictureWindow : public fw::WindowClass<PictureWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers();
};

// Picture getters of the tests' own resource ids.
const QPixmap& TestPicture5();
const QPixmap& TestPicture6();
const QPixmap& MissingPicture();
