// Small windows declared for the tests of the window layer, and the fixture
// that destroys every window after a test.
#pragma once

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>

#include <utility>
#include <vector>

#include "app/framework/Controls.h"
#include "app/framework/Pictures.h"
#include "app/framework/ValStr.h"
#include "app/framework/Window.h"

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override { fw::ReleaseAllWindows(); }
};

// Measured in the fonts in use: each raised exponent of the window ("3")
// begins within a pixel after its base text up to the blank (all of it when
// there is none) and ends a pixel or more before the text after the blank;
// every unit fits its label. A "3" label without a base would float.
inline void ExpectExponentsAfterTheirBases(const fw::Window& w) {
  for (const auto& control : w.Controls()) {
    const auto* exponent = dynamic_cast<const fw::StaticText*>(control.get());
    if (!exponent) continue;
    const fw::StaticText* base = exponent->ExponentBase();
    if (!base) {
      EXPECT_NE(exponent->Text(), "3") << exponent->Name().toStdString() << " has no base";
      continue;
    }
    SCOPED_TRACE((base->Name() + " " + exponent->Name()).toStdString());
    const QString text = base->Text();
    const QString stem = text.section(' ', 0, 0);
    const QFontMetricsF font(base->Label()->font());
    const double stemEnd = base->Left() + font.horizontalAdvance(stem);
    EXPECT_GE(exponent->Left(), stemEnd);
    EXPECT_LT(exponent->Left(), stemEnd + 1);
    const double raisedEnd =
        exponent->Left() + QFontMetricsF(exponent->Label()->font()).horizontalAdvance(exponent->Text());
    if (text.contains(' ') && !exponent->Text().isEmpty()) {
      EXPECT_LE(raisedEnd + 1, base->Left() + font.horizontalAdvance(stem + ' '));
    }
    EXPECT_LE(raisedEnd, exponent->Left() + exponent->Width());
    EXPECT_LE(font.horizontalAdvance(text), base->Width());
  }
}

// Written as the program's windows are: a temperature entry, its unit radios
// under a group box created after them, a default button, a result label, and
// a list whose value cells the user may edit after a click.
class ExampleWindow : public fw::WindowClass<ExampleWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() {
    return {FW_HANDLER(ExampleWindow, dataEntryT, TextChange),
            FW_HANDLER(ExampleWindow, Kelvin, Action), FW_HANDLER(ExampleWindow, Celsius, Action),
            FW_HANDLER(ExampleWindow, calculate, Action), FW_HANDLER(ExampleWindow, fill, Action),
            FW_HANDLER(ExampleWindow, ListBox1, CellClick),
            FW_HANDLER(ExampleWindow, ListBox1, CellTextChange)};
  }
  void dataEntryT_TextChange() { ++textChanges; }
  void Kelvin_Action() { ++kelvinActions; }
  void Celsius_Action() { ++celsiusActions; }
  void calculate_Action() {
    const double T = fw::Val(Field("dataEntryT").Text()) + (Radio("Celsius").Value() ? 273.15 : 0);
    Label("Result").SetText(fw::Str(T) + " K");
  }
  void fill_Action();
  bool ListBox1_CellClick(int row, int column, int x, int y);
  void ListBox1_CellTextChange(int row, int column) { edits.emplace_back(row, column); }
  void Event_Activate() override { ++activations; }

  int activations = 0, textChanges = 0, kelvinActions = 0, celsiusActions = 0;
  std::vector<std::pair<int, int>> clicks, edits;
};

// A scroll panel: a rectangle holding a group box holding two radio buttons,
// moved by a scroll bar; blocks stored in reverse order; resizable.
class PanelWindow : public fw::WindowClass<PanelWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() {
    return {FW_HANDLER(PanelWindow, ScrollBar1, ValueChanged), FW_HANDLER(PanelWindow, A, Action),
            FW_HANDLER(PanelWindow, B, Action), FW_HANDLER(PanelWindow, C, Action)};
  }
  void ScrollBar1_ValueChanged() {
    ControlByName("Rectangle1").SetTop(-Scroll("ScrollBar1").Value());
    ControlByName("Rectangle1").Refresh(true);
  }
  void A_Action() { ++aActions; }
  void B_Action() { ++bActions, lastMe = &Me(); }
  void C_Action() { ++cActions; }
  void Event_Resizing() override {
    ++resizings;
    ControlByName("ScrollBar1").SetHeight(Height());
    Scroll("ScrollBar1").SetMaximum(500 - Height());
  }

  int aActions = 0, bActions = 0, cActions = 0, resizings = 0;
  const fw::RectControl* lastMe = nullptr;
};

// A long calculation that yields once per pass.
class YieldWindow : public fw::WindowClass<YieldWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() {
    return {FW_HANDLER(YieldWindow, run, Action), FW_HANDLER(YieldWindow, other, Action)};
  }
  void run_Action();
  void other_Action() { ++otherActions; }

  static inline int passesWanted = 0, passesDone = 0, starts = 0;
  static inline bool stoppedEarly = false, windowOpenAtEnd = false;
  static inline bool (*onPass)(YieldWindow&, int pass) = nullptr;  // false: stop
  int otherActions = 0;
};

// Built hidden (Visible 0): control-set members and pictures (ids 5 and 6 of
// the tests, 7 missing) set before the blocks are applied.
class HiddenSetWindow : public fw::WindowClass<HiddenSetWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() { return {}; }
};

template <int Id>
const QPixmap& TestPicture() {
  static fw::KeptPicture picture(Id);
  return picture.Get();
}
