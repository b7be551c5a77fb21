// The editable first-approach lists: their rows, and a user's edit stored at
// once into the phase composition it shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "app/framework/Controls.h"
#include "app/framework/ValStr.h"
#include "app/framework/Window.h"
#include "calc/equilibria/phase_lists.h"
#include "phase_state.h"

namespace {

// The two lists as both equilibrium windows hold them.
class PhaseListsWindow : public fw::WindowClass<PhaseListsWindow> {
 public:
  static fw::WindowBlocks Blocks() {
    static constexpr auto kBlocks = fw::EncodeWindow([] {
      using namespace fw::decl;
      return fw::Declare(
          fw::decl::Window("Phase lists", 420, 120), fw::StoredOrder::Table,
          Listbox("ListBoxPhaseX", 10, 10, 190, 100).Columns(2, "40% 60%").Size(14).Italic(),
          Listbox("ListBoxPhaseY", 210, 10, 190, 100).Columns(2, "40% 60%").Size(14).Italic());
    });
    return kBlocks;
  }
  static fw::Handlers Handlers() {
    return {FW_HANDLER(PhaseListsWindow, ListBoxPhaseX, CellClick),
            FW_HANDLER(PhaseListsWindow, ListBoxPhaseX, CellTextChange),
            FW_HANDLER(PhaseListsWindow, ListBoxPhaseY, CellClick),
            FW_HANDLER(PhaseListsWindow, ListBoxPhaseY, CellTextChange)};
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
  // Clicks the name cell of the row, types the text into the value cell
  // that opens, and confirms it.
  static void TypeIntoRow(fw::Listbox& list, int row, const QString& text) {
    QTableWidget* table = list.Table();
    const QRect name = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, name.center());
    QCoreApplication::processEvents();  // the editor opens after the click
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Delete);
    else QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
};

TEST_F(PhaseLists, RowsForThePresentComponentsOnlyInComponentOrder) {
  Globals::fraction = {0.7, 0, 0.2, 0, 0.1};
  Globals::xgas = {0.5, 0.1, 0.25, 0.1, 0.25};
  Globals::ygas = {0.125, 0, 0.75, 0, 0.125};
  auto& w = PhaseListsWindow::Instance();
  fw::Listbox& X = w.List("ListBoxPhaseX");
  fw::Listbox& Y = w.List("ListBoxPhaseY");
  X.AddRow("old");
  equilibria::FillPhaseLists(X, Y);
  ASSERT_EQ(X.ListCount(), 3);
  ASSERT_EQ(Y.ListCount(), 3);
  const char* names[] = {"H2O", "CH4", "KCl"};
  const char* x[] = {"0.5", "0.25", "0.25"};
  const char* y[] = {"0.125", "0.75", "0.125"};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(X.Cell(row, 0), names[row]);
    EXPECT_EQ(Y.Cell(row, 0), names[row]);
    EXPECT_EQ(X.Cell(row, 1), x[row]);
    EXPECT_EQ(Y.Cell(row, 1), y[row]);
    EXPECT_NE(X.CellType(row, 1), fw::Listbox::kEditable) << "editable only once clicked";
  }
}

TEST_F(PhaseLists, AnEditIsStoredAsTypedIntoTheComponentOfItsRow) {
  // Without CO2 the second row is CH4, component 2.
  Globals::fraction = {0.7, 0, 0.2, 0.05, 0.05};
  Globals::xgas = {0.7, 0, 0.2, 0.05, 0.05};
  Globals::ygas = {0.1, 0, 0.9, 0, 0};
  auto& w = PhaseListsWindow::Instance();
  fw::Listbox& X = w.List("ListBoxPhaseX");
  fw::Listbox& Y = w.List("ListBoxPhaseY");
  equilibria::FillPhaseLists(X, Y);
  const struct {
    fw::Listbox& list;
    int row;
    QString typed;
    Globals::Composition x, y;
  } edits[] = {
      {Y, 1, "0.25", {0.7, 0, 0.2, 0.05, 0.05}, {0.1, 0, 0.25, 0, 0}},  // no normalising
      {X, 2, "0.3", {0.7, 0, 0.2, 0.3, 0.05}, {0.1, 0, 0.25, 0, 0}},    // NaCl
      {X, 3, "-1", {0.7, 0, 0.2, 0.3, -1}, {0.1, 0, 0.25, 0, 0}},       // KCl, no range check
      {X, 0, "", {0, 0, 0.2, 0.3, -1}, {0.1, 0, 0.25, 0, 0}},           // emptied: 0
  };
  for (const auto& e : edits) {
    SCOPED_TRACE(e.typed.toStdString());
    TypeIntoRow(e.list, e.row, e.typed);
    EXPECT_EQ(e.list.CellType(e.row, 0), 0) << "the name column is never editable";
    EXPECT_EQ(Globals::xgas, e.x);
    EXPECT_EQ(Globals::ygas, e.y);
  }
}

TEST_F(PhaseLists, RowsNamingNoComponentOrNotThereStoreNothing) {
  auto& w = PhaseListsWindow::Instance();
  fw::Listbox& X = w.List("ListBoxPhaseX");
  X.AddRow("h2o");
  X.SetCell(0, 1, "0.5");
  equilibria::StoreEditedFraction(X, 0, Globals::xgas);
  equilibria::StoreEditedFraction(X, 5, Globals::xgas);
  EXPECT_FALSE(equilibria::OpenValueCell(X, 5));
  EXPECT_EQ(Globals::xgas, Globals::Composition{});
}

}  // namespace
