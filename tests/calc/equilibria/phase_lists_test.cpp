// The first-approach lists of the equilibrium windows: their rows, and a
// user's edit stored at once into the phase composition they show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/Window.h"
#include "calc/equilibria/phase_lists.h"
#include "phase_state.h"

namespace {

// The two first-approach lists as both equilibrium windows hold them.
class ListsWindow : public fw::WindowClass<ListsWindow> {
 public:
  static fw::WindowBlocks Blocks() {
    static constexpr auto kBlocks = fw::EncodeWindow([] {
      using namespace fw::decl;
      return fw::Declare(
          fw::decl::Window("Lists", 420, 120), fw::StoredOrder::Table,
          Listbox("ListBoxPhaseX", 10, 10, 190, 100).Columns(2, "40% 60%"),
          Listbox("ListBoxPhaseY", 210, 10, 190, 100).Columns(2, "40% 60%"));
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

}  // namespace
