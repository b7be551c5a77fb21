// Small windows declared for the tests of the window layer, and the fixture
// that destroys every window after a test.
#pragma once

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>

#include <utility>
#include <vector>

#include "app/framework/Controls.h"
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

// Written as the program's windows are: a temperature entry, its unit radios,
// a default button, a result label, and a list whose value cells the user may
// edit after a click.
class ExampleWindow : public fw::WindowClass<ExampleWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() {
    return {FW_HANDLER(ExampleWindow, calculate, Action), FW_HANDLER(ExampleWindow, ListBox1, CellClick),
            FW_HANDLER(ExampleWindow, ListBox1, CellTextChange)};
  }
  void calculate_Action() {
    const double T = fw::Val(Field("dataEntryT").Text()) + (Radio("Celsius").Value() ? 273.15 : 0);
    Label("Result").SetText(fw::Str(T) + " K");
  }
  bool ListBox1_CellClick(int row, int column, int x, int y);
  void ListBox1_CellTextChange(int row, int column) { edits.emplace_back(row, column); }
  void Event_Activate() override { ++activations; }

  int activations = 0;
  std::vector<std::pair<int, int>> clicks, edits;
};

// Radio buttons in a group box on a rectangle, and one beside the group box
// on the rectangle; blocks stored in reverse order.
class PanelWindow : public fw::WindowClass<PanelWindow> {
 public:
  static fw::WindowBlocks Blocks();
  static fw::Handlers Handlers() { return {FW_HANDLER(PanelWindow, B, Action), FW_HANDLER(PanelWindow, C, Action)}; }
  void B_Action() { ++bActions, lastMe = &Me(); }
  void C_Action() { ++cActions; }

  int bActions = 0, cActions = 0;
  const fw::RectControl* lastMe = nullptr;
};
