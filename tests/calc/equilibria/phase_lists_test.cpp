// The per-component lists of the equilibrium windows: the first-approach
// rows, a user's edit stored at once into its phase, and the result lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "calc/equilibria/phase_lists.h"
#include "calc/equilibria/result_controls.h"
#include "phase_state.h"

namespace {

// The lists and result controls as the liquid-vapour window names them.
class ListsWindow : public fw::WindowClass<ListsWindow> {
 public:
  static fw::WindowBlocks Blocks() {
    static constexpr auto kBlocks = fw::EncodeWindow([] {
      using namespace fw::decl;
      return fw::Declare(
          fw::decl::Window("Lists", 420, 400), fw::StoredOrder::Table,
          Listbox("ListBoxPhaseX", 10, 10, 190, 100).Columns(2, "40% 60%"),
          Listbox("ListBoxPhaseY", 210, 10, 190, 100).Columns(2, "40% 60%"),
          StaticText("Answer", 10, 120, 100, 20), StaticText("ResultText", 110, 120, 300, 20),
          Listbox("ListBoxFracX", 10, 150, 90, 25), Listbox("ListBoxFracY", 110, 150, 90, 25),
          Listbox("ListBoxVmX", 210, 150, 90, 25), Listbox("ListBoxVmY", 310, 150, 90, 25),
          Listbox("ListBoxDX", 10, 180, 90, 25), Listbox("ListBoxDY", 110, 180, 90, 25),
          Listbox("ListBoxPhaseX1", 10, 210, 190, 80).Columns(2, "40% 60%"),
          Listbox("ListBoxPhaseY1", 210, 210, 190, 80).Columns(2, "40% 60%"),
          Listbox("ListBoxPhaseX2", 10, 300, 190, 80).Columns(2, "40% 60%"),
          Listbox("ListBoxPhaseY2", 210, 300, 190, 80).Columns(2, "40% 60%"));
    });
    return kBlocks;
  }
  static fw::Handlers Handlers() {
    return {FW_HANDLER(ListsWindow, ListBoxPhaseX, CellClick),
            FW_HANDLER(ListsWindow, ListBoxPhaseX, CellTextChange),
            FW_HANDLER(ListsWindow, ListBoxPhaseY, CellClick),
            FW_HANDLER(ListsWindow, ListBoxPhaseY, CellTextChange)};
  }
  bool ListBoxPhaseX_CellClick(int row, int, int, int) {
    return equilibria::OpenValueCell(List("ListBoxPhaseX"), row);
  }
  void ListBoxPhaseX_CellTextChange(int row, int) {
    equilibria::StoreEditedFraction(List("ListBoxPhaseX"), row, Globals::xgas);
  }
  bool ListBoxPhaseY_CellClick(int row, int, int, int) {
    return equilibria::OpenValueCell(List("ListBoxPhaseY"), row);
  }
  void ListBoxPhaseY_CellTextChange(int row, int) {
    equilibria::StoreEditedFraction(List("ListBoxPhaseY"), row, Globals::ygas);
  }
};

class PhaseLists : public PhaseStateTest {
 protected:
  void TearDown() override {
    fw::ReleaseAllWindows();
    PhaseStateTest::TearDown();
  }
};

// Clicks the name cell of the row, types into the value cell that opens.
void TypeIntoRow(fw::Listbox& list, int row, const QString& text) {
  QTableWidget* table = list.Table();
  const QRect name = table->visualRect(table->model()->index(row, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, name.center());
  QCoreApplication::processEvents();  // the editor opens after the click
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Delete);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

TEST_F(PhaseLists, RowsOfThePresentComponentsTakeTheirEditsAsTyped) {
  Globals::fraction = {0.7, 0, 0.2, 0.05, 0.05};  // without CO2 the second row is CH4
  Globals::xgas = {0.7, 0.5, 0.2, 0.05, 0.05};
  Globals::ygas = {0.125, 0, 0.75, 0, 0.125};
  auto& w = ListsWindow::Instance();
  fw::Listbox& X = w.List("ListBoxPhaseX");
  fw::Listbox& Y = w.List("ListBoxPhaseY");
  X.AddRow("old");
  equilibria::FillPhaseLists(X, Y);
  const char* names[] = {"H2O", "CH4", "NaCl", "KCl"};
  const char* y[] = {"0.125", "0.75", "0", "0.125"};
  ASSERT_EQ(X.ListCount(), 4);
  ASSERT_EQ(Y.ListCount(), 4);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(X.Cell(row, 0), names[row]);
    EXPECT_EQ(Y.Cell(row, 0), names[row]);
    EXPECT_EQ(Y.Cell(row, 1), y[row]);
  }
  const struct {
    fw::Listbox& list;
    int row;
    QString typed;
    Globals::Composition x, y;
  } edits[] = {
      {Y, 1, "0.25", {0.7, 0.5, 0.2, 0.05, 0.05}, {0.125, 0, 0.25, 0, 0.125}},  // not normalised
      {X, 2, "0.3", {0.7, 0.5, 0.2, 0.3, 0.05}, {0.125, 0, 0.25, 0, 0.125}},    // NaCl
      {X, 3, "-1", {0.7, 0.5, 0.2, 0.3, -1}, {0.125, 0, 0.25, 0, 0.125}},       // no range check
      {X, 0, "", {0, 0.5, 0.2, 0.3, -1}, {0.125, 0, 0.25, 0, 0.125}},           // emptied: 0
  };
  for (const auto& e : edits) {
    SCOPED_TRACE(e.typed.toStdString());
    TypeIntoRow(e.list, e.row, e.typed);
    EXPECT_EQ(e.list.CellType(e.row, 0), 0) << "the name column is never editable";
    EXPECT_EQ(Globals::xgas, e.x);
    EXPECT_EQ(Globals::ygas, e.y);
  }
  X.SetCell(0, 0, "h2o");  // names no component
  equilibria::StoreEditedFraction(X, 0, Globals::xgas);
  equilibria::StoreEditedFraction(X, 9, Globals::xgas);
  EXPECT_EQ(Globals::xgas, edits[3].x);
}

TEST_F(PhaseLists, AResultFillsEveryResultControlAndAnEmptyOneClearsThem) {
  auto& w = ListsWindow::Instance();
  equilibria::EquilibriumResult r;
  r.answer = "12.5";
  r.resultText = "Solution after 3 iterations";
  r.phaseX = {"0.75", "25", "0.9", {{"H2O", "0.99"}, {"CO2", "0.01"}}, {{"H2O", "1"}, {"CO2", "2"}}};
  r.phaseY = {"0.25", "300", "0.05", {{"H2O", "0.8"}, {"CO2", "0.2"}}, {{"H2O", "1"}, {"CO2", "2"}}};
  equilibria::ShowEquilibriumResult(w, r);
  EXPECT_EQ(w.Label("Answer").Text(), "12.5");
  EXPECT_EQ(w.Label("ResultText").Text(), r.resultText);
  EXPECT_EQ(w.List("ListBoxFracX").Cell(0, 0), "0.75");
  EXPECT_EQ(w.List("ListBoxVmY").Cell(0, 0), "300");
  EXPECT_EQ(w.List("ListBoxDX").Cell(0, 0), "0.9");
  EXPECT_EQ(w.List("ListBoxPhaseY1").Cell(1, 1), "0.2");
  EXPECT_EQ(w.List("ListBoxPhaseX2").Cell(1, 0), "CO2");
  equilibria::ShowEquilibriumResult(w, {});
  for (const char* list : {"ListBoxFracY", "ListBoxVmX", "ListBoxDY", "ListBoxPhaseX1", "ListBoxPhaseY2"})
    EXPECT_EQ(w.List(list).ListCount(), 0) << list;
  EXPECT_EQ(w.Label("ResultText").Text(), "");
}

}  // namespace
